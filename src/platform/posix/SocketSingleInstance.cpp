#include "platform/posix/SocketSingleInstance.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>

#include "platform/DescriptorWatcher.h"
#include "platform/InstanceResponder.h"
#include "platform/posix/Posix.h"

// Why a socket file rather than a name in the abstract namespace: an
// abstract name has no owner or permissions, so another user can bind it
// first. Checking the peer's credentials would keep us from believing such a
// squatter, but the name would stay taken, and this user's own instances
// could then no longer find each other. A folder that only this user may
// enter leaves nothing for anyone else to take.

namespace platform {
namespace {

constexpr std::string_view kWindowRequest = "WINDOW ";
constexpr std::string_view kFocusRequest = "FOCUS ";
constexpr std::string_view kYes = "YES";
constexpr std::string_view kNo = "NO";
constexpr std::size_t kMaxLine = 1024;
// The holder serves on the user-interface thread. A request is written right
// after connecting, so a few milliseconds are plenty for it to arrive; and a
// few requests per wake-up leave the rest of the queue to later turns of the
// event loop, after the window's own events.
constexpr int kRequestReadMs = 5;
constexpr int kRequestsPerWake = 4;
constexpr int kBacklog = 32;
// A request held up past the holder's short wait (a busy machine) is dropped
// unanswered; the asker then tries again.
constexpr int kAttempts = 3;

// This user's folder for the sockets, or nothing when none is private. A
// folder that someone else made first, or opened to others, is never used.
std::optional<std::string> SocketFolder() {
  const char* runtime = ::getenv("XDG_RUNTIME_DIR");
  if (runtime != nullptr && runtime[0] == '/' && posix::IsPrivateFolder(runtime)) {
    return std::string(runtime);
  }
  const char* temporary = ::getenv("TMPDIR");
  const std::string base = temporary != nullptr && temporary[0] == '/' ? temporary : "/tmp";
  std::string own = base + "/qvconfig-" + std::to_string(::geteuid());
  if (::mkdir(own.c_str(), 0700) != 0 && errno != EEXIST) return std::nullopt;
  if (!posix::IsPrivateFolder(own)) return std::nullopt;
  return own;
}

// The socket of `name` as an address; nothing without a private folder or
// when the path is too long for one.
std::optional<sockaddr_un> SocketAddress(const std::string& name) {
  const std::optional<std::string> folder = SocketFolder();
  if (!folder) return std::nullopt;
  const std::string path = *folder + "/" + name;
  sockaddr_un address{};
  if (path.size() >= sizeof address.sun_path) return std::nullopt;
  address.sun_family = AF_UNIX;
  std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
  return address;
}

bool PeerIsSameUser(int fd) {
  ucred credentials{};
  socklen_t size = sizeof credentials;
  return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 &&
         credentials.uid == ::geteuid();
}

struct Connection {
  posix::Descriptor socket;
  int error = 0;
};

// Connects to `address`, waiting at most `timeout_ms` for room in the
// holder's queue (a hung holder's queue fills and would block for ever).
Connection ConnectTo(const sockaddr_un& address, std::int64_t timeout_ms) {
  Connection connection;
  posix::Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (!socket.Valid()) {
    connection.error = errno;
    return connection;
  }
  const timeval limit{static_cast<time_t>(timeout_ms / 1000),
                      static_cast<suseconds_t>(timeout_ms % 1000 * 1000)};
  ::setsockopt(socket.Get(), SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit);
  if (::connect(socket.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
    connection.error = errno;
    return connection;
  }
  connection.socket = std::move(socket);
  return connection;
}

// Only these mean that nobody listens: no socket file, or one left by a
// holder that died.
bool NobodyListens(int error) {
  return error == ENOENT || error == ECONNREFUSED;
}

// A connection to this user's live holder of `name`; an invalid one when
// there is none, nothing when it could not be found out in time.
std::optional<posix::Descriptor> Connect(const std::string& name, std::int64_t timeout_ms) {
  const std::optional<sockaddr_un> address = SocketAddress(name);
  if (!address || timeout_ms <= 0) return std::nullopt;
  Connection connection = ConnectTo(*address, timeout_ms);
  if (!connection.socket.Valid()) {
    if (NobodyListens(connection.error)) return posix::Descriptor();
    return std::nullopt;
  }
  // In this user's own folder only a process of another user's that had the
  // privilege to enter it: not a holder of ours.
  if (!PeerIsSameUser(connection.socket.Get())) return posix::Descriptor();
  return std::move(connection.socket);
}

bool SendLine(int fd, std::string_view request, const std::string& argument) {
  std::string line(request);
  line += argument;
  line += '\n';
  std::string_view rest = line;
  while (!rest.empty()) {
    const ssize_t written =
        posix::RetryOnInterrupt([&] { return ::send(fd, rest.data(), rest.size(), MSG_NOSIGNAL); });
    if (written <= 0) {
      return false;
    }
    rest.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Reads one line (without its end) before the monotonic clock reaches
// `deadline_ms`; nothing when the peer closes first, takes too long or sends
// too much.
std::optional<std::string> ReadLine(int fd, std::int64_t deadline_ms) {
  std::string line;
  for (;;) {
    char buffer[256];
    const std::size_t count = posix::ReadBefore(fd, buffer, sizeof buffer, deadline_ms);
    if (count == 0) {
      return std::nullopt;
    }
    line.append(buffer, count);
    const std::size_t end = line.find('\n');
    if (end != std::string::npos) {
      line.resize(end);
      return line;
    }
    if (line.size() > kMaxLine) {
      return std::nullopt;
    }
  }
}

class SocketInstanceName final : public InstanceName {
 public:
  SocketInstanceName(posix::Descriptor listener, std::string path, const struct stat& bound)
      : m_listener(std::move(listener)),
        m_path(std::move(path)),
        m_device(bound.st_dev),
        m_inode(bound.st_ino),
        m_watcher(GetDescriptorWatcher()) {
    m_watcher.Watch(m_listener.Get(), [this] { AcceptPending(); });
  }

  ~SocketInstanceName() override {
    m_watcher.Unwatch(m_listener.Get());
    // Removed while still listening: no later start can have found it stale
    // and put its own in its place, but check that it is still ours.
    struct stat info {};
    if (::lstat(m_path.c_str(), &info) == 0 && info.st_dev == m_device && info.st_ino == m_inode) {
      ::unlink(m_path.c_str());
    }
  }

 private:
  // The rest of the queue wakes the watcher again on its next turn.
  void AcceptPending() {
    for (int served = 0; served < kRequestsPerWake; ++served) {
      const posix::Descriptor client(posix::RetryOnInterrupt([&] {
        return ::accept4(m_listener.Get(), nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
      }));
      if (!client.Valid()) {
        return;
      }
      if (PeerIsSameUser(client.Get())) {
        Serve(client.Get());
      }
    }
  }

  void Serve(int fd) {
    const std::optional<std::string> line = ReadLine(fd, posix::MonotonicMs() + kRequestReadMs);
    if (!line) {
      return;
    }
    const std::string_view request = *line;
    InstanceResponder& responder = GetInstanceResponder();
    if (request.starts_with(kWindowRequest)) {
      const std::string title(request.substr(kWindowRequest.size()));
      SendLine(fd, responder.HasTopLevelWindow(title) ? kYes : kNo, std::string());
    } else if (request.starts_with(kFocusRequest)) {
      responder.TakeFocus(std::string(request.substr(kFocusRequest.size())));
    }
  }

  posix::Descriptor m_listener;
  std::string m_path;
  dev_t m_device;
  ino_t m_inode;
  DescriptorWatcher& m_watcher;
};

}  // namespace

SocketSingleInstance::SocketSingleInstance(std::chrono::milliseconds answer_timeout)
    : m_answer_timeout(answer_timeout) {}

std::optional<bool> SocketSingleInstance::Find(const std::string& name) {
  // Only a live holder accepts connections; the holder reads the empty
  // request as nothing and drops it.
  const std::optional<posix::Descriptor> socket = Connect(name, m_answer_timeout.count());
  if (!socket) return std::nullopt;
  return socket->Valid();
}

std::optional<bool> SocketSingleInstance::HolderHasWindow(const std::string& name,
                                                          const std::string& title) {
  const std::int64_t deadline = posix::MonotonicMs() + m_answer_timeout.count();
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    const std::optional<posix::Descriptor> socket = Connect(name, deadline - posix::MonotonicMs());
    if (!socket) return std::nullopt;
    if (!socket->Valid()) return false;
    if (!SendLine(socket->Get(), kWindowRequest, title)) return std::nullopt;
    if (const std::optional<std::string> answer = ReadLine(socket->Get(), deadline)) {
      return *answer == kYes;
    }
  }
  return std::nullopt;
}

void SocketSingleInstance::HolderTakeFocus(const std::string& name, const std::string& title) {
  const std::optional<posix::Descriptor> socket = Connect(name, m_answer_timeout.count());
  if (socket && socket->Valid()) {
    SendLine(socket->Get(), kFocusRequest, title);
  }
}

std::optional<std::unique_ptr<InstanceName>> SocketSingleInstance::Add(const std::string& name) {
  const std::optional<sockaddr_un> address = SocketAddress(name);
  if (!address) {
    return std::nullopt;
  }
  const std::string path = address->sun_path;
  // Two starts at once must not both find a socket stale and remove each
  // other's.
  const posix::Descriptor lock(
      ::open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600));
  if (!lock.Valid() || posix::RetryOnInterrupt([&] { return ::flock(lock.Get(), LOCK_EX); }) != 0) {
    return std::nullopt;
  }
  posix::Descriptor listener(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
  if (!listener.Valid()) {
    return std::nullopt;
  }
  const auto* raw = reinterpret_cast<const sockaddr*>(&*address);
  if (::bind(listener.Get(), raw, sizeof *address) != 0) {
    if (errno != EADDRINUSE) return std::nullopt;
    // Only a holder that died leaves a socket that refuses connections; one
    // that accepts, or keeps us waiting, is alive.
    const int error = ConnectTo(*address, m_answer_timeout.count()).error;
    if (error != ECONNREFUSED) {
      if (error == 0 || error == EAGAIN) return std::unique_ptr<InstanceName>();
      return std::nullopt;
    }
    if (::unlink(path.c_str()) != 0 || ::bind(listener.Get(), raw, sizeof *address) != 0) {
      return std::nullopt;
    }
  }
  struct stat bound {};
  if (::listen(listener.Get(), kBacklog) != 0 || ::lstat(path.c_str(), &bound) != 0) {
    ::unlink(path.c_str());
    return std::nullopt;
  }
  return std::make_unique<SocketInstanceName>(std::move(listener), path, bound);
}

}  // namespace platform
