#include "tools/skingen/edit_glyphs.h"

#include <functional>

#include "tools/skingen/air_images.h"
#include "tools/skingen/raster.h"

namespace zelvan::skingen {

namespace {

constexpr int kSide = 16;

// Colours of one state: outline, body and accent; hot is lighter, pressed
// darker and a pixel lower, as if pushed in.
struct Ink {
  Rgba line, body, accent;
  int drop;
};

const Ink kInks[3] = {
    {Hex(0x4A5566), Hex(0xF4F6F9), Hex(0x3C78D8), 0},
    {Hex(0x2F5FA8), Hex(0xFFFFFF), Hex(0x2F8CF0), 0},
    {Hex(0x26344A), Hex(0xDCE3EC), Hex(0x1F5AB4), Px(1)},
};

using Picture = std::function<void(Image&, const Ink&, int dy, int state)>;

void File(Image& img, const Ink& k, int dy, int) {
  // The page with its top-right corner folded down along u - v = 8 pixels.
  const Shape sheet = RoundRect(Px(3), Px(1) + dy, Px(13), Px(15) + dy, 6);
  const Shape page = [sheet, dy](int64_t u, int64_t v) { return sheet(u, v) && u - (v - dy) <= Px(9) + Px(1) / 2; };
  Fill(img, page, Solid(k.body));
  Fill(img, Polyline({{Mid(3), Mid(1) + dy}, {Mid(9), Mid(1) + dy}, {Mid(12), Mid(4) + dy},
                      {Mid(12), Mid(14) + dy}, {Mid(3), Mid(14) + dy}, {Mid(3), Mid(1) + dy}},
                     Px(1)),
       Solid(k.line));
  Fill(img, Polyline({{Mid(9), Mid(1) + dy}, {Mid(9), Mid(4) + dy}, {Mid(12), Mid(4) + dy}}, Px(1)), Solid(k.line));
  for (int row : {7, 9, 11}) Fill(img, Polyline({{Mid(5), Mid(row) + dy}, {Mid(10), Mid(row) + dy}}, 12), Solid(k.accent));
}

void Folder(Image& img, const Ink& k, int dy, int state) {
  const Rgba back = Mix(k.accent, Hex(0xF2C14E), 3, 4);
  const Rgba front = Mix(back, Hex(0xFFFFFF), 1, 3);
  Fill(img, RoundRect(Px(1), Px(3) + dy, Px(7), Px(6) + dy, 8), Solid(back));
  Fill(img, RoundRect(Px(1), Px(4) + dy, Px(15), Px(14) + dy, 8), Solid(back));
  Fill(img, RoundRect(Px(1), Px(6) + dy, Px(15), Px(14) + dy, 8), Solid(front));
  Fill(img, RoundRing(Px(1), Px(4) + dy, Px(15), Px(14) + dy, 8, 12), Solid(Mix(k.line, back, 1, 3)));
  if (state > 0) {
    // The way into the folder: an arrow over its front.
    Fill(img, Polyline({{Mid(4), Mid(10) + dy}, {Mid(11), Mid(10) + dy}}, Px(2)), Solid(k.accent));
    Fill(img, Polyline({{Mid(8), Mid(7) + dy}, {Mid(11), Mid(10) + dy}, {Mid(8), Mid(13) + dy}}, Px(2)),
         Solid(k.accent));
  }
}

void Calendar(Image& img, const Ink& k, int dy, int) {
  Fill(img, RoundRect(Px(1), Px(2) + dy, Px(15), Px(15) + dy, 12), Solid(k.body));
  Fill(img, RoundRect(Px(1), Px(2) + dy, Px(15), Px(6) + dy, 12), Solid(k.accent));
  Fill(img, RoundRing(Px(1), Px(2) + dy, Px(15), Px(15) + dy, 12, Px(1)), Solid(k.line));
  for (int x : {4, 11}) Fill(img, Polyline({{Mid(x), Mid(0) + dy}, {Mid(x), Mid(3) + dy}}, Px(1)), Solid(k.line));
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 4; ++col) {
      const int x = 3 + 3 * col, y = 7 + 2 * row + row / 2;
      Fill(img, RoundRect(Px(x), Px(y) + dy, Px(x + 2), Px(y + 1) + dy, 0),
           Solid(row == 1 && col == 2 ? k.accent : Mix(k.line, k.body, 1, 3)));
    }
}

void Ellipsis(Image& img, const Ink& k, int dy, int) {
  for (int x : {3, 8, 13}) Fill(img, Disk(Mid(x) - 8, Px(11) + dy, Px(3) / 2), Solid(k.line));
}

void Calculator(Image& img, const Ink& k, int dy, int) {
  Fill(img, RoundRect(Px(2), Px(1) + dy, Px(14), Px(15) + dy, 16), Solid(k.body));
  Fill(img, RoundRing(Px(2), Px(1) + dy, Px(14), Px(15) + dy, 16, Px(1)), Solid(k.line));
  Fill(img, RoundRect(Px(4), Px(3) + dy, Px(12), Px(6) + dy, 4), Solid(Mix(k.accent, Hex(0xFFFFFF), 1, 2)));
  for (int row = 0; row < 3; ++row)
    for (int col = 0; col < 3; ++col) {
      const int x = 4 + 3 * col, y = 7 + 2 * row + row / 2;
      Fill(img, RoundRect(Px(x), Px(y) + dy, Px(x + 2), Px(y + 2) + dy, 4),
           Solid(col == 2 && row == 2 ? k.accent : Mix(k.line, k.body, 1, 4)));
    }
}

std::vector<uint8_t> StripPng(const Picture& picture) {
  Image strip(3 * kSide, kSide);
  for (int state = 0; state < 3; ++state) {
    Image one(kSide, kSide);
    picture(one, kInks[state], kInks[state].drop, state);
    strip.Paste(one, state * kSide, 0);
  }
  return air::ImagePng(strip);
}

}  // namespace

std::vector<std::pair<std::string, std::vector<uint8_t>>> GenerateEditGlyphs() {
  return {{"SF.png", StripPng(File)},
          {"SR.png", StripPng(Folder)},
          {"SD.png", StripPng(Calendar)},
          {"SE.png", StripPng(Ellipsis)},
          {"SC.png", StripPng(Calculator)}};
}

}  // namespace zelvan::skingen
