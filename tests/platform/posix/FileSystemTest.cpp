#include "platform/FileSystem.h"

#include <gtest/gtest.h>

#include <cerrno>

#include "support/TempDirectory.h"

// Close of a written file is where its bytes reach the disk: it says when
// they could not (a full device), while a device that has nothing to sync is
// no failure.
TEST(PosixFileSystem, CloseReportsBytesThatMissedTheDisk) {
  platform::FileSystem& files = platform::RealFileSystem();
  platform::SystemResult<platform::NativeFile*> file = files.Open("/dev/full", "wb");
  ASSERT_TRUE(file);
  // The library buffers the bytes, so only the close finds the device full.
  EXPECT_EQ(files.Write(*file, "abc", 3), 3u);
  const std::optional<platform::SystemError> error = files.Close(*file);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->number, ENOSPC);

  file = files.Open("/dev/null", "wb");
  ASSERT_TRUE(file);
  files.Write(*file, "abc", 3);
  EXPECT_EQ(files.Close(*file), std::nullopt);
}
