// Common skin data under Wine, on stand-in controls over the kit skin:
// sections, background requests and colours, update blocks, skin removal and
// the move rules.
#include "skin/core/common_data.h"

#include <gtest/gtest.h>

#include <memory>

#include "../core/store/skin_fixture.h"
#include "../framework/test_support.h"
#include "core/image/bitmap32.h"
#include "core/paint/item_paint.h"
#include "kit_skin_fixture.h"
#include "skin/paint/control_paint.h"
#include "skin_test_kit.h"

namespace {

class CommonDataTest : public KitSkinTest {};

TEST_F(CommonDataTest, TheKitSkinReachesWhatAirDoesNot) {
  const auto& g = manager->gd;
  const auto section = [&](const char* name) -> const zelvan::store::TsGeneralData& {
    return g.at(static_cast<size_t>(manager->GetSkinIndex(name)));
  };
  EXPECT_EQ(section("BUTTON").States, 4);
  EXPECT_TRUE(section("BUTTON").FadingEnabled);
  EXPECT_EQ(section("THREE").States, 3);
  EXPECT_FALSE(section("THREE").FadingEnabled);
  EXPECT_EQ(section("CLEAR").Transparency, 100);
  EXPECT_EQ(section("HALF0").Transparency, 50);
  const int frame = section("BUTTON_HUGE").BorderIndex;
  ASSERT_TRUE(manager->IsValidImgIndex(frame));
  EXPECT_EQ(manager->ma[static_cast<size_t>(frame)].CornerType, 2);
  for (const char* missing : {"SELECTION", "COLHEADER", "CHECKBOX"}) EXPECT_EQ(manager->GetSkinIndex(missing), -1);
}

TEST_F(CommonDataTest, SectionNames) {
  auto* shape = Add<TDataShape>(form, L"Shape", "edit", 0, 0);
  EXPECT_EQ(shape->SkinData.SkinSection(), "EDIT");
  EXPECT_TRUE(shape->SkinData.Skinned());
  manager->UpdateSkin(true);  // the refresh ends the hold its first, unknown section put on it
  EXPECT_FALSE(shape->SkinData.Updating());
  CommandLog().Clear();
  shape->SkinData.SetSkinSection("EDIT");
  EXPECT_EQ(CommandLog().Count(L"Shape", SKC_REFRESH), 0) << "the same text is no change";
  shape->SkinData.SetSkinSection("edit");
  EXPECT_EQ(CommandLog().Count(L"Shape", SKC_REFRESH), 1) << "lower case differs from the stored name";
  shape->SkinData.SetSkinSection("");
  EXPECT_EQ(shape->SkinData.SkinSection(), "UNKNOWN");
  EXPECT_EQ(shape->SkinData.SkinIndex, -1);
  EXPECT_EQ(CommandLog().Count(L"Shape", SKC_SKIN_REMOVED), 1);
  EXPECT_FALSE(shape->SkinData.Skinned());
  shape->SetColor(0x00010203);
  EXPECT_EQ(PerformSkinCommand(shape, SKC_GET_BG_COLOR), 0x00010203) << "unskinned: its own colour";
}

TEST_F(CommonDataTest, ABackgroundRequestClimbsThroughSeeThroughControls) {
  auto* panel = Add<TDataPanel>(form, L"Panel", "PANEL", 10, 10);
  auto* outer = Add<TDataPanel>(panel, L"Outer", "CLEAR", 5, 7);
  auto* inner = Add<TDataPanel>(outer, L"Inner", "CLEAR", 3, 4);
  panel->SkinData.InitCacheBmp();
  zelvan::paint::TCacheInfo info;
  inner->SkinData.GetParentCache(info);
  ASSERT_TRUE(info.Ready);
  EXPECT_EQ(info.Bmp, &panel->SkinData.CacheBmp()->Image());
  EXPECT_EQ(info.X, 8);
  EXPECT_EQ(info.Y, 11);

  // Painting straight into a context: the positions go in on the way up.
  TBgRequest request;
  request.PaintToDC = true;
  HDC screen = GetDC(nullptr);
  request.DC = CreateCompatibleDC(screen);
  HBITMAP target = CreateCompatibleBitmap(screen, 4, 4);
  ReleaseDC(nullptr, screen);
  HGDIOBJ old = SelectObject(request.DC, target);
  request.R = RECT{0, 0, 4, 4};
  request.X = 3, request.Y = 4;
  PerformSkinCommand(outer, SKC_GET_BG_INFO, reinterpret_cast<LPARAM>(&request));
  EXPECT_EQ(request.Kind, bgBitmap);
  EXPECT_EQ(request.X, 8);
  EXPECT_EQ(request.Y, 11);
  SelectObject(request.DC, old);
  DeleteObject(target);
  DeleteDC(request.DC);
}

TEST_F(CommonDataTest, BackgroundColoursClimbAndMix) {
  auto* clearPanel = Add<TDataPanel>(form, L"ClearPanel", "CLEAR", 0, 0);
  auto* label = Add<TDataShape>(clearPanel, L"Label", "CLEAR", 4, 4);
  EXPECT_EQ(label->SkinData.BackgroundColor(0), 0x00336699u) << "see-through on see-through shows the form";
  EXPECT_EQ(PerformSkinCommand(clearPanel, SKC_GET_BG_COLOR), 0x00336699);

  // (T x parent + (256 - T) x own) div 256 per channel, T = 50.
  const struct {
    const char* section;
    TColor formColor;
    LRESULT answer;
  } cases[] = {{"HALF0", 0x00C8C8C8, 0x00272727}, {"HALF200", 0x00000000, 0x00A0A0A0}};
  for (const auto& c : cases) {
    form->SetColor(c.formColor);
    auto* half = Add<TDataPanel>(form, std::wstring(L"Half") + (c.formColor ? L"0" : L"200"), c.section, 150, 0);
    EXPECT_EQ(PerformSkinCommand(half, SKC_GET_BG_COLOR), c.answer) << c.section;
  }
}

TEST_F(CommonDataTest, AContainerPassesAnotherManagersBroadcastToItsChildren) {
  TsSkinManager other(nullptr);
  other.SetSkinDirectory(folder);
  other.SetSkinName(L"Kit");
  auto* panel = Add<TDataPanel>(form, L"Mine", "PANEL", 0, 0);
  auto* theirs = Add<TDataShape>(panel, L"Theirs", "EDIT", 2, 2);
  theirs->SkinData.SetSkinManager(&other);
  CommandLog().Clear();
  other.UpdateSkin(false);
  EXPECT_EQ(CommandLog().Count(L"Theirs", SKC_SKIN_LOADED), 1);
  EXPECT_EQ(theirs->SkinData.SkinManager(), &other);
  EXPECT_TRUE(theirs->SkinData.Skinned());
}

TEST_F(CommonDataTest, NestedUpdateBlocksReleaseOnlyAtTheLastEnd) {
  auto* panel = Add<TDataPanel>(form, L"Panel", "PANEL", 0, 0);
  TsCommonData& data = panel->SkinData;
  data.BeginUpdate();
  data.BeginUpdate();
  EXPECT_EQ(CommandLog().Count(L"Panel", SKC_BEGIN_UPDATE), 2);
  data.EndUpdate(false);
  EXPECT_TRUE(data.CtrlSkinState & kStateUpdating);
  EXPECT_TRUE(data.Updating());
  EXPECT_EQ(CommandLog().Count(L"Panel", SKC_END_UPDATE), 0);
  data.EndUpdate(false);
  EXPECT_EQ(CommandLog().Count(L"Panel", SKC_END_UPDATE), 1);
  EXPECT_FALSE(data.CtrlSkinState & kStateUpdating);
  data.EndUpdate(false);
  EXPECT_EQ(data.UpdateCount(), 0) << "the count never goes below 0";
  EXPECT_EQ(CommandLog().Count(L"Panel", SKC_END_UPDATE), 1);
}

TEST_F(CommonDataTest, RemovingTheSkinGivesEditsTheirSystemColoursBack) {
  auto* edit = Add<TDataPanel>(form, L"Edit", "EDIT", 0, 0);
  edit->SkinData.COC = 2;
  auto* custom = Add<TDataPanel>(form, L"Custom", "EDIT", 0, 100);
  custom->SkinData.COC = 2;
  custom->SkinData.SetCustomColor(true);
  custom->SetColor(0x00123456);
  manager->UpdateSkin(true);
  EXPECT_EQ(edit->Color(), 0x00FFFFFFu);
  EXPECT_EQ(edit->Font().Color(), 0x00202020u);
  EXPECT_EQ(custom->Color(), 0x00123456u);
  manager->SetActive(false);
  EXPECT_EQ(edit->Color(), clWindow);
  EXPECT_EQ(edit->Font().Color(), clWindowText);
  EXPECT_EQ(custom->Color(), 0x00123456u) << "a custom colour is the control's own";
  EXPECT_EQ(edit->SkinData.SkinIndex, -1);
  EXPECT_TRUE(edit->SkinData.CacheBmp()->Empty());
}

TEST_F(CommonDataTest, MovingMarksTheCacheOnlyWhereThePictureDependsOnThePlace) {
  auto* panel = Add<TDataPanel>(form, L"Panel", "PANEL", 0, 0);
  auto* opaque = Add<TDataPanel>(panel, L"Opaque", "EDIT", 2, 2);
  auto* clear = Add<TDataPanel>(panel, L"Clear", "CLEAR", 40, 2);
  for (TDataPanel* c : {opaque, clear}) c->SkinData.BGChanged = false;
  opaque->SetLeft(5);
  clear->SetLeft(45);
  EXPECT_FALSE(opaque->SkinData.BGChanged) << "an opaque section looks the same anywhere";
  EXPECT_TRUE(clear->SkinData.BGChanged) << "it shows the gradient behind it";
}

TEST_F(CommonDataTest, ResizingAGradientParentTellsTheChildrenNotAnchoredToItsFarEdges) {
  auto* panel = Add<TDataPanel>(form, L"Panel", "PANEL", 0, 0);
  Add<TDataPanel>(panel, L"Free", "CLEAR", 2, 2);
  auto* right = Add<TDataPanel>(panel, L"Right", "EDIT", 40, 2);  // opaque: no notice of its own move
  right->SetAnchors(TAnchors{akTop, akRight});
  CommandLog().Clear();
  panel->SetWidth(160);
  EXPECT_EQ(CommandLog().Count(L"Free", SKC_PARENT_BG_CHANGED), 1);
  EXPECT_EQ(CommandLog().Count(L"Right", SKC_PARENT_BG_CHANGED), 0) << "it moves with the edge and repaints anyway";
}

TEST_F(CommonDataTest, TheWindowShowsWhatThePaintersGiveAndTheCacheLeavesChildrenOut) {
  form->SetColor(0x00204060);
  auto* panel = Add<TDataPanel>(form, L"Panel", "PANEL", 10, 10);
  auto* child = Add<TDataPanel>(panel, L"Child", "EDIT", 20, 20);
  child->SetBounds(20, 20, 30, 20);
  manager->UpdateSkin(true);
  Pump(30);
  // The painters' picture of the section over the form's colour.
  TBitmap expected(120, 80, pf32bit);
  zelvan::paint::TCacheInfo behind;
  behind.FillColor = 0x00204060;
  zelvan::paint::PaintItemByIndex(panel->SkinData.SkinIndex, "PANEL", behind, -1, -1, manager.get(), expected.Image(),
                                  {0, 0}, {0, 0, 120, 80}, 0);
  // What the panel's own painting put on the screen, outside the child.
  HDC screen = GetDC(panel->Handle());
  int differing = 0;
  for (const POINT p : {POINT{1, 1}, POINT{60, 5}, POINT{5, 70}, POINT{118, 78}, POINT{70, 40}}) {
    const COLORREF shown = GetPixel(screen, p.x, p.y);
    const uint32_t bgra = zelvan::image::GetPixel32(expected.Image(), p.x, p.y);
    const COLORREF painted = RGB((bgra >> 16) & 0xFF, (bgra >> 8) & 0xFF, bgra & 0xFF);
    if (shown != painted) ++differing;
  }
  ReleaseDC(panel->Handle(), screen);
  EXPECT_EQ(differing, 0);
  // Copying the cache over a cleared context leaves the child's rectangle alone.
  HDC dc = CreateCompatibleDC(nullptr);
  TBitmap target(120, 80, pf32bit);
  HGDIOBJ old = SelectObject(dc, target.Handle());
  PatBlt(dc, 0, 0, 120, 80, BLACKNESS);
  const RECT whole{0, 0, 120, 80};
  panel->SkinData.CopyCacheToDC(whole, 0, 0, false, dc, whole);
  EXPECT_EQ(GetPixel(dc, 30, 30), RGB(0, 0, 0)) << "under the child";
  EXPECT_NE(GetPixel(dc, 5, 5), RGB(0, 0, 0));
  SelectObject(dc, old);
  DeleteDC(dc);
}

TEST_F(CommonDataTest, AGraphicControlStillUnderTheMouseKeepsItsPlace) {
  auto* shape = Add<TDataShape>(form, L"Hovered", "EDIT", 0, 0);
  manager->SetActiveGraphControl(shape);
  shape->SkinData.SetMouseAbove(true);
  EXPECT_FALSE(manager->SetActiveGraphControl(nullptr));
  EXPECT_EQ(manager->ActiveGraphControl(), shape);
  shape->SkinData.SetMouseAbove(false);
  EXPECT_TRUE(manager->SetActiveGraphControl(nullptr));
  EXPECT_EQ(CommandLog().Count(L"Hovered", SKC_MOUSE_LEAVE), 1);
}

TEST_F(CommonDataTest, AWindowLeftAlonePaintsNothing) {
  auto* panel = Add<TDataPanel>(form, L"Idle", "PANEL", 0, 0);
  Add<TDataPanel>(panel, L"IdleChild", "CLEAR", 4, 4);
  manager->UpdateSkin(true);
  Pump(50);
  TMessageLog log;
  log.Watch(*panel, {WM_PAINT});
  Pump(300);
  EXPECT_EQ(log.Count(*panel, WM_PAINT), 0);
}

TEST_F(CommonDataTest, HandlesStayPutOverManySkinLoads) {
  for (int i = 0; i < 30; ++i) Add<TDataPanel>(form, L"P" + std::to_wstring(i), i % 2 ? "PANEL" : "EDIT", i * 3, i * 2);
  manager->UpdateSkin(true);
  ExpectHandlesSteady(
      [&] {
        manager->SetActive(false);
        manager->SetActive(true);
      },
      1000, 0);
}

}  // namespace

namespace {

TEST(CopyBitmapToDC, CopiesABitmapItsCanvasHoldsSelected) {
  for (const bool canvasUsed : {false, true}) {
    TBitmap cache(8, 8, pf32bit);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) zelvan::image::SetPixel32(cache.Image(), x, y, 0xFF0000FF);
    if (canvasUsed) cache.Canvas().Pixel(0, 0);  // the canvas's context now holds the bitmap
    TBitmap target(8, 8, pf32bit);
    CopyBitmapToDC(cache, target.Canvas().Handle(), RECT{2, 2, 6, 6}, POINT{0, 0});
    GdiFlush();
    EXPECT_EQ(zelvan::image::GetPixel32(target.Image(), 3, 3) & 0xFFFFFF, 0x0000FFu) << canvasUsed;
    EXPECT_EQ(zelvan::image::GetPixel32(target.Image(), 1, 1) & 0xFFFFFF, 0u) << canvasUsed;
  }
}

}  // namespace
