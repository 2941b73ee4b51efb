#pragma once
// The picture of a form's extended border: the skin's shadow template laid
// nine-slice over the whole border window (corners as they are, edges and
// middle stretched), premultiplied for the platform's per-pixel alpha, with
// the form's own rectangle left clear (the form lies over it, and its cut
// corners must show what is behind, not the template's middle).

#include "core/image/working_bitmap.h"
#include "core/paint/geometry.h"

namespace zelvan::paint {

// Four margins, not a rectangle: Left, Top, Right, Bottom widths.
using TMargins = TRect;

// The border window around a form: grown by the shadow sizes.
inline TRect ShadowBounds(const TRect& form, const TMargins& shadow) {
  return {form.Left - shadow.Left, form.Top - shadow.Top, form.Right + shadow.Right, form.Bottom + shadow.Bottom};
}

// Paints the whole of target (32-bit) from a 32-bit template with straight
// alpha; slices are the template's corner sizes (shrunk to fit both
// pictures); hole (target coordinates) is cleared. A template or target of
// another format, or an empty one, leaves target cleared.
void PaintShadowFrame(image::TWorkingBitmap& target, const image::TWorkingBitmap& shadowTemplate, TMargins slices,
                      const TRect& hole);

}  // namespace zelvan::paint
