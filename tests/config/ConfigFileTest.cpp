#include "config/ConfigFile.h"

#include "ConfigFixture.h"

namespace {

class ConfigFileTest : public ConfigFixture {
 protected:
  // Writes `text` to the file `name` and reads it into `config`.
  ErrorCode ReadText(ConfigFile& config, const std::string& text,
                     const std::string& name = "in.ini") {
    WriteBytes(name, text);
    FileHandle file(4096);
    file.SetFileName(name);
    EXPECT_TRUE(file.Open(kOpenRead).IsSuccess());
    const ErrorCode result = config.Read(file);
    file.Close();
    return result;
  }

  // Writes `config` to a file and returns its bytes.
  std::string WriteText(ConfigFile& config) {
    FileHandle file(4096);
    file.SetFileName("out.ini");
    EXPECT_TRUE(file.Open(kOpenWrite).IsSuccess());
    EXPECT_EQ(config.Write(file), ErrorCode(0));
    file.Close();
    return ReadBytes("out.ini");
  }

  // Reads the text, writes it back and returns what was written.
  std::string RoundTrip(const std::string& text) {
    ConfigFile config;
    ReadText(config, text);
    return WriteText(config);
  }

  // The value of `key` in `chapter` as found by the cursors, or "<missing>".
  static String Get(const ConfigFile& config, const char* key, const char* chapter) {
    ConfigFile::ChapterCursor chapters;
    ConfigFile::KeyCursor keys;
    String name, found, value;
    for (bool more = config.GetFirstChapter(chapters, name); more;
         more = config.GetNextChapter(chapters, name)) {
      for (bool key_more = name == chapter && config.GetFirstKey(chapters, keys, found, value);
           key_more; key_more = config.GetNextKey(chapters, keys, found, value)) {
        if (found == key) return value;
      }
    }
    return "<missing>";
  }
};

}  // namespace

// The seven-line example: comments keep their place, new chapters go last, fourteen lines written.
TEST_F(ConfigFileTest, WorkedExample) {
  ConfigFile config;
  ASSERT_EQ(ReadText(config, CrLf({"! comment one", "[WORLDS]", "sound = TRUE", "[SYSTEM]",
                                   "MOVIES=FALSE", "! comment two", "DEBUGKEYS=TRUE"})),
            ErrorCode(0));
  EXPECT_EQ(config.GetChapterOrder().size(), 4u);  // two comments and two chapters, in file order
  config.SetInt("PERFORMANCE", "SYSTEM", 1);
  config.SetBool("RIPPLE", "WORLDS", true);
  config.SetInt("UP", "PLAYER01", 38);
  EXPECT_EQ(WriteText(config), CrLf({"! comment one", "[WORLDS]", "RIPPLE=TRUE", "SOUND=TRUE", "",
                                     "[SYSTEM]", "DEBUGKEYS=TRUE", "MOVIES=FALSE", "PERFORMANCE=1",
                                     "", "! comment two", "", "[PLAYER01]", "UP=38"}));
}

// Blank lines, comments, empty keys and values, inner blanks, odd headers and the chapter
// with the empty name.
TEST_F(ConfigFileTest, GrammarThroughAFile) {
  EXPECT_EQ(RoundTrip(CrLf({"", "  ! one ", "\t", "!two"})), CrLf({"! one", "!two"}));
  EXPECT_EQ(RoundTrip(""), "");

  ConfigFile config;
  ReadText(config, CrLf({"[Mixed]", "KEY=", "=5", " My Key  =  a = b ", "dup=1", "dup=2"}));
  EXPECT_TRUE(config.Exists("my key", "MIXED"));
  // The mixed-case header is written alone, its chapter again in upper case.
  EXPECT_EQ(WriteText(config),
            CrLf({"[Mixed]", "", "[MIXED]", "=5", "DUP=2", "KEY=", "MY KEY=a = b"}));

  // A header twice merges its keys and is written twice in full; a header
  // without keys is written alone; the last character of a header is dropped.
  EXPECT_EQ(
      RoundTrip(CrLf({"[A]", "X=1", "[EMPTY]", "[A]", "Y=2", "[SYSTEM", "Z=3"})),
      CrLf({"[A]", "X=1", "Y=2", "", "[EMPTY]", "[A]", "X=1", "Y=2", "", "[SYSTE]", "Z=3", ""}));

  // Keys of the chapter with the empty name survive a store and a second one.
  const std::string once = RoundTrip(CrLf({"! top", "LOOSE=1", "[S]", "A=1", "[ ]", "Other=2"}));
  ConfigFile reread;
  ReadText(reread, once);
  EXPECT_EQ(Get(reread, "LOOSE", ""), "1");
  EXPECT_EQ(Get(reread, "OTHER", ""), "2");
  EXPECT_EQ(RoundTrip(once), WriteText(reread));
}

// A key line without "=" is reported with file name and line number and skipped.
TEST_F(ConfigFileTest, MissingEqualsIsReportedAndSkipped) {
  ConfigFile config;
  EXPECT_EQ(ReadText(config, CrLf({"[S]", "A=1", "", "! c", "B=2", "[T]", "FOO", "C=3"}),
                     "odd%sname.ini"),
            ErrorCode(0));
  EXPECT_EQ(CountLog("Error reading config file (odd%sname.ini line 7) - missing '='\n"), 2);
  EXPECT_EQ(CountLog("### Error Location : odd%sname.ini, line: 7"), 1);
  EXPECT_EQ(ErrorReporter::s_instance->GetSoftErrorCode(), ErrorCode(0x30000001));
  EXPECT_TRUE(Boxes().empty());
  EXPECT_EQ(Get(config, "B", "S") + Get(config, "C", "T"), "23");
}

// Read and Write refuse files they may not use, with one hard-error box.
TEST_F(ConfigFileTest, AccessErrors) {
  ConfigFile config;
  FileHandle closed(4096);
  closed.SetFileName("nothing.ini");
  closed.SetLineEnding(LineEnding::kZeroByte);
  EXPECT_EQ(config.Read(closed), ErrorCode(0x30010014));
  EXPECT_EQ(closed.GetLineEnding(), LineEnding::kZeroByte);
  EXPECT_EQ(CountLog("Error - trying to read a config file without read access\n"), 1);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0], "Error: Unable to read from file nothing.ini");

  WriteBytes("read.ini", CrLf({"[S]", "A=1"}));
  FileHandle reading(4096);
  reading.SetFileName("read.ini");
  ASSERT_TRUE(reading.Open(kOpenRead).IsSuccess());
  config.SetString("A", "S", "2");
  EXPECT_EQ(config.Write(reading), ErrorCode(0x30010013));
  EXPECT_EQ(CountLog("Trying to write a config file without write access\n"), 1);
  EXPECT_EQ(Boxes().size(), 1u);  // the first hard error latched
  reading.Close();
  EXPECT_EQ(ReadBytes("read.ini"), CrLf({"[S]", "A=1"}));
}

// Garbage, NUL bytes, huge lines and stray "=" or "[" neither crash nor lose lines.
TEST_F(ConfigFileTest, HostileInput) {
  std::string garbage;
  for (int i = 0; i < 70000; ++i) garbage.push_back(static_cast<char>((i * 7919 + i / 13) & 0xFF));
  ConfigFile config;
  EXPECT_EQ(ReadText(config, garbage), ErrorCode(0));
  const std::string written = WriteText(config);
  EXPECT_EQ(RoundTrip(written), RoundTrip(RoundTrip(written)));

  const std::string long_value(1 << 20, 'v');
  ConfigFile long_line;
  ReadText(long_line, CrLf({"[S]"}) + "K=" + long_value + "\r\n" + std::string("Z=a\0b", 5));
  EXPECT_EQ(Get(long_line, "K", "S"), long_value);
  // The line reader ends a text at a zero byte; the key is still there.
  EXPECT_EQ(Get(long_line, "Z", "S").rfind("a", 0), 0u);

  EXPECT_EQ(RoundTrip("="), CrLf({"="}));
  EXPECT_EQ(RoundTrip("["), CrLf({""}));
  EXPECT_EQ(RoundTrip(CrLf({"[!X]", "A=1"})), CrLf({"[!X]", "A=1", ""}));
}

// Missing keys warn with chapter and key as passed and give the default; found keys convert.
TEST_F(ConfigFileTest, TypedValues) {
  ConfigFile config;
  ReadText(config, CrLf({"[worlds]", "Sound=true", "Music=FALSE", "One=1", "Empty=", "Abc=abc"}));
  EXPECT_TRUE(config.GetBool("SOUND", "WORLDS", false));
  for (const char* key : {"music", "ONE", "EMPTY"}) {
    EXPECT_FALSE(config.GetBool(key, "worlds", true)) << key;
  }
  EXPECT_EQ(config.GetInt("Abc", "Worlds", 5), 0);
  EXPECT_EQ(config.GetFloat("EMPTY", "WORLDS", 5.0f), 0.0f);
  EXPECT_EQ(CountLog("config warning"), 0);

  EXPECT_EQ(config.GetInt("Lost", "worlds", 7), 7);
  EXPECT_EQ(CountLog("config warning: value worlds:Lost not found\n"), 1);
  EXPECT_FLOAT_EQ(config.GetFloat("x", "NoChapter", 2.5f), 2.5f);
  EXPECT_EQ(CountLog("config warning: value NoChapter:x not found\n"), 1);
  const Guid keyboard{0xA4565428, 0x396B, 0x2537, {0x1B, 0x5D, 0x38, 0x18, 0x36, 0x0B, 0xAA, 0xDD}};
  EXPECT_EQ(config.GetGuid("GUID", "PLAYER01", keyboard), keyboard);
  EXPECT_EQ(CountLog("config warning: guid value PLAYER01:GUID not found\n"), 1);
  EXPECT_FALSE(config.Exists("Lost", "worlds"));
  EXPECT_TRUE(Boxes().empty());

  // Setters replace in any case and store the value's text; values are written untrimmed
  // and read back trimmed.
  config.SetBool("FLAG", "S", false);
  config.SetBool("flag", "s", true);
  config.SetGuid("GUID", "S", keyboard);
  config.SetFloat("F", "S", 0.1234567f);
  config.SetString("PAD", "S", "  x ");
  EXPECT_EQ(config.GetGuid("guid", "s", Guid{}), keyboard);
  const std::string written = WriteText(config);
  EXPECT_NE(
      written.find(CrLf({"[S]", "F=0.123457", "FLAG=TRUE",
                         "GUID=2757121064:14699:9527:27:93:56:24:54:11:170:221", "PAD=  x "})),
      std::string::npos);
  ConfigFile back;
  ReadText(back, written);
  EXPECT_EQ(Get(back, "PAD", "S"), "x");
}
