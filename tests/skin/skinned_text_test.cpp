// Skinned text under Wine, over the kit skin: which colours are drawn where
// and in what order (watched at the one text call), the alpha-keeping text,
// the glow and its cache, and the small routines. Wine's fonts differ from
// the platform's: colours, counts and places are compared, not glyph pixels.
#include "skin/paint/skinned_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "../core/store/skin_fixture.h"
#include "core/image/bitmap32.h"
#include "core/paint/dotted_frame.h"
#include "core/paint/system_colors.h"
#include "core/paint/text_blend.h"
#include "framework/application/application.h"
#include "kit_skin_fixture.h"
#include "skin_test_kit.h"

namespace {

using zelvan::paint::ColorToRGB;
using zelvan::paint::SwapRedBlue;

constexpr UINT kCentred = DT_SINGLELINE | DT_CENTER | DT_VCENTER;

// One text call as the watcher saw it: colour, offset from the caption's rect.
struct TCall {
  TColor Color;  // may be a system colour; compared as RGB
  int Dx = 0;
  int Dy = 0;
  bool NoClip = false;
};

void PrintTo(const TCall& c, std::ostream* os) {
  *os << std::hex << "{0x" << c.Color << std::dec << " at " << c.Dx << "," << c.Dy << (c.NoClip ? " noclip}" : "}");
}

// The context must have received RGB, never a system colour reference.
bool SameCall(const TCall& seen, const TCall& expected) {
  return seen.Color == ColorToRGB(expected.Color) && seen.Dx == expected.Dx && seen.Dy == expected.Dy &&
         seen.NoClip == expected.NoClip;
}

// Records the text calls made on one context while alive.
class TCallLog {
 public:
  TCallLog(HDC dc, const RECT& rect) {
    SetTextCallWatcher([this, dc, rect](HDC on, const std::wstring&, const RECT& r, UINT format) {
      ++AllCalls;
      if (on != dc) return;
      Calls.push_back({GetTextColor(on), r.left - rect.left, r.top - rect.top, (format & DT_NOCLIP) != 0});
      LOGFONTW font{};
      GetObjectW(GetCurrentObject(on, OBJ_FONT), sizeof(font), &font);
      Underlined.push_back(font.lfUnderline != 0);
    });
  }
  ~TCallLog() { SetTextCallWatcher(nullptr); }
  std::vector<TCall> Calls;
  std::vector<bool> Underlined;
  int AllCalls = 0;  // on any context
};

void Fill(TBitmap& bitmap, uint32_t pixel) {
  GdiFlush();
  for (int y = 0; y < bitmap.Height(); ++y) std::fill_n(bitmap.Image().Row32(y), bitmap.Width(), pixel);
}

uint32_t PixelAt(TBitmap& bitmap, int x, int y) {
  GdiFlush();
  return bitmap.Image().Row32(y)[x];
}

// The channel that stands out: 'R', 'G', 'B', or '-' for greys.
char Dominant(uint32_t p) {
  const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
  if (r > g + 40 && r > b + 40) return 'R';
  if (g > r + 40 && g > b + 40) return 'G';
  if (b > r + 40 && b > g + 40) return 'B';
  return '-';
}

class SkinnedText : public KitSkinTest {
 protected:
  void SetUp() override {
    KitSkinTest::SetUp();
    form->SetBounds(0, 0, 400, 300);
    target.Canvas().Font().SetHeight(-32);
    Fill(target, 0x00FFFFFF);
  }
  // A control in a section; with a parent section, on a panel of that section.
  template <typename T>
  T* Put(const char* section, int coc = 0, const char* parentSection = nullptr) {
    TWinControl* parent = form;
    if (parentSection) {
      auto* panel = new TDataPanel(form);
      panel->SkinData.SetSkinManager(manager.get());
      panel->SetParent(form);
      panel->SkinData.SetSkinSection(parentSection);
      panel->HandleNeeded();  // the parent is asked for its section through its window
      parent = panel;
    }
    T* control = new T(parent, coc);
    control->SkinData.SetSkinManager(manager.get());
    control->SetParent(parent);
    control->SkinData.SetSkinSection(section);
    return control;
  }
  int Index(const char* section) const { return manager->GetSkinIndex(section); }

  TBitmap target{200, 60, pf32bit};
  RECT rect{20, 10, 180, 50};
};

struct TextCase {
  const char* name;
  const char* parentSection;  // null: on the form
  bool windowed;
  int coc;
  const char* section;
  int state;
  bool enabled;
  std::vector<TCall> calls;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

constexpr TColor kGreen = 0x00FF00, kRed = 0x0000FF, kBlue = 0xFF0000, kFontColor = clHighlight;

class SkinnedTextCases : public SkinnedText, public ::testing::WithParamInterface<TextCase> {};

TEST_P(SkinnedTextCases, DrawTheColoursInOrderAtTheirOffsets) {
  const TextCase& c = GetParam();
  TsCommonData* data = c.windowed ? &Put<TDataPanel>(c.section, c.coc, c.parentSection)->SkinData
                                   : &Put<TDataShape>(c.section, c.coc, c.parentSection)->SkinData;
  target.Canvas().Font().SetColor(kFontColor);
  TCallLog log(target.Canvas().Handle(), rect);
  WriteTextEx(target.Canvas(), L"|", c.enabled, c.state, data, kCentred, rect);
  ASSERT_EQ(log.Calls.size(), c.calls.size()) << ::testing::PrintToString(log.Calls);
  for (size_t i = 0; i < c.calls.size(); ++i)
    EXPECT_TRUE(SameCall(log.Calls[i], c.calls[i])) << "call " << i << ": " << ::testing::PrintToString(log.Calls[i]);
}

INSTANTIATE_TEST_SUITE_P(
    Captions, SkinnedTextCases,
    ::testing::Values(
        TextCase{"sides_then_main", nullptr, false, 0, "OUTLINED", 0, true,
                 {{kRed, -1, 0}, {kBlue, 1, 0}, {kGreen, 0, 0, true}}},
        TextCase{"no_sides_once", nullptr, false, 0, "OUTLINED", 1, true, {{0x808080, 0, 0, true}}},
        // 0.4 of the green and 0.6 of the global grey $C0C0C0.
        TextCase{"disabled_faded", nullptr, false, 0, "OUTLINED", 0, false, {{0x73D973, 0, 0}}},
        TextCase{"unskinned_plain", nullptr, false, 0, "NOSUCH", 0, true, {{kFontColor, 0, 0}}},
        TextCase{"unskinned_engraved", nullptr, false, 0, "NOSUCH", 0, false,
                 {{clBtnHighlight, 1, 1}, {clBtnShadow, 0, 0}}},
        TextCase{"shape_shows_parent_colours", "OUTLINED", false, 0, "CLEAR", 0, true,
                 {{kRed, -1, 0}, {kBlue, 1, 0}, {kGreen, 0, 0, true}}},
        TextCase{"check_box_shows_parent_colours", "OUTLINED", true, 32, "CLEAR", 0, true,
                 {{kRed, -1, 0}, {kBlue, 1, 0}, {kGreen, 0, 0, true}}},
        TextCase{"panel_keeps_own_colours", "OUTLINED", true, 51, "CLEAR", 0, true, {{0, 0, 0, true}}},
        TextCase{"opaque_shape_keeps_own_colours", "OUTLINED", false, 0, "EDIT", 0, true, {{0x202020, 0, 0, true}}}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST_F(SkinnedText, OwnFontColourDrawsPlainly) {
  auto* shape = Put<TDataShape>("OUTLINED");
  shape->SkinData.SetCustomFont(true);
  target.Canvas().Font().SetColor(kFontColor);
  TCallLog log(target.Canvas().Handle(), rect);
  WriteTextEx(target.Canvas(), L"|", true, 0, &shape->SkinData, kCentred, rect);
  ASSERT_EQ(log.Calls.size(), 1u);
  EXPECT_TRUE(SameCall(log.Calls[0], {kFontColor, 0, 0}));
  WriteTextEx(target.Canvas(), L"", true, 0, &shape->SkinData, kCentred, rect);
  EXPECT_EQ(log.Calls.size(), 1u) << "an empty text draws nothing";
}

TEST_F(SkinnedText, SideColoursLieLeftAndRightOfTheMainColour) {
  auto* shape = Put<TDataShape>("OUTLINED");
  WriteTextEx(target.Canvas(), L"|", true, 0, &shape->SkinData, kCentred, rect);
  const int y = (rect.top + rect.bottom) / 2;
  std::string row;  // the dominant channel of every inked pixel of the middle row
  bool pureGreen = false;
  for (int x = 0; x < target.Width(); ++x) {
    const uint32_t p = PixelAt(target, x, y) & 0xFFFFFF;
    if (p == 0xFFFFFF) continue;
    row += Dominant(p);
    pureGreen = pureGreen || p == 0x00FF00;
  }
  ASSERT_GE(row.size(), 3u);
  EXPECT_EQ(row.front(), 'R') << row;
  EXPECT_EQ(row.back(), 'B') << row;
  EXPECT_TRUE(pureGreen) << row;
}

TEST_F(SkinnedText, AHotWebButtonCaptionIsUnderlinedAndTheCanvasFontKeepsItsStyle) {
  auto* web = Put<TDataShape>("WEBBUTTON");
  auto* other = Put<TDataShape>("OUTLINED");
  ASSERT_EQ(web->SkinData.SkinIndex, manager->ConstData.IndexWebBtn);
  TCallLog log(target.Canvas().Handle(), rect);
  WriteTextEx(target.Canvas(), L"Home", true, 1, &web->SkinData, kCentred, rect);
  EXPECT_TRUE(target.Canvas().Font().Style().Empty());
  WriteTextEx(target.Canvas(), L"Home", true, 0, &web->SkinData, kCentred, rect);
  WriteTextEx(target.Canvas(), L"Home", true, 1, &other->SkinData, kCentred, rect);
  EXPECT_EQ(log.Underlined, (std::vector<bool>{true, false, false}));
  EXPECT_TRUE(SameCall(log.Calls[0], {0x800000, 0, 0, true}));
}

TEST_F(SkinnedText, WriteText32MakesTextOpaqueAndLeavesTheRestAlone) {
  const uint32_t background = 0x00336699;  // alpha 0
  TFont font;
  font.SetHeight(-32);
  font.SetColor(kFontColor);
  struct Case {
    int section;
    RECT rect;
    uint32_t solid;  // the pixel a fully inked mask gives
  };
  for (const Case& c : {Case{-1, RECT{10, 5, 110, 45}, 0xFF000000 | SwapRedBlue(ColorToRGB(kFontColor))},
                        Case{Index("OUTLINED"), RECT{-30, 5, 90, 45}, 0xFF00FF00}}) {
    Fill(target, background);
    WriteText32(target, L"|H|", font, true, manager.get(), false, c.section, kCentred, c.rect);
    int opaque = 0;
    bool solid = false;
    for (int y = 0; y < target.Height(); ++y) {
      for (int x = 0; x < target.Width(); ++x) {
        const uint32_t p = PixelAt(target, x, y);
        // Sides reach one pixel past the rect; nothing else may change.
        const bool inReach = x >= c.rect.left - 1 && x < c.rect.right + 1 && y >= c.rect.top && y < c.rect.bottom;
        if (p >> 24 == 0) {
          EXPECT_EQ(p, background) << x << "," << y;
        } else {
          EXPECT_EQ(p >> 24, 255u);
          EXPECT_TRUE(inReach) << x << "," << y;
          ++opaque;
        }
        solid = solid || p == c.solid;
      }
    }
    EXPECT_GT(opaque, 20) << "section " << c.section;
    EXPECT_TRUE(solid) << "section " << c.section;
  }
}

TEST_F(SkinnedText, GlowFollowsThePixelRuleOnItsPlane) {
  Fill(target, 0x40808080);
  const auto before = zelvan::image::CopyBitmap(target.Image());
  TTextGlowCache cache;
  DrawTextGlow(target, target.Canvas().Font(), L"Glow", rect, cache, kRed, 4, kAllSides, kCentred);
  ASSERT_TRUE(cache.Plane);
  EXPECT_EQ(cache.Plane->PixelFormat(), pf8bit);
  EXPECT_EQ(cache.Plane->Width(), rect.right - rect.left + 16);
  EXPECT_EQ(cache.Plane->Height(), rect.bottom - rect.top + 16);
  // The glow rect is the text rect moved by (1, 1) and grown by size + 4.
  zelvan::paint::BlendGlow(*before, {rect.left + 1 - 8, rect.top + 1 - 8}, cache.Plane->Image(), kRed);
  GdiFlush();
  int changed = 0;
  for (int y = 0; y < target.Height(); ++y) {
    for (int x = 0; x < target.Width(); ++x) {
      ASSERT_EQ(PixelAt(target, x, y), zelvan::image::GetPixel32(*before, x, y)) << x << "," << y;
      changed += PixelAt(target, x, y) != 0x40808080;
    }
  }
  EXPECT_GT(changed, 50);
  EXPECT_EQ(cache.Plane->ScanLine(0)[0], 255) << "the glow fades out before the plane's edge";
}

TEST_F(SkinnedText, GlowPlaneIsReusedUntilWhatItWasMadeFromChanges) {
  struct Step {
    const char* what;
    std::wstring text;
    RECT rect;
    int sides;
    int size;
    UINT format;
    int fontHeight;
    int calls;  // text calls made: sides + 1 for a new plane, 0 for a reused one
  };
  const RECT r{20, 10, 120, 40}, moved{27, 13, 127, 43}, wider{20, 10, 130, 40};
  const Step steps[] = {
      {"first", L"Glow", r, kAllSides, 4, kCentred, -20, 5},
      {"same again", L"Glow", r, kAllSides, 4, kCentred, -20, 0},
      {"moved, same size", L"Glow", moved, kAllSides, 4, kCentred, -20, 0},
      {"other caption", L"Wolg", moved, kAllSides, 4, kCentred, -20, 5},
      {"one side", L"Wolg", moved, kSideLeft, 4, kCentred, -20, 2},
      {"smaller glow", L"Wolg", moved, kSideLeft, 3, kCentred, -20, 2},
      {"other format", L"Wolg", moved, kSideLeft, 3, DT_SINGLELINE, -20, 2},
      {"other font", L"Wolg", moved, kSideLeft, 3, DT_SINGLELINE, -24, 2},
      {"wider", L"Wolg", wider, kSideLeft, 3, DT_SINGLELINE, -24, 2},
  };
  TTextGlowCache cache;
  TFont font;
  const TBitmap* plane = nullptr;
  for (const Step& s : steps) {
    font.SetHeight(s.fontHeight);
    TCallLog log(nullptr, s.rect);
    DrawTextGlow(target, font, s.text, s.rect, cache, kRed, s.size, s.sides, s.format);
    EXPECT_EQ(log.AllCalls, s.calls) << s.what;
    EXPECT_EQ(cache.Plane.get() == plane, s.calls == 0) << s.what;
    plane = cache.Plane.get();
  }
}

TEST_F(SkinnedText, ACaptionGlowsOnlyOnTheControlsOwnCache) {
  auto* shape = Put<TDataShape>("GLOWING");
  shape->SetBounds(0, 0, 120, 40);
  shape->SkinData.InitCacheBmp();
  TBitmap& cache = *shape->SkinData.CacheBmp();
  const auto reddish = [](TBitmap& bitmap) {
    int count = 0;
    for (int y = 0; y < bitmap.Height(); ++y)
      for (int x = 0; x < bitmap.Width(); ++x) count += Dominant(PixelAt(bitmap, x, y)) == 'R';
    return count;
  };
  const RECT caption{10, 5, 110, 35};
  Fill(cache, 0x00FFFFFF);
  WriteTextEx(target.Canvas(), L"Glow", true, 0, &shape->SkinData, kCentred, caption);
  EXPECT_EQ(reddish(cache) + reddish(target), 0) << "another canvas: no glow anywhere";
  WriteTextEx(cache.Canvas(), L"Glow", true, 0, &shape->SkinData, kCentred, caption);
  EXPECT_GT(reddish(cache), 20);
}

TEST_F(SkinnedText, CutTextKeepsWholeCodePoints) {
  TCanvas& canvas = target.Canvas();
  canvas.Font().SetHeight(-11);
  EXPECT_EQ(CutText(canvas, L"Caption", 1000), L"Caption");
  EXPECT_EQ(CutText(canvas, L"Caption", 1), L"") << "cut to nothing: no ellipsis";
  EXPECT_EQ(CutText(canvas, L"Caption", canvas.TextWidth(L"Capt...")), L"Capt...");
  const std::wstring smiles = L"a\U0001F600\U0001F600\U0001F600";
  for (int width = canvas.TextWidth(L"a..."); width < canvas.TextWidth(smiles); ++width) {
    const std::wstring cut = CutText(canvas, smiles, width);
    ASSERT_GE(cut.size(), 4u);
    const wchar_t last = cut[cut.size() - 4];
    EXPECT_FALSE(last >= 0xD800 && last <= 0xDBFF) << "width " << width;
  }
}

TEST_F(SkinnedText, DottedRectStaysInside) {
  const RECT frame{3, 2, 13, 9};
  DrawDottedRect(target.Canvas(), frame, clRed, clBlue);
  std::vector<uint32_t> expected(static_cast<size_t>(target.Width() * target.Height()), 0x00FFFFFF);
  for (const auto& dot : zelvan::paint::DottedFrameDots({frame.left, frame.top, frame.right, frame.bottom}))
    expected[static_cast<size_t>(dot.Y * target.Width() + dot.X)] = dot.Second ? 0x000000FF : 0x00FF0000;
  for (int y = 0; y < target.Height(); ++y)
    for (int x = 0; x < target.Width(); ++x)
      ASSERT_EQ(PixelAt(target, x, y) & 0xFFFFFF, expected[static_cast<size_t>(y * target.Width() + x)]) << x << "," << y;
}

TEST_F(SkinnedText, BevelFrameNestsItsFrames) {
  RECT r{0, 0, 8, 8};
  int width = 2;
  BevelFrame(target.Canvas().Handle(), r, clRed, width, clBlue);
  const RECT inner{2, 2, 6, 6};
  EXPECT_TRUE(EqualRect(&r, &inner));
  EXPECT_EQ(width, 0);
  struct Dot {
    int x, y;
    uint32_t pixel;
  };
  for (const Dot& d : {Dot{0, 0, 0xFF0000}, Dot{0, 7, 0xFF0000}, Dot{1, 1, 0xFF0000}, Dot{7, 0, 0x0000FF},
                       Dot{7, 7, 0x0000FF}, Dot{6, 6, 0x0000FF}, Dot{3, 3, 0xFFFFFF}, Dot{8, 8, 0xFFFFFF}})
    EXPECT_EQ(PixelAt(target, d.x, d.y) & 0xFFFFFF, d.pixel) << d.x << "," << d.y;
}

TEST_F(SkinnedText, TextSizes) {
  TFont font;
  font.SetHeight(-20);
  EXPECT_EQ(TextSizeByFont(nullptr, L"Wide").cx, 0);
  const SIZE size = TextSizeByFont(font.Handle(), L"Wide");
  target.Canvas().Font().Assign(font);
  const SIZE onBitmap = target.Canvas().TextExtent(L"Wide");
  EXPECT_GT(size.cx, 0);
  EXPECT_EQ(size.cx, onBitmap.cx);
  EXPECT_EQ(size.cy, onBitmap.cy);
  EXPECT_EQ(TextSizeOnDC(target.Canvas().Handle(), L"Wide").cx, onBitmap.cx);
}

}  // namespace
