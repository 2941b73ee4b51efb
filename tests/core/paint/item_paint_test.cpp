// Whole items: background, corner images, frame and hue, with the skin we
// ship and with skins built by code.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/paint/block_transfer.h"
#include "core/paint/hue_saturation.h"
#include "core/paint/item_paint.h"
#include "core/paint/mask_painting.h"
#include "core/paint/texture.h"
#include "tests/core/paint/item_skin_fixture.h"
#include "tests/core/store/skin_fixture.h"

namespace zelvan::paint {
namespace {

using testing::Filled32;
using testing::ItemSkin;
using testing::Pixels;
using testing::Values;

constexpr uint32_t kUntouched = 0x12345678;

// Every byte of the rows, whatever the format.
std::vector<uint8_t> Bytes(const image::TWorkingBitmap& bitmap) {
  std::vector<uint8_t> out;
  for (int y = 0; y < bitmap.Height(); ++y) out.insert(out.end(), bitmap.ScanLine(y), bitmap.ScanLine(y) + bitmap.Stride());
  return out;
}

struct RefusedCase {
  const char* name;
  bool manager;
  int section;
  TRect rect;
  image::TPixelFormat format;
};

class ItemRefused : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(ItemRefused, PaintsNothing) {
  const RefusedCase& c = GetParam();
  ItemSkin skin;
  skin.AddSection(Values(0));
  auto bitmap = Filled32(4, 3, kUntouched);
  if (c.format != image::TPixelFormat::pf32bit) bitmap = std::make_unique<image::TWorkingBitmap>(4, 3, c.format);
  const auto before = Bytes(*bitmap);
  const store::TsSkinStore* manager = c.manager ? &skin.Store() : nullptr;
  TItemSkin item;
  item.Manager = manager;
  item.SkinIndex = c.section;
  item.HUEOffset = 90;
  PaintItem(item, {}, false, *bitmap, {}, c.rect, 0);
  PaintItemByIndex(c.section, "S0", {}, -1, -1, manager, *bitmap, {}, c.rect, 0);
  PaintWrapperItem(c.section, -1, -1, manager, *bitmap, {}, c.rect, 0, {}, "S0", -1);
  EXPECT_EQ(Bytes(*bitmap), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ItemRefused,
    ::testing::Values(RefusedCase{"no_manager", false, 0, {0, 0, 4, 3}, image::TPixelFormat::pf32bit},
                      RefusedCase{"section_below_0", true, -1, {0, 0, 4, 3}, image::TPixelFormat::pf32bit},
                      RefusedCase{"section_past_the_end", true, 1, {0, 0, 4, 3}, image::TPixelFormat::pf32bit},
                      RefusedCase{"rect_past_the_right", true, 0, {1, 0, 5, 3}, image::TPixelFormat::pf32bit},
                      RefusedCase{"rect_past_the_bottom", true, 0, {0, 0, 4, 4}, image::TPixelFormat::pf32bit},
                      RefusedCase{"negative_left", true, 0, {-1, 0, 2, 3}, image::TPixelFormat::pf32bit},
                      RefusedCase{"negative_top", true, 0, {0, -1, 2, 3}, image::TPixelFormat::pf32bit},
                      RefusedCase{"empty_rect", true, 0, {2, 1, 2, 3}, image::TPixelFormat::pf32bit},
                      RefusedCase{"not_32_bit", true, 0, {0, 0, 4, 3}, image::TPixelFormat::pf24bit}),
    [](const auto& test) { return std::string(test.param.name); });

// A 2 x 2 glyph of one opaque colour, no mask.
std::unique_ptr<image::TWorkingBitmap> Glyph(uint32_t pixel) { return Filled32(2, 2, pixel); }

// Corner images land at the rect's corners, the bottom-left one at the
// rect's left too, not at the bitmap's.
TEST(PaintItem, CornerImagesSitInTheRectsCorners) {
  ItemSkin skin;
  const int section = skin.AddSection(Values(0));
  store::TsGeneralData& gd = skin.Section(section);
  gd.ImgTL = skin.AddPart(Glyph(0xFF000001), 1, 0);
  gd.ImgTR = skin.AddPart(Glyph(0xFF000002), 1, 0);
  gd.ImgBL = skin.AddPart(Glyph(0xFF000003), 1, 0);
  gd.ImgBR = skin.AddPart(Glyph(0xFF000004), 1, 0);
  auto bitmap = Filled32(8, 6, kUntouched);
  TItemSkin item{&skin.Store(), section, "S0"};
  PaintItem(item, {}, false, *bitmap, {}, {2, 1, 7, 6}, 0);
  constexpr uint32_t U = kUntouched, B = 0xFF000000, a = 0xFF000001, b = 0xFF000002, c = 0xFF000003, d = 0xFF000004;
  EXPECT_EQ(Pixels(*bitmap), (std::vector<uint32_t>{
                                 U, U, U, U, U, U, U, U,  //
                                 U, U, a, a, B, b, b, U,  //
                                 U, U, a, a, B, b, b, U,  //
                                 U, U, B, B, B, B, B, U,  //
                                 U, U, c, c, B, d, d, U,  //
                                 U, U, c, c, B, d, d, U,
                             }));
}

// The hue change reaches the item's rect only: what the bitmap held beside
// it keeps its colour.
TEST(PaintItem, HueAndSaturationChangeOnlyTheRect) {
  ItemSkin skin;
  const int section = skin.AddSection(Values(0x000000FF));
  auto bitmap = Filled32(4, 1, 0xFF00FF00);
  TItemSkin item{&skin.Store(), section, "S0"};
  item.HUEOffset = 120;
  item.Saturation = -50;
  PaintItem(item, {}, false, *bitmap, {}, {1, 0, 4, 1}, 0);
  const uint32_t changed = ChangeSaturation(-50, ChangeHue(120, 0xFFFF0000));
  EXPECT_NE(changed, 0xFFFF0000u);
  EXPECT_EQ(Pixels(*bitmap), (std::vector<uint32_t>{0xFF00FF00, changed, changed, changed}));
}

struct FrameCase {
  const char* name;
  int state, transparency, drawMode;
  bool hued;
};

class ItemFrameAndHue : public ::testing::TestWithParam<FrameCase> {};

// A frame part that hides itself in state 0 (draw mode flag 2) leaves a
// see-through state without its hue change; a drawn frame or an opaque
// state gets it.
TEST_P(ItemFrameAndHue, HueFollowsTheFrame) {
  const FrameCase& c = GetParam();
  ItemSkin skin;
  const int section = skin.AddSection(2, Values(0x000000FF, c.transparency), Values(0x000000FF, c.transparency));
  TItemSkin item{&skin.Store(), section, "S0"};
  item.BorderIndex = skin.AddPart(Filled32(6, 3, 0xFF0000FF), 2, 0, c.drawMode);
  auto parent = Filled32(3, 3, 0xFF00FF00);
  const TCacheInfo info{parent.get(), 0, 0, kKeyColor, true};
  auto plain = Filled32(3, 3, 0), hued = Filled32(3, 3, 0);
  PaintItem(item, info, false, *plain, {}, {0, 0, 3, 3}, c.state);
  item.HUEOffset = 120;
  PaintItem(item, info, false, *hued, {}, {0, 0, 3, 3}, c.state);
  EXPECT_EQ(Pixels(*plain) != Pixels(*hued), c.hued);
}

INSTANTIATE_TEST_SUITE_P(Cases, ItemFrameAndHue,
                         ::testing::Values(FrameCase{"hidden_frame_see_through_state", 0, 50, 2, false},
                                           FrameCase{"hidden_frame_opaque_state", 0, 0, 2, true},
                                           FrameCase{"hidden_frame_shows_when_hot", 1, 50, 2, true},
                                           FrameCase{"frame_drawn_in_state_0", 0, 50, 0, true}),
                         [](const auto& test) { return std::string(test.param.name); });

// The skin we ship, from its committed folder.
struct AirSkin : store::testing::SkinHarness {
  AirSkin() {
    const std::string skins = ZELVAN_SKINS;
    settings.SkinDirectory = std::u16string(skins.begin(), skins.end());
    settings.PreviewMode = true;
    Load("Air");
  }
};

// Air's BUTTON declares three states but, like every section, has values for
// two: state 2 is the hot state, see-through to the parent, under frame image 2.
TEST(PaintItem, AirButtonInItsThirdState) {
  AirSkin air;
  const int button = air.store.GetSkinIndex("BUTTON");
  ASSERT_GE(button, 0);
  const store::TsGeneralData& gd = air.store.gd[static_cast<size_t>(button)];
  ASSERT_EQ(gd.States, 3);
  ASSERT_EQ(gd.Props[1].Transparency, 100);
  ASSERT_TRUE(air.store.IsValidImgIndex(gd.BorderIndex));
  auto parent = image::CreateBmp32(80, 30);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 80; ++x) parent->Row32(y)[x] = 0xFF000000u | static_cast<uint32_t>(x * 3 + y * 512);
  const TCacheInfo info{parent.get(), 3, 2, kKeyColor, true};
  const TRect rect{0, 0, 75, 25};
  auto painted = Filled32(75, 25, 0);
  TItemSkin item{&air.store, button, "BUTTON", gd.BorderIndex};
  PaintItem(item, info, true, *painted, {}, rect, 2);

  auto expected = Filled32(75, 25, 0);
  CopyBlock(*expected, {0, 0}, *parent, {3, 2, 78, 27});
  DrawMaskRect(*expected, rect, true, 2, air.store.ma[static_cast<size_t>(gd.BorderIndex)], info);
  EXPECT_EQ(Pixels(*painted), Pixels(*expected));
  auto hot = Filled32(75, 25, 0);
  PaintItem(item, info, true, *hot, {}, rect, 1);
  EXPECT_NE(Pixels(*painted), Pixels(*hot)) << "state 2 has a frame image of its own";
}

// Air's FORM takes its paper (small enough to be an image part) as its
// normal texture, tiled over the whole rect at full image share.
TEST(PaintItem, AirFormTilesItsPaperTexture) {
  AirSkin air;
  const int form = air.store.GetSkinIndex("FORM");
  ASSERT_GE(form, 0);
  const int paper = air.store.gd[static_cast<size_t>(form)].TextureNormal;
  ASSERT_TRUE(air.store.IsValidImgIndex(paper));
  auto painted = Filled32(40, 30, 0), expected = Filled32(40, 30, 0);
  PaintItem(TItemSkin{&air.store, form, "FORM"}, {}, false, *painted, {}, {0, 0, 40, 30}, 0);
  TRect left{0, 0, 40, 30};
  FillTexture(*expected, left, nullptr, tmTile, air.store.ma[static_cast<size_t>(paper)]);
  ASSERT_EQ(left.Right, kRectCovered);
  EXPECT_EQ(Pixels(*painted), Pixels(*expected));
}

}  // namespace
}  // namespace zelvan::paint
