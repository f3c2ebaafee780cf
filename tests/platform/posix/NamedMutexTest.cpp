#include "platform/NamedMutex.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "platform/posix/AsNobody.h"

namespace {

// Names of this test's own, each removed at the end.
class NamedMutexTest : public testing::Test {
 protected:
  ~NamedMutexTest() override {
    for (const std::string& name : m_names) shm_unlink(SystemName(name).c_str());
  }

  std::string Name(const std::string& what) {
    m_names.push_back("QvTestNamedMutex-" + std::to_string(getpid()) + "-" + what);
    return m_names.back();
  }

  // Where the system keeps a name of this user.
  static std::string SystemName(const std::string& name) {
    return "/" + name + "." + std::to_string(geteuid());
  }

  // Puts an object of `size` bytes of `fill`, with `mode` and `owner`, where
  // the mutex `name` would be, as someone else could have.
  static void Plant(const std::string& name, mode_t mode, off_t size, char fill = 0,
                    uid_t owner = geteuid()) {
    const int fd = shm_open(SystemName(name).c_str(), O_RDWR | O_CREAT | O_EXCL, 0600);
    ASSERT_GE(fd, 0) << errno;
    const std::vector<char> bytes(size, fill);
    EXPECT_EQ(write(fd, bytes.data(), bytes.size()), size);
    EXPECT_EQ(fchmod(fd, mode), 0);
    EXPECT_EQ(fchown(fd, owner, -1), 0);
    close(fd);
  }

  static struct stat Stat(const std::string& name) {
    struct stat info {};
    const int fd = shm_open(SystemName(name).c_str(), O_RDONLY, 0);
    EXPECT_EQ(fstat(fd, &info), 0);
    close(fd);
    return info;
  }

  static int OpenError(const std::string& name) {
    auto opened = platform::NamedMutex::Open(name);
    return opened ? 0 : opened.Error().number;
  }

 private:
  std::vector<std::string> m_names;
};

}  // namespace

// A new mutex is the user's alone: its name carries the user id and its
// mode lets no one else in. Whatever else is found under the name (open to
// others, of another size or mark) is refused and left as it was; one that a
// creator left unfinished is taken over.
TEST_F(NamedMutexTest, OnlyThisUsersOwnMutexIsUsed) {
  const std::string fresh = Name("fresh");
  auto opened = platform::NamedMutex::Open(fresh);
  ASSERT_TRUE(opened) << opened.Error().text;
  EXPECT_FALSE((*opened)->Lock());
  EXPECT_FALSE((*opened)->Unlock());
  const struct stat made = Stat(fresh);
  EXPECT_EQ(made.st_mode & 0777, 0600u);
  EXPECT_EQ(made.st_uid, geteuid());
  const off_t size = made.st_size;

  const std::string open_to_others = Name("open"), other_size = Name("size"),
                    other_mark = Name("mark"), unfinished = Name("unfinished");
  Plant(open_to_others, 0604, 0);
  Plant(other_size, 0600, 4096);
  Plant(other_mark, 0600, size, '\x5A');
  Plant(unfinished, 0600, size);
  EXPECT_EQ(OpenError(open_to_others), EACCES);
  EXPECT_EQ(Stat(open_to_others).st_size, 0);
  EXPECT_EQ(OpenError(other_size), EINVAL);
  EXPECT_EQ(Stat(other_size).st_size, 4096);
  EXPECT_EQ(OpenError(other_mark), EINVAL);
  EXPECT_EQ(OpenError(unfinished), 0);
}

// Another user's object under this user's name is refused; and another user
// cannot open this user's mutex at all.
TEST_F(NamedMutexTest, AnotherUsersObjectIsRefusedAndOursIsClosedToThem) {
  if (geteuid() != 0) GTEST_SKIP() << "acting as another user needs root";
  const std::string theirs = Name("theirs"), ours = Name("ours");
  Plant(theirs, 0666, 0, 0, kNobody);
  EXPECT_EQ(OpenError(theirs), EACCES);
  EXPECT_EQ(Stat(theirs).st_size, 0);

  auto opened = platform::NamedMutex::Open(ours);
  ASSERT_TRUE(opened) << opened.Error().text;
  const std::string system_name = SystemName(ours);
  EXPECT_EQ(AsNobody([&] { return shm_open(system_name.c_str(), O_RDWR, 0) >= 0 ? 0 : errno; }),
            EACCES);
}
