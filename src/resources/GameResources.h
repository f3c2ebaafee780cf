#pragma once

#include "ui/ResourceSet.h"

namespace resources {

// The program's own resource set: the string table (ids 1 to 201), the
// dialog templates 102, 145, 146 and 147, the banner bitmap 141 (with its
// drawing at twice the size) and the icons 128, 131 and 144. Creating it installs it for the whole
// process (ui::ResourceSet::s_instance); main.cpp and the tests hold one.
class GameResources final : public ui::ResourceSet {
 public:
  std::optional<std::string_view> FindString(unsigned id) const override;
  const ui::DialogTemplate* FindDialog(int id) const override;
  const ui::IconResource* FindIcon(int id) const override;
  std::span<const std::uint8_t> FindBitmap(int id) const override;
  std::span<const std::uint8_t> FindLargeBitmap(int id) const override;
};

}  // namespace resources
