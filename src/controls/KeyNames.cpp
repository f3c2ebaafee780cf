#include "controls/KeyNames.h"

#include <array>

#include "ui/ResourceStrings.h"

namespace {

// Neither by code nor by name: this is the order the lists show the keys in.
constexpr std::array<KeyNameRow, 97> kKeyboardNames = {{
    {60, 0x00},  {98, 0x08},  {99, 0x09},  {100, 0x0D}, {101, 0x0A}, {102, 0x14}, {103, 0x10},
    {104, 0x11}, {109, 0x15}, {110, 0x16}, {111, 0x17}, {112, 0x18}, {113, 0x19}, {114, 0x1A},
    {115, 0x1B}, {116, 0x1C}, {117, 0x1D}, {118, 0x1E}, {119, 0x1F}, {120, 0x20}, {121, 0x21},
    {122, 0x22}, {123, 0x23}, {124, 0x24}, {125, 0x25}, {126, 0x26}, {127, 0x27}, {128, 0x28},
    {129, 0x2D}, {130, 0x2E}, {131, 0x30}, {132, 0x31}, {133, 0x32}, {134, 0x33}, {135, 0x34},
    {136, 0x35}, {137, 0x36}, {138, 0x37}, {139, 0x38}, {140, 0x39}, {141, 0x41}, {142, 0x42},
    {143, 0x43}, {144, 0x44}, {145, 0x45}, {146, 0x46}, {147, 0x47}, {148, 0x48}, {149, 0x49},
    {150, 0x4A}, {151, 0x4B}, {152, 0x4C}, {153, 0x4D}, {154, 0x4E}, {155, 0x4F}, {156, 0x50},
    {157, 0x51}, {158, 0x52}, {159, 0x53}, {160, 0x54}, {161, 0x55}, {162, 0x56}, {163, 0x57},
    {164, 0x58}, {165, 0x59}, {166, 0x5A}, {167, 0x5F}, {168, 0x60}, {169, 0x61}, {197, 0x62},
    {170, 0x63}, {171, 0x64}, {172, 0x65}, {173, 0x66}, {174, 0x67}, {175, 0x68}, {176, 0x69},
    {177, 0x6A}, {181, 0x6B}, {178, 0x6D}, {179, 0x6E}, {180, 0x6F}, {182, 0x70}, {183, 0x71},
    {184, 0x72}, {185, 0x73}, {186, 0x74}, {187, 0x75}, {188, 0x76}, {189, 0x77}, {190, 0x78},
    {191, 0x79}, {192, 0x7A}, {193, 0x7B}, {194, 0x2C}, {195, 0x7C}, {196, 0x13},
}};

// The stick directions, then Button 1 to Button 15 (codes 0 to 14).
constexpr std::array<KeyNameRow, 19> kGamepadNames = {{
    {26, 15}, {27, 16}, {29, 17}, {28, 18}, {30, 0},  {31, 1}, {32, 2},
    {33, 3},  {34, 4},  {35, 5},  {36, 6},  {37, 7},  {38, 8}, {39, 9},
    {40, 10}, {41, 11}, {42, 12}, {43, 13}, {44, 14},
}};

}  // namespace

std::span<const KeyNameRow> NameTable(DeviceKind kind) {
  if (kind == DeviceKind::kKeyboard) {
    return kKeyboardNames;
  }
  return kGamepadNames;
}

std::string NameOfCode(DeviceKind kind, std::int32_t code) {
  for (const KeyNameRow& row : NameTable(kind)) {
    if (static_cast<std::int32_t>(row.code) == code) {
      return ui::LoadString(row.string_id);
    }
  }
  return std::string();
}
