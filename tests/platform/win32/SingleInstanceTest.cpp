#include "platform/SingleInstance.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <tuple>

#include "platform/win32/Win32Child.h"

namespace {

std::string Name(const std::string& what) {
  return "QvTestAtom-" + std::to_string(::GetCurrentProcessId()) + "-" + what;
}

}  // namespace

// A live holder in another process is found and keeps the name; once it is killed its atom is
// left behind, but no longer counts, and the name can be taken again.
TEST(Win32SingleInstance, HolderFoundWhileAliveAndNotAfterACrash) {
  platform::SingleInstance& single = platform::GetSingleInstance();
  const std::string name = Name("crash");
  EXPECT_EQ(single.Find(name), false);
  const std::string ready = test::EventName("held");
  HANDLE ready_event = ::CreateEventA(nullptr, TRUE, FALSE, ready.c_str());
  HANDLE child = test::StartChild("hold-name " + name + " " + ready);
  ASSERT_NE(child, nullptr);
  ASSERT_EQ(::WaitForSingleObject(ready_event, 10000), WAIT_OBJECT_0);
  EXPECT_EQ(single.Find(name), true);
  EXPECT_EQ(single.Add(name), nullptr);
  EXPECT_EQ(single.HolderHasWindow(name, "QvTest no such window title"), false);

  ::TerminateProcess(child, 9);
  ::WaitForSingleObject(child, 10000);
  for (HANDLE handle : {ready_event, child}) ::CloseHandle(handle);
  EXPECT_NE(::GlobalFindAtomA(name.c_str()), 0) << "a killed holder leaves its atom";
  EXPECT_EQ(single.Find(name), false);
  std::unique_ptr<platform::InstanceName> taken = single.Add(name).value_or(nullptr);
  ASSERT_NE(taken, nullptr);
  EXPECT_EQ(single.Find(name), true);
  taken.reset();
  EXPECT_EQ(single.Find(name), false);
}

// The holder's window is found by its title, and asked to take the focus with a posted
// WM_SETFOCUS.
TEST(Win32SingleInstance, WindowFoundByTitleAndSentTheFocus) {
  if (std::getenv("DISPLAY") == nullptr) GTEST_SKIP() << "windows under Wine need a display";
  platform::SingleInstance& single = platform::GetSingleInstance();
  const std::string name = Name("window");
  const std::string title = "QvTest window " + name;
  std::unique_ptr<platform::InstanceName> taken = single.Add(name).value_or(nullptr);
  ASSERT_NE(taken, nullptr);
  EXPECT_EQ(single.HolderHasWindow(name, title), false);
  HWND window = ::CreateWindowExA(0, "STATIC", title.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 100, 100,
                                  nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(single.HolderHasWindow(name, title), true);
  single.HolderTakeFocus(name, title);
  MSG message{};
  EXPECT_TRUE(::PeekMessageA(&message, window, WM_SETFOCUS, WM_SETFOCUS, PM_REMOVE));
  EXPECT_EQ(std::tuple(message.wParam, message.lParam), std::tuple(WPARAM{0}, LPARAM{0}));
  ::DestroyWindow(window);
}
