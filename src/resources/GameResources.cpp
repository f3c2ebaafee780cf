#include "resources/GameResources.h"

#include "resources/DialogTemplates.h"
#include "resources/ImageData.h"
#include "resources/ResourceIds.h"
#include "resources/StringTexts.h"
#include "ui/IconResource.h"

namespace resources {

std::optional<std::string_view> GameResources::FindString(unsigned id) const {
  return FindStringText(id);
}

const ui::DialogTemplate* GameResources::FindDialog(int id) const {
  switch (id) {
    case kMainDialog:
      return &MainDialogTemplate();
    case kControllerDialog:
      return &ControllerDialogTemplate();
    case kCaptureDialog:
      return &CaptureDialogTemplate();
    case kHelpDialog:
      return &HelpDialogTemplate();
    default:
      return nullptr;
  }
}

namespace {

// The 64-pixel drawings serve screens with more device pixels per pixel.
const ui::IconImage kAppImages[] = {
    {16, 16, kAppIcon16}, {32, 32, kAppIcon32}, {64, 64, kAppIcon64}};
const ui::IconImage kPresentImages[] = {{32, 32, kDirectXPresentIcon32},
                                        {64, 64, kDirectXPresentIcon64}};
const ui::IconImage kMissingImages[] = {{32, 32, kDirectXMissingIcon32},
                                        {64, 64, kDirectXMissingIcon64}};

const ui::IconResource kIcons[] = {
    {kAppIcon, kAppImages},
    {kDirectXPresentIcon, kPresentImages},
    {kDirectXMissingIcon, kMissingImages},
};

}  // namespace

const ui::IconResource* GameResources::FindIcon(int id) const {
  for (const ui::IconResource& icon : kIcons) {
    if (icon.id == id) return &icon;
  }
  return nullptr;
}

std::span<const std::uint8_t> GameResources::FindBitmap(int id) const {
  if (id != kBannerBitmap) return {};
  return {kBannerBitmapBytes, kBannerBitmapSize};
}

std::span<const std::uint8_t> GameResources::FindLargeBitmap(int id) const {
  if (id != kBannerBitmap) return {};
  return {kLargeBannerBytes, kLargeBannerSize};
}

}  // namespace resources
