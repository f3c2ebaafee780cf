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

namespace platform {
namespace {

// Marks a mutex whose initialisation finished; anything else in the shared
// memory means "initialise it" (a creator that died half-way left no mark).
constexpr std::uint32_t kMagic = 0x4B55544C;

struct SharedState {
  std::uint32_t magic;
  pthread_mutex_t mutex;
};

// One mapping per name and process, shared by every NamedMutex of that name.
class Mapping {
 public:
  Mapping(SharedState* state) : m_state(state) {}
  ~Mapping() { munmap(m_state, sizeof(SharedState)); }
  Mapping(const Mapping&) = delete;
  Mapping& operator=(const Mapping&) = delete;

  pthread_mutex_t* Get() { return &m_state->mutex; }

 private:
  SharedState* m_state;
};

bool InitialiseMutex(pthread_mutex_t* mutex) {
  pthread_mutexattr_t attributes;
  if (pthread_mutexattr_init(&attributes) != 0) return false;
  bool ok = pthread_mutexattr_setpshared(&attributes, PTHREAD_PROCESS_SHARED) == 0 &&
            pthread_mutexattr_settype(&attributes, PTHREAD_MUTEX_RECURSIVE) == 0 &&
            pthread_mutexattr_setrobust(&attributes, PTHREAD_MUTEX_ROBUST) == 0 &&
            pthread_mutex_init(mutex, &attributes) == 0;
  pthread_mutexattr_destroy(&attributes);
  return ok;
}

std::shared_ptr<Mapping> MapShared(const std::string& name) {
  const std::string shm_name = "/" + name;
  int fd = shm_open(shm_name.c_str(), O_RDWR | O_CREAT, 0666);
  if (fd < 0) return nullptr;
  // Other users may share the name; the umask must not shut them out.
  fchmod(fd, 0666);
  // The kernel drops this lock if we die while initialising.
  if (flock(fd, LOCK_EX) != 0) {
    int saved = errno;
    close(fd);
    errno = saved;
    return nullptr;
  }
  struct stat info {};
  bool ok = fstat(fd, &info) == 0 && (info.st_size >= static_cast<off_t>(sizeof(SharedState)) ||
                                      ftruncate(fd, sizeof(SharedState)) == 0);
  void* address = ok ? mmap(nullptr, sizeof(SharedState), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0)
                     : MAP_FAILED;
  std::shared_ptr<Mapping> mapping;
  if (address != MAP_FAILED) {
    auto* state = static_cast<SharedState*>(address);
    if (__atomic_load_n(&state->magic, __ATOMIC_ACQUIRE) == kMagic ||
        InitialiseMutex(&state->mutex)) {
      __atomic_store_n(&state->magic, kMagic, __ATOMIC_RELEASE);
      mapping = std::make_shared<Mapping>(state);
    } else {
      munmap(address, sizeof(SharedState));
    }
  }
  int saved = errno;
  flock(fd, LOCK_UN);
  close(fd);
  errno = saved;
  return mapping;
}

class PosixNamedMutex final : public NamedMutex {
 public:
  explicit PosixNamedMutex(std::shared_ptr<Mapping> mapping) : m_mapping(std::move(mapping)) {}

  bool Lock() override {
    int result = pthread_mutex_lock(m_mapping->Get());
    if (result == EOWNERDEAD) {
      // The owner died holding it: take it over, as an abandoned mutex.
      pthread_mutex_consistent(m_mapping->Get());
      return true;
    }
    if (result != 0) errno = result;
    return result == 0;
  }

  bool Unlock() override {
    int result = pthread_mutex_unlock(m_mapping->Get());
    if (result != 0) errno = result;
    return result == 0;
  }

 private:
  std::shared_ptr<Mapping> m_mapping;
};

}  // namespace

std::unique_ptr<NamedMutex> NamedMutex::Open(const std::string& name) {
  static std::mutex registry_lock;
  static auto* registry = new std::map<std::string, std::weak_ptr<Mapping>>;
  std::lock_guard<std::mutex> guard(registry_lock);
  std::shared_ptr<Mapping> mapping = (*registry)[name].lock();
  if (!mapping) {
    mapping = MapShared(name);
    if (!mapping) return nullptr;
    (*registry)[name] = mapping;
  }
  return std::make_unique<PosixNamedMutex>(std::move(mapping));
}

}  // namespace platform
