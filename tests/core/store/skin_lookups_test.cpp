#include <gtest/gtest.h>

#include "core/image/bitmap32.h"
#include "core/paint/system_colors.h"
#include "core/store/skin_loader.h"
#include "core/store/skin_store.h"

namespace zelvan::store {
namespace {

// A store filled by hand: sections with parents and parts with names.
class Lookups : public ::testing::Test {
 protected:
  Lookups() : store_({}, settings_) {}

  int Section(const std::string& name, const std::string& parent = "") {
    TsGeneralData& g = store_.gd.emplace_back();
    g.ClassName = name;
    g.ParentClass = parent;
    return static_cast<int>(store_.gd.size() - 1);
  }
  int Part(const std::string& section, const std::string& property, TacImgType type = itisaBorder) {
    TsMaskData& m = store_.ma.emplace_back();
    m.ClassName = section;
    m.PropertyName = property;
    m.ImgType = type;
    return static_cast<int>(store_.ma.size() - 1);
  }

  TSkinSettings settings_;
  TsSkinStore store_;
};

TEST_F(Lookups, SectionsAndPartsByExactName) {
  Section("EDIT");
  const int button = Section("BUTTON");
  Section("BUTTON");
  EXPECT_EQ(store_.GetSkinIndex("BUTTON"), button);
  EXPECT_EQ(store_.GetSkinIndex("Button"), -1);
  EXPECT_EQ(store_.GetSkinIndex(""), -1);
  const int first = Part("BUTTON", "BORDERSMASK");
  Part("BUTTON", "BORDERSMASK");
  EXPECT_EQ(store_.GetMaskIndex(button, "BUTTON", "BORDERSMASK"), first);
  EXPECT_EQ(store_.GetMaskIndex(-1, "BUTTON", "BORDERSMASK"), -1);
  EXPECT_EQ(store_.GetMaskIndex(button, "", "BORDERSMASK"), -1);
}

TEST_F(Lookups, InheritanceFollowsParentsAndStopsAtCycles) {
  const int grand = Section("GRAND");
  const int parent = Section("PARENT", "GRAND");
  const int child = Section("CHILD", "PARENT");
  const int self = Section("SELF", "SELF");
  const int a = Section("A", "B");
  Section("B", "A");
  const int orphan = Section("ORPHAN", "MISSING");
  const int border = Part("GRAND", "BORDERSMASK");
  EXPECT_EQ(store_.GetMaskIndex(child, "CHILD", "BORDERSMASK"), border);
  EXPECT_EQ(store_.GetMaskIndex(parent, "PARENT", "BORDERSMASK"), border);
  EXPECT_EQ(store_.GetMaskIndex("CHILD", "BORDERSMASK"), -1);  // the two-argument form does not inherit
  for (int i : {self, a, orphan}) EXPECT_EQ(store_.GetMaskIndex(i, store_.gd[i].ClassName, "BORDERSMASK"), -1);
  EXPECT_EQ(store_.GetMaskIndex(grand, "GRAND", "NONE"), -1);
}

TEST_F(Lookups, TexturesOnlyMatchTextureParts) {
  const int s = Section("PANEL");
  const int border = Part("PANEL", "PATTERN", itisaBorder);
  const int texture = Part("PANEL", "PATTERN", itisaTexture);
  EXPECT_EQ(store_.GetTextureIndex(s, "PANEL", "PATTERN"), texture);
  EXPECT_EQ(store_.GetMaskIndex(s, "PANEL", "PATTERN"), border);
}

TEST_F(Lookups, InitMaskIndexesInherits) {
  Section("GLOBALINFO");
  Part("GLOBALINFO", "BORDERSMASK");
  const int parent = Section("BUTTON");
  const int child = Section("BUTTON2", "BUTTON");
  const int border = Part("BUTTON", "BORDERSMASK");
  const int hot = Part("BUTTON", "HOTPATTERN", itisaTexture);
  store_.InitMaskIndexes();
  EXPECT_EQ(store_.gd[0].BorderIndex, -1);  // GLOBALINFO is skipped
  EXPECT_EQ(store_.gd[parent].BorderIndex, border);
  EXPECT_EQ(store_.gd[child].BorderIndex, border);
  EXPECT_EQ(store_.gd[child].Props[1].TextureIndex, hot);
}

struct MarginCase {
  int wl, wt, wr, wb, border, count, mask, width, height;
  int left, top, right, bottom;
};

TEST_F(Lookups, MaskWidths) {
  const MarginCase cases[] = {
      {0, 0, 0, 0, 0, 3, 0, 90, 20, 30, 20, 30, 20},  // one state image each way
      {0, 0, 0, 0, 0, 3, 1, 90, 21, 30, 10, 30, 10},  // mask row halves the height
      {1, 2, 3, 4, 7, 3, 1, 90, 20, 1, 2, 3, 4},       // own margins first
      {0, 0, 0, 0, 7, 3, 1, 90, 20, 7, 7, 7, 7},       // then the border width
      {0, 0, 0, 0, 0, 0, -1, 90, 20, 90, 0, 0, 0},     // no division by zero
  };
  for (const MarginCase& c : cases) {
    store_.ma.clear();
    TsMaskData& m = store_.ma.emplace_back();
    m.WL = static_cast<int16_t>(c.wl), m.WT = static_cast<int16_t>(c.wt), m.WR = static_cast<int16_t>(c.wr),
    m.WB = static_cast<int16_t>(c.wb);
    m.BorderWidth = static_cast<int16_t>(c.border);
    m.ImageCount = static_cast<int16_t>(c.count);
    m.MaskType = static_cast<int16_t>(c.mask);
    m.R = {0, 0, c.width, c.height};
    EXPECT_EQ((std::vector<int>{store_.MaskWidthLeft(0), store_.MaskWidthTop(0), store_.MaskWidthRight(0),
                                store_.MaskWidthBottom(0)}),
              (std::vector<int>{c.left, c.top, c.right, c.bottom}))
        << c.width << "x" << c.height << " count " << c.count;
  }
  EXPECT_EQ(store_.MaskWidthLeft(5), 0);
}

TEST_F(Lookups, CornerTypeLooksInTheFourCornersOfTheFirstImage) {
  // Two 6 x 6 state images; margins of 2.
  auto bitmap = image::CreateBmp32(12, 6);
  TsMaskData m;
  m.R = {0, 0, 12, 6};
  m.ImageCount = 2;
  m.WL = m.WT = m.WR = m.WB = 2;
  EXPECT_EQ(CornerType(m, bitmap.get()), 0);
  image::SetPixel32(*bitmap, 5, 5, paint::kKeyPixel);  // the first image's bottom-right corner pixel
  EXPECT_EQ(CornerType(m, bitmap.get()), 0) << "upper ends stop one short of the bitmap";
  image::SetPixel32(*bitmap, 5, 5, 0);
  image::SetPixel32(*bitmap, 4, 4, paint::kKeyPixel);
  EXPECT_EQ(CornerType(m, bitmap.get()), 1);
  image::SetPixel32(*bitmap, 4, 4, 0);
  image::SetPixel32(*bitmap, 7, 0, paint::kKeyPixel);  // second image only
  EXPECT_EQ(CornerType(m, bitmap.get()), 0);
  m.ClassName = "BUTTON_HUGE";
  m.PropertyName = "BORDERSMASK";
  EXPECT_EQ(CornerType(m, bitmap.get()), 2);
}

TEST_F(Lookups, DerivedColours) {
  EXPECT_EQ(store_.GetGlobalColor(), paint::ClassicSystemColor(15));
  EXPECT_EQ(store_.GetGlobalFontColor(), paint::kKeyColor);
  EXPECT_EQ(store_.GetActiveEditFontColor(), 0xFF000008u);
  EXPECT_EQ(store_.GetHighLightColor(true), 0xFF00000Du);
  EXPECT_EQ(store_.GetHighLightFontColor(true), 0xFF00000Eu);
  store_.gd[Section("MENUITEM")].HotColor = 0xFFFFFF;  // white is refused for the colour...
  store_.gd.back().HotFontColor.Color = 0xFFFFFF;      // ...and accepted for the text
  EXPECT_EQ(store_.GetHighLightColor(false), 0xFF00000Du);
  EXPECT_EQ(store_.GetHighLightFontColor(false), 0xFFFFFFu);
  TsGeneralData& selection = store_.gd[Section("SELECTION")];
  selection.States = 2;
  selection.Props[0].Color = 0x112233;
  selection.Props[1].Color = 0x445566;
  EXPECT_EQ(store_.GetHighLightColor(false), 0x112233u);
  EXPECT_EQ(store_.GetHighLightColor(true), 0x445566u);
  selection.States = 1;
  EXPECT_EQ(store_.GetHighLightColor(true), 0x112233u);
  selection.Props[0].Color = paint::kKeyColor;
  store_.gd[store_.GetSkinIndex("MENUITEM")].HotColor = 0x0A0B0C;
  EXPECT_EQ(store_.GetHighLightColor(false), 0x0A0B0Cu);
}

}  // namespace
}  // namespace zelvan::store
