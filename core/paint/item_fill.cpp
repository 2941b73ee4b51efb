#include "core/paint/item_fill.h"

#include <algorithm>

#include "core/image/bitmap32.h"
#include "core/paint/color_tone.h"
#include "core/paint/fill.h"
#include "core/paint/gradient_paint.h"
#include "core/paint/image_part.h"
#include "core/paint/texture.h"
#include "core/paint/weighted_blend.h"

namespace zelvan::paint {
namespace {

using image::TWorkingBitmap;

bool PlainTilePart(const store::TsMaskData* part) {
  return part != nullptr && part->DrawMode == tmTile && part->MaskType == 0;
}

bool CombinableGradient(const TsGradArray* gradient) {
  return gradient != nullptr && !gradient->empty() &&
         (gradient->front().Mode1 == kGradientVertical || gradient->front().Mode1 == kGradientHorizontal);
}

// The texture over rect, what it leaves filled with c; false when no texture
// could be painted (then the whole rect holds c).
bool PaintTexture(TWorkingBitmap& bitmap, const TRect& rect, const TItemFill& fill, const TCacheInfo& parent) {
  TRect left = rect;
  bool painted = false;
  if (fill.Texture.Part != nullptr) {
    const store::TsMaskData& part = *fill.Texture.Part;
    if (part.MaskType > 0)
      FillMaskedTexture(bitmap, left, parent, part.DrawMode, part);
    else
      FillTexture(bitmap, left, nullptr, part.DrawMode, part);
    painted = !(left == rect);
  } else if (fill.Texture.Pattern != nullptr && TilePattern(bitmap, rect, *fill.Texture.Pattern)) {
    painted = true;
    left.Right = kRectCovered;
  }
  if (left.Right != kRectCovered) FillRect32(bitmap, left, fill.Color, 255);
  return painted;
}

// The gradient, or c when it has no pieces.
void PaintGradientOrColor(TWorkingBitmap& bitmap, const TRect& rect, const TItemFill& fill) {
  if (fill.Gradient != nullptr && !fill.Gradient->empty())
    PaintGradient(bitmap, rect, *fill.Gradient);
  else
    FillRect32(bitmap, rect, fill.Color, 255);
}

}  // namespace

int Percent(int v) { return std::clamp(v, 0, 100); }

bool PaintableRect(const TWorkingBitmap& bitmap, const TRect& rect) {
  return image::Is32(bitmap) && !rect.IsEmpty() && rect.Left >= 0 && rect.Top >= 0 && rect.Right <= bitmap.Width() &&
         rect.Bottom <= bitmap.Height();
}

void PaintItemFill(TWorkingBitmap& bitmap, const TRect& rect, const TItemFill& fill, const TCacheInfo& parent) {
  if (!PaintableRect(bitmap, rect)) return;
  // Skin files may hold any number: out-of-range shares would overflow the weights.
  const int i = Percent(fill.ImagePercent), g = Percent(fill.GradientPercent);
  if (fill.Combined && i + g == 100 && g > 0 && g < 100 && PlainTilePart(fill.Texture.Part) &&
      CombinableGradient(fill.Gradient)) {
    const store::TsMaskData& part = *fill.Texture.Part;
    const TWorkingBitmap* source = PartBitmap(part);
    if (source != nullptr && PaintableRect(*source, part.R)) {
      PaintGradientTexture(bitmap, rect, *fill.Gradient, static_cast<uint8_t>(i * 255 / 100), part.R, *source);
      return;
    }
  }
  bool textured = false;
  if (i > 0) textured = PaintTexture(bitmap, rect, fill, parent);
  if (g > 0) {
    if (textured) {
      auto layer = image::CreateBmp32(rect.Width(), rect.Height());
      const TRect whole{0, 0, rect.Width(), rect.Height()};
      PaintGradientOrColor(*layer, whole, fill);
      BlendBitmapAt(bitmap, *layer, static_cast<uint8_t>(i * 255 / 100), {rect.Left, rect.Top}, whole);
    } else {
      PaintGradientOrColor(bitmap, rect, fill);
    }
  }
  if (i + g == 0) {
    FillRect32(bitmap, rect, fill.Color, 255);
  } else if (i + g < 100) {
    BlendRectWithColor(bitmap, {rect.Left, rect.Top, rect.Right - 1, rect.Bottom - 1}, i + g, fill.Color);
  }
}

}  // namespace zelvan::paint
