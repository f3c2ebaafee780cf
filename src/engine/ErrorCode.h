#pragma once

#include <cstdint>

namespace platform {
struct SystemError;
}

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

  // The operating system's error number, unchanged.
  static ErrorCode FromSystemError(const platform::SystemError& error);

  friend constexpr bool operator==(ErrorCode a, ErrorCode b) { return a.m_code == b.m_code; }

 private:
  std::uint32_t m_code = 0;
};

// The engine codes; their texts are in ErrorCode.cpp.
inline constexpr ErrorCode kErrNone{0x00000000};
inline constexpr ErrorCode kErrUserDefined{0x30000001};
inline constexpr ErrorCode kErrUnknown{0x30000002};
inline constexpr ErrorCode kErrWriteBuffer{0x30010001};
inline constexpr ErrorCode kErrReadBuffer{0x30010002};
inline constexpr ErrorCode kErrInvalidOffset{0x30010003};
inline constexpr ErrorCode kErrAlreadyOpen{0x30010004};
inline constexpr ErrorCode kErrNotOpen{0x30010005};
inline constexpr ErrorCode kErrMemory{0x30010006};
inline constexpr ErrorCode kErrInvalidBoid{0x30010007};
inline constexpr ErrorCode kErrFileNotFound{0x30010010};
inline constexpr ErrorCode kErrFileExists{0x30010011};
inline constexpr ErrorCode kErrPathNotFound{0x30010012};
inline constexpr ErrorCode kErrCannotWrite{0x30010013};
inline constexpr ErrorCode kErrCannotRead{0x30010014};
inline constexpr ErrorCode kErrNotInArchive{0x30010015};
inline constexpr ErrorCode kErrArchiveReadOnly{0x30010016};
inline constexpr ErrorCode kErrDeleteFailed{0x30010017};
inline constexpr ErrorCode kErrPastEof{0x30010018};
inline constexpr ErrorCode kErrInvalidFormat{0x30010019};
inline constexpr ErrorCode kErrUnsupportedVersion{0x3001001A};
inline constexpr ErrorCode kErrNoSpace{0x3001001B};
inline constexpr ErrorCode kErrInvalidDevice{0x3001001C};
inline constexpr ErrorCode kErrDeviceReadOnly{0x3001001D};
inline constexpr ErrorCode kErrCannotMount{0x3001001E};
inline constexpr ErrorCode kErrOutOfMemory{0x30020001};
inline constexpr ErrorCode kErrUnregisteredMessage{0x30020002};
inline constexpr ErrorCode kErrNoSceneNodes{0x30030001};
inline constexpr ErrorCode kErrCannotCreateTexture{0x30030002};
inline constexpr ErrorCode kErrCannotLoadScene{0x30040001};
inline constexpr ErrorCode kErrNodeNotFound{0x30040002};
inline constexpr ErrorCode kErrInvalidNode{0x30040003};
inline constexpr ErrorCode kErrIllegalBlockIndex{0x30070001};
inline constexpr ErrorCode kErrNoteTrackSyntax{0x30070002};
inline constexpr ErrorCode kErrNoteTrackOrder{0x30070003};
