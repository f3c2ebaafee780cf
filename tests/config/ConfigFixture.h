#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "config/ConfigFile.h"
#include "engine/FileHandle.h"
#include "engine/OpenMode.h"
#include "support/LogCapture.h"
#include "support/TempDirectory.h"

// Runs each test in a fresh temporary folder, with the log and the error
// reporter in place and every log message and message box recorded.
class ConfigFixture : public ::testing::Test {
 public:
  // The lines joined, each ended by CR LF.
  static std::string CrLf(std::initializer_list<const char*> lines) {
    std::string text;
    for (const char* line : lines) text += std::string(line) + "\r\n";
    return text;
  }

 protected:
  static constexpr auto WriteBytes = TempDirectory::WriteFile;
  static constexpr auto ReadBytes = TempDirectory::ReadFile;

  // Writes `text` to the file `name` and reads it into `config`.
  static ErrorCode ReadText(ConfigFile& config, const std::string& text,
                            const std::string& name = "in.ini") {
    WriteBytes(name, text);
    FileHandle file(4096);
    file.SetFileName(name);
    EXPECT_TRUE(file.Open(kOpenRead).IsSuccess());
    return config.Read(file);
  }

  // Writes `config` to a file and returns its bytes.
  static std::string WriteText(ConfigFile& config) {
    FileHandle file(4096);
    file.SetFileName("out.ini");
    EXPECT_TRUE(file.Open(kOpenWrite).IsSuccess());
    EXPECT_EQ(config.Write(file), kErrNone);
    file.Close();
    return ReadBytes("out.ini");
  }

  // Reads the text, writes it back and returns what was written.
  static std::string RoundTrip(const std::string& text) {
    ConfigFile config;
    ReadText(config, text);
    return WriteText(config);
  }

  // How often `text` occurs in what was logged.
  int CountLog(const std::string& text) const {
    const std::string logged = m_capture.Text();
    int count = 0;
    for (std::size_t at = logged.find(text); at != std::string::npos;
         at = logged.find(text, at + text.size()))
      ++count;
    return count;
  }

  // "caption: text" of every message box shown.
  std::vector<std::string> Boxes() const {
    std::vector<std::string> boxes;
    for (const LogCapture::Box& box : m_capture.Boxes())
      boxes.push_back(box.caption + ": " + box.text);
    return boxes;
  }

  TempDirectory m_folder;
  LogCapture m_capture;
};
