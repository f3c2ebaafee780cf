#include "config/ConfigLineReader.h"

#include <random>
#include <string>
#include <vector>

#include "ConfigFixture.h"

namespace {

class ConfigLineReaderTest : public ConfigFixture {
 protected:
  // The lines of the block reader, or with `by_handle` of the handle's own byte-by-byte reader.
  static std::vector<std::string> Lines(const std::string& name, bool by_handle = false) {
    FileHandle file(4096);
    file.SetFileName(name);
    EXPECT_TRUE(file.Open(kOpenRead).IsSuccess());
    std::vector<std::string> lines;
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
};

}  // namespace

// The block reader yields exactly the lines of the handle's own reader, on
// text, CR LF pairs split across buffers, zero bytes and lines over 1023 bytes.
TEST_F(ConfigLineReaderTest, MatchesTheHandlesLineReader) {
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
    const std::string name = "round" + std::to_string(round) + ".ini";
    WriteBytes(name, round % 2 == 0 ? bytes + "\r\n" : bytes);
    EXPECT_EQ(Lines(name), Lines(name, true)) << "round " << round;
  }
  EXPECT_TRUE(Boxes().empty());
}

// Edge cases: CR at the very end (no read error), lone LF inside a line.
TEST_F(ConfigLineReaderTest, Edges) {
  WriteBytes("cr.ini", "A=1\r");
  EXPECT_EQ(Lines("cr.ini"), (std::vector<std::string>{"A=1\r"}));
  WriteBytes("lf.ini", "A=1\nB=2\r\nC");
  EXPECT_EQ(Lines("lf.ini"), (std::vector<std::string>{"A=1\nB=2\r", "C"}));
  EXPECT_TRUE(Boxes().empty());
}
