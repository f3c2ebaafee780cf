#include "engine/Log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/LogCapture.h"
#include "support/TempDirectory.h"

namespace {

constexpr auto WriteFile = TempDirectory::WriteFile;
constexpr auto ReadFile = TempDirectory::ReadFile;

// Each test starts the log file's once-per-process decision afresh.
class LogTest : public testing::Test {
 protected:
  void SetUp() override { Log::ResetFileState(); }
  void TearDown() override { Log::ResetFileState(); }
  TempDirectory m_directory;
};

}  // namespace

// A new log writes only on channel 0, so the file is untouched; with channel 4 on, the
// first message empties the file and later ones append, each cut to 511 characters.
TEST_F(LogTest, FileIsEmptiedByTheFirstMessageThenAppended) {
  WriteFile("_LOG/PClog.txt", "from an earlier run\n");
  Log log;
  for (unsigned channel = 0; channel <= 8; ++channel)
    EXPECT_EQ(log.IsEnabled(channel), channel == 0);
  log.Printf("not written\n");
  EXPECT_EQ(ReadFile("_LOG/PClog.txt"), "from an earlier run\n");
  log.EnableChannel(4);
  log.Printf("one %d\n", 1);
  log.Printf("two %s\n", "100%");
  LogCapture capture(LogCapture::Services::kLeaveAlone);
  log.Printf("%s", std::string(700, 'y').c_str());
  EXPECT_EQ(capture.Text(), std::string(511, 'y'));
  log.DisableChannel(4);
  log.Printf("three\n");
  EXPECT_EQ(ReadFile("_LOG/PClog.txt"), "one 1\ntwo 100%\n" + std::string(511, 'y'));
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

// The process-wide pointer follows the first log's life only.
TEST(LogInstance, PointerIsSetAndClearedByItsOwner) {
  Log* before = Log::s_instance;
  if (before != nullptr) GTEST_SKIP() << "a log already exists";
  {
    Log first;
    EXPECT_EQ(Log::s_instance, &first);
    delete new Log;
    EXPECT_EQ(Log::s_instance, &first);
    LogPrintf("via %s\n", "pointer");
    EXPECT_STREQ(first.GetBuffer(), "via pointer\n");
  }
  EXPECT_EQ(Log::s_instance, nullptr);
  LogPrintf("nobody listens\n");
}
