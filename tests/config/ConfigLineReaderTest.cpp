#include "config/ConfigLineReader.h"

#include <random>
#include <string>
#include <vector>

#include "ConfigFixture.h"

using Strings = std::vector<std::string>;

// The lines of the block reader, or with `by_handle` of the handle's own byte-by-byte reader.
static Strings Lines(const std::string& name, bool by_handle = false) {
  FileHandle file(4096);
  file.SetFileName(name);
  EXPECT_TRUE(file.Open(kOpenRead).IsSuccess());
  Strings lines;
  if (by_handle) {
    file.SetLineEnding(LineEnding::kCrLf);
    for (String line; !file.AtEnd() && !file.IsFailed(); lines.push_back(line))
      file.ReadString(line);
  } else {
    ConfigLineReader reader(file);
    for (std::string line; reader.Next(line);) lines.push_back(line);
    EXPECT_TRUE(file.AtEnd());
  }
  file.Close();
  return lines;
}

// The block reader yields exactly the lines of the handle's own reader, on
// text, CR LF pairs split across buffers, zero bytes and lines over 1023 bytes;
// a CR at the very end is no read error and a lone LF stays inside its line.
TEST_F(ConfigFixture, LineReaderMatchesTheHandlesLineReader) {
  std::mt19937 random(20241205);
  const char alphabet[] = {'a', 'B', '=', ' ', '\r', '\n', '\0', '[', '!', '\t'};
  for (int round = 0; round < 12; ++round) {
    std::string bytes;
    const int length = 1 + static_cast<int>(random() % 150000);
    for (int i = 0; i < length; ++i) {
      // Long stretches without CR make lines that cross 1023-byte runs.
      const char c = alphabet[random() % sizeof alphabet];
      bytes.push_back((i / 3000) % 3 == 1 && c == '\r' ? 'x' : c);
    }
    WriteBytes("round.ini", round % 2 == 0 ? bytes + "\r\n" : bytes);
    EXPECT_EQ(Lines("round.ini"), Lines("round.ini", true)) << "round " << round;
  }
  WriteBytes("edge.ini", "A=1\nB=2\r\nC=3\r");
  EXPECT_EQ(Lines("edge.ini"), (Strings{"A=1\nB=2\r", "C=3\r"}));
  EXPECT_TRUE(Boxes().empty());
}
