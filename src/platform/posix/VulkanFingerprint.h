#pragma once

#include <string>
#include <vector>

namespace platform::posix {

// Names everything the Vulkan examination's findings depend on, so that
// findings kept from an earlier run can be trusted while it stays the same:
// - the loader library that would be loaded, and the dynamic linker's cache;
// - every driver and layer manifest where the loader looks, and the library
//   each one names;
// - the display devices (vendor and device ids, the bound kernel driver, the
//   device nodes and whether this user may open them), the kernel, the user
//   and its groups;
// - the environment variables that choose drivers and layers.
// Files count by path, size, times and inode, so a package update or a new
// manifest changes the fingerprint without any file being read in full.
// Computing it takes a few dozen system calls.
class VulkanFingerprint {
 public:
  // Where this process's loader would look, from its environment as the
  // loader reads it.
  static VulkanFingerprint ForThisProcess();

  // `manifest_places`: folders of *.json manifests, or manifest files.
  // `library_folders`: where a library named without a folder is found.
  VulkanFingerprint(std::vector<std::string> manifest_places,
                    std::vector<std::string> library_folders);

  // Equal texts for an unchanged machine and environment.
  std::string Compute() const;

 private:
  std::vector<std::string> m_manifest_places;
  std::vector<std::string> m_library_folders;
};

}  // namespace platform::posix
