#pragma once

#include <cstdint>
#include <vector>

#include <QObject>

class QKeyEvent;
class QWindow;

namespace ui {
class KeyboardTracker;
}

namespace ui::qt {

// Sees every key event that reaches a window of the application before any
// widget does. It keeps the keyboard state of virtual-key codes in
// `keyboard`, then hands
// key-down, key-up and character messages of a dialog's window (or of its
// open list) to the dialog's key filter, which may swallow them; an F1 that
// gets through becomes the dialog's help request.
//
// A key counts as held only while its release can still be seen: keys are
// let go when the application loses the keyboard, and the keys pressed in a
// window are let go when that window hides.
class KeyEventRouter final : public QObject {
 public:
  explicit KeyEventRouter(KeyboardTracker& keyboard, QObject* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // One physical key that is down.
  struct HeldKey {
    std::uint32_t scan_code;  // 0 where the platform gives none
    unsigned code;            // the virtual key its press set
    const QWindow* window;    // where it was last pressed; only compared
  };

  // Updates the keyboard state; returns the key's generic virtual-key code.
  unsigned TrackKey(const QWindow& window, const QKeyEvent& event);
  bool RouteToDialog(const QWindow& window, const QKeyEvent& event, unsigned virtual_key);
  // Clears `code` and its generic code unless another held key still sets them.
  void ReleaseCode(unsigned code);
  void ReleaseKeysOf(const QWindow* window);
  void ReleaseAll();

  KeyboardTracker& m_keyboard;
  std::vector<HeldKey> m_held;
};

}  // namespace ui::qt
