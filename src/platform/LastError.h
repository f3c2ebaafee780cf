#pragma once

#include <cstdint>
#include <string>

namespace platform {

// The operating system's error value of the calling thread's last failed call.
std::uint32_t GetLastError();
void SetLastError(std::uint32_t value);

// The system's description of an error value.
std::string GetErrorText(std::uint32_t value);

}  // namespace platform
