// The process-wide Vulkan findings: from the cache, or examined in a child
// process when the preload was started (see VulkanFindings.h).
#include "platform/posix/VulkanPreload.h"

#include <fcntl.h>
#include <limits.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstddef>
#include <system_error>
#include <thread>
#include <utility>

namespace platform::posix {
namespace {

// The examination takes a tenth of a second when the drivers are cached and
// a few seconds from a cold, slow disk. A child still busy after this is
// taken to hang in a driver: the tool then goes on as without Vulkan.
constexpr int kChildTimeoutMs = 15000;

[[noreturn]] void RunChild(int output) {
  const VulkanFindings findings = ExamineVulkan(kVulkanLoaderName);
  // A pipe takes a write this small whole or not at all.
  static_assert(sizeof findings <= PIPE_BUF);
  RetryOnInterrupt([&] { return write(output, &findings, sizeof findings); });
  // No exit handlers: they belong to the parent's copy of everything.
  _exit(0);
}

VulkanPreload& PreloadForThisProcess() {
  // Never destroyed: a process may end while the child still examines, and
  // should not wait for it then.
  static VulkanPreload* const preload =
      new VulkanPreload(VulkanFindingsCache::ForThisUser(), VulkanFingerprint::ForThisProcess());
  return *preload;
}

}  // namespace

std::optional<VulkanFindings> ReceiveFindings(int descriptor, int timeout_ms) {
  VulkanFindings findings;
  auto* bytes = reinterpret_cast<char*>(&findings);
  std::size_t received = 0;
  const std::int64_t deadline = MonotonicMs() + timeout_ms;
  while (received < sizeof findings) {
    const std::size_t count =
        ReadBefore(descriptor, bytes + received, sizeof findings - received, deadline);
    if (count == 0) return std::nullopt;
    received += count;
  }
  return findings;
}

VulkanPreload::VulkanPreload(VulkanFindingsCache cache, VulkanFingerprint fingerprint)
    : m_cache(std::move(cache)), m_fingerprint(std::move(fingerprint)) {}

VulkanPreload::~VulkanPreload() {
  if (m_child > 0) {
    kill(m_child, SIGKILL);
    RetryOnInterrupt([&] { return waitpid(m_child, nullptr, 0); });
  }
}

void VulkanPreload::LookUp() {
  m_fingerprint_text = m_fingerprint.Compute();
  m_findings = m_cache.Load(*m_fingerprint_text);
}

void VulkanPreload::Start() {
  const std::lock_guard<std::mutex> lock(m_mutex);
  if (m_fingerprint_text) {
    return;
  }
  LookUp();
  if (m_findings) {
    return;
  }
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) {
    return;
  }
  Descriptor output(ends[0]);
  pid_t child = -1;
  {
    const Descriptor input(ends[1]);
    child = fork();
    if (child == 0) {
      close(ends[0]);
      RunChild(ends[1]);
    }
  }
  if (child < 0) {
    return;
  }
  m_child = child;
  m_child_output = std::move(output);
}

void VulkanPreload::CollectChild(bool stop) {
  const pid_t child = std::exchange(m_child, -1);
  m_child_output = Descriptor();
  if (stop) {
    kill(child, SIGKILL);
  }
  // Collected as soon as it has ended rather than left a zombie for the rest
  // of the run. It ends right after its record, but unmapping the drivers
  // takes milliseconds, which the caller should not wait for.
  if (waitpid(child, nullptr, WNOHANG) != 0) {
    return;
  }
  try {
    std::thread([child] { RetryOnInterrupt([&] { return waitpid(child, nullptr, 0); }); }).detach();
  } catch (const std::system_error&) {
    // Without a thread of its own it stays a zombie until the tool ends.
  }
}

const VulkanFindings& VulkanPreload::Findings() {
  const std::lock_guard<std::mutex> lock(m_mutex);
  if (!m_findings && m_child > 0) {
    // A child that died, hung or sent a short record counts as a failed
    // examination for the rest of this process (asking again would meet the
    // same driver) but is not stored: a passing fault must not stick.
    const std::optional<VulkanFindings> received =
        ReceiveFindings(m_child_output.Get(), kChildTimeoutMs);
    CollectChild(!received);
    m_findings = received.value_or(VulkanFindings{});
    if (received) {
      m_cache.Store(*m_fingerprint_text, *received);
    }
  }
  if (!m_findings && !m_fingerprint_text) {
    LookUp();
  }
  if (!m_findings) {
    m_findings = ExamineVulkan(kVulkanLoaderName);
    m_cache.Store(*m_fingerprint_text, *m_findings);
  }
  return *m_findings;
}

void StartVulkanPreload() {
  PreloadForThisProcess().Start();
}

const VulkanFindings& VulkanFindingsForThisProcess() {
  return PreloadForThisProcess().Findings();
}

}  // namespace platform::posix
