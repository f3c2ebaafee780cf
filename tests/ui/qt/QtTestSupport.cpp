#include "QtTestSupport.h"

#include <QApplication>
#include <QTest>
#include <QWindow>
#include <QTimer>

#include "ui/DialogWindow.h"
#include "ui/qt/QtDialogWindow.h"

namespace qttest {

void EnsureApplication() {
  static int argc = 1;
  static char name[] = "test_ui_qt";
  static char* argv[] = {name, nullptr};
  if (QApplication::instance() == nullptr) {
    // Lives until the process ends, as in the program.
    new QApplication(argc, argv);
  }
}

std::optional<std::string_view> TestResources::FindString(unsigned) const {
  return std::nullopt;
}

const ui::DialogTemplate* TestResources::FindDialog(int id) const {
  auto it = m_dialogs.find(id);
  return it != m_dialogs.end() ? &it->second : nullptr;
}

const ui::IconResource* TestResources::FindIcon(int id) const {
  auto it = m_icons.find(id);
  return it != m_icons.end() ? &it->second : nullptr;
}

std::span<const std::uint8_t> TestResources::FindBitmap(int id) const {
  auto it = m_bitmaps.find(id);
  return it != m_bitmaps.end() ? std::span<const std::uint8_t>(it->second)
                               : std::span<const std::uint8_t>();
}

void TestResources::AddDialog(ui::DialogTemplate dialog_template) {
  const int id = dialog_template.id;
  m_dialogs[id] = std::move(dialog_template);
}

void TestResources::AddIcon(int id, int size, std::uint32_t colour) {
  m_icon_pixels[id].assign(static_cast<std::size_t>(size) * static_cast<std::size_t>(size), colour);
  m_icon_images[id] = {ui::IconImage{size, size, m_icon_pixels[id].data()}};
  m_icons[id] = ui::IconResource{id, m_icon_images[id]};
}

void TestResources::AddBitmap(int id, int width, int height,
                              const std::vector<std::uint32_t>& pixels) {
  const int row_size = (width * 3 + 3) / 4 * 4;
  const std::uint32_t image_size = static_cast<std::uint32_t>(row_size * height);
  std::vector<std::uint8_t> file;
  auto put16 = [&](std::uint32_t v) {
    file.push_back(static_cast<std::uint8_t>(v));
    file.push_back(static_cast<std::uint8_t>(v >> 8));
  };
  auto put32 = [&](std::uint32_t v) {
    put16(v & 0xFFFF);
    put16(v >> 16);
  };
  file.push_back('B');
  file.push_back('M');
  put32(14 + 40 + image_size);
  put32(0);
  put32(14 + 40);
  put32(40);
  put32(static_cast<std::uint32_t>(width));
  put32(static_cast<std::uint32_t>(height));  // bottom-up rows
  put16(1);
  put16(24);
  put32(0);  // uncompressed
  put32(image_size);
  put32(2835);
  put32(2835);
  put32(0);
  put32(0);
  for (int y = height - 1; y >= 0; --y) {
    int written = 0;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t rgb = pixels[static_cast<std::size_t>(y * width + x)];
      file.push_back(static_cast<std::uint8_t>(rgb));
      file.push_back(static_cast<std::uint8_t>(rgb >> 8));
      file.push_back(static_cast<std::uint8_t>(rgb >> 16));
      written += 3;
    }
    for (; written < row_size; ++written) {
      file.push_back(0);
    }
  }
  m_bitmaps[id] = std::move(file);
}

ui::qt::QtDialogWindow& TestDialog::QtWindow() const {
  return *dynamic_cast<ui::qt::QtDialogWindow*>(GetWindow());
}

QWidget* TestDialog::Control(int control_id) const {
  return QtWindow().ControlWidget(control_id);
}

bool TestDialog::OnInitDialog() {
  const bool result = Dialog::OnInitDialog();
  if (on_init) {
    on_init(*this);
  }
  return result;
}

bool TestDialog::PreTranslateKey(const ui::KeyMessage& message) {
  return key_filter ? key_filter(message) : false;
}

void TestDialog::OnHelp() {
  if (on_help) on_help();
}

void TestDialog::OnTimer(unsigned timer_id) {
  if (on_timer) on_timer(timer_id);
}

void TestDialog::OnPaint(ui::PaintContext& context) {
  if (on_paint) on_paint(context);
}

void TestDialog::OnCancel() {
  ++cancel_count;
  Dialog::OnCancel();
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
  using ui::ControlStyle;
  auto control = [](int id, ControlKind kind, int x, int y, int w, int h,
                    ControlStyle style = ControlStyle::kNone, const char* text = "",
                    int image = 0) {
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
  const ControlStyle tab = ControlStyle::kTabStop;
  t.controls = {
      control(kSampleList, ControlKind::kDropDownList, 5, 5, 60, 50, tab),
      control(kSampleButton, ControlKind::kPushButton, 145, 5, 50, 14, tab, "Button"),
      control(kSampleDefault, ControlKind::kDefaultPushButton, 145, 21, 50, 14, tab, "Default"),
      control(kSampleOk, ControlKind::kPushButton, 145, 37, 50, 14, tab, "OK"),
      control(kSampleCancel, ControlKind::kPushButton, 145, 53, 50, 14, tab, "Cancel"),
      control(ui::kStaticId, ControlKind::kGroupBox, 70, 5, 70, 40, ControlStyle::kNone, "Group"),
      control(kSampleLabel, ControlKind::kStaticText, 75, 15, 60, 8, ControlStyle::kNone, "A && B"),
      control(kSampleSunken, ControlKind::kStaticText, 75, 25, 60, 10, ControlStyle::kSunken, "S"),
      control(kSampleCentred, ControlKind::kStaticText, 75, 48, 60, 20,
              ControlStyle::kCenterVertically, "C"),
      control(kSampleFrame, ControlKind::kBlackFrame, 5, 70, 40, 45),
      control(kSampleEdit, ControlKind::kEdit, 50, 70, 40, 20,
              ControlStyle::kMultiLine | ControlStyle::kReadOnly | ControlStyle::kBorder, "E"),
      control(kSampleScrollEdit, ControlKind::kEdit, 95, 70, 45, 45,
              ControlStyle::kMultiLine | ControlStyle::kReadOnly | ControlStyle::kClientEdge |
                  ControlStyle::kVerticalScroll | tab,
              "Line one\r\nLine two"),
      control(kSampleIcon, ControlKind::kIcon, 150, 80, 20, 20, ControlStyle::kNone, "",
              kSampleIconId),
  };
  return t;
}

}  // namespace qttest
