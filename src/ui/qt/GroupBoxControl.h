#pragma once

#include <QString>
#include <QWidget>

namespace ui::qt {

// A group box as dialogs draw it: an etched rectangle whose top edge runs
// through the middle of the title line, the title set into it near the left.
// It only frames: the controls it groups are its siblings, laid over it.
class GroupBoxControl final : public QWidget {
 public:
  GroupBoxControl(const QString& title, QWidget* parent);

  void SetTitle(const QString& title);
  const QString& Title() const { return m_title; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString m_title;
};

}  // namespace ui::qt
