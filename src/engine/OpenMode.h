#pragma once

#include <cstdint>

// Access modes of asset descriptors, file handles and disk files.
inline constexpr std::int32_t kOpenRead = 0;
inline constexpr std::int32_t kOpenWrite = 1;
inline constexpr std::int32_t kOpenReadWrite = 2;
