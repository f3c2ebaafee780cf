#pragma once

#include <cstdint>

#include "engine/ErrorCode.h"
#include "engine/String.h"

// How WriteString ends a line and ReadString recognises one.
enum class LineEnding {
  kZeroByte,  // one zero byte
  kCrLf,      // carriage return and line feed
};

// A byte stream over one memory buffer of fixed capacity. Running past the
// buffer calls a virtual hook: the plain Boid treats it as an error, a derived
// stream (FileHandle) flushes or refills the buffer. While the stream is
// failed every Read, Write and Seek is refused with "Invalid Boid".
class Boid {
 public:
  explicit Boid(std::uint32_t capacity);
  virtual ~Boid();
  Boid(const Boid&) = delete;
  Boid& operator=(const Boid&) = delete;

  virtual std::uint32_t Tell() const;
  // Position at or past the length (false while failed).
  virtual bool AtEnd();

  // Gives the stream a buffer of `capacity` bytes, keeping what fits of the
  // old one.
  ErrorCode Allocate(std::uint32_t capacity);

  ErrorCode Write(const void* source, std::uint32_t count);
  ErrorCode Read(void* destination, std::uint32_t count);
  // Moves to base + offset; the unsigned sum wraps.
  ErrorCode Seek(std::uint32_t base, std::uint32_t offset);

  // The data length, or 0xFFFFFFFF while failed.
  std::uint32_t Length() const;
  std::uint32_t Capacity() const { return m_capacity; }
  std::uint32_t Position() const { return m_position; }
  bool IsFailed() const { return m_failed; }

  LineEnding GetLineEnding() const { return m_line_ending; }
  void SetLineEnding(LineEnding line_ending) { m_line_ending = line_ending; }

  // Writes the text and the line end; results are not examined.
  Boid& WriteString(const String& text);
  // Reads one line; with CR LF endings the CR stays at the end of the text
  // and the byte after it is consumed. Lines of any length are read.
  Boid& ReadString(String& out);

 protected:
  // Called with the bytes that did not fit / the part of the read that found
  // no data. A hook signals success by clearing the failure before it
  // returns; its result code is not examined.
  virtual ErrorCode WriteOverflow(const std::uint8_t* source, std::uint32_t count);
  virtual ErrorCode ReadOverflow(std::uint8_t* destination, std::uint32_t count);

  // Copy what fits between the position and the capacity / what the data
  // holds between the position and the length, move the position past it
  // (a write also grows the length) and give the count moved. Neither calls
  // a hook, so a derived stream can move a large count in a loop of
  // buffer-fulls instead of once per nested call.
  std::uint32_t PutBytes(const std::uint8_t* source, std::uint32_t count);
  std::uint32_t TakeBytes(std::uint8_t* destination, std::uint32_t count);

  void SetFailed(bool failed) { m_failed = failed; }
  // Moves the position; the caller keeps it within the capacity.
  void SetPosition(std::uint32_t position);
  // The caller keeps it within the capacity.
  void SetLength(std::uint32_t length) { m_length = length; }
  std::uint8_t* GetBuffer() { return m_buffer; }
  const std::uint8_t* GetBuffer() const { return m_buffer; }

 private:
  std::uint32_t m_capacity = 0;
  std::uint32_t m_position = 0;
  std::uint32_t m_length = 0;
  std::uint8_t* m_cursor = nullptr;
  std::uint8_t* m_buffer = nullptr;
  bool m_failed = true;
  LineEnding m_line_ending = LineEnding::kZeroByte;
};
