#include "engine/AssetDescriptor.h"

namespace {

std::uint32_t s_constructed = 0;
std::uint32_t s_alive = 0;

String WithLeadingDot(const String& extension) {
  if (extension.empty() || extension[0] == '.') return extension;
  return "." + extension;
}

}  // namespace

AssetDescriptor::AssetDescriptor(const String& directory, const String& name,
                                 const String& extension, PlatformFlag platform_flag,
                                 LanguageFlag language_flag, ArchiveFlag archive_flag,
                                 OpenMode open_mode, BinaryFlag binary_flag)
    : m_open_mode(open_mode),
      m_archive_flag(archive_flag),
      m_binary_flag(binary_flag),
      m_language_flag(language_flag),
      m_platform_flag(platform_flag),
      m_name(name),
      m_extension(WithLeadingDot(extension)),
      m_directory(directory),
      m_serial(++s_constructed) {
  ++s_alive;
}

AssetDescriptor::~AssetDescriptor() {
  --s_alive;
}

std::uint32_t AssetDescriptor::GetLiveCount() {
  return s_alive;
}
