#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/MessageBox.h"
#include "platform/Installed.h"
#include "ui/ControlKind.h"
#include "ui/DialogBackend.h"
#include "ui/DialogWindow.h"
#include "ui/KeyMessage.h"
#include "ui/KeyboardTracker.h"

namespace test {

class ScriptedWindow;

// The recorded state of one control.
struct ControlState {
  ui::ControlKind kind = ui::ControlKind::kStaticText;
  std::string text;
  bool visible = true, enabled = true;
  std::vector<std::pair<std::string, std::intptr_t>> items;  // text, data
  int selection = -1;
};

// The recorded state of one window; it outlives the window, so tests can
// look at it after DoModal returned.
struct WindowState {
  int template_id = 0, owner_template_id = 0, focus = ui::kWindowId;  // owner 0: none
  bool alive = true, enabled = true;
  std::string title;
  std::map<int, ControlState> controls;
  std::map<unsigned, unsigned> timers;  // id -> period in ms
  std::vector<std::string> paints;      // what the paint hook drew

  // The control's state; a test failure and an empty state for an unknown id.
  ControlState& Control(int control_id) const;
};

struct MessageBoxRecord {
  int owner_template_id = 0;  // 0: no owner window
  std::string text, caption;
  unsigned flags = 0;
  int answer = 0;
};

// A headless dialog backend driven by a script, installed (with its message
// box and keyboard state) for its lifetime. A test queues the user's
// actions; every modal loop, nested ones included, takes them in order from
// the one queue and runs them on its own window (the innermost open one).
// A loop that finds the queue empty fails the test and closes its window
// with Cancel. The backend records every window's state and every message
// box: it is the platform's message box while it exists, so boxes of the
// dialogs and of the engine go through the same script.
// Scripted keys go into the keyboard state that the backend keeps and
// installs as the platform's while it exists.
class ScriptedBackend final : public ui::DialogBackend, public platform::MessageBox {
 public:
  ScriptedBackend();
  ~ScriptedBackend() override;

  // The next queued action must happen in the window of this template.
  ScriptedBackend& In(int template_id) { return m_next_window = template_id, *this; }
  // A click on a button; ignored when the button or its window
  // is disabled or hidden, as a real click would be.
  ScriptedBackend& Click(int id) {
    return Queue([this, id](ScriptedWindow& w) { DoClick(w, id); });
  }
  // The user picks a list item: selection changes, then the notification.
  ScriptedBackend& Select(int id, int index);
  // The same, for the first item with this text.
  ScriptedBackend& SelectText(int id, std::string text);
  // Key down, then key up, through the key filter and then the dialog's own
  // keys: Escape, F1. A Return the filter lets through fails the test.
  ScriptedBackend& PressKey(unsigned key) {
    return Queue([this, key](ScriptedWindow& w) { DoKey(w, key, true), DoKey(w, key, false); });
  }
  ScriptedBackend& HoldKey(unsigned key) {
    return Queue([this, key](ScriptedWindow& w) { DoKey(w, key, true); });
  }
  ScriptedBackend& ReleaseKey(unsigned key) {
    return Queue([this, key](ScriptedWindow& w) { DoKey(w, key, false); });
  }
  ScriptedBackend& Escape() { return PressKey(ui::kVkEscape); }
  // Lets go of every held key at once, as when the application loses the
  // keyboard; not a queued action.
  void ReleaseAllKeys() { m_keys.ReleaseAll(); }
  // Answers the next message box; it must be the next thing to happen.
  ScriptedBackend& AnswerMessageBox(int result);
  ScriptedBackend& FireTimer(unsigned timer_id);
  ScriptedBackend& Paint(bool minimized = false);
  // Runs test code inside the current modal loop (checks while a window is open).
  ScriptedBackend& Run(std::function<void()> step) {
    return Queue([step = std::move(step)](ScriptedWindow&) { step(); });
  }

  std::size_t PendingActions() const { return m_actions.size(); }

  // The latest window built from a template (open or closed); a test failure
  // and an empty state when there is none.
  WindowState& Window(int template_id);
  // Every window built, in creation order.
  const std::vector<std::shared_ptr<WindowState>>& Windows() const { return m_windows; }
  const std::vector<MessageBoxRecord>& MessageBoxes() const { return m_message_boxes; }

  std::unique_ptr<ui::DialogWindow> CreateDialogWindow(Dialog& dialog,
                                                       const ui::DialogTemplate& dialog_template,
                                                       ui::DialogWindow* owner) override;
  int Show(platform::OwnerWindow* owner, std::string_view text, std::string_view caption,
           unsigned flags) override;

 private:
  friend class ScriptedWindow;

  // One user action; `answer` marks a message-box answer.
  struct Action {
    std::function<void(ScriptedWindow&)> run;
    std::optional<int> answer, window;
  };

  ScriptedBackend& Queue(std::function<void(ScriptedWindow&)> run,
                         std::optional<int> answer = std::nullopt);
  void DoClick(ScriptedWindow& window, int control_id);
  void DoSelect(ScriptedWindow& window, int control_id, int index);
  void DoKey(ScriptedWindow& window, unsigned virtual_key, bool down);
  // Whether the control is there and can take the user's action (which
  // focuses it); an action on an unavailable one is ignored.
  bool Available(ScriptedWindow& window, int control_id, bool list, const char* what);

  std::deque<Action> m_actions;
  std::optional<int> m_next_window;
  std::vector<std::shared_ptr<WindowState>> m_windows;
  std::vector<MessageBoxRecord> m_message_boxes;
  platform::Installed<ui::DialogBackend> m_installed_backend{*this, &ui::SetDialogBackend};
  platform::Installed<platform::MessageBox> m_installed_box{*this, &platform::SetMessageBox};
  ui::KeyboardTracker m_keys;
  platform::Installed<platform::KeyboardState> m_installed_keys{m_keys, &platform::SetKeyboardState};
};

}  // namespace test
