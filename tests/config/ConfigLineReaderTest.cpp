#include "config/ConfigLineReader.h"

#include <random>
#include <string>
#include <vector>

#include "ConfigFixture.h"

namespace {

class ConfigLineReaderTest : public ConfigFixture {
 protected:
  std::vector<std::string> ByReader(const std::string& name) {
    FileHandle file(4096);
    file.SetFileName(name);
    EXPECT_TRUE(file.Open(kOpenRead).IsSuccess());
    std::vector<std::string> lines;
    ConfigLineReader reader(file);
    std::string line;
    while (reader.Next(line)) {
      lines.push_back(line);
    }
    EXPECT_TRUE(file.AtEnd());
    file.Close();
    return lines;
  }

  // The handle's own byte-by-byte line reader, as the reference.
  std::vector<std::string> ByHandle(const std::string& name) {
    FileHandle file(4096);
    file.SetFileName(name);
    EXPECT_TRUE(file.Open(kOpenRead).IsSuccess());
    file.SetLineEnding(LineEnding::kCrLf);
    std::vector<std::string> lines;
    String line;
    while (!file.AtEnd() && !file.IsFailed()) {
      file.ReadString(line);
      lines.push_back(line);
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
      const bool long_stretch = (i / 3000) % 3 == 1;
      const char c = alphabet[random() % sizeof alphabet];
      bytes.push_back(long_stretch && c == '\r' ? 'x' : c);
    }
    if (round % 2 == 0) {
      bytes += "\r\n";
    }
    const std::string name = "round" + std::to_string(round) + ".ini";
    WriteBytes(name, bytes);
    EXPECT_EQ(ByReader(name), ByHandle(name)) << "round " << round;
  }
  EXPECT_TRUE(Boxes().empty());
}

// Edge cases: CR at the very end (no read error), lone LF, zero bytes in runs.
TEST_F(ConfigLineReaderTest, Edges) {
  WriteBytes("cr.ini", "A=1\r");
  EXPECT_EQ(ByReader("cr.ini"), (std::vector<std::string>{"A=1\r"}));

  WriteBytes("lf.ini", "A=1\nB=2\r\nC");
  EXPECT_EQ(ByReader("lf.ini"), (std::vector<std::string>{"A=1\nB=2\r", "C"}));

  std::string run(1022, 'k');
  run[5] = '\0';
  WriteBytes("run.ini", run + "\r\n" + std::string(2000, 'v') + std::string(1, '\0') + "w\r\n");
  const std::vector<std::string> lines = ByReader("run.ini");
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0], "kkkkk");
  EXPECT_EQ(lines[1], std::string(2000, 'v'));
  EXPECT_TRUE(Boxes().empty());
}
