#pragma once

#include <array>
#include <cstdint>

#include <QObject>

class QKeyEvent;
class QWindow;

namespace ui::qt {

// Sees every key event that reaches a window of the application before any
// widget does. It keeps the keyboard state of virtual-key codes, then hands
// key-down, key-up and character messages of a dialog's window (or of its
// open list) to the dialog's key filter, which may swallow them; an F1 that
// gets through becomes the dialog's help request.
class KeyEventRouter final : public QObject {
 public:
  explicit KeyEventRouter(QObject* parent = nullptr);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // Updates the keyboard state; returns the key's generic virtual-key code.
  unsigned TrackKey(const QKeyEvent& event);
  bool RouteToDialog(const QWindow& window, const QKeyEvent& event, unsigned virtual_key);

  // The code each physical key (native scan code) got when pressed, so that
  // its release clears the same code even if Shift or Num Lock changed in
  // between.
  std::array<std::uint8_t, 256> m_code_of_scan_code{};
};

}  // namespace ui::qt
