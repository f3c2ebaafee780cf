#include "ui/qt/KeyEventRouter.h"

#include <algorithm>

#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>

#include "ui/Dialog.h"
#include "ui/KeyMessage.h"
#include "ui/KeyboardTracker.h"
#include "ui/qt/QtDialogWindow.h"
#include "ui/qt/VirtualKeyMap.h"

namespace ui::qt {
namespace {

constexpr unsigned kVkF10 = 0x79;

bool SetsCode(unsigned held_code, unsigned code) {
  return held_code == code || GenericVirtualKey(held_code) == code;
}

}  // namespace

KeyEventRouter::KeyEventRouter(KeyboardTracker& keyboard, QObject* parent)
    : QObject(parent), m_keyboard(keyboard) {
  if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
    // Another program's window (or none) has the keyboard now.
    connect(application, &QGuiApplication::focusWindowChanged, this, [this](QWindow* window) {
      if (window == nullptr) {
        ReleaseAll();
      }
    });
  }
}

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
      const auto& window = *static_cast<QWindow*>(watched);
      const unsigned virtual_key = TrackKey(window, key_event);
      return RouteToDialog(window, key_event, virtual_key);
    }
    case QEvent::Hide:
      // A key that closed its window (a capture window closes on the press)
      // must not look held to the next one; its release, wherever it goes,
      // then changes nothing.
      if (watched->isWindowType()) {
        ReleaseKeysOf(static_cast<QWindow*>(watched));
      }
      return false;
    case QEvent::ApplicationStateChange:
      // Keys released while another program has the keyboard are never seen.
      if (static_cast<QApplicationStateChangeEvent*>(event)->applicationState() !=
          Qt::ApplicationActive) {
        ReleaseAll();
      }
      return false;
    default:
      return false;
  }
}

unsigned KeyEventRouter::TrackKey(const QWindow& window, const QKeyEvent& event) {
  const bool press = event.type() == QEvent::KeyPress;
  const std::uint32_t scan_code = event.nativeScanCode();
  unsigned code = VirtualKeyOf(event);
  // The physical key: by its scan code, so that its release clears the code
  // its press set even if Shift, AltGr or Num Lock changed in between.
  const auto held = std::find_if(m_held.begin(), m_held.end(), [&](const HeldKey& key) {
    return scan_code != 0 ? key.scan_code == scan_code : key.scan_code == 0 && key.code == code;
  });
  if (held != m_held.end()) {
    code = held->code;
  }
  if (code == 0) {
    return 0;
  }
  if (press) {
    if (held != m_held.end()) {
      held->window = &window;  // a repeat, maybe after the focus moved
    } else {
      m_held.push_back({scan_code, code, &window});
    }
    m_keyboard.Press(code);
    m_keyboard.Press(GenericVirtualKey(code));
  } else {
    if (held != m_held.end()) {
      m_held.erase(held);
    }
    ReleaseCode(code);
  }
  return GenericVirtualKey(code);
}

void KeyEventRouter::ReleaseCode(unsigned code) {
  // Shift stays down while the Shift key of the other side is held.
  for (const unsigned released : {code, GenericVirtualKey(code)}) {
    const bool still_set = std::any_of(m_held.begin(), m_held.end(), [&](const HeldKey& key) {
      return SetsCode(key.code, released);
    });
    if (!still_set) {
      m_keyboard.Release(released);
    }
  }
}

void KeyEventRouter::ReleaseKeysOf(const QWindow* window) {
  std::vector<unsigned> codes;
  std::erase_if(m_held, [&](const HeldKey& key) {
    if (key.window != window) {
      return false;
    }
    codes.push_back(key.code);
    return true;
  });
  for (const unsigned code : codes) {
    ReleaseCode(code);
  }
}

void KeyEventRouter::ReleaseAll() {
  m_held.clear();
  m_keyboard.ReleaseAll();
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
