#pragma once

#include <functional>

#include "support/DialogDriver.h"
#include "support/SampleResources.h"
#include "ui/Dialog.h"

namespace test {

// A dialog whose hooks are set by the test.
class HookedDialog : public Dialog {
 public:
  explicit HookedDialog(int template_id = kSampleTemplate) : Dialog(template_id, nullptr) {}

  std::function<void(HookedDialog&)> on_init;
  std::function<void(HookedDialog&)> on_open;  // once the modal loop takes events
  std::function<bool(const ui::KeyMessage&)> key_filter;
  std::function<void()> on_help;
  std::function<void(ui::PaintContext&)> on_paint;
  std::function<void(unsigned)> on_timer;
  int cancel_count = 0;

 protected:
  bool OnInitDialog() override {
    const bool result = Dialog::OnInitDialog();
    if (on_init) on_init(*this);
    if (on_open) WhenLoopRuns([this] { on_open(*this); });
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
  void OnTimer(unsigned timer_id) override {
    if (on_timer) on_timer(timer_id);
  }
  void OnCancel() override {
    ++cancel_count;
    Dialog::OnCancel();
  }
};

}  // namespace test
