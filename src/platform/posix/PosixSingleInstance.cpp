#include "platform/posix/PosixSingleInstance.h"

#include <errno.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>
#include <utility>

#include "platform/posix/DescriptorWatcher.h"

namespace platform {
namespace {

constexpr std::string_view kWindowRequest = "WINDOW ";
constexpr std::string_view kFocusRequest = "FOCUS ";
constexpr std::string_view kYes = "YES";
constexpr std::string_view kNo = "NO";
constexpr std::size_t kMaxLine = 1024;
// A request is written right after connecting, so the holder waits only
// briefly for it before dropping the connection.
constexpr int kRequestTimeoutMs = 1000;

class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : m_fd(fd) {}
  Descriptor(Descriptor&& other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
  Descriptor& operator=(Descriptor&& other) noexcept {
    std::swap(m_fd, other.m_fd);
    return *this;
  }
  ~Descriptor() {
    if (m_fd >= 0) {
      ::close(m_fd);
    }
  }
  int Get() const { return m_fd; }
  bool Valid() const { return m_fd >= 0; }

 private:
  int m_fd;
};

// The abstract address: a leading zero byte, then the name and the user id,
// with no terminating zero (the address length says where it ends).
socklen_t MakeAddress(const std::string& name, sockaddr_un& address) {
  std::memset(&address, 0, sizeof address);
  address.sun_family = AF_UNIX;
  const std::string text = name + "." + std::to_string(::getuid());
  const std::size_t length = std::min(text.size(), sizeof address.sun_path - 1);
  std::memcpy(address.sun_path + 1, text.data(), length);
  return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
}

bool PeerIsSameUser(int fd) {
  ucred credentials{};
  socklen_t size = sizeof credentials;
  return ::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &size) == 0 &&
         credentials.uid == ::getuid();
}

Descriptor Connect(const std::string& name) {
  Descriptor socket(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
  if (!socket.Valid()) {
    return Descriptor();
  }
  sockaddr_un address;
  const socklen_t length = MakeAddress(name, address);
  if (::connect(socket.Get(), reinterpret_cast<const sockaddr*>(&address), length) != 0 ||
      !PeerIsSameUser(socket.Get())) {
    return Descriptor();
  }
  return socket;
}

bool SendLine(int fd, std::string_view request, const std::string& argument) {
  std::string line(request);
  line += argument;
  line += '\n';
  std::string_view rest = line;
  while (!rest.empty()) {
    const ssize_t written = ::send(fd, rest.data(), rest.size(), MSG_NOSIGNAL);
    if (written < 0 && errno == EINTR) {
      continue;
    }
    if (written <= 0) {
      return false;
    }
    rest.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

long long NowMs() {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<long long>(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
}

// Reads one line (without its end) within `timeout_ms`; nothing when the
// peer closes first, takes too long or sends too much.
bool ReadLine(int fd, int timeout_ms, std::string& line) {
  line.clear();
  const long long deadline = NowMs() + timeout_ms;
  for (;;) {
    const long long left = deadline - NowMs();
    if (left <= 0) {
      return false;
    }
    pollfd entry{fd, POLLIN, 0};
    const int ready = ::poll(&entry, 1, static_cast<int>(left));
    if (ready < 0 && errno == EINTR) {
      continue;
    }
    if (ready <= 0) {
      return false;
    }
    char buffer[256];
    const ssize_t count = ::recv(fd, buffer, sizeof buffer, 0);
    if (count < 0 && errno == EINTR) {
      continue;
    }
    if (count <= 0) {
      return false;
    }
    line.append(buffer, static_cast<std::size_t>(count));
    const std::size_t end = line.find('\n');
    if (end != std::string::npos) {
      line.resize(end);
      return true;
    }
    if (line.size() > kMaxLine) {
      return false;
    }
  }
}

class PosixInstanceName final : public InstanceName {
 public:
  PosixInstanceName(Descriptor listener, DescriptorWatcher& watcher, InstanceResponder& responder)
      : m_listener(std::move(listener)), m_watcher(watcher), m_responder(responder) {
    m_watcher.Watch(m_listener.Get(), [this] { AcceptPending(); });
  }

  ~PosixInstanceName() override { m_watcher.Unwatch(m_listener.Get()); }

 private:
  void AcceptPending() {
    for (;;) {
      Descriptor client(::accept4(m_listener.Get(), nullptr, nullptr, SOCK_CLOEXEC));
      if (!client.Valid()) {
        if (errno == EINTR) {
          continue;
        }
        return;
      }
      if (PeerIsSameUser(client.Get())) {
        Serve(client.Get());
      }
    }
  }

  void Serve(int fd) {
    std::string line;
    if (!ReadLine(fd, kRequestTimeoutMs, line)) {
      return;
    }
    const std::string_view request = line;
    if (request.starts_with(kWindowRequest)) {
      const std::string title(request.substr(kWindowRequest.size()));
      SendLine(fd, m_responder.HasTopLevelWindow(title) ? kYes : kNo, std::string());
    } else if (request.starts_with(kFocusRequest)) {
      m_responder.TakeFocus(std::string(request.substr(kFocusRequest.size())));
    }
  }

  Descriptor m_listener;
  DescriptorWatcher& m_watcher;
  InstanceResponder& m_responder;
};

}  // namespace

PosixSingleInstance::PosixSingleInstance(DescriptorWatcher& watcher,
                                         std::chrono::milliseconds answer_timeout)
    : m_watcher(watcher), m_answer_timeout(answer_timeout) {}

bool PosixSingleInstance::Find(const std::string& name) {
  // Only a live holder accepts connections; the holder reads the empty
  // request as nothing and drops it.
  return Connect(name).Valid();
}

bool PosixSingleInstance::HolderHasWindow(const std::string& name, const std::string& title) {
  const Descriptor socket = Connect(name);
  std::string answer;
  return socket.Valid() && SendLine(socket.Get(), kWindowRequest, title) &&
         ReadLine(socket.Get(), static_cast<int>(m_answer_timeout.count()), answer) &&
         answer == kYes;
}

void PosixSingleInstance::HolderTakeFocus(const std::string& name, const std::string& title) {
  const Descriptor socket = Connect(name);
  if (socket.Valid()) {
    SendLine(socket.Get(), kFocusRequest, title);
  }
}

std::unique_ptr<InstanceName> PosixSingleInstance::Add(const std::string& name,
                                                       InstanceResponder& responder) {
  Descriptor listener(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
  if (!listener.Valid()) {
    return nullptr;
  }
  sockaddr_un address;
  const socklen_t length = MakeAddress(name, address);
  if (::bind(listener.Get(), reinterpret_cast<const sockaddr*>(&address), length) != 0 ||
      ::listen(listener.Get(), 8) != 0) {
    return nullptr;
  }
  return std::make_unique<PosixInstanceName>(std::move(listener), m_watcher, responder);
}

}  // namespace platform
