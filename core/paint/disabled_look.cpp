#include "core/paint/disabled_look.h"

#include "core/paint/color_tone.h"
#include "core/paint/gray.h"
#include "core/paint/keyed_copy.h"

namespace zelvan::paint {

void PaintDisabled(image::TWorkingBitmap& bitmap, TsDisabledKind kinds, const TDisabledControl& control,
                   const TRect& rect, const TCacheInfo& cacheInfo) {
  if (kinds & dkGrayed) MakeGray(bitmap);
  if (!(kinds & dkBlended)) return;
  if (cacheInfo.Ready && cacheInfo.Bmp != nullptr) {
    const TRect parentRect =
        OffsetRect(rect, cacheInfo.X + control.Position.X, cacheInfo.Y + control.Position.Y);
    BlendFromSource(bitmap, rect.Left, rect.Top, kKeyColor, 0.4, parentRect, *cacheInfo.Bmp);
  } else {
    BlendRectWithColor(bitmap, rect, 50, cacheInfo.FillColor == kKeyColor ? control.ParentColor : cacheInfo.FillColor);
  }
}

}  // namespace zelvan::paint
