#pragma once

#include <sys/types.h>

#include <mutex>
#include <optional>
#include <string>

#include "platform/posix/Posix.h"
#include "platform/posix/VulkanFindings.h"
#include "platform/posix/VulkanFindingsCache.h"
#include "platform/posix/VulkanFingerprint.h"

namespace platform::posix {

// One examination of the Vulkan loader and its drivers, answered from the
// cache when the machine is unchanged since it was stored, else run in a
// child process (see VulkanFindingsForThisProcess). The process-wide one serves the
// real adapter and runtime; tests make their own with their own cache.
class VulkanPreload {
 public:
  VulkanPreload(VulkanFindingsCache cache, VulkanFingerprint fingerprint);
  // Stops and collects a child still examining.
  ~VulkanPreload();
  VulkanPreload(const VulkanPreload&) = delete;
  VulkanPreload& operator=(const VulkanPreload&) = delete;

  // Looks the machine up in the cache; on a miss, forks the examination.
  // Call it before the process starts any thread; again, it does nothing.
  void Start();

  // The findings: from the cache, from the child (waiting for it), or, without
  // a start, from the cache or an examination on this thread. Findings from
  // an examination that ended well are stored in the cache.
  const VulkanFindings& Findings();

 private:
  void LookUp();
  // Done with the child: stops it when `stop`, and collects it once it ends.
  void CollectChild(bool stop);

  std::mutex m_mutex;
  VulkanFindingsCache m_cache;
  VulkanFingerprint m_fingerprint;
  // Taken before the examination: a change while it runs then shows at the
  // next start as a miss, never as stale findings.
  std::optional<std::string> m_fingerprint_text;
  std::optional<VulkanFindings> m_findings;
  pid_t m_child = -1;
  Descriptor m_child_output;
};

}  // namespace platform::posix
