#include "QtTestSupport.h"

#include <QApplication>
#include <QBuffer>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "ui/DialogWindow.h"
#include "ui/qt/QtDialogWindow.h"

namespace qttest {

void EnsureApplication() {
  static int argc = 1;
  static char name[] = "test_ui_qt";
  static char* argv[] = {name, nullptr};
  if (QApplication::instance() == nullptr) {
    new QApplication(argc, argv);  // lives until the process ends, as in the program
  }
}

template <typename Map>
static auto* Find(const Map& map, int id) {
  auto it = map.find(id);
  return it != map.end() ? &it->second : nullptr;
}

const ui::DialogTemplate* TestResources::FindDialog(int id) const {
  return Find(m_dialogs, id);
}

const ui::IconResource* TestResources::FindIcon(int id) const {
  return Find(m_icons, id);
}

std::span<const std::uint8_t> TestResources::FindBitmap(int id) const {
  const auto* file = Find(m_bitmaps, id);
  return file != nullptr ? std::span<const std::uint8_t>(*file) : std::span<const std::uint8_t>();
}

void TestResources::AddDialog(ui::DialogTemplate dialog_template) {
  const int id = dialog_template.id;
  m_dialogs[id] = std::move(dialog_template);
}

void TestResources::AddIcon(int id, int size, std::uint32_t colour) {
  m_icon_pixels[id].assign(static_cast<std::size_t>(size * size), colour);
  m_icon_images[id] = {ui::IconImage{size, size, m_icon_pixels[id].data()}};
  m_icons[id] = ui::IconResource{id, m_icon_images[id]};
}

void TestResources::AddBitmap(int id, const QImage& image) {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  m_bitmaps[id].assign(buffer.data().begin(), buffer.data().end());
}

ui::qt::QtDialogWindow& TestDialog::QtWindow() const {
  return *dynamic_cast<ui::qt::QtDialogWindow*>(GetWindow());
}

QWidget* TestDialog::Control(int control_id) const {
  return QtWindow().ControlWidget(control_id);
}

QWindow* TestDialog::Handle() const {
  return QtWindow().Widget()->windowHandle();
}

bool TestDialog::OnInitDialog() {
  const bool result = Dialog::OnInitDialog();
  if (on_init) on_init(*this);
  if (on_open) Later([this] { on_open(*this); });
  return result;
}

BackendTest::BackendTest() {
  m_resources.AddDialog(SampleTemplate());
  m_resources.AddIcon(kSampleIconId, 32, 0xFF00A000);
}

void UserClick(QWidget* widget) {
  QWidget* top = widget->window();
  QTest::mouseClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                    widget->mapTo(top, widget->rect().center()));
}

void Later(std::function<void()> action, int delay_ms) {
  QTimer::singleShot(delay_ms, QApplication::instance(), std::move(action));
}

ui::DialogTemplate SampleTemplate() {
  using ui::ControlKind;
  using Style = ui::ControlStyle;
  auto control = [](int id, ControlKind kind, int x, int y, int w, int h, Style style,
                    const char* text = "", int image = 0) {
    return ui::ControlTemplate{id, kind, x, y, w, h, style, text, image};
  };
  ui::DialogTemplate t;
  t.id = 500;
  t.width = 200;
  t.height = 120;
  t.font_name = "MS Sans Serif";
  t.font_point_size = 8;
  t.style = ui::DialogStyle::kCaption | ui::DialogStyle::kSystemMenu | ui::DialogStyle::kModalFrame;
  t.caption = "Sample";
  const Style tab = Style::kTabStop;
  const Style none = Style::kNone;
  const Style read_only = Style::kMultiLine | Style::kReadOnly;
  t.controls = {
      control(kSampleList, ControlKind::kDropDownList, 5, 5, 60, 50, tab),
      control(kSampleButton, ControlKind::kPushButton, 145, 5, 50, 14, tab, "Button"),
      control(kSampleDefault, ControlKind::kDefaultPushButton, 145, 21, 50, 14, tab, "Default"),
      control(kSampleOk, ControlKind::kPushButton, 145, 37, 50, 14, tab, "OK"),
      control(2, ControlKind::kPushButton, 145, 53, 50, 14, tab, "Cancel"),
      control(ui::kStaticId, ControlKind::kGroupBox, 70, 5, 70, 40, none, "Group"),
      control(kSampleLabel, ControlKind::kStaticText, 75, 15, 60, 8, none, "A && B"),
      control(kSampleSunken, ControlKind::kStaticText, 75, 25, 60, 10, Style::kSunken, "S"),
      control(kSampleCentred, ControlKind::kStaticText, 75, 48, 60, 20, Style::kCenterVertically),
      control(kSampleFrame, ControlKind::kBlackFrame, 5, 70, 40, 45, none),
      control(kSampleEdit, ControlKind::kEdit, 50, 70, 40, 20, read_only | Style::kBorder, "E"),
      control(kSampleScrollEdit, ControlKind::kEdit, 95, 70, 45, 45,
              read_only | Style::kClientEdge | Style::kVerticalScroll | tab,
              "Line one\r\nLine two"),
      control(kSampleIcon, ControlKind::kIcon, 150, 80, 20, 20, none, "", kSampleIconId),
  };
  return t;
}

}  // namespace qttest
