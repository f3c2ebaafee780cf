#pragma once

#include <optional>
#include <string>

#include "platform/posix/VulkanFindings.h"

namespace platform::posix {

// The findings of the last Vulkan examination, kept in the user's cache
// folder with the fingerprint of the machine they were found on, so that a
// later start on an unchanged machine need not examine again.
//
// The cache is not configuration: it only spares the wait for an examination
// that would find the same, nothing in it changes what the tool does, and
// deleting it is always safe. The file is treated as untrusted input: one that
// is not this user's own regular file, has the wrong size, magic, format
// version or checksum, or holds another fingerprint, is a miss.
class VulkanFindingsCache {
 public:
  // The tool's folder in $XDG_CACHE_HOME, else in ~/.cache; a cache that keeps
  // nothing when neither can be named.
  static VulkanFindingsCache ForThisUser();

  // The cache file in `folder`, which Store makes (with its parent) if missing.
  explicit VulkanFindingsCache(std::string folder);

  // The findings stored with exactly `fingerprint`, if the file is sound.
  std::optional<VulkanFindings> Load(const std::string& fingerprint) const;

  // Replaces the file at once (a temporary file renamed into place); a
  // failure leaves things as they were and is not reported.
  void Store(const std::string& fingerprint, const VulkanFindings& findings) const;

  // Empty for a cache that keeps nothing.
  const std::string& FilePath() const { return m_file; }

 private:
  std::string m_folder;
  std::string m_file;
};

}  // namespace platform::posix
