#include "engine/Boid.h"

#include <gtest/gtest.h>

#include <string>

#include "support/LogCapture.h"

// Overflow hooks: a full fixed-length stream refuses one more byte and fails;
// an overwrite past the data extends it; a short read zeroes the rest; seeks
// stop at the capacity. (The line rules of WriteString and ReadString are the
// file_handle fuzz target's, on a plain stream as on a file.)
TEST(Boid, OverflowAndOffsetsAreReported) {
  LogCapture capture;
  Boid boid(16);
  EXPECT_EQ(boid.Write("0123456789abcdef", 16), kErrNone);
  EXPECT_EQ(boid.Write("x", 1), kErrWriteBuffer);
  EXPECT_EQ(capture.Text(),
            "Writing past end of fixed length Boid\n"
            "### SOFT ERR: Write buffer broken\n"
            "*Error trying to write to boid - ran out of space\n");
  EXPECT_EQ(boid.Length(), 0xFFFFFFFFu);

  Boid partial(20);
  partial.Write("0123456789abcdef", 16);
  partial.Seek(14, 0);
  EXPECT_EQ(partial.Write("XYZ", 3), kErrNone);
  EXPECT_EQ(partial.Length(), 17u);
  partial.Seek(0, 0);
  std::string out(20, 'Z');
  capture.Clear();
  EXPECT_EQ(partial.Read(out.data(), 20), kErrReadBuffer);
  EXPECT_EQ(out, "0123456789abcdXYZ" + std::string(3, '\0'));
  EXPECT_EQ(capture.Text(),
            "Reading past end of fixed length Boid\n"
            "### SOFT ERR: Read buffer broken\n"
            "Error Reading from boid\n"
            "### SOFT ERR: Read buffer broken\n");
  EXPECT_TRUE(capture.Boxes().empty());

  // The wrapped unsigned sum of a seek is checked too; a failed stream refuses everything.
  Boid seeking(16);
  EXPECT_EQ(seeking.Seek(10, 5), kErrNone);
  EXPECT_EQ(seeking.Seek(16, 0), kErrInvalidOffset);
  EXPECT_EQ(seeking.Tell(), 15u);
  EXPECT_PRED_FORMAT2(testing::IsSubstring, "*Invalid BOID offset\n", capture.Text());
  EXPECT_EQ(seeking.Seek(0xFFFFFFFF, 2), kErrNone);
  EXPECT_EQ(seeking.Tell(), 1u);
  char byte = 0;
  EXPECT_EQ(boid.Read(&byte, 1), kErrInvalidBoid);
  ASSERT_EQ(capture.Boxes().size(), 1u);  // the first hard error latched
  EXPECT_EQ(capture.Boxes()[0].text, "Invalid Offset");
}
