// The skin "Air": a light theme with one accent colour. The pictures are in
// air_images.cpp; here the description is written section by section and the
// pictures are placed in the master bitmap or files of their own.
#include "tools/skingen/air_skin.h"

#include <algorithm>
#include <cstdio>
#include <tuple>
#include <utility>

#include "tools/skingen/air_images.h"
#include "tools/skingen/master_bitmap.h"

namespace zelvan::skingen {

namespace {

using namespace air;

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
