#include "skin/window/wrapper_painting.h"

#include "core/paint/block_transfer.h"
#include "core/paint/color_tone.h"
#include "core/paint/fill.h"
#include "core/paint/keyed_copy.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/font.h"
#include "skin/paint/control_paint.h"

void TakeMessageFont(TFont& font) {
  // Read once: asking the platform on every paint costs more than the paint.
  static const LOGFONTW message = [] {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof(metrics);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return LOGFONTW{};
    return metrics.lfMessageFont;
  }();
  if (!message.lfFaceName[0]) return;
  font.SetName(message.lfFaceName);
  font.SetHeight(message.lfHeight);
  font.SetCharset(message.lfCharSet);
  TFontStyles style;
  if (message.lfWeight >= FW_BOLD) style.Include(fsBold);
  if (message.lfItalic) style.Include(fsItalic);
  font.SetStyle(style);
}

void BlendDisabled(TBitmap& cache, const zelvan::paint::TCacheInfo& behind) {
  GdiFlush();
  const zelvan::paint::TRect whole{0, 0, cache.Width(), cache.Height()};
  if (whole.IsEmpty()) return;
  if (behind.Ready && behind.Bmp) {
    zelvan::paint::BlendFromSource(cache.Image(), 0, 0, zelvan::paint::kKeyColor, 0.6,
                                   zelvan::paint::OffsetRect(whole, behind.X, behind.Y), *behind.Bmp);
  } else {
    // Right and bottom are inclusive here.
    zelvan::paint::BlendRectWithColor(cache.Image(), {0, 0, whole.Right - 1, whole.Bottom - 1}, 60, behind.FillColor);
  }
}

void FillFromParent(HWND window, HDC dc) {
  RECT client{};
  GetClientRect(window, &client);
  if (IsRectEmpty(&client)) return;
  const zelvan::paint::TCacheInfo behind = WindowParentCache(window);
  TBitmap picture(client.right, client.bottom, pf32bit);
  zelvan::paint::TColor color = behind.FillColor == zelvan::paint::kKeyColor ? GetSysColor(COLOR_BTNFACE) : behind.FillColor;
  if (behind.Ready && behind.Bmp) {
    zelvan::paint::CopyBlock(picture.Image(), {0, 0}, *behind.Bmp,
                             {behind.X, behind.Y, behind.X + client.right, behind.Y + client.bottom});
  } else {
    zelvan::paint::FillRect32(picture.Image(), {0, 0, client.right, client.bottom}, color, 255);
  }
  CopyBitmapToDC(picture, dc, client, POINT{0, 0});
}
