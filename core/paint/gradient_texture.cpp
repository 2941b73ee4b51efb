#include <cstring>
#include <memory>

#include "core/image/pixel_format_conversion.h"
#include "core/paint/gradient_line.h"
#include "core/paint/gradient_paint.h"
#include "core/paint/pixel.h"

namespace zelvan::paint {
namespace {

uint32_t Mix(uint32_t texture, uint32_t gradient, int weight) {
  return MakePixel(WeightedMix(PixelR(texture), PixelR(gradient), weight),
                   WeightedMix(PixelG(texture), PixelG(gradient), weight),
                   WeightedMix(PixelB(texture), PixelB(gradient), weight), 255);
}

}  // namespace

void PaintGradientTexture(image::TWorkingBitmap& bitmap, const TRect& rect, const TsGradArray& gradient,
                          uint8_t weight, const TRect& textureRect, const image::TWorkingBitmap& texture) {
  if (bitmap.PixelFormat() != image::TPixelFormat::pf32bit || gradient.empty()) return;
  const int32_t kind = gradient.front().Mode1;
  if (kind != kGradientVertical && kind != kGradientHorizontal) return;
  const TRect r = ClipToSize(rect, bitmap.Width(), bitmap.Height());
  if (r.IsEmpty()) return;
  std::unique_ptr<image::TWorkingBitmap> converted;
  const image::TWorkingBitmap& tex = image::InFormat(texture, image::TPixelFormat::pf32bit, converted);
  const TRect t = ClipToSize(textureRect.IsEmpty() ? TRect{0, 0, tex.Width(), tex.Height()} : textureRect,
                             tex.Width(), tex.Height());
  if (t.IsEmpty()) return;
  const int tw = t.Width(), th = t.Height();

  const bool vertical = kind == kGradientVertical;
  const std::vector<uint32_t> line = vertical ? GradientLine(gradient, kind, r.Top, r.Bottom, r.Height())
                                              : GradientLine(gradient, kind, r.Left, r.Right, r.Width());
  if (line.empty()) return;
  // Horizontal gradients repeat with the texture's height: paint one band.
  const int rows = vertical ? r.Height() : std::min(th, r.Height());
  for (int y = r.Top; y < r.Top + rows; ++y) {
    uint32_t* out = bitmap.Row32(y);
    const uint32_t* texRow = tex.Row32(y % th + t.Top);
    for (int x = r.Left; x < r.Right; ++x) {
      const uint32_t g = vertical ? line[static_cast<size_t>(y - r.Top)] : line[static_cast<size_t>(x - r.Left)];
      out[x] = Mix(texRow[x % tw + t.Left], g, weight);
    }
  }
  for (int y = r.Top + rows; y < r.Bottom; ++y)
    std::memcpy(bitmap.Row32(y) + r.Left, bitmap.Row32(y - th) + r.Left, static_cast<size_t>(r.Width()) * 4);
}

}  // namespace zelvan::paint
