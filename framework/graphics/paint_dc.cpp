#include "framework/graphics/paint_dc.h"

#include "core/paint/fill.h"
#include "core/paint/system_colors.h"

namespace zelvan::framework {

void FillRectByBrush(HDC dc, const RECT& rect, paint::TColor color) {
  HBRUSH brush = CreateSolidBrush(paint::ColorToRGB(color));
  if (brush == nullptr) return;
  const int saved = SaveDC(dc);
  FillRect(dc, &rect, brush);
  RestoreDC(dc, saved);
  DeleteObject(brush);
}

void FillFrameByBrush(HDC dc, const RECT& rect, int left, int top, int right, int bottom, paint::TColor color) {
  const paint::TRect frame{rect.left, rect.top, rect.right, rect.bottom};
  for (const paint::TRect& s : paint::FrameStrips(frame, left, top, right, bottom)) {
    const RECT strip{s.Left, s.Top, s.Right, s.Bottom};
    FillRectByBrush(dc, strip, color);
  }
}

}  // namespace zelvan::framework
