// The skinned edits under Wine on the kit skin (EDIT: two states, no frame
// image) and Air (EDIT with a frame): the window's picture against the
// engine's own painting of the section and text, the hand-over to the
// platform edit while focused or hot and back, password characters,
// repainting only when something changed, and handles over a lifecycle.
#include "skin/controls/edit.h"

#include <gtest/gtest.h>

#include "kit_skin_fixture.h"
#include "skin/controls/combo_edit.h"
#include "skin/controls/spin_edit.h"
#include "skin/paint/control_paint.h"
#include "skin/paint/skinned_text.h"

#include "window_pictures.h"

namespace {

// The whole window (frame included) as it is on the screen.
std::unique_ptr<TBitmap> WindowPicture(TWinControl& control) { return GrabWindow(control.Handle()); }

COLORREF WindowPixel(TWinControl& control, int x, int y) {
  HDC dc = GetWindowDC(control.Handle());
  const COLORREF colour = GetPixel(dc, x, y);
  ReleaseDC(control.Handle(), dc);
  return colour;
}

// Pixels that differ inside rect only.
int DifferingInside(TBitmap& a, TBitmap& b, const RECT& r) {
  int count = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      if ((GetPixel(a.Canvas().Handle(), x, y) & 0xFFFFFF) != (GetPixel(b.Canvas().Handle(), x, y) & 0xFFFFFF)) ++count;
    }
  }
  return count;
}

class EditTest : public KitSkinTest {
 protected:
  void SetUp() override {
    KitSkinTest::SetUp();
    form->Show();
    away = TakeFocusAway(*form);
    SetAnimationsSuppressed(true);
  }
  void TearDown() override {
    SetAnimationsSuppressed(false);
    air.reset();
    KitSkinTest::TearDown();
  }
  template <typename T>
  T* Edit(TsSkinManager* skin, const std::wstring& text, int width = 100) {
    auto* edit = Make<T>(form, L"Edit" + std::to_wstring(++made));
    edit->SkinData.SetSkinManager(skin);
    edit->SkinData.SetSkinSection("EDIT");
    edit->SetBounds(20, 20, width, 22);
    edit->SetText(text);
    SendSkinCommand(edit->Handle(), SKC_REFRESH, reinterpret_cast<LPARAM>(skin));
    RedrawWindow(edit->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
    Pump(20);
    return edit;
  }
  TsSkinManager* Air() {
    air = std::make_unique<TsSkinManager>(nullptr);
    return LoadSkin(*air, SkinsFolder(), L"Air") ? air.get() : nullptr;
  }
  // The section in a state over the form, then the text in the state's colours.
  static std::unique_ptr<TBitmap> Expected(TsEdit& edit, int state, const std::wstring& text, const RECT& textRect,
                                           bool enabled = true) {
    auto expected = std::make_unique<TBitmap>(edit.Width(), edit.Height(), pf32bit);
    PaintItemWithParent(edit.SkinData, edit.Parent(), true, expected->Image(), {0, 0},
                        {0, 0, edit.Width(), edit.Height()}, state);
    TCanvas& canvas = expected->Canvas();
    canvas.Font().Assign(edit.Font());
    canvas.Brush().SetStyle(bsClear);
    WriteTextEx(canvas, text, enabled, state, &edit.SkinData, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT, textRect);
    GdiFlush();
    return expected;
  }
  HWND away = nullptr;
  std::unique_ptr<TsSkinManager> air;
  int made = 0;
};

TEST_F(EditTest, UnfocusedPictureIsTheSectionsFrameAndTheSkinnedText) {
  TsSkinManager* airSkin = Air();
  ASSERT_NE(airSkin, nullptr);
  for (TsSkinManager* skin : {manager.get(), airSkin}) {
    TsEdit* edit = Edit<TsEdit>(skin, L"Zelvan 12");
    ASSERT_TRUE(edit->SkinData.Skinned());
    ASSERT_FALSE(edit->SkinData.IsHot());
    std::unique_ptr<TBitmap> shown = WindowPicture(*edit);
    std::unique_ptr<TBitmap> expected = Expected(*edit, 0, L"Zelvan 12", RECT{3, 3, edit->Width() - 3, edit->Height() - 2});
    EXPECT_EQ(DifferingPixels(*shown, *expected), 0) << (skin == airSkin ? "Air" : "Kit");
    delete edit;
  }
  // A bevel widens the frame the skin paints and moves the text in.
  {
    TsEdit* beveled = Edit<TsEdit>(airSkin, L"Zelvan 12", 120);
    beveled->SetBevelKind(bkTile);
    RedrawWindow(beveled->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME | RDW_UPDATENOW);
    Pump(20);
    const int a = 2 + 2;
    std::unique_ptr<TBitmap> expected =
        Expected(*beveled, 0, L"Zelvan 12", RECT{a + 1, a + 1, beveled->Width() - a - 1, beveled->Height() - a});
    EXPECT_EQ(DifferingPixels(*WindowPicture(*beveled), *expected), 0) << "beveled";
    delete beveled;
  }
  // Air's frame is not the plain background: the comparison saw a frame.
  TsEdit* edit = Edit<TsEdit>(airSkin, L"");
  auto plain = std::make_unique<TBitmap>(edit->Width(), edit->Height(), pf32bit);
  plain->Canvas().Brush().SetColor(static_cast<TColor>(edit->SkinData.Section()->Props[0].Color));
  plain->Canvas().FillRect(RECT{0, 0, edit->Width(), edit->Height()});
  EXPECT_GT(DifferingInside(*WindowPicture(*edit), *plain, RECT{0, 0, edit->Width(), 2}), 0);
}

TEST_F(EditTest, FocusedOrHotThePlatformPaintsTheTextAndLeavingRestoresThePicture) {
  struct Case {
    const char* what;
    bool byFocus;
  } cases[] = {{"focus", true}, {"mouse", false}};
  for (const auto& c : cases) {
    TsEdit* edit = Edit<TsEdit>(manager.get(), L"abc");
    std::unique_ptr<TBitmap> before = WindowPicture(*edit);
    std::vector<std::wstring> skinnedTexts;
    SetTextCallWatcher([&](HDC, const std::wstring& text, const RECT&, UINT) { skinnedTexts.push_back(text); });
    if (c.byFocus) {
      edit->SetFocus();
    } else {
      edit->Perform(CM_MOUSEENTER);
    }
    Pump(20);
    EXPECT_TRUE(edit->SkinData.IsHot()) << c.what;
    const int paints = edit->Skin().Paints;
    RedrawWindow(edit->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    EXPECT_EQ(edit->Skin().Paints, paints) << c.what << ": the platform edit paints while hot";
    // The hot frame ring comes from the cache, built in the hot state.
    EXPECT_EQ(WindowPixel(*edit, 0, 10), CachedPixel(edit->SkinData, 0, 10)) << c.what;
    SetTextCallWatcher(nullptr);
    if (c.byFocus) {
      ::SetFocus(away);
    } else {
      edit->Perform(CM_MOUSELEAVE);
    }
    Pump(20);
    EXPECT_FALSE(edit->SkinData.IsHot()) << c.what;
    EXPECT_EQ(DifferingPixels(*WindowPicture(*edit), *before), 0) << c.what << ": the picture before comes back";
    delete edit;
  }
}

TEST_F(EditTest, PasswordCharactersShowAsBlackCirclesInTheSkinnedLook) {
  TsEdit* edit = Edit<TsEdit>(manager.get(), L"secret");
  std::vector<std::wstring> texts;
  SetTextCallWatcher([&](HDC, const std::wstring& text, const RECT&, UINT) { texts.push_back(text); });
  edit->SetPasswordChar(L'*');
  Pump(20);
  edit->Repaint();
  SetTextCallWatcher(nullptr);
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.back(), std::wstring(6, L'\x25CF'));
  texts.clear();
  SetTextCallWatcher([&](HDC, const std::wstring& text, const RECT&, UINT) { texts.push_back(text); });
  edit->SetPasswordChar(L'#');
  Pump(20);
  SetTextCallWatcher(nullptr);
  ASSERT_FALSE(texts.empty());
  EXPECT_EQ(texts.back(), L"######");
}

TEST_F(EditTest, IdleEditsPaintNothingAndDisabledOnesAreBlended) {
  TsEdit* edit = Edit<TsEdit>(manager.get(), L"idle");
  auto* spin = Edit<TsSpinEdit>(manager.get(), L"5");
  spin->SetTop(60);
  Pump(50);
  const int editPaints = edit->Skin().Paints, spinPaints = spin->Skin().Paints;
  Pump(300);
  EXPECT_EQ(edit->Skin().Paints, editPaints);
  EXPECT_EQ(spin->Skin().Paints, spinPaints);

  edit->SetEnabled(false);
  Pump(20);
  std::unique_ptr<TBitmap> expected =
      Expected(*edit, 0, L"idle", RECT{3, 3, edit->Width() - 3, edit->Height() - 2}, false);
  zelvan::paint::TCacheInfo behind;
  edit->SkinData.GetParentCache(behind);
  zelvan::paint::TDisabledControl control;
  control.Position = {edit->Left(), edit->Top()};
  control.ParentColor = ColorToRGB(form->Color());
  zelvan::paint::PaintDisabled(expected->Image(), zelvan::paint::dkBlended, control,
                               {0, 0, edit->Width(), edit->Height()}, behind);
  EXPECT_EQ(DifferingPixels(*WindowPicture(*edit), *expected), 0);
}

// Counts the paint messages an edit receives.
class TCountedEdit : public TsEdit {
 public:
  using TsEdit::TsEdit;
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_PAINT) ++PaintMessages;
    TsEdit::WndProc(message);
  }
  int PaintMessages = 0;
};

TEST_F(EditTest, APaintHeldBackIsStillValidatedSoItIsNotSentAgain) {
  auto* edit = Edit<TCountedEdit>(manager.get(), L"locked");
  for (int held = 0; held < 2; ++held) {
    // held 0: forms locked by an animation; 1: the parent rebuilding its picture.
    if (held == 0) FormsLocked = true;
    if (held == 1) edit->SkinData.SetUpdating(true);
    edit->PaintMessages = 0;
    InvalidateRect(edit->Handle(), nullptr, TRUE);
    Pump(100);
    FormsLocked = false;
    EXPECT_EQ(edit->PaintMessages, 1) << held;
    RECT update{};
    EXPECT_FALSE(GetUpdateRect(edit->Handle(), &update, FALSE)) << held;
  }
}

TEST_F(EditTest, WithoutTheSkinTheEditsAreOrdinaryAndTheSkinComesBack) {
  TsEdit* edit = Edit<TsEdit>(manager.get(), L"plain");
  auto* spin = Edit<TsSpinEdit>(manager.get(), L"7");
  spin->SetTop(60);
  spin->SetEnabled(false);  // goes through skin changes with the edit
  manager->UpdateSkin(true);
  Pump(20);
  ExpectHandlesSteady(
      [&] {
        manager->SetActive(false);
        Pump(5);
        EXPECT_FALSE(edit->SkinData.Skinned());
        EXPECT_EQ(edit->Color(), clWindow);
        const int paints = edit->Skin().Paints;
        RedrawWindow(edit->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        EXPECT_EQ(edit->Skin().Paints, paints) << "the platform paints an unskinned edit";
        EXPECT_EQ(WindowPixel(*edit, edit->Width() - 6, edit->Height() / 2), GetSysColor(COLOR_WINDOW));
        manager->SetActive(true);
        Pump(5);
        EXPECT_TRUE(edit->SkinData.Skinned());
        RedrawWindow(edit->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
        EXPECT_GT(edit->Skin().Paints, paints);
        EXPECT_EQ(DifferingPixels(*WindowPicture(*edit), *edit->SkinData.CacheBmp()), 0);
      },
      10);
}

TEST_F(EditTest, TheBoundLabelFollowsTheEditsPlaceVisibilityAndEnabledState) {
  TsEdit* edit = Edit<TsEdit>(manager.get(), L"");
  edit->BoundLabel().SetCaption(L"前缀：");
  edit->BoundLabel().SetActive(true);
  TsEditLabel* label = edit->BoundLabel().TheLabel();
  ASSERT_NE(label, nullptr);
  const auto besideTheEdit = [&] {
    return label->Left() + label->Width() + 4 == edit->Left() &&
           label->Top() == edit->Top() + (edit->Height() - label->Height()) / 2 - 1;
  };
  EXPECT_TRUE(besideTheEdit());
  edit->SetBounds(120, 70, 100, 30);
  EXPECT_TRUE(besideTheEdit()) << "moved and sized";
  edit->SetVisible(false);
  EXPECT_FALSE(label->Visible());
  edit->SetVisible(true);
  EXPECT_TRUE(label->Visible());
  EXPECT_TRUE(besideTheEdit());
  edit->SetEnabled(false);
  EXPECT_FALSE(label->Enabled()) << "blended when disabled: the label goes grey too";
  edit->SetEnabled(true);
  edit->SetDisabledKind(zelvan::paint::dkGrayed);
  edit->SetEnabled(false);
  EXPECT_TRUE(label->Enabled()) << "not blended: the label stays";
}

TEST_F(EditTest, MadeShownFocusedAndFreedTheEditsKeepHandlesSteady) {
  ExpectHandlesSteady(
      [&] {
        auto* edit = Edit<TsEdit>(manager.get(), L"a");
        auto* spin = Edit<TsSpinEdit>(manager.get(), L"1");
        auto* combo = Edit<TsCustomComboEdit>(manager.get(), L"C:\\");
        for (TWinControl* control : std::initializer_list<TWinControl*>{edit, spin, combo}) {
          control->SetFocus();
          control->Perform(CM_MOUSEENTER);
          Pump(5);
          control->Perform(CM_MOUSELEAVE);
        }
        SendMessageW(spin->Button().Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 2));
        SendMessageW(spin->Button().Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 2));
        ::SetFocus(away);
        Pump(5);
        delete combo;
        delete spin;
        delete edit;
      },
      5);
}

}  // namespace
