#include "tools/skinpreview/item_paint.h"

#include <algorithm>
#include <cctype>

#include "core/paint/color.h"
#include "core/paint/gradient_paint.h"

namespace zelvan::skinpreview {

namespace {

using paint::kKeyPixel;
using paint::SwapRedBlue;

uint32_t Pixel(TColor c) { return 0xFF000000u | SwapRedBlue(c & 0xFFFFFF); }

bool Inside(const TWorkingBitmap& b, int x, int y) { return x >= 0 && y >= 0 && x < b.Width() && y < b.Height(); }

// Per channel: D := ((D - S) * M + S * 256) >> 8, M being the mask's channel.
uint32_t MaskBlend(uint32_t d, uint32_t s, uint32_t m) {
  uint32_t out = 0xFF000000u;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int dc = static_cast<int>((d >> shift) & 255), sc = static_cast<int>((s >> shift) & 255),
              mc = static_cast<int>((m >> shift) & 255);
    out |= static_cast<uint32_t>(((dc - sc) * mc + sc * 256) >> 8) << shift;
  }
  return out;
}

uint32_t Mix(uint32_t a, uint32_t b, int percentA) {
  uint32_t out = 0xFF000000u;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int ac = static_cast<int>((a >> shift) & 255), bc = static_cast<int>((b >> shift) & 255);
    out |= static_cast<uint32_t>((ac * percentA + bc * (100 - percentA) + 50) / 100) << shift;
  }
  return out;
}

// Which source column (or row) of a state image of size s with margins lo
// and hi serves the destination position p of a span n.
int NineSliceSource(int p, int n, int s, int lo, int hi, bool stretch, bool* centre) {
  if (n < lo + hi) {  // margins shrink, the far one taking the odd pixel
    const int e = lo + hi - n;
    lo = std::max(0, lo - e / 2);
    hi = std::max(0, hi - e / 2 - (e & 1));
  }
  *centre = false;
  if (p < lo) return p;
  if (p >= n - hi) return s - (n - p);
  *centre = true;
  const int cs = s - lo - hi, cn = n - lo - hi;
  if (cs <= 0) return -1;
  return lo + (stretch ? (p - lo) * cs / std::max(1, cn) : (p - lo) % cs);
}

}  // namespace

const TWorkingBitmap* ItemPainter::Source(const store::TsMaskData& m) const {
  return m.Bmp ? m.Bmp.get() : skin_.MasterBitmap.get();
}

int ItemPainter::StateWidth(int part) const {
  if (!skin_.IsValidImgIndex(part)) return 0;
  const auto& m = skin_.ma[static_cast<size_t>(part)];
  return m.R.Width() / std::max<int>(1, m.ImageCount);
}

int ItemPainter::StateHeight(int part) const {
  if (!skin_.IsValidImgIndex(part)) return 0;
  const auto& m = skin_.ma[static_cast<size_t>(part)];
  return m.R.Height() / (std::max<int>(0, m.MaskType) + 1);
}

// One source pixel onto the sheet: key pixels leave the sheet as it is (the
// parent shows), masked pictures blend by their mask, others are copied.
void ItemPainter::Blit(TWorkingBitmap& sheet, int dx, int dy, const store::TsMaskData& m, const TWorkingBitmap& src,
                       int sx, int sy, int h) const {
  if (!Inside(sheet, dx, dy) || !Inside(src, sx, sy)) return;
  const uint32_t s = src.Row32(sy)[sx];
  if (s == kKeyPixel) return;
  uint32_t& d = sheet.Row32(dy)[dx];
  if (m.MaskType > 0 && Inside(src, sx, sy + h)) {
    d = MaskBlend(d, s, src.Row32(sy + h)[sx]);
  } else {
    d = s | 0xFF000000u;
  }
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
  if (!skin_.IsValidImgIndex(part) || rect.Width() < 2 || rect.Height() < 2) return;
  const auto& m = skin_.ma[static_cast<size_t>(part)];
  if (state == 0 && (m.DrawMode & 2)) return;
  const TWorkingBitmap* src = Source(m);
  const int w = StateWidth(part), h = StateHeight(part);
  if (!src || w <= 0 || h <= 0) return;
  const int sx0 = m.R.Left + std::min(state, std::max<int>(1, m.ImageCount) - 1) * w;
  const bool stretch = m.DrawMode & 1, centre = m.DrawMode & 4;
  for (int y = 0; y < rect.Height(); ++y) {
    bool midY = false;
    const int sy = NineSliceSource(y, rect.Height(), h, skin_.MaskWidthTop(part), skin_.MaskWidthBottom(part), stretch,
                                   &midY);
    if (sy < 0) continue;
    for (int x = 0; x < rect.Width(); ++x) {
      bool midX = false;
      const int sx = NineSliceSource(x, rect.Width(), w, skin_.MaskWidthLeft(part), skin_.MaskWidthRight(part),
                                     stretch, &midX);
      if (sx < 0 || (midX && midY && !centre)) continue;
      Blit(sheet, rect.Left + x, rect.Top + y, m, *src, sx0 + sx, m.R.Top + sy, h);
    }
  }
}

void ItemPainter::Glyph(TWorkingBitmap& sheet, int x, int y, int part, int state) const {
  if (!skin_.IsValidImgIndex(part)) return;
  const auto& m = skin_.ma[static_cast<size_t>(part)];
  const TWorkingBitmap* src = Source(m);
  const int w = StateWidth(part), h = StateHeight(part);
  if (!src || w <= 0 || h <= 0) return;
  const int sx0 = m.R.Left + std::min(state, std::max<int>(1, m.ImageCount) - 1) * w;
  for (int j = 0; j < h; ++j) {
    for (int i = 0; i < w; ++i) Blit(sheet, x + i, y + j, m, *src, sx0 + i, m.R.Top + j, h);
  }
}

void ItemPainter::Tile(TWorkingBitmap& sheet, const TRect& rect, int part) const {
  if (!skin_.IsValidImgIndex(part)) return;
  const auto& m = skin_.ma[static_cast<size_t>(part)];
  const TWorkingBitmap* src = Source(m);
  const int w = m.ImgType == store::itisaTexture ? m.R.Width() : StateWidth(part);
  const int h = m.ImgType == store::itisaTexture ? m.R.Height() : StateHeight(part);
  if (!src || w <= 0 || h <= 0) return;
  for (int y = rect.Top; y < rect.Bottom; ++y) {
    for (int x = rect.Left; x < rect.Right; ++x) {
      Blit(sheet, x, y, m, *src, m.R.Left + (x - rect.Left) % w, m.R.Top + (y - rect.Top) % h, h);
    }
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
