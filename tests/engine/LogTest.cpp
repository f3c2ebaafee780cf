#include "engine/Log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "support/LogCapture.h"
#include "support/TempDirectory.h"

// Without the _LOG folder nothing is created for the whole run. A new log writes only on
// channel 0; with channel 4 on, the first message empties the file and later ones append,
// each cut to 511 characters and written as formatted.
TEST(Log, FileIsEmptiedByTheFirstMessageThenAppended) {
  TempDirectory directory;
  Log::ResetFileState();
  Log log;
  for (unsigned channel = 0; channel <= 8; ++channel)
    EXPECT_EQ(log.IsEnabled(channel), channel == 0);
  log.EnableChannel(4);
  log.Printf("lost\n");
  std::filesystem::create_directory("_LOG");
  log.Printf("also lost\n");
  EXPECT_FALSE(std::filesystem::exists("_LOG/PClog.txt"));

  Log::ResetFileState();
  TempDirectory::WriteFile("_LOG/PClog.txt", "from an earlier run\n");
  log.DisableChannel(4);
  log.Printf("not written\n");
  EXPECT_EQ(TempDirectory::ReadTextFile("_LOG/PClog.txt"), "from an earlier run\n");
  log.EnableChannel(4);
  log.Printf("one %d\n", 1);
  log.Printf("two %s\n", "100%");
  LogCapture capture(LogCapture::Services::kLeaveAlone);
  log.Printf("%s", std::string(700, 'y').c_str());
  EXPECT_EQ(capture.Text(), std::string(511, 'y'));
  log.DisableChannel(4);
  log.Printf("three\n");
  EXPECT_EQ(TempDirectory::ReadTextFile("_LOG/PClog.txt"),
            "one 1\ntwo 100%\n" + std::string(511, 'y'));
  Log::ResetFileState();
}
