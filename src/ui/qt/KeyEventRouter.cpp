#include "ui/qt/KeyEventRouter.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>

#include "platform/KeyboardState.h"
#include "ui/Dialog.h"
#include "ui/KeyMessage.h"
#include "ui/qt/QtDialogWindow.h"
#include "ui/qt/VirtualKeyMap.h"

namespace ui::qt {
namespace {

constexpr unsigned kVkF10 = 0x79;

void Release(unsigned code) {
  platform::UpdateKeyboardState(code, platform::KeyTransition::kUp);
}

}  // namespace

KeyEventRouter::KeyEventRouter(QObject* parent) : QObject(parent) {}

bool KeyEventRouter::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
      // Each key event reaches its window once, before the widgets; the
      // copies that propagate through the widgets are not counted again.
      if (!watched->isWindowType()) {
        return false;
      }
      const auto& key_event = *static_cast<QKeyEvent*>(event);
      if (key_event.type() == QEvent::KeyRelease && key_event.isAutoRepeat()) {
        return false;  // the key is still held
      }
      const unsigned virtual_key = TrackKey(key_event);
      return RouteToDialog(*static_cast<QWindow*>(watched), key_event, virtual_key);
    }
    case QEvent::ApplicationStateChange:
      // Keys released while another program has the keyboard are never seen.
      if (QGuiApplication::applicationState() != Qt::ApplicationActive) {
        platform::ReleaseAllKeys();
        m_code_of_scan_code.fill(0);
      }
      return false;
    default:
      return false;
  }
}

unsigned KeyEventRouter::TrackKey(const QKeyEvent& event) {
  const bool press = event.type() == QEvent::KeyPress;
  const std::uint32_t scan_code = event.nativeScanCode();
  unsigned code = VirtualKeyOf(event);
  if (scan_code != 0 && scan_code < m_code_of_scan_code.size()) {
    if (press) {
      m_code_of_scan_code[scan_code] = static_cast<std::uint8_t>(code);
    } else if (m_code_of_scan_code[scan_code] != 0) {
      code = m_code_of_scan_code[scan_code];
      m_code_of_scan_code[scan_code] = 0;
    }
  }
  const unsigned generic = GenericVirtualKey(code);
  if (code == 0) {
    return 0;
  }
  if (press) {
    platform::UpdateKeyboardState(code, platform::KeyTransition::kDown);
    if (generic != code) {
      platform::UpdateKeyboardState(generic, platform::KeyTransition::kDown);
    }
    return generic;
  }
  Release(code);
  if (generic != code) {
    // Shift stays down while the Shift key of the other side is held.
    platform::KeyboardStateBytes state{};
    platform::GetKeyboardState(state);
    bool other_side_down = false;
    for (unsigned sided = 0xA0; sided <= 0xA5; ++sided) {
      if (sided != code && GenericVirtualKey(sided) == generic &&
          (state[sided] & platform::kKeyDownBit) != 0) {
        other_side_down = true;
      }
    }
    if (!other_side_down) {
      Release(generic);
    }
  }
  return generic;
}

bool KeyEventRouter::RouteToDialog(const QWindow& window, const QKeyEvent& event,
                                   unsigned virtual_key) {
  QtDialogWindow* dialog_window = QtDialogWindow::FromQWindow(&window);
  if (dialog_window == nullptr) {
    return false;
  }
  Dialog& dialog = dialog_window->GetDialog();
  const bool press = event.type() == QEvent::KeyPress;
  // With Alt held (and for F10 and Alt itself) Windows sends system keys.
  const bool system = event.modifiers().testFlag(Qt::AltModifier) || virtual_key == kVkF10 ||
                      virtual_key == kVkMenu;
  KeyMessage message;
  message.code = virtual_key;
  if (press) {
    message.kind = system ? KeyMessageKind::kSysKeyDown : KeyMessageKind::kKeyDown;
  } else {
    message.kind = system ? KeyMessageKind::kSysKeyUp : KeyMessageKind::kKeyUp;
  }
  if (dialog.DispatchKey(message)) {
    return true;
  }
  if (!press) {
    return false;
  }
  const QString text = event.text();
  if (!text.isEmpty()) {
    KeyMessage character;
    character.kind = system ? KeyMessageKind::kSysChar : KeyMessageKind::kChar;
    character.code = text.at(0).unicode();
    if (dialog.DispatchKey(character)) {
      return true;
    }
  }
  if (virtual_key == kVkF1 && !system && dialog_window->IsEnabled()) {
    dialog_window->HandleHelp();
    return true;
  }
  return false;
}

}  // namespace ui::qt
