#pragma once
// Skin painting where windows come in: a control's cache composed over what
// its parent answers, sections painted into device contexts, and the
// corner and frame passes that need the parent's answer.

#include <windows.h>

#include <string>

#include "core/image/working_bitmap.h"
#include "core/paint/cache_info.h"
#include "core/paint/item_paint.h"

class TBitmap;
class TControl;
class TsCommonData;
class TsSkinManager;

// What a control's skin data contributes to its picture.
zelvan::paint::TItemSkin ItemSkinOf(const TsCommonData& data);

// Asks parent for its background (no painting into a context) and paints the
// item as PaintItem does. False, with nothing painted, while the parent is
// rebuilding its own picture.
bool PaintItemWithParent(TsCommonData& data, TControl* parent, bool cornersFromParent,
                         zelvan::image::TWorkingBitmap& bitmap, zelvan::paint::TPoint offset,
                         const zelvan::paint::TRect& rect, int state);

// The owner's cache made anew for a state: sized, composed over the parent,
// the background marked valid. False when the parent holds painting back.
bool PrepareCache(TsCommonData& data, int state);

// A section without a control painted into dc at rect (through a bitmap of
// the rect's size); the context's state is kept.
void PaintItemToDC(int skinIndex, const std::string& section, const zelvan::paint::TCacheInfo& parent,
                   TsSkinManager* manager, HDC dc, zelvan::paint::TPoint offset, const RECT& rect, int state);

// A whole bitmap painted with a section found by name (else by the fallback
// name). With a context, its block at rect is the background behind. The
// index used; invalid when nothing was painted.
int PaintSection(zelvan::image::TWorkingBitmap& bitmap, const std::string& section, const std::string& fallback,
                 HDC dc, zelvan::paint::TColor fillColor, const RECT& rect, TsSkinManager* manager, int state);

// What a control's parent shows behind it, for controls without skin data
// of their own (labels): its cache at the control's place, or a colour.
zelvan::paint::TCacheInfo ControlParentCache(TControl& control);

// What the parent window of a window without a framework control shows
// behind it: its cache at the window's place, or a colour.
zelvan::paint::TCacheInfo WindowParentCache(HWND window);

// The cache of a wrapper's skin data made anew for a state over what the
// window's parent shows (the control's parent, or the parent window); what
// was behind comes back in behind. False when the parent holds painting back.
bool PrepareWindowCache(TsCommonData& data, HWND window, int state, zelvan::paint::TCacheInfo& behind);

// See-through corner pixels of the owner's frame given the parent's background.
void FillParentCorners(TsCommonData& data, int state, int corners);

// Only the frame of an edit-like owner into its cache, with an inner band of
// width innerBorder; the inner rect comes back. dc, when not the cache's own,
// receives the band.
RECT PaintFrameOnly(HDC dc, const RECT& rect, int innerBorder, int state, TsCommonData& data);

// A bitmap (a cache, or part of it) into a device context, whether or not
// its canvas holds it selected.
void CopyBitmapToDC(TBitmap& bitmap, HDC dc, const RECT& destination, POINT source);
