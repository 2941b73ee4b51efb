// Form frame skinning under Wine, in Air: the client rect as unskinned, hit
// tests over a grid of points, the window region against the border masks'
// key pixels, no platform caption over the skinned one, WM_PRINT as on the
// screen, one provider per form, everything given back, no handle leaks.
#include "skin/window/skin_provider.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

#include "../framework/menu_loop.h"
#include "../framework/test_support.h"
#include "core/image/bitmap32.h"
#include "core/paint/color_mix.h"
#include "core/paint/fill.h"
#include "core/paint/image_part.h"
#include "framework/forms/form.h"
#include "kit_skin_fixture.h"
#include "skin_test_kit.h"

namespace {

// A windowless child that fills itself with its colour.
class TFilledShape : public TGraphicControl {
 public:
  explicit TFilledShape(TComponent* owner) : TGraphicControl(owner) { SetBounds(20, 20, 30, 20); }

 protected:
  void Paint() override {
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(RECT{0, 0, Width(), Height()});
  }
};

RECT WindowBounds(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  return r;
}

// The client rect in window coordinates.
RECT ClientPlace(HWND window) {
  RECT client{};
  GetClientRect(window, &client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  const RECT bounds = WindowBounds(window);
  OffsetRect(&client, origin.x - bounds.left, origin.y - bounds.top);
  return client;
}

// The window as its window DC reads back (Wine keeps a surface per window).
std::unique_ptr<TBitmap> WindowPicture(HWND window, uint32_t sentinel = 0x00123456) {
  const RECT r = WindowBounds(window);
  auto picture = std::make_unique<TBitmap>(r.right - r.left, r.bottom - r.top, pf32bit);
  zelvan::paint::FillRect32(picture->Image(), {0, 0, picture->Width(), picture->Height()}, sentinel, 0);
  HDC dc = GetWindowDC(window);
  BitBlt(picture->Canvas().Handle(), 0, 0, picture->Width(), picture->Height(), dc, 0, 0, SRCCOPY);
  ReleaseDC(window, dc);
  GdiFlush();
  return picture;
}

COLORREF At(TBitmap& bitmap, int x, int y) {
  const uint32_t p = zelvan::image::GetPixel32(bitmap.Image(), x, y);
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

// Pixels of rect whose colour is one of colours; with a window, only those
// its region shows.
int CountColours(TBitmap& bitmap, const RECT& rect, const std::vector<COLORREF>& colours, HWND window = nullptr) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  const bool clipped = window && GetWindowRgn(window, region) != ERROR;
  int count = 0;
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) {
      if (clipped && !PtInRegion(region, x, y)) continue;
      if (std::find(colours.begin(), colours.end(), At(bitmap, x, y)) != colours.end()) ++count;
    }
  }
  DeleteObject(region);
  return count;
}

std::vector<COLORREF> PlatformCaptionColours() {
  return {GetSysColor(COLOR_ACTIVECAPTION), GetSysColor(COLOR_INACTIVECAPTION),
          GetSysColor(COLOR_GRADIENTACTIVECAPTION), GetSysColor(COLOR_GRADIENTINACTIVECAPTION)};
}

class SkinProviderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    manager = std::make_unique<TsSkinManager>(nullptr);
    ASSERT_TRUE(LoadSkin(*manager, SkinsFolder(), L"Air"));
  }
  void TearDown() override {
    for (TForm* form : forms) delete form;
    manager.reset();
    Pump(10);
  }
  // A shown 400 x 300 form at (100, 100), with a provider when asked.
  TForm* Form(TFormBorderStyle style, bool skinned, TsSkinProvider** provider = nullptr) {
    auto* form = new TForm(Application);
    forms.push_back(form);
    form->SetTag(kPlainFormTag);  // skinned only by the provider a test gives it
    form->SetBorderStyle(style);
    form->SetBounds(100, 100, 400, 300);
    form->SetCaption(L"Frame");
    form->Show();
    if (skinned) {
      auto* made = new TsSkinProvider(form);
      made->SetSkinManager(manager.get());
      if (provider) *provider = made;
    }
    Pump(30);
    return form;
  }
  std::unique_ptr<TsSkinManager> manager;
  std::vector<TForm*> forms;
};

TEST_F(SkinProviderTest, TheClientRectIsTheSameWithAndWithoutTheSkin) {
  for (TFormBorderStyle style : {bsSizeable, bsSingle, bsDialog, bsToolWindow, bsSizeToolWin, bsNone}) {
    TsSkinProvider* provider = nullptr;
    HWND plain = Form(style, false)->Handle();
    HWND skinned = Form(style, true, &provider)->Handle();
    ASSERT_TRUE(provider->Skinned());
    const RECT a = ClientPlace(plain), b = ClientPlace(skinned);
    EXPECT_TRUE(EqualRect(&a, &b)) << "style " << style;
    EXPECT_EQ(provider->OffsetX(), a.left);
    EXPECT_EQ(provider->OffsetY(), a.top);
    if (style != bsNone) {
      EXPECT_EQ(provider->HeaderHeight(), provider->FrameHeight() + provider->CaptionHeight());
    }
  }
}

struct HitPoint {
  const char* where;
  int code;
  POINT point;
};

// Points of a grid over the form, in window coordinates, with the codes the
// platform's own names for them would give.
std::vector<HitPoint> HitGrid(HWND window, TsSkinProvider& p, bool sizeable, bool maximized) {
  const RECT r = WindowBounds(window);
  const int w = r.right - r.left, h = r.bottom - r.top;
  const RECT c = ClientPlace(window);
  const int f = c.left;  // the frame
  const int band = f + p.CaptionHeight() / 2;
  const auto centre = [](const RECT& x) { return POINT{(x.left + x.right) / 2, (x.top + x.bottom) / 2}; };
  std::vector<HitPoint> grid = {
      {"caption", HTCAPTION, {w / 2 - 60, band}},
      {"client", HTCLIENT, centre(c)},
      {"client corner", HTCLIENT, {c.left, c.top}},
      {"close", HTCLOSE, centre(p.ButtonClose.Rect)},
  };
  if (maximized) {
    grid.push_back({"top left shown", HTCAPTION, {f, f}});
    grid.push_back({"bottom of the client", HTCLIENT, {w / 2, c.bottom - 1}});
    return grid;
  }
  const int edge[] = {sizeable ? HTTOPLEFT : HTCAPTION, sizeable ? HTTOP : HTCAPTION, sizeable ? HTTOPRIGHT : HTCAPTION,
                      sizeable ? HTLEFT : HTBORDER,     sizeable ? HTRIGHT : HTBORDER,
                      sizeable ? HTBOTTOMLEFT : HTBORDER, sizeable ? HTBOTTOM : HTBORDER,
                      sizeable ? HTBOTTOMRIGHT : HTBORDER};
  const POINT edges[] = {{0, 0}, {w / 2, 0}, {w - 1, 1}, {0, h / 2}, {w - 1, h / 2}, {1, h - 1}, {w / 2, h - 1}, {w - 1, h - 1}};
  const char* names[] = {"top left", "top", "top right", "left", "right", "bottom left", "bottom", "bottom right"};
  for (int i = 0; i < 8; ++i) grid.push_back({names[i], edge[i], edges[i]});
  if (p.IconVisible()) grid.push_back({"icon", HTSYSMENU, centre(p.IconRect())});
  if (!IsRectEmpty(&p.ButtonMax.Rect)) grid.push_back({"maximise", HTMAXBUTTON, centre(p.ButtonMax.Rect)});
  if (!IsRectEmpty(&p.ButtonMin.Rect)) grid.push_back({"minimise", HTMINBUTTON, centre(p.ButtonMin.Rect)});
  return grid;
}

TEST_F(SkinProviderTest, HitTestsGiveEveryPartOfTheFrameItsCode) {
  struct Case {
    const char* name;
    TFormBorderStyle style;
    bool maximized;
  };
  for (const Case& k : {Case{"sizeable", bsSizeable, false}, Case{"single", bsSingle, false},
                        Case{"dialog", bsDialog, false}, Case{"maximised", bsSizeable, true}}) {
    TsSkinProvider* provider = nullptr;
    TForm* form = Form(k.style, true, &provider);
    HWND window = form->Handle();
    if (k.maximized) {
      ShowWindow(window, SW_MAXIMIZE);
      Pump(30);
    }
    provider->CalcItems();
    const RECT bounds = WindowBounds(window);
    for (const HitPoint& h : HitGrid(window, *provider, k.style == bsSizeable, k.maximized)) {
      const LPARAM at = MAKELPARAM(bounds.left + h.point.x, bounds.top + h.point.y);
      EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, at), h.code) << k.name << ": " << h.where;
    }
    // The icon and the system buttons lie in the title band, left and right.
    const int bandBottom = provider->FrameHeight() + provider->CaptionHeight();
    EXPECT_LE(provider->ButtonClose.Rect.bottom, bandBottom + 2) << k.name;
    EXPECT_GT(provider->ButtonClose.Rect.left, (bounds.right - bounds.left) / 2) << k.name;
    EXPECT_EQ(provider->IconVisible(), k.style != bsDialog) << k.name;
  }
}

TEST_F(SkinProviderTest, TheSizeGripIsABottomRightCorner) {
  TsSkinProvider* provider = nullptr;
  HWND window = Form(bsSizeable, true, &provider)->Handle();
  const RECT bounds = WindowBounds(window), c = ClientPlace(window);
  const LPARAM inGrip = MAKELPARAM(bounds.left + c.right - 3, bounds.top + c.bottom - 3);
  EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, inGrip), HTCLIENT);
  provider->GripMode = gmRightBottom;
  EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, inGrip), HTBOTTOMRIGHT);
}

// The corners of the first state image of a part, scanned here pixel by pixel.
bool KeyAt(const TsSkinManager& m, int partIndex, int width, int height, int x, int y, bool topOnly) {
  if (!m.IsValidImgIndex(partIndex)) return false;
  const auto& part = m.ma[static_cast<size_t>(partIndex)];
  const int iw = zelvan::paint::StateWidth(part), ih = zelvan::paint::StateHeight(part);
  int ix = -1, iy = -1;
  if (x < part.WL) ix = x;
  if (x >= width - part.WR) ix = iw - (width - x);
  if (y < part.WT) iy = y;
  if (!topOnly && y >= height - part.WB) iy = ih - (height - y);
  if (ix < 0 || iy < 0) return false;
  const auto& source = part.Bmp ? *part.Bmp : *m.MasterBitmap;
  return zelvan::image::GetPixel32(source, part.R.Left + ix, part.R.Top + iy) == 0x00FF00FF;
}

TEST_F(SkinProviderTest, TheRegionCutsExactlyTheBorderMasksKeyPixels) {
  TsSkinProvider* provider = nullptr;
  HWND window = Form(bsSizeable, true, &provider)->Handle();
  const RECT bounds = WindowBounds(window);
  const int w = bounds.right - bounds.left, h = bounds.bottom - bounds.top;
  const int formMask = provider->SkinData.BorderIndex;
  const int titleMask = manager->gd[static_cast<size_t>(provider->TitleSkinIndex())].BorderIndex;
  ASSERT_TRUE(manager->IsValidImgIndex(formMask));
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(window, region), ERROR);
  int cut = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      if (x > 12 && x < w - 12 && y > 12 && y < h - 12) continue;  // only the corners can be cut
      const bool key = KeyAt(*manager, formMask, w, h, x, y, false) || KeyAt(*manager, titleMask, w, h, x, y, true);
      cut += key;
      ASSERT_EQ(PtInRegion(region, x, y) == FALSE, key) << x << "," << y;
    }
  }
  EXPECT_GT(cut, 8);  // Air's corners are round
  // Maximised: the frame is cut off all round.
  ShowWindow(window, SW_MAXIMIZE);
  Pump(30);
  ASSERT_NE(GetWindowRgn(window, region), ERROR);
  RECT box{};
  GetRgnBox(region, &box);
  const RECT mb = WindowBounds(window), c = ClientPlace(window);
  EXPECT_EQ(box.left, c.left);
  EXPECT_EQ(box.top, c.left);
  EXPECT_EQ(box.right, mb.right - mb.left - c.left);
  EXPECT_EQ(box.bottom, mb.bottom - mb.top - c.left);
  DeleteObject(region);
}

TEST_F(SkinProviderTest, ThePlatformNeverPaintsItsCaptionOverTheSkinnedOne) {
  HICON icon = LoadIconW(nullptr, IDI_WARNING);
  struct Change {
    const char* name;
    UINT msg;
    WPARAM wParam;
    LPARAM lParam;
  };
  const std::vector<Change> changes = {{"text", WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"Another title")},
                                       {"deactivation", WM_NCACTIVATE, FALSE, 0},
                                       {"activation", WM_NCACTIVATE, TRUE, 0},
                                       {"icon", WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon)}};
  for (bool skinned : {false, true}) {
    TsSkinProvider* provider = nullptr;
    TForm* form = Form(bsSizeable, false);
    HWND window = form->Handle();
    // Below the provider: sees the window right after the platform's handling.
    std::vector<std::pair<const char*, int>> seen;
    int unread = 0;
    const char* current = "";
    // The hook sees this iteration's locals: it goes with them.
    struct THookScope {
      TForm* Form;
      TWndHookToken Token;
      ~THookScope() { Form->RemoveWindowHook(Token); }
    } hook{form, form->AddWindowHook([&](TMessage& m, const TWndMethod& next) {
      next(m);
      if (m.Msg != WM_SETTEXT && m.Msg != WM_NCACTIVATE && m.Msg != WM_SETICON) return;
      auto picture = WindowPicture(window);
      const RECT band{0, 0, picture->Width(), ClientPlace(window).top};
      seen.emplace_back(current, CountColours(*picture, band, PlatformCaptionColours(), window));
      unread += CountColours(*picture, band, {RGB(0x12, 0x34, 0x56)});
    })};
    if (skinned) {
      provider = new TsSkinProvider(form);
      provider->SetSkinManager(manager.get());
      Pump(30);
    }
    for (const Change& c : changes) {
      current = c.name;
      SendMessageW(window, c.msg, c.wParam, c.lParam);
    }
    ASSERT_EQ(seen.size(), changes.size());
    EXPECT_EQ(unread, 0) << "the window DC read back the window";
    for (const auto& [name, count] : seen) {
      if (skinned) {
        EXPECT_EQ(count, 0) << name;
      } else if (std::string(name) == "text") {
        EXPECT_GT(count, 0) << "the probe sees the platform's caption";
      }
    }
    if (skinned) {
      // Afterwards the band on the screen is the cache's band.
      Pump(30);
      auto picture = WindowPicture(window);
      TBitmap* cache = provider->SkinData.CacheBmp();
      int differ = 0;
      for (int y = 0; y < provider->HeaderHeight(); ++y) {
        for (int x = 12; x < picture->Width() - 12; ++x) differ += At(*picture, x, y) != At(*cache, x, y);
      }
      EXPECT_EQ(differ, 0);
    }
  }
}

// Pixels of rect close to colour (each channel within tolerance).
int NearColour(TBitmap& bitmap, const RECT& rect, COLORREF colour, int tolerance) {
  int count = 0;
  for (int y = rect.top; y < rect.bottom; ++y) {
    for (int x = rect.left; x < rect.right; ++x) {
      const COLORREF c = At(bitmap, x, y);
      count += std::abs(GetRValue(c) - GetRValue(colour)) <= tolerance &&
               std::abs(GetGValue(c) - GetGValue(colour)) <= tolerance &&
               std::abs(GetBValue(c) - GetBValue(colour)) <= tolerance;
    }
  }
  return count;
}

TEST_F(SkinProviderTest, AnAddedTitleFollowsTheCaptionInItsOwnColour) {
  TsSkinProvider* provider = nullptr;
  TForm* form = Form(bsSizeable, true, &provider);
  HWND window = form->Handle();
  provider->AddedTitle.Font.SetColor(static_cast<TColor>(RGB(255, 0, 0)));
  provider->AddedTitle.SetText(L"Added");
  Pump(20);
  const RECT main = provider->MainTextPlace(), added = provider->AddedTextPlace();
  ASSERT_FALSE(IsRectEmpty(&main));
  ASSERT_FALSE(IsRectEmpty(&added));
  EXPECT_EQ(main.left, provider->CaptionTextRect().left);
  EXPECT_EQ(added.left, main.right + 4);
  EXPECT_GT(NearColour(*WindowPicture(window), added, RGB(255, 0, 0), 40), 0) << "active: the chosen colour";
  SendMessageW(window, WM_NCACTIVATE, FALSE, 0);
  auto inactive = WindowPicture(window);
  EXPECT_EQ(NearColour(*inactive, added, RGB(255, 0, 0), 40), 0) << "inactive: not the chosen colour";
  const TColor title = manager->gd[static_cast<size_t>(provider->TitleSkinIndex())].Props[0].FontColor.Color;
  const TColor mixed = zelvan::paint::MixColors(title, RGB(255, 0, 0), 0.5);
  EXPECT_GT(NearColour(*inactive, added, static_cast<COLORREF>(mixed), 40), 0) << "but half way to the title's";
  SendMessageW(window, WM_NCACTIVATE, TRUE, 0);

  provider->AddedTitle.SetShowMainCaption(false);
  const RECT hiddenMain = provider->MainTextPlace();
  EXPECT_TRUE(IsRectEmpty(&hiddenMain));
  EXPECT_EQ(provider->AddedTextPlace().left, provider->CaptionTextRect().left) << "the added text alone";
  provider->AddedTitle.SetShowMainCaption(true);

  // Right to left: left alignment mirrored, the added text read first, on the left.
  SetWindowLongPtrW(window, GWL_EXSTYLE, GetWindowLongPtrW(window, GWL_EXSTYLE) | WS_EX_RTLREADING);
  provider->TitleChanged();
  EXPECT_EQ(provider->MainTextPlace().right, provider->CaptionTextRect().right);
  EXPECT_EQ(provider->AddedTextPlace().right + 4, provider->MainTextPlace().left);
}

TEST_F(SkinProviderTest, ATitleIconOfItsOwnTakesTheIconsPlaceAndSize) {
  TsSkinProvider* provider = nullptr;
  TForm* form = Form(bsSizeable, true, &provider);
  HWND window = form->Handle();
  const RECT standard = provider->IconRect();
  const int standardText = provider->CaptionTextRect().left;
  TBitmap glyph(24, 12, pf32bit);
  zelvan::paint::FillRect32(glyph.Image(), {0, 0, 24, 12}, 0x0000C000, 255);
  provider->TitleIcon.SetWidth(24);
  provider->TitleIcon.SetHeight(12);
  provider->TitleIcon.SetGlyph(glyph);
  Pump(20);
  const RECT icon = provider->IconRect();
  EXPECT_EQ(icon.right - icon.left, 24);
  EXPECT_EQ(icon.bottom - icon.top, 12);
  EXPECT_EQ(icon.left, standard.left);
  EXPECT_EQ(provider->CaptionTextRect().left - standardText, 24 - (standard.right - standard.left));
  EXPECT_EQ(NearColour(*WindowPicture(window), icon, RGB(0, 0xC0, 0), 0), 24 * 12);

  provider->TitleIcon.SetVisible(false);
  const RECT hiddenIcon = provider->IconRect();
  EXPECT_TRUE(IsRectEmpty(&hiddenIcon));
  const RECT bounds = WindowBounds(window);
  EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(bounds.left + icon.left + 4, bounds.top + icon.top + 4)),
            HTCAPTION);
}

TEST_F(SkinProviderTest, PrintingTheFormGivesTheFrameAsOnTheScreen) {
  TsSkinProvider* provider = nullptr;
  TForm* form = Form(bsSizeable, true, &provider);
  auto* shape = new TFilledShape(form);
  shape->SetParent(form);
  shape->SetColor(RGB(0xFF, 0, 0));
  HWND window = form->Handle();
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  Pump(30);
  auto screen = WindowPicture(window);
  TBitmap printed(screen->Width(), screen->Height(), pf32bit);
  SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(printed.Canvas().Handle()),
               PRF_NONCLIENT | PRF_CLIENT | PRF_CHILDREN);
  GdiFlush();
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(window, region), ERROR);
  int differ = 0, compared = 0;
  for (int y = 0; y < screen->Height(); ++y) {
    for (int x = 0; x < screen->Width(); ++x) {
      if (!PtInRegion(region, x, y)) continue;
      ++compared;
      differ += At(*screen, x, y) != At(printed, x, y);
    }
  }
  DeleteObject(region);
  EXPECT_GT(compared, screen->Width() * screen->Height() / 2);
  EXPECT_EQ(differ, 0);
  // The windowless child is in both, over the skinned background.
  const RECT c = ClientPlace(window);
  EXPECT_EQ(At(*screen, c.left + 25, c.top + 25), RGB(0xFF, 0, 0));
  EXPECT_EQ(At(*screen, c.left + 5, c.top + 5), At(*provider->SkinData.CacheBmp(), c.left + 5, c.top + 5));
}

TEST_F(SkinProviderTest, ASecondProviderOnTheFormDoesNothing) {
  TsSkinProvider* first = nullptr;
  TForm* form = Form(bsSizeable, true, &first);
  auto* second = new TsSkinProvider(form);
  EXPECT_TRUE(second->RTEmpty);
  EXPECT_FALSE(first->RTEmpty);
  EXPECT_EQ(ProviderOf(form), first);
  int listed = 0;
  for (int i = 0; i < SkinnedFormList().Count(); ++i) listed += SkinnedFormList().Items(i) == form;
  EXPECT_EQ(listed, 1);
  delete second;
  EXPECT_EQ(ProviderOf(form), first);
  EXPECT_EQ(GetWindowLongPtrW(form->Handle(), GWL_STYLE) & WS_SYSMENU, 0);
  // An automatic provider gives way to an explicit one.
  TForm* other = Form(bsSizeable, false);
  TsSkinProvider::CreateRT(other);
  auto* explicitOne = new TsSkinProvider(other);
  EXPECT_FALSE(explicitOne->RTEmpty);
  EXPECT_EQ(ProviderOf(other), explicitOne);
}

TEST_F(SkinProviderTest, RemovingTheProviderGivesTheFormBackItsProcedureAndStyles) {
  TForm* form = Form(bsSizeable, false);
  HWND window = form->Handle();
  const LONG_PTR proc = GetWindowLongPtrW(window, GWLP_WNDPROC);
  const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE), exStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_EQ(GetWindowRgn(window, region), ERROR);
  auto* provider = new TsSkinProvider(form);
  provider->SetSkinManager(manager.get());
  Pump(30);
  EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE), style & ~static_cast<LONG_PTR>(WS_SYSMENU));
  EXPECT_NE(GetWindowRgn(window, region), ERROR);
  EXPECT_TRUE(SkinnedFormList().Contains(form));
  delete provider;
  EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), proc);
  EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE), style);
  EXPECT_EQ(GetWindowLongPtrW(window, GWL_EXSTYLE), exStyle);
  EXPECT_EQ(GetWindowRgn(window, region), ERROR);
  EXPECT_EQ(ProviderOf(form), nullptr);
  EXPECT_FALSE(SkinnedFormList().Contains(form));
  DeleteObject(region);
}

TEST_F(SkinProviderTest, RemovingTheSkinLeavesThePlatformFrame) {
  TsSkinProvider* provider = nullptr;
  TForm* form = Form(bsSizeable, true, &provider);
  HWND window = form->Handle();
  manager->SetActive(false);
  Pump(30);
  EXPECT_FALSE(provider->Skinned());
  EXPECT_NE(GetWindowLongPtrW(window, GWL_STYLE) & WS_SYSMENU, 0);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(window, region), ERROR);
  DeleteObject(region);
  EXPECT_EQ(form->Color(), clBtnFace);
  EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(WindowBounds(window).left + 1, WindowBounds(window).top + 1)),
            HTTOPLEFT);
}

TEST_F(SkinProviderTest, WithoutNonClientDrawingThePlatformFrameStaysAndTheClientIsSkinned) {
  TsSkinProvider* provider = nullptr;
  TForm* form = Form(bsSizeable, true, &provider);
  HWND window = form->Handle();
  provider->SetDrawNonClientArea(false);
  Pump(30);
  EXPECT_NE(GetWindowLongPtrW(window, GWL_STYLE) & WS_SYSMENU, 0);
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(window, region), ERROR);
  DeleteObject(region);
  const RECT bounds = WindowBounds(window);
  // The platform's own caption buttons answer again.
  RECT close{};
  TITLEBARINFOEX info{};
  info.cbSize = sizeof(info);
  SendMessageW(window, WM_GETTITLEBARINFOEX, 0, reinterpret_cast<LPARAM>(&info));
  close = info.rgrect[5];
  if (!IsRectEmpty(&close)) {
    EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM((close.left + close.right) / 2, (close.top + close.bottom) / 2)),
              HTCLOSE);
  }
  EXPECT_EQ(SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(bounds.left + 1, bounds.top + 1)), HTTOPLEFT);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  auto picture = WindowPicture(window);
  const RECT c = ClientPlace(window);
  EXPECT_EQ(At(*picture, c.left + 60, c.top + 60), At(*provider->SkinData.CacheBmp(), c.left + 60, c.top + 60));
}

TEST_F(SkinProviderTest, AltF4AndTheSystemMenuStillWork) {
  TsSkinProvider* provider = nullptr;
  TForm* form = Form(bsSizeable, true, &provider);
  HWND window = form->Handle();
  int closes = 0;
  form->OnClose = [&](TObject*, TCloseAction& action) {
    ++closes;
    action = caNone;
  };
  SendMessageW(window, WM_SYSKEYDOWN, VK_F4, 0x20000001);
  Pump(30);
  EXPECT_EQ(closes, 1);
  // Alt+Space opens the skinned system menu, though the window has no system-menu style.
  TMenuLoopProbe probe;
  bool skinned = false;
  probe.Action = [&](HWND menu) {
    skinned = SendMessageW(menu, SKM_COMMAND, SkinCommandWParam(SKC_IS_SKINNED, 0), 0) == 1;
    return false;
  };
  WithMenuProbe(probe, [&] { SendMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, L' '); });
  EXPECT_TRUE(probe.Ran);
  EXPECT_TRUE(skinned);
  EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & WS_SYSMENU, 0);
}

TEST_F(SkinProviderTest, AMaximisedFormCoversTheWorkAreaWithItsFrameBeyond) {
  TsSkinProvider* provider = nullptr;
  HWND window = Form(bsSizeable, true, &provider)->Handle();
  ShowWindow(window, SW_MAXIMIZE);
  Pump(30);
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  const RECT r = WindowBounds(window);
  const int f = ClientPlace(window).left;
  EXPECT_EQ(r.left, work.left - f);
  EXPECT_EQ(r.top, work.top - f);
  EXPECT_EQ(r.right, work.right + f);
  EXPECT_EQ(r.bottom, work.bottom + f);
}

TEST_F(SkinProviderTest, ADraggedFormSnapsToTheWorkAreaEdges) {
  TsSkinProvider* provider = nullptr;
  HWND window = Form(bsSizeable, true, &provider)->Handle();
  provider->ScreenSnap = true;
  RECT work{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  SetWindowPos(window, nullptr, work.left + 6, work.top + 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_EQ(WindowBounds(window).left, work.left + 6);  // not dragged: no snap
  SendMessageW(window, WM_ENTERSIZEMOVE, 0, 0);
  SetWindowPos(window, nullptr, work.left + 6, work.top + 200, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_EQ(WindowBounds(window).left, work.left);
  SetWindowPos(window, nullptr, work.right - 400 + 9, work.top + 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  EXPECT_EQ(WindowBounds(window).right, work.right);
  SendMessageW(window, WM_EXITSIZEMOVE, 0, 0);
}

// Drives an outline drag from inside its loop: moves the pointer, checks
// that the form itself stays put, then ends the drag the way asked.
struct TOutlineScript {
  HWND Window = nullptr;
  POINT Start{};
  POINT Travel{};
  int Ending = 0;  // a message that ends the drag; 0: the capture is taken away
  int Tick = 0;
  RECT During{};
};
TOutlineScript* Script = nullptr;

void CALLBACK DriveOutline(HWND, UINT, UINT_PTR id, DWORD) {
  TOutlineScript& s = *Script;
  if (++s.Tick == 1) {
    POINT to{s.Start.x + s.Travel.x, s.Start.y + s.Travel.y};
    ScreenToClient(s.Window, &to);
    PostMessageW(s.Window, WM_MOUSEMOVE, 0, MAKELPARAM(to.x, to.y));
    return;
  }
  GetWindowRect(s.Window, &s.During);
  KillTimer(nullptr, id);
  if (s.Ending == WM_KEYDOWN) {
    PostMessageW(s.Window, WM_KEYDOWN, VK_ESCAPE, 0);
  } else if (s.Ending) {
    PostMessageW(s.Window, static_cast<UINT>(s.Ending), 0, 0);
  } else {
    ReleaseCapture();
  }
}

TEST_F(SkinProviderTest, AnOutlineDragMovesOrSizesTheFormOnlyWhenReleased) {
  TsSkinProvider* provider = nullptr;
  TForm* form = Form(bsSizeable, true, &provider);
  provider->ResizeMode = rmBorder;
  HWND window = form->Handle();
  struct Case {
    const char* what;
    int hit;
    POINT travel;
    int ending;
    RECT grows;  // added to the window's edges
  } cases[] = {
      {"caption drag released", HTCAPTION, {40, 25}, WM_LBUTTONUP, {40, 25, 40, 25}},
      {"right edge released", HTRIGHT, {60, 10}, WM_LBUTTONUP, {0, 0, 60, 0}},
      {"corner below the smallest size", HTBOTTOMRIGHT, {-1000, -1000}, WM_LBUTTONUP, {0, 0, 0, 0}},
      {"Escape leaves it", HTCAPTION, {40, 25}, WM_KEYDOWN, {0, 0, 0, 0}},
      {"a right click leaves it", HTLEFT, {-30, 0}, WM_RBUTTONDOWN, {0, 0, 0, 0}},
      {"a lost capture leaves it", HTBOTTOM, {0, 30}, 0, {0, 0, 0, 0}},
  };
  for (const Case& c : cases) {
    const RECT before = WindowBounds(window);
    const POINT start{(before.left + before.right) / 2, before.top + 10};
    TOutlineScript script{window, start, c.travel, c.ending, 0, {}};
    Script = &script;
    SetTimer(nullptr, 0, 20, DriveOutline);
    SendMessageW(window, WM_NCLBUTTONDOWN, c.hit, MAKELPARAM(start.x, start.y));
    Script = nullptr;
    const RECT after = WindowBounds(window);
    EXPECT_TRUE(EqualRect(&script.During, &before)) << c.what << ": the form stays while the outline moves";
    if (c.hit == HTBOTTOMRIGHT) {
      // Stopped at the smallest size the form allows.
      EXPECT_EQ(after.left, before.left);
      EXPECT_EQ(after.right - after.left, GetSystemMetrics(SM_CXMINTRACK)) << c.what;
    } else {
      const RECT expected{before.left + c.grows.left, before.top + c.grows.top, before.right + c.grows.right,
                          before.bottom + c.grows.bottom};
      EXPECT_TRUE(EqualRect(&after, &expected))
          << c.what << ": " << after.left << "," << after.top << "," << after.right << "," << after.bottom;
    }
    EXPECT_EQ(GetCapture(), nullptr) << c.what;
    SetWindowPos(window, nullptr, 100, 100, 400, 300, SWP_NOZORDER);
  }
}

TEST_F(SkinProviderTest, TheMouseOnTheFormItselfLeavesNoControlHot) {
  TForm* form = Form(bsSizeable, true);
  HWND child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE, 10, 10, 50, 20, form->Handle(), nullptr,
                               GetModuleHandleW(nullptr), nullptr);
  manager->SetActiveControl(child);
  ASSERT_EQ(manager->ActiveControl(), child);
  SendMessageW(form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(200, 150));
  EXPECT_EQ(manager->ActiveControl(), nullptr);
  DestroyWindow(child);
}

TEST_F(SkinProviderTest, FormsWithProvidersComeAndGoWithoutLeakingHandles) {
  const auto cycle = [this] {
    auto* form = new TForm(Application);
    form->SetBounds(50, 50, 300, 200);
    form->SetCaption(L"Cycle");
    auto* shape = new TFilledShape(form);
    shape->SetParent(form);
    auto* provider = new TsSkinProvider(form);
    provider->SetSkinManager(manager.get());
    form->Show();
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    SetWindowTextW(form->Handle(), L"Cycle 2");
    delete form;
  };
  ExpectHandlesSteady(cycle, 100);
}

}  // namespace
