#include "engine/Mutex.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "engine/ErrorReporter.h"
#include "engine/Log.h"
#include "support/LogCapture.h"

namespace {

// A name of its own for each test, removed afterwards.
class MutexTest : public testing::Test {
 protected:
  void TearDown() override { shm_unlink(SystemName().c_str()); }
  // The system keeps the name for this user only.
  std::string SystemName() const { return "/" + m_name + "." + std::to_string(geteuid()); }
  const std::string m_name = "QvTestMutex-" + std::to_string(getpid()) + "-" +
                             testing::UnitTest::GetInstance()->current_test_info()->name();
  LogCapture m_capture;
};

}  // namespace

// The owner may lock again; another thread waits until every lock is released,
// and two objects with the same name hold the same lock.
TEST_F(MutexTest, ReentrantForOwnerExclusiveForOthers) {
  Mutex first(m_name.c_str());
  Mutex second(m_name.c_str());
  ASSERT_TRUE(first.IsValid());
  first.Lock();
  second.Lock();
  std::atomic<bool> acquired{false};
  std::thread other([&] {
    Mutex mine(m_name.c_str());
    mine.Lock();
    acquired = true;
    mine.Unlock();
  });
  second.Unlock();
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_FALSE(acquired);
  first.Unlock();
  other.join();
  EXPECT_TRUE(acquired);
  EXPECT_TRUE(m_capture.Boxes().empty());
}

// A process that dies holding the mutex leaves it acquirable, not broken;
// releasing a mutex one does not hold is a hard error with the system's code.
TEST_F(MutexTest, AbandonedMutexAndFailedUnlock) {
  Mutex mutex(m_name.c_str());
  pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    Mutex held(m_name.c_str());
    held.Lock();
    _exit(0);
  }
  waitpid(child, nullptr, 0);
  mutex.Lock();
  mutex.Unlock();
  EXPECT_TRUE(m_capture.Boxes().empty());
  mutex.Unlock();
  ASSERT_EQ(m_capture.Boxes().size(), 1u);
  EXPECT_EQ(m_capture.Boxes()[0].text, "Unrecognized error value.");
  EXPECT_NE(ErrorReporter::s_instance->GetHardErrorCode(), kErrNone);
}

// A name held by something that is not this user's own mutex is not used:
// the failure is a hard error reported once, and locking then goes on
// without the system mutex instead of hanging or reporting again.
TEST_F(MutexTest, ForeignObjectReportedOnceAndWorkGoesOn) {
  const int planted = shm_open(SystemName().c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
  ASSERT_GE(planted, 0);
  ASSERT_EQ(fchmod(planted, 0666), 0);
  close(planted);
  Mutex mutex(m_name.c_str());
  EXPECT_FALSE(mutex.IsValid());
  for (int i = 0; i < 3; ++i) {
    mutex.Lock();
    mutex.Unlock();
  }
  ASSERT_EQ(m_capture.Boxes().size(), 1u);
  EXPECT_EQ(m_capture.Boxes()[0].text, "Unrecognized error value.");
  EXPECT_EQ(ErrorReporter::s_instance->GetHardErrorCode(),
            ErrorCode(static_cast<std::uint32_t>(EACCES)));
  Log::s_instance->Printf("still logging %d\n", 1);
  EXPECT_TRUE(m_capture.Contains("still logging 1\n"));
}
