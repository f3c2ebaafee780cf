#pragma once

#include <string>

// Makes a fresh, empty directory, makes it the current directory for the
// guard's lifetime, then goes back and removes it with everything in it.
class TempDirectory {
 public:
  TempDirectory();
  ~TempDirectory();
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;

  // Absolute path of the directory.
  const std::string& Path() const { return m_path; }

  // Whole-file helpers for tests: writing makes the parent folders first.
  static void WriteFile(const std::string& path, const std::string& content);
  static std::string ReadFile(const std::string& path);

 private:
  std::string m_path;
  std::string m_previous;
};
