#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <cstdio>
#include <iterator>
#include <optional>
#include <random>
#include <string>
#include <vector>

// Makes a fresh, empty directory, makes it the current directory for the
// guard's lifetime, then goes back and removes it with everything in it.
class TempDirectory {
 public:
  TempDirectory() {
    if (auto made = MakeOwnDirectory()) std::filesystem::current_path(m_path = *made);
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
  // A file written in text mode, with the system's line ends read as '\n'.
  static std::string ReadTextFile(const std::string& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }

 private:
  // A new folder under a random name in the temporary folder, open to its
  // owner only. A name that exists already (someone else's) is never used:
  // create_directory says whether it made the folder.
  static std::optional<std::string> MakeOwnDirectory() {
    namespace fs = std::filesystem;
    std::error_code error;
    const fs::path base = fs::temp_directory_path(error);
    if (error) return std::nullopt;
    std::random_device seed;
    std::mt19937_64 random(seed());
    for (int attempt = 0; attempt < 100; ++attempt) {
      char name[32];
      std::snprintf(name, sizeof name, "qvtest-%012llx",
                    static_cast<unsigned long long>(random() & 0xFFFFFFFFFFFFull));
      const fs::path path = base / name;
      if (!fs::create_directory(path, error)) continue;
      fs::permissions(path, fs::perms::owner_all, fs::perm_options::replace, error);
      return path.string();
    }
    return std::nullopt;
  }

  std::string m_path;
  const std::string m_previous = std::filesystem::current_path().string();
};
