#include "config/ConfigFile.h"

#include "ConfigFixture.h"

using ConfigFileTest = ConfigFixture;

// The seven-line example: comments keep their place, new chapters go last, fourteen lines written.
TEST_F(ConfigFileTest, WorkedExample) {
  ConfigFile config;
  ASSERT_EQ(ReadText(config, CrLf({"! comment one", "[WORLDS]", "sound = TRUE", "[SYSTEM]",
                                   "MOVIES=FALSE", "! comment two", "DEBUGKEYS=TRUE"})),
            kErrNone);
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
  // The mixed-case header is written alone, its chapter again in upper case.
  EXPECT_EQ(RoundTrip(CrLf({"[Mixed]", "KEY=", "=5", " My Key  =  a = b ", "dup=1", "dup=2"})),
            CrLf({"[Mixed]", "", "[MIXED]", "=5", "DUP=2", "KEY=", "MY KEY=a = b"}));
  // A header twice merges its keys and is written twice in full; a header
  // without keys is written alone; the last character of a header is dropped.
  EXPECT_EQ(
      RoundTrip(CrLf({"[A]", "X=1", "[EMPTY]", "[A]", "Y=2", "[SYSTEM", "Z=3"})),
      CrLf({"[A]", "X=1", "Y=2", "", "[EMPTY]", "[A]", "X=1", "Y=2", "", "[SYSTE]", "Z=3", ""}));
  // Keys of the chapter with the empty name survive a store and a second one.
  const std::string once = RoundTrip(CrLf({"! top", "LOOSE=1", "[S]", "A=1", "[ ]", "Other=2"}));
  EXPECT_EQ(once, CrLf({"LOOSE=1", "OTHER=2", "! top", "[S]", "A=1", "", ""}));
  EXPECT_EQ(RoundTrip(once), CrLf({"LOOSE=1", "OTHER=2", "! top", "[S]", "A=1", ""}));
}

// A key line without "=" is reported with file name and line number and skipped.
TEST_F(ConfigFileTest, MissingEqualsIsReportedAndSkipped) {
  ConfigFile config;
  EXPECT_EQ(ReadText(config, CrLf({"[S]", "A=1", "", "! c", "B=2", "[T]", "FOO", "C=3"}),
                     "odd%sname.ini"),
            kErrNone);
  EXPECT_EQ(CountLog("Error reading config file (odd%sname.ini line 7) - missing '='\n"), 2);
  EXPECT_EQ(CountLog("### Error Location : odd%sname.ini, line: 7"), 1);
  EXPECT_TRUE(Boxes().empty());
  config.Dump();  // lists the keys read through the chapter and key cursors
  EXPECT_EQ(CountLog("*B* = *2*\n") + CountLog("*C* = *3*\n"), 2);
}

// Read and Write refuse files they may not use, with one hard-error box.
TEST_F(ConfigFileTest, AccessErrors) {
  ConfigFile config;
  FileHandle closed(4096);
  closed.SetFileName("nothing.ini");
  EXPECT_EQ(config.Read(closed), kErrCannotRead);
  EXPECT_EQ(CountLog("Error - trying to read a config file without read access\n"), 1);
  EXPECT_EQ(Boxes(), (std::vector<std::string>{"Error: Unable to read from file nothing.ini"}));

  WriteBytes("read.ini", CrLf({"[S]", "A=1"}));
  FileHandle reading(4096);
  reading.SetFileName("read.ini");
  ASSERT_TRUE(reading.Open(kOpenRead).IsSuccess());
  config.SetString("A", "S", "2");
  EXPECT_EQ(config.Write(reading), kErrCannotWrite);
  EXPECT_EQ(CountLog("Trying to write a config file without write access\n"), 1);
  EXPECT_EQ(Boxes().size(), 1u);  // the first hard error latched
  EXPECT_EQ(ReadBytes("read.ini"), CrLf({"[S]", "A=1"}));
}

// Missing keys give the default and a warning; setters replace in any case; values are written
// untrimmed and read back trimmed. (What a found value converts to, in any case of its names, is
// the config_values fuzz target's.)
TEST_F(ConfigFileTest, TypedValues) {
  ConfigFile config;
  EXPECT_EQ(config.GetInt("Lost", "worlds", 7), 7);
  EXPECT_EQ(CountLog("config warning: value worlds:Lost not found\n"), 1);
  config.SetBool("FLAG", "S", false);
  config.SetBool("flag", "s", true);
  config.SetString("PAD", "S", "  x ");
  const std::string written = WriteText(config);
  EXPECT_NE(written.find(CrLf({"[S]", "FLAG=TRUE", "PAD=  x "})), std::string::npos);
  ConfigFile back;
  ReadText(back, written);
  back.Dump();
  EXPECT_EQ(CountLog("*PAD* = *x*\n"), 1);
}
