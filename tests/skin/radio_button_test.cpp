// The skinned radio button under Wine, in Air (whose GLOBALINFO has the
// radio marks): click, space and read-only semantics, the mark in every
// state against the engine's mask painting, user marks, sizing and layout.
#include "skin/controls/radio_button.h"

#include "skin/controls/group_box.h"

#include <gtest/gtest.h>

#include "../framework/test_support.h"
#include "core/image/bitmap32.h"
#include "core/paint/item_paint.h"
#include "core/paint/mask_painting.h"
#include "skin/paint/control_paint.h"
#include "kit_skin_fixture.h"
#include "skin_test_kit.h"

namespace {

class RadioTest : public ::testing::Test {
 protected:
  void SetUp() override {
    manager = std::make_unique<TsSkinManager>(nullptr);
    ASSERT_TRUE(LoadSkin(*manager, SkinsFolder(), L"Air"));
    manager->SetIsDefault(true);
    form = NewForm(300, 200);
  }
  void TearDown() override {
    delete form;
    manager.reset();
  }
  TsRadioButton* Radio(const std::wstring& text, int top) {
    auto* radio = new TsRadioButton(form);
    radio->SetParent(form);
    radio->SetBounds(10, top, 120, 20);
    radio->SetText(text);
    radio->SkinData.SetSkinManager(manager.get());
    SendSkinCommand(radio->Handle(), SKC_REFRESH, reinterpret_cast<LPARAM>(manager.get()));
    radio->OnValueChanged = [this](TObject* sender) { changes.push_back(static_cast<TsRadioButton*>(sender)); };
    return radio;
  }
  static void Click(TsRadioButton* radio) {
    SendMessageW(radio->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(radio->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  }
  std::unique_ptr<TsSkinManager> manager;
  TForm* form = nullptr;
  std::vector<TsRadioButton*> changes;
};

TEST_F(RadioTest, ClicksSpaceAndReadOnly) {
  TsRadioButton* files = Radio(L"文件", 10);
  TsRadioButton* folders = Radio(L"文件夹", 40);
  ASSERT_TRUE(files->SkinData.Skinned());
  Click(files);
  EXPECT_TRUE(files->Checked());
  EXPECT_EQ(changes, (std::vector<TsRadioButton*>{files})) << "checked once";
  Click(files);
  EXPECT_EQ(changes.size(), 1u) << "a checked button clicked again changes nothing";

  SendMessageW(folders->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  folders->Perform(CM_MOUSELEAVE);
  SendMessageW(folders->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_FALSE(folders->Checked()) << "pressed, left, released: no check";

  folders->SetReadOnly(true);
  Click(folders);
  SendMessageW(folders->Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(folders->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  SendMessageW(folders->Handle(), WM_KEYUP, VK_SPACE, 0);
  EXPECT_FALSE(folders->Checked()) << "read-only ignores clicks, double clicks and the space key";
  EXPECT_FALSE(folders->Pressed());

  folders->SetReadOnly(false);
  SendMessageW(folders->Handle(), WM_KEYDOWN, VK_SPACE, 0);
  SendMessageW(folders->Handle(), WM_KEYUP, VK_SPACE, 0);
  EXPECT_TRUE(folders->Checked());
  EXPECT_FALSE(files->Checked()) << "its sibling is unchecked";
  EXPECT_EQ(changes, (std::vector<TsRadioButton*>{files, files, folders}));
}

TEST_F(RadioTest, TheMarkInEveryStateIsTheSkinsMask) {
  TsRadioButton* radio = Radio(L"保留", 10);
  ASSERT_TRUE(radio->SkinData.Skinned());
  struct Case {
    bool checked, hot, pressed;
    int state;
  } cases[] = {{false, false, false, 0}, {false, true, false, 1}, {false, true, true, 2},
               {true, false, false, 0},  {true, true, false, 1},  {true, true, true, 2}};
  // Focus would make it hot: an edit beside it takes the focus.
  HWND edit = TakeFocusAway(*form, 150, 10);
  for (const auto& c : cases) {
    radio->SetChecked(c.checked);
    radio->SkinData.SetMouseAbove(c.hot);
    if (c.pressed) {
      SendMessageW(radio->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
      StopFade(radio->FadeTimer, radio->SkinData);
    }
    ASSERT_EQ(radio->MarkState(), c.state);
    ASSERT_TRUE(radio->PrepareCache());
    GdiFlush();
    TBitmap& cache = *radio->SkinData.CacheBmp();
    // The engine's own painters: the section's item, then the mask.
    TBitmap expected(cache.Width(), cache.Height(), pf32bit);
    zelvan::paint::TCacheInfo behind;
    radio->SkinData.GetParentCache(behind);
    zelvan::paint::PaintItem(ItemSkinOf(radio->SkinData), behind, true, expected.Image(), {0, 0},
                             {0, 0, cache.Width(), cache.Height()}, c.hot ? 1 : 0);
    const int mask = manager->GetMaskIndex("GLOBALINFO", c.checked ? "RADIOCHECKED" : "RADIOUNCHECKED");
    ASSERT_TRUE(manager->IsValidImgIndex(mask));
    zelvan::paint::TCacheInfo own;
    own.Bmp = &expected.Image();
    own.Ready = true;
    const RECT r = radio->MarkRect();
    zelvan::paint::DrawMaskGlyph(expected.Image(), {r.left, r.top}, c.state, own,
                                 manager->ma[static_cast<size_t>(mask)], 1);
    int differing = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x)
        differing += (zelvan::image::GetPixel32(cache.Image(), x, y) & 0xFFFFFF) !=
                     (zelvan::image::GetPixel32(expected.Image(), x, y) & 0xFFFFFF);
    EXPECT_EQ(differing, 0) << "checked " << c.checked << " state " << c.state;
    if (c.pressed) {
      radio->Perform(CM_MOUSELEAVE);  // released outside: no check
      SendMessageW(radio->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(200, 5));
      ::SetFocus(edit);
    }
  }
  DestroyWindow(edit);
}

TEST_F(RadioTest, UserMarksSizingAndTheMarksSide) {
  TsRadioButton* radio = Radio(L"Keep", 10);
  TBitmap strip(48, 16, pf32bit), wide(40, 16, pf32bit), small(13, 13, pf32bit);
  radio->SetGlyphUnChecked(strip);
  EXPECT_EQ(radio->MarkSize().cx, 16);
  EXPECT_EQ(radio->MarkStateCount(), 3);
  radio->SetGlyphUnChecked(wide);
  EXPECT_EQ(radio->MarkSize().cx, 40);
  EXPECT_EQ(radio->MarkStateCount(), 1);

  radio->SetGlyphUnChecked(small);
  radio->SetAutoSize(true);
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, radio->Font().Handle());
  SIZE text{};
  GetTextExtentPoint32W(screen, L"Keep", 4, &text);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(radio->Width(), 13 + 4 + text.cx + 8);
  EXPECT_EQ(radio->Height(), std::max(13, static_cast<int>(text.cy) + 4) + 2);

  EXPECT_EQ(radio->MarkRect().left, 2);
  radio->SetAlignment(taLeftJustify);
  EXPECT_EQ(radio->MarkRect().left, radio->Width() - 13 - 2) << "text left of the mark: the mark at the right";
}

TEST_F(RadioTest, InsideTheGroupItShowsTheGroupsPictureBehind) {
  auto* group = new TsGroupBox(form);
  group->SetParent(form);
  group->SetBounds(10, 10, 260, 150);
  group->SetText(L"改名设置：");
  group->SkinData.SetSkinManager(manager.get());
  group->SkinData.SetSkinSection("GROUPBOX");
  auto* radio = new TsRadioButton(form);
  radio->SetParent(group);
  radio->SetAutoSize(false);
  radio->SetBounds(20, 60, 200, 24);
  radio->SetText(L"文件");
  radio->SkinData.SetSkinManager(manager.get());
  SendSkinCommand(group->Handle(), SKC_REFRESH, reinterpret_cast<LPARAM>(manager.get()));
  group->Repaint();
  Pump(30);
  ASSERT_TRUE(group->PrepareCache());
  ::SetFocus(nullptr);
  ASSERT_TRUE(radio->PrepareCache());
  GdiFlush();
  // Far right of the radio: neither mark nor text, so the group's picture.
  for (const int x : {180, 195}) {
    EXPECT_EQ(zelvan::image::GetPixel32(radio->SkinData.CacheBmp()->Image(), x, 12) & 0xFFFFFF,
              zelvan::image::GetPixel32(group->SkinData.CacheBmp()->Image(), 20 + x, 60 + 12) & 0xFFFFFF);
  }
}

}  // namespace
