#include "framework/graphics/pen.h"

#include <utility>

void TPen::Assign(const TPen& source) {
  if (&source == this) return;
  if (source.FColor == FColor && source.FWidth == FWidth && source.FStyle == FStyle) return;
  FColor = source.FColor;
  FWidth = source.FWidth;
  FStyle = source.FStyle;
  Modified();
}

void TPen::SetColor(TColor color) {
  if (color == FColor) return;
  FColor = color;
  Modified();
}

void TPen::SetWidth(int width) {
  if (width < 0 || width == FWidth) return;
  FWidth = width;
  Modified();
}

void TPen::SetStyle(TPenStyle style) {
  if (style == FStyle) return;
  FStyle = style;
  Modified();
}

HPEN TPen::Handle() {
  if (!FHandle) {
    static const int kStyles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT,
                                  PS_DASHDOTDOT, PS_NULL, PS_INSIDEFRAME};
    FHandle.Reset(CreatePen(kStyles[FStyle], FWidth, ColorToRGB(FColor)));
  }
  return FHandle.Get();
}

void TPen::Modified() {
  TPenHandle stale = std::move(FHandle);
  Changed();
}
