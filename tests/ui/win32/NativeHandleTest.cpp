#include "Win32TestSupport.h"
#include "platform/OwnerWindow.h"

namespace {

using namespace win32test;
using NativeHandleTest = BackendTest;

HWND GivenHandle(const TestDialog& dialog) {
  const platform::OwnerWindow* window = dialog.GetWindow();
  return static_cast<HWND>(window->NativeHandle());
}

// Each window hands the platform its own handle (what a gamepad is tied to),
// also while another window of the program is in front of it.
TEST_F(NativeHandleTest, EachWindowGivesItsOwnHandle) {
  TestDialog main_window;
  HWND main_handle = nullptr, main_given = nullptr, prompt_handle = nullptr, prompt_given = nullptr;
  main_window.on_open = [&](TestDialog& main) {
    main_handle = main.Handle();
    TestDialog prompt(kPromptTemplate);
    prompt.on_open = [&](TestDialog& in_front) {
      prompt_handle = in_front.Handle();
      prompt_given = GivenHandle(in_front);
      main_given = GivenHandle(main);
      in_front.EndDialog(platform::kIdCancel);
    };
    prompt.DoModal();
    main.EndDialog(platform::kIdOk);
  };
  EXPECT_EQ(main_window.DoModal(), platform::kIdOk);
  EXPECT_NE(main_handle, nullptr);
  EXPECT_NE(prompt_handle, nullptr);
  EXPECT_NE(main_handle, prompt_handle);
  EXPECT_EQ(main_given, main_handle);
  EXPECT_EQ(prompt_given, prompt_handle);
}

}  // namespace
