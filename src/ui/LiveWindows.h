#pragma once

#include <algorithm>
#include <vector>

namespace ui {

// Every live window of one backend's kind, oldest first, for finding the
// window that a system handle or event belongs to and the innermost one. A
// window adds itself as it is built and removes itself first thing as it is
// destroyed, so that nothing its teardown sets off can find it half gone.
// Used from the user-interface thread only.
template <typename Window>
class LiveWindows {
 public:
  static void Add(Window* window) { List().push_back(window); }
  static void Remove(Window* window) {
    auto& windows = List();
    windows.erase(std::remove(windows.begin(), windows.end(), window), windows.end());
  }
  static const std::vector<Window*>& All() { return List(); }
  // The newest window whose modal loop runs (as `runs` tells), which owns
  // what opens without an owner; nullptr when no loop runs.
  template <typename Runs>
  static Window* Innermost(Runs runs) {
    const auto& windows = List();
    const auto found = std::find_if(windows.rbegin(), windows.rend(), runs);
    return found == windows.rend() ? nullptr : *found;
  }

 private:
  static std::vector<Window*>& List() {
    static std::vector<Window*> windows;
    return windows;
  }
};

}  // namespace ui
