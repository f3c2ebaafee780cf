#include "ui/win32/Picture.h"

#include <algorithm>
#include <array>

#include "ui/win32/BitmapPainter.h"
#include "ui/win32/Win32Api.h"

#include <wincodec.h>

namespace ui::win32 {
namespace {

// A COM interface released when it goes out of scope.
template <typename T>
class Released {
 public:
  Released() = default;
  ~Released() {
    if (m_pointer != nullptr) m_pointer->Release();
  }
  Released(const Released&) = delete;
  Released& operator=(const Released&) = delete;
  T** Out() { return &m_pointer; }
  T* operator->() const { return m_pointer; }
  T* Get() const { return m_pointer; }

 private:
  T* m_pointer = nullptr;
};

// The source pixels one new pixel covers along one axis, with the share of
// each in it.
struct Tap {
  int index;
  double weight;
};

std::vector<std::vector<Tap>> Taps(int from, int to) {
  std::vector<std::vector<Tap>> taps(static_cast<std::size_t>(to));
  const double step = static_cast<double>(from) / to;
  for (int i = 0; i < to; ++i) {
    const double start = i * step;
    const double end = (i + 1) * step;
    for (int s = static_cast<int>(start); s < from && s < end; ++s) {
      const double covered = std::min(end, s + 1.0) - std::max(start, static_cast<double>(s));
      if (covered > 1e-9) taps[static_cast<std::size_t>(i)].push_back({s, covered / step});
    }
  }
  return taps;
}

using Channels = std::array<double, 4>;  // alpha, and red, green, blue premultiplied by it

Channels Premultiplied(std::uint32_t pixel) {
  const double alpha = static_cast<double>(pixel >> 24) / 255.0;
  return {alpha * 255.0, alpha * ((pixel >> 16) & 0xFF), alpha * ((pixel >> 8) & 0xFF),
          alpha * (pixel & 0xFF)};
}

std::uint32_t Straight(const Channels& sum) {
  if (sum[0] < 0.5) {
    return 0;
  }
  auto channel = [](double value) {
    return static_cast<std::uint32_t>(std::clamp(value + 0.5, 0.0, 255.0));
  };
  const double alpha = sum[0] / 255.0;
  return channel(sum[0]) << 24 | channel(sum[1] / alpha) << 16 | channel(sum[2] / alpha) << 8 |
         channel(sum[3] / alpha);
}

}  // namespace

std::optional<Picture> Picture::FromBitmapFile(std::span<const std::uint8_t> file) {
  const BitmapPainter painter(file);
  if (!painter.IsValid()) {
    return std::nullopt;
  }
  // Copied pixel for pixel into a 32-bit picture: the system reads every
  // depth and colour table the painter accepts.
  Picture picture{painter.Width(), painter.Height(), {}};
  const BITMAPINFO info = BitmapPainter::PictureInfo(picture.width, picture.height);
  void* bits = nullptr;
  HDC dc = CreateCompatibleDC(nullptr);
  HBITMAP section = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bool drawn = false;
  if (dc != nullptr && section != nullptr) {
    HGDIOBJ previous = SelectObject(dc, section);
    drawn = painter.Stretch(dc, RECT{0, 0, picture.width, picture.height});
    GdiFlush();
    const auto* pixels = static_cast<const std::uint32_t*>(bits);
    // A bitmap file has no alpha: every pixel is opaque.
    picture.pixels.resize(static_cast<std::size_t>(picture.width) *
                          static_cast<std::size_t>(picture.height));
    std::transform(pixels, pixels + picture.pixels.size(), picture.pixels.begin(),
                   [](std::uint32_t pixel) { return pixel | 0xFF000000u; });
    SelectObject(dc, previous);
  }
  if (section != nullptr) DeleteObject(section);
  if (dc != nullptr) DeleteDC(dc);
  if (!drawn) {
    return std::nullopt;
  }
  return picture;
}

std::optional<Picture> Picture::FromPngFile(std::span<const std::uint8_t> file) {
  if (file.empty() || file.size() > 0xFFFFFFFFu) {
    return std::nullopt;
  }
  // Each successful initialisation is undone; a thread already in another
  // apartment model can use the codecs all the same.
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  std::optional<Picture> result;
  {
    Released<IWICImagingFactory> factory;
    Released<IWICStream> stream;
    Released<IWICBitmapDecoder> decoder;
    Released<IWICBitmapFrameDecode> frame;
    Released<IWICBitmapSource> converted;
    UINT width = 0;
    UINT height = 0;
    // Read as PNG only, as the resource is stored.
    if (SUCCEEDED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                                   IID_IWICImagingFactory,
                                   reinterpret_cast<void**>(factory.Out()))) &&
        SUCCEEDED(factory->CreateStream(stream.Out())) &&
        SUCCEEDED(stream->InitializeFromMemory(const_cast<BYTE*>(file.data()),
                                               static_cast<DWORD>(file.size()))) &&
        SUCCEEDED(factory->CreateDecoder(GUID_ContainerFormatPng, nullptr, decoder.Out())) &&
        SUCCEEDED(decoder->Initialize(stream.Get(), WICDecodeMetadataCacheOnDemand)) &&
        SUCCEEDED(decoder->GetFrame(0, frame.Out())) &&
        SUCCEEDED(WICConvertBitmapSource(GUID_WICPixelFormat32bppBGRA, frame.Get(),
                                         converted.Out())) &&
        SUCCEEDED(converted->GetSize(&width, &height)) && width > 0 && height > 0 &&
        width <= 0x4000 && height <= 0x4000) {
      Picture picture{static_cast<int>(width), static_cast<int>(height), {}};
      picture.pixels.resize(static_cast<std::size_t>(width) * height);
      if (SUCCEEDED(converted->CopyPixels(nullptr, width * 4,
                                          static_cast<UINT>(picture.pixels.size() * 4),
                                          reinterpret_cast<BYTE*>(picture.pixels.data())))) {
        result = std::move(picture);
      }
    }
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return result;
}

Picture Picture::Scaled(int new_width, int new_height) const {
  if (new_width <= 0 || new_height <= 0 || width <= 0 || height <= 0) {
    return {};
  }
  if (new_width == width && new_height == height) {
    return *this;
  }
  const auto columns = Taps(width, new_width);
  const auto rows = Taps(height, new_height);
  // Across first, into premultiplied sums, then down.
  std::vector<Channels> across(static_cast<std::size_t>(new_width) *
                               static_cast<std::size_t>(height));
  for (int y = 0; y < height; ++y) {
    const std::uint32_t* row = pixels.data() + static_cast<std::size_t>(y) * width;
    for (int x = 0; x < new_width; ++x) {
      Channels sum{};
      for (const Tap& tap : columns[static_cast<std::size_t>(x)]) {
        const Channels value = Premultiplied(row[tap.index]);
        for (std::size_t c = 0; c < 4; ++c) sum[c] += value[c] * tap.weight;
      }
      across[static_cast<std::size_t>(y) * new_width + x] = sum;
    }
  }
  Picture scaled{new_width, new_height, {}};
  scaled.pixels.resize(static_cast<std::size_t>(new_width) * static_cast<std::size_t>(new_height));
  for (int y = 0; y < new_height; ++y) {
    for (int x = 0; x < new_width; ++x) {
      Channels sum{};
      for (const Tap& tap : rows[static_cast<std::size_t>(y)]) {
        const Channels& value = across[static_cast<std::size_t>(tap.index) * new_width + x];
        for (std::size_t c = 0; c < 4; ++c) sum[c] += value[c] * tap.weight;
      }
      scaled.pixels[static_cast<std::size_t>(y) * new_width + x] = Straight(sum);
    }
  }
  return scaled;
}

}  // namespace ui::win32
