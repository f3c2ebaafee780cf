// The process-wide Vulkan findings, examined in a child process when the
// preload was started (see VulkanFindings.h).
#include "platform/posix/VulkanFindings.h"

#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstddef>
#include <mutex>
#include <optional>

#include "platform/posix/Posix.h"

namespace platform {
namespace {

// The examination takes a tenth of a second when the drivers are cached and
// a few seconds from a cold, slow disk. A child still busy after this is
// taken to hang in a driver: the tool then goes on as without Vulkan.
constexpr int kChildTimeoutMs = 15000;

std::mutex s_mutex;
std::optional<VulkanFindings> s_findings;
pid_t s_child = -1;
posix::Descriptor s_child_output;

[[noreturn]] void RunChild(int output) {
  const VulkanFindings findings = ExamineVulkan(kVulkanLoaderName);
  // A pipe takes a write this small whole or not at all.
  static_assert(sizeof findings <= PIPE_BUF);
  posix::RetryOnInterrupt([&] { return write(output, &findings, sizeof findings); });
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
  s_child = -1;
  s_child_output = posix::Descriptor();
}

}  // namespace

std::optional<VulkanFindings> ReceiveFindings(int descriptor, int timeout_ms) {
  VulkanFindings findings;
  auto* bytes = reinterpret_cast<char*>(&findings);
  std::size_t received = 0;
  const std::int64_t deadline = posix::MonotonicMs() + timeout_ms;
  while (received < sizeof findings) {
    const std::size_t count =
        posix::ReadBefore(descriptor, bytes + received, sizeof findings - received, deadline);
    if (count == 0) return std::nullopt;
    received += count;
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
  posix::Descriptor output(ends[0]);
  pid_t child = -1;
  {
    const posix::Descriptor input(ends[1]);
    child = fork();
    if (child == 0) {
      close(ends[0]);
      RunChild(ends[1]);
    }
  }
  if (child < 0) {
    return;
  }
  s_child = child;
  s_child_output = std::move(output);
}

const VulkanFindings& ProcessVulkanFindings() {
  const std::lock_guard<std::mutex> lock(s_mutex);
  if (!s_findings && s_child > 0) {
    // A child that died or hung counts as a failed examination: asking again
    // in this process would meet the same driver.
    const std::optional<VulkanFindings> received =
        ReceiveFindings(s_child_output.Get(), kChildTimeoutMs);
    s_findings = received.value_or(VulkanFindings{});
    ReleaseChild(!received);
  }
  if (!s_findings) {
    s_findings = ExamineVulkan(kVulkanLoaderName);
  }
  return *s_findings;
}

}  // namespace platform
