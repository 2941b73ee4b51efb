#include "core/store/shadow_templates.h"

#include <gtest/gtest.h>

#include "core/image/bitmap32.h"
#include "core/store/skin_store.h"

namespace zelvan::store {
namespace {

constexpr uint32_t kWhiteNoAlpha = 0x00FFFFFF;

// A bitmap whose pixels are all `value`.
std::unique_ptr<image::TWorkingBitmap> Filled(int width, int height, uint32_t value) {
  auto bitmap = image::CreateBmp32(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image::SetPixel32(*bitmap, x, y, value);
  return bitmap;
}

struct ShadowFixture {
  TSkinSettings settings;
  TsSkinStore store{TSkinServices{}, settings};
  std::unique_ptr<image::TWorkingBitmap> builtInActive = Filled(33, 33, 0x60000000);
  std::unique_ptr<image::TWorkingBitmap> builtInInactive = Filled(33, 33, 0x30000000);
  TShadowTemplates shadows;

  ShadowFixture() { store.SkinData->Version = 8; }

  // An EXBORDER part of `states` images side by side, state i filled with 0x100 + i.
  TsMaskData& AddExBorder(int states, int16_t wl, int16_t wt, int16_t wr, int16_t wb) {
    TsMaskData part;
    part.ClassName = "GLOBALINFO";
    part.PropertyName = "EXBORDER";
    part.Bmp = image::CreateBmp32(20 * states, 20);
    for (int s = 0; s < states; ++s)
      for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) image::SetPixel32(*part.Bmp, 20 * s + x, y, 0x100u + static_cast<uint32_t>(s));
    part.R = {0, 0, 20 * states, 20};
    part.ImageCount = static_cast<int16_t>(states);
    part.WL = wl, part.WT = wt, part.WR = wr, part.WB = wb;
    part.Manager = &store;
    store.ma.push_back(std::move(part));
    store.ConstData.ExBorder = static_cast<int16_t>(store.ma.size() - 1);
    return store.ma.back();
  }

  void Check(bool inEffect) { CheckShadows(store, inEffect, builtInActive.get(), builtInInactive.get(), shadows); }
};

TEST(ShadowTemplates, OutOfEffectOnlyZeroesTheMargins) {
  ShadowFixture f;
  f.Check(true);
  const image::TWorkingBitmap* kept = f.shadows.Active.get();
  f.Check(false);
  EXPECT_EQ(f.shadows.Size, (paint::TRect{0, 0, 0, 0}));
  EXPECT_EQ(f.shadows.Active.get(), kept);
}

TEST(ShadowTemplates, WithoutABorderPartTheBuiltInShadowsServe) {
  for (const bool unusablePart : {false, true}) {
    ShadowFixture f;
    if (unusablePart) f.AddExBorder(1, 3, 3, 3, 3).ImageCount = 0;  // a part without a state image
    f.Check(true);
    EXPECT_EQ(f.shadows.Size, (paint::TRect{9, 9, 9, 9}));
    ASSERT_TRUE(f.shadows.Active && f.shadows.Inactive);
    EXPECT_EQ(image::GetPixel32(*f.shadows.Active, 16, 16), 0x60000000u);
    EXPECT_EQ(image::GetPixel32(*f.shadows.Inactive, 16, 16), 0x30000000u);
    EXPECT_NE(f.shadows.Active.get(), f.builtInActive.get()) << "templates are copies";
  }
}

TEST(ShadowTemplates, ABorderPartGivesStatesAndMargins) {
  const struct {
    int states;
    int16_t contentOffs, drawMode;
    paint::TRect margins;
    uint32_t inactive, active;
  } cases[] = {
      {2, 0, 0, {3, 4, 5, 6}, 0x100, 0x101},
      {2, 4, 0, {0, 0, 1, 2}, 0x100, 0x101},  // margins below the content offset stop at 0
      {2, 7, 1, {7, 7, 7, 7}, 0x100, 0x101},  // a draw mode takes the offset everywhere
      {1, 0, 0, {3, 4, 5, 6}, 0x100, 0x100},  // one state serves both
  };
  for (const auto& c : cases) {
    ShadowFixture f;
    f.store.SkinData->ExContentOffs = c.contentOffs;
    f.store.SkinData->ExDrawMode = c.drawMode;
    f.AddExBorder(c.states, 3, 4, 5, 6);
    f.Check(true);
    EXPECT_EQ(f.shadows.Size, c.margins);
    ASSERT_TRUE(f.shadows.Active && f.shadows.Inactive);
    EXPECT_EQ(f.shadows.Inactive->Width(), 20);
    EXPECT_EQ(image::GetPixel32(*f.shadows.Inactive, 10, 10), c.inactive);
    EXPECT_EQ(image::GetPixel32(*f.shadows.Active, 10, 10), c.active);
  }
}

TEST(ShadowTemplates, OldSkinsLoseTheirWhiteWithoutAlpha) {
  for (const double version : {7.5, 7.6}) {
    ShadowFixture f;
    f.store.SkinData->Version = version;
    f.AddExBorder(2, 3, 3, 3, 3);
    image::SetPixel32(*f.store.ma.back().Bmp, 0, 0, kWhiteNoAlpha);
    image::SetPixel32(*f.store.ma.back().Bmp, 20, 0, kWhiteNoAlpha);
    f.Check(true);
    const uint32_t expected = version < 7.6 ? 0 : kWhiteNoAlpha;
    EXPECT_EQ(image::GetPixel32(*f.shadows.Inactive, 0, 0), expected);
    EXPECT_EQ(image::GetPixel32(*f.shadows.Active, 0, 0), expected);
  }
}

}  // namespace
}  // namespace zelvan::store
