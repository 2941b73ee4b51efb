// The menu layer under Wine: platform menus built from items, owner-drawn
// measure and draw messages handed back to the items, the chosen item's click,
// submenus opening, the context menu of a control, no handles left behind.
#include "framework/menus/menu.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "menu_loop.h"
#include "test_support.h"

namespace {

MENUITEMINFOW ItemInfo(HMENU menu, int position, std::wstring* text = nullptr) {
  MENUITEMINFOW info{};
  info.cbSize = sizeof(info);
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_DATA;
  wchar_t buffer[128] = {};
  if (text) {
    info.fMask |= MIIM_STRING;
    info.dwTypeData = buffer;
    info.cch = 127;
  }
  GetMenuItemInfoW(menu, static_cast<UINT>(position), TRUE, &info);
  if (text) *text = buffer;
  return info;
}

class MenuTest : public ::testing::Test {
 protected:
  void SetUp() override {
    menu.Items().Add(L"打开", [this](TObject*) { clicked.push_back(L"打开"); });
    menu.Items().Add(L"-");
    TMenuItem* check = menu.Items().Add(L"Checked");
    check->Checked = true;
    check->ShortCutText = L"Ctrl+K";
    TMenuItem* radio = menu.Items().Add(L"Radio");
    radio->RadioItem = true;
    radio->Checked = true;
    menu.Items().Add(L"Hidden")->Visible = false;
    menu.Items().Add(L"Off")->Enabled = false;
    TMenuItem* sub = menu.Items().Add(L"More", [this](TObject*) { clicked.push_back(L"More opened"); });
    sub->Add(L"Inner", [this](TObject*) { clicked.push_back(L"Inner"); });
    sub->Break = mbBreak;
  }
  TPopupMenu menu{nullptr};
  std::vector<std::wstring> clicked;
};

TEST_F(MenuTest, BuildsThePlatformMenuFromVisibleItems) {
  for (const bool ownerDraw : {false, true}) {
    menu.SetOwnerDraw(ownerDraw);
    HMENU handle = menu.Handle();
    ASSERT_EQ(GetMenuItemCount(handle), 6) << "the hidden item is left out";
    struct Case {
      int Position;
      UINT Type, State;
      std::wstring Text;
    };
    const UINT text = ownerDraw ? UINT{MFT_OWNERDRAW} : UINT{MFT_STRING};
    const std::vector<Case> cases = {
        {0, text, 0, L"打开"},
        {1, ownerDraw ? UINT{MFT_OWNERDRAW} : UINT{MFT_SEPARATOR}, 0, L""},
        {2, text, MFS_CHECKED, L"Checked\tCtrl+K"},
        {3, text | MFT_RADIOCHECK, MFS_CHECKED, L"Radio"},
        {4, text, MFS_DISABLED, L"Off"},
        {5, text | MFT_MENUBREAK, 0, L"More"},
    };
    for (const Case& c : cases) {
      std::wstring caption;
      const MENUITEMINFOW info = ItemInfo(handle, c.Position, ownerDraw ? nullptr : &caption);
      EXPECT_EQ(info.fType, c.Type) << c.Position;
      EXPECT_EQ(info.fState & (MFS_CHECKED | MFS_DISABLED), c.State) << c.Position;
      if (!ownerDraw) {
        EXPECT_EQ(caption, c.Text);
      }
      auto* item = reinterpret_cast<TMenuItem*>(info.dwItemData);
      EXPECT_EQ(item->Command(), info.wID);
      EXPECT_EQ(info.hSubMenu != nullptr, c.Position == 5);
    }
    EXPECT_EQ(GetMenuItemCount(ItemInfo(handle, 5).hSubMenu), 1);
  }
  menu.DestroyHandle();
  EXPECT_EQ(menu.CurrentHandle(), nullptr);
}

// The measure and draw messages reach the items' handlers with the item
// itself; the chosen item's click runs once the menu closes.
TEST_F(MenuTest, OwnerDrawnPopupMeasuresDrawsAndClicks) {
  menu.SetOwnerDraw(true);
  std::vector<std::wstring> measured, drawn;
  for (int i = 0; i < menu.Items().Count(); ++i) {
    TMenuItem* item = menu.Items().Items(i);
    item->OnMeasureItem = [&measured](TMenuItem* sender, HDC dc, int& width, int& height) {
      EXPECT_NE(dc, nullptr);
      measured.push_back(sender->Caption);
      width = 100 + static_cast<int>(sender->Caption.size());
      height = sender->IsLine() ? 3 : 20;
    };
    item->OnAdvancedDrawItem = [&drawn](TMenuItem* sender, HDC dc, const RECT& rect, TOwnerDrawState) {
      drawn.push_back(sender->Caption);
      FillRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    };
  }
  TMenuLoopProbe probe;
  RECT first{}, separator{};
  probe.Action = [&](HWND window) {
    GetMenuItemRect(nullptr, menu.CurrentHandle(), 0, &first);
    GetMenuItemRect(nullptr, menu.CurrentHandle(), 1, &separator);
    (void)window;
    ChooseWithKeys(window, 1);  // the first item is selected by the first key
    return true;
  };
  WithMenuProbe(probe, [&] { menu.Popup(100, 100); });
  ASSERT_TRUE(probe.Ran);
  EXPECT_EQ(measured.size(), 6u);
  EXPECT_EQ(separator.bottom - separator.top, 3);
  EXPECT_EQ(first.bottom - first.top, 20);
  EXPECT_GE(drawn.size(), 5u);
  EXPECT_EQ(clicked, (std::vector<std::wstring>{L"打开"}));
  EXPECT_EQ(menu.CurrentHandle(), nullptr) << "the platform menu is freed after the popup";
}

TEST_F(MenuTest, ContextMenuOfAControlPopsUpAndSubmenuClickRunsOnOpening) {
  TForm* form = NewForm();
  form->SetPopupMenu(&menu);
  TMenuLoopProbe probe;
  probe.Action = [&](HWND window) {
    // Into the submenu: its own click fills it as it opens.
    for (const WPARAM key : {VK_END, VK_RIGHT, VK_ESCAPE, VK_ESCAPE}) PostMessageW(window, WM_KEYDOWN, key, 0);
    return true;
  };
  WithMenuProbe(probe, [&] {
    SendMessageW(form->Handle(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(form->Handle()), MAKELPARAM(120, 120));
  });
  EXPECT_TRUE(probe.Ran);
  EXPECT_EQ(menu.PopupComponent, form);
  EXPECT_EQ(clicked, (std::vector<std::wstring>{L"More opened"}));
  delete form;
}

TEST_F(MenuTest, PopupCyclesLeaveNoHandles) {
  menu.SetOwnerDraw(true);
  const auto cycle = [&] {
    TMenuLoopProbe probe;
    WithMenuProbe(probe, [&] { menu.Popup(50, 50); });
    EXPECT_TRUE(probe.Ran);
  };
  cycle();  // the popup list's window is made once
  Pump(20);
  const unsigned gdi = GdiObjectCount(), user = UserObjectCount();
  for (int i = 0; i < 5; ++i) cycle();
  Pump(20);
  EXPECT_EQ(GdiObjectCount(), gdi);
  EXPECT_EQ(UserObjectCount(), user);
}

TEST(MenuItemTest, ADestroyedMenuSetsTheControlsReferenceBack) {
  TForm* form = NewForm();
  auto* menu = new TPopupMenu(nullptr);
  form->SetPopupMenu(menu);
  delete menu;
  EXPECT_EQ(form->PopupMenu(), nullptr);
  delete form;
}

}  // namespace
