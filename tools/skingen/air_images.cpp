#include "tools/skingen/air_images.h"

#include <algorithm>
#include <utility>

#include "tools/common/png_writer.h"
#include "tools/common/jpeg_writer.h"

namespace zelvan::skingen::air {

Strip States(int count, int w, int h, const Painter& paint, int maskType) {
  Strip s;
  s.maskType = maskType;
  for (int i = 0; i < count; ++i) {
    Image img(w, h);
    paint(img, i);
    s.states.push_back(std::move(img));
  }
  return s;
}

// A rounded rectangle with a 1-pixel border, filled when fill has alpha.
void Plate(Image& img, int l, int t, int r, int b, int radius, Rgba border, Rgba fill) {
  if (fill.a) Fill(img, RoundRect(Px(l), Px(t), Px(r), Px(b), radius), Solid(fill));
  if (border.a) Fill(img, RoundRing(Px(l), Px(t), Px(r), Px(b), radius, Px(1)), Solid(border));
}

void PlateAll(Image& img, int radius, Rgba border, Rgba fill) {
  Plate(img, 0, 0, img.Width(), img.Height(), radius, border, fill);
}

namespace {

// Caption-button glyphs, centred on (cx, cy) in units, s pixels across.
void CaptionGlyph(Image& img, Caption kind, int cx, int cy, int s, Rgba c) {
  const int h = Px(s) / 2;
  switch (kind) {
    case Caption::Close:
      Fill(img, Polyline({{cx - h + 6, cy - h + 6}, {cx + h - 6, cy + h - 6}}, 20), Solid(c));
      Fill(img, Polyline({{cx - h + 6, cy + h - 6}, {cx + h - 6, cy - h + 6}}, 20), Solid(c));
      break;
    case Caption::Max:
      Fill(img, RoundRing(cx - h, cy - h, cx + h, cy + h, 12, Px(1)), Solid(c));
      break;
    case Caption::Norm: {
      const int o = Px(2);
      const Shape front = RoundRect(cx - h, cy - h + o, cx + h - o, cy + h, 10);
      Fill(img, Minus(RoundRing(cx - h + o, cy - h, cx + h, cy + h - o, 10, Px(1)), front), Solid(c));
      Fill(img, RoundRing(cx - h, cy - h + o, cx + h - o, cy + h, 10, Px(1)), Solid(c));
      break;
    }
    case Caption::Min:
      Fill(img, RoundRect(cx - h, cy, cx + h, cy + Px(1), 0), Solid(c));
      break;
    case Caption::Help: {
      const int u = Px(s) / 10;  // a tenth of the glyph
      Fill(img,
           Polyline({{cx - 3 * u, cy - 2 * u},
                     {cx - 2 * u, cy - 4 * u},
                     {cx, cy - 5 * u},
                     {cx + 2 * u, cy - 4 * u},
                     {cx + 3 * u, cy - 2 * u},
                     {cx + 2 * u, cy},
                     {cx, cy + u},
                     {cx, cy + 2 * u + 4}},
                    20),
           Solid(c));
      Fill(img, Disk(cx, cy + 4 * u + 4, 13), Solid(c));
      break;
    }
  }
}

}  // namespace

Strip CaptionButton(Caption kind, int w, int h, int glyph) {
  return States(3, w, h, [=](Image& img, int state) {
    const bool close = kind == Caption::Close;
    const Rgba plate = state == 0 ? kNone : close ? (state == 1 ? kClose : kCloseDown)
                                               : (state == 1 ? Hex(0xE1E5EA) : Hex(0xCDD2D9));
    if (plate.a) Fill(img, RoundRect(0, 0, Px(w), Px(h), 0), Solid(plate));
    const Rgba ink = close && state > 0 ? kWhite : kGlyph;
    CaptionGlyph(img, kind, Px(w) / 2, Px(h) / 2, glyph, ink);
  });
}

// Check boxes: 0 unchecked, 1 checked, 2 grayed; states normal, hot, pressed.
Strip CheckBox(int size, int look) {
  return States(3, size, size, [=](Image& img, int state) {
    const int radius = size > 14 ? Px(3) : 40;
    const int e = size - 1;  // box from pixel 1 to size - 1 (1 px of air on each side but the bottom right)
    const Rgba border[] = {kLineStrong, kAccent, kAccentDown};
    const Rgba fill[] = {kWhite, Hex(0xF0F5FD), kAccentTint2};
    const Rgba on[] = {kAccent, kAccentHot, kAccentDown};
    if (look == 1) {
      Plate(img, 1, 1, e, e, radius, on[state], on[state]);
      const int u = Px(size) / 16;  // one sixteenth of the box
      Fill(img, Polyline({{4 * u + 8, 8 * u + 3}, {7 * u, 11 * u - 5}, {12 * u - 4, 5 * u + 6}}, Px(size) / 9),
           Solid(kWhite));
    } else {
      Plate(img, 1, 1, e, e, radius, border[state], fill[state]);
      if (look == 2) {
        const int q = size / 4 + 1;
        Fill(img, RoundRect(Px(q), Px(q), Px(size - q), Px(size - q), 16), Solid(on[state]));
      }
    }
  });
}

Strip Radio(int size, int look) {
  return States(3, size, size, [=](Image& img, int state) {
    const int c = Px(size) / 2, r = Px(size) / 2 - Px(1);
    const Rgba border[] = {kLineStrong, kAccent, kAccentDown};
    const Rgba fill[] = {kWhite, Hex(0xF0F5FD), kAccentTint2};
    const Rgba on[] = {kAccent, kAccentHot, kAccentDown};
    if (look == 1) {
      Fill(img, Disk(c, c, r), Solid(on[state]));
      Fill(img, Disk(c, c, Px(size) / 6), Solid(kWhite));
    } else {
      Fill(img, Disk(c, c, r), Solid(fill[state]));
      Fill(img, Ring(c, c, r, Px(1)), Solid(border[state]));
      if (look == 2) Fill(img, Disk(c, c, Px(size) / 6), Solid(on[state]));
    }
  });
}

// A chevron pointing up (0), down (1), left (2) or right (3).
void Chevron(Image& img, int dir, int span, Rgba c) {
  const int cx = Px(img.Width()) / 2, cy = Px(img.Height()) / 2;
  const int a = Px(span) / 2, b = Px(span) / 4;
  std::vector<std::pair<int, int>> pts;
  switch (dir) {
    case 0: pts = {{cx - a, cy + b}, {cx, cy - b}, {cx + a, cy + b}}; break;
    case 1: pts = {{cx - a, cy - b}, {cx, cy + b}, {cx + a, cy - b}}; break;
    case 2: pts = {{cx + b, cy - a}, {cx - b, cy}, {cx + b, cy + a}}; break;
    default: pts = {{cx - b, cy - a}, {cx + b, cy}, {cx - b, cy + a}}; break;
  }
  Fill(img, Polyline(pts, 22), Solid(c));
}

// A scroll-bar thumb: a pill along the bar, slim at rest and wider when used.
Strip Thumb(bool vertical) {
  const int across = 17, along = 16;
  return States(3, vertical ? across : along, vertical ? along : across, [=](Image& img, int state) {
    const int half = state == 0 ? 40 : 56;  // 5 and 7 pixels thick
    const Rgba c = state == 0 ? Hex(0xBFC5CD) : state == 1 ? Hex(0x9AA2AD) : Hex(0x7C8591);
    const int mid = Px(across) / 2, end = Px(2);
    if (vertical) {
      Fill(img, RoundRect(mid - half, end, mid + half, Px(along) - end, half), Solid(c));
    } else {
      Fill(img, RoundRect(end, mid - half, Px(along) - end, mid + half, half), Solid(c));
    }
  });
}

// The hot close button with a soft halo around it, for the glow window that
// the engine lays over the button: stacked translucent plates, then the button.
Image CloseGlow(const Image& hotButton, int margin) {
  const int w = hotButton.Width(), h = hotButton.Height();
  Image img(w + 2 * margin, h + 2 * margin);
  for (int k = margin; k >= 1; --k) {
    Fill(img, RoundRect(Px(margin - k), Px(margin - k), Px(margin + w + k), Px(margin + h + k), Px(1 + k)),
         Solid(Hex(0xE0402F, 40)));
  }
  img.Paste(hotButton, margin, margin);
  return img;
}

// A flat, faintly grained paper for form backgrounds (a JPEG texture).
std::vector<uint8_t> Paper(int size) {
  std::vector<uint8_t> rgb(static_cast<size_t>(size * size * 3));
  uint32_t seed = 0x41697221;  // fixed: the same grain every run
  for (size_t i = 0; i < rgb.size(); i += 3) {
    seed = seed * 1664525u + 1013904223u;
    const int n = static_cast<int>((seed >> 24) % 3) - 1;  // -1, 0 or 1
    rgb[i] = static_cast<uint8_t>(kWindow.r + n);
    rgb[i + 1] = static_cast<uint8_t>(kWindow.g + n);
    rgb[i + 2] = static_cast<uint8_t>(kWindow.b + n);
  }
  return jpeg::EncodeJpeg(rgb, size, size, 92);
}

std::vector<uint8_t> RgbaPng(const std::vector<std::vector<uint8_t>>& rows, int width) {
  png::PngRecipe recipe;
  recipe.width = static_cast<uint32_t>(width);
  recipe.height = static_cast<uint32_t>(rows.size());
  recipe.colorType = 6;
  recipe.rows = rows;
  recipe.filters = {1};
  return png::WritePng(recipe);
}

std::vector<uint8_t> ImagePng(const Image& img) {
  std::vector<std::vector<uint8_t>> rows(static_cast<size_t>(img.Height()));
  for (int y = 0; y < img.Height(); ++y) {
    for (int x = 0; x < img.Width(); ++x) {
      const Rgba p = img.At(x, y);
      rows[static_cast<size_t>(y)].insert(rows[static_cast<size_t>(y)].end(), {p.r, p.g, p.b, p.a});
    }
  }
  return RgbaPng(rows, img.Width());
}

}  // namespace zelvan::skingen::air
