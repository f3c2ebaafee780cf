#pragma once

#include <cstdint>
#include <memory>
#include <string>

class FileHandle;

// Splits a FileHandle's data, from its position to its end, into the lines of
// a configuration file, exactly as the handle's own line reader does with CR
// LF line ends: a line runs up to and including the first CR, the byte after
// the CR is dropped whatever it is, and within each run of 1023 bytes of a
// line the text ends at the first zero byte. It takes the bytes from the
// handle in large pieces instead of one at a time, which is most of the cost
// of reading a large file, and it asks no more of the handle than it holds,
// so the end of the data is never reported as a read error.
class ConfigLineReader {
 public:
  explicit ConfigLineReader(FileHandle& file);
  ~ConfigLineReader();

  ConfigLineReader(const ConfigLineReader&) = delete;
  ConfigLineReader& operator=(const ConfigLineReader&) = delete;

  // The next line, its CR included; false once the data is used up or the
  // handle fails.
  bool Next(std::string& line);

 private:
  bool Refill();
  bool TakeByte();

  static constexpr uint32_t kBlockSize = 64 * 1024;

  FileHandle& m_file;
  uint32_t m_remaining = 0;
  std::unique_ptr<char[]> m_block;
  uint32_t m_at = 0;
  uint32_t m_end = 0;
};
