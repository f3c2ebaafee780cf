#include "engine/FileHandle.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
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

void WriteFile(const std::string& path, const std::string& content) {
  const fs::path parent = fs::path(path).parent_path();
  if (!parent.empty()) fs::create_directories(parent);
  std::ofstream(path, std::ios::binary) << content;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

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
  FileHandle handle(16);
  handle.SetFileName(".\\dir\\a%s.txt");
  char byte = 0;
  EXPECT_EQ(handle.Read(&byte, 1), ErrorCode(0x30010007));
  m_capture.Clear();
  m_capture.SetAnswer(platform::kIdOk);
  ErrorReporter::s_instance->Reset();

  EXPECT_EQ(handle.Open(kOpenRead), ErrorCode(0));
  EXPECT_TRUE(handle.IsOpen());
  EXPECT_FALSE(handle.IsOpenForWriting());
  EXPECT_EQ(handle.Open(kOpenRead), ErrorCode(0x30010004));
  EXPECT_EQ(handle.SetMode(kOpenWrite), ErrorCode(0x30010004));
  EXPECT_EQ(handle.GetMode(), kOpenRead);
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
  ASSERT_EQ(m_capture.Boxes().size(), 1u);
  EXPECT_EQ(m_capture.Boxes()[0].text, "File not open");

  // A closed handle opens again, and writing modes flush on close.
  ErrorReporter::s_instance->Reset();
  m_capture.Clear();
  EXPECT_EQ(handle.Open(kOpenReadWrite), ErrorCode(0));
  EXPECT_TRUE(handle.IsOpenForWriting());
  EXPECT_EQ(handle.Close(), ErrorCode(0));
  EXPECT_EQ(m_capture.Messages(),
            (Strings{"Opening File .\\dir\\a%s.txt for READ/WRITE\n",
                     "Closing file .\\dir\\a%s.txt\n", "Flushing .\\dir\\a%s.txt\n"}));
  EXPECT_EQ(ReadFile("dir/a%s.txt"), "hello");
}

// Files that cannot be opened give the soft error of their mode and stay closed.
TEST_F(FileHandleTest, OpenFailures) {
  FileHandle handle(16);
  handle.SetFileName(".\\missing\\x.ini");
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
  EXPECT_TRUE(handle.IsFailed());
  EXPECT_TRUE(m_capture.Boxes().empty());
  EXPECT_FALSE(fs::exists("missing"));
}

// Writing moves whole buffers to the file: 10000 bytes take three writes.
TEST_F(FileHandleTest, WritesGoOutInBlocks) {
  const std::string data = Pattern(10000);
  FileHandle handle(4096);
  handle.SetFileName("out.bin");
  ASSERT_EQ(handle.Open(kOpenWrite), ErrorCode(0));
  m_files.ResetCounts();
  for (std::size_t at = 0; at < data.size(); at += 100) {
    ASSERT_EQ(handle.Write(data.data() + at, 100), ErrorCode(0));
  }
  EXPECT_EQ(handle.Tell(), 10000u);
  EXPECT_EQ(m_files.write_sizes, (Sizes{4096, 4096}));
  EXPECT_EQ(handle.Close(), ErrorCode(0));
  EXPECT_EQ(m_files.write_sizes, (Sizes{4096, 4096, 1808}));
  EXPECT_LE(m_files.FileCalls(), 12);
  EXPECT_EQ(ReadFile("out.bin"), data);
  EXPECT_TRUE(m_capture.Boxes().empty());
}

// Reading refills the buffer a block at a time, and ends at the file's end.
TEST_F(FileHandleTest, ReadsComeInBlocks) {
  const std::string data = Pattern(5000);
  WriteFile("in.bin", data);
  FileHandle handle(4096);
  handle.SetFileName("in.bin");
  m_files.ResetCounts();
  ASSERT_EQ(handle.Open(kOpenRead), ErrorCode(0));
  std::string got(5000, '\0');
  EXPECT_EQ(handle.Read(got.data(), 5000), ErrorCode(0));
  EXPECT_EQ(got, data);
  EXPECT_EQ(handle.Tell(), 5000u);
  EXPECT_TRUE(handle.AtEnd());
  EXPECT_EQ(handle.Size(), 5000u);
  EXPECT_EQ(m_files.read_sizes, (Sizes{4096, 4096}));

  // One byte more finds nothing: a hard error naming the file, and the read
  // itself reports a broken read buffer.
  char byte = 0;
  EXPECT_EQ(handle.Read(&byte, 1), ErrorCode(0x30010002));
  EXPECT_EQ(ErrorReporter::s_instance->GetHardErrorCode(), ErrorCode(0x30010014));
  ASSERT_EQ(m_capture.Boxes().size(), 1u);
  EXPECT_EQ(m_capture.Boxes()[0].text, "Unable to read from file in.bin");
  EXPECT_TRUE(handle.IsFailed());
}

// Line reads cost no file access per byte: only block reads and end checks.
TEST_F(FileHandleTest, LineReadsAreBuffered) {
  std::string text;
  for (int i = 0; i < 400; ++i) text += "KEY" + std::to_string(i) + "=VALUE\r\n";
  WriteFile("lines.ini", text);
  FileHandle handle(4096);
  handle.SetFileName("lines.ini");
  handle.SetLineEnding(LineEnding::kCrLf);
  ASSERT_EQ(handle.Open(kOpenRead), ErrorCode(0));
  m_files.ResetCounts();
  std::vector<String> lines;
  String line;
  while (!handle.AtEnd()) {
    handle.ReadString(line);
    lines.push_back(line);
  }
  ASSERT_EQ(lines.size(), 400u);
  EXPECT_EQ(lines.front(), "KEY0=VALUE\r");
  EXPECT_EQ(lines.back(), "KEY399=VALUE\r");
  const std::size_t blocks = (text.size() + 4095) / 4096;
  EXPECT_EQ(m_files.reads, static_cast<int>(blocks) - 1);
  EXPECT_LT(m_files.FileCalls(), 40);
  handle.Close();
}

// Seeks inside the window stay in memory; others reload the right block.
TEST_F(FileHandleTest, SeekMovesTheWindow) {
  const std::string data = Pattern(300);
  WriteFile("seek.bin", data);
  FileHandle handle(64);
  handle.SetFileName("seek.bin");
  ASSERT_EQ(handle.Open(kOpenRead), ErrorCode(0));
  m_files.ResetCounts();
  EXPECT_EQ(handle.Seek(10, 5), ErrorCode(0));
  EXPECT_EQ(m_files.FileCalls(), 0);
  char chunk[4] = {};
  handle.Read(chunk, 4);
  EXPECT_EQ(std::string(chunk, 4), data.substr(15, 4));

  EXPECT_EQ(handle.Seek(200, 3), ErrorCode(0));
  EXPECT_EQ(handle.Tell(), 203u);
  handle.Read(chunk, 4);
  EXPECT_EQ(std::string(chunk, 4), data.substr(203, 4));
  EXPECT_EQ(handle.Seek(0, 0), ErrorCode(0));
  handle.Read(chunk, 4);
  EXPECT_EQ(std::string(chunk, 4), data.substr(0, 4));
  EXPECT_EQ(handle.Size(), 300u);
  EXPECT_FALSE(handle.AtEnd());
  handle.Close();
  EXPECT_TRUE(m_capture.Boxes().empty());
}

// A limit makes nothing past it readable.
TEST_F(FileHandleTest, LimitCutsTheData) {
  WriteFile("limit.bin", Pattern(100));
  FileHandle handle(64);
  handle.SetFileName("limit.bin");
  ASSERT_EQ(handle.Open(kOpenRead, 0, 10), ErrorCode(0));
  EXPECT_EQ(handle.Length(), 10u);
  handle.Seek(0, 9);
  EXPECT_FALSE(handle.AtEnd());
  handle.Seek(0, 10);
  EXPECT_TRUE(handle.AtEnd());
  handle.Seek(0, 0);
  char bytes[20] = {};
  EXPECT_NE(handle.Read(bytes, 20), ErrorCode(0));
  EXPECT_EQ(std::string(bytes, 10), Pattern(10));
  handle.Close();
}

// Writing back over flushed bytes, and rewriting a read-write file in place.
TEST_F(FileHandleTest, RewritesReachTheFile) {
  FileHandle writer(8);
  writer.SetFileName("w.bin");
  ASSERT_EQ(writer.Open(kOpenWrite), ErrorCode(0));
  writer.Write("abcdef", 6);
  writer.Flush();
  writer.Seek(2, 0);
  writer.Write("XY", 2);
  writer.Seek(20, 0);
  writer.Write("Z", 1);
  writer.Close();
  const std::string written = ReadFile("w.bin");
  ASSERT_EQ(written.size(), 21u);
  EXPECT_EQ(written.substr(0, 6), "abXYef");
  EXPECT_EQ(written.substr(6, 14), std::string(14, '\0'));
  EXPECT_EQ(written[20], 'Z');

  // A gap inside the buffer's window is zeros too, even after the buffer held
  // other bytes.
  FileHandle gap(8);
  gap.SetFileName("gap.bin");
  ASSERT_EQ(gap.Open(kOpenWrite), ErrorCode(0));
  gap.Write("0123456789", 10);
  gap.Seek(13, 0);
  gap.Write("Z", 1);
  gap.Close();
  EXPECT_EQ(ReadFile("gap.bin"), std::string("0123456789") + std::string(3, '\0') + "Z");

  WriteFile("rw.bin", "0123456789ABCDEFGHIJ");
  FileHandle both(8);
  both.SetFileName("rw.bin");
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
}

// A disk that takes fewer bytes than asked is a hard error on flush.
TEST_F(FileHandleTest, ShortWriteIsAHardError) {
  FileHandle handle(16);
  handle.SetFileName("full.bin");
  ASSERT_EQ(handle.Open(kOpenWrite), ErrorCode(0));
  handle.Write("0123456789", 10);
  m_files.write_limit = 4;
  EXPECT_EQ(handle.Flush(), ErrorCode(0x30000002));
  ASSERT_EQ(m_capture.Boxes().size(), 1u);
  EXPECT_EQ(m_capture.Boxes()[0].text, "Unknown Error");
  handle.Close();
}
