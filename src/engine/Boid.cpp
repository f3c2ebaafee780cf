#include "engine/Boid.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "engine/ErrorReporter.h"
#include "engine/Log.h"

namespace {

constexpr std::uint8_t kCarriageReturn = 13;
constexpr std::uint8_t kLineFeed = 10;
// ReadString collects a line in chunks of this size, the last byte kept for
// the terminating zero.
constexpr std::size_t kChunkSize = 1024;

}  // namespace

Boid::Boid(std::uint32_t capacity) {
  Allocate(capacity);
}

Boid::~Boid() {
  std::free(m_buffer);
}

std::uint32_t Boid::Tell() const {
  return m_position;
}

bool Boid::AtEnd() {
  return m_position >= Length();
}

ErrorCode Boid::Allocate(std::uint32_t capacity) {
  m_failed = true;
  // malloc(0) may return null; one spare byte keeps an empty buffer valid.
  auto* buffer = static_cast<std::uint8_t*>(std::malloc(std::max<std::uint32_t>(capacity, 1)));
  if (buffer == nullptr) return ReportHardError(kErrMemory);
  // New bytes start as zeros, so nothing of the heap's old content can reach
  // a file.
  std::memset(buffer, 0, std::max<std::uint32_t>(capacity, 1));
  if (m_buffer == nullptr) {
    m_position = 0;
    m_length = 0;
  } else {
    std::memcpy(buffer, m_buffer, std::min(capacity, m_capacity));
    std::free(m_buffer);
    // A shrink keeps position and length inside the new buffer.
    m_position = std::min(m_position, capacity);
    m_length = std::min(m_length, capacity);
  }
  m_buffer = buffer;
  m_capacity = capacity;
  m_cursor = m_buffer + m_position;
  m_failed = false;
  return 0;
}

ErrorCode Boid::Write(const void* source, std::uint32_t count) {
  if (m_failed) return ReportHardError(kErrInvalidBoid);
  const auto* bytes = static_cast<const std::uint8_t*>(source);
  const std::uint32_t fitting = PutBytes(bytes, count);
  if (fitting == count) return 0;
  m_failed = true;
  WriteOverflow(bytes + fitting, count - fitting);
  if (m_failed) {
    LogPrintf("*Error trying to write to boid - ran out of space\n");
    return kErrWriteBuffer;
  }
  return 0;
}

ErrorCode Boid::Read(void* destination, std::uint32_t count) {
  if (m_failed) return ReportHardError(kErrInvalidBoid);
  if (m_position > m_length) return ReportHardError(kErrInvalidOffset);
  auto* bytes = static_cast<std::uint8_t*>(destination);
  const std::uint32_t available = TakeBytes(bytes, count);
  if (available == count) return 0;
  m_failed = true;
  ReadOverflow(bytes + available, count - available);
  if (m_failed) {
    LogPrintf("Error Reading from boid\n");
    return ReportSoftError(kErrReadBuffer);
  }
  return 0;
}

ErrorCode Boid::Seek(std::uint32_t base, std::uint32_t offset) {
  if (m_failed) return ReportHardError(kErrInvalidBoid);
  const std::uint32_t target = base + offset;
  if (target >= m_capacity) {
    LogPrintf("*Invalid BOID offset\n");
    return ReportHardError(kErrInvalidOffset);
  }
  SetPosition(target);
  return 0;
}

std::uint32_t Boid::Length() const {
  return m_failed ? 0xFFFFFFFF : m_length;
}

Boid& Boid::WriteString(const String& text) {
  Write(text.data(), static_cast<std::uint32_t>(text.size()));
  if (m_line_ending == LineEnding::kCrLf) {
    Write(&kCarriageReturn, 1);
    Write(&kLineFeed, 1);
  } else {
    const std::uint8_t zero = 0;
    Write(&zero, 1);
  }
  return *this;
}

Boid& Boid::ReadString(String& out) {
  const std::uint8_t terminator = m_line_ending == LineEnding::kCrLf ? kCarriageReturn : 0;
  out.clear();
  char chunk[kChunkSize];
  std::uint8_t last = 0;
  bool have_last = false;
  while (!AtEnd() && !m_failed) {
    std::size_t used = 0;
    std::uint8_t c = 0;
    Read(&c, 1);
    chunk[used++] = static_cast<char>(c);
    while (c != terminator && used < kChunkSize - 1 && !AtEnd() && !m_failed) {
      Read(&c, 1);
      chunk[used++] = static_cast<char>(c);
    }
    chunk[used] = '\0';
    // The text of the chunk ends at its first zero byte.
    out.append(chunk, std::strlen(chunk));
    last = c;
    have_last = true;
    if (c == terminator) break;
  }
  if (m_line_ending == LineEnding::kCrLf && have_last && last == kCarriageReturn) {
    std::uint8_t line_feed = 0;
    Read(&line_feed, 1);
  }
  return *this;
}

ErrorCode Boid::WriteOverflow(const std::uint8_t* /*source*/, std::uint32_t /*count*/) {
  LogPrintf("Writing past end of fixed length Boid\n");
  m_failed = true;
  return ReportSoftError(kErrWriteBuffer);
}

ErrorCode Boid::ReadOverflow(std::uint8_t* destination, std::uint32_t count) {
  LogPrintf("Reading past end of fixed length Boid\n");
  m_failed = true;
  std::memset(destination, 0, count);
  return ReportSoftError(kErrReadBuffer);
}

std::uint32_t Boid::PutBytes(const std::uint8_t* source, std::uint32_t count) {
  const std::uint32_t fitting = std::min(count, m_capacity - m_position);
  if (fitting > 0) std::memcpy(m_cursor, source, fitting);
  SetPosition(m_position + fitting);
  if (m_position > m_length) m_length = m_position;
  return fitting;
}

std::uint32_t Boid::TakeBytes(std::uint8_t* destination, std::uint32_t count) {
  const std::uint32_t available = std::min(count, m_length - m_position);
  if (available > 0) std::memcpy(destination, m_cursor, available);
  SetPosition(m_position + available);
  return available;
}

void Boid::SetPosition(std::uint32_t position) {
  m_position = position;
  m_cursor = m_buffer + position;
}
