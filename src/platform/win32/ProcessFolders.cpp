#include "platform/ProcessFolders.h"

#include <vector>

#include "platform/win32/Win32Support.h"

namespace platform {

PathKind GetPathKind(const std::string& path) {
  const DWORD attributes = ::GetFileAttributesA(path.c_str());
  if (attributes == INVALID_FILE_ATTRIBUTES) {
    switch (::GetLastError()) {
      case ERROR_FILE_NOT_FOUND:
      case ERROR_PATH_NOT_FOUND:
      case ERROR_INVALID_NAME:
      case ERROR_INVALID_DRIVE:
      case ERROR_BAD_NETPATH:
        return PathKind::kMissing;
      default:
        return PathKind::kUnknown;
    }
  }
  return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::kFolder : PathKind::kOther;
}

std::optional<SystemError> EnterFolder(const std::string& path) {
  if (::SetCurrentDirectoryA(path.c_str())) return std::nullopt;
  return win32::LastSystemError();
}

// In the system's code page, as every other path of the tool.
std::optional<std::string> ProgramFolder() {
  std::vector<char> buffer(MAX_PATH);
  for (;;) {
    const DWORD length =
        ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
    if (length == 0) return std::nullopt;
    // A name that did not fit fills the buffer exactly.
    if (length < buffer.size()) {
      const std::string program(buffer.data(), length);
      const std::size_t separator = program.find_last_of("\\/");
      if (separator == std::string::npos) return std::nullopt;
      // "C:\" keeps its separator: "C:" would mean that drive's current folder.
      const bool root = separator == 2 && program[1] == ':';
      return program.substr(0, root ? separator + 1 : separator);
    }
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace platform
