#include "platform/SingleInstance.h"

#include "platform/win32/Win32Support.h"

namespace platform {
namespace {

// A global atom outlives a process that crashed while holding it, so the
// holder also keeps a mutex of the same name, which the system destroys
// with the process's last handle. A name is held only while both exist: a
// leftover atom alone never blocks a start.
std::string LivenessName(const std::string& name) {
  return "Local\\" + name;
}

bool HolderIsAlive(const std::string& name) {
  const win32::Handle alive(::OpenMutexA(SYNCHRONIZE, FALSE, LivenessName(name).c_str()));
  return alive.Valid();
}

class AtomInstanceName final : public InstanceName {
 public:
  AtomInstanceName(ATOM atom, win32::Handle alive) : m_atom(atom), m_alive(std::move(alive)) {}
  ~AtomInstanceName() override { ::GlobalDeleteAtom(m_atom); }

 private:
  ATOM m_atom;
  win32::Handle m_alive;
};

// The holder's window is found by its title among the top-level windows of
// the desktop, whoever's they are, and sent the focus message; the system
// answers for the holder, so nothing of it runs.
class AtomSingleInstance final : public SingleInstance {
 public:
  std::optional<bool> Find(const std::string& name) override {
    ::SetLastError(ERROR_SUCCESS);
    if (::GlobalFindAtomA(name.c_str()) == 0) {
      if (::GetLastError() == ERROR_FILE_NOT_FOUND) return false;
      return std::nullopt;
    }
    return HolderIsAlive(name);
  }

  // The system answers for the holder, so there is always an answer.
  std::optional<bool> HolderHasWindow(const std::string& name, const std::string& title) override {
    return HolderIsAlive(name) && ::FindWindowA(nullptr, title.c_str()) != nullptr;
  }

  // A process in the background may not take the foreground by itself: this
  // start, which has it, lets the holder take it.
  void HolderTakeFocus(const std::string&, const std::string& title) override {
    const HWND window = ::FindWindowA(nullptr, title.c_str());
    if (window == nullptr) return;
    DWORD holder = 0;
    if (::GetWindowThreadProcessId(window, &holder) != 0) ::AllowSetForegroundWindow(holder);
    ::PostMessageA(window, WM_SETFOCUS, 0, 0);
  }

  std::optional<std::unique_ptr<InstanceName>> Add(const std::string& name) override {
    win32::Handle alive(::CreateMutexA(nullptr, FALSE, LivenessName(name).c_str()));
    // Refused: something else squats on the name (or the system is out of
    // handles), and this start runs without it.
    if (!alive.Valid()) return std::nullopt;
    // Already there: another live process holds the name.
    if (::GetLastError() == ERROR_ALREADY_EXISTS) return std::unique_ptr<InstanceName>();
    const ATOM atom = ::GlobalAddAtomA(name.c_str());
    if (atom == 0) return std::nullopt;
    return std::make_unique<AtomInstanceName>(atom, std::move(alive));
  }
};

}  // namespace

SingleInstance& RealSingleInstance() {
  static AtomSingleInstance real;
  return real;
}

}  // namespace platform
