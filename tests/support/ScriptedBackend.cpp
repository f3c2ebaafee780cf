#include "support/ScriptedBackend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>

#include "ui/ControlTemplate.h"
#include "ui/Dialog.h"
#include "ui/DialogTemplate.h"
#include "ui/Notification.h"
#include "ui/PaintContext.h"

namespace test {

ControlState& WindowState::Control(int control_id) const {
  auto& all = const_cast<std::map<int, ControlState>&>(controls);
  if (auto found = all.find(control_id); found != all.end()) return found->second;
  ADD_FAILURE() << "window " << template_id << " has no control " << control_id;
  static ControlState nowhere;
  return nowhere = ControlState{};
}

namespace {

bool IsButton(ui::ControlKind kind) {
  return kind == ui::ControlKind::kPushButton || kind == ui::ControlKind::kDefaultPushButton;
}

}  // namespace

// One window, recording into its state; it is also the paint context handed
// to the dialog's paint hook.
class ScriptedWindow final : public ui::DialogWindow, public ui::PaintContext {
 public:
  ScriptedWindow(ScriptedBackend& backend, Dialog& dialog, const ui::DialogTemplate& templ,
                 ScriptedWindow* owner)
      : backend(backend), dialog(dialog), templ(templ), owner(owner) {
    state->template_id = templ.id;
    state->owner_template_id = owner != nullptr ? owner->templ.id : 0;
    state->title = templ.caption;
    for (const ui::ControlTemplate& control : templ.controls) {
      if (control.id == ui::kStaticId) continue;
      const bool hidden = ui::HasFlag(control.style, ui::ControlStyle::kHidden);
      const bool disabled = ui::HasFlag(control.style, ui::ControlStyle::kDisabled);
      state->controls[control.id] = {control.kind, control.text, !hidden, !disabled, {}, -1};
    }
  }
  ~ScriptedWindow() override { state->alive = false, state->timers.clear(); }

  void Cancel() { dialog.DispatchCommand(platform::kIdCancel, ui::Notification::kClicked); }

  // Runs the queued actions in order until the dialog ends the loop.
  void RunModalLoop() override {
    m_end_requested = false;
    const bool disabled_owner = owner != nullptr && owner->state->enabled;
    if (disabled_owner) owner->state->enabled = false;
    while (!m_end_requested && !backend.m_actions.empty()) {
      ScriptedBackend::Action action = std::move(backend.m_actions.front());
      backend.m_actions.pop_front();
      if (action.window && *action.window != templ.id) {
        ADD_FAILURE() << "an action for window " << *action.window << " reached " << templ.id;
      }
      action.run(*this);
    }
    if (!m_end_requested) {
      ADD_FAILURE() << "the script ran out while window " << templ.id << " was open";
      Cancel();
    }
    if (disabled_owner) owner->state->enabled = true;
  }
  void EndModalLoop() override { m_end_requested = true; }

  void SetTitle(std::string_view text) override { state->title = text; }
  std::string GetTitle() const override { return state->title; }
  void SetIcon(int) override {}
  bool IsEnabled() const override { return state->enabled; }
  void Invalidate() override {}

  void SetControlText(int id, std::string_view text) override { state->Control(id).text = text; }
  std::string GetControlText(int id) const override { return state->Control(id).text; }
  void SetControlVisible(int id, bool visible) override { state->Control(id).visible = visible; }
  bool IsControlVisible(int id) const override { return state->Control(id).visible; }
  void SetControlEnabled(int id, bool enabled) override { state->Control(id).enabled = enabled; }
  bool IsControlEnabled(int id) const override { return state->Control(id).enabled; }
  void SetControlIcon(int id, int) override { state->Control(id); }
  void SetFocus(int id) override {
    state->focus = id == ui::kWindowId ? id : (state->Control(id), id);
  }
  int GetFocus() const override { return state->focus; }

  void ResetList(int id) override { List(id).items.clear(), List(id).selection = -1; }
  int AddListItem(int id, std::string_view text, std::intptr_t data) override {
    List(id).items.push_back({std::string(text), data});
    return GetListCount(id) - 1;
  }
  int GetListCount(int id) const override { return static_cast<int>(List(id).items.size()); }
  std::string GetListItemText(int id, int index) const override {
    return InRange(id, index) ? List(id).items[index].first : std::string();
  }
  std::intptr_t GetListItemData(int id, int index) const override {
    return InRange(id, index) ? List(id).items[index].second : 0;
  }
  void SetListSelection(int id, int i) override { List(id).selection = InRange(id, i) ? i : -1; }
  int GetListSelection(int id) const override { return List(id).selection; }

  void SetTimer(unsigned id, unsigned period_ms) override { state->timers[id] = period_ms; }
  void KillTimer(unsigned timer_id) override { state->timers.erase(timer_id); }

  bool IsMinimized() const override { return minimized; }
  void StretchBitmapToControl(int control_id, int bitmap_id) override {
    state->Control(control_id);
    state->paints.push_back("bitmap " + std::to_string(bitmap_id) + " on " +
                            std::to_string(control_id));
  }
  void DrawIconCentered(int icon_id) override {
    state->paints.push_back("icon " + std::to_string(icon_id) + " centred");
  }

  ScriptedBackend& backend;
  Dialog& dialog;
  const ui::DialogTemplate& templ;
  ScriptedWindow* owner;
  std::shared_ptr<WindowState> state = std::make_shared<WindowState>();
  bool minimized = false;

 private:
  bool InRange(int id, int index) const { return index >= 0 && index < GetListCount(id); }
  ControlState& List(int id) const {
    ControlState& control = state->Control(id);
    EXPECT_EQ(control.kind, ui::ControlKind::kDropDownList) << "control " << id << " is no list";
    return control;
  }

  bool m_end_requested = false;
};

ScriptedBackend::ScriptedBackend() = default;

ScriptedBackend::~ScriptedBackend() {
  EXPECT_EQ(m_actions.size(), 0u) << "scripted actions were never used";
}

ScriptedBackend& ScriptedBackend::Queue(std::function<void(ScriptedWindow&)> run,
                                        std::optional<int> answer) {
  m_actions.push_back({std::move(run), answer, std::exchange(m_next_window, std::nullopt)});
  return *this;
}

ScriptedBackend& ScriptedBackend::Select(int id, int index) {
  return Queue([this, id, index](ScriptedWindow& w) { DoSelect(w, id, index); });
}

ScriptedBackend& ScriptedBackend::SelectText(int id, std::string text) {
  return Queue([this, id, text = std::move(text)](ScriptedWindow& w) {
    const auto& items = w.state->Control(id).items;
    const auto found = std::find_if(items.begin(), items.end(),
                                    [&text](const auto& item) { return item.first == text; });
    if (found == items.end()) return void(ADD_FAILURE() << "no item " << text);
    DoSelect(w, id, static_cast<int>(found - items.begin()));
  });
}

ScriptedBackend& ScriptedBackend::AnswerMessageBox(int result) {
  return Queue([result](ScriptedWindow&) { ADD_FAILURE() << "no box came for answer " << result; },
               result);
}

ScriptedBackend& ScriptedBackend::FireTimer(unsigned timer_id) {
  return Queue([timer_id](ScriptedWindow& w) {
    if (w.state->timers.count(timer_id) != 0) return w.dialog.DispatchTimer(timer_id);
    ADD_FAILURE() << "timer " << timer_id << " is not running in window " << w.templ.id;
  });
}

ScriptedBackend& ScriptedBackend::Paint(bool minimized) {
  return Queue([minimized](ScriptedWindow& w) {
    w.minimized = minimized;
    w.dialog.DispatchPaint(w);
  });
}

WindowState& ScriptedBackend::Window(int template_id) {
  for (auto it = m_windows.rbegin(); it != m_windows.rend(); ++it) {
    if ((*it)->template_id == template_id) return **it;
  }
  ADD_FAILURE() << "no window " << template_id << " was built";
  static WindowState nowhere;
  return nowhere = WindowState{};
}

std::unique_ptr<ui::DialogWindow> ScriptedBackend::CreateDialogWindow(
    Dialog& dialog, const ui::DialogTemplate& dialog_template, ui::DialogWindow* owner) {
  auto window = std::make_unique<ScriptedWindow>(*this, dialog, dialog_template,
                                                 static_cast<ScriptedWindow*>(owner));
  m_windows.push_back(window->state);
  return window;
}

// Takes the answer queued for it; an unexpected box fails the test and gets the default answer.
int ScriptedBackend::Show(platform::OwnerWindow* owner, std::string_view text,
                          std::string_view caption, unsigned flags) {
  const bool yes_no = (flags & platform::kMbButtonMask) == platform::kMbYesNo;
  const bool scripted = !m_actions.empty() && m_actions.front().answer;
  EXPECT_TRUE(scripted) << "unexpected message box \"" << text << "\" (" << caption << ")";
  int answer = yes_no ? platform::kIdYes : platform::kIdOk;
  if (scripted) answer = *m_actions.front().answer, m_actions.pop_front();
  const auto* window = dynamic_cast<const ScriptedWindow*>(owner);
  const int owner_id = window != nullptr ? window->templ.id : 0;
  m_message_boxes.push_back({owner_id, std::string(text), std::string(caption), flags, answer});
  return answer;
}

bool ScriptedBackend::Available(ScriptedWindow& window, int id, bool list, const char* what) {
  WindowState& state = *window.state;
  const auto found = state.controls.find(id);
  if (found == state.controls.end() || (list ? found->second.kind != ui::ControlKind::kDropDownList
                                             : !IsButton(found->second.kind))) {
    ADD_FAILURE() << what << ": window " << state.template_id << " has no such control " << id;
    return false;
  }
  // A real click or choice does not reach what the user cannot reach.
  if (!state.enabled || !found->second.enabled || !found->second.visible) return false;
  state.focus = id;
  return true;
}

void ScriptedBackend::DoSelect(ScriptedWindow& w, int id, int index) {
  if (!Available(w, id, true, "select")) return;
  ControlState& list = w.state->controls[id];
  if (index < 0 || index >= std::ssize(list.items)) return void(ADD_FAILURE() << "no item");
  list.selection = index;
  w.dialog.DispatchCommand(id, ui::Notification::kSelectionChanged);
}

void ScriptedBackend::DoClick(ScriptedWindow& w, int id) {
  if (Available(w, id, false, "click")) w.dialog.DispatchCommand(id, ui::Notification::kClicked);
}

// Key down or key up, through the key filter, then the dialog's own keys on
// key down: Escape, F1. (No character or system-key messages: the one
// key filter under this backend, the capture window's, swallows them all.)
void ScriptedBackend::DoKey(ScriptedWindow& window, unsigned key, bool down) {
  Dialog& dialog = window.dialog;
  using Kind = ui::KeyMessageKind;
  if (!down) {
    m_keys.Release(key);
    return void(dialog.DispatchKey({Kind::kKeyUp, key}));
  }
  m_keys.Press(key);
  if (dialog.DispatchKey({Kind::kKeyDown, key})) return;
  // Return has no default action here: a test clicks the button it means.
  EXPECT_NE(key, ui::kVkReturn) << "click the button instead";
  if (key == ui::kVkEscape) {
    window.Cancel();
  } else if (key == ui::kVkF1) {
    dialog.DispatchHelp();
  }
}

}  // namespace test
