#include <gtest/gtest.h>

#include "core/image/bitmap32.h"
#include "core/text/str_to_int.h"
#include "tools/common/png_writer.h"
#include "tests/core/store/skin_fixture.h"

namespace zelvan::store {
namespace {

using testing::SkinHarness;
using testing::SolidBmp;
using testing::SolidJpeg;

// A 100 x 60 gray master bitmap with one key pixel at (88, 58).
std::vector<uint8_t> MasterBmp() {
  std::vector<uint32_t> pixels(100 * 60, 0x808080);
  pixels[58 * 100 + 88] = 0xFF00FF;
  return testing::WriteBmp({100, 60, 24, {}, pixels});
}

// A 2 x 1 RGBA PNG: opaque white and half-transparent red.
std::vector<uint8_t> TwoPixelPng() {
  png::PngRecipe recipe;
  recipe.width = 2;
  recipe.colorType = 6;
  recipe.rows = {{255, 255, 255, 0, 255, 0, 0, 128}};
  return png::WritePng(recipe);
}

const char* const kSkin =
    "[GLOBALINFO]\n"
    "VERSION=8.0\n"
    "MASTERBITMAP=master.bmp\n"
    "AUTHOR=Tests\n"
    "COLOR=$123456\n"
    "BOXCHECKED=@0010,0020,0050,0040,3,1\n"
    "EXBORDER=^0000,0000,0090,0060,0000,0000,0000,0000,3,1,0,0\n"
    "GRIPIMAGE=^0000,0000,0090,0060,0000,0000,0000,0000,3,1,0,5\n"
    "[BUTTON]\n"
    "COLOR=255\n"
    "HOTCOLOR=65280\n"
    "GRADIENTDATA=255;65280;50;0;0\n"
    "BORDERSMASK=# (10,0,70,20) (3,1,4,1)\n"
    "PATTERN=~0000,0000,0010,0010,01,0\n"
    "GLYPHMASK=!glyph.PNG!2!0!4\n"
    "IMGTOPLEFT=edit.bmp\n"
    "LOWER=!glyph.png!2!0!4\n"
    "MISSING=!nothere.BMP!3!1!0\n"
    "HOTPATTERN=small.jpg\n"
    "[BUTTON2]\n"
    "PARENTCLASS=BUTTON\n"
    "STATES=1\n"
    "HOTCOLOR=1\n"
    "[BIG]\n"
    "PATTERN=big.jpg\n"
    "[KEYED]\n"
    "BORDERSMASK=^0080,0040,0090,0060,0002,0002,0002,0002,1,0,0,0\n";

class SkinLoad : public ::testing::Test {
 protected:
  void SetUp() override {
    h.WriteSkin("Test", kSkin,
                {{"master.bmp", MasterBmp()},
                 {"glyph.PNG", TwoPixelPng()},
                 {"edit.bmp", SolidBmp(18, 12, 0x0000FF)},
                 {"small.jpg", SolidJpeg(1000, 899, 0x00FF00)},
                 {"big.jpg", SolidJpeg(1000, 900, 0x00FF00)}});
    h.Load("Test");
  }
  SkinHarness h;
};

TEST_F(SkinLoad, ReadsGlobalInformationAndSectionsInFileOrder) {
  ASSERT_TRUE(h.settings.Active);
  EXPECT_FALSE(h.store.SkinIsPacked);
  EXPECT_EQ(h.store.SkinData->Version, 8.0);
  EXPECT_EQ(h.store.SkinData->Author, "Tests");
  EXPECT_EQ(h.store.SkinData->SkinPath, h.dir.Path() + u"\\Test\\");
  EXPECT_EQ(h.store.SkinData->ExTitleHeight, 30);
  EXPECT_EQ(h.store.SkinData->ExMaxHeight, 30);
  EXPECT_EQ(h.store.SkinData->ExContentOffs, 4);
  std::vector<std::string> sections;
  h.store.SkinData->Active = true;
  h.store.GetSkinSections(sections);
  EXPECT_EQ(sections, (std::vector<std::string>{"GLOBALINFO", "BUTTON", "BUTTON2", "BIG", "KEYED"}));
  EXPECT_EQ(h.store.GetGlobalColor(), 0x123456u);
  EXPECT_TRUE(h.messages.empty());
}

TEST_F(SkinLoad, MasterBitmapIsConvertedTo32BitsWithKeyPixelsLeftClear) {
  const auto& master = *h.store.MasterBitmap;
  ASSERT_EQ(master.PixelFormat(), image::TPixelFormat::pf32bit);
  EXPECT_EQ(image::GetPixel32(master, 0, 0), 0xFF808080u);
  EXPECT_EQ(image::GetPixel32(master, 88, 58), 0x00FF00FFu);
}

struct PartCase {
  const char* section;
  const char* property;
  bool ownBitmap;
  paint::TRect r;
  int count, mask, drawMode;
  TacImgType type;
  int wl, wt, wr, wb;
  int corner;
};

TEST_F(SkinLoad, EveryImageEntryForm) {
  const PartCase cases[] = {
      {"GLOBALINFO", "BOXCHECKED", false, {10, 20, 50, 40}, 3, 1, 0, itisaGlyph, 0, 0, 0, 0, 0},
      {"GLOBALINFO", "EXBORDER", false, {0, 0, 90, 60}, 3, 1, 0, itisaBorder, 10, 10, 10, 10, 0},
      {"GLOBALINFO", "GRIPIMAGE", false, {0, 0, 90, 60}, 3, 1, 0, itisaBorder, 5, 5, 5, 5, 0},
      {"BUTTON", "BORDERSMASK", false, {10, 0, 70, 20}, 3, 1, 1, itisaBorder, 4, 4, 4, 4, 0},
      {"BUTTON", "PATTERN", false, {0, 0, 10, 10}, 1, 0, 1, itisaTexture, 0, 0, 0, 0, 0},
      {"BUTTON", "GLYPHMASK", true, {0, 0, 2, 1}, 2, 0, 1, itisaPngGlyph, 0, 0, 0, 0, 0},
      {"BUTTON", "IMGTOPLEFT", true, {0, 0, 18, 12}, 3, 1, 0, itisaBorder, 2, 2, 2, 2, 0},
      {"BUTTON", "HOTPATTERN", true, {0, 0, 1000, 899}, 1, 0, 0, itisaTexture, 0, 0, 0, 0, 0},
      {"KEYED", "BORDERSMASK", false, {80, 40, 90, 60}, 1, 0, 0, itisaBorder, 2, 2, 2, 2, 1},
  };
  for (const PartCase& c : cases) {
    SCOPED_TRACE(std::string(c.section) + "." + c.property);
    const TsMaskData* m = h.Part(c.section, c.property);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->Bmp != nullptr, c.ownBitmap);
    EXPECT_EQ(m->R, c.r);
    EXPECT_EQ(m->ImageCount, c.count);
    EXPECT_EQ(m->MaskType, c.mask);
    EXPECT_EQ(m->DrawMode, c.drawMode);
    EXPECT_EQ(m->ImgType, c.type);
    EXPECT_EQ((std::vector<int>{m->WL, m->WT, m->WR, m->WB}), (std::vector<int>{c.wl, c.wt, c.wr, c.wb}));
    EXPECT_EQ(m->CornerType, c.corner);
    EXPECT_EQ(m->Manager, &h.store);
  }
  EXPECT_EQ(h.Part("BUTTON", "LOWER"), nullptr) << "the \"!\" form takes only capital extensions";
  EXPECT_EQ(h.Part("BUTTON", "MISSING"), nullptr);
}

TEST_F(SkinLoad, LargeJpegsStayPatterns) {
  ASSERT_EQ(h.store.pa.size(), 1u);
  EXPECT_EQ(h.store.pa[0].ClassName, "BIG");
  EXPECT_EQ(h.store.pa[0].Img->Width * h.store.pa[0].Img->Height, 900000);
  EXPECT_EQ(h.store.GetPatternIndex(h.store.GetSkinIndex("BIG"), "BIG", "PATTERN"), 0);
  EXPECT_EQ(h.Section("BUTTON").Props[1].TextureIndex, h.store.GetMaskIndex("BUTTON", "HOTPATTERN"));
}

TEST_F(SkinLoad, PngOfALaterSkinIsPremultiplied) {
  const TsMaskData* m = h.Part("BUTTON", "GLYPHMASK");
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(image::GetPixel32(*m->Bmp, 0, 0), 0x00000000u) << "white with alpha 0 premultiplies to 0";
  EXPECT_EQ(image::GetPixel32(*m->Bmp, 1, 0), 0x807F0000u);
}

TEST_F(SkinLoad, SectionsInheritAndOneStateCopiesTheNormalState) {
  const TsGeneralData& button = h.Section("BUTTON");
  EXPECT_EQ(button.Color, 255u);
  EXPECT_EQ(button.Props[1].Color, 65280u);
  ASSERT_EQ(button.GradientArray.size(), 1u);
  const TsGeneralData& child = h.Section("BUTTON2");
  EXPECT_EQ(child.Color, 255u);
  EXPECT_EQ(child.HotColor, 0u) << "hot keys are ignored with STATES=1";
  EXPECT_EQ(child.Props[1], child.Props[0]);
  EXPECT_EQ(child.BorderIndex, h.store.GetMaskIndex("BUTTON", "BORDERSMASK"));
  EXPECT_EQ(child.GradientData, button.GradientData);
  EXPECT_EQ(h.store.ConstData.CheckBoxChecked, h.store.GetMaskIndex("GLOBALINFO", "BOXCHECKED"));
  EXPECT_EQ(h.store.ConstData.IndexGLobalInfo, 0);
  EXPECT_EQ(h.store.ConstData.ComboBtnIndex, -1);
}

// Inheritance of keys in the description, with the cases that must stop.
TEST(SkinSections, KeysComeFromTheNearestAncestor) {
  SkinHarness h;
  h.WriteSkin("Chain",
              "[GRAND]\nCOLOR=111\nTRANSPARENCY=40\n"
              "[PARENT]\nPARENTCLASS=GRAND\nCOLOR=-1\n"
              "[CHILD]\nPARENTCLASS=PARENT\nSHOWFOCUS=?\n"
              "[SELF]\nPARENTCLASS=SELF\n"
              "[A]\nPARENTCLASS=B\n[B]\nPARENTCLASS=A\n"
              "[SYS]\nPARENTCLASS=GRAND\nGLOW=$FF000005\n[SYSCHILD]\nPARENTCLASS=SYS\n");
  h.Load("Chain");
  const struct {
    const char* section;
    TColor color;
    int transparency;
  } cases[] = {{"CHILD", 111, 40}, {"PARENT", 111, 40}, {"SELF", 0xFFFFFF, 0}, {"A", 0xFFFFFF, 0},
               {"B", 0xFFFFFF, 0}};
  for (const auto& c : cases) {
    EXPECT_EQ(h.Section(c.section).Color, c.color) << c.section;
    EXPECT_EQ(h.Section(c.section).Transparency, c.transparency) << c.section;
  }
  EXPECT_EQ(h.Section("SYS").GlowCount, static_cast<int32_t>(0xFF000005)) << "read in place: kept as written";
  EXPECT_EQ(h.Section("SYSCHILD").GlowCount, 0xFFFFFF) << "from an ancestor: a system colour turns into RGB";
}

// Constant indexes are all recomputed: nothing of the previous skin survives.
TEST(SkinSections, ConstantIndexesStartAfreshOnEveryLoad) {
  SkinHarness h;
  h.WriteSkin("Full", "[GLOBALINFO]\nBOXCHECKED=@0000,0000,0004,0004,1,0\n"
                      "[SCROLLBTNTOP]\nGLYPHMASK=@0000,0000,0004,0004,1,0\n");
  h.WriteSkin("Bare", "[EDIT]\nCOLOR=1\n");
  h.Load("Full");
  EXPECT_EQ(h.store.ConstData.CheckBoxChecked, 0);
  EXPECT_EQ(h.store.ConstData.MaskArrowTop, 1);
  h.Load("Bare");
  EXPECT_EQ(h.store.ConstData.IndexGLobalInfo, -1);
  EXPECT_EQ(h.store.ConstData.CheckBoxChecked, -1);
  EXPECT_EQ(h.store.ConstData.MaskArrowTop, -1);
}

// A hostile chain of 600 parents loads quickly: inheritance stops after
// kMaxAncestors ancestors, as at a cycle.
TEST(SkinSections, LongParentChainsStopAfterTheAncestorLimit) {
  SkinHarness h;
  std::string text = "[S0]\nCOLOR=5\nBORDERSMASK=@0000,0000,0004,0004,1,0\n";
  for (int i = 1; i < 600; ++i) text += "[S" + std::to_string(i) + "]\nPARENTCLASS=S" + std::to_string(i - 1) + "\n";
  h.WriteSkin("Chain", text);
  h.Load("Chain");
  EXPECT_EQ(h.Section("S" + std::to_string(kMaxAncestors)).Color, 5u);
  EXPECT_EQ(h.Section("S" + std::to_string(kMaxAncestors + 1)).Color, 0xFFFFFFu);
  EXPECT_EQ(h.Section("S" + std::to_string(kMaxAncestors)).BorderIndex, 0);
  EXPECT_EQ(h.Section("S599").BorderIndex, -1);
}

TEST(SkinSections, CommonSectionsAddWhatTheSkinLacks) {
  SkinHarness h;
  h.WriteSkin("Common", "[BUTTON]\nCOLOR=42\nGLOW=3\n[EDIT]\nCOLOR=7\n");
  h.settings.CommonSections = {"; ours",  "[EDIT]", "COLOR=99", "[MYBUTTON]", "PARENTCLASS=button", "GLOW=5",
                               "ICON=icon.bmp", "STRIP=# (0,0,8,8) (2,0,1,1)", "[GLOBALINFO]", "LOGO=icon.bmp"};
  h.dir.Write("Common/icon.bmp", SolidBmp(6, 4, 0x00FF00));
  h.Load("Common");
  const TsMaskData* icon = h.Part("MYBUTTON", "ICON");
  ASSERT_NE(icon, nullptr);
  EXPECT_EQ(icon->R, (paint::TRect{0, 0, 6, 4}));
  EXPECT_EQ(icon->ImageCount, 0);
  EXPECT_EQ(icon->WL, 0);
  ASSERT_NE(h.Part("MYBUTTON", "STRIP"), nullptr);
  EXPECT_EQ(h.Part("MYBUTTON", "STRIP")->ImageCount, 2);
  EXPECT_EQ(h.Part("GLOBALINFO", "LOGO"), nullptr) << "GLOBALINFO of the common text adds no images";
  EXPECT_EQ(h.Section("EDIT").Color, 7u);
  const TsGeneralData& mine = h.Section("MYBUTTON");
  EXPECT_EQ(mine.ParentClass, "BUTTON");
  EXPECT_EQ(mine.Color, 42u);
  EXPECT_EQ(mine.GlowCount, 5);
}

TEST(SkinSections, StrictGlobalKeysStopTheLoad) {
  SkinHarness h;
  h.WriteSkin("Strict", "[GLOBALINFO]\nVERSION=8\nSHADOW1OFFSET=abc\n");
  EXPECT_THROW(h.Load("Strict"), text::EConvertError);
  h.WriteSkin("Lenient", "[GLOBALINFO]\nVERSION=8\nBORDERWIDTH=abc\n");
  h.Load("Lenient");
  EXPECT_EQ(h.store.SkinData->ExBorderWidth, 4);
}

TEST(SkinImages, OldSkinsClearWhiteInsteadOfPremultiplying) {
  SkinHarness h;
  h.WriteSkin("Old", "[GLOBALINFO]\nVERSION=7.4\n[B]\nG=!g.PNG!2!0!4\n", {{"g.PNG", TwoPixelPng()}});
  h.Load("Old");
  const TsMaskData* m = h.Part("B", "G");
  ASSERT_NE(m, nullptr);
  EXPECT_EQ(image::GetPixel32(*m->Bmp, 0, 0), 0u);
  EXPECT_EQ(image::GetPixel32(*m->Bmp, 1, 0), 0x80FF0000u) << "not premultiplied";
}

TEST(SkinImages, BorderDrawModeOfOldSkinsFollowsTheCentreSize) {
  SkinHarness h;
  // 9 x 6 strips, 3 images of 3 x 3 with a mask row: margins 1 leave a 1-pixel centre.
  h.WriteSkin("Old",
              "[GLOBALINFO]\nVERSION=7.0\n"
              "[B]\nONE=^0000,0000,0009,0006,0001,0001,0001,0001,3,1,0,0\n"
              "TWO=^0000,0000,0009,0006,0000,0000,0000,0000,3,1,1,0\n"
              "ZERO=^0000,0000,0009,0006,0000,0000,0000,0000,0,1,0,0\n");
  h.Load("Old");
  EXPECT_EQ(h.Part("B", "ONE")->DrawMode, 1);
  EXPECT_EQ(h.Part("B", "TWO")->DrawMode, 0);
  EXPECT_EQ(h.Part("B", "ZERO")->WL, 3) << "an image count of 0 divides as 1";
}

TEST(SkinImages, DamagedImageFilesAddNoPart) {
  SkinHarness h;
  std::vector<uint8_t> huge = SolidBmp(4, 4, 0);
  huge[22] = 0xFF;  // height 255 with rows for 4
  h.WriteSkin("Bad", "[B]\nA=!a.BMP!1!0!0\nC=c.bmp\nJ=j.jpg\n",
              {{"a.BMP", huge}, {"c.bmp", {'B', 'M', 1}}, {"j.jpg", {0xFF, 0xD8, 0xFF, 0xE0}}});
  h.Load("Bad");
  EXPECT_TRUE(h.store.ma.empty());
  EXPECT_TRUE(h.store.pa.empty());
  EXPECT_TRUE(h.settings.Active);
}

struct VersionCase {
  const char* version;
  bool testSwitch;
  std::vector<TMessageKind> shown;
};

TEST(SkinVersion, MessagesShowTwicePerLoad) {
  const std::string old_text =
      "You are using an old version of the \"V\" skin. Please, update a skins to latest or link with the skin "
      "engine support for upgrading of existing skin.\r\n\r\nThis notification occurs in design-time only for your "
      "information and will not occur in real-time.";
  const std::string new_text =
      "This version of the skin have not complete support by used skin engine release.\r\nComponents must be "
      "updated up to latest version for using this skin.";
  const VersionCase cases[] = {
      {"9.0", false, {TMessageKind::mkWarning, TMessageKind::mkWarning}},
      {"8.99", false, {}},
      {"7", false, {}},
      {"6.5", false, {}},
      {"6.5", true, {TMessageKind::mkInformation, TMessageKind::mkInformation}},
  };
  for (const VersionCase& c : cases) {
    SkinHarness h(c.testSwitch);
    h.WriteSkin("V", std::string("[GLOBALINFO]\nVERSION=") + c.version + "\n");
    h.Load("V");
    std::vector<TMessageKind> kinds;
    for (const auto& [kind, text] : h.messages) {
      kinds.push_back(kind);
      EXPECT_EQ(text, kind == TMessageKind::mkWarning ? new_text : old_text);
    }
    EXPECT_EQ(kinds, c.shown) << c.version;
  }
}

}  // namespace
}  // namespace zelvan::store
