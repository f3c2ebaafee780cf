#include "platform/posix/VulkanFindingsCache.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <utility>

#include "platform/posix/Posix.h"

namespace platform::posix {
namespace {

// The file: magic, format version, fingerprint size, the six findings as
// 32-bit little-endian numbers, the fingerprint, and a checksum of all that.
// Raise the version whenever the findings or their meaning change.
constexpr std::string_view kMagic = "QVVKFIND";
constexpr std::uint32_t kFormatVersion = 1;
constexpr std::size_t kFieldCount = 6;
constexpr std::size_t kHeaderSize = kMagic.size() + 4 + 4 + kFieldCount * 4;
constexpr std::size_t kChecksumSize = 8;
constexpr std::size_t kMaxFingerprintSize = 64 * 1024;
constexpr const char* kFileName = "vulkan-findings";
constexpr const char* kToolFolder = "qvconfig";

void PutNumber(std::string& out, std::uint64_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

std::uint64_t GetNumber(std::string_view text, std::size_t at, int bytes) {
  std::uint64_t value = 0;
  for (int i = 0; i < bytes; ++i) {
    value |= std::uint64_t{static_cast<unsigned char>(text[at + i])} << (8 * i);
  }
  return value;
}

// FNV-1a: a torn or damaged file, not a forged one, is what it guards against.
std::uint64_t Checksum(std::string_view bytes) {
  std::uint64_t hash = 0xcbf29ce484222325ULL;
  for (const char byte : bytes) {
    hash ^= static_cast<unsigned char>(byte);
    hash *= 0x100000001b3ULL;
  }
  return hash;
}

std::string Encode(const std::string& fingerprint, const VulkanFindings& findings) {
  std::string out(kMagic);
  PutNumber(out, kFormatVersion, 4);
  PutNumber(out, fingerprint.size(), 4);
  const std::array<std::uint32_t, kFieldCount> fields = {
      findings.loader_loaded,
      findings.instance_created,
      findings.devices_enumerated,
      findings.device_count,
      static_cast<std::uint32_t>(findings.first_device_type),
      findings.loader_version};
  for (const std::uint32_t field : fields) PutNumber(out, field, 4);
  out += fingerprint;
  PutNumber(out, Checksum(out), kChecksumSize);
  return out;
}

std::optional<VulkanFindings> Decode(std::string_view text, const std::string& fingerprint) {
  const std::size_t body = kHeaderSize + fingerprint.size();
  if (text.size() != body + kChecksumSize || !text.starts_with(kMagic) ||
      GetNumber(text, kMagic.size(), 4) != kFormatVersion ||
      GetNumber(text, kMagic.size() + 4, 4) != fingerprint.size() ||
      GetNumber(text, body, kChecksumSize) != Checksum(text.substr(0, body)) ||
      text.substr(kHeaderSize, fingerprint.size()) != fingerprint) {
    return std::nullopt;
  }
  std::array<std::uint32_t, kFieldCount> fields{};
  for (std::size_t i = 0; i < kFieldCount; ++i) {
    fields[i] = static_cast<std::uint32_t>(GetNumber(text, kMagic.size() + 8 + 4 * i, 4));
  }
  VulkanFindings findings;
  findings.loader_loaded = fields[0] == 1;
  findings.instance_created = fields[1] == 1;
  findings.devices_enumerated = fields[2] == 1;
  findings.device_count = fields[3];
  findings.first_device_type = static_cast<std::int32_t>(fields[4]);
  findings.loader_version = fields[5];
  // Only what an examination can find: each step needs the one before.
  const bool sound = fields[0] <= 1 && fields[1] <= 1 && fields[2] <= 1 &&
                     (findings.loader_loaded || !findings.instance_created) &&
                     (findings.instance_created || !findings.devices_enumerated) &&
                     (findings.devices_enumerated || findings.device_count == 0) &&
                     (findings.device_count > 0) == (findings.first_device_type >= 0) &&
                     findings.first_device_type >= -1;
  return sound ? std::optional(findings) : std::nullopt;
}

bool WriteAll(int descriptor, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t count =
        RetryOnInterrupt([&] { return ::write(descriptor, bytes.data(), bytes.size()); });
    if (count <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(count));
  }
  return true;
}

}  // namespace

VulkanFindingsCache VulkanFindingsCache::ForThisUser() {
  // Only absolute paths count, as the base-directory rules say.
  const char* cache_home = std::getenv("XDG_CACHE_HOME");
  if (cache_home != nullptr && cache_home[0] == '/') {
    return VulkanFindingsCache(std::string(cache_home) + "/" + kToolFolder);
  }
  const char* home = std::getenv("HOME");
  if (home != nullptr && home[0] == '/') {
    return VulkanFindingsCache(std::string(home) + "/.cache/" + kToolFolder);
  }
  return VulkanFindingsCache("");
}

VulkanFindingsCache::VulkanFindingsCache(std::string folder)
    : m_folder(std::move(folder)), m_file(m_folder.empty() ? "" : m_folder + "/" + kFileName) {}

std::optional<VulkanFindings> VulkanFindingsCache::Load(const std::string& fingerprint) const {
  if (m_file.empty() || fingerprint.size() > kMaxFingerprintSize) return std::nullopt;
  // No following a link, no waiting on a pipe or a device put in its place.
  const Descriptor file(
      ::open(m_file.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY));
  struct stat info {};
  if (!file.Valid() || ::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode) ||
      info.st_uid != ::geteuid() ||
      static_cast<std::uint64_t>(info.st_size) !=
          kHeaderSize + fingerprint.size() + kChecksumSize) {
    return std::nullopt;
  }
  return Decode(ReadUpTo(file.Get(), static_cast<std::size_t>(info.st_size)), fingerprint);
}

void VulkanFindingsCache::Store(const std::string& fingerprint,
                                const VulkanFindings& findings) const {
  if (m_file.empty() || fingerprint.size() > kMaxFingerprintSize) return;
  // The base folder may not exist yet on a fresh account; it is private.
  ::mkdir(m_folder.substr(0, m_folder.rfind('/')).c_str(), 0700);
  ::mkdir(m_folder.c_str(), 0700);
  std::string temporary = m_file + ".XXXXXX";
  bool written = false;
  {
    const Descriptor file(::mkostemp(temporary.data(), O_CLOEXEC));
    if (!file.Valid()) return;
    written = WriteAll(file.Get(), Encode(fingerprint, findings));
  }
  // No fsync: a file torn by a crash fails its checksum and is examined anew.
  if (!written || ::rename(temporary.c_str(), m_file.c_str()) != 0) {
    ::unlink(temporary.c_str());
  }
}

}  // namespace platform::posix
