#include "support/ScriptedBackend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "platform/KeyboardState.h"
#include "ui/ControlTemplate.h"
#include "ui/Dialog.h"
#include "ui/DialogTemplate.h"
#include "ui/KeyMessage.h"
#include "ui/Notification.h"
#include "ui/PaintContext.h"

namespace test {

std::vector<std::string> ControlState::ItemTexts() const {
  std::vector<std::string> texts;
  for (const ListItem& item : items) texts.push_back(item.text);
  return texts;
}

ControlState& WindowState::Control(int control_id) {
  auto found = controls.find(control_id);
  if (found == controls.end()) {
    ADD_FAILURE() << "window " << template_id << " has no control " << control_id;
    static ControlState nowhere;
    nowhere = ControlState{};
    return nowhere;
  }
  return found->second;
}

const ControlState& WindowState::Control(int control_id) const {
  return const_cast<WindowState*>(this)->Control(control_id);
}

namespace {

constexpr unsigned kVkBack = 0x08;
constexpr unsigned kVkSpace = 0x20;
constexpr unsigned kVkF10 = 0x79;

// The character a key gives, 0 for none (no character message).
unsigned CharacterOf(unsigned virtual_key, bool shift) {
  if (virtual_key == kVkBack || virtual_key == ui::kVkTab || virtual_key == ui::kVkReturn ||
      virtual_key == ui::kVkEscape || virtual_key == kVkSpace) {
    return virtual_key;
  }
  if (virtual_key >= '0' && virtual_key <= '9') return virtual_key;
  if (virtual_key >= 'A' && virtual_key <= 'Z') return shift ? virtual_key : virtual_key + 32;
  return 0;
}

bool IsButton(ui::ControlKind kind) {
  return kind == ui::ControlKind::kPushButton || kind == ui::ControlKind::kDefaultPushButton;
}

class RecordingPaintContext final : public ui::PaintContext {
 public:
  RecordingPaintContext(WindowState& state, bool minimized)
      : m_state(state), m_minimized(minimized) {}
  bool IsMinimized() const override { return m_minimized; }
  void StretchBitmapToControl(int control_id, int bitmap_id) override {
    m_state.Control(control_id);
    m_state.paints.push_back("bitmap " + std::to_string(bitmap_id) + " on " +
                             std::to_string(control_id));
  }
  void DrawIconCentered(int icon_id) override {
    m_state.paints.push_back("icon " + std::to_string(icon_id) + " centred");
  }

 private:
  WindowState& m_state;
  bool m_minimized;
};

}  // namespace

class ScriptedWindow final : public ui::DialogWindow {
 public:
  ScriptedWindow(ScriptedBackend& backend, Dialog& dialog,
                 const ui::DialogTemplate& dialog_template, ScriptedWindow* owner,
                 std::shared_ptr<WindowState> state)
      : m_backend(backend),
        m_dialog(dialog),
        m_template(dialog_template),
        m_owner(owner),
        m_state(std::move(state)) {}

  ~ScriptedWindow() override {
    m_state->alive = m_state->shown = false;
    m_state->timers.clear();
  }

  Dialog& GetDialog() { return m_dialog; }
  WindowState& State() { return *m_state; }
  const ui::DialogTemplate& Template() const { return m_template; }

  void RunModalLoop() override {
    m_end_requested = false;
    m_state->shown = true;
    const bool disabled_owner = m_owner != nullptr && m_owner->m_state->enabled;
    if (disabled_owner) m_owner->m_state->enabled = false;
    while (!m_end_requested) {
      if (!m_backend.RunNext(*this)) {
        ADD_FAILURE() << "the script ran out while window " << m_template.id << " was open";
        m_dialog.DispatchCommand(platform::kIdCancel, ui::Notification::kClicked);
        break;
      }
    }
    if (disabled_owner) m_owner->m_state->enabled = true;
    m_state->shown = false;
  }

  void EndModalLoop() override { m_end_requested = true; }

  void SetTitle(std::string_view text) override { m_state->title = text; }
  std::string GetTitle() const override { return m_state->title; }
  void SetIcon(int icon_id) override { m_state->icon_id = icon_id; }
  bool IsEnabled() const override { return m_state->enabled; }
  void Invalidate() override {}

  void SetControlText(int id, std::string_view text) override { m_state->Control(id).text = text; }
  std::string GetControlText(int id) const override { return m_state->Control(id).text; }
  void SetControlVisible(int id, bool visible) override { m_state->Control(id).visible = visible; }
  bool IsControlVisible(int id) const override { return m_state->Control(id).visible; }
  void SetControlEnabled(int id, bool enabled) override { m_state->Control(id).enabled = enabled; }
  bool IsControlEnabled(int id) const override { return m_state->Control(id).enabled; }
  void SetControlIcon(int id, int icon_id) override { m_state->Control(id).icon_id = icon_id; }

  void SetFocus(int id) override {
    if (id != ui::kWindowId) m_state->Control(id);
    m_state->focus = id;
  }
  int GetFocus() const override { return m_state->focus; }

  void ResetList(int id) override {
    ControlState& list = List(id);
    list.items.clear();
    list.selection = -1;
  }
  int AddListItem(int id, std::string_view text, std::intptr_t data) override {
    ControlState& list = List(id);
    list.items.push_back({std::string(text), data});
    return static_cast<int>(list.items.size()) - 1;
  }
  int GetListCount(int id) const override { return static_cast<int>(List(id).items.size()); }
  std::string GetListItemText(int id, int index) const override {
    const ControlState& list = List(id);
    return InRange(list, index) ? list.items[index].text : std::string();
  }
  std::intptr_t GetListItemData(int id, int index) const override {
    const ControlState& list = List(id);
    return InRange(list, index) ? list.items[index].data : 0;
  }
  void SetListSelection(int id, int index) override {
    ControlState& list = List(id);
    list.selection = InRange(list, index) ? index : -1;
  }
  int GetListSelection(int id) const override { return List(id).selection; }

  void SetTimer(unsigned timer_id, unsigned period_ms) override {
    m_state->timers[timer_id] = period_ms;
  }
  void KillTimer(unsigned timer_id) override { m_state->timers.erase(timer_id); }

 private:
  static bool InRange(const ControlState& list, int index) {
    return index >= 0 && index < static_cast<int>(list.items.size());
  }
  ControlState& List(int id) const {
    ControlState& control = m_state->Control(id);
    EXPECT_EQ(control.kind, ui::ControlKind::kDropDownList) << "control " << id << " is no list";
    return control;
  }

  ScriptedBackend& m_backend;
  Dialog& m_dialog;
  const ui::DialogTemplate& m_template;
  ScriptedWindow* m_owner;
  std::shared_ptr<WindowState> m_state;
  bool m_end_requested = false;
};

ScriptedBackend::ScriptedBackend() {
  m_previous_hook = platform::SetMessageBoxHook(
      [this](const std::string& text, const std::string& caption, unsigned flags) {
        return ShowMessageBox(nullptr, text, caption, flags);
      });
}

ScriptedBackend::~ScriptedBackend() {
  platform::SetMessageBoxHook(std::move(m_previous_hook));
  platform::ReleaseAllKeys();
  EXPECT_EQ(m_actions.size(), 0u) << "scripted actions were never used";
}

ScriptedBackend& ScriptedBackend::Queue(std::function<void(ScriptedWindow&)> run,
                                        std::optional<int> answer) {
  m_actions.push_back({std::move(run), answer, std::exchange(m_next_window, std::nullopt)});
  return *this;
}

ScriptedBackend& ScriptedBackend::OpenList(int control_id) {
  return Queue([this, control_id](ScriptedWindow& w) {
    if (!Available(w, control_id, true, "open")) return;
    w.GetDialog().DispatchCommand(control_id, ui::Notification::kDropDown);
  });
}

ScriptedBackend& ScriptedBackend::PressKey(unsigned virtual_key) {
  return Queue([this, virtual_key](ScriptedWindow& w) {
    DoKey(w, virtual_key, true);
    DoKey(w, virtual_key, false);
  });
}

ScriptedBackend& ScriptedBackend::CloseBox() {
  return Queue([](ScriptedWindow& w) {
    w.GetDialog().DispatchCommand(platform::kIdCancel, ui::Notification::kClicked);
  });
}

ScriptedBackend& ScriptedBackend::AnswerMessageBox(int result) {
  return Queue(
      [result](ScriptedWindow&) {
        ADD_FAILURE() << "a message-box answer (" << result << ") was queued but no box came";
      },
      result);
}

ScriptedBackend& ScriptedBackend::FireTimer(unsigned timer_id) {
  return Queue([timer_id](ScriptedWindow& w) {
    if (w.State().timers.count(timer_id) == 0) {
      ADD_FAILURE() << "timer " << timer_id << " is not running in window " << w.Template().id;
    } else {
      w.GetDialog().DispatchTimer(timer_id);
    }
  });
}

ScriptedBackend& ScriptedBackend::Paint(bool minimized) {
  return Queue([minimized](ScriptedWindow& w) {
    RecordingPaintContext context(w.State(), minimized);
    w.GetDialog().DispatchPaint(context);
  });
}

WindowState& ScriptedBackend::Window(int template_id) {
  for (auto it = m_windows.rbegin(); it != m_windows.rend(); ++it) {
    if ((*it)->template_id == template_id) return **it;
  }
  ADD_FAILURE() << "no window " << template_id << " was built";
  static WindowState nowhere;
  nowhere = WindowState{};
  return nowhere;
}

ui::KeyboardState ScriptedBackend::GetKeyboardState() const {
  platform::KeyboardStateBytes state{};
  platform::GetKeyboardState(state);
  return state;
}

std::unique_ptr<ui::DialogWindow> ScriptedBackend::CreateDialogWindow(
    Dialog& dialog, const ui::DialogTemplate& dialog_template, ui::DialogWindow* owner) {
  auto state = std::make_shared<WindowState>();
  state->template_id = dialog_template.id;
  state->title = dialog_template.caption;
  auto* owner_window = static_cast<ScriptedWindow*>(owner);
  state->owner_template_id = owner_window != nullptr ? owner_window->Template().id : 0;
  for (const ui::ControlTemplate& control : dialog_template.controls) {
    if (control.id == ui::kStaticId) continue;
    const bool hidden = ui::HasFlag(control.style, ui::ControlStyle::kHidden);
    const bool disabled = ui::HasFlag(control.style, ui::ControlStyle::kDisabled);
    state->controls[control.id] = {control.kind,     control.text, !hidden, !disabled,
                                   control.image_id, {},           -1};
  }
  m_windows.push_back(state);
  return std::make_unique<ScriptedWindow>(*this, dialog, dialog_template, owner_window,
                                          std::move(state));
}

int ScriptedBackend::ShowMessageBox(ui::DialogWindow* owner, std::string_view text,
                                    std::string_view caption, unsigned flags) {
  const int owner_id = owner != nullptr ? static_cast<ScriptedWindow*>(owner)->Template().id : 0;
  const bool yes_no = (flags & platform::kMbButtonMask) == platform::kMbYesNo;
  int answer = yes_no ? platform::kIdYes : platform::kIdOk;
  if (m_actions.empty() || !m_actions.front().answer) {
    ADD_FAILURE() << "unexpected message box \"" << text << "\" (" << caption << ")";
  } else {
    answer = *m_actions.front().answer;
    m_actions.pop_front();
  }
  m_message_boxes.push_back({owner_id, std::string(text), std::string(caption), flags, answer});
  return answer;
}

bool ScriptedBackend::RunNext(ScriptedWindow& window) {
  if (m_actions.empty()) return false;
  Action action = std::move(m_actions.front());
  m_actions.pop_front();
  if (action.window && *action.window != window.Template().id) {
    ADD_FAILURE() << "a scripted action meant for window " << *action.window << " reached window "
                  << window.Template().id;
  }
  action.run(window);
  return true;
}

bool ScriptedBackend::Available(ScriptedWindow& window, int control_id, bool list,
                                const char* what) {
  WindowState& state = window.State();
  const auto found = state.controls.find(control_id);
  const ui::ControlKind kind =
      found != state.controls.end() ? found->second.kind : ui::ControlKind{};
  if (found == state.controls.end() ||
      (list ? kind != ui::ControlKind::kDropDownList : !IsButton(kind))) {
    ADD_FAILURE() << what << ": window " << state.template_id << " has no such control "
                  << control_id;
    return false;
  }
  if (!state.enabled || !found->second.enabled || !found->second.visible) {
    m_ignored.push_back(std::string(what) + " on unavailable control " +
                        std::to_string(control_id));
    return false;
  }
  state.focus = control_id;
  return true;
}

void ScriptedBackend::DoSelect(ScriptedWindow& window, int control_id, int index) {
  if (!Available(window, control_id, true, "select")) return;
  ControlState& list = window.State().controls[control_id];
  if (index < 0 || index >= static_cast<int>(list.items.size())) {
    ADD_FAILURE() << "list " << control_id << " has no item " << index;
    return;
  }
  list.selection = index;
  window.GetDialog().DispatchCommand(control_id, ui::Notification::kSelectionChanged);
}

void ScriptedBackend::DoClick(ScriptedWindow& window, int control_id) {
  if (Available(window, control_id, false, "click")) {
    window.GetDialog().DispatchCommand(control_id, ui::Notification::kClicked);
  }
}

// Key down (then its character) or key up, through the key filter, then the
// dialog's own keys on key down.
void ScriptedBackend::DoKey(ScriptedWindow& window, unsigned virtual_key, bool down) {
  using ui::KeyMessageKind;
  platform::UpdateKeyboardState(
      virtual_key, down ? platform::KeyTransition::kDown : platform::KeyTransition::kUp);
  const ui::KeyboardState keys = GetKeyboardState();
  auto held = [&keys](unsigned key) { return (keys[key] & platform::kKeyDownBit) != 0; };
  const bool system = held(ui::kVkMenu) || virtual_key == kVkF10 || virtual_key == ui::kVkMenu;
  Dialog& dialog = window.GetDialog();
  if (!down) {
    dialog.DispatchKey({system ? KeyMessageKind::kSysKeyUp : KeyMessageKind::kKeyUp, virtual_key});
    return;
  }
  if (dialog.DispatchKey(
          {system ? KeyMessageKind::kSysKeyDown : KeyMessageKind::kKeyDown, virtual_key})) {
    return;
  }
  const unsigned character = CharacterOf(virtual_key, held(ui::kVkShift));
  if (character != 0 &&
      dialog.DispatchKey({system ? KeyMessageKind::kSysChar : KeyMessageKind::kChar, character})) {
    return;
  }
  WindowState& state = window.State();
  if (virtual_key == ui::kVkReturn) {
    // A focused push button takes Return; otherwise the default button does.
    auto focused = state.controls.find(state.focus);
    if (focused != state.controls.end() && IsButton(focused->second.kind)) {
      return DoClick(window, state.focus);
    }
    for (const ui::ControlTemplate& control : window.Template().controls) {
      if (control.kind == ui::ControlKind::kDefaultPushButton) return DoClick(window, control.id);
    }
    dialog.DispatchCommand(platform::kIdOk, ui::Notification::kClicked);
  } else if (virtual_key == ui::kVkEscape) {
    dialog.DispatchCommand(platform::kIdCancel, ui::Notification::kClicked);
  } else if (virtual_key == ui::kVkF1) {
    dialog.DispatchHelp();
  }
}

}  // namespace test
