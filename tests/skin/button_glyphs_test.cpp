#include "skin/image/button_glyphs.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

#include "../framework/test_support.h"
#include "core/image/bitmap32.h"
#include "../core/store/skin_fixture.h"
#include "core/store/skin_files.h"
#include "skin/image/alpha_image_list.h"
#include "skin/image/glyph_mode.h"
#include "framework/stdctrls/speed_button.h"
#include "skin_test_kit.h"
#include "tools/common/png_writer.h"

namespace {

uint32_t At(TBitmap& bitmap, int x, int y) { return reinterpret_cast<uint32_t*>(bitmap.ScanLine(y))[x]; }

void Fill(TBitmap& bitmap, uint32_t pixel) {
  for (int y = 0; y < bitmap.Height(); ++y)
    for (int x = 0; x < bitmap.Width(); ++x) reinterpret_cast<uint32_t*>(bitmap.ScanLine(y))[x] = pixel;
}

// An RGBA strip of `count` 4 x 4 pictures, picture i opaque grey 40 * (i + 1).
std::vector<uint8_t> StripPng(int count) {
  zelvan::png::PngRecipe recipe;
  recipe.width = 4 * count, recipe.height = 4, recipe.colorType = 6;
  for (int y = 0; y < 4; ++y) {
    std::vector<uint8_t> row;
    for (int i = 0; i < 4 * count; ++i) {
      const uint8_t g = static_cast<uint8_t>(40 * (i / 4 + 1));
      row.insert(row.end(), {g, g, g, 255});
    }
    recipe.rows.push_back(row);
  }
  return zelvan::png::WritePng(recipe);
}

TEST(StdGlyphList, HoldsFiveStripsOfThreeStates) {
  TsAlphaImageList& list = StdGlyphList();
  EXPECT_EQ(list.Width(), 48);
  EXPECT_EQ(list.Height(), 16);
  ASSERT_EQ(list.Count(), 5);
  ASSERT_EQ(list.Items().Count(), 5);
  const auto size = zelvan::image::GlyphModeSize(list.Width(), list.Height());
  EXPECT_EQ(size.ImageCount, 3);
  EXPECT_EQ(size.Width, 16);
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(list.Items()[i].Picture.OrigWidth, 48) << i;
    EXPECT_EQ(list.Items()[i].Picture.OrigHeight, 16) << i;
  }
  // The folder's normal picture has no arrow, its hot one has: the states differ.
  auto folder = list.CreateBitmap32(1, 48, 16);
  ASSERT_TRUE(folder);
  int differing = 0;
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) differing += At(*folder, x, y) != At(*folder, 16 + x, y);
  EXPECT_GT(differing, 10);
}

TEST(TsAlphaImageList, KeepsOneCopyPerItemAtTheLastSize) {
  TsAlphaImageList list(nullptr);
  list.SetWidth(8);
  list.SetHeight(4);
  ASSERT_TRUE(list.AddImage(StripPng(2), L"png"));
  list.GenerateStdList();
  ASSERT_EQ(list.Count(), 1);
  auto first = list.CreateBitmap32(0, 8, 4);
  ASSERT_TRUE(first);
  EXPECT_EQ(At(*first, 5, 1), 0xFF505050u);
  const auto* kept = list.Items()[0].Picture.CacheBmp();
  ASSERT_NE(kept, nullptr);
  EXPECT_TRUE(list.CreateBitmap32(0, 8, 4));
  EXPECT_EQ(list.Items()[0].Picture.CacheBmp(), kept);  // served from the copy
  auto larger = list.CreateBitmap32(0, 16, 8);
  ASSERT_TRUE(larger);
  EXPECT_EQ(larger->Width(), 16);
  ASSERT_NE(list.Items()[0].Picture.CacheBmp(), nullptr);
  EXPECT_EQ(list.Items()[0].Picture.CacheBmp()->Width(), 16);
  TBitmap other(4, 2, pf32bit);  // not the list's size: not kept
  EXPECT_TRUE(list.GetBitmap32(0, other));
  EXPECT_EQ(list.Items()[0].Picture.CacheBmp(), nullptr);
  list.SetUseCache(false);
  EXPECT_TRUE(list.CreateBitmap32(0, 8, 4));
  EXPECT_EQ(list.Items()[0].Picture.CacheBmp(), nullptr);
  EXPECT_EQ(list.CreateBitmap32(1, 8, 4), nullptr);
  EXPECT_EQ(list.CreateBitmap32(-1, 8, 4), nullptr);
}

TEST(TsAlphaImageList, UnknownFormatsAreToldWithTheFileName) {
  zelvan::store::testing::TempFolder dir;
  const std::u16string folder = dir.Path();
  const std::wstring name = std::wstring(folder.begin(), folder.end()) + L"\\bad.ico";
  ASSERT_TRUE(zelvan::store::WriteWholeFile(std::u16string(name.begin(), name.end()), {1, 0, 1, 0}));
  TMessageBoxRecorder boxes;
  TsAlphaImageList list(nullptr);
  EXPECT_FALSE(list.LoadFromFile(name));
  ASSERT_EQ(boxes.Texts.size(), 1u);
  EXPECT_EQ(boxes.Texts[0], L"Cannot load " + name + L"\r\nInvalid or unexpected image format.");
  EXPECT_EQ(list.Items().Count(), 0);
}

TEST(TsAlphaImageList, IconsWithoutAlphaAreFixedOnceAndTheFixSettles) {
  TsAlphaImageList list(nullptr);
  list.SetWidth(4);
  list.SetHeight(4);
  ASSERT_TRUE(list.AddImage(StripPng(1), L"png"));
  list.GenerateStdList();
  ASSERT_TRUE(list.StdListIsGenerated);
  list.DoubleData = false;  // the platform list alone counts now
  int changes = 0;
  list.OnChange = [&](TImageList*) { ++changes; };
  TBitmap plain(4, 4, pf24bit);  // all one colour: nothing to fix, nothing put back
  list.Add(plain, nullptr);
  EXPECT_EQ(list.Count(), 2);
  EXPECT_EQ(changes, 1);
  auto picture = list.CreateBitmap32(1, 4, 4);
  ASSERT_TRUE(picture);
  EXPECT_EQ(At(*picture, 0, 0) >> 24, 0u);

  TBitmap dotted(4, 4, pf24bit);
  dotted.ScanLine(1)[3 * 2 + 2] = 0xFF;  // one red pixel at (2, 1)
  list.Add(dotted, nullptr);
  EXPECT_EQ(changes, 2);
  picture = list.CreateBitmap32(2, 4, 4);
  ASSERT_TRUE(picture);
  EXPECT_EQ(At(*picture, 2, 1), 0xFFFF0000u);
  EXPECT_EQ(At(*picture, 0, 3) >> 24, 0u);
}

struct GlyphCase {
  int state;
  bool enabled;
  int blend;
  uint32_t pixel;  // what lands on a black cache, at the glyph's middle
};

// An edit's button as the glyph mode sees it.
class TGlyphModeButton : public TSpeedButton, public TacGlyphModeButton {
 public:
  using TSpeedButton::TSpeedButton;
  TControl& ButtonControl() override { return *this; }
  int Blend() const override { return FBlend; }
  void SetBlend(int value) override { FBlend = value; }
  bool Grayed() const override { return false; }
  void SetGrayed(bool) override {}
  std::wstring Hint() const override { return L"hint"; }
  void SetHint(const std::wstring&) override {}
  void SetNumGlyphs(int count) override { TSpeedButton::SetNumGlyphs(count); }
  int FBlend = 0;
};

TEST(TsGlyphMode, TheButtonTakesTheSizeOfTheGlyphInUse) {
  TGlyphModeButton button(nullptr);
  TsGlyphMode mode(nullptr, &button);
  EXPECT_EQ(mode.ImageIndex(), -1);
  mode.Invalidate();
  EXPECT_EQ(&mode.ListInUse(), &StdGlyphList()) << "no list of its own";
  EXPECT_EQ(mode.ImageCount(), 3);
  EXPECT_EQ(button.Width(), 18);
  EXPECT_EQ(button.NumGlyphs(), 3);

  TsAlphaImageList own(nullptr);
  own.SetWidth(8);
  own.SetHeight(4);
  ASSERT_TRUE(own.AddImage(StripPng(2), L"png"));
  own.GenerateStdList();
  mode.SetImages(&own);
  EXPECT_EQ(&mode.ListInUse(), &StdGlyphList()) << "index -1 lies outside the own list";
  mode.SetImageIndex(0);
  EXPECT_EQ(&mode.ListInUse(), &own);
  EXPECT_EQ(mode.ImageCount(), 2);
  EXPECT_EQ(mode.Width(), 4);
  EXPECT_EQ(button.Width(), 6);
  EXPECT_EQ(button.NumGlyphs(), 2);

  mode.SetBlend(30);
  EXPECT_EQ(button.FBlend, 30);
  EXPECT_EQ(mode.Hint(), L"hint");
  TsGlyphMode orphan(nullptr, nullptr);
  EXPECT_EQ(orphan.Blend(), 0);
  EXPECT_EQ(orphan.Hint(), L"");
  orphan.Invalidate();  // nothing to size
}

TEST(DrawBtnGlyph, AlphaStripsPickThePictureAndFade) {
  TsAlphaImageList list(nullptr);
  list.SetWidth(12);
  list.SetHeight(4);
  ASSERT_TRUE(list.AddImage(StripPng(3), L"png"));
  list.GenerateStdList();
  auto strip = list.CreateBitmap32(0, 12, 4);
  ASSERT_TRUE(strip);
  TBitmap canvasBitmap(8, 8, pf32bit);
  const GlyphCase cases[] = {
      // Laid over black by alpha: grey g * A shr 8.
      {0, true, 0, 0xFF272727}, {1, true, 0, 0xFF4F4F4F}, {3, true, 0, 0xFF777777},  // state 3: the third
      {0, true, 30, 0xFF1B1B1B},                                                        // alpha 178: 70 % of 255
      {0, false, 0, 0xFF131313},                                                        // disabled: at least 50
  };
  for (const GlyphCase& c : cases) {
    Fill(canvasBitmap, 0xFF000000);
    TsGlyphParams params;
    params.Glyph = strip.get();
    params.ImgRect = {2, 2, 6, 6};
    params.NumGlyphs = 3, params.State = c.state, params.Enabled = c.enabled, params.Blend = c.blend;
    params.Width = 8, params.Height = 8;
    DrawBtnGlyph(params, &canvasBitmap.Canvas());
    GdiFlush();
    EXPECT_EQ(At(canvasBitmap, 3, 3) & 0xFFFFFF, c.pixel & 0xFFFFFF) << "state " << c.state << " blend " << c.blend;
    EXPECT_EQ(At(canvasBitmap, 1, 1) & 0xFFFFFF, 0u);
  }
}

TEST(DrawBtnGlyph, AThousandDrawsLeaveTheGdiObjectsAsTheyWere) {
  TsAlphaImageList& list = StdGlyphList();
  TBitmap target(40, 40, pf32bit);
  TBitmap classic(48, 16, pf24bit);
  TImageList plain(nullptr);
  plain.SetWidth(16);
  plain.SetHeight(16);
  plain.Add(classic, nullptr);
  auto cycle = [&](int i) {
    TsGlyphParams params;
    params.ImgRect = {4, 4, 20, 20};
    params.Width = 40, params.Height = 40, params.NumGlyphs = 3;
    params.State = i % 4, params.Enabled = i % 3 != 0, params.DisabledGlyphKind = dgBlended | dgGrayed;
    params.Images = i % 2 ? static_cast<TImageList*>(&list) : &plain;
    params.ImageIndex = i % 5 % (i % 2 ? 5 : 1);
    DrawBtnGlyph(params, &target.Canvas());
    params.Images = nullptr;
    params.Glyph = &classic;
    DrawBtnGlyph(params, &target.Canvas());
    DrawListImage(list, target, 0, 0, i % 2 == 0, 3, i % 3, zelvan::paint::kNoColorValue, 0, i % 5);
    DrawSmallArrow(target.Canvas(), clBlack, RECT{0, 0, 16, 16}, 8);
    DrawSmallCheckBox(RECT{0, 0, 20, 20}, i % 3, true, nullptr, zelvan::paint::TCacheInfo{}, target);
  };
  // Every branch once first: the platform makes some objects once on first use.
  for (int i = 0; i < 12; ++i) cycle(i);
  const unsigned before = GdiObjectCount();
  for (int i = 0; i < 1000; ++i) cycle(i);
  EXPECT_EQ(GdiObjectCount(), before);
}

TEST(DrawSmallArrow, PaintsTheDownArrowsRows) {
  TBitmap target(16, 16, pf32bit);
  Fill(target, 0x00FFFFFF);
  DrawSmallArrow(target.Canvas(), clBlack, RECT{0, 0, 16, 16}, 8);
  GdiFlush();
  std::string first, last;
  for (int x = 0; x < 16; ++x) {
    first += (At(target, x, 5) & 0xFFFFFF) == 0 ? '#' : '.';
    last += (At(target, x, 8) & 0xFFFFFF) == 0 ? '#' : '.';
  }
  EXPECT_EQ(first, "....########....");
  EXPECT_EQ(last, ".......##.......");
}

TEST(SmallCheckBox, WithoutSkinIsThePlatformCell) {
  HBITMAP boxes = LoadBitmapW(nullptr, MAKEINTRESOURCEW(32759));
  BITMAP bm{};
  ASSERT_TRUE(GetObjectW(boxes, sizeof bm, &bm));
  DeleteObject(boxes);
  EXPECT_EQ(SmallCheckBoxWidth(nullptr), bm.bmWidth / 4);
  EXPECT_EQ(SmallCheckBoxHeight(nullptr), bm.bmHeight / 3);
}

}  // namespace
