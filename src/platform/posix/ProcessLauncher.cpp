#include "platform/ProcessLauncher.h"

#include <signal.h>
#include <spawn.h>
#include <unistd.h>

#include <string>

#include "platform/posix/Posix.h"

extern char** environ;

namespace platform {
namespace {

// Starts programs with posix_spawn. The new program gets default signal
// handling and an empty signal mask, so it starts as if from a shell, and
// inherits none of our descriptors (ours are all opened close-on-exec).
class SpawnProcessLauncher final : public ProcessLauncher {
 public:
  std::optional<SystemError> Start(const std::string& path) override {
    posix_spawnattr_t attributes;
    int error = ::posix_spawnattr_init(&attributes);
    if (error != 0) {
      return posix::MakeSystemError(error);
    }
    // Signals we ignore or block (Qt and SDL touch a few) must not leak into
    // the game.
    sigset_t all_signals;
    sigset_t no_signals;
    ::sigfillset(&all_signals);
    ::sigemptyset(&no_signals);
    ::posix_spawnattr_setsigdefault(&attributes, &all_signals);
    ::posix_spawnattr_setsigmask(&attributes, &no_signals);
    ::posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);

    std::string name = path;
    char* arguments[] = {name.data(), nullptr};
    pid_t child = 0;
    error = ::posix_spawn(&child, path.c_str(), nullptr, &attributes, arguments, environ);
    ::posix_spawnattr_destroy(&attributes);
    if (error != 0) {
      return posix::MakeSystemError(error);
    }
    return std::nullopt;
  }
};

}  // namespace

ProcessLauncher& RealProcessLauncher() {
  static SpawnProcessLauncher real;
  return real;
}

}  // namespace platform
