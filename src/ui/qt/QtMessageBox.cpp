#include "ui/qt/QtMessageBox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <utility>
#include <vector>

#include "ui/qt/QtDialogWindow.h"
#include "ui/qt/QtText.h"
#include "ui/qt/UserInterfaceThread.h"

namespace ui::qt {
namespace {

constexpr unsigned kMbAbortRetryIgnore = 0x2;
constexpr unsigned kMbYesNoCancel = 0x3;
constexpr unsigned kMbRetryCancel = 0x5;
constexpr int kIdAbort = 3;
constexpr int kIdRetry = 4;
constexpr int kIdIgnore = 5;

QMessageBox::Icon IconOf(unsigned flags) {
  switch (flags & platform::kMbIconMask) {
    case platform::kMbIconStop:
      return QMessageBox::Critical;
    case platform::kMbIconQuestion:
      return QMessageBox::Question;
    case platform::kMbIconExclamation:
      return QMessageBox::Warning;
    case platform::kMbIconInformation:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

// The buttons of a box, in the order Windows shows them, with their results.
std::vector<std::pair<QMessageBox::StandardButton, int>> ButtonsOf(unsigned flags) {
  switch (flags & platform::kMbButtonMask) {
    case platform::kMbOkCancel:
      return {{QMessageBox::Ok, platform::kIdOk}, {QMessageBox::Cancel, platform::kIdCancel}};
    case kMbAbortRetryIgnore:
      return {{QMessageBox::Abort, kIdAbort},
              {QMessageBox::Retry, kIdRetry},
              {QMessageBox::Ignore, kIdIgnore}};
    case kMbYesNoCancel:
      return {{QMessageBox::Yes, platform::kIdYes},
              {QMessageBox::No, platform::kIdNo},
              {QMessageBox::Cancel, platform::kIdCancel}};
    case platform::kMbYesNo:
      return {{QMessageBox::Yes, platform::kIdYes}, {QMessageBox::No, platform::kIdNo}};
    case kMbRetryCancel:
      return {{QMessageBox::Retry, kIdRetry}, {QMessageBox::Cancel, platform::kIdCancel}};
    default:
      return {{QMessageBox::Ok, platform::kIdOk}};
  }
}

int ShowOver(QWidget* parent, std::string_view text, std::string_view caption, unsigned flags) {
  QMessageBox box(IconOf(flags), ToQString(caption), ToQString(text), QMessageBox::NoButton,
                  parent);
  const auto buttons = ButtonsOf(flags);
  QAbstractButton* escape = nullptr;
  for (const auto& [standard, result] : buttons) {
    QAbstractButton* button = box.addButton(standard);
    if (standard == QMessageBox::Cancel || standard == QMessageBox::No || buttons.size() == 1) {
      escape = button;
    }
  }
  box.setDefaultButton(buttons.front().first);
  // Abort/Retry/Ignore has no way out but its buttons, as on Windows.
  box.setEscapeButton(escape);
  box.exec();
  // With no Escape button, closing the box by other means counts as the first button.
  const QAbstractButton* clicked = box.clickedButton();
  for (const auto& [standard, result] : buttons) {
    if (clicked == box.button(standard)) {
      return result;
    }
  }
  return buttons.front().second;
}

}  // namespace

int QtMessageBox::Show(platform::OwnerWindow* owner, std::string_view text,
                       std::string_view caption, unsigned flags) {
  if (!OnUserInterfaceThread()) {
    return platform::RealMessageBox().Show(nullptr, text, caption, flags);
  }
  auto* window = dynamic_cast<QtDialogWindow*>(owner);
  if (window == nullptr) {
    return ShowOver(QApplication::activeModalWidget(), text, caption, flags);
  }
  // The owner takes no input while its box is up, as with a child window.
  window->BlockForOwnedWindow();
  const int result = ShowOver(window->Widget(), text, caption, flags);
  window->UnblockAfterOwnedWindow();
  return result;
}

}  // namespace ui::qt
