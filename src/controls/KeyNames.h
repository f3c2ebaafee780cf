#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "controls/DeviceKind.h"

// One row of a name table: the string-table id of the name and its code.
struct KeyNameRow {
  std::uint32_t string_id;
  std::uint32_t code;
};

// The codes of a device kind with their names, in the order the controller
// window offers them: 97 keyboard rows beginning with "(none)", 19 gamepad
// rows beginning with the four stick directions.
std::span<const KeyNameRow> NameTable(DeviceKind kind);

// The name of `code` in the table of `kind`; empty when no row has it.
std::string NameOfCode(DeviceKind kind, std::int32_t code);
