#include <gtest/gtest.h>

#include <string>

#include "engine/ErrorReporter.h"
#include "engine/FileHandle.h"
#include "engine/OpenMode.h"
#include "support/LogCapture.h"
#include "support/TempDirectory.h"

namespace {

// A handle named on construction.
struct Handle : FileHandle {
  Handle(const char* name, std::uint32_t size) : FileHandle(size) { SetFileName(name); }
};

std::string Pattern(std::size_t size) {
  std::string data(size, '\0');
  for (std::size_t i = 0; i < size; ++i) data[i] = static_cast<char>('a' + (i * 31) % 26);
  return data;
}

}  // namespace

// A transfer many buffers long takes no stack per buffer: a line of half a megabyte is
// written through a one-byte buffer in one call, as a save writes a key line, and read back in
// one call, as the configuration reader takes its blocks; nested hooks could not survive either.
TEST(FileHandleLongData, OneCallThroughATinyBuffer) {
  TempDirectory folder;
  const std::string data = Pattern(512 * 1024);
  Handle writer("long.bin", 1);
  ASSERT_EQ(writer.Open(kOpenWrite), kErrNone);
  writer.SetLineEnding(LineEnding::kCrLf);
  writer.WriteString(data);
  EXPECT_EQ(writer.Tell(), data.size() + 2);
  EXPECT_EQ(writer.Close(), kErrNone);
  ASSERT_EQ(TempDirectory::ReadFile("long.bin"), data + "\r\n");

  Handle reader("long.bin", 1);
  ASSERT_EQ(reader.Open(kOpenRead), kErrNone);
  std::string back(data.size() + 2, '\0');
  EXPECT_EQ(reader.Read(back.data(), static_cast<std::uint32_t>(back.size())), kErrNone);
  EXPECT_EQ(back, data + "\r\n");
  EXPECT_TRUE(reader.AtEnd());
}

// A handle without buffer space never makes room, so a write through it fails at once as a
// fixed-length stream's does instead of flushing nothing for ever.
TEST(FileHandleLongData, NoBufferSpaceFailsTheWrite) {
  TempDirectory folder;
  LogCapture capture;
  Handle writer("none.bin", 0);
  ASSERT_EQ(writer.Open(kOpenWrite), kErrNone);
  EXPECT_EQ(writer.Write("ab", 2), kErrWriteBuffer);
  EXPECT_TRUE(capture.Contains("*Error trying to write to boid - ran out of space\n"));
  EXPECT_TRUE(writer.IsFailed());
  writer.Close();
  EXPECT_EQ(TempDirectory::ReadFile("none.bin"), "");
}
