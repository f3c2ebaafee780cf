// The programs of these tests keep their caches in a folder of their own that
// goes with them, never in the user's: the real graphics adapter stores its
// findings there.
#include <stdlib.h>

#include <filesystem>
#include <string>

namespace {

class PrivateCacheHome {
 public:
  PrivateCacheHome() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qvcache-XXXXXX").string();
    if (::mkdtemp(pattern.data()) != nullptr) m_path = pattern;
    // Without a folder of its own, the cache gets one that cannot be made.
    ::setenv("XDG_CACHE_HOME", m_path.empty() ? "/dev/null" : m_path.c_str(), 1);
  }
  ~PrivateCacheHome() {
    std::error_code ignored;
    if (!m_path.empty()) std::filesystem::remove_all(m_path, ignored);
  }

 private:
  std::string m_path;
};

const PrivateCacheHome s_private_cache_home;

}  // namespace
