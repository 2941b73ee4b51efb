// The skin we ship, skins/Air: the folder and the archive load into the same
// data, it has what the program's windows paint with, uses every image form,
// and its text colours are readable.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <string>
#include <tuple>
#include <vector>

#include "tests/core/store/skin_fixture.h"

namespace zelvan::store {
namespace {

using testing::SkinHarness;

// A harness over the committed skins folder, loading "Air" from the folder
// or from its archive.
struct AirSkin : SkinHarness {
  explicit AirSkin(bool packed) {
    const std::string skins = ZELVAN_SKINS;
    settings.SkinDirectory = std::u16string(skins.begin(), skins.end());
    // In preview mode an existing folder wins over the archive beside it.
    settings.PreviewMode = !packed;
    Load("Air");
  }
};

bool SamePixels(const image::TWorkingBitmap* a, const image::TWorkingBitmap* b) {
  if (!a || !b) return a == b;
  if (a->Width() != b->Width() || a->Height() != b->Height() || a->PixelFormat() != b->PixelFormat()) return false;
  const size_t row = static_cast<size_t>(a->Width()) * static_cast<size_t>(a->BitsPerPixel()) / 8;
  for (int y = 0; y < a->Height(); ++y) {
    if (std::memcmp(a->ScanLine(y), b->ScanLine(y), row) != 0) return false;
  }
  return true;
}

TEST(AirSkin, FolderAndArchiveLoadTheSameSkin) {
  AirSkin folder(false), packed(true);
  ASSERT_FALSE(folder.store.SkinIsPacked);
  ASSERT_TRUE(packed.store.SkinIsPacked);
  ASSERT_TRUE(folder.messages.empty() && packed.messages.empty());

  ASSERT_GT(folder.store.gd.size(), 40u);
  EXPECT_TRUE(folder.store.gd == packed.store.gd);
  ASSERT_EQ(folder.store.ma.size(), packed.store.ma.size());
  for (size_t i = 0; i < folder.store.ma.size(); ++i) {
    const TsMaskData &a = folder.store.ma[i], &b = packed.store.ma[i];
    SCOPED_TRACE(a.ClassName + "." + a.PropertyName);
    EXPECT_EQ(std::tie(a.ClassName, a.PropertyName, a.ImageCount, a.MaskType, a.BorderWidth, a.DrawMode, a.ImgType,
                       a.WL, a.WT, a.WR, a.WB, a.CornerType),
              std::tie(b.ClassName, b.PropertyName, b.ImageCount, b.MaskType, b.BorderWidth, b.DrawMode, b.ImgType,
                       b.WL, b.WT, b.WR, b.WB, b.CornerType));
    EXPECT_EQ(a.R, b.R);
    EXPECT_TRUE(SamePixels(a.Bmp.get(), b.Bmp.get()));
  }
  EXPECT_EQ(folder.store.pa.size(), packed.store.pa.size());
  EXPECT_GT(folder.store.MasterBitmap->Width(), 0);
  EXPECT_TRUE(SamePixels(folder.store.MasterBitmap.get(), packed.store.MasterBitmap.get()));
  TsSkinData globals = *packed.store.SkinData;
  globals.SkinPath = folder.store.SkinData->SkinPath;  // the only field that names where the skin lies
  EXPECT_TRUE(*folder.store.SkinData == globals);
  EXPECT_TRUE(folder.store.ConstData == packed.store.ConstData);
}

TEST(AirSkin, HasEverySectionThePaintingNeeds) {
  AirSkin air(true);
  EXPECT_GE(air.store.SkinData->Version, 8.0);
  EXPECT_LT(air.store.SkinData->Version, 9.0) << "newer versions warn at every load";
  for (const char* name :
       {"GLOBALINFO", "FORM",          "FORMTITLE",     "DIALOG",        "DIALOGTITLE",    "CAPTION",
        "EDIT",       "BUTTON",        "CHECKBOX",      "GROUPBOX",      "PANEL",          "PANEL_LOW",
        "BAR",        "TOOLBUTTON",    "SPEEDBUTTON",   "SPEEDBUTTON_SMALL", "UPDOWNBTN",  "COLHEADER",
        "SELECTION",  "MAINMENU",      "MENUITEM",      "MENULINE",      "ICOLINE",        "EXTRALINE",
        "MENUCAPTION", "DIVIDER",      "DIVIDERV",      "SCROLLBAR1H",   "SCROLLBAR1V",    "SCROLLBAR2H",
        "SCROLLBAR2V", "SCROLLBTNTOP", "SCROLLBTNBOTTOM", "SCROLLBTNLEFT", "SCROLLBTNRIGHT", "SCROLLSLIDERH",
        "SCROLLSLIDERV", "COMBOBOX",   "COMBOBTN"}) {
    EXPECT_GE(air.store.GetSkinIndex(name), 0) << name;
  }
  // Every image the engine resolves once per load is there.
  const TConstantSkinData& c = air.store.ConstData;
  for (int index : {int{c.CheckBoxChecked}, int{c.CheckBoxUnChecked}, int{c.CheckBoxGrayed}, int{c.RadioButtonChecked},
                    int{c.RadioButtonUnChecked}, int{c.RadioButtonGrayed}, int{c.SmallCheckBoxChecked},
                    int{c.SmallCheckBoxUnChecked}, int{c.SmallCheckBoxGrayed}, int{c.MaskCloseBtn},
                    int{c.MaskCloseAloneBtn}, int{c.MaskMaxBtn}, int{c.MaskNormBtn}, int{c.MaskMinBtn},
                    int{c.MaskHelpBtn}, int{c.MaskCloseSmall}, int{c.MaskMaxSmall}, int{c.MaskNormSmall},
                    int{c.MaskMinSmall}, int{c.MaskHelpSmall}, int{c.MaskScrollTop}, int{c.MaskScrollBottom},
                    int{c.MaskScrollLeft}, int{c.MaskScrollRight}, int{c.MaskArrowTop}, int{c.MaskArrowBottom},
                    int{c.MaskArrowLeft}, int{c.MaskArrowRight}, int{c.MaskSliderVert}, int{c.MaskSliderHorz},
                    int{c.BGScrollBar1H}, int{c.BGScrollBar1V}, int{c.BGHotScrollBar1H}, int{c.BGScrollBar2V},
                    c.ComboBtnBorder, c.ComboGlyph, c.GripRightBottom, c.GripHorizontal, c.GripVertical}) {
    EXPECT_TRUE(air.store.IsValidImgIndex(index));
  }
  // The frames of what the main window shows, with inheritance where a section has none of its own.
  for (const char* name : {"FORM", "FORMTITLE", "DIALOG", "DIALOGTITLE", "EDIT", "BUTTON", "GROUPBOX", "COLHEADER",
                           "SPEEDBUTTON", "UPDOWNBTN", "SCROLLBTNBOTTOM"}) {
    EXPECT_TRUE(air.store.IsValidImgIndex(air.Section(name).BorderIndex)) << name;
  }
}

TEST(AirSkin, UsesEveryImageForm) {
  AirSkin air(true);
  struct Form {
    const char* what;
    bool (*matches)(const TsMaskData&);
  };
  const Form forms[] = {
      {"border in the master", [](const TsMaskData& m) { return !m.Bmp && m.ImgType == itisaBorder && m.MaskType == 1; }},
      {"glyph in the master", [](const TsMaskData& m) { return !m.Bmp && m.ImgType == itisaGlyph; }},
      {"texture in the master", [](const TsMaskData& m) { return !m.Bmp && m.ImgType == itisaTexture; }},
      {"JPEG texture", [](const TsMaskData& m) { return m.Bmp && m.ImgType == itisaTexture; }},
      {"PNG glow with alpha",
       [](const TsMaskData& m) {
         if (!m.Bmp || m.ImgType != itisaGlow) return false;
         bool partial = false;  // premultiplied: no channel above its alpha
         for (int y = 0; y < m.Bmp->Height(); ++y) {
           for (int x = 0; x < m.Bmp->Width(); ++x) {
             const uint32_t p = m.Bmp->Row32(y)[x];
             const uint32_t a = p >> 24;
             if (((p >> 16) & 255) > a || ((p >> 8) & 255) > a || (p & 255) > a) return false;
             partial |= a > 0 && a < 255;
           }
         }
         return partial;
       }},
  };
  for (const Form& form : forms) {
    EXPECT_TRUE(std::any_of(air.store.ma.begin(), air.store.ma.end(), form.matches)) << form.what;
  }
  // Rounded frames cut their corners with the key colour.
  EXPECT_EQ(air.store.ma[static_cast<size_t>(air.Section("BUTTON").BorderIndex)].CornerType, 1);
  EXPECT_EQ(air.Section("DIALOG").ParentClass, "FORM");
  EXPECT_TRUE(air.Section("BUTTON").FadingEnabled);
  EXPECT_FALSE(air.Section("FORMTITLE").Props[1].GradientArray.empty());
}

// Contrast ratio of two colours (0x00BBGGRR) by relative luminance.
double Luminance(TColor c) {
  auto channel = [](unsigned v) {
    const double s = v / 255.0;
    return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * channel(c & 255) + 0.7152 * channel((c >> 8) & 255) + 0.0722 * channel((c >> 16) & 255);
}
double Contrast(TColor a, TColor b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

TEST(AirSkin, TextIsReadable) {
  AirSkin air(true);
  // Section and state whose text is checked; a see-through section shows the form below.
  const std::pair<const char*, int> cases[] = {
      {"FORM", 0},      {"FORMTITLE", 0}, {"FORMTITLE", 1}, {"EDIT", 0},      {"EDIT", 1},       {"BUTTON", 0},
      {"BUTTON", 1},    {"CHECKBOX", 0},  {"CHECKBOX", 1},  {"GROUPBOX", 0},  {"COLHEADER", 0},  {"COLHEADER", 1},
      {"SELECTION", 0}, {"SELECTION", 1}, {"MAINMENU", 0},  {"MENUITEM", 1},  {"MENUCAPTION", 0}, {"EXTRALINE", 0},
      {"TOOLBUTTON", 1}, {"WEBBUTTON", 0}, {"CAPTION", 1},  {"STATUSBAR", 0}, {"PANEL", 0},      {"BAR", 0}};
  const TsGenState& form = air.Section("FORM").Props[0];
  for (const auto& [name, state] : cases) {
    const TsGeneralData& s = air.Section(name);
    const TsGenState& p = s.Props[std::min(state, s.States - 1)];
    std::vector<TColor> backgrounds = {p.Transparency == 100 ? form.Color : p.Color};
    if (p.GradientPercent > 0) {
      for (const auto& piece : p.GradientArray) backgrounds.insert(backgrounds.end(), {piece.Color1, piece.Color2});
    }
    for (TColor bg : backgrounds) {
      EXPECT_GE(Contrast(p.FontColor.Color, bg), 4.5) << name << " state " << state << " on " << std::hex << bg;
    }
  }
}

}  // namespace
}  // namespace zelvan::store
