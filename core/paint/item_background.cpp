#include "core/paint/item_background.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/image/bitmap32.h"
#include "core/paint/block_transfer.h"
#include "core/paint/color_mix.h"
#include "core/paint/fill.h"
#include "core/paint/item_fill.h"
#include "core/paint/texture.h"
#include "core/paint/weighted_blend.h"

namespace zelvan::paint {
namespace {

using image::TWorkingBitmap;
using store::TsSkinStore;

// What the texture source rule found: an image part without mask, or a
// stored pattern.
TItemTexture ResolveTexture(const TsSkinStore& manager, int skinIndex, std::string_view section, int index,
                            std::string_view property) {
  if (index < 0) index = manager.GetMaskIndex(skinIndex, section, property);
  if (manager.IsValidImgIndex(index) && manager.ma[static_cast<size_t>(index)].MaskType == 0)
    return {&manager.ma[static_cast<size_t>(index)], nullptr};
  const int pattern = manager.GetPatternIndex(skinIndex, section, property);
  if (pattern >= 0 && pattern < static_cast<int>(manager.pa.size()) && manager.pa[static_cast<size_t>(pattern)].Img)
    return {nullptr, manager.pa[static_cast<size_t>(pattern)].Img.get()};
  return {};
}

// An index given by the caller, as it is.
TItemTexture GivenTexture(const TsSkinStore& manager, int index) {
  if (!manager.IsValidImgIndex(index)) return {};
  return {&manager.ma[static_cast<size_t>(index)], nullptr};
}

// The fill of a section's state before any texture is chosen.
TItemFill FillOf(const store::TsGenState& values) {
  TItemFill fill;
  // Read raw from skin files: beyond 0..100 the blend weights would overflow.
  fill.ImagePercent = Percent(values.ImagePercent);
  fill.GradientPercent = Percent(values.GradientPercent);
  fill.Color = values.Color;
  fill.Gradient = &values.GradientArray;
  return fill;
}

// The parent behind rect: its picture copied, or its colour; the target
// itself as parent is already in place.
void PaintParent(TWorkingBitmap& bitmap, const TRect& rect, const TCacheInfo& parent, TPoint offset) {
  if (!parent.Ready) {
    FillRect32(bitmap, rect, parent.FillColor, 255);
    return;
  }
  if (parent.Bmp != &bitmap) CopyParentBlock(bitmap, rect, parent, offset);
}

// The fill painted apart and laid over the parent, t/256 of the parent kept.
void BlendOverParent(TWorkingBitmap& bitmap, const TRect& rect, const TItemFill& fill, const TCacheInfo& parent,
                     TPoint offset, uint8_t weight) {
  auto layer = image::CreateBmp32(rect.Width(), rect.Height());
  const TRect whole{0, 0, rect.Width(), rect.Height()};
  PaintItemFill(*layer, whole, fill, ParentInRect(parent, offset, whole));
  PaintParent(bitmap, rect, parent, offset);
  BlendBitmapAt(bitmap, *layer, weight, {rect.Left, rect.Top}, whole);
}

// In state 0 a masked texture of draw mode 10 goes over the composed rect.
void LayMaskedTexture(const TsSkinStore& manager, int hotTexture, int texture, TWorkingBitmap& bitmap,
                      const TCacheInfo& parent, TPoint offset, const TRect& rect) {
  const int index = texture >= 0 ? texture : hotTexture;
  if (!manager.IsValidImgIndex(index)) return;
  const store::TsMaskData& part = manager.ma[static_cast<size_t>(index)];
  if (part.MaskType <= 0 || part.DrawMode != tmWholeRows) return;
  TRect left = rect;
  FillMaskedTexture(bitmap, left, ParentInRect(parent, offset, rect), tmWholeRows, part);
}

}  // namespace

void CopyParentBlock(TWorkingBitmap& bitmap, const TRect& rect, const TCacheInfo& parent, TPoint at) {
  if (parent.Bmp == nullptr || rect.IsEmpty()) return;
  const int64_t x = int64_t{parent.X} + at.X, y = int64_t{parent.Y} + at.Y;
  // Far outside any bitmap: nothing to copy, and the rect arithmetic must not overflow.
  if (x < INT32_MIN / 2 || x > INT32_MAX / 2 || y < INT32_MIN / 2 || y > INT32_MAX / 2) return;
  const int sx = static_cast<int>(x), sy = static_cast<int>(y);
  CopyBlock(bitmap, {rect.Left, rect.Top}, *parent.Bmp, {sx, sy, sx + rect.Width(), sy + rect.Height()});
}

bool CanPaintSection(const TsSkinStore* manager, int skinIndex, const TWorkingBitmap& bitmap, const TRect& rect) {
  return manager != nullptr && manager->IsValidSkinIndex(skinIndex) && PaintableRect(bitmap, rect);
}

int SectionState(const store::TsGeneralData& section, int state) {
  // A skin may declare no states at all: never index below the normal state.
  return std::clamp(state, 0, std::max(section.States - 1, 0));
}

const store::TsGenState& StateValues(const store::TsGeneralData& section, int state) {
  // Props holds only the normal and the hot state, whatever States says.
  return section.Props[SectionState(section, state) > 0 ? 1 : 0];
}

TCacheInfo ParentInRect(const TCacheInfo& parent, TPoint offset, const TRect& rect) {
  TCacheInfo info = parent;
  info.X = static_cast<int>(std::clamp<int64_t>(int64_t{parent.X} + offset.X - rect.Left, INT32_MIN / 2, INT32_MAX / 2));
  info.Y = static_cast<int>(std::clamp<int64_t>(int64_t{parent.Y} + offset.Y - rect.Top, INT32_MIN / 2, INT32_MAX / 2));
  return info;
}

void PaintItemBackground(int skinIndex, std::string_view section, const TCacheInfo& parent, TColor customColor,
                         int hotTexture, int texture, const TsSkinStore* manager, TWorkingBitmap& bitmap,
                         TPoint offset, const TRect& rect, int state) {
  if (!CanPaintSection(manager, skinIndex, bitmap, rect)) return;
  const store::TsGeneralData& gd = manager->gd[static_cast<size_t>(skinIndex)];
  const int s = SectionState(gd, state);
  TItemFill fill;
  int t = 0;
  if (customColor != kKeyColor) {
    fill.Color = customColor;
  } else {
    const store::TsGenState& values = StateValues(gd, s);
    fill = FillOf(values);
    t = Percent(values.Transparency);  // raw from the skin file, like the shares
    if (t == 100) fill.ImagePercent = fill.GradientPercent = 0;
    if (fill.ImagePercent > 0) {
      fill.Texture = s == 0 ? ResolveTexture(*manager, skinIndex, section, texture >= 0 ? texture : gd.TextureNormal,
                                             "PATTERN")
                            : ResolveTexture(*manager, skinIndex, section, hotTexture, "HOTPATTERN");
    }
  }
  const TColor f = parent.FillColor;
  const bool shares = fill.ImagePercent > 0 || fill.GradientPercent > 0;
  if ((!parent.Ready && f == kKeyColor) || t == 0) {
    PaintItemFill(bitmap, rect, fill, ParentInRect(parent, offset, rect));
  } else if (t == 100) {
    PaintParent(bitmap, rect, parent, offset);
  } else if (parent.Ready || shares) {
    BlendOverParent(bitmap, rect, fill, parent, offset, static_cast<uint8_t>(std::nearbyint(t * 255 / 100.0)));
  } else {
    FillRect32(bitmap, rect, MixColors(f, fill.Color, t / 100.0), 255);
  }
  if (s == 0) LayMaskedTexture(*manager, hotTexture, texture, bitmap, parent, offset, rect);
}

void PaintWrapperBackground(int skinIndex, const TCacheInfo& parent, int hotTexture, int texture,
                            const TsSkinStore* manager, TWorkingBitmap& bitmap, TPoint offset, const TRect& rect,
                            int state) {
  if (!CanPaintSection(manager, skinIndex, bitmap, rect)) return;
  const store::TsGeneralData& gd = manager->gd[static_cast<size_t>(skinIndex)];
  const int s = SectionState(gd, state);
  const store::TsGenState& values = StateValues(gd, s);
  TItemFill fill = FillOf(values);
  fill.Combined = false;
  const int t = Percent(values.Transparency);
  fill.Texture = GivenTexture(*manager, s == 0 ? texture : hotTexture);
  // The key colour means nothing is known of the parent: keep the section's colour then.
  if (fill.ImagePercent + fill.GradientPercent == 0 && !parent.Ready && t == 100 && parent.FillColor != kKeyColor)
    fill.Color = parent.FillColor;
  if (!parent.Ready || t == 0) {
    PaintItemFill(bitmap, rect, fill, ParentInRect(parent, offset, rect));
  } else if (t == 100) {
    PaintParent(bitmap, rect, parent, offset);
  } else {
    BlendOverParent(bitmap, rect, fill, parent, offset, static_cast<uint8_t>(t * 255 / 100));
  }
  if (s == 0) LayMaskedTexture(*manager, hotTexture, texture, bitmap, parent, offset, rect);
}

}  // namespace zelvan::paint
