#pragma once

#include <string>

// Game folders come from file systems that ignore letter case, and the game
// finds its files whatever their case on disk; the tool finds the same ones.
// Internal to platform/posix/.
namespace platform::posix {

// The path to hand to the system for `native_path` (slash-separated): the
// path itself when it exists as spelled, which costs no listing of any
// folder. Otherwise, from the first folder on, each name that does not exist
// as spelled is replaced by the entry of its folder that matches it ignoring
// ASCII case; from the first name that matches no entry on, the rest is kept
// as spelled, so that a file or folder made there gets the given names.
// Empty, "." and ".." names are kept as they are.
std::string ResolveCase(const std::string& native_path);

}  // namespace platform::posix
