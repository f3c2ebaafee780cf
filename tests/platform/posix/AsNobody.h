#pragma once

#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

// The user the tests act as when they play another user (root only).
constexpr uid_t kNobody = 65534;

// Runs `work` in a child process as the user nobody: its exit code, 100 when
// the child could not become nobody, 101 when it did not exit.
template <typename Work>
int AsNobody(Work work) {
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(100);
    ::_exit(work());
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) return 101;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 101;
}
