// The skinned bit button under Wine on the kit skin: the shared face's looks,
// the glyph picture each state shows from a 32-bit strip, graying, blend
// clamping and the placement rules that reach the cache.
#include "skin/controls/bit_btn.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "core/image/bitmap32.h"
#include "kit_skin_fixture.h"
#include "skin/paint/control_paint.h"

namespace {

class BitBtnTest : public KitSkinTest {
 protected:
  void SetUp() override {
    KitSkinTest::SetUp();
    form->Show();
    edit = TakeFocusAway(*form);
    SetAnimationsSuppressed(true);
  }
  void TearDown() override {
    SetAnimationsSuppressed(false);
    KitSkinTest::TearDown();
  }
  TsBitBtn* Button(const std::wstring& caption) {
    auto* button = Add<TsBitBtn>(form, L"Bit", "BUTTON", 20, 20);
    button->SetBounds(20, 20, 75, 25);
    button->SetText(caption);
    SendSkinCommand(button->Handle(), SKC_REFRESH, reinterpret_cast<LPARAM>(manager.get()));
    Pump(20);
    return button;
  }
  // A 32-bit strip of opaque pictures, one colour each (0x00RRGGBB).
  static void Strip(TBitmap& glyph, const std::vector<uint32_t>& colours) {
    glyph.SetPixelFormat(pf32bit);
    glyph.SetSize(static_cast<int>(16 * colours.size()), 16);
    GdiFlush();
    for (int y = 0; y < 16; ++y)
      for (int x = 0; x < glyph.Width(); ++x)
        zelvan::image::SetPixel32(glyph.Image(), x, y, 0xFF000000u | colours[static_cast<size_t>(x / 16)]);
  }
  static uint32_t At(TsBitBtn* button, POINT p) {
    GdiFlush();
    return zelvan::image::GetPixel32(button->SkinData.CacheBmp()->Image(), p.x, p.y) & 0xFFFFFF;
  }
  // Alpha blending of an opaque picture may round a channel down by one.
  static bool Near(uint32_t a, uint32_t b) {
    for (int shift = 0; shift < 24; shift += 8) {
      if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > 1) return false;
    }
    return true;
  }
  static POINT GlyphCentre(TsBitBtn* button) {
    const RECT r = button->ImgRect(button->CurrentState());
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  HWND edit = nullptr;
};

TEST_F(BitBtnTest, EachStateShowsItsPictureOfTheStrip) {
  TsBitBtn* button = Button(L"");
  ASSERT_TRUE(button->SkinData.Skinned());
  Strip(button->Glyph(), {0xFF0000, 0x00FF00, 0x0000FF});
  button->SetNumGlyphs(3);
  struct Case {
    const char* what;
    int reach;  // 0 nothing, 1 hot, 2 pressed, 3 default
    uint32_t colour;
  } cases[] = {{"normal", 0, 0xFF0000}, {"hot", 1, 0x00FF00}, {"pressed", 2, 0x0000FF}, {"default", 3, 0x0000FF}};
  for (const auto& c : cases) {
    if (c.reach == 1) button->Perform(CM_MOUSEENTER);
    if (c.reach == 2) SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    if (c.reach == 3) button->SetDefault(true);
    ASSERT_TRUE(button->PrepareCache()) << c.what;
    EXPECT_PRED2(Near, At(button, GlyphCentre(button)), c.colour) << c.what;
    // Away from the glyph the section's picture for the state.
    auto expected = std::make_unique<TBitmap>(75, 25, pf32bit);
    PaintItemWithParent(button->SkinData, form, true, expected->Image(), {0, 0}, {0, 0, 75, 25},
                        ButtonPaintedState(button->SkinData, button->CurrentState()));
    GdiFlush();
    EXPECT_EQ(At(button, {3, 12}), zelvan::image::GetPixel32(expected->Image(), 3, 12) & 0xFFFFFF) << c.what;
    if (c.reach == 1) button->Perform(CM_MOUSELEAVE);
    if (c.reach == 2) {
      SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
      ::SetFocus(edit);
    }
  }
}

TEST_F(BitBtnTest, GrayedOnlyInTheNormalStateAndBlendIsClamped) {
  TsBitBtn* button = Button(L"");
  Strip(button->Glyph(), {0xFF0000});
  button->SetGrayed(true);
  ASSERT_TRUE(button->PrepareCache());
  const uint32_t normal = At(button, GlyphCentre(button));
  EXPECT_EQ(normal >> 16, (normal >> 8) & 0xFF) << "grey";
  EXPECT_EQ(normal & 0xFF, (normal >> 8) & 0xFF) << "grey";
  button->Perform(CM_MOUSEENTER);
  ASSERT_TRUE(button->PrepareCache());
  EXPECT_PRED2(Near, At(button, GlyphCentre(button)), 0xFF0000u) << "hot: in colour";

  struct Case {
    int given, stored;
  } blends[] = {{150, 100}, {-5, 0}, {40, 40}};
  for (const auto& c : blends) {
    button->SetBlend(c.given);
    EXPECT_EQ(button->Blend(), c.stored) << c.given;
  }
}

TEST_F(BitBtnTest, PlacementReachesTheCache) {
  TsBitBtn* button = Button(L"OK");
  ASSERT_TRUE(button->PrepareCache());
  TCanvas& canvas = button->SkinData.CacheBmp()->Canvas();
  const SIZE text = button->CaptionSize(canvas);
  EXPECT_EQ(button->CaptionRect().left, (75 - text.cx + 1) / 2) << "no glyph: centred, spacing as 0";
  Strip(button->Glyph(), {0x00FF00});
  button->SetAlignment(taLeftJustify);
  ASSERT_TRUE(button->PrepareCache());
  EXPECT_EQ(button->ImgRect(0).left, 2) << "left-justified, automatic margin";
  EXPECT_PRED2(Near, At(button, {2 + 8, 12}), 0x00FF00u);
}

}  // namespace
