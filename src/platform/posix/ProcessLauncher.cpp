#include "platform/ProcessLauncher.h"

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "platform/posix/CaseFoldedPath.h"
#include "platform/posix/Posix.h"

extern char** environ;

namespace platform::posix {
namespace {

enum class Search { kNone, kPath };

// Starts `program` with `arguments` by posix_spawn, looking it up along the
// search path only when asked. The new program gets default signal handling
// and an empty signal mask, so it starts as if from a shell, and inherits
// none of our descriptors (ours are all opened close-on-exec). Returns the
// error number, 0 when it started.
int Spawn(const std::string& program, char* const arguments[], Search search) {
  posix_spawnattr_t attributes;
  int error = ::posix_spawnattr_init(&attributes);
  if (error != 0) return error;
  // Signals we ignore or block (Qt and SDL touch a few) must not leak into
  // the game.
  sigset_t all_signals;
  sigset_t no_signals;
  ::sigfillset(&all_signals);
  ::sigemptyset(&no_signals);
  ::posix_spawnattr_setsigdefault(&attributes, &all_signals);
  ::posix_spawnattr_setsigmask(&attributes, &no_signals);
  ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
  pid_t child = 0;
  error = search == Search::kPath
              ? ::posix_spawnp(&child, program.c_str(), nullptr, &attributes, arguments, environ)
              : ::posix_spawn(&child, program.c_str(), nullptr, &attributes, arguments, environ);
  ::posix_spawnattr_destroy(&attributes);
  return error;
}

// True when `path` is a regular file that begins with "MZ", the mark of a
// DOS or Windows executable. Opened without blocking, so that a pipe or a
// device placed under the program's name cannot hold the tool up.
bool IsWindowsProgram(const std::string& path) {
  const Descriptor file(
      RetryOnInterrupt([&] { return ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK); }));
  struct stat info {};
  if (!file.Valid() || ::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
  char mark[2] = {};
  const ssize_t count = RetryOnInterrupt([&] { return ::read(file.Get(), mark, sizeof mark); });
  return count == 2 && mark[0] == 'M' && mark[1] == 'Z';
}

std::string FileName(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Starts the Windows program at `path` through Wine: `$WINE` when it names
// one, else `wine` along the search path, with the program as its only
// argument, in our folder and with our environment.
std::optional<SystemError> StartThroughWine(const std::string& path) {
  const char* chosen = ::getenv("WINE");
  const bool named = chosen != nullptr && *chosen != '\0';
  std::string wine = named ? chosen : "wine";
  std::string program = path;
  char* arguments[] = {wine.data(), program.data(), nullptr};
  const int error = Spawn(wine, arguments, Search::kPath);
  if (error == 0) return std::nullopt;
  const std::string name = FileName(path);
  if (error == ENOENT && !named) {
    return SystemError{error, name +
                                  " is a Windows program, and Wine, which runs Windows programs "
                                  "on this system, is not installed (there is no \"wine\" on the "
                                  "PATH). Install Wine (on Debian and Ubuntu, the package "
                                  "\"wine\"), then start the game again."};
  }
  return SystemError{error, name + " is a Windows program, and the Wine that should run it (" +
                                wine + (named ? ", named by WINE" : "") +
                                ") cannot be started: " + ErrorText(error) + "."};
}

// Starts programs directly, and Windows programs that the system cannot run
// itself through Wine. A system whose binfmt_misc hands such files to a
// runner of its own starts them directly, as the user set it up; Wine is
// used when the direct start fails for want of a format handler (ENOEXEC) or
// of the execute permission (EACCES, as for files copied from a Windows
// disk). Everything else starts, or fails, as itself.
class SpawnProcessLauncher final : public ProcessLauncher {
 public:
  std::optional<SystemError> Start(const std::string& given_path) override {
    // The game's files may be spelled in any case on disk, its program too.
    const std::string path = ResolveCase(given_path);
    std::string name = path;
    char* arguments[] = {name.data(), nullptr};
    const int error = Spawn(path, arguments, Search::kNone);
    if (error == 0) return std::nullopt;
    if ((error == ENOEXEC || error == EACCES) && IsWindowsProgram(path)) {
      return StartThroughWine(path);
    }
    return MakeSystemError(error);
  }
};

}  // namespace
}  // namespace platform::posix

namespace platform {

ProcessLauncher& RealProcessLauncher() {
  static posix::SpawnProcessLauncher real;
  return real;
}

}  // namespace platform
