// Skinned popup menus under Wine, in Air: item measures, item pictures in a
// memory context, and a real popup whose window is wrapped, shaped and
// painted from the skin, with no handles left over many openings.
#include "skin/menus/skinable_menus.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

#include "../framework/menu_loop.h"
#include "../framework/test_support.h"
#include "core/image/bitmap32.h"
#include "core/paint/fill.h"
#include "framework/graphics/bitmap.h"
#include "kit_skin_fixture.h"
#include "skin/core/skin_messages.h"
#include "skin/menus/menu_wnd.h"
#include "skin_test_kit.h"

namespace {

constexpr int kItemWidth = 160;
constexpr int kItemHeight = 24;

class PopupMenuSkinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    manager = std::make_unique<TsSkinManager>(nullptr);
    ASSERT_TRUE(LoadSkin(*manager, SkinsFolder(), L"Air"));
    painter = SkinableMenusOf(manager.get());
    ASSERT_NE(painter, nullptr);
    ASSERT_TRUE(painter->Active());
  }
  void TearDown() override {
    TsSkinableMenus::ClearMenuInfo();
    menu.reset();
    manager.reset();
  }
  TMenuItem* Add(const std::wstring& caption) { return menu->Items().Add(caption); }

  // The item drawn alone into a memory context of the item's size.
  std::unique_ptr<TBitmap> Picture(TMenuItem* item, TOwnerDrawState state = {}) {
    TsSkinableMenus::ClearMenuInfo();
    auto bitmap = std::make_unique<TBitmap>(kItemWidth, kItemHeight, pf32bit);
    zelvan::paint::FillRect32(bitmap->Image(), {0, 0, kItemWidth, kItemHeight}, 0x00FF00FF, 255);
    HDC dc = bitmap->Canvas().Handle();
    painter->sAdvancedDrawItem(item, dc, RECT{0, 0, kItemWidth, kItemHeight}, state);
    GdiFlush();
    return bitmap;
  }

  std::unique_ptr<TsSkinManager> manager;
  TsSkinableMenus* painter = nullptr;
  std::unique_ptr<TPopupMenu> menu = std::make_unique<TPopupMenu>(nullptr);
};

COLORREF At(TBitmap& bitmap, int x, int y) {
  const uint32_t p = zelvan::image::GetPixel32(bitmap.Image(), x, y);
  return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int Distance(COLORREF a, COLORREF b) {
  return std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
         std::abs(GetBValue(a) - GetBValue(b));
}

// Pixels of a block that differ from the colour.
int Marked(TBitmap& bitmap, const RECT& r, COLORREF colour) {
  int count = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) count += Distance(At(bitmap, x, y), colour) > 40 ? 1 : 0;
  }
  return count;
}

// Pixels of a block that differ clearly between two pictures.
int Differ(TBitmap& a, TBitmap& b, const RECT& r) {
  int count = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) count += Distance(At(a, x, y), At(b, x, y)) > 40 ? 1 : 0;
  }
  return count;
}

// How far a block lies from the same block of a reference picture.
long Ink(TBitmap& picture, TBitmap& reference, const RECT& r) {
  long ink = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) ink += Distance(At(picture, x, y), At(reference, x, y));
  }
  return ink;
}

TEST_F(PopupMenuSkinTest, MeasuresBySkinNumbers) {
  TMenuItem* line = Add(L"-");
  TMenuItem* shortText = Add(L"Open");
  TMenuItem* longText = Add(L"Open the folder");
  TMenuItem* withKey = Add(L"Open");
  withKey->ShortCutText = L"Ctrl+O";
  TMenuItem* caption = Add(L"-Options-");
  HDC dc = CreateCompatibleDC(nullptr);
  int w[5], h[5];
  TMenuItem* items[] = {line, shortText, longText, withKey, caption};
  for (int i = 0; i < 5; ++i) painter->sMeasureItem(items[i], dc, w[i], h[i]);

  // The same text sizes as the menu font gives them.
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
  HFONT font = CreateFontIndirectW(&metrics.lfMenuFont);
  HGDIOBJ old = SelectObject(dc, font);
  const auto textWidth = [dc](const wchar_t* text) {
    RECT r{0, 0, 800, 0};
    DrawTextW(dc, text, -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    return r.right;
  };
  RECT one{0, 0, 800, 0};
  DrawTextW(dc, L"Open", -1, &one, DT_CALCRECT | DT_WORDBREAK);
  const int textHeight = one.bottom;
  EXPECT_EQ(h[0], 2) << "separator";
  EXPECT_EQ(w[1], 2 * 16 + textWidth(L"Open") + 3 * 2 + 8);
  EXPECT_EQ(w[2] - w[1], textWidth(L"Open the folder") - textWidth(L"Open"));
  EXPECT_EQ(w[3] - w[1], textWidth(L"Open\tCtrl+O") - textWidth(L"Open")) << "the shortcut is measured with the text";
  EXPECT_EQ(h[1], std::max(textHeight, 16) + 2 * 2 + 2);
  EXPECT_EQ(h[4], textHeight + 2 * 2 + 2) << "caption item";
  SelectObject(dc, old);
  DeleteObject(font);
  DeleteDC(dc);
}

// Each kind of item against the plain one: where its picture must differ.
TEST_F(PopupMenuSkinTest, ItemPicturesByKind) {
  TMenuItem* blank = Add(L" ");
  auto empty = Picture(blank);
  EXPECT_EQ(Marked(*empty, RECT{0, 0, kItemWidth, kItemHeight}, RGB(255, 0, 255)), kItemWidth * kItemHeight)
      << "the skin's menu background is painted everywhere";
  TMenuItem* plain = Add(L"Plain");
  auto base = Picture(plain);
  const RECT text{40, 0, 100, kItemHeight};
  EXPECT_GT(Differ(*base, *empty, text), 10) << "the caption";

  TMenuItem* checked = Add(L"Plain");
  checked->Checked = true;
  TMenuItem* radio = Add(L"Plain");
  radio->Checked = radio->RadioItem = true;
  const RECT checkColumn{0, 0, 2 + 2 + 16, kItemHeight};
  auto checkPicture = Picture(checked);
  auto radioPicture = Picture(radio);
  EXPECT_GT(Differ(*checkPicture, *base, checkColumn), 4) << "a check mark";
  EXPECT_EQ(Differ(*checkPicture, *base, RECT{checkColumn.right, 0, kItemWidth, kItemHeight}), 0) << "only there";
  EXPECT_GT(Differ(*checkPicture, *radioPicture, checkColumn), 4) << "a radio mark is not the check mark";

  TMenuItem* withKey = Add(L"Plain");
  withKey->ShortCutText = L"Ctrl+P";
  const RECT right{kItemWidth - 60, 0, kItemWidth, kItemHeight};
  auto keyPicture = Picture(withKey);
  EXPECT_GT(Differ(*keyPicture, *base, right), 10) << "the shortcut right-aligned";
  EXPECT_EQ(Differ(*keyPicture, *base, text), 0) << "the caption where it was";
  TMenuItem* tabbed = Add(L"Plain\tF5");
  auto tabPicture = Picture(tabbed);
  EXPECT_GT(Differ(*tabPicture, *base, right), 4) << "the text after a tab right-aligned";
  EXPECT_EQ(Differ(*tabPicture, *base, text), 0) << "the text before the tab on the left";

  // Disabled: faded 40 % toward the background, the text still there.
  TMenuItem* disabled = Add(L"Plain");
  disabled->Enabled = false;
  auto fadedPicture = Picture(disabled);
  const long enabledInk = Ink(*base, *empty, text), disabledInk = Ink(*fadedPicture, *empty, text);
  EXPECT_GT(disabledInk * 100, enabledInk * 50);
  EXPECT_LT(disabledInk * 100, enabledInk * 70);

  // Selected: the MENUITEM hot look.
  auto hot = Picture(plain, TOwnerDrawState{odSelected});
  EXPECT_GT(Differ(*hot, *base, RECT{0, 0, kItemWidth, kItemHeight}), kItemWidth * 4);

  // A caption item: the MENUCAPTION band (16118254) and the word without dashes.
  TMenuItem* caption = Add(L"-Options-");
  auto captionPicture = Picture(caption);
  const COLORREF band = RGB(16118254 & 0xFF, (16118254 >> 8) & 0xFF, (16118254 >> 16) & 0xFF);
  EXPECT_EQ(At(*captionPicture, 8, kItemHeight / 2), band);
  EXPECT_GT(Marked(*captionPicture, RECT{kItemWidth / 2 - 25, 0, kItemWidth / 2 + 25, kItemHeight}, band), 10);
  EXPECT_EQ(Marked(*captionPicture, RECT{8, 4, kItemWidth / 2 - 40, kItemHeight - 4}, band), 0) << "no dash drawn";
}

// A right-to-left popup's background is the left-to-right one turned left for
// right (icon column and extra line on the right).
TEST_F(PopupMenuSkinTest, RightToLeftPopupsAreMirrored) {
  manager->MenuSupport.UseExtraLine = true;
  constexpr int kWidth = 120, kHeight = 90;
  TMenuItem* first = Add(L"Open");
  TacMenuInfo* ltr = painter->PrepareMenuBG(first, kWidth, nullptr, kHeight);
  ASSERT_NE(ltr, nullptr);

  TPopupMenu mirrored(nullptr);
  mirrored.RightToLeft = true;
  TMenuItem* rtlFirst = mirrored.Items().Add(L"Open");
  TacMenuInfo* rtl = painter->PrepareMenuBG(rtlFirst, kWidth, nullptr, kHeight);
  ASSERT_NE(rtl, nullptr);
  int asymmetric = 0, unmirrored = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      asymmetric += At(*ltr->Bmp, x, y) != At(*ltr->Bmp, kWidth - 1 - x, y) ? 1 : 0;
      unmirrored += At(*rtl->Bmp, x, y) != At(*ltr->Bmp, kWidth - 1 - x, y) ? 1 : 0;
    }
  }
  EXPECT_GT(asymmetric, 100) << "the extra line makes the picture one-sided";
  EXPECT_EQ(unmirrored, 0);
}

// The popup opened for real: the menu window wrapped and shaped, its picture
// the skin's, and no handles left after twenty openings.
TEST_F(PopupMenuSkinTest, RealPopupIsWrappedShapedAndFreed) {
  for (const wchar_t* caption : {L"打开", L"-", L"Second", L"-Options-", L"Third"}) Add(caption);
  menu->Items().Items(2)->Checked = true;
  bool skinned = false, shaped = false, painted = false;
  const auto open = [&](bool check) {
    TMenuLoopProbe probe;
    probe.Action = [&](HWND window) {
      if (!check) return false;
      skinned = SendMessageW(window, SKM_COMMAND, SkinCommandWParam(SKC_IS_SKINNED, 0), 0) == 1;
      HRGN region = CreateRectRgn(0, 0, 0, 0);
      shaped = GetWindowRgn(window, region) != ERROR;
      DeleteObject(region);
      TacMenuInfo* info = TsSkinableMenus::MenuInfoOf(window);
      if (info && info->Bmp) {
        // A pixel of the border as the window reads back, against the prepared background.
        HDC dc = GetWindowDC(window);
        const COLORREF screen = ::GetPixel(dc, 2, info->Bmp->Height() / 2);
        ReleaseDC(window, dc);
        painted = screen == At(*info->Bmp, 2, info->Bmp->Height() / 2);
      }
      return false;
    };
    WithMenuProbe(probe, [&] { menu->Popup(200, 200); });
    EXPECT_TRUE(probe.Ran);
  };
  open(true);
  EXPECT_TRUE(menu->OwnerDraw()) << "the popup was hooked as it showed";
  EXPECT_TRUE(skinned);
  EXPECT_TRUE(shaped);
  EXPECT_TRUE(painted);
  Pump(20);
  EXPECT_FALSE(TsSkinableMenus::SkinnedPopupFlag()) << "cleared with the last menu window";
  ExpectHandlesSteady([&] { open(false); }, 20);
  FreeMenuWrappers(false);
  EXPECT_LE(SkinnedMenuWindows().size(), 1u) << "only the wrapper of the last window waits";
}

TEST_F(PopupMenuSkinTest, HooksKeepTheApplicationsHandlersAndGoWithTheSkin) {
  TMenuItem* own = Add(L"Own");
  bool ownMeasured = false;
  own->OnMeasureItem = [&](TMenuItem*, HDC, int&, int&) { ownMeasured = true; };
  TMenuItem* skinnedItem = Add(L"Skinned");
  skinnedItem->Add(L"Inner");
  painter->HookPopupMenu(*menu, true);
  EXPECT_TRUE(menu->OwnerDraw());
  EXPECT_TRUE(static_cast<bool>(skinnedItem->Items(0)->OnAdvancedDrawItem)) << "the whole tree";
  int w = 0, h = 0;
  own->MeasureItem(nullptr, w, h);
  EXPECT_TRUE(ownMeasured);
  painter->HookPopupMenu(*menu, false);
  EXPECT_FALSE(menu->OwnerDraw());
  EXPECT_FALSE(static_cast<bool>(skinnedItem->OnMeasureItem));
  EXPECT_TRUE(static_cast<bool>(own->OnMeasureItem)) << "the application's handler stays";
}

}  // namespace
