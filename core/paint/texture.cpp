#include "core/paint/texture.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <exception>

#include "core/image/bitmap32.h"
#include "core/paint/block_transfer.h"
#include "core/paint/fill.h"
#include "core/paint/image_part.h"
#include "core/paint/skin_blits.h"

namespace zelvan::paint {
namespace {

using image::TWorkingBitmap;

using image::Is32;

int Clamp(int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); }

bool InsideBitmap(const TRect& r, const TWorkingBitmap& b) {
  return !r.IsEmpty() && r.Left >= 0 && r.Top >= 0 && r.Right <= b.Width() && r.Bottom <= b.Height();
}

// The parent's picture behind strip, or FillColor when there is none (the key
// colour, "no colour", leaves the strip as it is).
void FillFromParent(TWorkingBitmap& bitmap, const TRect& strip, const TCacheInfo& info) {
  if (!info.Ready) {
    if (info.FillColor != kKeyColor) FillRect32(bitmap, strip, info.FillColor, 255);
    return;
  }
  if (info.Bmp != nullptr && Is32(*info.Bmp)) {
    const TRect from = OffsetRect(strip, info.X, info.Y);
    CopyBlock(bitmap, {strip.Left, strip.Top}, *info.Bmp, from);
  }
}

}  // namespace

void FillTexture(TWorkingBitmap& canvas, TRect& rect, const TWorkingBitmap* pattern, int mode,
                 const store::TsMaskData& part) {
  if (!Is32(canvas) || rect.IsEmpty()) return;
  if (pattern != nullptr && pattern->Width() > 0 && pattern->Height() > 0) {
    TilePattern(canvas, rect, *pattern);
    rect.Right = kRectCovered;
    return;
  }
  const TWorkingBitmap* source = PartBitmap(part);
  if (source == nullptr || !InsideBitmap(part.R, *source)) return;
  const TRect& tile = part.R;
  const int tw = tile.Width(), th = tile.Height();
  // The band along one side, never wider than the rect.
  const int belowTop = Clamp(std::min<int64_t>(int64_t{rect.Top} + th, rect.Bottom));
  const int rightOfLeft = Clamp(std::min<int64_t>(int64_t{rect.Left} + tw, rect.Right));
  const int aboveBottom = Clamp(std::max<int64_t>(int64_t{rect.Bottom} - th, rect.Top));
  const int leftOfRight = Clamp(std::max<int64_t>(int64_t{rect.Right} - tw, rect.Left));
  auto paint = [&](const TRect& band, bool stretch) {
    if (stretch)
      StretchNearest(canvas, band, *source, tile);
    else
      TileBlock(canvas, band, *source, tile);
  };
  switch (mode) {
    case tmTile:
    case tmStretch:
      paint(rect, mode == tmStretch);
      rect.Right = kRectCovered;
      break;
    case tmTopRow:
    case tmStretchTop:
      paint({rect.Left, rect.Top, rect.Right, belowTop}, mode == tmStretchTop);
      rect.Top = belowTop;
      break;
    case tmLeftColumn:
    case tmStretchLeft:
      paint({rect.Left, rect.Top, rightOfLeft, rect.Bottom}, mode == tmStretchLeft);
      rect.Left = rightOfLeft;
      break;
    case tmBottomRow:
      paint({rect.Left, aboveBottom, rect.Right, rect.Bottom}, false);
      rect.Bottom = aboveBottom;
      break;
    case tmWholeRows: {
      const int64_t rows = (int64_t{rect.Bottom} - rect.Top) / th;
      paint({rect.Left, rect.Top, rect.Right, Clamp(rect.Top + rows * th)}, false);
      rect.Right = kRectCovered;
      break;
    }
    default:
      paint({leftOfRight, rect.Top, rect.Right, rect.Bottom}, false);
      rect.Right = leftOfRight;
      break;
  }
}

void FillMaskedTexture(TWorkingBitmap& bitmap, TRect& rect, const TCacheInfo& cacheInfo, int mode,
                       const store::TsMaskData& part) {
  if (mode != tmTile && mode != tmWholeRows) return;
  if (!Is32(bitmap) || rect.IsEmpty() || part.MaskType <= 0) return;
  const TWorkingBitmap* source = PartBitmap(part);
  const TRect tile = StateRect(part, 0);
  if (source == nullptr || tile.IsEmpty()) return;
  const int tw = tile.Width(), th = tile.Height();
  const int64_t columns = (int64_t{rect.Right} - rect.Left) / tw;
  const int64_t rows = (int64_t{rect.Bottom} - rect.Top) / th;
  const int right = mode == tmWholeRows ? Clamp(rect.Left + columns * tw) : rect.Right;
  const int bottom = Clamp(rect.Top + rows * th);
  const TRect tiled{rect.Left, rect.Top, right, bottom};
  ForEachTile(tiled, tw, th, {0, 0, bitmap.Width(), bitmap.Height()}, [&](const TRect& piece) {
    BlitMasked(piece, {tile.Left, tile.Top, tile.Left + piece.Width(), tile.Top + piece.Height()}, bitmap, part,
               true, cacheInfo, *source);
  });
  if (mode == tmWholeRows) {
    FillFromParent(bitmap, {right, rect.Top, rect.Right, rect.Bottom}, cacheInfo);
    FillFromParent(bitmap, {rect.Left, bottom, right, rect.Bottom}, cacheInfo);
  }
  rect.Right = kRectCovered;
}

void TilePattern(TWorkingBitmap& canvas, const TRect& rect, const TWorkingBitmap& picture) {
  if (picture.Width() == 0 || picture.Height() == 0) return;
  TileBlock(canvas, rect, picture, {0, 0, picture.Width(), picture.Height()});
}

bool TilePattern(TWorkingBitmap& canvas, const TRect& rect, const image::TJpegImage& picture) {
  if (picture.Data.empty() || picture.Width <= 0 || picture.Height <= 0 || rect.IsEmpty()) return false;
  std::unique_ptr<TWorkingBitmap> expanded;
  try {
    expanded = image::DecodeJpeg(picture);
  } catch (const std::exception&) {
    return false;  // a damaged pattern leaves the rect to the section colour
  }
  // Whole tiles from the rect's corner, each cut to the rect: plain tiling.
  if (!expanded || expanded->Width() == 0 || expanded->Height() == 0) return false;
  TilePattern(canvas, rect, *expanded);
  return true;
}

}  // namespace zelvan::paint
