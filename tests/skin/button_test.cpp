// The skinned push button under Wine, on the kit skin (BUTTON: 4 states,
// fades in 5; THREE: 3 states; BUTTON_HUGE: a frame that cuts the window
// region) and Air: each look against the engine's own painting of the
// section, fades, the region, the focus frame, click semantics, layout,
// resource counts and idleness.
#include "skin/controls/button.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include <uxtheme.h>
#include <vsstyle.h>

#include "core/image/bitmap32.h"
#include "core/paint/dotted_frame.h"
#include "core/paint/mask_painting.h"
#include "framework/application/application.h"
#include "framework/graphics/image_list.h"
#include "framework/menus/menu.h"
#include "../framework/menu_loop.h"
#include "kit_skin_fixture.h"
#include "skin/paint/control_paint.h"

namespace {

// Counts what the button receives: paints and fade frames.
class TCountedButton : public TsButton {
 public:
  using TsButton::TsButton;
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_PAINT) {
      ++Paints;
      PaintedStates.push_back(CurrentState());
    }
    if (message.Msg == SKM_COMMAND && SkinCommandCode(message.WParam) == SKC_PAINT_FADE_FRAME) ++Frames;
    TsButton::WndProc(message);
  }
  int Paints = 0;
  int Frames = 0;
  std::vector<int> PaintedStates;
};

class ButtonTest : public KitSkinTest {
 protected:
  void SetUp() override {
    KitSkinTest::SetUp();
    form->Show();
    // Focus would make a button hot: an edit takes it.
    edit = TakeFocusAway(*form);
  }
  void TearDown() override {
    SetAnimationsSuppressed(false);
    KitSkinTest::TearDown();
  }
  TCountedButton* Button(const std::string& section = "BUTTON", const std::wstring& caption = L"") {
    auto* button = Add<TCountedButton>(form, L"Button", section, 20, 20);
    button->SetBounds(20, 20, 75, 25);
    button->SetText(caption);
    SendSkinCommand(button->Handle(), SKC_REFRESH, reinterpret_cast<LPARAM>(manager.get()));
    Pump(20);
    return button;
  }
  // The section painted by the engine over the parent at the button's size and place.
  static std::unique_ptr<TBitmap> Expected(TsButton& button, int state) {
    auto expected = std::make_unique<TBitmap>(button.Width(), button.Height(), pf32bit);
    PaintItemWithParent(button.SkinData, button.Parent(), true, expected->Image(), {0, 0},
                        {0, 0, button.Width(), button.Height()}, state);
    return expected;
  }
  static COLORREF Shown(TWinControl* control, int x, int y) {
    HDC dc = GetDC(control->Handle());
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(control->Handle(), dc);
    return colour;
  }
  HWND edit = nullptr;
};

TEST_F(ButtonTest, EachLookIsTheSectionsStatePicture) {
  SetAnimationsSuppressed(true);
  struct Case {
    const char* what;
    const char* section;
    int reach;  // 0 nothing, 1 mouse enter, 2 press, 3 default, 4 disabled
    int state, painted;
  } cases[] = {{"normal", "BUTTON", 0, 0, 0},         {"hot", "BUTTON", 1, 1, 1},
               {"pressed", "BUTTON", 2, 2, 2},        {"default, four states", "BUTTON", 3, 3, 3},
               {"default, three states", "THREE", 3, 3, 1}, {"disabled", "BUTTON", 4, 0, 0}};
  for (const auto& c : cases) {
    TCountedButton* button = Button(c.section);
    ASSERT_TRUE(button->SkinData.Skinned()) << c.what;
    if (c.reach == 1) button->Perform(CM_MOUSEENTER);
    if (c.reach == 2) SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    if (c.reach == 3) button->SetDefault(true);
    if (c.reach == 4) button->SetEnabled(false);
    Pump(20);
    EXPECT_EQ(button->CurrentState(), c.state) << c.what;
    EXPECT_EQ(ButtonPaintedState(button->SkinData, c.state), c.painted) << c.what;
    ASSERT_TRUE(button->PrepareCache());
    std::unique_ptr<TBitmap> expected = Expected(*button, c.painted);
    if (c.reach == 4) {
      zelvan::paint::TCacheInfo behind;
      button->SkinData.GetParentCache(behind);
      zelvan::paint::TDisabledControl control{{button->Left(), button->Top()}, 0};
      GdiFlush();
      zelvan::paint::PaintDisabled(expected->Image(), zelvan::paint::dkBlended, control, {0, 0, 75, 25}, behind);
    }
    EXPECT_EQ(DifferingPixels(*button->SkinData.CacheBmp(), *expected), 0) << c.what;
    EXPECT_EQ(Shown(button, 37, 12), CachedPixel(button->SkinData, 37, 12)) << c.what << ": the window shows the cache";
    if (c.reach == 2) SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    delete button;
  }
}

TEST_F(ButtonTest, HoverFadesInTheSectionsStepsAndEndsOnTheHotLook) {
  TCountedButton* button = Button();
  button->Repaint();
  Pump(20);
  button->Frames = 0;
  button->Perform(CM_MOUSEENTER);
  ASSERT_NE(button->FadeTimer(), nullptr);
  ASSERT_TRUE(PumpUntil([&] { return button->FadeTimer() == nullptr; }, 5000));
  EXPECT_EQ(button->Frames, 5);
  EXPECT_EQ(DifferingPixels(*button->SkinData.CacheBmp(), *Expected(*button, 1)), 0);
  EXPECT_EQ(Shown(button, 37, 12), CachedPixel(button->SkinData, 37, 12));

  // A press fades in half the steps.
  button->Frames = 0;
  SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ASSERT_TRUE(PumpUntil([&] { return button->FadeTimer() == nullptr; }, 5000));
  EXPECT_EQ(button->Frames, 2);
  SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  ASSERT_TRUE(PumpUntil([&] { return button->FadeTimer() == nullptr; }, 5000));
}

TEST_F(ButtonTest, RoundedFrameCutsTheWindowRegionAirsDoesNot) {
  SetAnimationsSuppressed(true);
  TCountedButton* button = Button("BUTTON_HUGE");
  ASSERT_TRUE(button->SkinData.Skinned());
  button->Repaint();
  Pump(20);
  const auto* mask = ButtonBorderMask(button->SkinData);
  ASSERT_NE(mask, nullptr);
  ASSERT_EQ(mask->CornerType, 2);
  // The engine's frame painter tells which pixels are see-through.
  zelvan::image::TWorkingBitmap scratch(75, 25);
  std::vector<zelvan::paint::TRect> cut;
  zelvan::paint::DrawMaskRectRegion(scratch, cut, 0, *mask);
  ASSERT_FALSE(cut.empty());
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(button->Handle(), region), ERROR);
  for (const auto& r : cut)
    for (int x = r.Left; x < r.Right; ++x) EXPECT_FALSE(PtInRegion(region, x, r.Top)) << x << "," << r.Top;
  EXPECT_TRUE(PtInRegion(region, 37, 12));
  EXPECT_TRUE(PtInRegion(region, 1, 1));
  DeleteObject(region);

  // Repainting does not build it again.
  const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  for (int i = 0; i < 20; ++i) button->Repaint();
  EXPECT_FALSE(button->Face().RegionChanged);
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdi);
  delete button;

  TsSkinManager air(nullptr);
  ASSERT_TRUE(LoadSkin(air, SkinsFolder(), L"Air"));
  auto* plain = Make<TsButton>(form, L"Air");
  plain->SkinData.SetSkinManager(&air);
  plain->SetBounds(20, 60, 75, 25);
  SendSkinCommand(plain->Handle(), SKC_REFRESH, reinterpret_cast<LPARAM>(&air));
  plain->Repaint();
  Pump(20);
  ASSERT_TRUE(plain->SkinData.Skinned());
  HRGN none = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(plain->Handle(), none), ERROR) << "Air's BUTTON leaves the window whole";
  DeleteObject(none);
  delete plain;
}

TEST_F(ButtonTest, FocusedButtonShowsTheDottedFrameAroundItsCaption) {
  SetAnimationsSuppressed(true);
  TCountedButton* button = Button("BUTTON", L"OK");
  manager->gd[static_cast<size_t>(button->SkinData.SkinIndex)].ShowFocus = true;
  button->SetFocus();
  Pump(20);
  ASSERT_TRUE(button->Focused());
  ASSERT_TRUE(button->PrepareCache());
  TCanvas& canvas = button->SkinData.CacheBmp()->Canvas();
  RECT frame = button->CaptionRect(canvas, button->CurrentState());
  InflateRect(&frame, 1, 1);
  GdiFlush();
  // The engine's dots: every third pixel of each edge black, the one before it button face.
  const auto dots = zelvan::paint::DottedFrameDots({frame.left, frame.top, frame.right, frame.bottom});
  ASSERT_FALSE(dots.empty());
  for (const auto& dot : dots) {
    const COLORREF want = dot.Second ? RGB(0, 0, 0) : static_cast<COLORREF>(GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(CachedPixel(button->SkinData, dot.X, dot.Y), want) << dot.X << "," << dot.Y;
  }
  button->SetShowFocus(false);
  ASSERT_TRUE(button->PrepareCache());
  int black = 0;
  for (int x = frame.left; x < frame.right; ++x) black += CachedPixel(button->SkinData, x, frame.top) == RGB(0, 0, 0);
  EXPECT_EQ(black, 0) << "no frame without ShowFocus";
}

TEST_F(ButtonTest, PressLeaveReleaseDoesNotClickAndHintsAreOffWhileHeld) {
  SetAnimationsSuppressed(true);
  TCountedButton* button = Button("BUTTON", L"OK");
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  Application->ShowHint = true;
  SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_FALSE(Application->ShowHint) << "held";
  SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(Application->ShowHint) << "released";
  EXPECT_EQ(clicks, 1);

  SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  button->Perform(CM_MOUSEENTER);
  EXPECT_EQ(button->CurrentState(), 2);
  SendMessageW(button->Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(200, 200));
  button->Perform(CM_MOUSELEAVE);
  // The press focused the button, and a focused button is hot.
  EXPECT_EQ(button->CurrentState(), button->Focused() ? 1 : 0) << "dragged out: not pressed";
  SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(200, 200));
  EXPECT_EQ(clicks, 1) << "released outside: no click";
  EXPECT_TRUE(Application->ShowHint);

  SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(clicks, 1) << "a release without a press does nothing";

  button->SetFocus();
  SendMessageW(button->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  EXPECT_EQ(button->CurrentState(), 2) << "space shows pressed wherever the mouse is";
  SendMessageW(button->Handle(), WM_KEYUP, VK_SPACE, 0);
  EXPECT_EQ(clicks, 2);
}

TEST_F(ButtonTest, AQuickClickStillShowsThePressedLook) {
  TCountedButton* button = Button("BUTTON", L"OK");
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ASSERT_GT(FadeTimerCount(), 0) << "the press fades in";
  button->PaintedStates.clear();
  // Released before the press fade ran a single step.
  SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_NE(std::find(button->PaintedStates.begin(), button->PaintedStates.end(), 2), button->PaintedStates.end())
      << "painted pressed at once";
  EXPECT_EQ(clicks, 1);
  ASSERT_TRUE(PumpUntil([] { return FadeTimerCount() == 0; }, 3000));
}

// Pixels of the button's top and bottom two rows that differ from reference.
int EdgeRowsDiffering(TWinControl& button, TBitmap& reference) {
  RedrawWindow(button.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  GdiFlush();
  const int w = button.Width(), h = button.Height();
  HDC dc = GetDC(button.Handle());
  int differ = 0;
  // The corners are left out: a themed button shows its parent there.
  for (int x = 3; x < w - 3; ++x) {
    for (int y : {0, 1, h - 2, h - 1}) {
      const uint32_t e = zelvan::image::GetPixel32(reference.Image(), x, y) & 0xFFFFFF;
      differ += RGB((e >> 16) & 0xFF, (e >> 8) & 0xFF, e & 0xFF) != GetPixel(dc, x, y);
    }
  }
  ReleaseDC(button.Handle(), dc);
  return differ;
}

TEST_F(ButtonTest, WithoutTheSkinTheButtonDrawsThePlatformsPushButton) {
  TCountedButton* button = Button("BUTTON", L"");
  manager->SetActive(false);
  Pump(20);
  ASSERT_FALSE(button->SkinData.Skinned());
  const int w = button->Width(), h = button->Height();
  RECT all{0, 0, w, h};
  // Themed where the platform themes applications.
  if (HTHEME theme = IsAppThemed() ? OpenThemeData(button->Handle(), L"BUTTON") : nullptr) {
    TBitmap themed(w, h, pf32bit);
    DrawThemeBackground(theme, themed.Canvas().Handle(), BP_PUSHBUTTON, PBS_NORMAL, &all, nullptr);
    CloseThemeData(theme);
    EXPECT_EQ(EdgeRowsDiffering(*button, themed), 0) << "the theme's push button";
  }
  const DWORD properties = GetThemeAppProperties();
  SetThemeAppProperties(0);  // the application's controls unthemed
  TBitmap classic(w, h, pf32bit);
  DrawFrameControl(classic.Canvas().Handle(), &all, DFC_BUTTON, DFCS_BUTTONPUSH);
  EXPECT_EQ(EdgeRowsDiffering(*button, classic), 0) << "the raised edges of the classic push button";
  button->SetFocus();
  Pump(20);
  EXPECT_EQ(Shown(button, 0, 0), RGB(0, 0, 0)) << "focused: a black frame around it";
  SetThemeAppProperties(properties);
  manager->SetActive(true);
}

TEST_F(ButtonTest, AMovedSeeThroughButtonPaintsItsNewBackgroundAnOpaqueOneDoesNot) {
  SetAnimationsSuppressed(true);
  for (const auto& [section, repaints] : {std::pair<std::string, bool>{"BUTTON", false}, {"HALF0", true}}) {
    TCountedButton* button = Button(section, L"OK");
    button->Paints = 0;
    SetWindowPos(button->Handle(), nullptr, 40, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump(30);
    EXPECT_EQ(button->Paints > 0, repaints) << section;
    delete button;
  }
}

TEST_F(ButtonTest, ASplitButtonsArrowOpensItsMenuBelowItWithoutAClick) {
  SetAnimationsSuppressed(true);
  TCountedButton* button = Button("BUTTON", L"Go");
  button->SetBounds(20, 20, 100, 26);
  button->SetStyle(bsSplitButton);
  TPopupMenu menu(nullptr);
  menu.Items().Add(L"One");
  button->SetDropDownMenu(&menu);
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  RECT place{}, bounds{};
  int stateWhileOpen = -1;
  TMenuLoopProbe probe;
  probe.Action = [&](HWND menuWindow) {
    GetWindowRect(menuWindow, &place);
    GetWindowRect(button->Handle(), &bounds);
    stateWhileOpen = button->CurrentState();
    return false;
  };
  WithMenuProbe(probe, [&] { SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(95, 10)); });
  ASSERT_TRUE(probe.Ran) << "the menu opened";
  EXPECT_EQ(place.left, bounds.left);
  EXPECT_EQ(place.top, bounds.bottom) << "below the button";
  EXPECT_EQ(stateWhileOpen, 2) << "pressed while the menu is open";
  EXPECT_FALSE(button->DroppedDown);
  SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(95, 10));
  EXPECT_EQ(clicks, 0);

  SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 10));  // the caption part
  SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(30, 10));
  EXPECT_EQ(clicks, 1) << "outside the arrow it is a button";
  button->SetDropDownMenu(nullptr);
}

TEST_F(ButtonTest, CaptionAndImageLayout) {
  TImageList images(nullptr);
  images.SetWidth(16);
  images.SetHeight(16);
  TBitmap picture(16, 16, pf24bit);
  images.Add(picture, nullptr);
  TCountedButton* button = Button("BUTTON", L"Go");
  button->SetBounds(20, 20, 120, 40);
  button->SetImages(&images);
  button->SetImageIndex(0);
  button->SetImageMargins({2, 3, 4, 5});
  TCanvas& canvas = button->SkinData.CacheBmp()->Canvas();
  canvas.Font().Assign(button->Font());
  const SIZE text = button->CaptionSize(canvas);
  ASSERT_GT(text.cx, 0);
  const int vTop = (40 - text.cy) / 2;
  struct Case {
    TImageAlignment alignment;
    int state;
    RECT image, caption;
  } cases[] = {
      {iaLeft, 0, {8, 12, 24, 28}, {16 + 6 + 6, vTop, 114, 40 - vTop}},
      {iaRight, 0, {120 - 4 - 6 - 16, 12, 120 - 4 - 6, 28}, {6, vTop, 120 - 6 - 16 - 6, 40 - vTop}},
      {iaCenter, 0, {52, 12, 68, 28}, {(120 - text.cx) / 2 - 1, vTop, (120 - text.cx) / 2 + 1 + text.cx, 40 - vTop}},
      {iaTop, 0, {52, 9, 68, 25}, {6, 3 + 12 + 16 + (40 - 6 - (31 + text.cy)) / 2, 114, 0}},
      {iaLeft, 2, {9, 13, 25, 29}, {29, vTop + 1, 115, 41 - vTop}},
  };
  for (const auto& c : cases) {
    button->SetImageAlignment(c.alignment);
    const RECT image = button->ImageRect(c.state);
    EXPECT_TRUE(EqualRect(&image, &c.image)) << c.alignment << " image " << image.left << "," << image.top;
    RECT caption = button->CaptionRect(canvas, c.state);
    RECT want = c.caption;
    if (c.alignment == iaTop) want.bottom = want.top + text.cy;
    EXPECT_TRUE(EqualRect(&caption, &want)) << c.alignment << " caption " << caption.left << "," << caption.top << ","
                                            << caption.right << "," << caption.bottom;
  }
  button->SetImages(nullptr);
}

TEST_F(ButtonTest, ResourcesStayPutOverThousandCyclesAndIdleButtonsDoNotPaint) {
  SetAnimationsSuppressed(true);
  TCountedButton* button = Button("BUTTON_HUGE", L"OK");
  auto cycle = [&](int i) {
    button->Perform(CM_MOUSEENTER);
    SendMessageW(button->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(button->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    button->Perform(CM_MOUSELEAVE);
    button->SetBounds(20, 20, 75 + i % 7, 25 + i % 3);
    UpdateWindow(button->Handle());
  };
  for (int i = 0; i < 10; ++i) cycle(i);
  Pump(20);
  const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  for (int i = 0; i < 1000; ++i) cycle(i);
  Pump(20);
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS), gdi);
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), user);

  button->Paints = 0;
  Pump(200);
  EXPECT_EQ(button->Paints, 0) << "a button left alone paints nothing";
}

}  // namespace
