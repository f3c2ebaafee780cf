#pragma once

#include <optional>
#include <string>

#include "platform/SystemError.h"

namespace platform {

// What a path that the user typed names.
enum class PathKind { kMissing, kFolder, kOther, kUnknown };

// The folders of the process itself: the current folder it works in and the
// folder its own program file lies in. Paths are the system's own, as the
// user typed them (no letter-case lookup, separators as given), unlike the
// stored paths of the FileSystem.

// kUnknown when the system cannot say (a folder on the way that may not be
// entered, for one).
PathKind GetPathKind(const std::string& path);
// Makes `path` the current folder; nothing when it did, else the system's
// error.
std::optional<SystemError> EnterFolder(const std::string& path);
// The folder that holds this program's own file, without a separator at the
// end unless it is a root; nothing when the system cannot say.
std::optional<std::string> ProgramFolder();

}  // namespace platform
