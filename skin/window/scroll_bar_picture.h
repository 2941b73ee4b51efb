#pragma once
// A scroll bar's picture from the skin's scroll bar sections: the two page
// areas split at the thumb's centre, the arrow buttons with their glyphs,
// the thumb, and the faded look of a bar that cannot scroll. Shared by the
// scroll wrappers (bars in the non-client area) and stand-alone scroll bars.

#include <windows.h>

#include "core/image/working_bitmap.h"
#include "core/paint/cache_info.h"
#include "core/paint/scroll_geometry.h"

class TsCommonData;
class TsSkinManager;

struct TBarPicture {
  bool Horizontal = false;
  bool Active = true;          // false: the parent shows through
  int Arrow = 0;               // arrow button length
  zelvan::paint::TThumb Thumb;  // from the bar's start; none: no thumb
  int Page1State = 0, Page2State = 0, Arrow1State = 0, Arrow2State = 0, ThumbState = 0;
};

// The skin has the sections a bar of the direction needs.
bool HasBarSections(const TsSkinManager& manager, bool horizontal);

// The whole image painted as the bar; at is where the image lies in the
// window whose background `behind` describes.
void PaintBarPicture(TsSkinManager& manager, zelvan::image::TWorkingBitmap& image, POINT at,
                     const zelvan::paint::TCacheInfo& behind, const TBarPicture& bar);

// What a wrapped window shows behind it: its control's parent's answer, or
// for a raw window its parent window's.
zelvan::paint::TCacheInfo BehindWindow(TsCommonData& data, HWND window);
