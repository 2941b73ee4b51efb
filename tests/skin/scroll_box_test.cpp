// TsScrollBox under Wine: children find their background inside the
// bordered cache, a thumb drag leaves the picture a fresh repaint would
// make, the wheel moves whole notches, and skin removal gives the platform's
// bars back in a window made anew after the broadcast.
#include "skin/controls/scroll_box.h"

#include <gtest/gtest.h>

#include <memory>

#include "kit_skin_fixture.h"
#include "window_pictures.h"

namespace {

class ScrollBoxTest : public KitSkinTest {
 protected:
  void SetUp() override {
    KitSkinTest::SetUp();
    form->SetBounds(0, 0, 600, 500);
    Pump(20);
  }
  // A box 200 x 318 whose child reaches far below.
  TsScrollBox* NewBox(const char* section) {
    auto* box = Make<TsScrollBox>(form, L"Box");
    box->SkinData.SetSkinManager(manager.get());
    box->SkinData.SetSkinSection(section);
    box->SetBounds(10, 10, 200, 318);
    child = Add<TDataPanel>(box, L"Child", "PANEL", 0, 0);
    child->SetBounds(0, 0, 150, 1000);
    box->Perform(SKM_COMMAND, SkinCommandWParam(SKC_REFRESH), reinterpret_cast<LPARAM>(manager.get()));
    Pump(30);
    return box;
  }
  TDataPanel* child = nullptr;
};

TEST_F(ScrollBoxTest, AChildAsksForItsBackgroundInsideTheBorder) {
  TsScrollBox* box = NewBox("PANEL");
  ASSERT_EQ(box->BorderWidth(), 2);
  const struct {
    int left, top;
  } places[] = {{0, 0}, {7, 11}};
  for (const auto& p : places) {
    child->SetBounds(p.left, p.top, 50, 40);
    zelvan::paint::TCacheInfo info;
    child->SkinData.GetParentCache(info);
    ASSERT_TRUE(info.Ready && info.Bmp) << "the panel section answers with its picture";
    EXPECT_EQ(info.X, 2 + p.left);
    EXPECT_EQ(info.Y, 2 + p.top);
    EXPECT_EQ(info.Bmp->Width(), box->Width()) << "the cache holds the border too";
  }
  RedrawWindow(box->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Pump(20);
  HDC dc = GetDC(child->Handle());
  EXPECT_EQ(GetPixel(dc, 25, 20), CachedPixel(child->SkinData, 25, 20)) << "the child shows its picture";
  ReleaseDC(child->Handle(), dc);
  delete box;
}

TEST_F(ScrollBoxTest, AThumbDragLeavesThePictureAFreshRepaintMakes) {
  const char* sections[] = {"PANEL", "EDIT"};  // a picture, a plain colour
  for (const char* section : sections) {
    SCOPED_TRACE(section);
    TsScrollBox* box = NewBox(section);
    box->VertScrollBar().Tracking = true;
    TacScrollWnd* wrapper = box->ScrollWnd();
    ASSERT_NE(wrapper, nullptr);
    ASSERT_TRUE(wrapper->sBarVert.fScrollVisible);
    HWND window = box->Handle();
    RECT w{};
    GetWindowRect(window, &w);
    const RECT bar = wrapper->BarRect(wrapper->sBarVert);
    const zelvan::paint::TThumb thumb = wrapper->ThumbOf(wrapper->sBarVert);
    POINT at{w.left + (bar.left + bar.right) / 2, w.top + bar.top + thumb.Start + thumb.Length / 2};
    SetCursorPos(at.x, at.y);
    SendMessageW(window, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(at.x, at.y));
    for (int step = 0; step < 3; ++step) {
      at.y += 9;
      POINT client = at;
      ScreenToClient(window, &client);
      SendMessageW(window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(client.x, client.y));
    }
    POINT client = at;
    ScreenToClient(window, &client);
    SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    Pump(30);
    EXPECT_GT(box->VertPosition(), 0);
    auto dragged = GrabClient(window);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    auto fresh = GrabClient(window);
    EXPECT_EQ(DifferingPixels(*dragged, *fresh), 0);
    delete box;
  }
}

TEST_F(ScrollBoxTest, TheWheelMovesWholeNotchesOfTheIncrement) {
  TsScrollBox* box = NewBox("EDIT");
  box->SetAutoMouseWheel(true);
  box->ScrollTo(0, 40);
  const struct {
    int delta, position;
  } turns[] = {{120, 32}, {60, 32}, {-240, 48}};
  for (const auto& t : turns) {
    SendMessageW(box->Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, t.delta), 0);
    EXPECT_EQ(box->VertPosition(), t.position) << "delta " << t.delta;
  }
  delete box;
}

TEST_F(ScrollBoxTest, SkinRemovalGivesThePlatformsBarsBackInANewWindow) {
  TsScrollBox* box = NewBox("EDIT");
  ASSERT_NE(box->ScrollWnd(), nullptr);
  ExpectHandlesSteady(
      [&] {
        const HWND before = box->Handle();
        manager->SetActive(false);
        EXPECT_EQ(box->ScrollWnd(), nullptr);
        Pump(20);
        EXPECT_NE(box->Handle(), before) << "made anew after the broadcast";
        SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
        EXPECT_TRUE(GetScrollInfo(box->Handle(), SB_VERT, &info));
        manager->SetActive(true);
        Pump(20);
        EXPECT_NE(box->ScrollWnd(), nullptr);
      },
      3, 2);
  delete box;
}

}  // namespace
