#include "ui/qt/QtMessageBox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
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

// A Qt message box with the way out of a Windows one: a box with a Cancel
// button, or with OK alone, answers Escape and its close box with that
// button; any other (Yes and No, Abort, Retry and Ignore) has no way out but
// its buttons, and no close box.
class ChoiceBox final : public QMessageBox {
 public:
  ChoiceBox(Icon icon, const QString& caption, const QString& text, QWidget* parent,
            bool can_escape)
      : QMessageBox(icon, caption, text, QMessageBox::NoButton, parent), m_can_escape(can_escape) {
    if (!can_escape) {
      setWindowFlags((windowFlags() | Qt::CustomizeWindowHint | Qt::WindowTitleHint) &
                     ~Qt::WindowCloseButtonHint);
    }
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (!m_can_escape && event->matches(QKeySequence::Cancel)) {
      event->accept();
      return;
    }
    QMessageBox::keyPressEvent(event);
  }
  void closeEvent(QCloseEvent* event) override {
    if (!m_can_escape) {
      event->ignore();
      return;
    }
    QMessageBox::closeEvent(event);
  }

 private:
  bool m_can_escape;
};

int ShowOver(QWidget* parent, std::string_view text, std::string_view caption, unsigned flags) {
  const auto buttons = ButtonsOf(flags);
  QMessageBox::StandardButton escape = QMessageBox::NoButton;
  for (const auto& [standard, result] : buttons) {
    if (standard == QMessageBox::Cancel || (standard == QMessageBox::Ok && buttons.size() == 1)) {
      escape = standard;
    }
  }
  ChoiceBox box(IconOf(flags), ToQString(caption), ToQString(text), parent,
                escape != QMessageBox::NoButton);
  for (const auto& [standard, result] : buttons) {
    box.addButton(standard);
  }
  box.setDefaultButton(buttons.front().first);
  if (escape != QMessageBox::NoButton) {
    box.setEscapeButton(escape);
  }
  box.exec();
  const QAbstractButton* clicked = box.clickedButton();
  for (const auto& [standard, result] : buttons) {
    if (clicked == box.button(standard)) {
      return result;
    }
  }
  // Only a box without a way out can end unanswered (its window destroyed):
  // its first button, as the Windows box would have been answered.
  return buttons.front().second;
}

}  // namespace

int QtMessageBox::Show(platform::OwnerWindow* owner, std::string_view text,
                       std::string_view caption, unsigned flags) {
  if (!OnUserInterfaceThread()) {
    return platform::RealMessageBox().Show(nullptr, text, caption, flags);
  }
  auto* window = dynamic_cast<QtDialogWindow*>(owner);
  // A box asked without an owner (the engine's) belongs to the innermost
  // running window, the first one included, though that one is not modal.
  if (window == nullptr) window = QtDialogWindow::Innermost();
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
