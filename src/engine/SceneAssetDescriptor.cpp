#include "engine/SceneAssetDescriptor.h"

SceneAssetDescriptor::SceneAssetDescriptor(const String& directory, const String& name,
                                           const String& extension, const String& node,
                                           PlatformFlag platform_flag, LanguageFlag language_flag)
    : AssetDescriptor(directory, name, extension, platform_flag, language_flag,
                      ArchiveFlag::kPlainFile, kOpenRead, BinaryFlag::kBinary),
      m_node(node) {}
