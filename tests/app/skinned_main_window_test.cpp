// The renamer's main window while a skin is active: the skin manager's window
// hook gives it the skin's frame from the creation of its window, so the
// platform's frame is never shown first.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "app/rename_main.h"
#include "core/image/bitmap32.h"
#include "skin/store/skin_manager.h"
#include "skin/window/skin_provider.h"
#include "test_support.h"

TEST(SkinnedMainWindow, GetsTheSkinsFrameFromTheCreationOfItsWindow) {
  TsSkinManager manager(nullptr);
  manager.SetSkinDirectory(ZELVAN_SKINS);
  manager.SetSkinName(L"Air");
  ASSERT_TRUE(manager.Active());
  std::unique_ptr<TForm1> form(new TForm1(Application));
  HWND window = form->Handle();  // made, not shown yet
  TsSkinProvider* provider = SkinProviderOf(form.get());
  ASSERT_NE(provider, nullptr);
  EXPECT_TRUE(provider->RTInit);
  EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & WS_SYSMENU, 0) << "prepared before it was ever shown";

  form->Show();
  Pump();
  EXPECT_TRUE(provider->SkinsFrame());
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(window, region) != ERROR, !provider->RegionRects().empty());
  DeleteObject(region);
  // The title band on the screen is the provider's picture of it.
  TBitmap* cache = provider->SkinData.CacheBmp();
  ASSERT_TRUE(cache && !cache->Empty());
  const int y = provider->HeaderHeight() / 2;
  HDC dc = GetWindowDC(window);
  int same = 0, probed = 0;
  for (int x = 40; x < cache->Width() - 140; x += 17, ++probed) {
    const uint32_t p = zelvan::image::GetPixel32(cache->Image(), x, y);
    same += ::GetPixel(dc, x, y) == RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  ReleaseDC(window, dc);
  EXPECT_EQ(same, probed);
  form.reset();
}
