#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <map>
#include <vector>

#include "ui/Dialog.h"
#include "ui/DialogTemplate.h"
#include "ui/IconResource.h"
#include "ui/ResourceSet.h"
#include "ui/win32/Win32Api.h"
#include "ui/win32/Win32DialogBackend.h"
#include "ui/win32/Win32DialogWindow.h"

namespace win32test {

// Control ids of the sample template (id 500, 200 x 120 dialog units).
enum : int { kSampleOk = 1, kSampleButton = 10, kSampleDefault = 11, kSampleLabel = 20 };
enum : int { kSampleSunken = 21, kSampleCentred = 22, kSampleFrame = 30, kSampleEdit = 40 };
enum : int { kSampleScrollEdit = 41, kSampleList = 50, kSampleIcon = 60, kSampleIconId = 131 };
constexpr int kPromptTemplate = 501;

// One control of each kind and style the program uses; the label starts a
// second group (list and buttons are the first).
inline ui::DialogTemplate SampleTemplate() {
  using K = ui::ControlKind;
  using S = ui::ControlStyle;
  const S tab = S::kTabStop, none = S::kNone, read_only = S::kMultiLine | S::kReadOnly;
  const auto style =
      ui::DialogStyle::kCaption | ui::DialogStyle::kSystemMenu | ui::DialogStyle::kModalFrame;
  ui::DialogTemplate t{500, 200, 120, "MS Sans Serif", 8, style, "Sample", {}};
  t.controls = {
      {kSampleList, K::kDropDownList, 5, 5, 60, 50, tab, ""},
      {kSampleButton, K::kPushButton, 145, 5, 50, 14, tab, "Button"},
      {kSampleDefault, K::kDefaultPushButton, 145, 21, 50, 14, tab, "Default"},
      {kSampleOk, K::kPushButton, 145, 37, 50, 14, tab, "OK"},
      {2, K::kPushButton, 145, 53, 50, 14, tab, "Cancel"},
      {ui::kStaticId, K::kGroupBox, 70, 5, 70, 40, none, "Group"},
      {kSampleLabel, K::kStaticText, 75, 15, 60, 8, S::kGroup, "A && B"},
      {kSampleSunken, K::kStaticText, 75, 25, 60, 10, S::kSunken, "S"},
      {kSampleCentred, K::kStaticText, 75, 48, 60, 20, S::kCenterVertically | S::kHidden, ""},
      {kSampleFrame, K::kBlackFrame, 5, 70, 40, 45, none, ""},
      {kSampleEdit, K::kEdit, 50, 70, 40, 20, read_only | S::kBorder | S::kDisabled, "E"},
      {kSampleScrollEdit, K::kEdit, 95, 70, 45, 45,
       read_only | S::kClientEdge | S::kVerticalScroll | tab, "Line one\r\nLine two"},
      {kSampleIcon, K::kIcon, 150, 80, 20, 20, none, "", kSampleIconId},
  };
  return t;
}

// A prompt with a Cancel button, like the windows that a handler of another
// window opens without a parent.
inline ui::DialogTemplate PromptTemplate() {
  const auto style = ui::DialogStyle::kCaption | ui::DialogStyle::kSystemMenu |
                     ui::DialogStyle::kModalFrame | ui::DialogStyle::kCenter;
  ui::DialogTemplate t{kPromptTemplate, 200, 75, "MS Sans Serif", 8, style, "Prompt", {}};
  t.controls = {
      {kSampleLabel, ui::ControlKind::kStaticText, 7, 7, 186, 40, ui::ControlStyle::kNone, "Press"},
      {2, ui::ControlKind::kPushButton, 75, 54, 50, 14, ui::ControlStyle::kTabStop, "Cancel"},
  };
  return t;
}

// A 24-bit bitmap file, rows from the bottom as the format keeps them;
// `pixel(x, y)` gives 0xRRGGBB with y from the top.
inline std::vector<std::uint8_t> BitmapFile(int width, int height,
                                            const std::function<std::uint32_t(int, int)>& pixel) {
  const int stride = (width * 3 + 3) / 4 * 4;
  const std::uint32_t bits_size = static_cast<std::uint32_t>(stride * height);
  std::vector<std::uint8_t> file(54 + bits_size, 0);
  auto put32 = [&](std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) file[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
  };
  file[0] = 'B';
  file[1] = 'M';
  put32(2, static_cast<std::uint32_t>(file.size()));
  put32(10, 54);
  put32(14, 40);
  put32(18, static_cast<std::uint32_t>(width));
  put32(22, static_cast<std::uint32_t>(height));
  file[26] = 1;   // planes
  file[28] = 24;  // bits per pixel
  put32(34, bits_size);
  for (int y = 0; y < height; ++y) {
    std::uint8_t* row = file.data() + 54 + static_cast<std::size_t>((height - 1 - y) * stride);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t rgb = pixel(x, y);
      row[x * 3] = static_cast<std::uint8_t>(rgb);
      row[x * 3 + 1] = static_cast<std::uint8_t>(rgb >> 8);
      row[x * 3 + 2] = static_cast<std::uint8_t>(rgb >> 16);
    }
  }
  return file;
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
  void SetBitmap(std::vector<std::uint8_t> file) { m_bitmap = std::move(file); }

 private:
  ui::DialogTemplate m_dialog = SampleTemplate();
  ui::DialogTemplate m_prompt = PromptTemplate();
  std::vector<std::uint32_t> m_pixels = std::vector<std::uint32_t>(32 * 32, 0xFF00A000);
  std::vector<ui::IconImage> m_images{ui::IconImage{32, 32, m_pixels.data()}};
  ui::IconResource m_icon{kSampleIconId, m_images};
  std::vector<std::uint8_t> m_bitmap;
};

// Runs `action` once the current (innermost) modal loop takes messages, from
// a thread timer that the loop dispatches.
inline std::map<UINT_PTR, std::function<void()>>& PendingActions() {
  static std::map<UINT_PTR, std::function<void()>> actions;
  return actions;
}

inline void CALLBACK RunPendingAction(HWND, UINT, UINT_PTR id, DWORD) {
  ::KillTimer(nullptr, id);
  auto it = PendingActions().find(id);
  if (it == PendingActions().end()) return;
  std::function<void()> action = std::move(it->second);
  PendingActions().erase(it);
  action();
}

inline void Later(std::function<void()> action, unsigned delay_ms = 0) {
  const UINT_PTR id = ::SetTimer(nullptr, 0, delay_ms, &RunPendingAction);
  PendingActions()[id] = std::move(action);
}

// Takes every message waiting now, as the modal loop would, so that the
// input injected before has arrived where it goes.
inline void Pump() {
  for (int round = 0; round < 4; ++round) {
    Sleep(25);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
      ui::win32::Win32DialogWindow::DeliverMessage(message);
    }
  }
}

// Pumps until `done` holds, for two seconds at most: input sent through the
// display server arrives when it arrives, later on a busy machine.
inline void PumpUntil(const std::function<bool()>& done) {
  for (int round = 0; round < 20 && !done(); ++round) Pump();
}

// Keys as the user types them, through the system's input queue.
inline void SendKey(WORD virtual_key, bool press) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtual_key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtual_key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = press ? 0 : KEYEVENTF_KEYUP;
  SendInput(1, &input, sizeof(input));
}

inline void TapKey(WORD virtual_key) {
  SendKey(virtual_key, true);
  SendKey(virtual_key, false);
  Pump();
}

// A click as the user makes it, at the centre of `control` on the screen.
inline void Click(HWND control) {
  RECT rect;
  GetWindowRect(control, &rect);
  SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
  INPUT inputs[2]{};
  inputs[0].type = inputs[1].type = INPUT_MOUSE;
  inputs[0].mi.dwFlags = MOUSEEVENTF_LEFTDOWN;
  inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTUP;
  SendInput(2, inputs, sizeof(INPUT));
  Pump();
}

// A dialog whose hooks are set by the test.
class TestDialog : public Dialog {
 public:
  explicit TestDialog(int template_id = 500) : Dialog(template_id, nullptr) {}

  std::function<void(TestDialog&)> on_init;
  std::function<void(TestDialog&)> on_open;  // once the modal loop takes messages
  std::function<bool(const ui::KeyMessage&)> key_filter;
  std::function<void()> on_help;
  std::function<void(ui::PaintContext&)> on_paint;
  std::function<void(unsigned)> on_timer;
  int cancel_count = 0;

  ui::win32::Win32DialogWindow& Window() const {
    return *dynamic_cast<ui::win32::Win32DialogWindow*>(GetWindow());
  }
  HWND Handle() const { return Window().Handle(); }
  HWND Control(int control_id) const { return Window().ControlHandle(control_id); }

 protected:
  bool OnInitDialog() override {
    const bool result = Dialog::OnInitDialog();
    if (on_init) on_init(*this);
    if (on_open) Later([this] { on_open(*this); }, 50);
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

// The resources and a Win32 backend.
class BackendTest : public testing::Test {
 protected:
  TestResources m_resources;
  ui::win32::Win32DialogBackend m_backend;
};

}  // namespace win32test
