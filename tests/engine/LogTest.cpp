#include "engine/Log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "support/LogCapture.h"
#include "support/TempDirectory.h"

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  return content.str();
}

void WriteFile(const std::string& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// Each test starts the log file's once-per-process decision afresh.
class LogTest : public testing::Test {
 protected:
  void SetUp() override { Log::ResetFileState(); }
  void TearDown() override { Log::ResetFileState(); }
  TempDirectory m_directory;
};

}  // namespace

// A new log writes on no channel but 0, so the log file is never touched.
TEST_F(LogTest, FreshLogLeavesTheFileAlone) {
  std::filesystem::create_directory("_LOG");
  WriteFile("_LOG/PClog.txt", "kept");
  Log log;
  EXPECT_TRUE(log.IsEnabled(0));
  for (unsigned channel = 1; channel < 8; ++channel) EXPECT_FALSE(log.IsEnabled(channel));
  EXPECT_FALSE(log.IsEnabled(8));
  LogCapture capture(LogCapture::Services::kLeaveAlone);
  log.Printf("Registering Devices\n");
  EXPECT_EQ(ReadFile("_LOG/PClog.txt"), "kept");
  EXPECT_EQ(capture.Messages(), std::vector<std::string>{"Registering Devices\n"});
  EXPECT_STREQ(log.GetBuffer(), "Registering Devices\n");
}

// With channel 4 on, the first message empties the file, later ones append.
TEST_F(LogTest, FirstMessageEmptiesTheFileThenAppends) {
  std::filesystem::create_directory("_LOG");
  WriteFile("_LOG/PClog.txt", "from an earlier run\n");
  Log log;
  log.EnableChannel(4);
  log.Printf("one %d\n", 1);
  log.Printf("two %s\n", "100%");
  EXPECT_EQ(ReadFile("_LOG/PClog.txt"), "one 1\ntwo 100%\n");
  log.DisableChannel(4);
  log.Printf("three\n");
  EXPECT_EQ(ReadFile("_LOG/PClog.txt"), "one 1\ntwo 100%\n");
}

// Without the _LOG folder nothing is created, not even by later messages.
TEST_F(LogTest, MissingFolderKeepsTheLogSilentForTheRun) {
  Log log;
  log.EnableChannel(4);
  log.Printf("lost\n");
  std::filesystem::create_directory("_LOG");
  log.Printf("also lost\n");
  EXPECT_FALSE(std::filesystem::exists("_LOG/PClog.txt"));
  EXPECT_FALSE(std::filesystem::exists("_LOG\\PClog.txt"));
}

// Messages are cut to 511 characters; the cut text is what is written.
TEST_F(LogTest, LongMessagesAreCut) {
  std::filesystem::create_directory("_LOG");
  Log log;
  log.EnableChannel(4);
  LogCapture capture(LogCapture::Services::kLeaveAlone);
  const std::string long_text(700, 'y');
  log.Printf("%s", long_text.c_str());
  EXPECT_EQ(std::string(log.GetBuffer()), std::string(511, 'y'));
  EXPECT_EQ(capture.Text(), std::string(511, 'y'));
  EXPECT_EQ(ReadFile("_LOG/PClog.txt"), std::string(511, 'y'));
}

// The process-wide pointer follows the first log's life only.
TEST(LogInstance, PointerIsSetAndClearedByItsOwner) {
  Log* before = Log::s_instance;
  if (before != nullptr) GTEST_SKIP() << "a log already exists";
  {
    Log first;
    EXPECT_EQ(Log::s_instance, &first);
    {
      Log second;
      EXPECT_EQ(Log::s_instance, &first);
    }
    EXPECT_EQ(Log::s_instance, &first);
    LogPrintf("via %s\n", "pointer");
    EXPECT_STREQ(first.GetBuffer(), "via pointer\n");
  }
  EXPECT_EQ(Log::s_instance, nullptr);
  LogPrintf("nobody listens\n");
}
