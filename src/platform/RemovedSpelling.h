#pragma once

#include <mutex>
#include <optional>
#include <string>

namespace platform {

// A file is saved by removing the old one and creating it anew, and the
// system would give the new file the new name's letter case. So the file
// removed last is remembered, until the next file is created: when that one
// is made in the same folder under the same name in another case, it takes
// the old spelling, and the player's QVCONFIG.INI stays QVCONFIG.INI. A
// backend names a folder by an identity of its own that no change of the
// current directory alters (none when it cannot tell), compared ignoring
// case as the names are.
class RemovedSpelling {
 public:
  void Remember(std::optional<std::string> folder, std::string name_on_disk);
  // The name the file being created gets; forgets the removed one.
  std::string Take(const std::optional<std::string>& folder, std::string name);

 private:
  struct Removed {
    std::string folder;
    std::string name;
  };

  std::mutex m_mutex;
  std::optional<Removed> m_removed;
};

}  // namespace platform
