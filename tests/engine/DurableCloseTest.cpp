#include <gtest/gtest.h>

#include <string>

#include "engine/FileHandle.h"
#include "engine/OpenMode.h"
#include "support/LogCapture.h"

// Bytes that the system took into its cache but could not bring to the disk
// fail the write at Close, with a hard error naming the file instead of being
// lost silently; a handle that only read closes as before.
TEST(DurableClose, BytesThatMissTheDiskFailTheClose) {
  LogCapture capture;
  FileHandle full(64);
  full.SetFileName("/dev/full");
  ASSERT_EQ(full.Open(kOpenWrite), kErrNone);
  EXPECT_EQ(full.Write("settings", 8), kErrNone);
  EXPECT_EQ(full.Close(), kErrCannotWrite);
  ASSERT_EQ(capture.Boxes().size(), 1u);
  EXPECT_EQ(capture.Boxes()[0].text, "Unable to write to file /dev/full");

  FileHandle reading(64);
  reading.SetFileName("/dev/null");
  ASSERT_EQ(reading.Open(kOpenRead), kErrNone);
  EXPECT_EQ(reading.Close(), kErrNone);
}
