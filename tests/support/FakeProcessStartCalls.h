#pragma once

#include <string>
#include <vector>

#include "platform/win32/ProcessStartCalls.h"

// The Windows launcher's system calls: records each call and answers with
// the error set for it (ERROR_SUCCESS: started).
struct FakeProcessStartCalls final : platform::win32::ProcessStartCalls {
  struct ShellCall {
    std::string file, folder;
  };

  DWORD StartProcess(const std::string& application) override {
    created.push_back(application);
    return create_error;
  }
  DWORD ShellOpen(const std::string& file, const std::string& folder) override {
    shell_opened.push_back({file, folder});
    return shell_error;
  }

  DWORD create_error = ERROR_SUCCESS;
  DWORD shell_error = ERROR_SUCCESS;
  std::vector<std::string> created;
  std::vector<ShellCall> shell_opened;
};
