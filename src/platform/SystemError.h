#pragma once

#include <string>

namespace platform {

// Why a call into the system failed, as the user is shown it: the system's
// error number (0 when the system gives only a text) and its own text.
struct SystemError {
  int number = 0;
  std::string text;
};

}  // namespace platform
