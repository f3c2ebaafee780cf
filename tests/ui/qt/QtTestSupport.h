#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <QWindow>

#include "ui/Dialog.h"
#include "ui/DialogTemplate.h"
#include "ui/IconResource.h"
#include "ui/ResourceSet.h"
#include "ui/qt/QtDialogBackend.h"
#include "ui/qt/QtDialogWindow.h"

namespace qttest {

// The application object every test of the Qt backend runs in, made once and
// kept until the process ends, as in the program.
inline void EnsureApplication() {
  static int argc = 1;
  static char name[] = "test_ui_qt";
  static char* argv[] = {name, nullptr};
  if (QApplication::instance() == nullptr) new QApplication(argc, argv);
}

// Control ids of the sample template (id 500, 200 x 120 dialog units).
enum : int { kSampleOk = 1, kSampleButton = 10, kSampleDefault = 11, kSampleLabel = 20 };
enum : int { kSampleSunken = 21, kSampleCentred = 22, kSampleFrame = 30, kSampleEdit = 40 };
enum : int { kSampleScrollEdit = 41, kSampleList = 50, kSampleIcon = 60, kSampleIconId = 131 };

// One control of each kind and style the program uses; the label starts a
// second group (list and buttons are the first).
inline ui::DialogTemplate SampleTemplate() {
  using K = ui::ControlKind;
  using S = ui::ControlStyle;
  const S tab = S::kTabStop, none = S::kNone, read_only = S::kMultiLine | S::kReadOnly;
  const auto style =
      ui::DialogStyle::kCaption | ui::DialogStyle::kSystemMenu | ui::DialogStyle::kModalFrame;
  ui::DialogTemplate t{500, 200, 120, "MS Sans Serif", 8, style, "Sample", {}};  // id, size, font
  t.controls = {
      {kSampleList, K::kDropDownList, 5, 5, 60, 50, tab, ""},
      {kSampleButton, K::kPushButton, 145, 5, 50, 14, tab, "Button"},
      {kSampleDefault, K::kDefaultPushButton, 145, 21, 50, 14, tab, "Default"},
      {kSampleOk, K::kPushButton, 145, 37, 50, 14, tab, "OK"},
      {2, K::kPushButton, 145, 53, 50, 14, tab, "Cancel"},
      {ui::kStaticId, K::kGroupBox, 70, 5, 70, 40, none, "Group"},
      {kSampleLabel, K::kStaticText, 75, 15, 60, 8, S::kGroup, "A && B"},
      {kSampleSunken, K::kStaticText, 75, 25, 60, 10, S::kSunken, "S"},
      {kSampleCentred, K::kStaticText, 75, 48, 60, 20, S::kCenterVertically, ""},
      {kSampleFrame, K::kBlackFrame, 5, 70, 40, 45, none, ""},
      {kSampleEdit, K::kEdit, 50, 70, 40, 20, read_only | S::kBorder, "E"},
      {kSampleScrollEdit, K::kEdit, 95, 70, 45, 45,
       read_only | S::kClientEdge | S::kVerticalScroll | tab, "Line one\r\nLine two"},
      {kSampleIcon, K::kIcon, 150, 80, 20, 20, none, "", kSampleIconId},
  };
  return t;
}

// A prompt with a Cancel button (id 501), like the windows that a handler of
// another window opens without a parent.
constexpr int kPromptTemplate = 501;
inline ui::DialogTemplate PromptTemplate() {
  const auto style =
      ui::DialogStyle::kCaption | ui::DialogStyle::kSystemMenu | ui::DialogStyle::kModalFrame;
  ui::DialogTemplate t{kPromptTemplate, 200, 75, "MS Sans Serif", 8, style, "Prompt", {}};
  t.controls = {
      {kSampleLabel, ui::ControlKind::kStaticText, 7, 7, 186, 40, ui::ControlStyle::kNone, "Press"},
      {2, ui::ControlKind::kPushButton, 75, 54, 50, 14, ui::ControlStyle::kTabStop, "Cancel"},
  };
  return t;
}

// The sample and prompt templates, a green 32 x 32 icon, and bitmap 141 once set.
class TestResources final : public ui::ResourceSet {
 public:
  std::optional<std::string_view> FindString(unsigned) const override { return std::nullopt; }
  const ui::DialogTemplate* FindDialog(int id) const override {
    return id == m_dialog.id ? &m_dialog : id == m_prompt.id ? &m_prompt : nullptr;
  }
  const ui::IconResource* FindIcon(int id) const override {
    return id == m_icon.id ? &m_icon : nullptr;
  }
  std::span<const std::uint8_t> FindBitmap(int id) const override {
    return id == 141 ? std::span<const std::uint8_t>(m_bitmap) : std::span<const std::uint8_t>();
  }
  void SetBitmap(const QImage& image) {  // stored as a BMP file
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "BMP");
    m_bitmap.assign(buffer.data().begin(), buffer.data().end());
  }

 private:
  ui::DialogTemplate m_dialog = SampleTemplate();
  ui::DialogTemplate m_prompt = PromptTemplate();
  std::vector<std::uint32_t> m_pixels = std::vector<std::uint32_t>(32 * 32, 0xFF00A000);
  std::vector<ui::IconImage> m_images{ui::IconImage{32, 32, m_pixels.data()}};
  ui::IconResource m_icon{kSampleIconId, m_images};
  std::vector<std::uint8_t> m_bitmap;
};

// Runs `action` once the current (innermost) modal loop processes events.
inline void Later(std::function<void()> action, int delay_ms = 0) {
  QTimer::singleShot(delay_ms, QApplication::instance(), std::move(action));
}

// Clicks a widget the way the user does, through its window, so that a
// window blocked by a modal one does not get the click.
inline void UserClick(QWidget* widget) {
  QWidget* top = widget->window();
  QTest::mouseClick(top->windowHandle(), Qt::LeftButton, Qt::NoModifier,
                    widget->mapTo(top, widget->rect().center()));
}

// A dialog whose hooks are set by the test.
class TestDialog : public Dialog {
 public:
  explicit TestDialog(int template_id = 500) : Dialog(template_id, nullptr) {}

  std::function<void(TestDialog&)> on_init;
  std::function<void(TestDialog&)> on_open;  // once the modal loop processes events
  std::function<bool(const ui::KeyMessage&)> key_filter;
  std::function<void()> on_help;
  std::function<void(ui::PaintContext&)> on_paint;
  int cancel_count = 0;

  ui::qt::QtDialogWindow& QtWindow() const {
    return *dynamic_cast<ui::qt::QtDialogWindow*>(GetWindow());
  }
  QWidget* Control(int control_id) const { return QtWindow().ControlWidget(control_id); }
  QWindow* Handle() const { return QtWindow().Widget()->windowHandle(); }

 protected:
  bool OnInitDialog() override {
    const bool result = Dialog::OnInitDialog();
    if (on_init) on_init(*this);
    if (on_open) Later([this] { on_open(*this); });
    return result;
  }
  bool PreTranslateKey(const ui::KeyMessage& message) override {
    return key_filter && key_filter(message);
  }
  void OnHelp() override {
    if (on_help) on_help();
  }
  void OnPaint(ui::PaintContext& context) override {
    if (on_paint) on_paint(context);
  }
  void OnCancel() override {
    ++cancel_count;
    Dialog::OnCancel();
  }
};

// The application (made before the backend, which needs it), the resources
// and a Qt backend.
class BackendTest : public testing::Test {
 protected:
  struct ApplicationFirst {
    ApplicationFirst() { EnsureApplication(); }
  } m_application;
  TestResources m_resources;
  ui::qt::QtDialogBackend m_backend;
};

}  // namespace qttest
