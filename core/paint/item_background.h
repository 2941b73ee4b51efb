#pragma once
// The background of a skin section for one state over a rect of a 32-bit
// bitmap: its own fill composed with the parent's background.
//
// Parent pixels: rect's top-left corner shows the parent at (X + offset.X,
// Y + offset.Y) of the cache info's bitmap, the rest of the rect likewise.

#include <string_view>

#include "core/image/working_bitmap.h"
#include "core/paint/cache_info.h"
#include "core/paint/color.h"
#include "core/paint/geometry.h"
#include "core/store/skin_store.h"

namespace zelvan::paint {

// A manager, a valid section and a rect wholly inside the 32-bit bitmap.
bool CanPaintSection(const store::TsSkinStore* manager, int skinIndex, const image::TWorkingBitmap& bitmap,
                     const TRect& rect);

// rect's size of the parent's picture at (X + at.X, Y + at.Y) into rect.
void CopyParentBlock(image::TWorkingBitmap& bitmap, const TRect& rect, const TCacheInfo& parent, TPoint at);

// The state a section paints: state limited to 0..States - 1.
int SectionState(const store::TsGeneralData& section, int state);

// The per-state values of a section: normal for state 0, hot for any other.
const store::TsGenState& StateValues(const store::TsGeneralData& section, int state);

// The cache info for painters that work in the bitmap's own coordinates
// while rect's top-left corner lies at offset in the control.
TCacheInfo ParentInRect(const TCacheInfo& parent, TPoint offset, const TRect& rect);

// customColor other than the key colour paints that colour, opaque and
// plain. Otherwise the section's values: transparency 0 or nothing known of
// the parent paints the fill directly; 100 shows the parent; between them
// the fill is blended over the parent (weight t * 255 / 100 rounded) or,
// plain over a parent colour, the two colours are mixed. In state 0 a masked
// texture of draw mode 10 is laid over the result. Nothing is painted
// without manager, with an invalid section, or for a rect not wholly inside
// the 32-bit bitmap.
void PaintItemBackground(int skinIndex, std::string_view section, const TCacheInfo& parent, TColor customColor,
                         int hotTexture, int texture, const store::TsSkinStore* manager, image::TWorkingBitmap& bitmap,
                         TPoint offset, const TRect& rect, int state);

// The wrappers' background: texture indexes as given (no lookups), the
// blend taken whenever the parent is ready (weight t * 255 div 100), no
// one-pass gradient texture, and with neither shares nor a ready parent at
// transparency 100 the parent's colour.
void PaintWrapperBackground(int skinIndex, const TCacheInfo& parent, int hotTexture, int texture,
                            const store::TsSkinStore* manager, image::TWorkingBitmap& bitmap, TPoint offset,
                            const TRect& rect, int state);

}  // namespace zelvan::paint
