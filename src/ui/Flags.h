#pragma once

#include <type_traits>

namespace ui {

// Opt-in bit operations for the style enums, so that style sets stay typed.
template <class E>
struct IsFlagEnum : std::false_type {};

template <class E>
concept FlagEnum = IsFlagEnum<E>::value;

template <FlagEnum E>
constexpr E operator|(E a, E b) {
  using U = std::underlying_type_t<E>;
  return static_cast<E>(static_cast<U>(a) | static_cast<U>(b));
}

template <FlagEnum E>
constexpr bool HasFlag(E set, E flag) {
  using U = std::underlying_type_t<E>;
  return (static_cast<U>(set) & static_cast<U>(flag)) == static_cast<U>(flag);
}

}  // namespace ui
