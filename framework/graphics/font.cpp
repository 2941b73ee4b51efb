#include "framework/graphics/font.h"

#include <utility>

TFont::TFont() = default;

int TFont::PixelsPerInch() {
  static const int ppi = [] {
    HDC screen = GetDC(nullptr);
    const int value = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return value > 0 ? value : 96;
  }();
  return ppi;
}

void TFont::Assign(const TFont& source) {
  if (&source == this || SameAs(source)) return;
  FName = source.FName;
  FHeight = source.FHeight;
  FStyle = source.FStyle;
  FColor = source.FColor;
  FCharset = source.FCharset;
  Modified();
}

bool TFont::SameAs(const TFont& other) const {
  return FName == other.FName && FHeight == other.FHeight && FStyle == other.FStyle &&
         FColor == other.FColor && FCharset == other.FCharset;
}

void TFont::SetName(const std::wstring& name) {
  if (name.empty() || name == FName) return;
  FName = name;
  Modified();
}

void TFont::SetHeight(int height) {
  if (height == FHeight) return;
  FHeight = height;
  Modified();
}

int TFont::Size() const { return -MulDiv(FHeight, 72, PixelsPerInch()); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, PixelsPerInch(), 72)); }

void TFont::SetStyle(TFontStyles style) {
  if (style == FStyle) return;
  FStyle = style;
  Modified();
}

void TFont::SetColor(TColor color) {
  if (color == FColor) return;
  FColor = color;
  Changed();  // the colour is not part of the HFONT
}

void TFont::SetCharset(BYTE charset) {
  if (charset == FCharset) return;
  FCharset = charset;
  Modified();
}

HFONT TFont::Handle() {
  if (!FHandle) {
    LOGFONTW lf{};
    lf.lfHeight = FHeight;
    lf.lfWeight = FStyle.Contains(fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = FStyle.Contains(fsItalic);
    lf.lfUnderline = FStyle.Contains(fsUnderline);
    lf.lfStrikeOut = FStyle.Contains(fsStrikeOut);
    lf.lfCharSet = FCharset;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfPitchAndFamily = DEFAULT_PITCH;
    FName.copy(lf.lfFaceName, LF_FACESIZE - 1);
    FHandle.Reset(CreateFontIndirectW(&lf));
  }
  return FHandle.Get();
}

void TFont::Modified() {
  // Listeners deselect or replace the stale handle before it is freed here.
  TFontHandle stale = std::move(FHandle);
  Changed();
}
