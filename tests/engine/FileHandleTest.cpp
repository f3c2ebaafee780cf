#include "engine/FileHandle.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/ErrorReporter.h"
#include "engine/OpenMode.h"
#include "platform/Installed.h"
#include "support/LogCapture.h"
#include "support/RecordingFileSystem.h"
#include "support/TempDirectory.h"

using Sizes = std::vector<std::size_t>;

namespace {

constexpr auto WriteFile = TempDirectory::WriteFile;
constexpr auto ReadFile = TempDirectory::ReadFile;

// A handle named on construction.
struct Handle : FileHandle {
  explicit Handle(const char* name, std::uint32_t size = 4096) : FileHandle(size) {
    SetFileName(name);
  }
};

// Every test runs in a fresh folder; paths keep the engine's backslashes.
class FileHandleTest : public testing::Test {
 protected:
  TempDirectory m_directory;
  LogCapture m_capture;
  RecordingFileSystem m_files;
  platform::Installed<platform::FileSystem> m_installed_files{m_files, &platform::SetFileSystem};
};

}  // namespace

// Opening, closing and flushing log exactly; misuse is refused with its code.
TEST_F(FileHandleTest, OpenCloseLifecycle) {
  WriteFile("dir/a%s.txt", "hello");
  Handle handle(".\\dir\\a%s.txt", 16);
  EXPECT_EQ(handle.Open(kOpenRead), kErrNone);
  EXPECT_EQ(handle.Open(kOpenRead), kErrAlreadyOpen);
  EXPECT_EQ(handle.Close(), kErrNone);
  EXPECT_EQ(m_capture.Text(),
            "Opening File .\\dir\\a%s.txt for read\n"
            "Opening File .\\dir\\a%s.txt for read\n"
            "### SOFT ERR: File already open\n"
            "Closing file .\\dir\\a%s.txt\n");
  EXPECT_TRUE(m_capture.Boxes().empty());
  m_capture.Clear();
  EXPECT_EQ(handle.Close(), kErrNotOpen);
  EXPECT_EQ(m_capture.Text(), "Closing file .\\dir\\a%s.txt\n\nFile not open\n\n");
  EXPECT_EQ(m_capture.Boxes().size(), 1u);

  // A closed handle opens again, and writing modes flush on close.
  m_capture.Clear();
  EXPECT_EQ(handle.Open(kOpenReadWrite), kErrNone);
  EXPECT_EQ(handle.Close(), kErrNone);
  EXPECT_EQ(m_capture.Text(),
            "Opening File .\\dir\\a%s.txt for READ/WRITE\n"
            "Closing file .\\dir\\a%s.txt\n"
            "Flushing .\\dir\\a%s.txt\n");
  EXPECT_EQ(ReadFile("dir/a%s.txt"), "hello");
}

// Files that cannot be opened give the soft error of their mode and stay closed.
TEST_F(FileHandleTest, OpenFailures) {
  Handle handle(".\\missing\\x.ini", 16);
  EXPECT_EQ(handle.Open(kOpenRead), kErrFileNotFound);
  EXPECT_PRED_FORMAT2(testing::IsSubstring, "### SOFT ERR: File .\\missing\\x.ini not found\n",
                      m_capture.Text());
  EXPECT_EQ(handle.Open(kOpenWrite), kErrCannotWrite);
  EXPECT_PRED_FORMAT2(testing::IsSubstring, "*Unable to open file for write: .\\missing\\x.ini\n",
                      m_capture.Text());
  EXPECT_EQ(handle.Open(static_cast<OpenMode>(7)), kErrUnknown);
  EXPECT_PRED_FORMAT2(testing::IsSubstring, "Opening File .\\missing\\x.ini for *???*\n",
                      m_capture.Text());
  EXPECT_FALSE(handle.IsOpen());
  EXPECT_TRUE(m_capture.Boxes().empty());
}

// Data moves in whole buffers both ways: 10000 bytes take three writes and
// three reads; reading past the end is a hard error naming the file. (That
// the bytes arrive, through any buffer and after a seek, is the file_handle
// fuzz target's.)
TEST_F(FileHandleTest, DataMovesInBlocks) {
  const std::string data(10000, 'd');
  Handle writer("out.bin");
  ASSERT_EQ(writer.Open(kOpenWrite), kErrNone);
  m_files.Clear();
  for (std::size_t at = 0; at < data.size(); at += 100) {
    ASSERT_EQ(writer.Write(data.data() + at, 100), kErrNone);
  }
  EXPECT_EQ(writer.Close(), kErrNone);
  EXPECT_EQ(m_files.write_sizes, (Sizes{4096, 4096, 1808}));
  EXPECT_LE(m_files.FileCalls(), 12);

  Handle reader("out.bin");
  m_files.Clear();
  ASSERT_EQ(reader.Open(kOpenRead), kErrNone);
  std::string got(10000, '\0');
  EXPECT_EQ(reader.Read(got.data(), 10000), kErrNone);
  EXPECT_EQ(m_files.read_sizes, (Sizes{4096, 4096, 4096}));
  EXPECT_TRUE(m_capture.Boxes().empty());
  reader.Seek(9999, 0);
  EXPECT_EQ(reader.Read(got.data(), 2), kErrReadBuffer);
  EXPECT_EQ(ErrorReporter::s_instance->GetHardErrorCode(), kErrCannotRead);
  ASSERT_EQ(m_capture.Boxes().size(), 1u);
  EXPECT_EQ(m_capture.Boxes()[0].text, "Unable to read from file out.bin");
}

// Rewrites reach the file: gaps left by seeking are zeros even where the
// buffer held other bytes, flushed bytes can be rewritten, a read-write file
// is changed in place; a handle without buffer space fails its writes, and a
// short write to disk is a hard error.
TEST_F(FileHandleTest, RewritesReachTheFile) {
  Handle writer("w.bin", 8);
  ASSERT_EQ(writer.Open(kOpenWrite), kErrNone);
  writer.Write("0123456789", 10);
  writer.Seek(13, 0);
  writer.Write("Z", 1);
  writer.Flush();
  writer.Seek(2, 0);
  writer.Write("XY", 2);
  writer.Seek(20, 0);
  writer.Write("Z", 1);
  writer.Close();
  EXPECT_EQ(ReadFile("w.bin"),
            "01XY456789" + std::string(3, '\0') + "Z" + std::string(6, '\0') + "Z");

  WriteFile("rw.bin", "0123456789ABCDEFGHIJ");
  Handle both("rw.bin", 8);
  ASSERT_EQ(both.Open(kOpenReadWrite), kErrNone);
  char four[4];
  both.Read(four, 4);
  both.Write("ab", 2);
  both.Read(four, 4);
  EXPECT_EQ(std::string(four, 4), "6789");
  both.Write("cd", 2);
  both.Close();
  EXPECT_EQ(ReadFile("rw.bin"), "0123ab6789cdCDEFGHIJ");
  EXPECT_TRUE(m_capture.Boxes().empty());

  // Without buffer space nothing is ever made room for: the write fails at
  // once, as a full fixed-length stream's does.
  Handle none("none.bin", 0);
  ASSERT_EQ(none.Open(kOpenWrite), kErrNone);
  EXPECT_EQ(none.Write("ab", 2), kErrWriteBuffer);
  EXPECT_TRUE(m_capture.Contains("*Error trying to write to boid - ran out of space\n"));
  EXPECT_TRUE(none.IsFailed());
  none.Close();
  EXPECT_EQ(ReadFile("none.bin"), "");

  ASSERT_EQ(writer.Open(kOpenWrite), kErrNone);
  writer.Write("0123456789", 10);
  m_files.write_limit = 1;
  EXPECT_EQ(writer.Flush(), kErrUnknown);
  ASSERT_EQ(m_capture.Boxes().size(), 1u);
  EXPECT_EQ(m_capture.Boxes()[0].text, "Unknown Error");
}
