#include "platform/posix/VulkanFingerprint.h"

#include <dirent.h>
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <string_view>
#include <utility>

#include "platform/posix/ManifestReader.h"
#include "platform/posix/Posix.h"
#include "platform/posix/VulkanFindings.h"

namespace platform::posix {
namespace {

// Manifests are a few hundred bytes; a larger one is read only this far.
constexpr std::size_t kManifestLimit = 64 * 1024;
constexpr std::size_t kSysfsValueLimit = 64;

// Variables that choose drivers and layers besides the loader's own VK_*:
// the dynamic linker's, and the device choice of the Mesa selection layer.
constexpr const char* kEnvironmentNames[] = {"LD_LIBRARY_PATH", "LD_PRELOAD", "DRI_PRIME"};
constexpr const char* kEnvironmentPrefixes[] = {"VK_", "MESA_VK_"};

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr ? value : "";
}

// A colon-separated list, as the loader and the dynamic linker read them.
std::vector<std::string> SplitList(const std::string& text) {
  std::vector<std::string> items;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find(':', start), text.size());
    if (end > start) items.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return items;
}

std::string TimeText(const timespec& time) {
  return std::to_string(time.tv_sec) + "." + std::to_string(time.tv_nsec);
}

// One line for a file: its path and, when it exists, what changes whenever
// it is replaced or edited.
void AddFile(std::string& out, std::string_view kind, const std::string& path) {
  out.append(kind).append(" ").append(path);
  struct stat info {};
  if (::stat(path.c_str(), &info) == 0) {
    out.append(" ").append(std::to_string(info.st_size));
    out.append(" ").append(TimeText(info.st_mtim));
    out.append(" ").append(TimeText(info.st_ctim));
    out.append(" ").append(std::to_string(info.st_ino));
  } else {
    out.append(" -");
  }
  out.append("\n");
}

// The sorted names in `folder`; nothing when it is not a folder that can be
// read, and `not_folder` says whether it exists as something else.
std::vector<std::string> FolderEntries(const std::string& folder, bool* not_folder = nullptr) {
  std::vector<std::string> names;
  DIR* listing = ::opendir(folder.c_str());
  if (not_folder != nullptr) *not_folder = listing == nullptr && errno == ENOTDIR;
  if (listing == nullptr) return names;
  while (const dirent* entry = ::readdir(listing)) {
    const std::string_view name = entry->d_name;
    if (name != "." && name != "..") names.emplace_back(name);
  }
  ::closedir(listing);
  std::sort(names.begin(), names.end());
  return names;
}

std::string ReadSmallFile(const std::string& path, std::size_t limit) {
  const Descriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  return file.Valid() ? ReadUpTo(file.Get(), limit) : std::string();
}

// A library path as a manifest gives it: with a folder it is taken as it is,
// or relative to the manifest; a bare name is searched for by the dynamic
// linker, so each folder it may come from counts.
void AddLibrary(std::string& out, const std::string& manifest, const std::string& library,
                const std::vector<std::string>& library_folders) {
  if (library.find('/') == std::string::npos) {
    for (const std::string& folder : library_folders) {
      AddFile(out, "library", folder + "/" + library);
    }
  } else if (library.front() == '/') {
    AddFile(out, "library", library);
  } else {
    AddFile(out, "library", manifest.substr(0, manifest.rfind('/') + 1) + library);
  }
}

void AddManifest(std::string& out, const std::string& path,
                 const std::vector<std::string>& library_folders,
                 std::set<std::string>& environment_names) {
  AddFile(out, "manifest", path);
  const std::string text = ReadSmallFile(path, kManifestLimit);
  const ManifestReader reader(text);
  for (const std::string& library : reader.StringValues("library_path")) {
    if (!library.empty()) AddLibrary(out, path, library, library_folders);
  }
  // A layer may be switched on or off by variables of its own choosing.
  for (const char* key : {"enable_environment", "disable_environment"}) {
    for (std::string& name : reader.ObjectKeys(key)) environment_names.insert(std::move(name));
  }
}

std::string FirstLine(std::string text) {
  text.erase(std::min(text.find('\n'), text.size()));
  return text;
}

// The display devices: a driver sees only what is plugged in and what this
// user may open.
void AddDevices(std::string& out) {
  const std::string drm = "/sys/class/drm/";
  for (const std::string& name : FolderEntries(drm)) {
    // Connectors ("card0-HDMI-A-1") belong to their card.
    if (name.find('-') != std::string::npos) continue;
    const std::string device = drm + name + "/device/";
    const std::string vendor = FirstLine(ReadSmallFile(device + "vendor", kSysfsValueLimit));
    if (vendor.empty()) continue;
    char driver[256] = {};
    const ssize_t length = ::readlink((device + "driver").c_str(), driver, sizeof driver - 1);
    const std::string_view driver_path(driver, length > 0 ? static_cast<std::size_t>(length) : 0);
    out.append("drm ").append(name).append(" ").append(vendor).append(" ");
    out.append(FirstLine(ReadSmallFile(device + "device", kSysfsValueLimit))).append(" ");
    out.append(driver_path.substr(driver_path.rfind('/') + 1)).append("\n");
  }
  const std::string dri = "/dev/dri/";
  for (const std::string& name : FolderEntries(dri)) {
    const std::string path = dri + name;
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) continue;
    const bool usable = ::faccessat(AT_FDCWD, path.c_str(), R_OK | W_OK, AT_EACCESS) == 0;
    out.append("dri ").append(name).append(" ");
    out.append(std::to_string(major(info.st_rdev))).append(":");
    out.append(std::to_string(minor(info.st_rdev))).append(usable ? " rw\n" : " -\n");
  }
}

void AddIdentity(std::string& out) {
  utsname system{};
  if (::uname(&system) == 0) {
    out.append("kernel ").append(system.release).append(" ").append(system.machine).append("\n");
  }
  out.append("user ").append(std::to_string(::geteuid())).append(" ");
  out.append(std::to_string(::getegid()));
  gid_t groups[256];
  const int count = ::getgroups(256, groups);
  std::sort(groups, groups + std::max(count, 0));
  for (int i = 0; i < count; ++i) out.append(" ").append(std::to_string(groups[i]));
  out.append("\n");
  // A new build of the tool may examine differently.
  AddFile(out, "tool", "/proc/self/exe");
}

void AddEnvironment(std::string& out, std::set<std::string> names) {
  names.insert(std::begin(kEnvironmentNames), std::end(kEnvironmentNames));
  std::vector<std::string_view> chosen;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string_view text = *entry;
    const std::string_view name = text.substr(0, text.find('='));
    const bool prefixed =
        std::any_of(std::begin(kEnvironmentPrefixes), std::end(kEnvironmentPrefixes),
                    [&](const char* prefix) { return name.starts_with(prefix); });
    if (prefixed || names.contains(std::string(name))) chosen.push_back(text);
  }
  std::sort(chosen.begin(), chosen.end());
  for (const std::string_view entry : chosen) out.append("env ").append(entry).append("\n");
}

// The folder of the C library this process runs with: the dynamic linker's
// own folder for the architecture.
std::string SystemLibraryFolder() {
  Dl_info info{};
  if (::dladdr(reinterpret_cast<void*>(&::getpid), &info) == 0 || info.dli_fname == nullptr) {
    return "";
  }
  const std::string path = info.dli_fname;
  return path.substr(0, path.rfind('/'));
}

}  // namespace

VulkanFingerprint::VulkanFingerprint(std::vector<std::string> manifest_places,
                                     std::vector<std::string> library_folders)
    : m_manifest_places(std::move(manifest_places)),
      m_library_folders(std::move(library_folders)) {}

VulkanFingerprint VulkanFingerprint::ForThisProcess() {
  const std::string home = Variable("HOME");
  auto either = [](std::string value, std::string fallback) {
    return value.empty() ? fallback : value;
  };
  const std::string config_home =
      either(Variable("XDG_CONFIG_HOME"), home.empty() ? "" : home + "/.config");
  const std::string data_home =
      either(Variable("XDG_DATA_HOME"), home.empty() ? "" : home + "/.local/share");
  // The loader's order: the user's, the system's configuration, then data.
  std::vector<std::string> bases;
  if (!config_home.empty()) bases.push_back(config_home);
  for (std::string& folder : SplitList(either(Variable("XDG_CONFIG_DIRS"), "/etc/xdg"))) {
    bases.push_back(std::move(folder));
  }
  bases.insert(bases.end(), {"/usr/local/etc", "/etc"});
  if (!data_home.empty()) bases.push_back(data_home);
  for (std::string& folder :
       SplitList(either(Variable("XDG_DATA_DIRS"), "/usr/local/share:/usr/share"))) {
    bases.push_back(std::move(folder));
  }

  std::vector<std::string> places;
  // Each kind of manifest: a variable that replaces the search, one that adds
  // to it, and the folder searched otherwise.
  auto add_kind = [&](std::string replacing, const char* adding, const char* folder) {
    for (std::string& place : SplitList(Variable(adding))) places.push_back(std::move(place));
    std::vector<std::string> chosen = SplitList(replacing);
    if (chosen.empty()) {
      for (const std::string& base : bases) chosen.push_back(base + "/vulkan/" + folder);
    }
    places.insert(places.end(), chosen.begin(), chosen.end());
  };
  add_kind(either(Variable("VK_DRIVER_FILES"), Variable("VK_ICD_FILENAMES")), "VK_ADD_DRIVER_FILES",
           "icd.d");
  add_kind(Variable("VK_IMPLICIT_LAYER_PATH"), "VK_ADD_IMPLICIT_LAYER_PATH", "implicit_layer.d");
  // Explicit layers load only when asked for, but a meta-layer may ask.
  add_kind(Variable("VK_LAYER_PATH"), "VK_ADD_LAYER_PATH", "explicit_layer.d");

  std::vector<std::string> folders = SplitList(Variable("LD_LIBRARY_PATH"));
  const std::string system_folder = SystemLibraryFolder();
  if (!system_folder.empty()) folders.push_back(system_folder);
  if (system_folder.starts_with("/lib/")) folders.push_back("/usr" + system_folder);
  folders.insert(folders.end(), {"/usr/local/lib", "/lib64", "/usr/lib64", "/lib", "/usr/lib"});
  std::vector<std::string> unique;
  for (std::string& folder : folders) {
    if (std::find(unique.begin(), unique.end(), folder) == unique.end()) {
      unique.push_back(std::move(folder));
    }
  }
  return VulkanFingerprint(std::move(places), std::move(unique));
}

std::string VulkanFingerprint::Compute() const {
  std::string out;
  out.reserve(4096);
  AddIdentity(out);
  // The dynamic linker finds the loader through its cache first, then in
  // these folders.
  AddFile(out, "linker-cache", "/etc/ld.so.cache");
  for (const std::string& folder : m_library_folders) {
    AddFile(out, "loader", folder + "/" + kVulkanLoaderName);
  }
  std::set<std::string> environment_names;
  for (const std::string& place : m_manifest_places) {
    bool is_file = false;
    const std::vector<std::string> names = FolderEntries(place, &is_file);
    if (is_file) AddManifest(out, place, m_library_folders, environment_names);
    for (const std::string& name : names) {
      if (name.ends_with(".json")) {
        AddManifest(out, place + "/" + name, m_library_folders, environment_names);
      }
    }
  }
  AddDevices(out);
  AddEnvironment(out, std::move(environment_names));
  return out;
}

}  // namespace platform::posix
