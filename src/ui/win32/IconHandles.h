#pragma once

#include <map>
#include <utility>

#include "ui/win32/Win32Api.h"

namespace ui::win32 {

// The icon resources of the installed resource set as system icons, made
// once per id and size and destroyed with this object.
class IconHandles {
 public:
  IconHandles() = default;
  ~IconHandles();
  IconHandles(const IconHandles&) = delete;
  IconHandles& operator=(const IconHandles&) = delete;

  // The icon for `size` pixels, made from the drawing IconForSize gives;
  // null when there is no such resource.
  HICON Get(int icon_id, int size);

 private:
  std::map<std::pair<int, int>, HICON> m_icons;
};

}  // namespace ui::win32
