#include "engine/ErrorReporter.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/MessageBox.h"
#include "support/LogCapture.h"

// A hard error logs and shows its text once, then latches every later report
// until reset; a location is logged on its own line.
TEST(ErrorReporter, HardErrorShowsBoxAndLatches) {
  LogCapture capture;
  ErrorReporter& reporter = *ErrorReporter::s_instance;
  EXPECT_EQ(reporter.HardError("", 0, kErrFileNotFound, "a.txt"), kErrFileNotFound);
  EXPECT_EQ(capture.Text(), "\nFile a.txt not found\n\n");
  ASSERT_EQ(capture.Boxes().size(), 1u);
  EXPECT_EQ(capture.Boxes()[0].text, "File a.txt not found");
  EXPECT_EQ(capture.Boxes()[0].caption, "Error");
  EXPECT_EQ(capture.Boxes()[0].flags, platform::kMbIconStop | platform::kMbOk);

  capture.Clear();
  EXPECT_EQ(reporter.HardError("x.cpp", 3, kErrNotOpen), kErrNotOpen);
  EXPECT_EQ(reporter.SoftError("", 0, kErrCannotWrite, "b.dat"), kErrCannotWrite);
  reporter.HardErrorNoLock("", 0, kErrMemory);
  EXPECT_TRUE(capture.Messages().empty());
  EXPECT_TRUE(capture.Boxes().empty());
  EXPECT_EQ(reporter.GetHardErrorCode(), kErrFileNotFound);

  reporter.Reset();
  reporter.HardErrorNoLock("f.cpp", 7, kErrNotOpen);
  EXPECT_EQ(capture.Text(), "\nFile not open\nError Location : f.cpp, line: 7\n\n");
  EXPECT_EQ(capture.Boxes().size(), 1u);
}

// Soft errors log the prefixed text literally, show nothing and never latch;
// messages are cut to fit their 512-byte buffer.
TEST(ErrorReporter, SoftErrorsLogOnly) {
  LogCapture capture;
  ErrorReporter& reporter = *ErrorReporter::s_instance;
  reporter.SoftErrorText("QVConfig.INI", 4, "%s", "missing '=' in 100%d");
  const std::string located =
      "### SOFT ERR: missing '=' in 100%d\n### Error Location : QVConfig.INI, line: 4\n";
  EXPECT_EQ(capture.Text(), located);
  EXPECT_EQ(reporter.GetSoftErrorCode(), kErrUserDefined);
  reporter.SoftError("", 0, kErrFileNotFound, std::string(900, 'n').c_str());
  EXPECT_EQ(capture.Text(), located + "### SOFT ERR: File " + std::string(492, 'n') + "\n");
  EXPECT_TRUE(capture.Boxes().empty());
  reporter.HardError("", 0, kErrFileNotFound, std::string(900, 'n').c_str());
  ASSERT_EQ(capture.Boxes().size(), 1u);
  EXPECT_EQ(capture.Boxes()[0].text, "File " + std::string(506, 'n'));
}
