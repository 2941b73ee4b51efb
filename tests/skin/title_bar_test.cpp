// Items of a title bar on a skinned form, in Air: they take the free part of
// the title band by their alignment, answer hit tests with their own codes
// (spacers and labels are caption), report presses, releases and clicks, turn
// hot in the skin's look, and tabs of a group are chosen one at a time.
#include "skin/window/title_bar.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../framework/menu_loop.h"
#include "../framework/test_support.h"
#include "framework/menus/menu.h"
#include "framework/forms/form.h"
#include "kit_skin_fixture.h"
#include "core/image/bitmap32.h"
#include "skin/window/caption_animation.h"
#include "skin/window/skin_provider.h"
#include "skin_test_kit.h"

namespace {

POINT Middle(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

COLORREF ImagePixel(TBitmap& bitmap, int x, int y) {
  GdiFlush();
  const uint32_t p = zelvan::image::GetPixel32(bitmap.Image(), x, y);
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

// The pixels of r in a picture, row by row.
std::vector<COLORREF> Pixels(TBitmap& bitmap, const RECT& r) {
  std::vector<COLORREF> out;
  for (int y = r.top; y < r.bottom; ++y)
    for (int x = r.left; x < r.right; ++x) out.push_back(ImagePixel(bitmap, x, y));
  return out;
}

// A shown form of Air with a provider and a title bar of one button.
struct TItemForm {
  TItemForm() {
    manager = std::make_unique<TsSkinManager>(nullptr);
    EXPECT_TRUE(LoadSkin(*manager, SkinsFolder(), L"Air"));
    SetCursorPos(5, 5);
    form.reset(new TForm(Application));
    form->SetBorderStyle(bsSizeable);
    form->SetBounds(200, 200, 500, 200);
    form->SetCaption(L"Items");
    provider = new TsSkinProvider(form.get());
    bar = new TsTitleBar(form.get());
    item = bar->Add();
    item->Caption = L"Open";
    form->Show();
    provider->SetSkinManager(manager.get());
    Pump(30);
    provider->CalcItems();
    provider->RenderFrame();
  }
  TBitmap& Cache() { return *provider->SkinData.CacheBmp(); }
  POINT OnScreen() const {
    RECT bounds{};
    GetWindowRect(form->Handle(), &bounds);
    const POINT middle = Middle(item->Data.Rect);
    return POINT{bounds.left + middle.x, bounds.top + middle.y};
  }
  std::unique_ptr<TsSkinManager> manager;
  std::unique_ptr<TForm> form;
  TsSkinProvider* provider = nullptr;
  TsTitleBar* bar = nullptr;
  TacTitleBarItem* item = nullptr;
};

TEST(TitleBarTest, ItemsTakeTheFreeBandAnswerTheMouseAndChooseOneTab) {
  auto manager = std::make_unique<TsSkinManager>(nullptr);
  ASSERT_TRUE(LoadSkin(*manager, SkinsFolder(), L"Air"));
  manager->Effects.SetAllowGlowing(false);
  SetCursorPos(5, 5);
  std::unique_ptr<TForm> form(new TForm(Application));
  form->SetBorderStyle(bsSizeable);
  form->SetBounds(200, 200, 600, 200);
  form->SetCaption(L"Title bar");
  auto* provider = new TsSkinProvider(form.get());
  auto* bar = new TsTitleBar(form.get());
  TacTitleBarItem* button = bar->Add();
  button->Caption = L"Open";
  TacTitleBarItem* info = bar->Add();
  info->Style = bsInfo;
  info->Align = tbaCenter;
  info->Caption = L"Info";
  TacTitleBarItem* first = bar->Add();
  first->Style = bsTab;
  first->Align = tbaRight;
  first->Caption = L"One";
  first->GroupIndex = 1;
  first->Down = true;
  TacTitleBarItem* second = bar->Add();
  second->Style = bsTab;
  second->Align = tbaRight;
  second->Caption = L"Two";
  second->GroupIndex = 1;
  std::vector<std::string> events;
  button->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { events.push_back("down"); };
  button->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { events.push_back("up"); };
  button->OnClick = [&](TObject*) { events.push_back("click"); };
  button->OnMouseEnter = [&](TObject*) { events.push_back("enter"); };
  button->OnMouseLeave = [&](TObject*) { events.push_back("leave"); };
  int tabClicks = 0;
  second->OnClick = [&](TObject*) { ++tabClicks; };
  form->Show();
  provider->SetSkinManager(manager.get());
  Pump(30);
  provider->CalcItems();
  HWND window = form->Handle();

  // Places: left items after the icon, right ones before the caption buttons' gap.
  EXPECT_EQ(button->Data.Rect.left, provider->IconRect().right + 6);
  const int barRight = provider->ButtonMin.Rect.left - manager->SkinData->BISpacing - 6;
  EXPECT_EQ(second->Data.Rect.right, barRight);
  EXPECT_EQ(first->Data.Rect.right, second->Data.Rect.left);
  EXPECT_GE(provider->CaptionTextRect().left, button->Data.Rect.right + 6) << "the caption gives the items room";
  EXPECT_LE(provider->CaptionTextRect().right, first->Data.Rect.left - 6);

  // Hit codes: clickable items their own, the label is caption.
  EXPECT_EQ(provider->FrameHitTest(Middle(button->Data.Rect)), 2000);
  EXPECT_EQ(provider->FrameHitTest(Middle(second->Data.Rect)), 2003);
  EXPECT_EQ(provider->FrameHitTest(Middle(info->Data.Rect)), HTCAPTION);

  // Hot in the skin's hot look, and back.
  provider->RenderFrame();
  const POINT inside{button->Data.Rect.left + 2, (button->Data.Rect.top + button->Data.Rect.bottom) / 2};
  const COLORREF normal = CachedPixel(provider->SkinData, inside.x, inside.y);
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const POINT screen{bounds.left + Middle(button->Data.Rect).x, bounds.top + Middle(button->Data.Rect).y};
  SendMessageW(window, WM_NCMOUSEMOVE, 2000, MAKELPARAM(screen.x, screen.y));
  EXPECT_EQ(button->Data.State, 1);
  ASSERT_NE(button->Data.Timer, nullptr) << "the hot look fades in over the item";
  EXPECT_NE(ImagePixel(*button->Data.Timer->Image(), inside.x - button->Data.Rect.left, inside.y - button->Data.Rect.top),
            normal);

  // Pressed and released on it: down, up, click; released elsewhere: down only.
  SetCursorPos(screen.x, screen.y);
  Pump(30);
  SendMessageW(window, WM_NCLBUTTONDOWN, 2000, MAKELPARAM(screen.x, screen.y));
  EXPECT_EQ(button->Data.State, 2);
  SendMessageW(window, WM_NCLBUTTONUP, 2000, MAKELPARAM(screen.x, screen.y));
  SendMessageW(window, WM_NCLBUTTONDOWN, 2000, MAKELPARAM(screen.x, screen.y));
  const POINT away{bounds.left + 300, bounds.top + 120};
  SetCursorPos(away.x, away.y);
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(300 - (provider->ClientInWindow().left), 120 - provider->ClientInWindow().top));
  SendMessageW(window, WM_NCMOUSELEAVE, 0, 0);
  Pump(30);
  // (The platform's own mouse moves may add entering and leaving; the rest is exact.)
  std::vector<std::string> presses;
  for (const std::string& e : events) {
    if (e != "enter" && e != "leave") presses.push_back(e);
  }
  EXPECT_EQ(presses, (std::vector<std::string>{"down", "up", "click", "down"}));
  ASSERT_FALSE(events.empty());
  EXPECT_EQ(events.front(), "enter");
  EXPECT_EQ(events.back(), "leave");
  EXPECT_EQ(button->Data.State, 0);
  EXPECT_EQ(CachedPixel(provider->SkinData, inside.x, inside.y), normal);

  // Tabs: choosing the second raises the first; choosing it again does nothing.
  const POINT tab{bounds.left + Middle(second->Data.Rect).x, bounds.top + Middle(second->Data.Rect).y};
  SendMessageW(window, WM_NCLBUTTONDOWN, 2003, MAKELPARAM(tab.x, tab.y));
  SendMessageW(window, WM_NCLBUTTONUP, 2003, MAKELPARAM(tab.x, tab.y));
  EXPECT_TRUE(second->Down);
  EXPECT_FALSE(first->Down);
  EXPECT_EQ(tabClicks, 1);
  SendMessageW(window, WM_NCLBUTTONDOWN, 2003, MAKELPARAM(tab.x, tab.y));
  EXPECT_EQ(tabClicks, 1);
  EXPECT_NE(GetCapture(), window) << "a tab never holds the mouse";

  // Without the caption the band's text goes.
  bar->ShowCaption = false;
  provider->CalcItems();
  EXPECT_LE(provider->CaptionTextRect().right, provider->CaptionTextRect().left);
}

TEST(TitleBarTest, AMenuButtonShowsItsMenuUnderItselfThenClicks) {
  auto manager = std::make_unique<TsSkinManager>(nullptr);
  ASSERT_TRUE(LoadSkin(*manager, SkinsFolder(), L"Air"));
  std::unique_ptr<TForm> form(new TForm(Application));
  form->SetBorderStyle(bsSizeable);
  form->SetBounds(200, 200, 500, 200);
  auto* provider = new TsSkinProvider(form.get());
  auto* bar = new TsTitleBar(form.get());
  auto menu = std::make_unique<TPopupMenu>(nullptr);
  menu->Items().Add(L"First");
  menu->Items().Add(L"Second");
  TacTitleBarItem* item = bar->Add();
  item->Style = bsMenu;
  item->Caption = L"File";
  item->SetDropdownMenu(menu.get());
  int clicks = 0;
  item->OnClick = [&](TObject*) { ++clicks; };
  form->Show();
  provider->SetSkinManager(manager.get());
  Pump(30);
  provider->CalcItems();
  EXPECT_EQ(item->Data.Rect.top, provider->CaptionTextRect().top) << "a menu button hangs from the band's top";
  HWND window = form->Handle();
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const POINT at{bounds.left + Middle(item->Data.Rect).x, bounds.top + Middle(item->Data.Rect).y};
  TMenuLoopProbe probe;
  RECT shown{};
  int stateWhileOpen = -1;
  probe.Action = [&](HWND menuWindow) {
    GetWindowRect(menuWindow, &shown);
    stateWhileOpen = item->Data.State;
    return false;
  };
  WithMenuProbe(probe, [&] { SendMessageW(window, WM_NCLBUTTONDOWN, 2000, MAKELPARAM(at.x, at.y)); });
  ASSERT_TRUE(probe.Ran);
  EXPECT_EQ(shown.left, bounds.left + item->Data.Rect.left);
  EXPECT_EQ(shown.top, bounds.top + item->Data.Rect.bottom);
  EXPECT_EQ(stateWhileOpen, 2);
  EXPECT_EQ(item->Data.State, 0);
  EXPECT_EQ(clicks, 1);
  EXPECT_NE(GetCapture(), window);

  // A freed menu is forgotten: the item is a plain one after it.
  menu.reset();
  EXPECT_EQ(item->DropdownMenu(), nullptr);
}

TEST(TitleBarTest, OnlyFormsTakeATitleBar) {
  TComponent owner(nullptr);
  EXPECT_THROW(TsTitleBar bar(&owner), Exception);
}

TEST(TitleBarTest, AnItemsNewStateFadesInAWindowOverItAndGoesAgain) {
  TItemForm f;
  const RECT r = f.item->Data.Rect;
  const std::vector<COLORREF> normal = Pixels(f.Cache(), r);
  f.provider->SetHotElement(2000, true);
  ASSERT_NE(f.item->Data.Timer, nullptr);
  const TacSBAnimation* fade = f.item->Data.Timer.get();
  HWND layer = fade->Window();
  ASSERT_NE(layer, nullptr);
  EXPECT_TRUE(IsWindowVisible(layer));
  EXPECT_TRUE(GetWindowLongPtrW(layer, GWL_EXSTYLE) & WS_EX_LAYERED);
  RECT bounds{}, shown{};
  GetWindowRect(f.form->Handle(), &bounds);
  GetWindowRect(layer, &shown);
  EXPECT_EQ(shown.left, bounds.left + r.left);
  EXPECT_EQ(shown.top, bounds.top + r.top);
  EXPECT_EQ(shown.right - shown.left, r.right - r.left);
  EXPECT_EQ(SendMessageW(layer, WM_NCHITTEST, 0, MAKELPARAM(shown.left + 1, shown.top + 1)), HTTRANSPARENT);
  EXPECT_LT(fade->Opacity(), 255);
  ASSERT_TRUE(PumpUntil([&] { return fade->Opacity() == 255; }, 2000)) << "10 steps of 12 ms";
  EXPECT_EQ(Pixels(f.Cache(), r), normal) << "the frame keeps the normal item under the fade";

  // What the window shows is the hot item the frame would paint itself.
  TBitmap* image = fade->Image();
  ASSERT_NE(image, nullptr);
  const std::vector<COLORREF> hot = Pixels(*image, RECT{0, 0, r.right - r.left, r.bottom - r.top});
  f.item->Data.Timer.reset();
  f.provider->RepaintButton(f.item->Data);
  EXPECT_EQ(Pixels(f.Cache(), r), hot);
  EXPECT_NE(hot, normal);
  EXPECT_FALSE(IsWindow(layer));

  // Leaving fades out and frees the window; the frame is normal again.
  f.provider->SetHotElement(0, true);
  f.provider->SetHotElement(2000, true);
  ASSERT_NE(f.item->Data.Timer, nullptr);
  layer = f.item->Data.Timer->Window();
  f.provider->SetHotElement(0, true);
  ASSERT_TRUE(PumpUntil([&] { return f.item->Data.Timer == nullptr; }, 2000));
  EXPECT_FALSE(IsWindow(layer));
  EXPECT_EQ(Pixels(f.Cache(), r), normal);

  // A press shows at once and its release clicks.
  int clicks = 0;
  f.item->OnClick = [&](TObject*) { ++clicks; };
  const POINT at = f.OnScreen();
  SetCursorPos(at.x, at.y);
  SendMessageW(f.form->Handle(), WM_NCLBUTTONDOWN, 2000, MAKELPARAM(at.x, at.y));
  ASSERT_NE(f.item->Data.Timer, nullptr);
  EXPECT_EQ(f.item->Data.Timer->Opacity(), 255);
  SendMessageW(f.form->Handle(), WM_NCLBUTTONUP, 2000, MAKELPARAM(at.x, at.y));
  EXPECT_EQ(clicks, 1);
  SetCursorPos(5, 5);
  f.provider->SetHotElement(0, true);
  EXPECT_TRUE(PumpUntil([&] { return f.item->Data.Timer == nullptr; }, 2000));

  ExpectHandlesSteady(
      [&] {
        f.provider->SetHotElement(2000, true);
        PumpUntil([&] { return f.item->Data.Timer && f.item->Data.Timer->Opacity() == 255; }, 2000);
        f.provider->SetHotElement(0, true);
        PumpUntil([&] { return f.item->Data.Timer == nullptr; }, 2000);
      },
      10, 2);
}

TEST(TitleBarTest, AnItemCaptionGlowsInItsOwnColourWhenItHasOne) {
  TItemForm f;
  const RECT r = f.item->Data.Rect;
  f.item->FontData.UseSysGlowing = false;
  f.item->FontData.GlowColor = static_cast<TColor>(0x0000FF);  // red
  f.item->FontData.GlowSize = 0;
  f.provider->TitleChanged();
  f.provider->RenderFrame();
  const std::vector<COLORREF> plain = Pixels(f.Cache(), r);
  f.item->FontData.GlowSize = 4;
  f.provider->TitleChanged();
  f.provider->RenderFrame();
  const std::vector<COLORREF> glowing = Pixels(f.Cache(), r);
  int redder = 0, otherwise = 0;
  for (size_t i = 0; i < plain.size(); ++i) {
    if (plain[i] == glowing[i]) continue;
    const auto redness = [](COLORREF c) { return int{GetRValue(c)} - int{GetGValue(c)}; };
    if (redness(glowing[i]) > redness(plain[i])) {
      ++redder;
    } else {
      ++otherwise;
    }
  }
  EXPECT_GT(redder, 20) << "a red halo around the text";
  EXPECT_EQ(otherwise, 0) << "every change leans to the glow's red";
}

}  // namespace
