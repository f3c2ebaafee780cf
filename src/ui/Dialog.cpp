#include "ui/Dialog.h"

#include <algorithm>

#include "platform/MessageBox.h"
#include "ui/ControlTemplate.h"
#include "ui/DataExchange.h"
#include "ui/DialogBackend.h"
#include "ui/DialogTemplate.h"
#include "ui/DialogWindow.h"
#include "ui/ResourceSet.h"

namespace {

// Dialogs whose modal loop runs, innermost last: a dialog without a parent
// is owned by the innermost one.
std::vector<Dialog*>& ModalStack() {
  static std::vector<Dialog*> stack;
  return stack;
}

}  // namespace

Dialog::Dialog(int template_id, Dialog* parent) : m_template_id(template_id), m_parent(parent) {}

Dialog::~Dialog() = default;

int Dialog::DoModal() {
  if (m_window) {
    return -1;
  }
  m_template = FindTemplate();
  if (m_template == nullptr) {
    return -1;
  }
  ui::DialogWindow* owner = nullptr;
  if (m_parent != nullptr && m_parent->m_window) {
    owner = m_parent->m_window.get();
  } else if (!ModalStack().empty()) {
    owner = ModalStack().back()->m_window.get();
  }
  m_window = ui::GetDialogBackend().CreateDialogWindow(*this, *m_template, owner);
  if (!m_window) {
    return -1;
  }
  m_result = -1;
  m_ended = false;
  ModalStack().push_back(this);
  const bool default_focus = OnInitDialog();
  // A dialog may end itself during OnInitDialog; it then never shows.
  if (!m_ended) {
    if (default_focus) {
      m_window->SetFocus(FirstFocusableControl());
    }
    m_loop_running = true;
    m_window->RunModalLoop();
    m_loop_running = false;
  }
  auto& stack = ModalStack();
  stack.erase(std::remove(stack.begin(), stack.end(), this), stack.end());
  OnDestroy();
  m_window.reset();
  return m_result;
}

void Dialog::EndDialog(int result) {
  m_result = result;
  m_ended = true;
  if (m_window && m_loop_running) {
    m_window->EndModalLoop();
  }
}

bool Dialog::UpdateData(bool save_and_validate) {
  if (!m_window) {
    return false;
  }
  ui::DataExchange exchange(*this, save_and_validate ? ui::DataExchange::Direction::kFromControls
                                                     : ui::DataExchange::Direction::kToControls);
  DoDataExchange(exchange);
  return !exchange.Failed();
}

void Dialog::SetWindowText(std::string_view text) {
  if (m_window) m_window->SetTitle(text);
}

std::string Dialog::GetWindowText() const {
  return m_window ? m_window->GetTitle() : std::string();
}

void Dialog::SetWindowIcon(int icon_id) {
  if (m_window) m_window->SetIcon(icon_id);
}

void Dialog::Invalidate() {
  if (m_window) m_window->Invalidate();
}

void Dialog::SetControlText(int control_id, std::string_view text) {
  if (m_window) m_window->SetControlText(control_id, text);
}

std::string Dialog::GetControlText(int control_id) const {
  return m_window ? m_window->GetControlText(control_id) : std::string();
}

void Dialog::ShowControl(int control_id) {
  if (m_window) m_window->SetControlVisible(control_id, true);
}

void Dialog::HideControl(int control_id) {
  if (m_window) m_window->SetControlVisible(control_id, false);
}

bool Dialog::IsControlVisible(int control_id) const {
  return m_window && m_window->IsControlVisible(control_id);
}

void Dialog::EnableControl(int control_id) {
  if (m_window) m_window->SetControlEnabled(control_id, true);
}

void Dialog::DisableControl(int control_id) {
  if (m_window) m_window->SetControlEnabled(control_id, false);
}

bool Dialog::IsControlEnabled(int control_id) const {
  return m_window && m_window->IsControlEnabled(control_id);
}

void Dialog::SetControlIcon(int control_id, int icon_id) {
  if (m_window) m_window->SetControlIcon(control_id, icon_id);
}

void Dialog::SetControlAccessibleName(int control_id, std::string_view name) {
  if (m_window) m_window->SetControlAccessibleName(control_id, name);
}

void Dialog::SetFocus(int control_id) {
  if (m_window) m_window->SetFocus(control_id);
}

int Dialog::GetFocus() const {
  return m_window ? m_window->GetFocus() : ui::kWindowId;
}

void Dialog::MoveFocusToWindowAndBack() {
  if (!m_window) return;
  const int had_focus = m_window->GetFocus();
  m_window->SetFocus(ui::kWindowId);
  if (had_focus != ui::kWindowId) {
    m_window->SetFocus(had_focus);
  }
}

void Dialog::ResetList(int control_id) {
  if (m_window) m_window->ResetList(control_id);
}

int Dialog::AddListItem(int control_id, std::string_view text, std::intptr_t data) {
  return m_window ? m_window->AddListItem(control_id, text, data) : -1;
}

int Dialog::GetListCount(int control_id) const {
  return m_window ? m_window->GetListCount(control_id) : 0;
}

std::string Dialog::GetListItemText(int control_id, int index) const {
  return m_window ? m_window->GetListItemText(control_id, index) : std::string();
}

std::intptr_t Dialog::GetListItemData(int control_id, int index) const {
  return m_window ? m_window->GetListItemData(control_id, index) : 0;
}

void Dialog::SetListSelection(int control_id, int index) {
  if (m_window) m_window->SetListSelection(control_id, index);
}

int Dialog::GetListSelection(int control_id) const {
  return m_window ? m_window->GetListSelection(control_id) : -1;
}

int Dialog::FindListItemData(int control_id, std::intptr_t data) const {
  const int count = GetListCount(control_id);
  for (int index = 0; index < count; ++index) {
    if (GetListItemData(control_id, index) == data) {
      return index;
    }
  }
  return -1;
}

void Dialog::SetTimer(unsigned timer_id, unsigned period_ms) {
  if (m_window) m_window->SetTimer(timer_id, period_ms);
}

void Dialog::KillTimer(unsigned timer_id) {
  if (m_window) m_window->KillTimer(timer_id);
}

int Dialog::MessageBox(std::string_view text, std::string_view caption, unsigned flags) {
  return platform::GetMessageBox().Show(m_window.get(), text, caption, flags);
}

void Dialog::MapCommand(int control_id, ui::Notification code, CommandHandler handler) {
  m_commands.push_back(
      {control_id, control_id, code, [handler = std::move(handler)](int) { handler(); }});
}

void Dialog::MapCommandRange(int first_id, int last_id, ui::Notification code,
                             RangeHandler handler) {
  m_commands.push_back({first_id, last_id, code, std::move(handler)});
}

void Dialog::DispatchCommand(int control_id, ui::Notification code) {
  // A closing window takes no further commands, as its messages are gone.
  if (!m_window || m_ended) return;
  for (const MappedCommand& command : m_commands) {
    if (command.code == code && control_id >= command.first_id && control_id <= command.last_id) {
      // A copy: the handler may map further commands.
      RangeHandler handler = command.handler;
      handler(control_id);
      return;
    }
  }
  if (code != ui::Notification::kClicked) return;
  if (control_id == platform::kIdOk) {
    OnOK();
  } else if (control_id == platform::kIdCancel) {
    OnCancel();
  }
}

void Dialog::DispatchTimer(unsigned timer_id) {
  if (!m_window || m_ended) return;
  OnTimer(timer_id);
}

bool Dialog::DispatchKey(const ui::KeyMessage& message) {
  if (!m_window || m_ended) return false;
  return PreTranslateKey(message);
}

void Dialog::DispatchHelp() {
  if (!m_window || m_ended) return;
  OnHelp();
}

void Dialog::DispatchPaint(ui::PaintContext& context) {
  if (!m_window) return;
  OnPaint(context);
}

bool Dialog::OnInitDialog() {
  UpdateData(false);
  return true;
}

void Dialog::DoDataExchange(ui::DataExchange&) {}

void Dialog::OnOK() {
  if (!UpdateData(true)) {
    return;
  }
  EndDialog(platform::kIdOk);
}

void Dialog::OnCancel() {
  EndDialog(platform::kIdCancel);
}

void Dialog::OnTimer(unsigned) {}

bool Dialog::PreTranslateKey(const ui::KeyMessage&) {
  return false;
}

void Dialog::OnHelp() {}

void Dialog::OnPaint(ui::PaintContext&) {}

void Dialog::OnDestroy() {}

const ui::DialogTemplate* Dialog::FindTemplate() const {
  return ui::ResourceSet::s_instance != nullptr
             ? ui::ResourceSet::s_instance->FindDialog(m_template_id)
             : nullptr;
}

int Dialog::FirstFocusableControl() const {
  for (const ui::ControlTemplate& control : m_template->controls) {
    if (control.id != ui::kStaticId && ui::CanTakeFocus(control.kind) &&
        ui::HasFlag(control.style, ui::ControlStyle::kTabStop) &&
        m_window->IsControlVisible(control.id) && m_window->IsControlEnabled(control.id)) {
      return control.id;
    }
  }
  return ui::kWindowId;
}
