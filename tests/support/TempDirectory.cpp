#include "support/TempDirectory.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include <stdlib.h>

TempDirectory::TempDirectory() {
  m_previous = std::filesystem::current_path().string();
  std::string pattern = (std::filesystem::temp_directory_path() / "qvtest-XXXXXX").string();
  char* made = mkdtemp(pattern.data());
  if (made == nullptr) {
    ADD_FAILURE() << "cannot make a temporary directory";
    return;
  }
  m_path = made;
  std::filesystem::current_path(m_path);
}

TempDirectory::~TempDirectory() {
  std::error_code ignored;
  std::filesystem::current_path(m_previous, ignored);
  if (m_path.empty()) return;
  // Folders a test made read-only must become writable to be removed.
  for (auto it = std::filesystem::recursive_directory_iterator(m_path, ignored);
       it != std::filesystem::recursive_directory_iterator(); it.increment(ignored)) {
    if (it->is_directory(ignored)) {
      std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                   std::filesystem::perm_options::add, ignored);
    }
  }
  std::filesystem::remove_all(m_path, ignored);
}

void TempDirectory::WriteFile(const std::string& path, const std::string& content) {
  const std::filesystem::path parent = std::filesystem::path(path).parent_path();
  if (!parent.empty()) std::filesystem::create_directories(parent);
  std::ofstream(path, std::ios::binary) << content;
}

std::string TempDirectory::ReadFile(const std::string& path) {
  std::stringstream content;
  content << std::ifstream(path, std::ios::binary).rdbuf();
  return content.str();
}
