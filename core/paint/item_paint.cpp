#include "core/paint/item_paint.h"

#include "core/paint/hue_saturation.h"
#include "core/paint/image_part.h"
#include "core/paint/item_background.h"
#include "core/paint/item_fill.h"
#include "core/paint/mask_painting.h"

namespace zelvan::paint {
namespace {

using image::TWorkingBitmap;
using store::TsSkinStore;

const store::TsMaskData* PartAt(const TsSkinStore& manager, int index) {
  return manager.IsValidImgIndex(index) ? &manager.ma[static_cast<size_t>(index)] : nullptr;
}

// The four corner images over what is already painted, each as a glyph.
void PaintCornerImages(const TsSkinStore& manager, const store::TsGeneralData& gd, TWorkingBitmap& bitmap,
                       const TRect& rect, int state) {
  TCacheInfo self;
  self.Bmp = &bitmap;
  self.Ready = true;
  auto glyph = [&](int index, auto at) {
    if (const store::TsMaskData* part = PartAt(manager, index))
      DrawMaskGlyph(bitmap, at(StateWidth(*part), StateHeight(*part)), state, self, *part, 1);
  };
  glyph(gd.ImgTL, [&](int, int) { return TPoint{rect.Left, rect.Top}; });
  glyph(gd.ImgTR, [&](int w, int) { return TPoint{rect.Right - w, rect.Top}; });
  // At the rect's left, not the bitmap's: a rect inside a larger bitmap keeps its corner.
  glyph(gd.ImgBL, [&](int, int h) { return TPoint{rect.Left, rect.Bottom - h}; });
  glyph(gd.ImgBR, [&](int w, int h) { return TPoint{rect.Right - w, rect.Bottom - h}; });
}

// The frame, unless the index is invalid or state 0 of a part that hides
// its frame there; whether it was drawn.
bool PaintFrame(const TsSkinStore& manager, int frameIndex, TWorkingBitmap& bitmap, const TRect& rect, int state,
                bool cornersFromParent, const TCacheInfo& parent, TPoint offset) {
  const store::TsMaskData* part = PartAt(manager, frameIndex);
  if (part == nullptr || (state == 0 && (part->DrawMode & 2) != 0)) return false;
  DrawMaskRect(bitmap, rect, cornersFromParent, state, *part, ParentInRect(parent, offset, rect));
  return true;
}

}  // namespace

void PaintControlBackground(const TItemSkin& skin, const TCacheInfo& parent, int state, TWorkingBitmap& bitmap,
                            TPoint offset, const TRect& rect) {
  PaintItemBackground(skin.SkinIndex, skin.SkinSection, parent, skin.CustomColor, skin.HotTexture, skin.Texture,
                      skin.Manager, bitmap, offset, rect, state);
}

void PaintItem(const TItemSkin& skin, const TCacheInfo& parent, bool cornersFromParent, TWorkingBitmap& bitmap,
               TPoint offset, const TRect& rect, int state) {
  if (!CanPaintSection(skin.Manager, skin.SkinIndex, bitmap, rect)) return;
  const TsSkinStore& manager = *skin.Manager;
  const store::TsGeneralData& gd = manager.gd[static_cast<size_t>(skin.SkinIndex)];
  const int s = SectionState(gd, state);
  PaintControlBackground(skin, parent, s, bitmap, offset, rect);
  PaintCornerImages(manager, gd, bitmap, rect, s);
  const bool framed = PaintFrame(manager, skin.BorderIndex, bitmap, rect, s, cornersFromParent, parent, offset);
  if (!framed && Percent(StateValues(gd, s).Transparency) != 0) return;
  // Only the item's own rect: other content of a shared bitmap is not shifted again.
  if (skin.HUEOffset != 0) ChangeRectHue(bitmap, rect, skin.HUEOffset);
  if (skin.Saturation != 0) ChangeRectSaturation(bitmap, rect, skin.Saturation);
}

void PaintItemByIndex(int skinIndex, std::string_view section, const TCacheInfo& parent, int hotTexture, int texture,
                      const TsSkinStore* manager, TWorkingBitmap& bitmap, TPoint offset, const TRect& rect,
                      int state) {
  if (!CanPaintSection(manager, skinIndex, bitmap, rect)) return;
  const store::TsGeneralData& gd = manager->gd[static_cast<size_t>(skinIndex)];
  const int s = SectionState(gd, state);
  PaintItemBackground(skinIndex, section, parent, kKeyColor, hotTexture, texture, manager, bitmap, offset, rect, s);
  PaintCornerImages(*manager, gd, bitmap, rect, s);
  PaintFrame(*manager, gd.BorderIndex, bitmap, rect, s, true, parent, offset);
}

void PaintWrapperItem(int skinIndex, int frameIndex, int texture, const TsSkinStore* manager, TWorkingBitmap& bitmap,
                      TPoint offset, const TRect& rect, int state, const TCacheInfo& parent, std::string_view section,
                      int hotTexture) {
  (void)section;  // the wrappers' textures come as indexes: nothing is looked up by name
  if (!CanPaintSection(manager, skinIndex, bitmap, rect)) return;
  const int s = SectionState(manager->gd[static_cast<size_t>(skinIndex)], state);
  PaintWrapperBackground(skinIndex, parent, hotTexture, texture, manager, bitmap, offset, rect, s);
  PaintFrame(*manager, frameIndex, bitmap, rect, s, true, parent, offset);
}

}  // namespace zelvan::paint
