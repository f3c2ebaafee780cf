#include "engine/Boid.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/LogCapture.h"

namespace {

std::vector<std::uint8_t> Bytes(Boid& boid) {
  std::vector<std::uint8_t> bytes(boid.Length());
  boid.Seek(0, 0);
  boid.Read(bytes.data(), static_cast<std::uint32_t>(bytes.size()));
  return bytes;
}

}  // namespace

// A full fixed-length stream refuses one more byte, keeps what fitted, and fails.
TEST(Boid, WritePastCapacityFailsTheStream) {
  LogCapture capture;
  Boid boid(16);
  EXPECT_EQ(boid.Length(), 0u);
  EXPECT_TRUE(boid.AtEnd());
  const std::string sixteen = "0123456789abcdef";
  EXPECT_EQ(boid.Write(sixteen.data(), 16), ErrorCode(0));
  EXPECT_EQ(boid.Length(), 16u);
  EXPECT_EQ(boid.Tell(), 16u);
  EXPECT_EQ(boid.Write("x", 1), ErrorCode(0x30010001));
  EXPECT_EQ(capture.Messages(),
            (std::vector<std::string>{"Writing past end of fixed length Boid\n",
                                      "### SOFT ERR: Write buffer broken", "\n",
                                      "*Error trying to write to boid - ran out of space\n"}));
  EXPECT_TRUE(boid.IsFailed());
  EXPECT_EQ(boid.Length(), 0xFFFFFFFFu);
  EXPECT_FALSE(boid.AtEnd());
  EXPECT_TRUE(capture.Boxes().empty());

  // A failed stream refuses everything with a hard error.
  char byte = 0;
  EXPECT_EQ(boid.Read(&byte, 1), ErrorCode(0x30010007));
  ASSERT_EQ(capture.Boxes().size(), 1u);
  EXPECT_EQ(capture.Boxes()[0].text, "Invalid Boid");
}

// A write that half fits keeps the fitting part and the grown length.
TEST(Boid, PartialWriteKeepsWhatFits) {
  LogCapture capture;
  Boid boid(8);
  boid.Write("abc", 3);
  boid.Seek(2, 0);
  EXPECT_EQ(boid.Write("XYZ", 3), ErrorCode(0));
  EXPECT_EQ(boid.Length(), 5u);
  EXPECT_EQ(boid.Write("123456", 6), ErrorCode(0x30010001));
  EXPECT_TRUE(boid.IsFailed());
}

// Seeks stop at the capacity, which is itself out of range.
TEST(Boid, SeekIsBoundedByCapacity) {
  LogCapture capture;
  Boid boid(16);
  EXPECT_EQ(boid.Seek(10, 5), ErrorCode(0));
  EXPECT_EQ(boid.Tell(), 15u);
  EXPECT_EQ(boid.Seek(16, 0), ErrorCode(0x30010003));
  EXPECT_EQ(boid.Tell(), 15u);
  EXPECT_TRUE(capture.Contains("*Invalid BOID offset\n"));
  ASSERT_EQ(capture.Boxes().size(), 1u);
  EXPECT_EQ(capture.Boxes()[0].text, "Invalid Offset");
  // The unsigned sum wraps; the wrapped target is still checked.
  LogCapture again;
  EXPECT_EQ(boid.Seek(0xFFFFFFFF, 2), ErrorCode(0));
  EXPECT_EQ(boid.Tell(), 1u);
}

// A short read copies what is there, zeroes the rest and reports it twice.
TEST(Boid, ReadPastDataZeroesTheRest) {
  LogCapture capture;
  Boid boid(32);
  const std::string sixteen = "0123456789abcdef";
  boid.Write(sixteen.data(), 16);
  boid.Seek(0, 0);
  char out[20];
  std::memset(out, 'Z', sizeof out);
  capture.Clear();
  EXPECT_EQ(boid.Read(out, 20), ErrorCode(0x30010002));
  EXPECT_EQ(std::string(out, 16), sixteen);
  EXPECT_EQ(std::string(out + 16, 4), std::string(4, '\0'));
  EXPECT_EQ(capture.Messages(),
            (std::vector<std::string>{
                "Reading past end of fixed length Boid\n", "### SOFT ERR: Read buffer broken", "\n",
                "Error Reading from boid\n", "### SOFT ERR: Read buffer broken", "\n"}));
  EXPECT_TRUE(boid.IsFailed());
  EXPECT_TRUE(capture.Boxes().empty());
}

// Reading with the position beyond the data is an invalid offset.
TEST(Boid, ReadBeyondLengthIsInvalidOffset) {
  LogCapture capture;
  Boid boid(16);
  boid.Write("ab", 2);
  boid.Seek(5, 0);
  char byte = 0;
  EXPECT_EQ(boid.Read(&byte, 1), ErrorCode(0x30010003));
  EXPECT_EQ(capture.Boxes().size(), 1u);
}

// Lines end with a zero byte or with CR LF; reading keeps the CR, eats the LF.
TEST(Boid, StringsUseTheLineEnding) {
  LogCapture capture;
  Boid zero(16);
  zero.WriteString("AB");
  EXPECT_EQ(Bytes(zero), (std::vector<std::uint8_t>{65, 66, 0}));
  zero.Seek(0, 0);
  String line = "old";
  zero.ReadString(line);
  EXPECT_EQ(line, "AB");
  EXPECT_TRUE(zero.AtEnd());

  Boid crlf(16);
  crlf.SetLineEnding(LineEnding::kCrLf);
  crlf.WriteString("AB");
  crlf.WriteString("");
  crlf.WriteString("C");
  EXPECT_EQ(Bytes(crlf), (std::vector<std::uint8_t>{65, 66, 13, 10, 13, 10, 67, 13, 10}));
  crlf.Seek(0, 0);
  crlf.ReadString(line);
  EXPECT_EQ(line, "AB\r");
  EXPECT_EQ(crlf.Tell(), 4u);
  crlf.ReadString(line);
  EXPECT_EQ(line, "\r");
  crlf.ReadString(line);
  EXPECT_EQ(line, "C\r");
  EXPECT_TRUE(crlf.AtEnd());
  crlf.ReadString(line);
  EXPECT_EQ(line, "");
  EXPECT_TRUE(capture.Messages().empty());
}

// Long lines come back whole, chunk by chunk; a zero byte ends its chunk's text.
TEST(Boid, LongLinesAndEmbeddedZeros) {
  LogCapture capture;
  Boid boid(4096);
  const std::string long_line(3000, 'q');
  boid.Write(long_line.data(), 3000);
  boid.Seek(0, 0);
  String line;
  boid.ReadString(line);
  EXPECT_EQ(line, long_line);
  EXPECT_TRUE(boid.AtEnd());

  Boid zeros(64);
  zeros.SetLineEnding(LineEnding::kCrLf);
  const char data[] = {'a', 'b', 0, 'c', 13, 10, 'd'};
  zeros.Write(data, sizeof data);
  zeros.Seek(0, 0);
  zeros.ReadString(line);
  EXPECT_EQ(line, "ab");
  EXPECT_EQ(zeros.Tell(), 6u);
  zeros.ReadString(line);
  EXPECT_EQ(line, "d");
  EXPECT_TRUE(capture.Messages().empty());

  Boid failed(8);
  failed.Write("123456789", 9);
  ASSERT_TRUE(failed.IsFailed());
  line = "stale";
  failed.ReadString(line);
  EXPECT_EQ(line, "");
}

// Growing a buffer keeps its bytes; shrinking keeps position and length inside.
TEST(Boid, AllocateKeepsContent) {
  LogCapture capture;
  Boid boid(4);
  boid.Write("abcd", 4);
  EXPECT_EQ(boid.Allocate(8), ErrorCode(0));
  EXPECT_EQ(boid.Write("ef", 2), ErrorCode(0));
  EXPECT_EQ(Bytes(boid), (std::vector<std::uint8_t>{'a', 'b', 'c', 'd', 'e', 'f'}));
  EXPECT_EQ(boid.Allocate(3), ErrorCode(0));
  EXPECT_EQ(boid.Length(), 3u);
  EXPECT_LE(boid.Tell(), 3u);
  EXPECT_EQ(Bytes(boid), (std::vector<std::uint8_t>{'a', 'b', 'c'}));
}
