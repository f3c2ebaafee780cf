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
  reporter.SoftErrorText("", 0, "%s", "text");
  reporter.HardErrorNoLock("", 0, 0x30010006);
  EXPECT_TRUE(capture.Messages().empty());
  EXPECT_TRUE(capture.Boxes().empty());
  EXPECT_EQ(reporter.GetHardErrorCode(), ErrorCode(0x30010010));
  EXPECT_FALSE(reporter.HasSoftError());

  reporter.Reset();
  reporter.HardErrorNoLock("f.cpp", 7, 0x30010005);
  EXPECT_EQ(capture.Messages(),
            (Messages{"\nFile not open\n", "Error Location : f.cpp, line: 7\n", "\n"}));
  EXPECT_EQ(capture.Boxes().size(), 1u);
}

// Soft errors log the prefixed text literally, show nothing and never latch;
// every message stays within 511 characters.
TEST(ErrorReporter, SoftErrorsLogOnly) {
  LogCapture capture;
  ErrorReporter& reporter = *ErrorReporter::s_instance;
  reporter.SoftError("f", 12, 0x30010010, "50%off.ini");
  EXPECT_EQ(capture.Messages(), (Messages{"### SOFT ERR: File 50%off.ini not found",
                                          "\n### Error Location : f, line: 12", "\n"}));
  EXPECT_EQ(reporter.GetSoftErrorCode(), ErrorCode(0x30010010));
  capture.Clear();
  reporter.SoftErrorText("QVConfig.INI", 4, "%s", "missing '=' in 100%d");
  EXPECT_EQ(capture.Messages(), (Messages{"### SOFT ERR: missing '=' in 100%d",
                                          "\n### Error Location : QVConfig.INI, line: 4", "\n"}));
  EXPECT_EQ(reporter.GetSoftErrorCode(), ErrorCode(0x30000001));
  EXPECT_TRUE(capture.Boxes().empty());

  const std::string long_name(900, 'n');
  reporter.SoftError("", 0, 0x30010010, long_name.c_str());
  const std::string soft = reporter.GetMessage();
  EXPECT_EQ(soft, "### SOFT ERR: File " + std::string(492, 'n'));
  EXPECT_EQ(capture.Messages()[3], soft);
  reporter.HardError("", 0, 0x30010010, long_name.c_str());
  ASSERT_EQ(capture.Boxes().size(), 1u);
  EXPECT_EQ(capture.Boxes()[0].text, "File " + std::string(506, 'n'));
}

// Engine code reports through the process-wide reporter, or not at all.
TEST(ErrorReporter, ReportHelpersUseTheInstance) {
  {
    LogCapture capture;
    EXPECT_EQ(ReportSoftError(0x3001001D, "HD Assets"), ErrorCode(0x3001001D));
    EXPECT_EQ(ReportHardError(0x30010014, "x.ini"), ErrorCode(0x30010014));
    EXPECT_TRUE(capture.Contains("### SOFT ERR: Device HD Assets is read only"));
    EXPECT_TRUE(capture.Contains("\nUnable to read from file x.ini\n"));
  }
  if (ErrorReporter::s_instance != nullptr) GTEST_SKIP() << "a reporter already exists";
  LogCapture capture(LogCapture::Services::kLeaveAlone);
  EXPECT_EQ(ReportHardError(0x30010005), ErrorCode(0x30010005));
  EXPECT_TRUE(capture.Boxes().empty());
}
