#include "platform/NamedMutex.h"

#include <errno.h>
#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <map>
#include <mutex>

#include "platform/posix/Posix.h"

namespace platform::posix {
namespace {

// Marks a mutex whose initialisation finished. Fresh shared memory reads 0,
// which also means "initialise it" (a creator that died half-way left no
// mark); any other value is not ours.
constexpr std::uint32_t kMagic = 0x4B55544C;

struct SharedState {
  std::uint32_t magic;
  pthread_mutex_t mutex;
};

// One mapping per name and process, shared by every NamedMutex of that name.
class Mapping {
 public:
  explicit Mapping(SharedState* state) : m_state(state) {}
  ~Mapping() { munmap(m_state, sizeof(SharedState)); }
  Mapping(const Mapping&) = delete;
  Mapping& operator=(const Mapping&) = delete;

  pthread_mutex_t* Get() { return &m_state->mutex; }

 private:
  SharedState* m_state;
};

SystemError Refusal(int number, const std::string& shm_name, const char* why) {
  return SystemError{number, shm_name + ": " + why};
}

// Whoever can write the object can hold the lock for ever (every log line
// then waits) or scribble over it, so only an object of this user that no
// one else may open is used. Neither owner nor mode can be changed by
// anyone else once it is ours.
std::optional<SystemError> CheckOwnAndPrivate(int descriptor, const std::string& shm_name) {
  struct stat info {};
  if (fstat(descriptor, &info) != 0) return MakeSystemError(errno);
  if (info.st_uid != geteuid()) return Refusal(EACCES, shm_name, "belongs to another user");
  if ((info.st_mode & 077) != 0) return Refusal(EACCES, shm_name, "is open to other users");
  return std::nullopt;
}

// 0, or the error number of the call that failed.
int InitialiseMutex(pthread_mutex_t* mutex) {
  pthread_mutexattr_t attributes;
  int error = pthread_mutexattr_init(&attributes);
  if (error != 0) return error;
  if (error == 0) error = pthread_mutexattr_setpshared(&attributes, PTHREAD_PROCESS_SHARED);
  if (error == 0) error = pthread_mutexattr_settype(&attributes, PTHREAD_MUTEX_RECURSIVE);
  if (error == 0) error = pthread_mutexattr_setrobust(&attributes, PTHREAD_MUTEX_ROBUST);
  if (error == 0) error = pthread_mutex_init(mutex, &attributes);
  pthread_mutexattr_destroy(&attributes);
  return error;
}

// Maps the shared memory open at `descriptor`, sized and initialised first
// when its creator has not finished that. Anything of another size or with
// another mark was not made by this code and is left alone.
SystemResult<std::shared_ptr<Mapping>> MapAndInitialise(int descriptor,
                                                        const std::string& shm_name) {
  struct stat info {};
  if (fstat(descriptor, &info) != 0) return MakeSystemError(errno);
  if (info.st_size == 0) {
    if (ftruncate(descriptor, sizeof(SharedState)) != 0) return MakeSystemError(errno);
  } else if (info.st_size != static_cast<off_t>(sizeof(SharedState))) {
    return Refusal(EINVAL, shm_name, "is not a mutex of this program");
  }
  void* address =
      mmap(nullptr, sizeof(SharedState), PROT_READ | PROT_WRITE, MAP_SHARED, descriptor, 0);
  if (address == MAP_FAILED) return MakeSystemError(errno);
  auto* state = static_cast<SharedState*>(address);
  auto mapping = std::make_shared<Mapping>(state);
  const std::uint32_t magic = __atomic_load_n(&state->magic, __ATOMIC_ACQUIRE);
  if (magic == kMagic) return mapping;
  if (magic != 0) return Refusal(EINVAL, shm_name, "is not a mutex of this program");
  if (const int error = InitialiseMutex(&state->mutex); error != 0) {
    return MakeSystemError(error);
  }
  __atomic_store_n(&state->magic, kMagic, __ATOMIC_RELEASE);
  return mapping;
}

SystemResult<std::shared_ptr<Mapping>> MapShared(const std::string& name) {
  // Scoped to the user, as a named object of a desktop session is: the
  // user id in the name keeps users apart, the mode keeps others out.
  const std::string shm_name = "/" + name + "." + std::to_string(geteuid());
  const Descriptor shared(shm_open(shm_name.c_str(), O_RDWR | O_CREAT, 0600));
  if (!shared.Valid()) return MakeSystemError(errno);
  // Checked before the flock, which another user's object could hold for ever.
  if (auto refusal = CheckOwnAndPrivate(shared.Get(), shm_name)) return *refusal;
  // The kernel drops this lock if we die while initialising. The mapping
  // keeps the file open, so closing the descriptor would not drop it.
  if (flock(shared.Get(), LOCK_EX) != 0) return MakeSystemError(errno);
  SystemResult<std::shared_ptr<Mapping>> mapping = MapAndInitialise(shared.Get(), shm_name);
  flock(shared.Get(), LOCK_UN);
  return mapping;
}

class PosixNamedMutex final : public NamedMutex {
 public:
  explicit PosixNamedMutex(std::shared_ptr<Mapping> mapping) : m_mapping(std::move(mapping)) {}

  std::optional<SystemError> Lock() override {
    const int result = pthread_mutex_lock(m_mapping->Get());
    if (result == EOWNERDEAD) {
      // The owner died holding it: take it over, as an abandoned mutex.
      pthread_mutex_consistent(m_mapping->Get());
      return std::nullopt;
    }
    return Outcome(result);
  }

  std::optional<SystemError> Unlock() override {
    return Outcome(pthread_mutex_unlock(m_mapping->Get()));
  }

 private:
  static std::optional<SystemError> Outcome(int result) {
    if (result == 0) return std::nullopt;
    return MakeSystemError(result);
  }

  std::shared_ptr<Mapping> m_mapping;
};

SystemResult<std::unique_ptr<NamedMutex>> OpenShared(const std::string& name) {
  static std::mutex registry_lock;
  static auto* registry = new std::map<std::string, std::weak_ptr<Mapping>>;
  std::lock_guard<std::mutex> guard(registry_lock);
  std::shared_ptr<Mapping> mapping = (*registry)[name].lock();
  if (!mapping) {
    SystemResult<std::shared_ptr<Mapping>> mapped = MapShared(name);
    if (!mapped) return mapped.Error();
    mapping = *mapped;
    (*registry)[name] = mapping;
  }
  std::unique_ptr<NamedMutex> mutex = std::make_unique<PosixNamedMutex>(std::move(mapping));
  return mutex;
}

}  // namespace
}  // namespace platform::posix

namespace platform {

SystemResult<std::unique_ptr<NamedMutex>> NamedMutex::Open(const std::string& name) {
  return posix::OpenShared(name);
}

}  // namespace platform
