// The skin "Air": a light theme with one accent colour.
//
// Index: palette; the description writer; the master bitmap (strips placed on
// shelves, picture rows above their mask rows); glyph and frame drawing;
// the sections; the files.
#include "tools/skingen/air_skin.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <stdexcept>
#include <utility>

#include "tools/common/png_writer.h"
#include "tools/skingen/jpeg_writer.h"
#include "tools/skingen/raster.h"

namespace zelvan::skingen {

namespace {

// ---- Palette -------------------------------------------------------------

constexpr Rgba kAccent = Hex(0x1F63C6);       // the one accent colour
constexpr Rgba kAccentHot = Hex(0x2E74D8);
constexpr Rgba kAccentDown = Hex(0x1A53A6);
constexpr Rgba kAccentTint = Hex(0xE8F0FC);   // hot plates
constexpr Rgba kAccentTint2 = Hex(0xD3E2F8);  // pressed plates
constexpr Rgba kAccentLine = Hex(0x8FB3E8);
constexpr Rgba kText = Hex(0x1B1F24);
constexpr Rgba kTextSoft = Hex(0x5A626C);
constexpr Rgba kWindow = Hex(0xF3F4F6);
constexpr Rgba kWhite = Hex(0xFFFFFF);
constexpr Rgba kLine = Hex(0xC4C9D1);
constexpr Rgba kLineSoft = Hex(0xDCDFE4);
constexpr Rgba kLineStrong = Hex(0x8C949E);
constexpr Rgba kTrack = Hex(0xF5F6F8);
constexpr Rgba kGlyph = Hex(0x2B3036);
constexpr Rgba kClose = Hex(0xC42B1C);
constexpr Rgba kCloseDown = Hex(0xA32215);
constexpr Rgba kNone{};

std::string Ref(Rgba c) { return std::to_string(c.r | (c.g << 8) | (c.b << 16)); }

// Vertical gradient pieces: (from, to, percent).
std::string Gradient(std::vector<std::tuple<Rgba, Rgba, int>> pieces) {
  std::string s;
  for (const auto& [from, to, percent] : pieces) {
    if (!s.empty()) s += ';';
    s += Ref(from) + ';' + Ref(to) + ';' + std::to_string(percent) + ";0;0";
  }
  return s;
}

// ---- Description ---------------------------------------------------------

class Description {
 public:
  void Section(const std::string& name) { text_ += (text_.empty() ? "[" : "\r\n[") + name + "]\r\n"; }
  void Key(const std::string& key, const std::string& value) { text_ += key + '=' + value + "\r\n"; }
  void Key(const std::string& key, int value) { Key(key, std::to_string(value)); }
  void Comment(const std::string& text) { text_ += "; " + text + "\r\n"; }
  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

// ---- Master bitmap -------------------------------------------------------

struct Strip {
  std::vector<Image> states;  // all of one size
  int maskType = 1;           // 1: a mask row below the pictures; 0: key colour only
  // Pixels covered less than this are the key colour: frames need whole key
  // pixels in their corners, where the painter shows the parent instead.
  int keyBelow = 1;
};

struct Placed {
  int l, t, r, b;
};

class Master {
 public:
  static constexpr int kWidth = 384;
  static constexpr int kGap = 2;

  Placed Place(const Strip& strip) {
    const int sw = strip.states.front().Width(), sh = strip.states.front().Height();
    const int w = sw * static_cast<int>(strip.states.size()), h = sh * (strip.maskType + 1);
    if (w > kWidth) throw std::logic_error("strip wider than the master bitmap");
    if (x_ + w > kWidth) {
      x_ = 0;
      y_ = shelfBottom_ + kGap;
    }
    const Placed at{x_, y_, x_ + w, y_ + h};
    strips_.push_back({strip, at});
    x_ += w + kGap;
    shelfBottom_ = std::max(shelfBottom_, at.b);
    return at;
  }

  // RGBA rows: picture pixels opaque, uncovered ones the key colour with
  // alpha 0, masks gray (255 = see-through) below their pictures.
  std::vector<std::vector<uint8_t>> Rows() const {
    const int height = shelfBottom_;
    std::vector<std::vector<uint8_t>> rows(static_cast<size_t>(height));
    for (auto& row : rows) {
      row.resize(kWidth * 4);
      for (int x = 0; x < kWidth; ++x) SetKey(row, x);
    }
    for (const auto& [strip, at] : strips_) {
      const int sw = strip.states.front().Width(), sh = strip.states.front().Height();
      for (size_t i = 0; i < strip.states.size(); ++i) {
        const Image& img = strip.states[i];
        for (int y = 0; y < sh; ++y) {
          for (int x = 0; x < sw; ++x) {
            const Rgba p = img.At(x, y);
            const int dx = at.l + static_cast<int>(i) * sw + x;
            auto& row = rows[static_cast<size_t>(at.t + y)];
            if (p.a < strip.keyBelow || (strip.maskType == 0 && p.a < 128)) {
              SetKey(row, dx);
            } else {
              Set(row, dx, {p.r, p.g, p.b, 255});
            }
            if (strip.maskType == 1) {
              const uint8_t m = static_cast<uint8_t>(p.a < strip.keyBelow ? 255 : 255 - p.a);
              Set(rows[static_cast<size_t>(at.t + sh + y)], dx, {m, m, m, 255});
            }
          }
        }
      }
    }
    return rows;
  }

 private:
  static void Set(std::vector<uint8_t>& row, int x, Rgba c) {
    const size_t i = static_cast<size_t>(x) * 4;
    row[i] = c.r;
    row[i + 1] = c.g;
    row[i + 2] = c.b;
    row[i + 3] = c.a;
  }
  static void SetKey(std::vector<uint8_t>& row, int x) { Set(row, x, {255, 0, 255, 0}); }

  std::vector<std::pair<Strip, Placed>> strips_;
  int x_ = 0, y_ = 0, shelfBottom_ = 0;
};

std::string Fixed4(int v) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%04d", v);
  return buf;
}

std::string RectColumns(const Placed& p) {
  return Fixed4(p.l) + ',' + Fixed4(p.t) + ',' + Fixed4(p.r) + ',' + Fixed4(p.b);
}

// ---- Drawing -------------------------------------------------------------

using Painter = std::function<void(Image&, int state)>;

Strip States(int count, int w, int h, const Painter& paint, int maskType = 1) {
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

// Caption-button glyphs, centred on (cx, cy) in units, s pixels across.
enum class Caption { Close, Max, Norm, Min, Help };

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
  return EncodeJpeg(rgb, size, size, 92);
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

// ---- The skin ------------------------------------------------------------

class AirBuilder {
 public:
  std::vector<skinpack::TArchiveFile> Build() {
    Global();
    Forms();
    Controls();
    Menus();
    ScrollBars();
    std::vector<skinpack::TArchiveFile> files;
    files.push_back({"Options.dat", {ini_.Text().begin(), ini_.Text().end()}});
    files.push_back({"MASTER.PNG", RgbaPng(master_.Rows(), Master::kWidth)});
    for (auto& f : extra_) files.push_back(std::move(f));
    return files;
  }

 private:
  // "^": a frame in the master bitmap, cut into nine by the margins.
  void Border(const std::string& key, Strip s, int wl, int wt, int wr, int wb, int drawMode) {
    s.keyBelow = 48;
    const Placed p = master_.Place(s);
    ini_.Key(key, "^" + RectColumns(p) + ',' + Fixed4(wl) + ',' + Fixed4(wt) + ',' + Fixed4(wr) + ',' + Fixed4(wb) +
                      ',' + std::to_string(s.states.size()) + ',' + std::to_string(s.maskType) + ',' +
                      std::to_string(drawMode) + ",0");
  }
  // "@": a glyph in the master bitmap.
  void Glyph(const std::string& key, const Strip& s) {
    const Placed p = master_.Place(s);
    ini_.Key(key, "@" + RectColumns(p) + ',' + std::to_string(s.states.size()) + ',' + std::to_string(s.maskType));
  }
  // "~": a texture in the master bitmap, with its texture mode.
  void Texture(const std::string& key, const Image& img, int mode) {
    const Placed p = master_.Place(States(1, img.Width(), img.Height(), [&](Image& i, int) { i = img; }, 0));
    char m[4];
    std::snprintf(m, sizeof m, "%02d", mode);
    ini_.Key(key, "~" + RectColumns(p) + ',' + m + ",0");
  }
  // "# (l,t,r,b) (count,mask,border,mode)": the rectangle form of a frame.
  void RectangleFrame(const std::string& key, const Strip& s, int borderWidth, int drawMode) {
    const Placed p = master_.Place(s);
    ini_.Key(key, "# (" + std::to_string(p.l) + ',' + std::to_string(p.t) + ',' + std::to_string(p.r) + ',' +
                      std::to_string(p.b) + ") (" + std::to_string(s.states.size()) + ',' +
                      std::to_string(s.maskType) + ',' + std::to_string(borderWidth) + ',' +
                      std::to_string(drawMode) + ')');
  }
  void Colors(Rgba color, Rgba font) {
    ini_.Key("COLOR", Ref(color));
    ini_.Key("FONTCOLOR", Ref(font));
  }
  void HotColors(Rgba color, Rgba font) {
    ini_.Key("HOTCOLOR", Ref(color));
    ini_.Key("HOTFONTCOLOR", Ref(font));
  }
  void Transparent(bool normal, bool hot) {
    ini_.Key("TRANSPARENCY", normal ? 100 : 0);
    ini_.Key("HOTTRANSPARENCY", hot ? 100 : 0);
  }
  void Fading(int steps) {
    ini_.Key("FADINGENABLED", 1);
    ini_.Key("FADINGITERATIONS", steps);
  }

  void Global();
  void Forms();
  void Controls();
  void Menus();
  void ScrollBars();

  Description ini_;
  Master master_;
  std::vector<skinpack::TArchiveFile> extra_;
};

void AirBuilder::Global() {
  ini_.Comment("Air: a light skin with one accent colour, drawn by tools/skingen.");
  ini_.Section("GLOBALINFO");
  ini_.Key("VERSION", "8.0");
  ini_.Key("AUTHOR", "Zelvan");
  ini_.Key("DESCRIPTION", "Air: light, one accent colour, soft corners");
  ini_.Key("MASTERBITMAP", "MASTER.PNG");
  ini_.Key("COLOR", Ref(kWindow));
  ini_.Key("FONTCOLOR", Ref(kText));
  ini_.Key("HOTCOLOR", Ref(kWhite));
  ini_.Key("SHADOW1COLOR", Ref(Hex(0x000000)));
  ini_.Key("SHADOW1OFFSET", 0);
  ini_.Key("SHADOW1BLUR", 6);
  ini_.Key("SHADOW1TRANSPARENCY", 80);
  ini_.Key("BORDERWIDTH", 4);
  ini_.Key("TITLEHEIGHT", 30);
  ini_.Key("MAXHEIGHT", 26);
  ini_.Key("FORMOFFSET", 4);
  ini_.Key("BORDERCOLOR", Ref(kAccent));
  ini_.Key("BISPACE", 0);
  ini_.Key("BIVALIGN", 0);
  ini_.Key("BIRIGHT", 1);
  ini_.Key("BILEFT", 2);
  ini_.Key("BITOP", 0);
  ini_.Key("BIKEEPHUE", 2);  // the red close button stays red under a hue change
  ini_.Key("BICONCLOSEGLOW", 4);
  ini_.Key("BICONCLOSEGLOWMARGIN", 0);
  ini_.Key("BICONMAXGLOW", 0);
  ini_.Key("BICONMAXGLOWMARGIN", 0);
  ini_.Key("BICONMINGLOW", 0);
  ini_.Key("BICONMINGLOWMARGIN", 0);

  Glyph("BOXCHECKED", CheckBox(16, 1));
  Glyph("BOXUNCHECKED", CheckBox(16, 0));
  Glyph("BOXGRAYED", CheckBox(16, 2));
  Glyph("RADIOCHECKED", Radio(16, 1));
  Glyph("RADIOUNCHECKED", Radio(16, 0));
  Glyph("RADIOGRAYED", Radio(16, 2));
  Glyph("SMALLCHECKED", CheckBox(13, 1));
  Glyph("SMALLUNCHECKED", CheckBox(13, 0));
  Glyph("SMALLGRAYED", CheckBox(13, 2));
  // A bare check mark for menu items, dark at rest and accent when selected.
  Glyph("CHECK", States(2, 13, 13, [](Image& img, int state) {
          const int u = Px(13) / 16;
          Fill(img, Polyline({{3 * u, 8 * u}, {6 * u + 4, 11 * u + 4}, {13 * u, 4 * u}}, 26),
               Solid(state ? kAccent : kText));
        }));

  const std::pair<const char*, Caption> big[] = {{"BICONCLOSE", Caption::Close}, {"BICLOSEALONE", Caption::Close},
                                                 {"BICONMAX", Caption::Max},     {"BICONNORM", Caption::Norm},
                                                 {"BICONMIN", Caption::Min},     {"BICONHELP", Caption::Help}};
  for (const auto& [key, kind] : big) Glyph(key, CaptionButton(kind, 30, 20, 10));
  const std::pair<const char*, Caption> small[] = {{"SICONCLOSE", Caption::Close}, {"SICONMAX", Caption::Max},
                                                   {"SICONNORM", Caption::Norm},   {"SICONMIN", Caption::Min},
                                                   {"SICONHELP", Caption::Help}};
  for (const auto& [key, kind] : small) Glyph(key, CaptionButton(kind, 22, 16, 8));
  Glyph("TITLEBUTTON", States(3, 24, 20, [](Image& img, int state) {
          if (state) Fill(img, RoundRect(Px(1), Px(1), Px(23), Px(19), Px(3)),
                          Solid(state == 1 ? Hex(0xE1E5EA) : Hex(0xCDD2D9)));
        }));
  // The glow is pushed to a layered window: a PNG with alpha of its own,
  // cut in nine around the button so the halo keeps its width.
  extra_.push_back({"CLOSEGLOW.PNG", ImagePng(CloseGlow(CaptionButton(Caption::Close, 30, 20, 10).states[1], 4))});
  ini_.Key("BICONCLOSEGLOW0", "!CLOSEGLOW.PNG!1!0!3!4!4!4!4!1");

  auto dots = [](int w, int h) {
    return States(1, w, h, [](Image& img, int) {
      for (int y = 1; y + 2 <= img.Height(); y += 4) {
        for (int x = 1; x + 2 <= img.Width(); x += 4) {
          if (img.Width() == img.Height() && x + y < img.Width() - 2) continue;  // a triangle of dots
          Fill(img, Disk(Px(x) + 16, Px(y) + 16, 15), Solid(kLineStrong));
        }
      }
    });
  };
  Glyph("GRIPIMAGE", dots(13, 13));
  Glyph("GRIPHORZ", dots(13, 5));
  Glyph("GRIPVERT", dots(5, 13));
}

void AirBuilder::Forms() {
  // Inactive frames are gray, active ones accent: state 0 inactive, 1 active.
  const Rgba frame[] = {Hex(0xAEB4BD), kAccent};
  ini_.Section("FORM");
  ini_.Key("STATES", 2);
  Colors(kWindow, kText);
  HotColors(kWindow, kText);
  ini_.Key("PATTERN", "PAPER.JPG");
  ini_.Key("IMAGEPERCENT", 100);
  ini_.Key("HOTIMAGEPERCENT", 100);
  extra_.push_back({"PAPER.JPG", Paper(64)});
  Border("BORDERSMASK", States(2, 16, 16, [&](Image& img, int s) { PlateAll(img, Px(5), frame[s], kNone); }), 6, 6,
         6, 6, 1);

  ini_.Section("FORMTITLE");
  ini_.Key("STATES", 2);
  ini_.Key("GRADIENTDATA", Gradient({{Hex(0xF9FAFB), kWindow, 100}}));
  ini_.Key("GRADIENTPERCENT", 100);
  ini_.Key("HOTGRADIENTDATA", Gradient({{kWhite, Hex(0xF7F8FA), 100}}));
  ini_.Key("HOTGRADIENTPERCENT", 100);
  Colors(kWindow, Hex(0x646B75));
  HotColors(kWhite, kText);
  // Rounded top corners and side lines that meet the form's frame, a hairline below.
  Border("BORDERSMASK", States(2, 16, 16, [&](Image& img, int s) {
           Fill(img, Minus(RoundRing(0, 0, Px(16), Px(24), Px(5), Px(1)), RoundRect(0, Px(16), Px(16), Px(24), 0)),
                Solid(frame[s]));
           Fill(img, RoundRect(Px(1), Px(15), Px(15), Px(16), 0), Solid(kLineSoft));
         }),
         6, 6, 6, 1, 1);

  ini_.Section("DIALOG");
  ini_.Key("PARENTCLASS", "FORM");
  ini_.Section("DIALOGTITLE");
  ini_.Key("PARENTCLASS", "FORMTITLE");

  // The plate under the caption text: none, the band shows through.
  ini_.Section("CAPTION");
  ini_.Key("STATES", 2);
  Transparent(true, true);
  Colors(kWindow, Hex(0x646B75));
  HotColors(kWhite, kText);
}

void AirBuilder::Controls() {
  // Push buttons: normal, hot, pressed, default.
  // The frame carries the fill; around its rounded corners the parent shows.
  ini_.Section("BUTTON");
  ini_.Key("STATES", 3);
  Transparent(true, true);
  Colors(kWhite, kText);
  HotColors(kAccentTint, kText);
  ini_.Key("SHOWFOCUS", 1);
  Fading(5);
  Border("BORDERSMASK", States(4, 16, 16, [](Image& img, int s) {
           const Rgba border[] = {kLine, Hex(0x6C9BE0), kAccent, kAccent};
           const Rgba fill[] = {kWhite, kAccentTint, kAccentTint2, kWhite};
           PlateAll(img, Px(3), border[s], fill[s]);
           if (s == 3) Fill(img, RoundRing(Px(1), Px(1), Px(15), Px(15), Px(2), Px(1)), Solid(Hex(0xBCD3F3)));
         }),
         4, 4, 4, 4, 5);

  ini_.Section("EDIT");
  ini_.Key("STATES", 2);
  Colors(kWhite, kText);
  HotColors(kWhite, kText);
  Border("BORDERSMASK", States(2, 16, 16, [](Image& img, int s) { PlateAll(img, Px(3), s ? kAccent : kLine, kNone); }),
         4, 4, 4, 4, 1);

  ini_.Section("COMBOBOX");
  ini_.Key("PARENTCLASS", "EDIT");
  Glyph("GLYPHMASK", States(3, 12, 12, [](Image& img, int s) { Chevron(img, 1, 8, s ? kAccent : kTextSoft); }));

  // The button inside a combo box and the spin arrows: a plate only when used.
  ini_.Section("COMBOBTN");
  Colors(kWhite, kText);
  HotColors(kAccentTint, kText);
  Fading(4);
  Border("BORDERSMASK", States(3, 12, 12, [](Image& img, int s) {
           if (s) Fill(img, RoundRect(Px(1), Px(1), Px(11), Px(11), Px(2)), Solid(s == 1 ? kAccentTint : kAccentTint2));
         }),
         4, 4, 4, 4, 7);
  ini_.Section("UPDOWNBTN");
  ini_.Key("PARENTCLASS", "COMBOBTN");

  ini_.Section("CHECKBOX");
  Transparent(true, true);
  Colors(kWindow, kText);
  HotColors(kWindow, kText);
  ini_.Key("SHOWFOCUS", 1);

  ini_.Section("GROUPBOX");
  ini_.Key("STATES", 1);
  Transparent(true, true);
  Colors(kWindow, kText);
  Border("BORDERSMASK", States(1, 16, 16, [](Image& img, int) { PlateAll(img, Px(4), kLineSoft, kNone); }), 5, 5, 5,
         5, 1);

  ini_.Section("PANEL");
  ini_.Key("STATES", 1);
  Colors(kWindow, kText);
  ini_.Section("PANEL_LOW");
  ini_.Key("STATES", 1);
  Colors(kWhite, kText);
  Border("BORDERSMASK", States(1, 8, 8, [](Image& img, int) { PlateAll(img, 0, kLine, kNone); }), 2, 2, 2, 2, 1);

  // Bars: a soft band with a hairline under it, given in the rectangle form.
  ini_.Section("BAR");
  ini_.Key("STATES", 1);
  Colors(kWindow, kText);
  ini_.Key("GRADIENTDATA", Gradient({{kWhite, Hex(0xEEF0F3), 100}}));
  ini_.Key("GRADIENTPERCENT", 100);
  RectangleFrame("BORDERSMASK", States(1, 4, 4, [](Image& img, int) {
                   Fill(img, RoundRect(0, Px(3), Px(4), Px(4), 0), Solid(kLineSoft));
                 }),
                 1, 1);
  ini_.Section("TOOLBAR");
  ini_.Key("PARENTCLASS", "BAR");
  ini_.Section("STATUSBAR");
  ini_.Key("STATES", 1);
  Colors(Hex(0xEEF0F3), kText);

  ini_.Section("TOOLBUTTON");
  Transparent(true, true);
  Colors(kWindow, kText);
  HotColors(kAccentTint, kText);
  Fading(4);
  Border("BORDERSMASK", States(3, 16, 16, [](Image& img, int s) {
           if (s) PlateAll(img, Px(3), s == 1 ? Hex(0xB9D0F2) : kAccentLine, s == 1 ? kAccentTint : kAccentTint2);
         }),
         4, 4, 4, 4, 7);
  ini_.Section("SPEEDBUTTON");
  ini_.Key("PARENTCLASS", "TOOLBUTTON");
  ini_.Section("SPEEDBUTTON_SMALL");
  ini_.Key("PARENTCLASS", "TOOLBUTTON");
  // Buttons of tool bars in wrapped standard windows look like ours.
  ini_.Section("TB_BTN");
  ini_.Key("PARENTCLASS", "TOOLBUTTON");
  ini_.Section("TB_MENUBTN");
  ini_.Key("PARENTCLASS", "TOOLBUTTON");
  ini_.Section("WEBBUTTON");
  Transparent(true, true);
  Colors(kWindow, kAccent);
  HotColors(kWindow, kAccentDown);

  // List view headers: a light band, a separator on the right, the accent under a pressed one.
  ini_.Section("COLHEADER");
  Colors(kWhite, kText);
  HotColors(kAccentTint, kText);
  ini_.Key("GRADIENTDATA", Gradient({{kWhite, Hex(0xF3F4F6), 100}}));
  ini_.Key("GRADIENTPERCENT", 100);
  ini_.Key("HOTGRADIENTDATA", Gradient({{Hex(0xF5F8FD), Hex(0xE6EEFA), 100}}));
  ini_.Key("HOTGRADIENTPERCENT", 100);
  Border("BORDERSMASK", States(3, 12, 12, [](Image& img, int s) {
           Fill(img, RoundRect(Px(11), Px(3), Px(12), Px(9), 0), Solid(kLineSoft));
           const Rgba under[] = {kLineSoft, kAccentLine, kAccent};
           Fill(img, RoundRect(0, Px(s == 2 ? 10 : 11), Px(12), Px(12), 0), Solid(under[s]));
         }),
         1, 3, 1, 3, 1);

  // Selected items: gray while the control has no focus, accent with white text when it has.
  ini_.Section("SELECTION");
  ini_.Key("STATES", 2);
  Colors(Hex(0xDCE2EA), kText);
  HotColors(kAccent, kWhite);
  ini_.Key("HOTGRADIENTDATA", Gradient({{Hex(0x2A6CCD), kAccent, 100}}));
  ini_.Key("HOTGRADIENTPERCENT", 100);
}

void AirBuilder::Menus() {
  ini_.Section("MAINMENU");
  ini_.Key("STATES", 1);
  Colors(kWhite, kText);
  Border("BORDERSMASK", States(1, 8, 8, [](Image& img, int) { PlateAll(img, 0, Hex(0xB8BEC7), kWhite); }), 3, 3, 3,
         3, 1);

  // The selected item is a rounded plate; the popup shows around it.
  ini_.Section("MENUITEM");
  Transparent(true, true);
  Colors(kWhite, kText);
  HotColors(kAccentTint, kText);
  Border("BORDERSMASK", States(3, 12, 12, [](Image& img, int s) {
           if (s) PlateAll(img, Px(3), kNone, s == 1 ? Hex(0xE3EDFB) : kAccentTint2);
         }),
         4, 4, 4, 4, 7);

  ini_.Section("MENULINE");
  ini_.Key("STATES", 1);
  Colors(kWindow, kText);

  ini_.Section("ICOLINE");
  ini_.Key("STATES", 1);
  Colors(Hex(0xF6F7F9), kText);

  ini_.Section("EXTRALINE");
  ini_.Key("STATES", 1);
  Colors(kAccent, kWhite);
  ini_.Key("GRADIENTDATA", Gradient({{kAccentHot, kAccentDown, 100}}));
  ini_.Key("GRADIENTPERCENT", 100);

  ini_.Section("MENUCAPTION");
  ini_.Key("STATES", 1);
  Colors(Hex(0xEEF1F5), Hex(0x4A525C));

  // Menu separators (a hairline) and speed-button dividers (an etched pair).
  ini_.Section("DIVIDERV");
  ini_.Key("STATES", 1);
  Border("BORDERSMASK", States(1, 6, 3, [](Image& img, int) {
           Fill(img, RoundRect(0, Px(1), Px(6), Px(2), 0), Solid(kLineSoft));
         }),
         1, 1, 1, 1, 5);
  ini_.Section("DIVIDER");
  ini_.Key("STATES", 1);
  Border("BORDERSMASK", States(1, 2, 6, [](Image& img, int) {
           Fill(img, RoundRect(0, 0, Px(1), Px(6), 0), Solid(kLine));
           Fill(img, RoundRect(Px(1), 0, Px(2), Px(6), 0), Solid(kWhite));
         }),
         1, 1, 1, 1, 5);
}

void AirBuilder::ScrollBars() {
  // Tracks: a shallow groove, darker at its edges, a shade deeper while hot.
  auto rail = [](bool vertical, Rgba edge) {
    const int across = 17;
    Image img(vertical ? across : 1, vertical ? 1 : across);
    for (int i = 0; i < across; ++i) {
      const int fromEdge = std::min(i, across - 1 - i);
      const Rgba c = Mix(edge, kTrack, std::min(fromEdge, 2), 2);
      img.At(vertical ? i : 0, vertical ? 0 : i) = c;
    }
    return img;
  };
  for (const char* name : {"SCROLLBAR1H", "SCROLLBAR1V"}) {
    const bool v = name[10] == 'V';
    ini_.Section(name);
    ini_.Key("STATES", 2);
    Colors(kTrack, kText);
    HotColors(kTrack, kText);
    ini_.Key("IMAGEPERCENT", 100);
    ini_.Key("HOTIMAGEPERCENT", 100);
    Texture("PATTERN", rail(v, Hex(0xECEEF1)), 0);
    Texture("HOTPATTERN", rail(v, Hex(0xE2E5E9)), 0);
  }
  ini_.Section("SCROLLBAR2H");
  ini_.Key("PARENTCLASS", "SCROLLBAR1H");
  ini_.Section("SCROLLBAR2V");
  ini_.Key("PARENTCLASS", "SCROLLBAR1V");

  const std::pair<const char*, int> buttons[] = {
      {"SCROLLBTNTOP", 0}, {"SCROLLBTNBOTTOM", 1}, {"SCROLLBTNLEFT", 2}, {"SCROLLBTNRIGHT", 3}};
  for (const auto& [name, dir] : buttons) {
    ini_.Section(name);
    if (dir == 0) {
      Colors(kTrack, kText);
      HotColors(kTrack, kText);
      Fading(3);
      Border("BORDERSMASK", States(3, 12, 12, [](Image& img, int s) {
               if (s) Fill(img, RoundRect(Px(1), Px(1), Px(11), Px(11), Px(2)), Solid(s == 1 ? Hex(0xE3E6EA) : Hex(0xD3D7DD)));
             }),
             4, 4, 4, 4, 7);
    } else {
      ini_.Key("PARENTCLASS", "SCROLLBTNTOP");
    }
    const int d = dir;
    Glyph("GLYPHMASK", States(3, 9, 9, [d](Image& img, int s) {
            const Rgba ink[] = {Hex(0x8C949E), Hex(0x4F5761), kAccent};
            Chevron(img, d, 6, ink[s]);
          }));
  }

  for (const char* name : {"SCROLLSLIDERH", "SCROLLSLIDERV"}) {
    const bool v = name[12] == 'V';
    ini_.Section(name);
    Transparent(true, true);
    Colors(kTrack, kText);
    HotColors(kTrack, kText);
    Fading(3);
    Border("BORDERSMASK", Thumb(v), v ? 8 : 6, v ? 6 : 8, v ? 8 : 6, v ? 6 : 8, 5);
  }
}

}  // namespace

std::vector<skinpack::TArchiveFile> GenerateAir() { return AirBuilder().Build(); }

}  // namespace zelvan::skingen
