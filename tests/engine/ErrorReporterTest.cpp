#include "engine/ErrorReporter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/MessageBox.h"
#include "support/LogCapture.h"

using Messages = std::vector<std::string>;

// A hard error logs and shows its text once, then latches every later report
// until reset; a location is logged on its own line.
TEST(ErrorReporter, HardErrorShowsBoxAndLatches) {
  LogCapture capture;
  ErrorReporter& reporter = *ErrorReporter::s_instance;
  EXPECT_EQ(reporter.HardError("", 0, 0x30010010, "a.txt"), ErrorCode(0x30010010));
  EXPECT_EQ(capture.Messages(), (Messages{"\nFile a.txt not found\n", "\n"}));
  ASSERT_EQ(capture.Boxes().size(), 1u);
  EXPECT_EQ(capture.Boxes()[0].text, "File a.txt not found");
  EXPECT_EQ(capture.Boxes()[0].caption, "Error");
  EXPECT_EQ(capture.Boxes()[0].flags, platform::kMbIconStop | platform::kMbOk);

  capture.Clear();
  EXPECT_EQ(reporter.HardError("x.cpp", 3, 0x30010005), ErrorCode(0x30010005));
  EXPECT_EQ(reporter.SoftError("", 0, 0x30010013, "b.dat"), ErrorCode(0x30010013));
  reporter.HardErrorNoLock("", 0, 0x30010006);
  EXPECT_TRUE(capture.Messages().empty());
  EXPECT_TRUE(capture.Boxes().empty());
  EXPECT_EQ(reporter.GetHardErrorCode(), ErrorCode(0x30010010));

  reporter.Reset();
  reporter.HardErrorNoLock("f.cpp", 7, 0x30010005);
  EXPECT_EQ(capture.Messages(),
            (Messages{"\nFile not open\n", "Error Location : f.cpp, line: 7\n", "\n"}));
  EXPECT_EQ(capture.Boxes().size(), 1u);
}

// Soft errors log the prefixed text literally, show nothing and never latch;
// messages are cut to fit their 512-byte buffer.
TEST(ErrorReporter, SoftErrorsLogOnly) {
  LogCapture capture;
  ErrorReporter& reporter = *ErrorReporter::s_instance;
  reporter.SoftErrorText("QVConfig.INI", 4, "%s", "missing '=' in 100%d");
  EXPECT_EQ(capture.Messages(), (Messages{"### SOFT ERR: missing '=' in 100%d",
                                          "\n### Error Location : QVConfig.INI, line: 4", "\n"}));
  EXPECT_EQ(reporter.GetSoftErrorCode(), ErrorCode(0x30000001));
  reporter.SoftError("", 0, 0x30010010, std::string(900, 'n').c_str());
  EXPECT_EQ(capture.Messages()[3], "### SOFT ERR: File " + std::string(492, 'n'));
  EXPECT_TRUE(capture.Boxes().empty());
  reporter.HardError("", 0, 0x30010010, std::string(900, 'n').c_str());
  ASSERT_EQ(capture.Boxes().size(), 1u);
  EXPECT_EQ(capture.Boxes()[0].text, "File " + std::string(506, 'n'));
}
