#include "framework/graphics/brush.h"

#include <utility>

void TBrush::Assign(const TBrush& source) {
  if (&source == this || (source.FColor == FColor && source.FStyle == FStyle)) return;
  FColor = source.FColor;
  FStyle = source.FStyle;
  Modified();
}

void TBrush::SetColor(TColor color) {
  if (color == FColor) return;
  FColor = color;
  if (FStyle == bsClear) FStyle = bsSolid;
  Modified();
}

void TBrush::SetStyle(TBrushStyle style) {
  if (style == FStyle) return;
  FStyle = style;
  Modified();
}

HBRUSH TBrush::Handle() {
  if (FStyle == bsClear) return static_cast<HBRUSH>(GetStockObject(HOLLOW_BRUSH));
  if (!FHandle) {
    const COLORREF rgb = ColorToRGB(FColor);
    static const int kHatches[] = {HS_HORIZONTAL, HS_VERTICAL, HS_FDIAGONAL,
                                   HS_BDIAGONAL, HS_CROSS, HS_DIAGCROSS};
    FHandle.Reset(FStyle == bsSolid ? CreateSolidBrush(rgb)
                                    : CreateHatchBrush(kHatches[FStyle - bsHorizontal], rgb));
  }
  return FHandle.Get();
}

void TBrush::Modified() {
  TBrushHandle stale = std::move(FHandle);
  Changed();
}
