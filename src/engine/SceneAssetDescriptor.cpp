#include "engine/SceneAssetDescriptor.h"

SceneAssetDescriptor::SceneAssetDescriptor(const String& directory, const String& name,
                                           const String& extension, const String& node,
                                           std::int32_t platform_flag, std::int32_t language_flag)
    : AssetDescriptor(directory, name, extension, platform_flag, language_flag, 0, 0, 1),
      m_node(node) {}
