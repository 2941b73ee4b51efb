#pragma once
// The whole picture of a skinned item in a rect of a 32-bit bitmap: the
// section's background over the parent's, its corner images, its frame and,
// for controls, their hue and saturation change.
//
// Nothing is painted without manager, with an invalid section, or for a rect
// that is empty or not wholly inside the 32-bit bitmap.

#include <string_view>

#include "core/image/working_bitmap.h"
#include "core/paint/cache_info.h"
#include "core/paint/color.h"
#include "core/paint/geometry.h"
#include "core/store/skin_store.h"

namespace zelvan::paint {

// What a control contributes to its picture (its common skin data).
struct TItemSkin {
  const store::TsSkinStore* Manager = nullptr;
  int SkinIndex = -1;
  std::string_view SkinSection;
  int BorderIndex = -1;  // the frame image part
  int Texture = -1;      // texture image parts chosen for the control, -1 for none
  int HotTexture = -1;
  TColor CustomColor = kKeyColor;  // the owner's colour for a custom-coloured control, else the key colour
  int HUEOffset = 0;
  int Saturation = 0;
};

// PaintItemBackground with the control's section, textures and colour.
void PaintControlBackground(const TItemSkin& skin, const TCacheInfo& parent, int state, image::TWorkingBitmap& bitmap,
                            TPoint offset, const TRect& rect);

// Background, corner images, the control's frame (corners shown from the
// parent when cornersFromParent and the part asks for it), then hue and
// saturation over the rect, unless no frame was drawn over a see-through
// state.
void PaintItem(const TItemSkin& skin, const TCacheInfo& parent, bool cornersFromParent, image::TWorkingBitmap& bitmap,
               TPoint offset, const TRect& rect, int state);

// The same for a section without control: the key colour as custom colour,
// the given textures, the section's frame with its corners from the parent,
// no hue or saturation change.
void PaintItemByIndex(int skinIndex, std::string_view section, const TCacheInfo& parent, int hotTexture, int texture,
                      const store::TsSkinStore* manager, image::TWorkingBitmap& bitmap, TPoint offset,
                      const TRect& rect, int state);

// The wrappers' variant: PaintWrapperBackground, then the given frame with
// its corners from the parent; no corner images, no hue or saturation.
void PaintWrapperItem(int skinIndex, int frameIndex, int texture, const store::TsSkinStore* manager,
                      image::TWorkingBitmap& bitmap, TPoint offset, const TRect& rect, int state,
                      const TCacheInfo& parent, std::string_view section, int hotTexture);

}  // namespace zelvan::paint
