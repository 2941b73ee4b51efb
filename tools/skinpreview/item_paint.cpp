#include "tools/skinpreview/item_paint.h"

#include <algorithm>
#include <cctype>

#include "core/paint/cache_info.h"
#include "core/paint/color.h"
#include "core/paint/gradient_paint.h"
#include "core/paint/image_part.h"
#include "core/paint/mask_painting.h"
#include "core/paint/texture.h"

namespace zelvan::skinpreview {

namespace {

using paint::SwapRedBlue;

uint32_t Pixel(TColor c) { return 0xFF000000u | SwapRedBlue(c & 0xFFFFFF); }

bool Inside(const TWorkingBitmap& b, int x, int y) { return x >= 0 && y >= 0 && x < b.Width() && y < b.Height(); }

uint32_t Mix(uint32_t a, uint32_t b, int percentA) {
  uint32_t out = 0xFF000000u;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int ac = static_cast<int>((a >> shift) & 255), bc = static_cast<int>((b >> shift) & 255);
    out |= static_cast<uint32_t>((ac * percentA + bc * (100 - percentA) + 50) / 100) << shift;
  }
  return out;
}

// The sheet is its own parent: key pixels of frames and glyphs leave it as it is.
paint::TCacheInfo SheetAsParent(TWorkingBitmap& sheet) { return {&sheet, 0, 0, paint::kKeyColor, true}; }

}  // namespace

int ItemPainter::StateWidth(int part) const {
  return skin_.IsValidImgIndex(part) ? paint::StateWidth(skin_.ma[static_cast<size_t>(part)]) : 0;
}

int ItemPainter::StateHeight(int part) const {
  return skin_.IsValidImgIndex(part) ? paint::StateHeight(skin_.ma[static_cast<size_t>(part)]) : 0;
}

void ItemPainter::Background(TWorkingBitmap& sheet, const TRect& rect, int section, int state) const {
  if (!skin_.IsValidSkinIndex(section)) return;
  const auto& g = skin_.gd[static_cast<size_t>(section)];
  const auto& p = g.Props[std::clamp(std::min(state, g.States - 1), 0, 1)];
  const TRect r = paint::ClipToSize(rect, sheet.Width(), sheet.Height());
  if (r.IsEmpty()) return;
  TWorkingBitmap gradient(r.Width(), r.Height()), texture(r.Width(), r.Height());
  const int gp = p.GradientArray.empty() ? 0 : std::clamp(p.GradientPercent, 0, 100);
  int ip = skin_.IsValidImgIndex(p.TextureIndex) ? std::clamp(p.ImagePercent, 0, 100 - gp) : 0;
  if (gp) paint::PaintGradient(gradient, {0, 0, r.Width(), r.Height()}, p.GradientArray);
  if (ip) {
    // The texture is anchored at the item's corner, as in a control's own cache.
    FillRect(texture, {0, 0, r.Width(), r.Height()}, p.Color);
    Tile(texture, {0, 0, r.Width(), r.Height()}, p.TextureIndex);
  }
  const uint32_t color = Pixel(p.Color);
  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = r.Left; x < r.Right; ++x) {
      const uint32_t t = texture.Row32(y - r.Top)[x - r.Left], gr = gradient.Row32(y - r.Top)[x - r.Left];
      uint32_t c = color;
      if (gp + ip > 0) {
        c = Mix(gr, color, gp * 100 / std::max(1, 100 - ip));  // gradient and colour share what the texture leaves
        c = Mix(t, c, ip);
      }
      uint32_t& d = sheet.Row32(y)[x];
      d = Mix(d, c, std::clamp(p.Transparency, 0, 100));
    }
  }
}

void ItemPainter::Frame(TWorkingBitmap& sheet, const TRect& rect, int part, int state) const {
  if (!skin_.IsValidImgIndex(part)) return;
  paint::DrawMaskRect(sheet, rect, true, state, skin_.ma[static_cast<size_t>(part)], SheetAsParent(sheet));
}

void ItemPainter::Glyph(TWorkingBitmap& sheet, int x, int y, int part, int state) const {
  if (!skin_.IsValidImgIndex(part)) return;
  paint::DrawMaskGlyph(sheet, {x, y}, state, SheetAsParent(sheet), skin_.ma[static_cast<size_t>(part)], 1);
}

void ItemPainter::Tile(TWorkingBitmap& sheet, const TRect& rect, int part) const {
  if (!skin_.IsValidImgIndex(part)) return;
  const auto& m = skin_.ma[static_cast<size_t>(part)];
  TRect left = rect;
  if (m.MaskType > 0) {
    paint::FillMaskedTexture(sheet, left, SheetAsParent(sheet), m.DrawMode, m);
  } else {
    paint::FillTexture(sheet, left, nullptr, m.DrawMode, m);
  }
}

void ItemPainter::AlphaPicture(TWorkingBitmap& sheet, int x, int y, int part) const {
  if (!skin_.IsValidImgIndex(part) || !skin_.ma[static_cast<size_t>(part)].Bmp) return;
  const TWorkingBitmap& src = *skin_.ma[static_cast<size_t>(part)].Bmp;
  for (int j = 0; j < src.Height(); ++j) {
    for (int i = 0; i < src.Width(); ++i) {
      if (!Inside(sheet, x + i, y + j)) continue;
      const uint32_t s = src.Row32(j)[i];
      const uint32_t a = s >> 24;
      uint32_t& d = sheet.Row32(y + j)[x + i];
      uint32_t out = 0xFF000000u;
      for (int shift = 0; shift <= 16; shift += 8) {
        const uint32_t c = ((s >> shift) & 255) + ((d >> shift) & 255) * (255 - a) / 255;
        out |= std::min<uint32_t>(c, 255) << shift;
      }
      d = out;
    }
  }
}

void ItemPainter::Item(TWorkingBitmap& sheet, const TRect& rect, const std::string& section, int state) const {
  const int index = skin_.GetSkinIndex(section);
  if (index < 0) return;
  Background(sheet, rect, index, state);
  Frame(sheet, rect, skin_.gd[static_cast<size_t>(index)].BorderIndex, state);
  const int glyph = skin_.GetMaskIndex(index, section, "GLYPHMASK");
  if (glyph >= 0) {
    // A glyph in a wide item (the arrow of a combo box) sits at its right end.
    const int w = StateWidth(glyph);
    const int x = rect.Width() > 3 * w ? rect.Right - w - 6 : (rect.Left + rect.Right - w) / 2;
    Glyph(sheet, x, (rect.Top + rect.Bottom - StateHeight(glyph)) / 2, glyph, state);
  }
}

void FillRect(TWorkingBitmap& sheet, const TRect& rect, TColor color) {
  const TRect r = paint::ClipToSize(rect, sheet.Width(), sheet.Height());
  for (int y = r.Top; y < r.Bottom; ++y) std::fill(sheet.Row32(y) + r.Left, sheet.Row32(y) + r.Right, Pixel(color));
}

namespace {

// 5 x 7 glyphs, one byte a row, bit 4 the leftmost column.
const uint8_t* Glyph5x7(char c) {
  static const uint8_t kLetters[26][7] = {
      {0x0E, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11}, {0x1E, 0x11, 0x11, 0x1E, 0x11, 0x11, 0x1E},
      {0x0E, 0x11, 0x10, 0x10, 0x10, 0x11, 0x0E}, {0x1E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x1E},
      {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x1F}, {0x1F, 0x10, 0x10, 0x1E, 0x10, 0x10, 0x10},
      {0x0E, 0x11, 0x10, 0x17, 0x11, 0x11, 0x0F}, {0x11, 0x11, 0x11, 0x1F, 0x11, 0x11, 0x11},
      {0x0E, 0x04, 0x04, 0x04, 0x04, 0x04, 0x0E}, {0x07, 0x02, 0x02, 0x02, 0x02, 0x12, 0x0C},
      {0x11, 0x12, 0x14, 0x18, 0x14, 0x12, 0x11}, {0x10, 0x10, 0x10, 0x10, 0x10, 0x10, 0x1F},
      {0x11, 0x1B, 0x15, 0x15, 0x11, 0x11, 0x11}, {0x11, 0x11, 0x19, 0x15, 0x13, 0x11, 0x11},
      {0x0E, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}, {0x1E, 0x11, 0x11, 0x1E, 0x10, 0x10, 0x10},
      {0x0E, 0x11, 0x11, 0x11, 0x15, 0x12, 0x0D}, {0x1E, 0x11, 0x11, 0x1E, 0x14, 0x12, 0x11},
      {0x0F, 0x10, 0x10, 0x0E, 0x01, 0x01, 0x1E}, {0x1F, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04},
      {0x11, 0x11, 0x11, 0x11, 0x11, 0x11, 0x0E}, {0x11, 0x11, 0x11, 0x11, 0x11, 0x0A, 0x04},
      {0x11, 0x11, 0x11, 0x15, 0x15, 0x15, 0x0A}, {0x11, 0x11, 0x0A, 0x04, 0x0A, 0x11, 0x11},
      {0x11, 0x11, 0x11, 0x0A, 0x04, 0x04, 0x04}, {0x1F, 0x01, 0x02, 0x04, 0x08, 0x10, 0x1F}};
  static const uint8_t kDigits[10][7] = {
      {0x0E, 0x11, 0x13, 0x15, 0x19, 0x11, 0x0E}, {0x04, 0x0C, 0x04, 0x04, 0x04, 0x04, 0x0E},
      {0x0E, 0x11, 0x01, 0x02, 0x04, 0x08, 0x1F}, {0x1F, 0x02, 0x04, 0x02, 0x01, 0x11, 0x0E},
      {0x02, 0x06, 0x0A, 0x12, 0x1F, 0x02, 0x02}, {0x1F, 0x10, 0x1E, 0x01, 0x01, 0x11, 0x0E},
      {0x06, 0x08, 0x10, 0x1E, 0x11, 0x11, 0x0E}, {0x1F, 0x01, 0x02, 0x04, 0x08, 0x08, 0x08},
      {0x0E, 0x11, 0x11, 0x0E, 0x11, 0x11, 0x0E}, {0x0E, 0x11, 0x11, 0x0F, 0x01, 0x02, 0x0C}};
  static const uint8_t kUnderscore[7] = {0, 0, 0, 0, 0, 0, 0x1F}, kDash[7] = {0, 0, 0, 0x1F, 0, 0, 0},
                       kDot[7] = {0, 0, 0, 0, 0, 0x0C, 0x0C}, kColon[7] = {0, 0x0C, 0x0C, 0, 0x0C, 0x0C, 0},
                       kSpace[7] = {};
  const char u = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  if (u >= 'A' && u <= 'Z') return kLetters[u - 'A'];
  if (u >= '0' && u <= '9') return kDigits[u - '0'];
  switch (u) {
    case '_': return kUnderscore;
    case '-': return kDash;
    case '.': return kDot;
    case ':': return kColon;
    default: return kSpace;
  }
}

}  // namespace

void DrawText(TWorkingBitmap& sheet, int x, int y, const std::string& text, TColor color, int scale) {
  const uint32_t px = Pixel(color);
  for (char c : text) {
    const uint8_t* rows = Glyph5x7(c);
    for (int j = 0; j < 7 * scale; ++j) {
      for (int i = 0; i < 5 * scale; ++i) {
        if ((rows[j / scale] >> (4 - i / scale)) & 1) {
          if (Inside(sheet, x + i, y + j)) sheet.Row32(y + j)[x + i] = px;
        }
      }
    }
    x += 6 * scale;
  }
}

int TextWidth(const std::string& text, int scale) { return static_cast<int>(text.size()) * 6 * scale - scale; }

}  // namespace zelvan::skinpreview
