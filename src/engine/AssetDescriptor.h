#pragma once

#include <cstdint>

#include "engine/OpenMode.h"
#include "engine/String.h"

// The flags of a descriptor, with the values of the game's asset table.

// Whether the path holds the platform directory ("PC") or "ANY_PLAT".
enum class PlatformFlag : std::int32_t { kAnyPlatform = 0, kPerPlatform = 1 };
// Whether the path holds the current language's directory or "ANY_LANG".
enum class LanguageFlag : std::int32_t { kAnyLanguage = 0, kPerLanguage = 1 };
// Whether the file lives inside a packed archive (a "BAD" file), which the
// file system neither writes nor opens.
enum class ArchiveFlag : std::int32_t { kPlainFile = 0, kInArchive = 1 };
// How a FileHandle prepared for the file ends its lines: CR LF for text, a
// zero byte for binary.
enum class BinaryFlag : std::int32_t { kText = 0, kBinary = 1 };

// One game file: directory, name and extension, and the flags the file
// system reads when it turns the descriptor into a path and opens it.
class AssetDescriptor {
 public:
  // The extension gets a leading "." when it lacks one (an empty one stays
  // empty).
  AssetDescriptor(const String& directory, const String& name, const String& extension,
                  PlatformFlag platform_flag, LanguageFlag language_flag, ArchiveFlag archive_flag,
                  OpenMode open_mode, BinaryFlag binary_flag);
  virtual ~AssetDescriptor();
  AssetDescriptor(const AssetDescriptor&) = delete;
  AssetDescriptor& operator=(const AssetDescriptor&) = delete;

  OpenMode GetOpenMode() const { return m_open_mode; }
  ArchiveFlag GetArchiveFlag() const { return m_archive_flag; }
  BinaryFlag GetBinaryFlag() const { return m_binary_flag; }
  LanguageFlag GetLanguageFlag() const { return m_language_flag; }
  PlatformFlag GetPlatformFlag() const { return m_platform_flag; }
  const String& GetName() const { return m_name; }
  const String& GetExtension() const { return m_extension; }
  const String& GetDirectory() const { return m_directory; }

  // The order in which descriptors were constructed in this process, from 1;
  // lets tests check that the registry is built in its table's order.
  std::uint32_t GetSerial() const { return m_serial; }
  // Descriptors alive now.
  static std::uint32_t GetLiveCount();

 private:
  OpenMode m_open_mode;
  ArchiveFlag m_archive_flag;
  BinaryFlag m_binary_flag;
  LanguageFlag m_language_flag;
  PlatformFlag m_platform_flag;
  String m_name;
  String m_extension;
  String m_directory;
  std::uint32_t m_serial;
};
