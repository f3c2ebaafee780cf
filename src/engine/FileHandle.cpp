#include "engine/FileHandle.h"

#include <algorithm>
#include <cstring>

#include "engine/ErrorReporter.h"
#include "engine/Log.h"
#include "engine/OpenMode.h"

FileHandle::FileHandle(std::uint32_t buffer_size) : Boid(buffer_size) {
  // Reading or writing before Open is refused.
  SetFailed(true);
}

FileHandle::~FileHandle() {
  if (m_open) Close();
}

std::uint32_t FileHandle::Tell() const {
  return m_buffer_offset + Position();
}

bool FileHandle::AtEnd() {
  // The file is asked only once the buffer is used up, so that reading a
  // line byte by byte costs no file access.
  if (!Boid::AtEnd()) return false;
  // Nothing past the limit can be read, so reaching it is the end as well.
  if (Tell() >= m_limit) return true;
  return m_disk_file.Tell() >= Size();
}

std::uint32_t FileHandle::Size() {
  // A size made up here would make a reader stop early or read a part
  // twice; an unknown size ends the data, and the player is told.
  const std::optional<std::uint32_t> size = m_disk_file.Size();
  if (!size) {
    ReportHardError(kErrCannotRead, m_name.c_str());
    return 0;
  }
  return *size;
}

bool FileHandle::IsOpenForWriting() const {
  return m_open && IsWritingMode(m_mode);
}

ErrorCode FileHandle::SetMode(OpenMode mode) {
  if (m_open) return ReportSoftError(kErrAlreadyOpen);
  m_mode = mode;
  return 0;
}

ErrorCode FileHandle::Open(OpenMode mode, std::uint32_t base_offset, std::uint32_t limit) {
  const char* name = m_name.c_str();
  switch (mode) {
    case kOpenRead:
      LogPrintf("Opening File %s for read\n", name);
      break;
    case kOpenWrite:
      LogPrintf("Opening File %s for WRITE\n", name);
      break;
    case kOpenReadWrite:
      LogPrintf("Opening File %s for READ/WRITE\n", name);
      break;
    default:
      LogPrintf("Opening File %s for *???*\n", name);
      break;
  }
  if (m_open) return ReportSoftError(kErrAlreadyOpen);
  m_mode = mode;
  m_flushed = 0;
  m_write_failed = false;
  m_buffer_offset = 0;
  m_base_offset = base_offset;
  m_limit = limit;
  switch (mode) {
    case kOpenRead:
    case kOpenReadWrite:
      if (!m_disk_file.Open(m_name, mode)) {
        LogPrintf("*File not Found %s\n", name);
        return ReportSoftError(kErrFileNotFound, name);
      }
      SetFailed(false);
      SetPosition(0);
      SetLength(FillBuffer());
      m_open = true;
      return 0;
    case kOpenWrite:
      if (!m_disk_file.Open(m_name, mode)) {
        LogPrintf("*Unable to open file for write: %s\n", name);
        return ReportSoftError(kErrCannotWrite, name);
      }
      SetFailed(false);
      SetPosition(0);
      SetLength(0);
      m_open = true;
      return 0;
    default:
      return ReportSoftError(kErrUnknown);
  }
}

ErrorCode FileHandle::Close() {
  LogPrintf("Closing file %s\n", m_name.c_str());
  if (!m_open) return ReportHardError(kErrNotOpen);
  const bool writing = IsWritingMode(m_mode);
  if (writing) Flush();
  const bool closed = m_disk_file.Close();
  m_open = false;
  // A closed handle refuses reads and writes until it is opened again.
  SetFailed(true);
  // The close is where the written bytes reach the disk; when they cannot,
  // the write has failed after all.
  if (!closed && writing) return ReportHardError(kErrCannotWrite, m_name.c_str());
  return 0;
}

ErrorCode FileHandle::Flush() {
  LogPrintf("Flushing %s\n", m_name.c_str());
  const std::uint32_t position = Position();
  const std::uint32_t count = position > m_flushed ? position - m_flushed : 0;
  std::uint32_t written = 0;
  // After a failed write the file ends where that write stopped: later
  // bytes would land behind a gap that is neither old nor new content.
  if (count > 0 && !m_write_failed) {
    // The pending bytes belong at buffer offset + flushed. Sequential writing
    // keeps the file there already; after a refill or a seek it is not.
    const std::uint32_t target = m_buffer_offset + m_flushed;
    if (m_disk_file.Tell() != target) m_disk_file.Seek(target, DiskFile::Origin::kStart);
    written = m_disk_file.Write(GetBuffer() + m_flushed, count);
  }
  m_flushed = position;
  if (written < count) {
    m_write_failed = true;
    return ReportHardError(kErrUnknown);
  }
  return 0;
}

ErrorCode FileHandle::Seek(std::uint32_t base, std::uint32_t offset) {
  const std::uint32_t target = base + offset;
  const bool writing = IsWritingMode(m_mode);
  if (target >= m_buffer_offset && target - m_buffer_offset < Capacity()) {
    const std::uint32_t position = target - m_buffer_offset;
    // Moving back over flushed bytes: what is written from there on must
    // reach the file again.
    if (m_open && writing && position < m_flushed) {
      Flush();
      m_flushed = position;
    }
    // Moving forward past the data leaves a gap that reads as zeros, as a
    // hole in a file does, instead of whatever the buffer held before.
    if (m_open && writing && !IsFailed() && position > Length()) {
      std::memset(GetBuffer() + Length(), 0, position - Length());
      SetLength(position);
    }
    SetPosition(position);
    return 0;
  }
  if (m_open && writing) Flush();
  const std::uint32_t chunk = target / Capacity();
  SetPosition(0);
  m_disk_file.Seek(static_cast<std::int64_t>(chunk) * Capacity() + m_base_offset,
                   DiskFile::Origin::kStart);
  m_buffer_offset = m_disk_file.Tell();
  SetLength(FillBuffer());
  // Only what is written after the target is pending, not the bytes before it.
  SetPosition(std::min(target - m_buffer_offset, Capacity() - 1));
  m_flushed = Position();
  return 0;
}

ErrorCode FileHandle::WriteOverflow(const std::uint8_t* source, std::uint32_t count) {
  // A buffer of no bytes never makes room; the write fails as a fixed-length
  // stream's does instead of flushing nothing for ever.
  if (Capacity() == 0) return kErrWriteBuffer;
  // One buffer-full per turn, so a single long line costs no stack.
  for (;;) {
    Flush();
    m_buffer_offset += Position();
    m_flushed = 0;
    SetPosition(0);
    SetLength(0);
    const std::uint32_t put = PutBytes(source, count);
    source += put;
    count -= put;
    if (count == 0) break;
  }
  SetFailed(false);
  return 0;
}

ErrorCode FileHandle::ReadOverflow(std::uint8_t* destination, std::uint32_t count) {
  if (count == 0) {
    SetFailed(false);
    return 0;
  }
  // One buffer-full per turn, so a large read costs no stack. Each refill
  // that still leaves the read short counts as a read of its own: when the
  // data then runs out, each of them reports the shortfall too, as the
  // stream's read that called this hook does.
  std::uint32_t short_refills = 0;
  for (;;) {
    // Bytes written into this window go out before it is replaced.
    if (IsOpenForWriting() && Position() > m_flushed) Flush();
    m_buffer_offset = m_disk_file.Tell();
    const std::uint32_t loaded = FillBuffer();
    if (loaded == 0) {
      ErrorCode result = ReportHardError(kErrCannotRead, m_name.c_str());
      for (; short_refills > 0; --short_refills) {
        LogPrintf("Error Reading from boid\n");
        result = ReportSoftError(kErrReadBuffer);
      }
      return result;
    }
    m_flushed = 0;
    SetLength(loaded);
    SetPosition(0);
    const std::uint32_t taken = TakeBytes(destination, count);
    destination += taken;
    count -= taken;
    if (count == 0) break;
    ++short_refills;
  }
  SetFailed(false);
  return 0;
}

std::uint32_t FileHandle::FillBuffer() {
  const std::uint32_t read = m_disk_file.Read(GetBuffer(), Capacity());
  // Nothing at or beyond the limit becomes readable.
  if (m_buffer_offset >= m_limit) return 0;
  return std::min(read, m_limit - m_buffer_offset);
}
