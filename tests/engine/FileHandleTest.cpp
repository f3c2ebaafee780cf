#include "engine/FileHandle.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "engine/ErrorReporter.h"
#include "engine/OpenMode.h"
#include "support/CountingFileSystem.h"
#include "support/LogCapture.h"
#include "support/TempDirectory.h"

namespace fs = std::filesystem;
using Strings = std::vector<std::string>;
using Sizes = std::vector<std::size_t>;

namespace {

std::string Pattern(std::size_t size) {
  std::string data(size, '\0');
  for (std::size_t i = 0; i < size; ++i) data[i] = static_cast<char>('a' + (i * 7) % 26);
  return data;
}

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
  CountingFileSystem m_files;
};

}  // namespace

// Opening, closing and flushing log exactly; misuse is refused with its code.
TEST_F(FileHandleTest, OpenCloseLifecycle) {
  WriteFile("dir/a%s.txt", "hello");
  Handle handle(".\\dir\\a%s.txt", 16);
  char byte = 0;
  EXPECT_EQ(handle.Read(&byte, 1), ErrorCode(0x30010007));
  m_capture.Clear();
  ErrorReporter::s_instance->Reset();

  EXPECT_EQ(handle.Open(kOpenRead), ErrorCode(0));
  EXPECT_EQ(handle.Open(kOpenRead), ErrorCode(0x30010004));
  EXPECT_EQ(handle.SetMode(kOpenWrite), ErrorCode(0x30010004));
  EXPECT_EQ(handle.Close(), ErrorCode(0));
  EXPECT_EQ(
      m_capture.Messages(),
      (Strings{"Opening File .\\dir\\a%s.txt for read\n", "Opening File .\\dir\\a%s.txt for read\n",
               "### SOFT ERR: File already open", "\n", "### SOFT ERR: File already open", "\n",
               "Closing file .\\dir\\a%s.txt\n"}));
  EXPECT_TRUE(m_capture.Boxes().empty());

  m_capture.Clear();
  EXPECT_EQ(handle.Close(), ErrorCode(0x30010005));
  EXPECT_EQ(m_capture.Messages(),
            (Strings{"Closing file .\\dir\\a%s.txt\n", "\nFile not open\n", "\n"}));
  EXPECT_EQ(m_capture.Boxes().size(), 1u);

  // A closed handle opens again, and writing modes flush on close.
  ErrorReporter::s_instance->Reset();
  m_capture.Clear();
  EXPECT_EQ(handle.Open(kOpenReadWrite), ErrorCode(0));
  EXPECT_EQ(handle.Close(), ErrorCode(0));
  EXPECT_EQ(m_capture.Messages(),
            (Strings{"Opening File .\\dir\\a%s.txt for READ/WRITE\n",
                     "Closing file .\\dir\\a%s.txt\n", "Flushing .\\dir\\a%s.txt\n"}));
  EXPECT_EQ(ReadFile("dir/a%s.txt"), "hello");
}

// Files that cannot be opened give the soft error of their mode and stay closed.
TEST_F(FileHandleTest, OpenFailures) {
  Handle handle(".\\missing\\x.ini", 16);
  EXPECT_EQ(handle.Open(kOpenRead), ErrorCode(0x30010010));
  EXPECT_EQ(handle.Open(kOpenReadWrite), ErrorCode(0x30010010));
  EXPECT_EQ(handle.Open(kOpenWrite), ErrorCode(0x30010013));
  EXPECT_EQ(handle.Open(7), ErrorCode(0x30000002));
  EXPECT_EQ(
      m_capture.Messages(),
      (Strings{"Opening File .\\missing\\x.ini for read\n", "*File not Found .\\missing\\x.ini\n",
               "### SOFT ERR: File .\\missing\\x.ini not found", "\n",
               "Opening File .\\missing\\x.ini for READ/WRITE\n",
               "*File not Found .\\missing\\x.ini\n",
               "### SOFT ERR: File .\\missing\\x.ini not found", "\n",
               "Opening File .\\missing\\x.ini for WRITE\n",
               "*Unable to open file for write: .\\missing\\x.ini\n",
               "### SOFT ERR: Unable to write to file .\\missing\\x.ini", "\n",
               "Opening File .\\missing\\x.ini for *???*\n", "### SOFT ERR: Unknown Error", "\n"}));
  EXPECT_FALSE(handle.IsOpen());
  EXPECT_TRUE(m_capture.Boxes().empty());
  EXPECT_FALSE(fs::exists("missing"));
}

// Data moves in whole buffers both ways: 10000 bytes take three writes and
// three reads; reading past the end is a hard error naming the file.
TEST_F(FileHandleTest, DataMovesInBlocks) {
  const std::string data = Pattern(10000);
  Handle writer("out.bin");
  ASSERT_EQ(writer.Open(kOpenWrite), ErrorCode(0));
  m_files.ResetCounts();
  for (std::size_t at = 0; at < data.size(); at += 100) {
    ASSERT_EQ(writer.Write(data.data() + at, 100), ErrorCode(0));
  }
  EXPECT_EQ(m_files.write_sizes, (Sizes{4096, 4096}));
  EXPECT_EQ(writer.Close(), ErrorCode(0));
  EXPECT_EQ(m_files.write_sizes, (Sizes{4096, 4096, 1808}));
  EXPECT_LE(m_files.FileCalls(), 12);
  EXPECT_EQ(ReadFile("out.bin"), data);

  Handle reader("out.bin");
  m_files.ResetCounts();
  ASSERT_EQ(reader.Open(kOpenRead), ErrorCode(0));
  std::string got(10000, '\0');
  EXPECT_EQ(reader.Read(got.data(), 10000), ErrorCode(0));
  EXPECT_EQ(got, data);
  EXPECT_EQ(m_files.read_sizes, (Sizes{4096, 4096, 4096}));
  EXPECT_TRUE(m_capture.Boxes().empty());
  char byte = 0;
  EXPECT_EQ(reader.Read(&byte, 1), ErrorCode(0x30010002));
  EXPECT_EQ(ErrorReporter::s_instance->GetHardErrorCode(), ErrorCode(0x30010014));
  ASSERT_EQ(m_capture.Boxes().size(), 1u);
  EXPECT_EQ(m_capture.Boxes()[0].text, "Unable to read from file out.bin");
}

// Line reads cost no file access per byte: only block reads and end checks.
TEST_F(FileHandleTest, LineReadsAreBuffered) {
  std::string text;
  for (int i = 0; i < 400; ++i) text += "KEY" + std::to_string(i) + "=VALUE\r\n";
  WriteFile("lines.ini", text);
  Handle handle("lines.ini");
  handle.SetLineEnding(LineEnding::kCrLf);
  ASSERT_EQ(handle.Open(kOpenRead), ErrorCode(0));
  m_files.ResetCounts();
  std::vector<String> lines;
  for (String line; !handle.AtEnd(); lines.push_back(line)) handle.ReadString(line);
  EXPECT_EQ(lines.size(), 400u);
  EXPECT_EQ(m_files.reads, static_cast<int>((text.size() + 4095) / 4096) - 1);
  EXPECT_LT(m_files.FileCalls(), 40);
}

// Seeks inside the window stay in memory, others reload the right block; a
// limit makes nothing past it readable.
TEST_F(FileHandleTest, SeekAndLimit) {
  const std::string data = Pattern(300);
  WriteFile("seek.bin", data);
  Handle handle("seek.bin", 64);
  ASSERT_EQ(handle.Open(kOpenRead), ErrorCode(0));
  m_files.ResetCounts();
  char chunk[4] = {};
  const std::pair<std::uint32_t, std::uint32_t> seeks[] = {{10, 5}, {200, 3}, {0, 0}};
  for (auto [base, offset] : seeks) {
    EXPECT_EQ(handle.Seek(base, offset), ErrorCode(0));
    EXPECT_TRUE(base != 10 || m_files.FileCalls() == 0);  // the first seek stays in memory
    handle.Read(chunk, 4);
    EXPECT_EQ(std::string(chunk, 4), data.substr(base + offset, 4));
  }
  handle.Close();
  ASSERT_EQ(handle.Open(kOpenRead, 0, 10), ErrorCode(0));
  EXPECT_EQ(handle.Length(), 10u);
  char bytes[20] = {};
  EXPECT_NE(handle.Read(bytes, 20), ErrorCode(0));
  EXPECT_EQ(std::string(bytes, 10), data.substr(0, 10));
}

// Rewrites reach the file: gaps left by seeking are zeros even where the buffer
// held other bytes, flushed bytes can be rewritten, a read-write file is
// changed in place, and a short write to disk is a hard error.
TEST_F(FileHandleTest, RewritesReachTheFile) {
  Handle writer("w.bin", 8);
  ASSERT_EQ(writer.Open(kOpenWrite), ErrorCode(0));
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
  ASSERT_EQ(both.Open(kOpenReadWrite), ErrorCode(0));
  char four[4];
  both.Read(four, 4);
  both.Write("ab", 2);
  both.Read(four, 4);
  EXPECT_EQ(std::string(four, 4), "6789");
  both.Write("cd", 2);
  both.Close();
  EXPECT_EQ(ReadFile("rw.bin"), "0123ab6789cdCDEFGHIJ");
  EXPECT_TRUE(m_capture.Boxes().empty());

  // A disk that takes fewer bytes than asked is a hard error on flush.
  ASSERT_EQ(writer.Open(kOpenWrite), ErrorCode(0));
  writer.Write("0123456789", 10);
  m_files.write_limit = 1;
  EXPECT_EQ(writer.Flush(), ErrorCode(0x30000002));
  ASSERT_EQ(m_capture.Boxes().size(), 1u);
  EXPECT_EQ(m_capture.Boxes()[0].text, "Unknown Error");
}
