#pragma once
// The geometry of a form's extended frame: the skin's own frame (border
// width and title height of its description) drawn around the form's client
// area in a layered window of its own, grown by the soft shadow. The form
// itself then shows only its client area and menu band; everything else the
// user sees of the frame is the border window's picture.
//
// Coordinates: "frame" ones have 0, 0 at the extended frame's top-left (the
// provider's cache picture); "border" ones at the border window's top-left,
// which lies the shadow's left and top widths further out.

#include <vector>

#include "core/image/working_bitmap.h"
#include "core/paint/geometry.h"
#include "core/paint/shadow_frame.h"

namespace zelvan::paint {

// The title band's height: the maximised one when maximised and the skin sets
// it (above 0), else the ordinary one.
int ExtendedTitleHeight(int titleHeight, int maxHeight, bool maximized);

// The extended frame around a client area (window or screen coordinates
// alike): the border width on the sides and at the bottom, the title band
// and the menu band above.
TRect ExtendedFrameRect(const TRect& client, int borderWidth, int titleHeight, int menuHeight);

// What the border window's region is made of: Whole minus every Cut.
struct TBorderRegion {
  TRect Whole;
  std::vector<TRect> Cut;
};

// MakeRgn: a maximised form's border window keeps only the rectangle inside
// the shadow and the frame, its top 4 pixels below the shadow (the title's
// top edge lies beyond the screen); otherwise the whole window less the
// pixels of the picture that are fully see-through, so the mouse goes through
// where nothing is shown.
TBorderRegion MakeBorderRegion(int width, int height, const TMargins& shadow, int frameWidth, bool maximized,
                               const image::TWorkingBitmap& picture);

// The fully transparent (alpha 0) pixels of a 32-bit picture as rectangles:
// runs of a row, joined with the same run of the rows above. Nothing for
// another format.
std::vector<TRect> SeeThroughRects(const image::TWorkingBitmap& picture);

// The point (border coordinates) lies on the shadow, not on the frame: beyond
// the frame's rectangle, or in one of its cut corners (frame coordinates).
bool MouseAboveTheShadow(TPoint point, const TMargins& shadow, int frameWidth, int frameHeight,
                         const std::vector<TRect>& cuts);

// The frame picture copied opaque at frameAt (border coordinates), except
// its cut corners and the client area (frame coordinates both), which keep
// what target has there. frame may be of any size; it is clipped.
void CopyFrameOpaque(image::TWorkingBitmap& target, TPoint frameAt, const image::TWorkingBitmap& frame,
                     const std::vector<TRect>& cuts, const TRect& client);

// The border window's picture: the shadow template laid around (see
// PaintShadowFrame; null leaves it clear) and the frame over it
// (CopyFrameOpaque). The client area (empty for none) stays clear; the
// frame's cut corners show the shadow of their row just beside the frame.
void ComposeExtendedBorder(image::TWorkingBitmap& target, const image::TWorkingBitmap* shadowTemplate,
                           const TMargins& slices, TPoint frameAt, const image::TWorkingBitmap& frame,
                           const std::vector<TRect>& cuts, const TRect& client);

// The cursor a hit code shows on the border window.
enum class TFrameCursor { Arrow, SizeWE, SizeNS, SizeNWSE, SizeNESW };
TFrameCursor CursorForHitCode(int hitCode);

}  // namespace zelvan::paint
