#include "platform/ProcessFolders.h"

#include <errno.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "platform/posix/Posix.h"

namespace platform {

PathKind GetPathKind(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) {
    // A name on the way that is a file hides the rest as surely as none.
    return errno == ENOENT || errno == ENOTDIR ? PathKind::kMissing : PathKind::kUnknown;
  }
  return S_ISDIR(info.st_mode) ? PathKind::kFolder : PathKind::kOther;
}

std::optional<SystemError> EnterFolder(const std::string& path) {
  if (::chdir(path.c_str()) == 0) return std::nullopt;
  return posix::MakeSystemError(errno);
}

// The kernel's link to the running program: symbolic links on the way to it
// are already resolved, so the folder is the one the file really lies in.
std::optional<std::string> ProgramFolder() {
  std::vector<char> buffer(256);
  for (;;) {
    const ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) return std::nullopt;
    if (static_cast<std::size_t>(length) < buffer.size()) {
      const std::string program(buffer.data(), static_cast<std::size_t>(length));
      const std::size_t slash = program.rfind('/');
      if (slash == std::string::npos) return std::nullopt;
      return slash == 0 ? std::string("/") : program.substr(0, slash);
    }
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace platform
