// The yardstick: a plain Qt dialog with about as many widgets as the tool's
// main window, no engine, no probe.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

template <typename Widget>
Widget* Place(QDialog& dialog, Widget* widget, int x, int y, int width, int height) {
  widget->setParent(&dialog);
  widget->setGeometry(x, y, width, height);
  return widget;
}

QPlainTextEdit* ReadOnlyText(const char* text) {
  auto* edit = new QPlainTextEdit(text);
  edit->setReadOnly(true);
  return edit;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QDialog dialog;
  dialog.setWindowTitle("Bare Dialog");
  dialog.resize(558, 533);

  const char* buttons[] = {"OK", "Cancel", "Help", "Start Game", "Reset All"};
  for (int i = 0; i < 5; ++i) {
    Place(dialog, new QPushButton(buttons[i]), 472, 11 + i * 40, 75, 23);
  }
  auto* frame = Place(dialog, new QFrame, 11, 11, 205, 510);
  frame->setFrameShape(QFrame::Box);
  Place(dialog, ReadOnlyText("Welcome"), 226, 11, 218, 99);
  Place(dialog, new QGroupBox, 226, 110, 219, 148);
  Place(dialog, new QLabel("Quality"), 234, 128, 97, 16);
  auto* list = Place(dialog, new QComboBox, 343, 125, 91, 22);
  list->addItems({"High", "Medium", "Low"});
  Place(dialog, new QLabel("Recommended"), 234, 154, 97, 15);
  auto* recommended = Place(dialog, new QLabel("High"), 343, 154, 91, 18);
  recommended->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  Place(dialog, ReadOnlyText("Description"), 234, 179, 202, 68);
  Place(dialog, new QGroupBox, 226, 263, 219, 132);
  for (int i = 0; i < 4; ++i) {
    Place(dialog, new QLabel(QString("Player %1:").arg(i + 1)), 232, 281 + i * 28, 82, 13);
    Place(dialog, new QPushButton("Configure"), 352, 284 + i * 24, 82, 24);
  }
  Place(dialog, new QGroupBox, 226, 398, 219, 123);
  Place(dialog, new QLabel("Runtime Installed:"), 232, 411, 121, 32);
  Place(dialog, new QLabel, 402, 411, 30, 32);
  Place(dialog, new QLabel, 388, 411, 30, 32);
  Place(dialog, ReadOnlyText("Status"), 234, 455, 201, 58);
  return dialog.exec();
}
