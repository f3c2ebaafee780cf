#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

// Makes a fresh, empty directory, makes it the current directory for the
// guard's lifetime, then goes back and removes it with everything in it.
class TempDirectory {
 public:
  TempDirectory() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qvtest-XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) std::filesystem::current_path(m_path = pattern);
    EXPECT_FALSE(m_path.empty()) << "cannot make a temporary directory";
  }
  ~TempDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(m_previous, ignored);
    if (!m_path.empty()) std::filesystem::remove_all(m_path, ignored);
  }
  TempDirectory(const TempDirectory&) = delete;
  TempDirectory& operator=(const TempDirectory&) = delete;

  // Absolute path of the directory.
  const std::string& Path() const { return m_path; }

  // Whole-file helpers for tests: writing makes the parent folders first.
  static void WriteFile(const std::string& path, const std::string& content) {
    const std::filesystem::path parent = std::filesystem::path(path).parent_path();
    if (!parent.empty()) std::filesystem::create_directories(parent);
    std::ofstream(path, std::ios::binary) << content;
  }
  static std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // The names in `folder`, sorted.
  static std::vector<std::string> Entries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

 private:
  std::string m_path;
  const std::string m_previous = std::filesystem::current_path().string();
};
