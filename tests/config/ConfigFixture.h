#pragma once

#include <initializer_list>
#include <string>
#include <vector>

#include <gtest/gtest.h>

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
