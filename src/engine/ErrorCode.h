#pragma once

#include <cstdint>

// The 32-bit result of every engine operation; 0 is success. Engine codes
// carry 0x30000000 with a group in bits 16-19; DirectX and COM results are
// stored unchanged.
class ErrorCode {
 public:
  constexpr ErrorCode() = default;
  // Implicit, so that an operation can `return 0;` or return a constant.
  constexpr ErrorCode(std::uint32_t code) : m_code(code) {}

  constexpr std::uint32_t GetCode() const { return m_code; }
  constexpr bool IsSuccess() const { return m_code == 0; }
  constexpr bool IsError() const { return m_code != 0; }

  // The message text, a constant that may hold printf placeholders ("%s").
  // "Unrecognized error value." for a code without a text.
  const char* GetText() const;

  // The operating system's last-error value, unchanged.
  static ErrorCode FromLastError();

  friend constexpr bool operator==(ErrorCode a, ErrorCode b) { return a.m_code == b.m_code; }

 private:
  std::uint32_t m_code = 0;
};

// Engine codes used by the engine and its callers.
inline constexpr ErrorCode kErrNone{0x00000000};
inline constexpr ErrorCode kErrUserDefined{0x30000001};         // "User Defined Error"
inline constexpr ErrorCode kErrUnknown{0x30000002};             // "Unknown Error"
inline constexpr ErrorCode kErrWriteBuffer{0x30010001};         // "Write buffer broken"
inline constexpr ErrorCode kErrReadBuffer{0x30010002};          // "Read buffer broken"
inline constexpr ErrorCode kErrInvalidOffset{0x30010003};       // "Invalid Offset"
inline constexpr ErrorCode kErrAlreadyOpen{0x30010004};         // "File already open"
inline constexpr ErrorCode kErrNotOpen{0x30010005};             // "File not open"
inline constexpr ErrorCode kErrMemory{0x30010006};              // "Memory Error"
inline constexpr ErrorCode kErrInvalidBoid{0x30010007};         // "Invalid Boid"
inline constexpr ErrorCode kErrFileNotFound{0x30010010};        // "File %s not found"
inline constexpr ErrorCode kErrFileExists{0x30010011};          // "File %s already exists"
inline constexpr ErrorCode kErrPathNotFound{0x30010012};        // "Path %s not found"
inline constexpr ErrorCode kErrCannotWrite{0x30010013};         // "Unable to write to file %s"
inline constexpr ErrorCode kErrCannotRead{0x30010014};          // "Unable to read from file %s"
inline constexpr ErrorCode kErrNotInArchive{0x30010015};        // "File not found in BAD"
inline constexpr ErrorCode kErrArchiveReadOnly{0x30010016};     // "BAD file is read-only"
inline constexpr ErrorCode kErrDeleteFailed{0x30010017};        // "Delete failed"
inline constexpr ErrorCode kErrPastEof{0x30010018};             // "Past EOF"
inline constexpr ErrorCode kErrInvalidFormat{0x30010019};       // "Invalid format"
inline constexpr ErrorCode kErrUnsupportedVersion{0x3001001A};  // "Unsupported version"
inline constexpr ErrorCode kErrNoSpace{0x3001001B};             // "Not enough space"
inline constexpr ErrorCode kErrInvalidDevice{0x3001001C};       // "Invalid Device"
inline constexpr ErrorCode kErrDeviceReadOnly{0x3001001D};      // "Device %s is read only"
inline constexpr ErrorCode kErrCannotMount{0x3001001E};         // "Unable to mount device %s"
inline constexpr ErrorCode kErrOutOfMemory{0x30020001};         // "Out of memory"
