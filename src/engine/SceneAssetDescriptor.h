#pragma once

#include "engine/AssetDescriptor.h"

// A scene file descriptor that also names a node inside the file. Archive
// flag 0, open mode 0 and binary flag 1.
class SceneAssetDescriptor : public AssetDescriptor {
 public:
  SceneAssetDescriptor(const String& directory, const String& name, const String& extension,
                       const String& node, std::int32_t platform_flag, std::int32_t language_flag);

  const String& GetNode() const { return m_node; }

 private:
  String m_node;
};
