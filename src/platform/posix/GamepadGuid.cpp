#include "platform/posix/GamepadGuid.h"

#include <algorithm>
#include <cctype>
#include <cstddef>

namespace platform::posix {
namespace {

constexpr std::size_t kMaxSysfsPathLength = 1024;
constexpr std::size_t kMaxDeviceNameLength = 32;

enum class Discriminator : std::uint8_t { kNone = 0, kSerial = 1, kPort = 2 };

// FNV-1a, 64 bits.
class Fnv1a {
 public:
  explicit Fnv1a(std::uint8_t lane) { AddByte(lane); }
  void AddByte(std::uint8_t byte) {
    m_hash ^= byte;
    m_hash *= 0x100000001b3ULL;
  }
  void AddU32(std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) AddByte(static_cast<std::uint8_t>(value >> shift));
  }
  void AddText(std::string_view text) {
    AddU32(static_cast<std::uint32_t>(text.size()));
    for (char c : text) AddByte(static_cast<std::uint8_t>(c));
  }
  std::uint64_t Value() const { return m_hash; }

 private:
  std::uint64_t m_hash = 0xcbf29ce484222325ULL;
};

Discriminator KindOf(const GamepadIdentity& pad) {
  if (!pad.serial.empty()) return Discriminator::kSerial;
  if (!pad.port.empty()) return Discriminator::kPort;
  return Discriminator::kNone;
}

std::string_view ValueOf(const GamepadIdentity& pad) {
  switch (KindOf(pad)) {
    case Discriminator::kSerial:
      return pad.serial;
    case Discriminator::kPort:
      return pad.port;
    case Discriminator::kNone:
      break;
  }
  return {};
}

std::uint64_t Hash(std::uint8_t lane, const GamepadIdentity& pad, std::uint32_t ordinal) {
  Fnv1a hash(lane);
  for (std::uint8_t byte : pad.device_guid) hash.AddByte(byte);
  hash.AddByte(static_cast<std::uint8_t>(KindOf(pad)));
  hash.AddText(ValueOf(pad));
  hash.AddU32(ordinal);
  return hash.Value();
}

bool SameDiscriminator(const GamepadIdentity& a, const GamepadIdentity& b) {
  return a.device_guid == b.device_guid && KindOf(a) == KindOf(b) && ValueOf(a) == ValueOf(b);
}

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
  });
}

bool AllHexDigits(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return std::isxdigit(static_cast<unsigned char>(c)) != 0; });
}

// Lower-case letters, then a number: how the kernel names device nodes.
bool IsNodeName(std::string_view name) {
  const std::size_t digits = name.find_first_of("0123456789");
  return name.size() <= kMaxDeviceNameLength && digits != 0 && digits != std::string_view::npos &&
         std::all_of(name.begin(), name.begin() + static_cast<std::ptrdiff_t>(digits),
                     [](char c) { return c >= 'a' && c <= 'z'; }) &&
         AllDigits(name.substr(digits));
}

// "event7", "js0", "input23", "hidraw3": names the kernel numbers anew at each plug.
bool IsNumberedNode(std::string_view component) {
  for (std::string_view prefix : {"input", "event", "js", "hidraw"}) {
    if (component.starts_with(prefix) && AllDigits(component.substr(prefix.size()))) return true;
  }
  return false;
}

// A HID device is "BBBB:VVVV:PPPP.NNNN"; the last part counts plugs.
bool IsHidDevice(std::string_view component) {
  return component.size() == 19 && component[4] == ':' && component[9] == ':' &&
         component[14] == '.' && AllHexDigits(component.substr(0, 4)) &&
         AllHexDigits(component.substr(5, 4)) && AllHexDigits(component.substr(10, 4)) &&
         AllHexDigits(component.substr(15, 4));
}

}  // namespace

// Two FNV-1a lanes over the inputs, laid out as a version-8 (custom) UUID:
// the version nibble alone keeps every result apart from the all-zero GUID
// and from the keyboard's (version 2).
Guid DeriveInstanceGuid(const GamepadIdentity& pad, std::uint32_t ordinal) {
  const std::uint64_t high = Hash(1, pad, ordinal);
  const std::uint64_t low = Hash(2, pad, ordinal);
  Guid guid;
  guid.data1 = static_cast<std::uint32_t>(high >> 32);
  guid.data2 = static_cast<std::uint16_t>(high >> 16);
  guid.data3 = static_cast<std::uint16_t>((high & 0x0FFF) | 0x8000);
  for (int i = 0; i < 8; ++i) guid.data4[i] = static_cast<std::uint8_t>(low >> (56 - 8 * i));
  guid.data4[0] = static_cast<std::uint8_t>((guid.data4[0] & 0x3F) | 0x80);
  return guid;
}

std::vector<Guid> DeriveInstanceGuids(const std::vector<GamepadIdentity>& pads) {
  std::vector<Guid> guids;
  guids.reserve(pads.size());
  for (std::size_t i = 0; i < pads.size(); ++i) {
    const auto ordinal = std::count_if(
        pads.begin(), pads.begin() + static_cast<std::ptrdiff_t>(i),
        [&](const GamepadIdentity& earlier) { return SameDiscriminator(earlier, pads[i]); });
    guids.push_back(DeriveInstanceGuid(pads[i], static_cast<std::uint32_t>(ordinal)));
  }
  return guids;
}

std::optional<std::string> SysfsDeviceLink(std::string_view device_node) {
  const std::size_t slash = device_node.rfind('/');
  if (slash == std::string_view::npos) return std::nullopt;
  const std::string_view folder = device_node.substr(0, slash + 1);
  const std::string name(device_node.substr(slash + 1));
  if (!IsNodeName(name)) return std::nullopt;
  if (folder == "/dev/input/") return "/sys/class/input/" + name + "/device";
  if (folder == "/dev/" && name.starts_with("hidraw"))
    return "/sys/class/hidraw/" + name + "/device";
  return std::nullopt;
}

std::optional<std::string> PortFromSysfsPath(std::string_view resolved) {
  if (!resolved.starts_with("/sys/") || resolved.size() > kMaxSysfsPathLength) return std::nullopt;
  std::string port;
  std::size_t start = 1;
  while (start <= resolved.size()) {
    const std::size_t end = std::min(resolved.find('/', start), resolved.size());
    std::string_view component = resolved.substr(start, end - start);
    start = end + 1;
    if (component.empty()) continue;
    if (component == "." || component == "..") return std::nullopt;
    if (IsNumberedNode(component)) continue;
    if (IsHidDevice(component)) component = component.substr(0, 14);
    port += '/';
    port += component;
  }
  return port;
}

}  // namespace platform::posix
