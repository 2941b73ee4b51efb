#include "framework/stdctrls/button_glyph.h"

#include "framework/graphics/canvas.h"

TGlyphPlacement PlaceGlyph(const RECT& client, SIZE glyph, SIZE caption, TButtonLayout layout, int margin,
                           int spacing) {
  const bool horizontal = layout == blGlyphLeft || layout == blGlyphRight;
  const int clientMain = horizontal ? client.right - client.left : client.bottom - client.top;
  const int glyphMain = horizontal ? glyph.cx : glyph.cy;
  const int captionMain = horizontal ? caption.cx : caption.cy;
  if (glyphMain == 0 || captionMain == 0) spacing = 0;
  if (margin == -1) {
    const int total = glyphMain + captionMain + (spacing == -1 ? 0 : spacing);
    margin = (clientMain - total) / 2;
    if (spacing == -1) spacing = 0;
  } else if (spacing == -1) {
    spacing = (clientMain - margin - glyphMain - captionMain) / 2;
  }
  // Offsets along the main axis, from the edge the glyph is anchored to.
  const int glyphAt = margin;
  const int captionAt = margin + glyphMain + spacing;
  const bool fromEnd = layout == blGlyphRight || layout == blGlyphBottom;
  const int glyphPos = fromEnd ? clientMain - glyphAt - glyphMain : glyphAt;
  const int captionPos = fromEnd ? clientMain - captionAt - captionMain : captionAt;

  TGlyphPlacement placement{};
  const int width = client.right - client.left;
  const int height = client.bottom - client.top;
  if (horizontal) {
    placement.Glyph = POINT{client.left + glyphPos, client.top + (height - glyph.cy) / 2};
    const int top = client.top + (height - caption.cy) / 2;
    placement.Caption = RECT{client.left + captionPos, top, client.left + captionPos + caption.cx, top + caption.cy};
  } else {
    placement.Glyph = POINT{client.left + (width - glyph.cx) / 2, client.top + glyphPos};
    const int left = client.left + (width - caption.cx) / 2;
    placement.Caption = RECT{left, client.top + captionPos, left + caption.cx, client.top + captionPos + caption.cy};
  }
  return placement;
}

SIZE TButtonGlyph::PictureSize() {
  if (FGlyph.Empty()) return SIZE{0, 0};
  return SIZE{FGlyph.Width() / FNumGlyphs, FGlyph.Height()};
}

void TButtonGlyph::DrawPicture(TCanvas& canvas, POINT at, TButtonState state) {
  const SIZE size = PictureSize();
  if (size.cx == 0) return;
  // A state without its own picture shows the first one.
  int index = static_cast<int>(state);
  if (index >= FNumGlyphs) index = 0;
  if (state == bsExclusive && FNumGlyphs == 3) index = 2;
  // The bottom-left pixel names the transparent colour, as glyph strips are drawn.
  const COLORREF transparent = GetPixel(FGlyph.Canvas().Handle(), 0, size.cy - 1);
  TransparentBlt(canvas.Handle(), at.x, at.y, size.cx, size.cy, FGlyph.Canvas().Handle(), index * size.cx, 0,
                 size.cx, size.cy, transparent);
}

void TButtonGlyph::Draw(TCanvas& canvas, const RECT& client, const std::wstring& caption,
                        TButtonLayout layout, int margin, int spacing, TButtonState state) {
  RECT measured{0, 0, 0, 0};
  if (!caption.empty()) canvas.TextRect(measured, caption, DT_CALCRECT | DT_SINGLELINE);
  const SIZE captionSize{measured.right - measured.left, measured.bottom - measured.top};
  const TGlyphPlacement placement = PlaceGlyph(client, PictureSize(), captionSize, layout, margin, spacing);
  // A pressed button shows its content one pixel down and right.
  const int shift = state == bsDown || state == bsExclusive ? 1 : 0;
  DrawPicture(canvas, POINT{placement.Glyph.x + shift, placement.Glyph.y + shift}, state);
  if (caption.empty()) return;
  RECT text = placement.Caption;
  OffsetRect(&text, shift, shift);
  canvas.Brush().SetStyle(bsClear);
  if (state == bsDisabled) {
    // The engraved look of disabled text: highlight offset, then shadow.
    RECT highlight = text;
    OffsetRect(&highlight, 1, 1);
    canvas.Font().SetColor(clBtnHighlight);
    canvas.TextRect(highlight, caption, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    canvas.Font().SetColor(clBtnShadow);
  }
  canvas.TextRect(text, caption, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}
