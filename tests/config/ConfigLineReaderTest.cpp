#include "config/ConfigLineReader.h"

#include <string>
#include <vector>

#include "ConfigFixture.h"

using Strings = std::vector<std::string>;

// The block reader keeps the handle's line rules at the file's end: a CR at
// the very end is no read error and a lone LF stays inside its line. (The
// file_handle fuzz target compares it with the rules on any bytes, buffers
// and line lengths.)
TEST_F(ConfigFixture, LineReaderAtTheEndOfTheFile) {
  WriteBytes("edge.ini", "A=1\nB=2\r\nC=3\r");
  FileHandle file(4096);
  file.SetFileName("edge.ini");
  ASSERT_TRUE(file.Open(kOpenRead).IsSuccess());
  ConfigLineReader reader(file);
  Strings lines;
  for (std::string line; reader.Next(line);) lines.push_back(line);
  EXPECT_EQ(lines, (Strings{"A=1\nB=2\r", "C=3\r"}));
  EXPECT_TRUE(file.AtEnd());
  EXPECT_TRUE(Boxes().empty());
}
