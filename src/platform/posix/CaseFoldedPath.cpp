#include "platform/posix/CaseFoldedPath.h"

#include <dirent.h>
#include <errno.h>
#include <limits.h>
#include <sys/stat.h>

#include <algorithm>
#include <memory>
#include <optional>

#include "platform/EqualIgnoringCase.h"

namespace platform::posix {
namespace {

// Entries read for one path at most. A game's folders hold a few dozen each;
// past this many, huge or hostile folders cost no more work and the names
// still to look up are taken as spelled.
constexpr std::size_t kMaxEntriesSearched = 65536;

// True when nothing, not even a dangling link, has this name; a path that
// fails for another reason (a file where a folder is meant, no permission)
// is left for the system to refuse with its own error.
bool Missing(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) != 0 && errno == ENOENT;
}

struct ListingCloser {
  void operator()(DIR* listing) const { ::closedir(listing); }
};

// The entry of `folder` that matches `name` ignoring case. When several do,
// the exact spelling wins, else the first in byte order, so the choice never
// depends on the order in which the system lists the folder. Nothing when
// reading the folder would take more than `budget` entries.
std::optional<std::string> FindEntry(const std::string& folder, const std::string& name,
                                     std::size_t& budget) {
  // opendir opens with O_DIRECTORY: anything but a folder is refused before
  // it is read, and a FIFO never blocks the lookup.
  const std::unique_ptr<DIR, ListingCloser> listing(::opendir(folder.c_str()));
  if (listing == nullptr) return std::nullopt;
  std::optional<std::string> found;
  while (const dirent* entry = ::readdir(listing.get())) {
    if (budget == 0) return std::nullopt;
    --budget;
    const std::string_view candidate = entry->d_name;
    if (!EqualIgnoringCase(candidate, name)) continue;
    if (candidate == name) return name;
    if (!found || candidate < *found) found = std::string(candidate);
  }
  return found;
}

}  // namespace

std::string ResolveCase(const std::string& native_path) {
  // The system refuses longer paths itself.
  if (native_path.size() >= PATH_MAX || !Missing(native_path)) return native_path;
  std::string resolved;
  std::size_t start = 0;
  std::size_t budget = kMaxEntriesSearched;
  for (;;) {
    const std::size_t slash = native_path.find('/', start);
    const std::size_t end = slash == std::string::npos ? native_path.size() : slash;
    std::string name = native_path.substr(start, end - start);
    if (!name.empty() && name != "." && name != ".." && Missing(resolved + name)) {
      std::optional<std::string> entry = FindEntry(resolved.empty() ? "." : resolved, name, budget);
      if (!entry) return resolved + native_path.substr(start);
      name = std::move(*entry);
    }
    resolved += name;
    if (slash == std::string::npos) return resolved;
    resolved += '/';
    start = slash + 1;
  }
}

}  // namespace platform::posix
