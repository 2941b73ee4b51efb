// skinpreview: renders every section of a skin onto one sheet, so that a skin
// maker sees the whole theme without starting a program:
//   skinpreview SKIN-DIRECTORY NAME OUT.png
// The sheet shows two small windows composed from the skin, then one row per
// section with each state at a typical control size, the GLOBALINFO images in
// every state, and the textures.
#include <algorithm>
#include <cstdio>
#include <exception>
#include <map>
#include <string>
#include <vector>

#include "core/store/skin_files.h"
#include "core/store/skin_store.h"
#include "core/text/utf.h"
#include "tools/common/png_writer.h"
#include "tools/skinpreview/item_paint.h"

namespace zelvan::skinpreview {
namespace {

constexpr int kSheetWidth = 1040;
constexpr TColor kInk = 0x241F1B;     // headings
constexpr TColor kMuted = 0x7A726B;   // state names

struct TileSize {
  int w, h;
};

// Typical sizes of the controls and parts that paint with a section.
TileSize TypicalSize(const std::string& s) {
  static const std::map<std::string, TileSize> sizes = {
      {"FORM", {150, 80}},        {"DIALOG", {150, 80}},       {"FORMTITLE", {200, 28}},  {"DIALOGTITLE", {200, 22}},
      {"CAPTION", {120, 20}},     {"BUTTON", {88, 26}},        {"EDIT", {130, 24}},       {"COMBOBOX", {130, 24}},
      {"COMBOBTN", {18, 20}},     {"UPDOWNBTN", {17, 11}},     {"CHECKBOX", {110, 20}},   {"GROUPBOX", {150, 70}},
      {"PANEL", {110, 50}},       {"PANEL_LOW", {110, 50}},    {"BAR", {170, 26}},        {"TOOLBAR", {170, 28}},
      {"STATUSBAR", {170, 22}},   {"TOOLBUTTON", {28, 26}},    {"SPEEDBUTTON", {28, 26}}, {"SPEEDBUTTON_SMALL", {22, 20}},
      {"WEBBUTTON", {110, 20}},   {"COLHEADER", {110, 22}},    {"SELECTION", {150, 20}},  {"MAINMENU", {150, 70}},
      {"MENUITEM", {150, 22}},    {"MENULINE", {170, 22}},     {"ICOLINE", {26, 70}},     {"EXTRALINE", {22, 70}},
      {"MENUCAPTION", {150, 20}}, {"DIVIDERV", {150, 5}},      {"DIVIDER", {8, 26}},      {"SCROLLBAR1H", {170, 17}},
      {"SCROLLBAR2H", {170, 17}}, {"SCROLLBAR1V", {17, 90}},   {"SCROLLBAR2V", {17, 90}}, {"SCROLLSLIDERH", {60, 17}},
      {"SCROLLSLIDERV", {17, 60}}};
  const auto it = sizes.find(s);
  if (it != sizes.end()) return it->second;
  if (s.starts_with("SCROLLBTN")) return {17, 17};
  return {110, 24};
}

std::vector<std::string> StateNames(const std::string& s) {
  if (s == "FORM" || s == "DIALOG" || s.ends_with("TITLE") || s == "CAPTION") return {"INACTIVE", "ACTIVE"};
  if (s == "SELECTION") return {"UNFOCUSED", "FOCUSED"};
  if (s == "EDIT" || s == "COMBOBOX") return {"NORMAL", "FOCUSED", "PRESSED"};
  return {"NORMAL", "HOT", "PRESSED", "DEFAULT"};
}

class Sheet {
 public:
  explicit Sheet(const store::TsSkinStore& skin) : skin_(skin), paint_(skin), bmp_(kSheetWidth, 4000) {
    // The sheet is the form's own colour: what see-through sections show.
    FillRect(bmp_, {0, 0, bmp_.Width(), bmp_.Height()}, FormColor());
  }

  std::vector<uint8_t> Render(const std::string& name) {
    DrawText(bmp_, 16, 14, name + " - SKIN PREVIEW", kInk, 3);
    DrawText(bmp_, 16, 42, skin_.SkinData ? skin_.SkinData->Description : "", kMuted, 1);
    y_ = 64;
    Windows();
    Sections();
    GlobalImages();
    Textures();
    return Png();
  }

 private:
  TColor FormColor() const {
    const int f = skin_.GetSkinIndex("FORM");
    return f >= 0 ? skin_.gd[static_cast<size_t>(f)].Props[0].Color : 0xF0F0F0;
  }
  const store::TsGeneralData* Section(const std::string& s) const {
    const int i = skin_.GetSkinIndex(s);
    return i >= 0 ? &skin_.gd[static_cast<size_t>(i)] : nullptr;
  }
  TColor FontColor(const std::string& s, int state) const {
    const auto* g = Section(s);
    return g ? g->Props[std::clamp(std::min(state, g->States - 1), 0, 1)].FontColor.Color : kInk;
  }
  int Global(const char* key) const { return skin_.GetMaskIndex("GLOBALINFO", key); }

  void Label(int x, int y, const std::string& text, const std::string& section, int state) {
    DrawText(bmp_, x, y, text, FontColor(section, state));
  }

  // A form with its title band, caption buttons and the controls of the main window.
  void Windows() {
    const TRect win{24, y_ + 14, 524, y_ + 316};
    Window(win, "FORM", "FORMTITLE", 1, "BICON", 30, "AIR - BATCH RENAME");
    const int x = win.Left + 16, top = win.Top + 44;
    Label(x, top + 8, "FOLDER", "FORM", 1);
    Control({x + 60, top, x + 300, top + 24}, "EDIT", 1, "D:\\PHOTOS\\2026");
    Combo({x + 310, top, x + 466, top + 24});
    // A group of radio buttons and a check box.
    // The frame starts half a caption down; the caption sits on a patch of the parent.
    const TRect group{x, top + 36, x + 220, top + 130};
    paint_.Item(bmp_, {group.Left, group.Top + 6, group.Right, group.Bottom}, "GROUPBOX", 0);
    const TRect patch{group.Left + 6, group.Top, group.Left + 16 + TextWidth("RENAME"), group.Top + 13};
    FillRect(bmp_, patch, FormColor());
    paint_.Item(bmp_, patch, "CHECKBOX", 0);
    Label(patch.Left + 5, group.Top + 3, "RENAME", "GROUPBOX", 0);
    Check(group.Left + 12, group.Top + 26, "RADIOCHECKED", 0, "FILES");
    Check(group.Left + 12, group.Top + 48, "RADIOUNCHECKED", 1, "FOLDERS");
    Check(group.Left + 12, group.Top + 70, "BOXCHECKED", 0, "KEEP EXTENSION");
    Check(group.Left + 112, group.Top + 26, "BOXUNCHECKED", 0, "HIDDEN");
    Check(group.Left + 112, group.Top + 48, "BOXGRAYED", 0, "MIXED");
    // The plan: headers, rows, a selected row and a scroll bar.
    const TRect list{x + 232, top + 36, x + 466, top + 190};
    paint_.Item(bmp_, list, "EDIT", 0);
    const TRect body{list.Left + 2, list.Top + 2, list.Right - 2, list.Bottom - 2};
    const int cols[] = {body.Left, body.Left + 36, body.Left + 118, body.Right - 17};
    const char* heads[] = {"NO", "OLD NAME", "NEW NAME"};
    for (int c = 0; c < 3; ++c) {
      Control({cols[c], body.Top, cols[c + 1], body.Top + 22}, "COLHEADER", c == 1 ? 1 : 0, heads[c]);
    }
    for (int r = 0; r < 6; ++r) {
      const TRect row{body.Left, body.Top + 22 + r * 20, cols[3], body.Top + 42 + r * 20};
      std::string section = "EDIT";
      int state = 0;
      if (r == 2) section = "SELECTION", state = 1;
      if (r == 4) section = "SELECTION", state = 0;
      if (section == "SELECTION") paint_.Item(bmp_, row, section, state);
      Label(row.Left + 6, row.Top + 7, std::to_string(r + 1), section, state);
      Label(row.Left + 42, row.Top + 7, "IMG_" + std::to_string(4031 + r) + ".JPG", section, state);
      Label(row.Left + 124, row.Top + 7, "TRIP_0" + std::to_string(r + 1), section, state);
    }
    VScroll({cols[3], body.Top, body.Right, body.Bottom});
    HScroll({body.Left, body.Bottom + 4, body.Right, body.Bottom + 21});
    // The buttons in each state.
    const char* captions[] = {"RENAME", "RESTORE", "WEB SITE", "CLOSE"};
    const int states[] = {3, 0, 1, 2};
    for (int i = 0; i < 4; ++i) {
      Control({x + i * 98, win.Bottom - 46, x + i * 98 + 88, win.Bottom - 20}, "BUTTON", states[i], captions[i]);
    }
    // A message box: the dialog sections with small caption buttons.
    const TRect dlg{560, y_ + 14, 860, y_ + 170};
    Window(dlg, "DIALOG", "DIALOGTITLE", 1, "SICON", 22, "CONFIRM");
    Label(dlg.Left + 20, dlg.Top + 56, "RENAME 6 FILES IN THIS FOLDER", "DIALOG", 1);
    Control({dlg.Right - 196, dlg.Bottom - 42, dlg.Right - 108, dlg.Bottom - 16}, "BUTTON", 3, "OK");
    Control({dlg.Right - 100, dlg.Bottom - 42, dlg.Right - 12, dlg.Bottom - 16}, "BUTTON", 0, "CANCEL");
    // An inactive window behind, and a popup menu.
    const TRect back{560, y_ + 184, 760, y_ + 316};
    Window(back, "FORM", "FORMTITLE", 0, "BICON", 30, "INACTIVE");
    Menu({780, y_ + 184, 1000, y_ + 316});
    y_ += 346;
  }

  void Window(const TRect& r, const std::string& form, const std::string& title, int active, const std::string& buttons,
              int buttonWidth, const std::string& caption) {
    paint_.Background(bmp_, r, skin_.GetSkinIndex(form), active);
    const int titleHeight = buttonWidth > 22 ? 30 : 24;
    const TRect band{r.Left, r.Top, r.Right, r.Top + titleHeight};
    paint_.Frame(bmp_, r, Section(form) ? Section(form)->BorderIndex : -1, active);
    paint_.Item(bmp_, band, title, active);
    Label(band.Left + 10, band.Top + (titleHeight - 7) / 2, caption, title, active);
    const char* names[] = {"CLOSE", "MAX", "MIN"};
    int x = r.Right - 1;
    for (int i = 0; i < (buttonWidth > 22 ? 3 : 1); ++i) {
      const int part = Global((buttons + names[i]).c_str());
      x -= paint_.StateWidth(part);
      // The active window shows its maximise button hot.
      paint_.Glyph(bmp_, x, r.Top + 1 + (titleHeight - 1 - paint_.StateHeight(part)) / 2, part, active && i == 1 ? 1 : 0);
    }
  }

  void Control(const TRect& r, const std::string& section, int state, const std::string& text) {
    paint_.Item(bmp_, r, section, state);
    const int w = TextWidth(text);
    const int x = section == "EDIT" ? r.Left + 6 : section == "COLHEADER" ? r.Left + 6 : (r.Left + r.Right - w) / 2;
    Label(x + (state == 2 && section == "BUTTON" ? 1 : 0), (r.Top + r.Bottom - 7) / 2, text, section, state);
  }

  void Combo(const TRect& r) {
    paint_.Item(bmp_, r, "EDIT", 0);
    Label(r.Left + 6, (r.Top + r.Bottom - 7) / 2, "4 DIGITS", "EDIT", 0);
    const TRect btn{r.Right - 20, r.Top + 2, r.Right - 2, r.Bottom - 2};
    paint_.Item(bmp_, btn, "COMBOBTN", 1);
    const int glyph = skin_.ConstData.ComboGlyph;
    paint_.Glyph(bmp_, (btn.Left + btn.Right - paint_.StateWidth(glyph)) / 2,
                 (btn.Top + btn.Bottom - paint_.StateHeight(glyph)) / 2, glyph, 1);
  }

  void Check(int x, int y, const char* part, int state, const std::string& text) {
    const int p = Global(part);
    paint_.Glyph(bmp_, x, y, p, state);
    Label(x + paint_.StateWidth(p) + 6, y + (paint_.StateHeight(p) - 7) / 2, text, "CHECKBOX", state);
  }

  void VScroll(const TRect& r) {
    paint_.Item(bmp_, r, "SCROLLBAR1V", 0);
    paint_.Item(bmp_, {r.Left, r.Top, r.Right, r.Top + 17}, "SCROLLBTNTOP", 0);
    paint_.Item(bmp_, {r.Left, r.Bottom - 17, r.Right, r.Bottom}, "SCROLLBTNBOTTOM", 1);
    paint_.Item(bmp_, {r.Left, r.Top + 30, r.Right, r.Top + 80}, "SCROLLSLIDERV", 1);
  }

  void HScroll(const TRect& r) {
    paint_.Item(bmp_, r, "SCROLLBAR1H", 0);
    paint_.Item(bmp_, {r.Left, r.Top, r.Left + 17, r.Bottom}, "SCROLLBTNLEFT", 0);
    paint_.Item(bmp_, {r.Right - 17, r.Top, r.Right, r.Bottom}, "SCROLLBTNRIGHT", 0);
    paint_.Item(bmp_, {r.Left + 60, r.Top, r.Left + 130, r.Bottom}, "SCROLLSLIDERH", 0);
  }

  void Menu(const TRect& r) {
    paint_.Item(bmp_, r, "MAINMENU", 0);
    const TRect inner{r.Left + 3, r.Top + 3, r.Right - 3, r.Bottom - 3};
    paint_.Item(bmp_, {inner.Left, inner.Top, inner.Left + 26, inner.Bottom}, "ICOLINE", 0);
    const char* items[] = {"OPEN FOLDER", "RENAME", "", "RESTORE", "CLOSE"};
    int y = inner.Top + 2;
    for (int i = 0; i < 5; ++i) {
      if (!*items[i]) {
        paint_.Item(bmp_, {inner.Left + 30, y + 2, inner.Right - 4, y + 5}, "DIVIDERV", 0);
        y += 7;
        continue;
      }
      const int state = i == 1 ? 1 : 0;
      const TRect row{inner.Left + 2, y, inner.Right - 2, y + 22};
      paint_.Item(bmp_, row, "MENUITEM", state);
      if (i == 3) paint_.Glyph(bmp_, row.Left + 6, row.Top + 4, Global("CHECK"), 0);
      Label(row.Left + 34, row.Top + 8, items[i], "MENUITEM", state);
      y += 24;
    }
  }

  // One row per section: each state at a typical size.
  void Sections() {
    Heading("SECTIONS");
    for (size_t i = 0; i < skin_.gd.size(); ++i) {
      const store::TsGeneralData& g = skin_.gd[i];
      if (g.ClassName == "GLOBALINFO") continue;
      const TileSize size = TypicalSize(g.ClassName);
      int states = std::max(1, std::min(g.States, 2));
      for (const char* key : {"BORDERSMASK", "GLYPHMASK"}) {
        const int part = skin_.GetMaskIndex(static_cast<int>(i), g.ClassName, key);
        if (part >= 0) states = std::max<int>(states, skin_.ma[static_cast<size_t>(part)].ImageCount);
      }
      states = std::min(states, 4);
      const int rowHeight = std::max(size.h, 10) + 24;
      if (x_ + 170 + states * (size.w + 14) > kSheetWidth - 16) NewLine();
      rowHeight_ = std::max(rowHeight_, rowHeight);
      DrawText(bmp_, x_ + 8, y_ + 6, g.ClassName, kInk);
      if (!g.ParentClass.empty()) DrawText(bmp_, x_ + 8, y_ + 16, "FROM " + g.ParentClass, kMuted);
      const std::vector<std::string> names = StateNames(g.ClassName);
      int tx = x_ + 150;
      for (int s = 0; s < states; ++s) {
        DrawText(bmp_, tx, y_ + 6, s < static_cast<int>(names.size()) ? names[static_cast<size_t>(s)] : "STATE", kMuted);
        const TRect tile{tx, y_ + 16, tx + size.w, y_ + 16 + size.h};
        paint_.Item(bmp_, tile, g.ClassName, s);
        if (size.w >= 60 && size.h >= 18) {
          DrawText(bmp_, tile.Left + 6, (tile.Top + tile.Bottom - 7) / 2, "TEXT 123",
                   g.Props[std::clamp(std::min(s, g.States - 1), 0, 1)].FontColor.Color);
        }
        tx += std::max(size.w, TextWidth(names[std::min<size_t>(static_cast<size_t>(s), names.size() - 1)])) + 14;
      }
      x_ = tx + 10;
    }
    NewLine();
  }

  void GlobalImages() {
    Heading("GLOBALINFO IMAGES");
    for (size_t i = 0; i < skin_.ma.size(); ++i) {
      const store::TsMaskData& m = skin_.ma[i];
      if (m.ClassName != "GLOBALINFO") continue;
      const int part = static_cast<int>(i);
      const bool glow = m.ImgType == store::itisaGlow;
      const int count = glow ? 1 : std::max<int>(1, m.ImageCount);
      const int w = glow ? m.R.Width() : paint_.StateWidth(part), h = glow ? m.R.Height() : paint_.StateHeight(part);
      const int width = std::max(count * (w + 4), TextWidth(m.PropertyName)) + 16;
      if (x_ + width > kSheetWidth - 16) NewLine();
      rowHeight_ = std::max(rowHeight_, h + 30);
      DrawText(bmp_, x_ + 8, y_ + 6, m.PropertyName, kInk);
      for (int s = 0; s < count; ++s) {
        if (glow) {
          paint_.AlphaPicture(bmp_, x_ + 8, y_ + 18, part);
        } else {
          paint_.Glyph(bmp_, x_ + 8 + s * (w + 4), y_ + 18, part, s);
        }
      }
      x_ += width;
    }
    NewLine();
  }

  void Textures() {
    Heading("TEXTURES");
    for (size_t i = 0; i < skin_.ma.size(); ++i) {
      const store::TsMaskData& m = skin_.ma[i];
      if (m.ImgType != store::itisaTexture) continue;
      const std::string name = m.ClassName + "." + m.PropertyName;
      const int width = std::max(96, TextWidth(name)) + 16;
      if (x_ + width > kSheetWidth - 16) NewLine();
      rowHeight_ = std::max(rowHeight_, 80);
      DrawText(bmp_, x_ + 8, y_ + 6, name, kInk);
      // Strips are shown at the size of the bar they fill, other textures as a patch.
      int w = 96, h = 56;
      if (m.R.Width() <= 4 && m.R.Height() >= 12) h = m.R.Height();
      if (m.R.Height() <= 4 && m.R.Width() >= 12) w = m.R.Width();
      paint_.Tile(bmp_, {x_ + 8, y_ + 18, x_ + 8 + w, y_ + 18 + h}, static_cast<int>(i));
      x_ += width;
    }
    NewLine();
  }

  void Heading(const std::string& text) {
    DrawText(bmp_, 16, y_ + 6, text, kInk, 2);
    y_ += 26;
    x_ = 8;
    rowHeight_ = 0;
  }
  void NewLine() {
    y_ += rowHeight_ + 6;
    x_ = 8;
    rowHeight_ = 0;
  }

  std::vector<uint8_t> Png() const {
    png::PngRecipe recipe;
    recipe.width = static_cast<uint32_t>(bmp_.Width());
    recipe.height = static_cast<uint32_t>(std::min(bmp_.Height(), y_ + 10));
    recipe.colorType = 2;
    recipe.filters = {1};
    for (uint32_t y = 0; y < recipe.height; ++y) {
      std::vector<uint8_t> row;
      const uint32_t* px = bmp_.Row32(static_cast<int>(y));
      for (int x = 0; x < bmp_.Width(); ++x) {
        row.insert(row.end(), {static_cast<uint8_t>(px[x] >> 16), static_cast<uint8_t>(px[x] >> 8),
                               static_cast<uint8_t>(px[x])});
      }
      recipe.rows.push_back(std::move(row));
    }
    return png::WritePng(recipe);
  }

  const store::TsSkinStore& skin_;
  ItemPainter paint_;
  image::TWorkingBitmap bmp_;
  int x_ = 8, y_ = 0, rowHeight_ = 0;
};

}  // namespace
}  // namespace zelvan::skinpreview

int main(int argc, char** argv) {
  using namespace zelvan;
  if (argc != 4) {
    std::fputs("usage: skinpreview SKIN-DIRECTORY NAME OUT.png\n", stderr);
    return 2;
  }
  try {
    store::TSkinServices services;
    std::string failure;
    services.ShowMessage = [&failure](store::TMessageKind, const std::string& text) { failure = text; };
    store::TSkinSettings settings;
    settings.SkinDirectory = text::Utf8ToUtf16(argv[1]);
    store::TsSkinStore skin(services, settings);
    skin.LoadSkinByName(text::Utf8ToUtf16(argv[2]));
    if (!settings.Active || !skin.SkinData || skin.gd.empty()) {
      std::fprintf(stderr, "skinpreview: no skin %s in %s %s\n", argv[2], argv[1], failure.c_str());
      return 1;
    }
    skinpreview::Sheet sheet(skin);
    if (!store::WriteWholeFile(text::Utf8ToUtf16(argv[3]), sheet.Render(argv[2]))) {
      std::fprintf(stderr, "skinpreview: cannot write %s\n", argv[3]);
      return 1;
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skinpreview: %s\n", e.what());
    return 1;
  }
  return 0;
}
