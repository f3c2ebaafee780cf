#include "platform/NamedMutex.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/win32/Win32Child.h"

namespace {

std::string Name(const std::string& what) {
  return "QvTestNamedMutex-" + std::to_string(::GetCurrentProcessId()) + "-" + what;
}

}  // namespace

// Re-entrant for its owner, exclusive between processes: the other process's hold ends before
// ours begins.
TEST(Win32NamedMutex, ReentrantAndExclusiveAcrossProcesses) {
  const std::string name = Name("exclusive");
  auto mutex = platform::NamedMutex::Open(name);
  ASSERT_TRUE(mutex);
  EXPECT_FALSE((*mutex)->Lock());
  EXPECT_FALSE((*mutex)->Lock());
  EXPECT_FALSE((*mutex)->Unlock());
  EXPECT_FALSE((*mutex)->Unlock());

  const std::string ready = test::EventName("ready");
  const std::string released = test::EventName("released");
  HANDLE ready_event = ::CreateEventA(nullptr, TRUE, FALSE, ready.c_str());
  HANDLE released_event = ::CreateEventA(nullptr, TRUE, FALSE, released.c_str());
  HANDLE child = test::StartChild("hold-mutex " + name + " " + ready + " " + released);
  ASSERT_NE(child, nullptr);
  ASSERT_EQ(::WaitForSingleObject(ready_event, 10000), WAIT_OBJECT_0);
  EXPECT_FALSE((*mutex)->Lock());
  EXPECT_EQ(::WaitForSingleObject(released_event, 0), WAIT_OBJECT_0);
  EXPECT_FALSE((*mutex)->Unlock());
  EXPECT_EQ(test::ExitCodeAfter(child, 10000), 0u);
  for (HANDLE handle : {ready_event, released_event, child}) ::CloseHandle(handle);
}

// A process that dies holding the mutex leaves it acquired by the next locker; releasing a
// mutex one does not hold fails with the system's error; a name taken by another kind of
// object is refused.
TEST(Win32NamedMutex, AbandonedNotOwnedAndForeignNames) {
  const std::string name = Name("abandoned");
  auto mutex = platform::NamedMutex::Open(name);
  ASSERT_TRUE(mutex);
  HANDLE child = test::StartChild("lock-and-exit " + name);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(test::ExitCodeAfter(child, 10000), 0u);
  ::CloseHandle(child);
  EXPECT_FALSE((*mutex)->Lock());
  EXPECT_FALSE((*mutex)->Unlock());
  const auto not_owned = (*mutex)->Unlock();
  ASSERT_TRUE(not_owned);
  EXPECT_EQ(not_owned->number, ERROR_NOT_OWNER);
  EXPECT_FALSE(not_owned->text.empty());

  const std::string event_name = Name("event");
  HANDLE event = ::CreateEventA(nullptr, TRUE, FALSE, event_name.c_str());
  const auto refused = platform::NamedMutex::Open(event_name);
  EXPECT_FALSE(refused);
  if (!refused) {
    EXPECT_EQ(refused.Error().number, ERROR_INVALID_HANDLE);
  }
  ::CloseHandle(event);
}
