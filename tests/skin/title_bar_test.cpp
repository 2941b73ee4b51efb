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
#include "skin/window/skin_provider.h"
#include "skin_test_kit.h"

namespace {

POINT Middle(const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

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
  EXPECT_NE(CachedPixel(provider->SkinData, inside.x, inside.y), normal);

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

}  // namespace
