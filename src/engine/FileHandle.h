#pragma once

#include <cstdint>

#include "engine/Boid.h"
#include "engine/DiskFile.h"
#include "engine/ErrorCode.h"
#include "engine/OpenMode.h"
#include "engine/String.h"

// A buffered disk file: a Boid whose buffer holds a window of the file, filled
// from it in blocks of the capacity and flushed to it when full, on Flush, on
// a Seek out of the window and on Close. The DeviceManager prepares it (name,
// line ending, mode); the caller opens it.
class FileHandle : public Boid {
 public:
  static constexpr std::uint32_t kNoLimit = 0xFFFFFFFF;

  explicit FileHandle(std::uint32_t buffer_size);
  ~FileHandle() override;

  std::uint32_t Tell() const override;
  // The buffer is at its end and so is the file.
  bool AtEnd() override;
  virtual std::uint32_t Size();
  // Open for writing, or for reading and writing.
  virtual bool IsOpenForWriting() const;
  // Moves to the file offset base + offset.
  virtual ErrorCode Seek(std::uint32_t base, std::uint32_t offset);

  void SetFileName(const String& path) { m_name = path; }
  String GetName() const { return m_name; }

  // Refused with "File already open" on an open handle.
  ErrorCode SetMode(OpenMode mode);
  OpenMode GetMode() const { return m_mode; }
  bool IsOpen() const { return m_open; }

  // The tool always passes base 0 and kNoLimit.
  ErrorCode Open(OpenMode mode, std::uint32_t base_offset = 0, std::uint32_t limit = kNoLimit);
  ErrorCode Close();
  ErrorCode Flush();

 protected:
  ErrorCode WriteOverflow(const std::uint8_t* source, std::uint32_t count) override;
  ErrorCode ReadOverflow(std::uint8_t* destination, std::uint32_t count) override;

 private:
  // Loads the buffer from the file's current offset; the bytes loaded.
  std::uint32_t FillBuffer();

  DiskFile m_disk_file;
  OpenMode m_mode = kOpenRead;
  String m_name;
  bool m_open = false;
  std::uint32_t m_flushed = 0;
  // A write of this opening fell short; nothing more is written.
  bool m_write_failed = false;
  std::uint32_t m_buffer_offset = 0;
  std::uint32_t m_base_offset = 0;
  std::uint32_t m_limit = kNoLimit;
};
