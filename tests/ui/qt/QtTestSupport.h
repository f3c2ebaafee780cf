#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include <gtest/gtest.h>

#include <QImage>

#include "ui/Dialog.h"
#include "ui/DialogTemplate.h"
#include "ui/IconResource.h"
#include "ui/ResourceSet.h"
#include "ui/qt/QtDialogBackend.h"
#include "ui/qt/QtDialogWindow.h"

class QWidget;
class QWindow;

namespace qttest {

// The application object every test of the Qt backend runs in, made once.
void EnsureApplication();

// A fixture member that makes the application object before the members
// after it (the backend needs it when it is created).
struct ApplicationFirst {
  ApplicationFirst() { EnsureApplication(); }
};

// A resource set of hand-made templates, icons and bitmaps.
class TestResources final : public ui::ResourceSet {
 public:
  std::optional<std::string_view> FindString(unsigned) const override { return std::nullopt; }
  const ui::DialogTemplate* FindDialog(int id) const override;
  const ui::IconResource* FindIcon(int id) const override;
  std::span<const std::uint8_t> FindBitmap(int id) const override;

  void AddDialog(ui::DialogTemplate dialog_template);
  // A square icon of one colour (0xAARRGGBB).
  void AddIcon(int id, int size, std::uint32_t colour);
  // The image as a BMP file.
  void AddBitmap(int id, const QImage& image);

 private:
  std::map<int, ui::DialogTemplate> m_dialogs;
  std::map<int, std::vector<std::uint32_t>> m_icon_pixels;
  std::map<int, std::vector<ui::IconImage>> m_icon_images;
  std::map<int, ui::IconResource> m_icons;
  std::map<int, std::vector<std::uint8_t>> m_bitmaps;
};

// A dialog whose hooks are set by the test.
class TestDialog : public Dialog {
 public:
  explicit TestDialog(int template_id) : Dialog(template_id, nullptr) {}

  std::function<void(TestDialog&)> on_init;
  // Runs once the dialog's modal loop processes events.
  std::function<void(TestDialog&)> on_open;
  std::function<bool(const ui::KeyMessage&)> key_filter;
  std::function<void()> on_help;
  std::function<void(ui::PaintContext&)> on_paint;
  int cancel_count = 0;

  ui::qt::QtDialogWindow& QtWindow() const;
  QWidget* Control(int control_id) const;
  QWindow* Handle() const;

 protected:
  bool OnInitDialog() override;
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

// The application, the sample template with its icon, and a Qt backend.
class BackendTest : public testing::Test {
 protected:
  BackendTest();

  ApplicationFirst m_application;
  TestResources m_resources;
  ui::qt::QtDialogBackend m_backend;
};

// Clicks a widget the way the user does, through its window, so that a
// window blocked by a modal one does not get the click.
void UserClick(QWidget* widget);

// Runs `action` once the current (innermost) modal loop processes events.
void Later(std::function<void()> action, int delay_ms = 0);

// A template of the kinds every test uses: id 500, 200 x 120 dialog units.
ui::DialogTemplate SampleTemplate();

// Control ids of SampleTemplate.
constexpr int kSampleOk = 1;
constexpr int kSampleButton = 10;
constexpr int kSampleDefault = 11;
constexpr int kSampleLabel = 20;
constexpr int kSampleSunken = 21;
constexpr int kSampleCentred = 22;
constexpr int kSampleFrame = 30;
constexpr int kSampleEdit = 40;
constexpr int kSampleScrollEdit = 41;
constexpr int kSampleList = 50;
constexpr int kSampleIcon = 60;
constexpr int kSampleIconId = 131;

}  // namespace qttest
