#pragma once

#include "engine/AssetDescriptor.h"

// A scene file descriptor that also names a node inside the file: a plain
// binary file, opened for reading.
class SceneAssetDescriptor : public AssetDescriptor {
 public:
  SceneAssetDescriptor(const String& directory, const String& name, const String& extension,
                       const String& node, PlatformFlag platform_flag, LanguageFlag language_flag);

  const String& GetNode() const { return m_node; }

 private:
  String m_node;
};
