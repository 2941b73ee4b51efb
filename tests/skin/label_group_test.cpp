// Skinned labels and the skinned group box under Wine, over the kit skin:
// where a label's colour comes from, the disabled mix, one paint per
// invalidation; the group's caption patch, frame and the background it gives
// what it holds; bound labels beside their control.
#include <gtest/gtest.h>

#include "core/image/bitmap32.h"
#include "core/paint/color_mix.h"
#include "kit_skin_fixture.h"
#include "skin/controls/group_box.h"
#include "skin/controls/label.h"

namespace {

constexpr TColor kGreen = 0x0000FF00;  // OUTLINED's font colour (it gives its font)

// Counts its paints.
class TCountingLabel : public TsLabel {
 public:
  using TsLabel::TsLabel;
  int Paints = 0;

 protected:
  void Paint() override {
    ++Paints;
    TsLabel::Paint();
  }
};

class LabelGroupTest : public KitSkinTest {
 protected:
  void SetUp() override {
    KitSkinTest::SetUp();
    manager->SetIsDefault(true);
  }
  template <typename T>
  T* Label(TWinControl* parent, const std::wstring& text, int left = 10, int top = 10) {
    auto* label = new T(form);
    label->SetParent(parent);
    label->SetBounds(left, top, 80, 16);
    label->SetText(text);
    return label;
  }
  TsGroupBox* Group(const std::wstring& caption, const std::string& section = "THREE") {
    auto* group = new TsGroupBox(form);
    group->SetParent(form);
    group->SetBounds(20, 20, 220, 120);
    group->SkinData.SetSkinManager(manager.get());
    group->SkinData.SetSkinSection(section);
    group->SetText(caption);
    SendSkinCommand(group->Handle(), SKC_REFRESH, reinterpret_cast<LPARAM>(manager.get()));
    return group;
  }
  static COLORREF Printed(TWinControl* control, int x, int y) {
    TBitmap picture(control->Width(), control->Height(), pf32bit);
    SendMessageW(control->Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.Canvas().Handle()),
                 PRF_CLIENT);
    GdiFlush();
    const uint32_t p = zelvan::image::GetPixel32(picture.Image(), x, y);
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
};

TEST_F(LabelGroupTest, LabelsTakeTheColourOfTheSurfaceTheyStandOn) {
  auto* outlined = Add<TDataPanel>(form, L"Outlined", "OUTLINED", 10, 10);
  auto* clear = Add<TDataPanel>(outlined, L"Clear", "CLEAR", 5, 5);
  auto* onForm = Label<TsLabel>(form, L"form", 150, 150);
  auto* onPanel = Label<TsLabel>(outlined, L"panel");
  auto* onClear = Label<TsLabel>(clear, L"clear");
  EXPECT_EQ(onForm->SkinFontColor(), manager->GetGlobalFontColor()) << "no section gives its font";
  EXPECT_EQ(onPanel->SkinFontColor(), kGreen);
  EXPECT_EQ(onClear->SkinFontColor(), kGreen) << "a see-through surface passes the question up";
  onPanel->Repaint();
  EXPECT_EQ(onPanel->Font().Color(), kGreen);
  onPanel->SetUseSkinColor(false);
  onPanel->Font().SetColor(0x00123456);
  onPanel->Repaint();
  EXPECT_EQ(onPanel->Font().Color(), 0x00123456) << "UseSkinColor off keeps the font's";

  onClear->Font().SetColor(0x00212121);
  manager->SetActive(false);
  EXPECT_EQ(onClear->Font().Color(), clWindowText) << "without the skin: window text, not the design colour";
  EXPECT_EQ(onClear->SkinFontColor(), clFuchsia);
}

TEST_F(LabelGroupTest, OnePaintPerInvalidationThoughTheColourChanges) {
  auto* label = Label<TCountingLabel>(form, L"任务");
  Pump(30);
  label->Paints = 0;
  label->Font().SetColor(2171169);  // the design colour the skin replaces; invalidates once
  Pump(60);
  EXPECT_EQ(label->Paints, 1);
  EXPECT_EQ(label->Font().Color(), manager->GetGlobalFontColor());
  Pump(60);
  EXPECT_EQ(label->Paints, 1) << "no paint comes back from the colour change";
}

TEST_F(LabelGroupTest, DisabledTextIsMixedTowardsTheBackground) {
  auto* panel = Add<TDataPanel>(form, L"Outlined", "OUTLINED", 10, 10);
  auto* label = Label<TsLabel>(panel, L"MMMM");
  label->Font().SetHeight(-14);
  label->SetEnabled(false);
  panel->Repaint();
  Pump(30);
  HDC dc = GetDC(panel->Handle());
  const COLORREF background = GetPixel(dc, 100, 70);
  const auto behind = static_cast<TColor>(SendSkinCommand(panel->Handle(), SKC_GET_BG_COLOR));
  const TColor mixed = zelvan::paint::MixColors(kGreen, behind, 0.4);
  int inked = 0, beyond = 0;
  for (int y = 10; y < 26; ++y) {
    for (int x = 10; x < 90; ++x) {
      const COLORREF p = GetPixel(dc, x, y);
      if (p == background) continue;
      ++inked;
      // Antialiased text lies between the background and the mixed colour.
      if (GetGValue(p) > std::max(GetGValue(background), GetGValue(mixed)) + 2) ++beyond;
    }
  }
  ReleaseDC(panel->Handle(), dc);
  EXPECT_GT(inked, 10);
  EXPECT_EQ(beyond, 0) << "no pixel is greener than 40 % green over the background";
  EXPECT_NE(mixed, kGreen);
}

TEST_F(LabelGroupTest, TheGroupsCaptionPatchAndFrame) {
  TsGroupBox* group = Group(L"改名设置：");
  const RECT r = group->CaptionRect();
  SIZE text{0, 0}, w{0, 0};
  HDC dc = group->SkinData.CacheBmp()->Canvas().Handle();
  const std::wstring caption = L"改名设置：";
  GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
  GetTextExtentPoint32W(dc, L"W", 1, &w);
  EXPECT_EQ(r.left, 6);
  EXPECT_EQ(r.right - r.left, text.cx + 8);
  EXPECT_EQ(r.bottom - r.top, std::max(4L, w.cy) + 2);
  const COLORREF formColor = RGB(0x99, 0x66, 0x33), three = RGB(0xD0, 0xD0, 0xD0);
  const int half = (r.bottom - r.top) / 2;
  EXPECT_EQ(Printed(group, 200, half - 1), formColor) << "above the frame: the parent";
  EXPECT_EQ(Printed(group, 200, half + 5), three) << "the frame from half the caption down";
  EXPECT_EQ(Printed(group, r.left + 1, half + 1), formColor) << "the patch hides the frame's top edge";

  group->SetCaptionYOffset(-3);
  const RECT moved = group->CaptionRect();
  EXPECT_EQ(moved.top, -3);
  EXPECT_EQ(Printed(group, 200, 1), three) << "the frame starts at the top";
  EXPECT_EQ(group->ClientRect().top, TGroupBox(nullptr).ClientRect().top - 3);
}

TEST_F(LabelGroupTest, WhatTheGroupHoldsShowsItsPictureBehind) {
  TsGroupBox* group = Group(L"Task", "PANEL");
  auto* clear = Add<TDataPanel>(group, L"Clear", "CLEAR", 30, 40);
  group->Repaint();
  Pump(30);
  SendSkinCommand(clear->Handle(), SKC_REFRESH, reinterpret_cast<LPARAM>(manager.get()));
  clear->Repaint();
  Pump(30);
  GdiFlush();
  ASSERT_FALSE(group->SkinData.CacheBmp()->Empty());
  ASSERT_FALSE(clear->SkinData.CacheBmp()->Empty());
  for (const POINT p : {POINT{2, 2}, POINT{60, 20}, POINT{100, 40}}) {
    EXPECT_EQ(zelvan::image::GetPixel32(clear->SkinData.CacheBmp()->Image(), p.x, p.y) & 0xFFFFFF,
              zelvan::image::GetPixel32(group->SkinData.CacheBmp()->Image(), 30 + p.x, 40 + p.y) & 0xFFFFFF);
  }
}

TEST_F(LabelGroupTest, BoundLabelsStayBesideTheirControl) {
  auto* edit = Add<TDataPanel>(form, L"Edit1", "EDIT", 100, 50);
  edit->SetBounds(100, 50, 120, 21);
  auto* taken = new TLabel(form);
  taken->SetName(L"Edit2Label");
  auto* other = Add<TDataPanel>(form, L"Edit2", "EDIT", 100, 100);
  TsBoundLabel bound(edit, &edit->SkinData);
  bound.SetCaption(L"Prefix");
  bound.SetActive(true);
  TsEditLabel* label = bound.TheLabel();
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->Name(), L"Edit1Label");
  label->SetAutoSize(false);
  label->SetBounds(0, 0, 40, 13);
  bound.AlignLabel();
  EXPECT_EQ(label->Left(), 100 - 40 - 4);
  EXPECT_EQ(label->Top(), 50 + 3);
  bound.SetLayout(sclTopLeft);
  EXPECT_EQ(label->Left(), 100);
  EXPECT_EQ(label->Top(), 50 - 13);

  TsBoundLabel second(other, &other->SkinData);
  second.SetActive(true);
  ASSERT_NE(second.TheLabel(), nullptr);
  EXPECT_EQ(second.TheLabel()->Name(), L"") << "the name is taken: the label stays unnamed";
  EXPECT_EQ(second.TheLabel()->Text(), L"Edit2");
  second.SetActive(false);
  EXPECT_EQ(second.TheLabel(), nullptr);
}

}  // namespace
