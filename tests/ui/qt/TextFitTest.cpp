#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>

#include "QtTestSupport.h"
#include "support/WindowTexts.h"
#include "platform/MessageBox.h"
#include "resources/DialogTemplates.h"
#include "resources/ResourceIds.h"
#include "resources/StringIds.h"
#include "resources/StringTexts.h"
#include "ui/ResourceStrings.h"
#include "ui/qt/GroupBoxControl.h"
#include "ui/qt/QtText.h"

namespace {

using namespace qttest;
using namespace resources;
using namespace windowtexts;

// The program's templates with their font at `point_size`: 8 is the
// templates' own, 16 what a screen of twice the density gives them when the
// toolkit does not scale (the font grows, and the layout with its base units).
class ScaledResources final : public ui::ResourceSet {
 public:
  explicit ScaledResources(int point_size) {
    for (const ui::DialogTemplate* t : {&MainDialogTemplate(), &ControllerDialogTemplate(),
                                        &CaptureDialogTemplate(), &HelpDialogTemplate()}) {
      m_templates.push_back(*t);
      m_templates.back().font_point_size = point_size;
    }
  }
  std::optional<std::string_view> FindString(unsigned id) const override {
    return FindStringText(id);
  }
  const ui::DialogTemplate* FindDialog(int id) const override {
    for (const ui::DialogTemplate& t : m_templates) {
      if (t.id == id) return &t;
    }
    return nullptr;
  }
  const ui::IconResource* FindIcon(int) const override { return nullptr; }
  std::span<const std::uint8_t> FindBitmap(int) const override { return {}; }

 private:
  std::vector<ui::DialogTemplate> m_templates;
};

// Empty when `text` shows whole in `widget` as the backend draws it, else why not.
std::string CutOff(QWidget* widget, const QString& text) {
  const QFontMetrics metrics = widget->fontMetrics();
  int needed = 0, room = 0;
  if (auto* button = qobject_cast<QPushButton*>(widget)) {
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = text;
    needed = metrics.horizontalAdvance(text);
    room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
  } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.currentText = text;
    needed = metrics.horizontalAdvance(text);
    room = list->style()
               ->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list)
               .width();
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    const QRect inside = label->contentsRect();
    const int flags = label->wordWrap() ? Qt::TextWordWrap : Qt::TextSingleLine;
    const QRect used = metrics.boundingRect(0, 0, inside.width(), 100000, flags, text);
    // The last line needs no line spacing below it.
    const int lines =
        std::max(1, (used.height() + metrics.lineSpacing() / 2) / metrics.lineSpacing());
    const int height = (lines - 1) * metrics.lineSpacing() + metrics.height();
    if (used.width() > inside.width() || height > inside.height()) {
      return "needs " + std::to_string(used.width()) + " x " + std::to_string(used.height()) +
             " of " + std::to_string(inside.width()) + " x " + std::to_string(inside.height());
    }
    return {};
  } else if (auto* edit = qobject_cast<QPlainTextEdit*>(widget)) {
    // Wrapped at the edit's width; without a scroll bar every line must show.
    edit->setPlainText(ui::qt::FromCrLf(text));
    needed = edit->verticalScrollBar()->maximum();
    if (edit->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn || needed == 0) return {};
    return std::to_string(needed) + " more lines than show, in " +
           edit->font().family().toStdString();
  } else if (auto* group = dynamic_cast<ui::qt::GroupBoxControl*>(widget)) {
    // The title sits one average character in, with a gap on each side.
    needed = metrics.averageCharWidth() + metrics.horizontalAdvance(text) + 4;
    room = group->width() - 2;
  }
  if (needed <= room) return {};
  return "needs " + std::to_string(needed) + " of " + std::to_string(room) + " pixels";
}

class TextFit : public testing::TestWithParam<int> {};

// Every text of the string table that a window shows fits its control whole
// (no word cut, no line lost), measured with the font and metrics the
// backend uses, at the templates' font size and scaled by 1.25, 1.5 and 2
// (ctest runs it again with the toolkit scaling by 2).
TEST_P(TextFit, EveryTextShowsWhole) {
  EnsureApplication();
  ScaledResources scaled(GetParam());
  ui::qt::QtDialogBackend backend;
  for (const auto& [template_id, shown] : WindowTexts()) {
    HookedDialog dialog(template_id);
    dialog.on_open = [&shown](HookedDialog& d) {
      for (const Shown& control : shown) {
        QWidget* widget = ControlOf(d, control.control_id);
        ASSERT_NE(widget, nullptr) << control.control_id;
        for (const std::string& text : control.texts) {
          if (CannotFit(d.GetTemplateId(), control.control_id, text)) continue;
          EXPECT_EQ(CutOff(widget, ui::qt::ToQString(text)), "")
              << "window " << d.GetTemplateId() << ", control " << control.control_id << ": "
              << text;
        }
      }
      d.EndDialog(platform::kIdOk);
    };
    EXPECT_EQ(dialog.DoModal(), platform::kIdOk) << template_id;
  }
}

INSTANTIATE_TEST_SUITE_P(ScaleFactors, TextFit, testing::Values(8, 10, 12, 16));

}  // namespace
