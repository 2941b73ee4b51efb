// Extended borders under Wine, in Air (which has no EXBORDER part, so the
// engine's built-in shadows with 9-pixel margins serve): the form shows only
// its client area; the skin's frame (Air's 4-pixel border and 30-pixel title)
// lies around it in a layered window directly under the form, grown by the
// shadow, that answers the frame's hit codes, passes the mouse on to the form
// and follows moves, sizes, activation and the frame's changes.
#include "skin/window/border_form.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "../framework/test_support.h"
#include "core/image/bitmap32.h"
#include "core/paint/pixel.h"
#include "framework/forms/form.h"
#include "framework/graphics/bitmap.h"
#include "kit_skin_fixture.h"
#include "skin/store/skin_manager.h"
#include "skin/window/caption_animation.h"
#include "skin/window/skin_provider.h"
#include "skin_test_kit.h"

namespace {

RECT WindowRect(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

RECT ClientOnScreen(HWND window) {
  RECT r{};
  GetClientRect(window, &r);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

// The window's region box, or an empty rect without a region.
RECT RegionBox(HWND window) {
  RECT box{};
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  if (GetWindowRgn(window, region) != ERROR) GetRgnBox(region, &box);
  DeleteObject(region);
  return box;
}

bool InRegion(HWND window, POINT point) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const bool inside = GetWindowRgn(window, region) == ERROR || PtInRegion(region, point.x, point.y);
  DeleteObject(region);
  return inside;
}

bool Inside(const std::vector<zelvan::paint::TRect>& rects, POINT p) {
  for (const auto& r : rects) {
    if (p.x >= r.Left && p.x < r.Right && p.y >= r.Top && p.y < r.Bottom) return true;
  }
  return false;
}

POINT Centre(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

LPARAM At(POINT screen) { return MAKELPARAM(screen.x, screen.y); }

class BorderFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    manager = std::make_unique<TsSkinManager>(nullptr);
    ASSERT_TRUE(LoadSkin(*manager, SkinsFolder(), L"Air"));
    manager->SetExtendedBorders(true);
    MakeForm();
  }
  void TearDown() override {
    delete form;
    manager.reset();
    Pump(10);
  }
  void MakeForm(bool allowExtBorders = true) {
    form = new TForm(Application);
    form->SetBorderStyle(bsSizeable);
    form->SetBounds(150, 120, 300, 200);
    form->SetCaption(L"Border");
    provider = new TsSkinProvider(form);
    provider->AllowExtBorders = allowExtBorders;
    provider->SetSkinManager(manager.get());
    form->Show();
    Pump(30);
  }
  HWND Border() const { return provider->BorderForm() ? provider->BorderForm()->Handle() : nullptr; }
  int ExBorderWidth() const { return manager->SkinData->ExBorderWidth; }
  // The client area grown by the skin's frame, then by the built-in shadow.
  RECT Expected(int title) const {
    RECT r = ClientOnScreen(form->Handle());
    r.left -= ExBorderWidth() + 9;
    r.top -= title + 9;
    r.right += ExBorderWidth() + 9;
    r.bottom += ExBorderWidth() + 9;
    return r;
  }
  RECT Expected() const { return Expected(manager->SkinData->ExTitleHeight); }
  // The client area in the form's window coordinates.
  RECT ClientInWindow() const {
    RECT r = ClientOnScreen(form->Handle());
    const RECT w = WindowRect(form->Handle());
    OffsetRect(&r, -w.left, -w.top);
    return r;
  }
  uint32_t PictureAt(int x, int y) const {
    GdiFlush();
    return zelvan::image::GetPixel32(provider->BorderForm()->Picture()->Image(), x, y);
  }
  // A point of a zone of the frame that the frame shows (not cut away).
  POINT Shown(const RECT& zone) const {
    for (int y = zone.top; y < zone.bottom; ++y)
      for (int x = zone.left; x < zone.right; ++x)
        if (!Inside(provider->RegionRects(), POINT{x, y})) return POINT{x, y};
    return POINT{zone.left, zone.top};
  }
  LRESULT HitAt(POINT screen) const { return SendMessageW(Border(), WM_NCHITTEST, 0, At(screen)); }
  // A point of the frame (frame coordinates) on the screen.
  POINT OnScreen(int x, int y) const { return provider->CacheToScreen(POINT{x, y}); }

  std::unique_ptr<TsSkinManager> manager;
  TForm* form = nullptr;
  TsSkinProvider* provider = nullptr;
};

TEST_F(BorderFormTest, TheFormShowsItsClientAreaAndTheBorderWindowTheSkinsFrame) {
  EXPECT_EQ(manager->FormShadowSize(), (zelvan::paint::TRect{9, 9, 9, 9}));
  EXPECT_EQ(provider->FrameWidth(), ExBorderWidth());
  EXPECT_EQ(provider->CaptionHeight(), manager->SkinData->ExTitleHeight);
  const RECT client = ClientInWindow(), box = RegionBox(form->Handle());
  EXPECT_TRUE(EqualRect(&box, &client)) << "only the client area shows from the form";

  HWND border = Border();
  ASSERT_NE(border, nullptr);
  EXPECT_TRUE(IsWindowVisible(border));
  const RECT shown = WindowRect(border), expected = Expected();
  EXPECT_TRUE(EqualRect(&shown, &expected));
  const LONG_PTR ex = GetWindowLongPtrW(border, GWL_EXSTYLE);
  for (const LONG_PTR style : {LONG_PTR{WS_EX_LAYERED}, LONG_PTR{WS_EX_NOACTIVATE}, LONG_PTR{WS_EX_TOOLWINDOW}}) {
    EXPECT_TRUE(ex & style) << std::hex << style;
  }
  EXPECT_FALSE(ex & WS_EX_TRANSPARENT) << "the frame takes the mouse";
  EXPECT_EQ(GetWindow(form->Handle(), GW_HWNDNEXT), border) << "directly under the form";
  EXPECT_NE(GetWindow(border, GW_OWNER), form->Handle()) << "an owned window would lie above its form";

  // Every pixel of the frame outside the client area and the cut corners is
  // the provider's frame picture, opaque.
  TBitmap* cache = provider->SkinData.CacheBmp();
  ASSERT_NE(cache, nullptr);
  ASSERT_EQ(cache->Width() + 18, shown.right - shown.left);
  ASSERT_EQ(cache->Height() + 18, shown.bottom - shown.top);
  const RECT inner = provider->ClientInCache();
  GdiFlush();
  int differing = 0, compared = 0, cutShown = 0;
  for (int y = 0; y < cache->Height(); ++y) {
    for (int x = 0; x < cache->Width(); ++x) {
      const POINT p{x, y};
      if (PtInRect(&inner, p)) continue;
      const uint32_t picture = PictureAt(x + 9, y + 9);
      if (Inside(provider->RegionRects(), p)) {
        cutShown += zelvan::paint::PixelA(picture) == 255;
        continue;
      }
      ++compared;
      differing += picture != (zelvan::image::GetPixel32(cache->Image(), x, y) | 0xFF000000u);
    }
  }
  EXPECT_GT(compared, 2 * cache->Width() * ExBorderWidth());
  EXPECT_EQ(differing, 0);
  EXPECT_EQ(cutShown, 0) << "cut corners show what lies behind";

  // Shadow around: soft; the active one darker than the inactive one.
  const int middleY = (shown.bottom - shown.top) / 2;
  const int active = zelvan::paint::PixelA(PictureAt(6, middleY));
  EXPECT_GT(active, 0);
  EXPECT_LT(active, 255);
  SendMessageW(form->Handle(), WM_NCACTIVATE, FALSE, 0);
  Pump(5);
  const int inactive = zelvan::paint::PixelA(PictureAt(6, middleY));
  EXPECT_GT(inactive, 0);
  EXPECT_LT(inactive, active);
}

TEST_F(BorderFormTest, TheBorderWindowAnswersTheFramesHitCodesAndTheShadowLetsTheMouseThrough) {
  ASSERT_NE(Border(), nullptr);
  const int w = provider->CaptionWidth(), h = provider->CacheHeight();
  const int bw = ExBorderWidth(), title = provider->CaptionHeight();
  const RECT buttons = provider->ButtonClose.Rect;
  ASSERT_FALSE(IsRectEmpty(&buttons));
  const RECT maxRect = provider->ButtonMax.Rect, minRect = provider->ButtonMin.Rect;
  const POINT closeAt = Centre(buttons), maxAt = Centre(maxRect), minAt = Centre(minRect);
  struct Case {
    const char* where;
    POINT frame;
    LRESULT code;
  } cases[] = {
      {"caption", {w / 3, title / 2}, HTCAPTION},
      {"close button", closeAt, HTCLOSE},
      {"maximise button", maxAt, HTMAXBUTTON},
      {"minimise button", minAt, HTMINBUTTON},
      {"left edge", {1, h / 2}, HTLEFT},
      {"right edge", {w - 2, h / 2}, HTRIGHT},
      {"bottom edge", {w / 2, h - 2}, HTBOTTOM},
      {"top edge", {w / 3, 1}, HTTOP},
      {"top left corner", Shown({0, 0, bw, bw}), HTTOPLEFT},
      {"top right corner", Shown({w - bw, 0, w, bw}), HTTOPRIGHT},
      {"bottom left corner", Shown({0, h - bw, bw, h}), HTBOTTOMLEFT},
      {"bottom right corner", Shown({w - bw, h - bw, w, h}), HTBOTTOMRIGHT},
      {"client area", {w / 2, h / 2}, HTTRANSPARENT},
      {"shadow left", {-5, h / 2}, HTTRANSPARENT},
      {"shadow below", {w / 2, h + 4}, HTTRANSPARENT},
  };
  for (const Case& c : cases) {
    ASSERT_FALSE(Inside(provider->RegionRects(), c.frame)) << c.where << " lies in a cut corner";
    EXPECT_EQ(HitAt(OnScreen(c.frame.x, c.frame.y)), c.code) << c.where;
  }
  // A cut corner is shadow.
  ASSERT_FALSE(provider->RegionRects().empty());
  const auto& corner = provider->RegionRects().front();
  EXPECT_EQ(HitAt(OnScreen(corner.Left, corner.Top)), HTTRANSPARENT);
  // The form's own client area is the form's; the caption the border window's.
  EXPECT_EQ(WindowFromPoint(OnScreen(w / 2, h / 2)), form->Handle());
  EXPECT_EQ(WindowFromPoint(OnScreen(w / 3, title / 2)), Border());

  // The region leaves out exactly the fully see-through pixels: along the
  // window's top row and left column, and through a cut corner.
  const RECT shown = WindowRect(Border());
  int mismatches = 0, seeThrough = 0;
  const auto check = [&](int x, int y) {
    const bool clear = zelvan::paint::PixelA(PictureAt(x, y)) == 0;
    seeThrough += clear;
    mismatches += InRegion(Border(), POINT{x, y}) == clear;
  };
  for (int x = 0; x < shown.right - shown.left; ++x) check(x, 0);
  for (int y = 0; y < shown.bottom - shown.top; ++y) check(0, y);
  for (const auto& cut : provider->RegionRects()) check(cut.Left + 9, cut.Top + 9);
  EXPECT_EQ(mismatches, 0);
  EXPECT_GT(seeThrough, 0);

  // Sizing cursors on the edges.
  SendMessageW(Border(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Border()), MAKELPARAM(HTLEFT, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_SIZEWE));
  SendMessageW(Border(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Border()), MAKELPARAM(HTCAPTION, WM_MOUSEMOVE));
  EXPECT_EQ(GetCursor(), LoadCursorW(nullptr, IDC_ARROW));
}

TEST_F(BorderFormTest, MouseOnTheBorderWindowWorksTheFormsFrame) {
  ASSERT_NE(Border(), nullptr);
  // What reaches the form from the border window; caption and edges are
  // kept from the platform's modal move and size loops here.
  std::vector<std::pair<UINT, WPARAM>> reached;
  form->AddWindowHook([&](TMessage& m, const TWndMethod& next) {
    if (m.Msg == WM_NCLBUTTONDOWN || m.Msg == WM_NCMOUSEMOVE) reached.emplace_back(m.Msg, m.WParam);
    if (m.Msg == WM_NCLBUTTONDOWN && (m.WParam == HTCAPTION || m.WParam == HTLEFT)) return;
    next(m);
  });
  const int w = provider->CaptionWidth(), h = provider->CacheHeight();
  for (const POINT frame : {POINT{w / 3, provider->CaptionHeight() / 2}, POINT{1, h / 2}}) {
    const POINT at = OnScreen(frame.x, frame.y);
    const WPARAM code = static_cast<WPARAM>(HitAt(at));
    SendMessageW(Border(), WM_NCLBUTTONDOWN, code, At(at));
    ASSERT_FALSE(reached.empty());
    EXPECT_EQ(reached.back(), std::make_pair(UINT{WM_NCLBUTTONDOWN}, code));
  }

  // A double click on the caption maximises the form, another restores it.
  for (const bool zoomed : {true, false}) {
    const POINT caption = OnScreen(provider->CaptionWidth() / 3, provider->CaptionHeight() / 2);
    SendMessageW(Border(), WM_NCLBUTTONDBLCLK, static_cast<WPARAM>(HitAt(caption)), At(caption));
    Pump(20);
    EXPECT_EQ(IsZoomed(form->Handle()) != FALSE, zoomed);
    ASSERT_NE(Border(), nullptr);
  }

  // Close: hot, pressed (the form takes the capture), released on it: the form closes.
  const POINT close = provider->CacheToScreen(Centre(provider->ButtonClose.Rect));
  SendMessageW(Border(), WM_NCMOUSEMOVE, static_cast<WPARAM>(HitAt(close)), At(close));
  EXPECT_EQ(provider->CurrentHT, HTCLOSE);
  EXPECT_EQ(provider->ButtonClose.State, 1);
  EXPECT_EQ(reached.back(), std::make_pair(UINT{WM_NCMOUSEMOVE}, WPARAM{HTCLOSE}));
  // The hot look fades in over the button where the border window shows it.
  ASSERT_NE(provider->ButtonClose.Timer, nullptr);
  ASSERT_NE(provider->ButtonClose.Timer->Window(), nullptr);
  const RECT hotAt = WindowRect(provider->ButtonClose.Timer->Window());
  const RECT& b = provider->ButtonClose.Rect;
  const POINT buttonAt = provider->CacheToScreen(POINT{b.left, b.top});
  const RECT button{buttonAt.x, buttonAt.y, buttonAt.x + b.right - b.left, buttonAt.y + b.bottom - b.top};
  RECT covered{};
  UnionRect(&covered, &hotAt, &button);
  EXPECT_TRUE(EqualRect(&covered, &hotAt)) << "over the button (a glow around it)";
  if (!provider->ButtonClose.Timer->Glowing()) {
    EXPECT_TRUE(EqualRect(&hotAt, &button));
  }
  SendMessageW(Border(), WM_NCLBUTTONDOWN, HTCLOSE, At(close));
  EXPECT_EQ(provider->ButtonClose.State, 2);
  EXPECT_EQ(GetActiveWindow(), form->Handle()) << "the border window never takes the activation";
  ASSERT_EQ(GetCapture(), form->Handle());
  POINT inClient = close;
  ScreenToClient(form->Handle(), &inClient);
  SendMessageW(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(inClient.x, inClient.y));
  Pump(30);
  EXPECT_FALSE(IsWindowVisible(form->Handle())) << "closed";
  EXPECT_EQ(Border(), nullptr) << "its border went with it";
}

TEST_F(BorderFormTest, MovesMoveTheSamePictureAndTheFramesChangesPaintItAnew) {
  ASSERT_NE(Border(), nullptr);
  TacBorderForm* border = provider->BorderForm();
  int paints = border->Paints();
  TBitmap* picture = border->Picture();
  SetWindowPos(form->Handle(), nullptr, 260, 180, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  Pump(5);
  RECT shown = WindowRect(Border()), expected = Expected();
  EXPECT_TRUE(EqualRect(&shown, &expected));
  EXPECT_EQ(border->Paints(), paints) << "a move paints nothing";
  EXPECT_EQ(border->Picture(), picture) << "nor makes a new picture";

  // A new caption is shown by the border window.
  const RECT text = provider->CaptionTextRect();
  const auto band = [&] {
    std::vector<uint32_t> pixels;
    for (int y = text.top; y < text.bottom; ++y)
      for (int x = text.left; x < text.right; ++x) pixels.push_back(PictureAt(x + 9, y + 9));
    return pixels;
  };
  const std::vector<uint32_t> before = band();
  form->SetCaption(L"Another caption 另一个");
  Pump(10);
  EXPECT_GT(border->Paints(), paints);
  EXPECT_NE(band(), before);
  EXPECT_EQ(border->Picture(), picture) << "the same picture, painted again";
  int differing = 0;
  GdiFlush();
  for (int y = text.top; y < text.bottom; ++y)
    for (int x = text.left; x < text.right; ++x)
      differing += PictureAt(x + 9, y + 9) !=
                   (zelvan::image::GetPixel32(provider->SkinData.CacheBmp()->Image(), x, y) | 0xFF000000u);
  EXPECT_EQ(differing, 0) << "as the provider painted it";

  paints = border->Paints();
  SetWindowPos(form->Handle(), nullptr, 0, 0, 360, 240, SWP_NOMOVE | SWP_NOZORDER);
  Pump(5);
  shown = WindowRect(Border());
  expected = Expected();
  EXPECT_TRUE(EqualRect(&shown, &expected));
  EXPECT_GT(border->Paints(), paints);
  const RECT client = ClientOnScreen(form->Handle());
  EXPECT_EQ(border->Picture()->Width(), client.right - client.left + 2 * ExBorderWidth() + 18);
}

TEST_F(BorderFormTest, OnlyAFormShownNormallyOrMaximisedHasABorder) {
  struct Step {
    const char* what;
    std::function<void()> act;
    bool border;
  } steps[] = {
      {"minimised", [&] { ShowWindow(form->Handle(), SW_MINIMIZE); }, false},
      {"restored", [&] { ShowWindow(form->Handle(), SW_RESTORE); }, true},
      {"maximised", [&] { ShowWindow(form->Handle(), SW_MAXIMIZE); }, true},
      {"restored again", [&] { ShowWindow(form->Handle(), SW_RESTORE); }, true},
      {"hidden", [&] { form->Hide(); }, false},
      {"shown", [&] { form->Show(); }, true},
      {"borders off", [&] { manager->SetExtendedBorders(false); }, false},
      {"borders on", [&] { manager->SetExtendedBorders(true); }, true},
  };
  for (const Step& step : steps) {
    HWND before = Border();
    step.act();
    Pump(10);
    EXPECT_EQ(Border() != nullptr, step.border) << step.what;
    if (!step.border && before) {
      EXPECT_FALSE(IsWindow(before)) << step.what << ": the window is freed";
    }
    if (!step.border || !Border()) continue;
    const RECT shown = WindowRect(Border());
    if (IsZoomed(form->Handle())) {
      // The maximised title; the region inside shadow and frame, 4 pixels below the shadow's top.
      EXPECT_EQ(provider->CaptionHeight(), manager->SkinData->ExMaxHeight);
      const RECT expected = Expected(manager->SkinData->ExMaxHeight);
      EXPECT_TRUE(EqualRect(&shown, &expected)) << step.what;
      const int bw = ExBorderWidth();
      const RECT inside{9 + bw, 9 + 4, shown.right - shown.left - 9 - bw, shown.bottom - shown.top - 9 - bw};
      const RECT box = RegionBox(Border());
      EXPECT_TRUE(EqualRect(&box, &inside)) << step.what;
    } else {
      const RECT expected = Expected();
      EXPECT_TRUE(EqualRect(&shown, &expected)) << step.what;
    }
  }
  HWND last = Border();
  ASSERT_NE(last, nullptr);
  delete form;
  form = nullptr;
  EXPECT_FALSE(IsWindow(last)) << "freed with the form";
}

TEST_F(BorderFormTest, WithoutExtendedBordersTheOrdinaryFrameAndRegionComeBack) {
  const RECT client = ClientInWindow();
  const POINT caption{60, 10};  // window coordinates: in the ordinary title band
  EXPECT_FALSE(InRegion(form->Handle(), caption));
  const auto expectOrdinary = [&](const char* what) {
    const RECT bounds = WindowRect(form->Handle());
    EXPECT_EQ(Border(), nullptr) << what;
    EXPECT_EQ(provider->FrameWidth(), client.left) << what;
    EXPECT_EQ(provider->CaptionWidth(), bounds.right - bounds.left) << what;
    EXPECT_EQ(provider->SkinData.CacheBmp()->Width(), bounds.right - bounds.left) << what;
    EXPECT_TRUE(InRegion(form->Handle(), caption)) << what;
    EXPECT_EQ(SendMessageW(form->Handle(), WM_NCHITTEST, 0, At(POINT{bounds.left + caption.x, bounds.top + caption.y})),
              HTCAPTION)
        << what;
  };
  manager->SetExtendedBorders(false);
  Pump(20);
  expectOrdinary("manager off");
  manager->SetExtendedBorders(true);
  Pump(20);
  ASSERT_NE(Border(), nullptr);
  const RECT box = RegionBox(form->Handle());
  EXPECT_TRUE(EqualRect(&box, &client)) << "on again";

  delete form;
  MakeForm(false);
  expectOrdinary("a provider that does not allow them");
}

TEST_F(BorderFormTest, MovingActivatingAndMakingFormsLeaveHandlesSteady) {
  int x = 150;
  ExpectHandlesSteady(
      [&] {
        x = x == 150 ? 170 : 150;
        SetWindowPos(form->Handle(), nullptr, x, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
        SendMessageW(form->Handle(), WM_NCACTIVATE, x == 150, 0);
      },
      50);
  delete form;
  form = nullptr;
  ExpectHandlesSteady(
      [&] {
        MakeForm();
        ASSERT_NE(Border(), nullptr);
        delete form;
        form = nullptr;
        Pump(5);
      },
      10);
}

}  // namespace
