#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace ui {

struct DialogTemplate;
struct IconResource;

// The program's resources: string table, dialog templates, bitmaps, icons.
// The resources layer defines the one real set; creating it installs it as
// the process-wide set, destroying it puts back the one installed before (a
// test's set around the start-up's own). The framework looks every
// template and string up here.
class ResourceSet {
 public:
  static ResourceSet* s_instance;

  ResourceSet();
  virtual ~ResourceSet();
  ResourceSet(const ResourceSet&) = delete;
  ResourceSet& operator=(const ResourceSet&) = delete;

  virtual std::optional<std::string_view> FindString(unsigned id) const = 0;
  virtual const DialogTemplate* FindDialog(int id) const = 0;
  virtual const IconResource* FindIcon(int id) const = 0;
  // The complete bitmap file (a BMP with its file header); empty when absent.
  virtual std::span<const std::uint8_t> FindBitmap(int id) const = 0;
  // The same picture drawn at twice the size (a PNG file), for screens with
  // more than one device pixel per pixel; empty when there is none.
  virtual std::span<const std::uint8_t> FindLargeBitmap(int /*id*/) const { return {}; }

 private:
  ResourceSet* m_previous;
};

}  // namespace ui
