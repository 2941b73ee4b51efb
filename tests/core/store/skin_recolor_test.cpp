#include <gtest/gtest.h>

#include "core/image/bitmap32.h"
#include "core/paint/hue_saturation.h"
#include "tests/core/store/skin_fixture.h"

namespace zelvan::store {
namespace {

using testing::SkinHarness;
using testing::SolidBmp;

constexpr uint32_t kRedPixel = 0xFFFF0000;

// A red master with the close button in its left 10 x 10 pixels, and red
// title-bar button images of their own.
void WriteRedSkin(const SkinHarness& h, int keepHue) {
  h.WriteSkin("Red",
              "[GLOBALINFO]\nVERSION=8\nMASTERBITMAP=master.bmp\nBIKEEPHUE=" + std::to_string(keepHue) +
                  "\nSHADOW1COLOR=255\n"
                  "BICONCLOSE=@0000,0000,0010,0010,1,0\n"
                  "BICONMAX=!max.BMP!1!0!2\nBICONMAXGLOW0=!glow.BMP!1!0!3\nSICONCLOSE=!small.BMP!1!0!2\n"
                  "[EDIT]\nCOLOR=255\nTCLEFT=-1\nOTHER=!other.BMP!1!0!2\n",
              {{"master.bmp", SolidBmp(40, 20, 0xFF0000)},
               {"max.BMP", SolidBmp(2, 2, 0xFF0000)},
               {"glow.BMP", SolidBmp(2, 2, 0xFF0000)},
               {"small.BMP", SolidBmp(2, 2, 0xFF0000)},
               {"other.BMP", SolidBmp(2, 2, 0xFF0000)}});
}

TEST(SkinRecolor, HueKeepsTheTitleBarButtonsThatTheSkinNames) {
  const uint32_t turned = paint::ChangeHue(120, kRedPixel);
  ASSERT_NE(turned, kRedPixel);
  const struct {
    int keepHue;
    uint32_t closeInMaster, max, maxGlow, smallClose, other;
  } cases[] = {
      {0, turned, turned, turned, turned, turned},
      {1, kRedPixel, kRedPixel, kRedPixel, kRedPixel, turned},
      {2, kRedPixel, turned, turned, kRedPixel, turned},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.keepHue);
    SkinHarness h;
    h.settings.HueOffset = 120;
    WriteRedSkin(h, c.keepHue);
    h.Load("Red");
    EXPECT_EQ(image::GetPixel32(*h.store.MasterBitmap, 5, 5), c.closeInMaster);
    EXPECT_EQ(image::GetPixel32(*h.store.MasterBitmap, 20, 5), turned);
    EXPECT_EQ(image::GetPixel32(*h.Part("GLOBALINFO", "BICONMAX")->Bmp, 0, 0), c.max);
    EXPECT_EQ(image::GetPixel32(*h.Part("GLOBALINFO", "BICONMAXGLOW0")->Bmp, 0, 0), c.maxGlow);
    EXPECT_EQ(image::GetPixel32(*h.Part("GLOBALINFO", "SICONCLOSE")->Bmp, 0, 0), c.smallClose);
    EXPECT_EQ(image::GetPixel32(*h.Part("EDIT", "OTHER")->Bmp, 0, 0), c.other);
    EXPECT_EQ(h.Section("EDIT").Color, paint::ChangeColorHue(255, 120));
    EXPECT_EQ(h.Section("EDIT").Props[0].Color, paint::ChangeColorHue(255, 120));
    EXPECT_EQ(h.Section("EDIT").FontColor.Left, static_cast<TColor>(-1)) << "-1 means none and stays";
    EXPECT_EQ(h.store.SkinData->Shadow1Color, paint::ChangeColorHue(255, 120));
  }
}

TEST(SkinRecolor, MarkersStayWhatTheyMean) {
  for (const int saturation : {0, 40}) {
    SkinHarness h;
    h.settings.HueOffset = 120;
    h.settings.Saturation = saturation;
    h.WriteSkin("Keys", "[GLOBALINFO]\nVERSION=8\nBORDERCOLOR=$FF00FF\n[EDIT]\nCOLOR=$FF00FF\nHOTCOLOR=$FF00FF\n");
    h.Load("Keys");
    EXPECT_EQ(h.Section("EDIT").Color, paint::kKeyColor) << "the key colour means no colour";
    EXPECT_EQ(h.Section("EDIT").HotColor, paint::kKeyColor);
    EXPECT_EQ(h.store.SkinData->BorderColor, paint::kKeyColor);
  }
}

TEST(SkinRecolor, SaturationIsTakenModulo101) {
  auto load = [](int saturation) {
    SkinHarness h;
    h.settings.Saturation = saturation;
    WriteRedSkin(h, 0);
    h.WriteSkin("Red", "[EDIT]\nCOLOR=$4080C0\n");
    h.Load("Red");
    return h.Section("EDIT").Color;
  };
  EXPECT_EQ(load(150), load(49));
  EXPECT_NE(load(49), 0x4080C0u);
  EXPECT_EQ(load(101), 0x4080C0u);
}

}  // namespace
}  // namespace zelvan::store
