#pragma once

#include <cstdint>

#include "engine/String.h"

// One game file: directory, name and extension, and the flags the file
// system reads when it turns the descriptor into a path and opens it.
class AssetDescriptor {
 public:
  // The extension gets a leading "." when it lacks one (an empty one stays
  // empty). Flags: platform/language 1 put the "PC"/language directory into
  // the path; archive 1 means the file lives in a packed archive; mode
  // 0 read, 1 write, 2 read and write; binary 0 means CR LF line ends.
  AssetDescriptor(const String& directory, const String& name, const String& extension,
                  std::int32_t platform_flag, std::int32_t language_flag, std::int32_t archive_flag,
                  std::int32_t open_mode, std::int32_t binary_flag);
  virtual ~AssetDescriptor();
  AssetDescriptor(const AssetDescriptor&) = delete;
  AssetDescriptor& operator=(const AssetDescriptor&) = delete;

  std::int32_t GetOpenMode() const { return m_open_mode; }
  std::int32_t GetArchiveFlag() const { return m_archive_flag; }
  std::int32_t GetBinaryFlag() const { return m_binary_flag; }
  std::int32_t GetLanguageFlag() const { return m_language_flag; }
  std::int32_t GetPlatformFlag() const { return m_platform_flag; }
  const String& GetName() const { return m_name; }
  const String& GetExtension() const { return m_extension; }
  const String& GetDirectory() const { return m_directory; }

  // The order in which descriptors were constructed in this process, from 1;
  // lets tests check that the registry is built in its table's order.
  std::uint32_t GetSerial() const { return m_serial; }
  // Descriptors alive now.
  static std::uint32_t GetLiveCount();

 private:
  std::int32_t m_open_mode;
  std::int32_t m_archive_flag;
  std::int32_t m_binary_flag;
  std::int32_t m_language_flag;
  std::int32_t m_platform_flag;
  String m_name;
  String m_extension;
  String m_directory;
  std::uint32_t m_serial;
};
