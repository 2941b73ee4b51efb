#include "core/image/pixel_format_conversion.h"

#include <stdexcept>

#include "core/image/channel_order.h"

namespace zelvan::image {
namespace {

// B, G, R, A of pixel x of a row in any format.
TPaletteEntry ReadPixel(const TWorkingBitmap& bitmap, const uint8_t* row, int x) {
  const auto& palette = bitmap.Palette();
  auto lookup = [&palette](unsigned index) {
    // A palette shorter than the index means black, as the platform shows it.
    return index < palette.size() ? TPaletteEntry{palette[index].B, palette[index].G, palette[index].R, 0}
                                  : TPaletteEntry{0, 0, 0, 0};
  };
  switch (bitmap.PixelFormat()) {
    case TPixelFormat::pf1bit:
      return lookup((row[x >> 3] >> (7 - (x & 7))) & 1u);
    case TPixelFormat::pf4bit:
      return lookup((row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0xFu);
    case TPixelFormat::pf8bit:
      return lookup(row[x]);
    case TPixelFormat::pf24bit:
      return {row[3 * x], row[3 * x + 1], row[3 * x + 2], 0};
    case TPixelFormat::pf32bit:
      return {row[4 * x], row[4 * x + 1], row[4 * x + 2], row[4 * x + 3]};
  }
  return {0, 0, 0, 0};
}

}  // namespace

std::unique_ptr<TWorkingBitmap> ConvertToDirectColor(const TWorkingBitmap& source, TPixelFormat target) {
  if (target != TPixelFormat::pf24bit && target != TPixelFormat::pf32bit)
    throw std::invalid_argument("only 24- and 32-bit targets are direct colour");
  auto result = std::make_unique<TWorkingBitmap>(source.Width(), source.Height(), target);
  const int bytes = target == TPixelFormat::pf32bit ? 4 : 3;
  for (int y = 0; y < source.Height(); ++y) {
    const uint8_t* in = source.ScanLine(y);
    uint8_t* out = result->ScanLine(y);
    if (source.PixelFormat() == TPixelFormat::pf24bit && bytes == 4) {
      Widen24To32(in, out, source.Width(), 0);
      continue;
    }
    for (int x = 0; x < source.Width(); ++x) {
      const TPaletteEntry p = ReadPixel(source, in, x);
      uint8_t* o = out + static_cast<size_t>(bytes) * static_cast<size_t>(x);
      o[0] = p.B;
      o[1] = p.G;
      o[2] = p.R;
      if (bytes == 4) o[3] = p.A;
    }
  }
  return result;
}

const TWorkingBitmap& InFormat(const TWorkingBitmap& source, TPixelFormat target,
                               std::unique_ptr<TWorkingBitmap>& holder) {
  if (source.PixelFormat() == target) return source;
  holder = ConvertToDirectColor(source, target);
  return *holder;
}

}  // namespace zelvan::image
