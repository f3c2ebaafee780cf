#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

#include "ui/DialogTemplate.h"
#include "ui/IconResource.h"
#include "ui/ResourceSet.h"

namespace test {

// Control ids of the sample template (id 500, 200 x 120 dialog units).
enum : int { kSampleOk = 1, kSampleButton = 10, kSampleDefault = 11, kSampleLabel = 20 };
enum : int { kSampleSunken = 21, kSampleCentred = 22, kSampleFrame = 30, kSampleEdit = 40 };
enum : int { kSampleScrollEdit = 41, kSampleList = 50, kSampleIcon = 60, kSampleIconId = 131 };
constexpr int kSampleTemplate = 500, kPromptTemplate = 501, kSampleBitmap = 141;
constexpr unsigned kSampleString = 7, kSampleEmptyString = 8;

// One control of each kind and style the program uses; the label starts a
// second group (list and buttons are the first).
inline ui::DialogTemplate SampleTemplate() {
  using K = ui::ControlKind;
  using S = ui::ControlStyle;
  const S tab = S::kTabStop, none = S::kNone, read_only = S::kMultiLine | S::kReadOnly;
  const auto style =
      ui::DialogStyle::kCaption | ui::DialogStyle::kSystemMenu | ui::DialogStyle::kModalFrame;
  ui::DialogTemplate t{kSampleTemplate, 200, 120, "MS Sans Serif", 8, style, "Sample", {}};
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

// The sample and prompt templates, two strings (one empty), a green 32 x 32
// icon, and the bitmap once set; installed while it lives.
class SampleResources final : public ui::ResourceSet {
 public:
  std::optional<std::string_view> FindString(unsigned id) const override {
    if (id == kSampleEmptyString) return std::string_view();
    return id == kSampleString ? std::optional<std::string_view>("seven") : std::nullopt;
  }
  const ui::DialogTemplate* FindDialog(int id) const override {
    return id == m_dialog.id ? &m_dialog : id == m_prompt.id ? &m_prompt : nullptr;
  }
  const ui::IconResource* FindIcon(int id) const override {
    return id == m_icon.id ? &m_icon : nullptr;
  }
  std::span<const std::uint8_t> FindBitmap(int id) const override {
    return id == kSampleBitmap ? std::span<const std::uint8_t>(m_bitmap)
                               : std::span<const std::uint8_t>();
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

}  // namespace test
