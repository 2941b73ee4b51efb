#include "core/paint/button_glyph.h"

#include <algorithm>
#include <memory>

#include "core/image/bitmap32.h"
#include "core/image/pixel_format_conversion.h"
#include "core/paint/cache_info.h"
#include "core/paint/color.h"
#include "core/paint/gray.h"
#include "core/paint/keyed_copy.h"
#include "core/paint/skin_blits.h"

namespace zelvan::paint {

using image::TWorkingBitmap;

int AlphaPictureIndex(int state, int count) { return std::clamp(state, 0, ValidPictureCount(count) - 1); }

int ClassicPictureIndex(int count, int bitsPerPixel, int state, bool enabled, bool down) {
  count = ValidPictureCount(count);
  const bool fourBit = bitsPerPixel == 4;
  if (count == 1 || !enabled) return 0;
  switch (state) {
    case 1:
      return fourBit ? 0 : 1;
    case 2: {
      const int pressed = 2 + (down ? 1 : 0);
      if (pressed < count) return pressed;
      return fourBit ? 0 : std::min(1, count - 1);
    }
    case 3:
      return count > 3 ? 3 : 0;
    default:
      return 0;
  }
}

namespace {

// Keys are compared as colour values; a classic copy has alpha 0, so the
// colour of a pixel is its pixel value with red and blue swapped.
TColor KeyColorOf(uint32_t pixel) { return SwapRedBlue(pixel & 0x00FFFFFF); }

void DrawSinglePicture(TWorkingBitmap& copy, TWorkingBitmap& target, const TRect& rect, const TClassicGlyph& glyph) {
  if (!glyph.Enabled && (glyph.Disabled & dgGrayed)) MakeGray(copy);
  const TColor key = KeyColorOf(image::GetPixel32(copy, 0, copy.Height() - 1));
  const TRect area{0, 0, rect.Width(), rect.Height()};
  if (glyph.Enabled) {
    if (glyph.State != 0 || glyph.Blend < 1) {
      CopyWithKey(target, copy, rect.Left, rect.Top, key);
    } else {
      BlendFromSource(target, rect.Left, rect.Top, key, std::min(glyph.Blend, 100) / 100.0, area, copy);
    }
  } else if (glyph.Disabled & dgBlended) {
    BlendFromSource(target, rect.Left, rect.Top, key, 0.5, area, copy);
  } else {
    CopyWithKey(target, copy, rect.Left, rect.Top, key);
  }
}

}  // namespace

void DrawClassicGlyph(const TWorkingBitmap& strip, TWorkingBitmap& target, const TRect& rect,
                      const TClassicGlyph& glyph) {
  if (strip.Width() <= 0 || strip.Height() <= 0 || !image::Is32(target)) return;
  auto copy = image::ConvertToDirectColor(strip, image::TPixelFormat::pf32bit);
  const int count = ValidPictureCount(glyph.Count);
  if (count == 1) return DrawSinglePicture(*copy, target, rect, glyph);

  const int picture =
      ClassicPictureIndex(count, strip.BitsPerPixel(), glyph.State, glyph.Enabled, glyph.Down);
  const int width = strip.Width() / count;
  if (width <= 0) return;
  const int left = picture * width;
  const TColor key = KeyColorOf(image::GetPixel32(*copy, left, copy->Height() - 1));
  if (!glyph.Enabled && glyph.State == 0 && glyph.Blend > 0) {
    BlendFromSource(target, rect.Left, rect.Top, key, std::min(glyph.Blend, 100) / 100.0,
                    {left, 0, left + width, copy->Height()}, *copy);
    return;
  }
  // A ready parent record without a picture: key pixels are skipped, the
  // rest copied unchanged.
  TCacheInfo skipKeys;
  skipKeys.Ready = true;
  BlitKeyed(target, *copy, rect.Left, false, skipKeys, key, {left, 0, left + width - 1, copy->Height() - 1},
            rect.Top);
}

void FadeAlpha(TWorkingBitmap& bitmap, int blend) {
  if (!image::Is32(bitmap) || blend <= 0) return;
  const int keep = 100 - std::min(blend, 100);
  for (int y = 0; y < bitmap.Height(); ++y) {
    uint8_t* row = bitmap.ScanLine(y);
    for (int x = 0; x < bitmap.Width(); ++x) row[4 * x + 3] = static_cast<uint8_t>(row[4 * x + 3] * keep / 100);
  }
}

std::vector<TPoint> SmallArrowPixels(const TRect& rect, int kind) {
  std::vector<TPoint> pixels;
  if (kind == 8) {
    const int x0 = rect.Left + (rect.Width() - 6) / 2 - 1;
    const int y0 = rect.Top + (rect.Height() - 3) / 2 - 1;
    for (int i = 0; i <= 3; ++i)
      for (int x = x0 + i; x <= x0 + 7 - i; ++x) pixels.push_back({x, y0 + i});
  } else if (kind == 4) {
    const int x0 = rect.Left + (rect.Width() - 3) / 2;
    const int y0 = rect.Top + (rect.Height() - 6) / 2;
    for (int i = 0; i <= 3; ++i)
      for (int y = y0 + i; y <= y0 + 6 - i; ++y) pixels.push_back({x0 + i, y});
  }
  return pixels;
}

}  // namespace zelvan::paint
