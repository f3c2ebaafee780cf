#include "engine/Boid.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/LogCapture.h"

using Strings = std::vector<std::string>;

namespace {

std::string Bytes(Boid& boid) {
  std::string bytes(boid.Length(), '\0');
  boid.Seek(0, 0);
  boid.Read(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
  return bytes;
}

}  // namespace

// A full fixed-length stream refuses one more byte and fails; a write that half
// fits keeps its fitting part; a failed stream refuses everything.
TEST(Boid, WritePastCapacityFailsTheStream) {
  LogCapture capture;
  Boid boid(16);
  EXPECT_EQ(boid.Write("0123456789abcdef", 16), ErrorCode(0));
  EXPECT_EQ(boid.Write("x", 1), ErrorCode(0x30010001));
  EXPECT_EQ(capture.Messages(),
            (Strings{"Writing past end of fixed length Boid\n", "### SOFT ERR: Write buffer broken",
                     "\n", "*Error trying to write to boid - ran out of space\n"}));
  EXPECT_EQ(boid.Length(), 0xFFFFFFFFu);
  EXPECT_TRUE(capture.Boxes().empty());
  char byte = 0;
  EXPECT_EQ(boid.Read(&byte, 1), ErrorCode(0x30010007));
  ASSERT_EQ(capture.Boxes().size(), 1u);
  EXPECT_EQ(capture.Boxes()[0].text, "Invalid Boid");

  Boid partial(8);
  partial.Write("abc", 3);
  partial.Seek(2, 0);
  EXPECT_EQ(partial.Write("XYZ", 3), ErrorCode(0));
  EXPECT_EQ(partial.Length(), 5u);
  EXPECT_EQ(partial.Write("123456", 6), ErrorCode(0x30010001));
}

// Seeks stop at the capacity (the wrapped unsigned sum is checked too), and
// reading from beyond the data is an invalid offset.
TEST(Boid, OffsetsAreChecked) {
  LogCapture capture;
  Boid boid(16);
  EXPECT_EQ(boid.Seek(10, 5), ErrorCode(0));
  EXPECT_EQ(boid.Seek(16, 0), ErrorCode(0x30010003));
  EXPECT_EQ(boid.Tell(), 15u);
  EXPECT_TRUE(capture.Contains("*Invalid BOID offset\n"));
  ASSERT_EQ(capture.Boxes().size(), 1u);
  EXPECT_EQ(capture.Boxes()[0].text, "Invalid Offset");
  EXPECT_EQ(boid.Seek(0xFFFFFFFF, 2), ErrorCode(0));
  EXPECT_EQ(boid.Tell(), 1u);
  boid.Seek(5, 0);
  char byte = 0;
  EXPECT_EQ(boid.Read(&byte, 1), ErrorCode(0x30010003));
}

// A short read copies what is there, zeroes the rest and reports it twice.
TEST(Boid, ReadPastDataZeroesTheRest) {
  LogCapture capture;
  Boid boid(32);
  boid.Write("0123456789abcdef", 16);
  boid.Seek(0, 0);
  std::string out(20, 'Z');
  capture.Clear();
  EXPECT_EQ(boid.Read(out.data(), 20), ErrorCode(0x30010002));
  EXPECT_EQ(out, "0123456789abcdef" + std::string(4, '\0'));
  EXPECT_EQ(capture.Messages(),
            (Strings{"Reading past end of fixed length Boid\n", "### SOFT ERR: Read buffer broken",
                     "\n", "Error Reading from boid\n", "### SOFT ERR: Read buffer broken", "\n"}));
  EXPECT_TRUE(capture.Boxes().empty());
}

// Lines end with a zero byte or CR LF; reading keeps the CR and eats the LF,
// long lines come back whole, a zero byte ends its chunk's text, and a failed
// stream reads as empty.
TEST(Boid, StringsUseTheLineEnding) {
  LogCapture capture;
  Boid zero(16);
  zero.WriteString("AB");
  EXPECT_EQ(Bytes(zero), std::string("AB\0", 3));
  String line = "old";
  zero.Seek(0, 0);
  zero.ReadString(line);
  EXPECT_EQ(line, "AB");

  Boid crlf(64);
  crlf.SetLineEnding(LineEnding::kCrLf);
  crlf.WriteString("AB");
  crlf.WriteString("");
  crlf.WriteString("C");
  EXPECT_EQ(Bytes(crlf), "AB\r\n\r\nC\r\n");
  crlf.Write(std::string("ab\0c\r\nd", 7).data(), 7);
  crlf.Seek(0, 0);
  for (const char* expected : {"AB\r", "\r", "C\r", "ab", "d", ""}) {
    crlf.ReadString(line);
    EXPECT_EQ(line, expected);
  }
  EXPECT_TRUE(capture.Messages().empty());

  Boid big(4096);
  big.Write(std::string(3000, 'q').data(), 3000);
  big.Seek(0, 0);
  big.ReadString(line);
  EXPECT_EQ(line, std::string(3000, 'q'));
  big.Write(std::string(2000, 'x').data(), 2000);  // fails the stream
  big.ReadString(line);
  EXPECT_EQ(line, "");
}

// Growing a buffer keeps its bytes; shrinking keeps position and length inside.
TEST(Boid, AllocateKeepsContent) {
  LogCapture capture;
  Boid boid(4);
  boid.Write("abcd", 4);
  EXPECT_EQ(boid.Allocate(8), ErrorCode(0));
  EXPECT_EQ(boid.Write("ef", 2), ErrorCode(0));
  EXPECT_EQ(Bytes(boid), "abcdef");
  EXPECT_EQ(boid.Allocate(3), ErrorCode(0));
  EXPECT_LE(boid.Tell(), 3u);
  EXPECT_EQ(Bytes(boid), "abc");
}
