#include "core/paint/button_layout.h"

#include <algorithm>

namespace zelvan::paint {

TGlyphPlace BitBtnLayout(const TBitBtnLayoutInput& in) {
  TGlyphSide layout = in.Layout;
  if (in.RightToLeft && (layout == gsLeft || layout == gsRight)) layout = layout == gsLeft ? gsRight : gsLeft;
  const int cx = in.Client.Width(), cy = in.Client.Height();
  const int gx = in.GlyphWidth, gy = in.GlyphHeight, tx = in.TextWidth, ty = in.TextHeight;
  const bool across = layout == gsLeft || layout == gsRight;
  TPoint glyph, text;
  if (across) {
    glyph.Y = (cy - gy + 1) / 2;
    text.Y = (cy - ty + 1) / 2;
  } else {
    glyph.X = (cx - gx + 1) / 2;
    text.X = (cx - tx + 1) / 2;
  }
  int spacing = tx == 0 || gx == 0 ? 0 : in.Spacing;
  int margin = in.Margin;
  const int room = across ? cx - gx - tx : cy - gy - ty;
  if (margin == -1) {
    if (spacing < 0) {
      margin = room / 3;
      spacing = margin;
    } else {
      margin = in.Alignment == haCenter ? (room - spacing + 1) / 2 : 2;
    }
  } else if (spacing < 0) {
    spacing = (room - margin) / 2;
  }
  int textWidth = tx;
  switch (layout) {
    case gsLeft:
      if (in.Alignment == haLeft) {
        glyph.X = margin;
        text.X = margin + gx + spacing;
        textWidth = cx - margin - text.X;
      } else if (in.Alignment == haRight) {
        text.X = cx - margin - tx;
        glyph.X = text.X - spacing - gx;
      } else {
        glyph.X = std::max((cx - tx - spacing - gx) / 2, margin);
        text.X = glyph.X + gx + spacing;
      }
      break;
    case gsRight:
      if (in.Alignment == haLeft) {
        glyph.X = margin + tx + spacing;
        text.X = margin;
      } else if (in.Alignment == haRight) {
        glyph.X = cx - margin - gx;
        text.X = glyph.X - spacing - tx;
      } else {
        text.X = (cx - tx - spacing - gx) / 2;
        glyph.X = text.X + tx + spacing;
      }
      break;
    case gsTop:
      glyph.Y = (cy - gy - spacing - ty) / 2;
      text.Y = glyph.Y + gy + spacing;
      break;
    case gsBottom:
      glyph.Y = cy - gy - (cy - gy - spacing - ty) / 2;
      text.Y = glyph.Y - spacing - ty;
      break;
  }
  TGlyphPlace place;
  place.Glyph = {glyph.X + in.Client.Left, glyph.Y + in.Client.Top};
  const int left = in.Client.Left + text.X, top = in.Client.Top + text.Y;
  place.Caption = {left, top, left + textWidth, top + ty};
  return place;
}

TSpeedPlace SpeedButtonLayout(const TSpeedLayoutInput& in) {
  const int w = in.Width, h = in.Height, d = in.DropDown;
  const int m = in.Margin < 0 ? 0 : in.Margin + 3;
  const int gw = in.GlyphWidth, gh = in.GlyphHeight, tw = in.TextWidth, th = in.TextHeight;
  const bool across = in.Layout == gsLeft || in.Layout == gsRight;
  const int s = in.HasCaption && (across ? gw : gh) >= 1 ? in.Spacing : 0;
  const int glyphSpacing = gw > 0 ? in.Spacing : 0;
  TSpeedPlace place;
  TRect& r = place.Caption;
  const int half = (w - d - gw - s - tw) / 2 - m;
  const int v = (h - gh - s - th) / 2 - m;
  switch (in.Layout) {
    case gsLeft:
      r.Top = (h - th) / 2;
      r.Bottom = h - r.Top;
      if (in.Alignment == haLeft) {
        // The raw margin, as the caption of a left-justified button has it.
        r.Left = gw + in.Margin + glyphSpacing;
        r.Right = w - d - m - 2 * half;
      } else if (in.Alignment == haRight) {
        r.Left = m + 2 * half + gw + glyphSpacing;
        r.Right = w - d - m;
      } else {
        r.Left = gw + m + half + glyphSpacing;
        r.Right = w - d - m - half;
      }
      place.TextLayout = 0;
      break;
    case gsRight:
      r.Top = (h - th) / 2;
      r.Bottom = h - r.Top;
      r.Left = in.Alignment == haLeft ? m : in.Alignment == haRight ? m + 2 * half : m + half;
      r.Right = r.Left + tw;
      place.TextLayout = 2;
      break;
    case gsTop:
      r.Left = (w - tw - d) / 2;
      r.Right = w - r.Left - d;
      r.Top = gh + m + v + s;
      r.Bottom = h - v - m;
      place.TextLayout = 1;
      break;
    case gsBottom:
      r.Left = (w - tw - d) / 2;
      r.Right = w - (w - tw - d) / 2 - d;
      r.Top = m + v;
      r.Bottom = h - v - m - gh - s;
      place.TextLayout = 1;
      break;
  }
  r = {r.Left + in.TextOffset - 1, r.Top, r.Right + in.TextOffset + 2, r.Bottom};
  TPoint g;
  switch (in.Layout) {
    case gsLeft:
      g.Y = (h - gh) / 2;
      g.X = in.Alignment == haLeft ? m : in.Alignment == haRight ? m + 2 * half : m + half;
      break;
    case gsRight:
      g.Y = (h - gh) / 2;
      g.X = in.Alignment == haLeft    ? r.Right + in.Spacing
            : in.Alignment == haRight ? w - d - gw - m
                                      : (w + s + tw - d - gw) / 2;
      break;
    case gsTop:
      g.X = (w - d - gw) / 2 + 1;
      g.Y = v + m;
      break;
    case gsBottom:
      g.X = (w - d - gw) / 2 + 1;
      g.Y = h - m - v - gh;
      break;
  }
  const int shift = in.Pressed ? 1 : 0;
  if (in.Reflected) g.Y -= gh / 6;
  place.Glyph = {g.X + shift, g.Y + shift, g.X + shift + gw, g.Y + shift + gh};
  r = {r.Left + shift, r.Top + shift, r.Right + shift, r.Bottom + shift};
  return place;
}

}  // namespace zelvan::paint
