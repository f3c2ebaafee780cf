// The process-wide Vulkan findings, examined in a child process when the
// preload was started (see VulkanFindings.h).
#include "platform/posix/VulkanFindings.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstddef>
#include <mutex>
#include <optional>

namespace platform {
namespace {

// The examination takes a tenth of a second when the drivers are cached and
// a few seconds from a cold, slow disk. A child still busy after this is
// taken to hang in a driver: the tool then goes on as without Vulkan.
constexpr int kChildTimeoutMs = 15000;

std::mutex s_mutex;
std::optional<VulkanFindings> s_findings;
pid_t s_child = -1;
int s_child_output = -1;

long long NowMs() {
  timespec now{};
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

[[noreturn]] void RunChild(int output) {
  const VulkanFindings findings = ExamineVulkan(kVulkanLoaderName);
  const auto* bytes = reinterpret_cast<const char*>(&findings);
  std::size_t written = 0;
  while (written < sizeof findings) {
    const ssize_t count = write(output, bytes + written, sizeof findings - written);
    if (count < 0 && errno == EINTR) {
      continue;
    }
    if (count <= 0) {
      break;
    }
    written += static_cast<std::size_t>(count);
  }
  // No exit handlers: they belong to the parent's copy of everything.
  _exit(0);
}

// The child is gone or going; a slow one is stopped. One that has not quite
// ended yet is left to the system, which collects it when the tool ends.
void ReleaseChild(bool stop) {
  if (stop) {
    kill(s_child, SIGKILL);
    waitpid(s_child, nullptr, 0);
  } else {
    waitpid(s_child, nullptr, WNOHANG);
  }
  close(s_child_output);
  s_child = -1;
  s_child_output = -1;
}

}  // namespace

std::optional<VulkanFindings> ReceiveFindings(int descriptor, int timeout_ms) {
  VulkanFindings findings;
  auto* bytes = reinterpret_cast<char*>(&findings);
  std::size_t received = 0;
  const long long deadline = NowMs() + timeout_ms;
  while (received < sizeof findings) {
    const long long left = deadline - NowMs();
    if (left <= 0) {
      return std::nullopt;
    }
    pollfd entry{descriptor, POLLIN, 0};
    const int ready = poll(&entry, 1, static_cast<int>(left));
    if (ready < 0 && errno == EINTR) {
      continue;
    }
    if (ready <= 0) {
      return std::nullopt;
    }
    const ssize_t count = read(descriptor, bytes + received, sizeof findings - received);
    if (count < 0 && errno == EINTR) {
      continue;
    }
    if (count <= 0) {
      return std::nullopt;
    }
    received += static_cast<std::size_t>(count);
  }
  return findings;
}

void StartVulkanPreload() {
  const std::lock_guard<std::mutex> lock(s_mutex);
  if (s_findings || s_child > 0) {
    return;
  }
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) {
    return;
  }
  const pid_t child = fork();
  if (child == 0) {
    close(ends[0]);
    RunChild(ends[1]);
  }
  close(ends[1]);
  if (child < 0) {
    close(ends[0]);
    return;
  }
  s_child = child;
  s_child_output = ends[0];
}

const VulkanFindings& ProcessVulkanFindings() {
  const std::lock_guard<std::mutex> lock(s_mutex);
  if (!s_findings && s_child > 0) {
    // A child that died or hung counts as a failed examination: asking again
    // in this process would meet the same driver.
    const std::optional<VulkanFindings> received =
        ReceiveFindings(s_child_output, kChildTimeoutMs);
    s_findings = received.value_or(VulkanFindings{});
    ReleaseChild(!received);
  }
  if (!s_findings) {
    s_findings = ExamineVulkan(kVulkanLoaderName);
  }
  return *s_findings;
}

}  // namespace platform
