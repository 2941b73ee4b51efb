// Automatic window skinning under Wine, in Air: the manager's window hook
// gives forms without a provider one from their creation (unless their tag
// or the manager's rules forbid it), wraps plain popup-menu windows, and
// skins the platform's message boxes and dialogs (frame, children, caption
// buttons, close left inert where the platform disabled it), freeing
// everything when they go.
#include <gtest/gtest.h>
#include <windows.h>
#include <windowsx.h>

#include <functional>
#include <memory>
#include <vector>

#include "../framework/menu_loop.h"
#include "../framework/test_support.h"
#include "core/image/bitmap32.h"
#include "core/paint/block_transfer.h"
#include "core/paint/mask_painting.h"
#include "framework/forms/form.h"
#include "kit_skin_fixture.h"
#include "skin/core/animation_window.h"
#include "skin/core/skin_messages.h"
#include "skin/core/skinned_windows.h"
#include "skin/core/window_animation.h"
#include "skin/menus/menu_wnd.h"
#include "skin/store/skin_manager.h"
#include "skin/window/ac_provider.h"
#include "skin/window/border_form.h"
#include "skin/window/btn_wnd.h"
#include "skin/window/wrapper_painting.h"
#include "skin/window/dialog_system_menu.h"
#include "skin/window/dialog_wnd.h"
#include "skin/window/skin_provider.h"
#include "skin_test_kit.h"

namespace {

// Runs an action on a message box from inside its modal loop; the action
// ends the box. A box the action left open is answered after a while.
struct TBoxProbe {
  std::wstring Title = L"Zelvan box";
  std::function<void(HWND box)> Action;
  bool Ran = false;
  int Ticks = 0;
};
TBoxProbe* gBoxProbe = nullptr;

void CALLBACK BoxTick(HWND, UINT, UINT_PTR id, DWORD) {
  TBoxProbe* probe = gBoxProbe;
  if (!probe || probe->Ran) {
    KillTimer(nullptr, id);
    return;
  }
  HWND box = FindWindowW(L"#32770", probe->Title.c_str());
  if (++probe->Ticks > 200) {
    for (WPARAM answer : {IDOK, IDNO}) PostMessageW(box, WM_COMMAND, answer, 0);
    return;
  }
  if (!box || !IsWindowVisible(box) || probe->Ticks < 4) return;
  probe->Ran = true;
  KillTimer(nullptr, id);
  probe->Action(box);
}

int ShowBox(TBoxProbe& probe, UINT type) {
  gBoxProbe = &probe;
  const UINT_PTR timer = SetTimer(nullptr, 0, 20, BoxTick);
  const int answer = MessageBoxW(nullptr, L"一个消息", probe.Title.c_str(), type);
  KillTimer(nullptr, timer);
  gBoxProbe = nullptr;
  return answer;
}

LPARAM ScreenPoint(HWND window, const RECT& inWindow) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return MAKELPARAM(bounds.left + (inWindow.left + inWindow.right) / 2,
                    bounds.top + (inWindow.top + inWindow.bottom) / 2);
}

// Presses and releases a caption button the way the mouse does (the press captures).
void ClickButton(HWND window, const RECT& inWindow, int code) {
  const LPARAM at = ScreenPoint(window, inWindow);
  SendMessageW(window, WM_NCLBUTTONDOWN, code, at);
  POINT client{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
  ScreenToClient(window, &client);
  SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
}

int LiveAutoProviders() {
  int count = 0;
  for (TacAutoSkinned* entry : AutoSkinnedWindowList()) count += entry != nullptr;
  return count;
}

INT_PTR CALLBACK PlainDialogProc(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// A visible modeless platform dialog with nothing in it.
HWND PlainDialog(int x) {
  struct alignas(4) TTemplate {
    DLGTEMPLATE Head;
    WORD Menu, Class, Title;
  } tpl{};
  tpl.Head.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | WS_VISIBLE;
  tpl.Head.x = static_cast<short>(x);
  tpl.Head.y = 20;
  tpl.Head.cx = 100;
  tpl.Head.cy = 40;
  return CreateDialogIndirectParamW(GetModuleHandleW(nullptr), &tpl.Head, nullptr, PlainDialogProc, 0);
}

class AutoSkinTest : public ::testing::Test {
 protected:
  void SetUp() override {
    manager = std::make_unique<TsSkinManager>(nullptr);
    ASSERT_TRUE(LoadSkin(*manager, SkinsFolder(), L"Air"));
    ASSERT_TRUE(manager->GlobalHookInstalled()) << "the default manager hooks window creation";
  }
  void TearDown() override {
    manager.reset();
    Pump(10);
  }
  std::unique_ptr<TsSkinManager> manager;
};

TEST_F(AutoSkinTest, FormsGetAProviderFromTheirCreationUnlessTheirTagForbidsIt) {
  struct Case {
    intptr_t tag;
    bool skinned;
  };
  for (const Case& c : std::vector<Case>{{0, true}, {5, true}, {-1, false}, {-2, false}, {-98, false}, {-97, false}}) {
    auto* form = new TForm(Application);
    form->SetTag(c.tag);
    form->SetBounds(100, 100, 300, 200);
    HWND window = form->Handle();  // made, not shown yet
    TacProviderLink* provider = ProviderOf(form);
    EXPECT_EQ(provider != nullptr, c.skinned) << c.tag;
    // Prepared at creation: the platform never drew its own caption buttons.
    EXPECT_EQ((GetWindowLongPtrW(window, GWL_STYLE) & WS_SYSMENU) == 0, c.skinned) << c.tag;
    if (auto* skin = dynamic_cast<TsSkinProvider*>(provider)) {
      EXPECT_TRUE(skin->RTInit);
    }
    delete form;
  }
  EXPECT_EQ(LiveAutoProviders(), 0) << "a form's provider empties its slot when the form goes";
}

TEST_F(AutoSkinTest, FormsStayUnskinnedWithoutTheRuleAndKeepAProviderOfTheirOwn) {
  manager->SetSkinningRules({srStdDialogs, srThirdParty});
  auto* plain = new TForm(Application);
  plain->Handle();
  EXPECT_EQ(ProviderOf(plain), nullptr);
  delete plain;
  manager->SetSkinningRules({srStdForms, srStdDialogs, srThirdParty});

  auto* own = new TForm(Application);
  auto* explicitProvider = new TsSkinProvider(own);
  own->Handle();
  EXPECT_EQ(SkinProviderOf(own), explicitProvider);
  EXPECT_EQ(LiveAutoProviders(), 0);
  delete own;
}

TEST_F(AutoSkinTest, AShownAutomaticFormIsFramedByTheSkin) {
  auto* form = new TForm(Application);
  form->SetBounds(100, 100, 400, 300);
  form->SetCaption(L"Auto");
  form->Show();
  Pump(30);
  TsSkinProvider* provider = SkinProviderOf(form);
  ASSERT_NE(provider, nullptr);
  EXPECT_TRUE(provider->SkinsFrame());
  // The caption band on the screen is the provider's picture.
  TBitmap* cache = provider->SkinData.CacheBmp();
  ASSERT_TRUE(cache && !cache->Empty());
  HDC dc = GetWindowDC(form->Handle());
  int same = 0, probed = 0;
  for (int x = 40; x < cache->Width() - 120; x += 13, ++probed) {
    const uint32_t p = zelvan::image::GetPixel32(cache->Image(), x, provider->HeaderHeight() / 2);
    same += ::GetPixel(dc, x, provider->HeaderHeight() / 2) == RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  ReleaseDC(form->Handle(), dc);
  EXPECT_EQ(same, probed);
  delete form;
}

TEST_F(AutoSkinTest, APlainPopupMenuWindowIsWrappedAtItsCreation) {
  TForm* form = NewForm();
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 1, L"一");
  bool wrapped = false, answers = false;
  TMenuLoopProbe probe;
  probe.Action = [&](HWND window) {
    wrapped = dynamic_cast<TacMnuWnd*>(WrapperOf(window)) != nullptr;
    answers = QuerySkinCommand(window, SKC_IS_SKINNED);
    return false;
  };
  WithMenuProbe(probe, [&] { TrackPopupMenu(menu, TPM_RETURNCMD, 200, 200, 0, form->Handle(), nullptr); });
  DestroyMenu(menu);
  EXPECT_TRUE(probe.Ran);
  EXPECT_TRUE(wrapped);
  EXPECT_TRUE(answers);
  delete form;
}

TEST_F(AutoSkinTest, AMessageBoxIsSkinnedAndItsCloseButtonEndsIt) {
  bool skinned = false, framed = false, captionsFit = true;
  int children = 0, skinnedChildren = 0, hit = 0;
  TBoxProbe probe;
  probe.Action = [&](HWND box) {
    skinned = QuerySkinCommand(box, SKC_IS_SKINNED);
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
      ++children;
      skinnedChildren += QuerySkinCommand(child, SKC_IS_SKINNED);
      // A button's caption gets room for its whole text in the font it is drawn in.
      if (auto* button = dynamic_cast<TacBtnWnd*>(WrapperOf(child)); button && !button->Caption.empty()) {
        TBitmap measure(4, 4, pf32bit);
        TakeMessageFont(measure.Canvas().Font());
        HDC dc = measure.Canvas().Handle();
        HGDIOBJ old = SelectObject(dc, measure.Canvas().Font().Handle());
        SIZE text{};
        GetTextExtentPoint32W(dc, button->Caption.c_str(), static_cast<int>(button->Caption.size()), &text);
        SelectObject(dc, old);
        const RECT place = button->CaptionRect();
        captionsFit = captionsFit && place.right - place.left >= text.cx;
      }
    }
    TacDialogWnd* wrapper = DialogWndOf(box);
    if (!wrapper) return;
    // The frame on the screen is the wrapper's picture, not the platform's.
    TBitmap* cache = wrapper->SkinData->CacheBmp();
    HDC dc = GetWindowDC(box);
    const int y = wrapper->HeaderHeight() / 2;
    const uint32_t p = zelvan::image::GetPixel32(cache->Image(), 30, y);
    framed = ::GetPixel(dc, 30, y) == RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF) &&
             (GetWindowLongPtrW(box, GWL_STYLE) & WS_SYSMENU) == 0;
    ReleaseDC(box, dc);
    hit = static_cast<int>(SendMessageW(box, WM_NCHITTEST, 0, ScreenPoint(box, wrapper->ButtonClose.Rect)));
    ClickButton(box, wrapper->ButtonClose.Rect, HTCLOSE);
  };
  EXPECT_EQ(ShowBox(probe, MB_OKCANCEL), IDCANCEL) << "the skinned close ended the box";
  EXPECT_TRUE(skinned);
  EXPECT_TRUE(framed);
  EXPECT_GE(children, 2);
  EXPECT_EQ(skinnedChildren, children);
  EXPECT_TRUE(captionsFit) << "确定 and 取消 are drawn whole";
  EXPECT_EQ(hit, HTCLOSE);
}

TEST_F(AutoSkinTest, ABoxWithoutCancelShowsItsCloseFadedAndInert) {
  bool shown = false, enabled = true, faded = false;
  int hit = -2;
  TBoxProbe probe;
  probe.Action = [&](HWND box) {
    TacDialogWnd* wrapper = DialogWndOf(box);
    if (wrapper) {
      const RECT r = wrapper->ButtonClose.Rect;
      shown = !IsRectEmpty(&r);
      enabled = wrapper->ButtonClose.Enabled;
      hit = static_cast<int>(SendMessageW(box, WM_NCHITTEST, 0, ScreenPoint(box, r)));
      // What the painters give for a faded close over the band beneath it.
      const auto* part = &manager->ma[static_cast<size_t>(wrapper->ButtonClose.ImageIndex)];
      auto expected = zelvan::image::CreateBmp32(r.right - r.left, r.bottom - r.top);
      zelvan::paint::CopyBlock(*expected, {0, 0}, wrapper->TempBmp->Image(), {r.left, r.top, r.right, r.bottom});
      zelvan::paint::DrawMaskGlyph(*expected, {0, 0}, 0, zelvan::paint::TCacheInfo{}, *part, 2);
      HDC dc = GetWindowDC(box);
      HRGN region = CreateRectRgn(0, 0, 0, 0);
      const bool shaped = GetWindowRgn(box, region) != ERROR;
      int differing = 0;
      for (int y = 0; y < expected->Height(); ++y) {
        for (int x = 0; x < expected->Width(); ++x) {
          if (shaped && !PtInRegion(region, r.left + x, r.top + y)) continue;  // a cut corner shows nothing
          const uint32_t p = zelvan::image::GetPixel32(*expected, x, y);
          differing += ::GetPixel(dc, r.left + x, r.top + y) != RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
        }
      }
      DeleteObject(region);
      ReleaseDC(box, dc);
      faded = differing == 0;
      ClickButton(box, r, HTCLOSE);
      SendMessageW(box, WM_SYSCOMMAND, SC_CLOSE, 0);  // Alt+F4 and the system menu's Close
    }
    PostMessageW(box, WM_COMMAND, IDNO, 0);
  };
  EXPECT_EQ(ShowBox(probe, MB_YESNO), IDNO) << "closing gave an answer the box never offered";
  EXPECT_TRUE(shown);
  EXPECT_FALSE(enabled);
  EXPECT_NE(hit, HTCLOSE);
  EXPECT_TRUE(faded);
}

TEST_F(AutoSkinTest, TheIconOfABoxOpensItsSkinnedSystemMenuWithoutSizeAndRestore) {
  int items = -1;
  std::vector<std::wstring> captions;
  TBoxProbe probe;
  probe.Action = [&](HWND box) {
    TMenuLoopProbe menuProbe;
    menuProbe.Action = [&](HWND menuWindow) {
      HMENU menu = reinterpret_cast<HMENU>(SendMessageW(menuWindow, MN_GETHMENU, 0, 0));
      items = menu ? GetMenuItemCount(menu) : -1;
      return false;
    };
    TacDialogWnd* wrapper = DialogWndOf(box);
    if (wrapper) {
      for (TMenuItem* item : {wrapper->SystemMenu->ItemRestore, wrapper->SystemMenu->ItemSize,
                              wrapper->SystemMenu->ItemMove, wrapper->SystemMenu->ItemClose}) {
        captions.push_back(item->Visible ? item->Caption : L"");
      }
      RECT icon{wrapper->FrameWidth(), 0, wrapper->FrameWidth() + 4, wrapper->HeaderHeight()};
      WithMenuProbe(menuProbe, [&] { SendMessageW(box, WM_NCLBUTTONDOWN, HTSYSMENU, ScreenPoint(box, icon)); });
    }
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  };
  ShowBox(probe, MB_OK);
  EXPECT_EQ(captions, (std::vector<std::wstring>{L"", L"", L"Move", L"Close"}));
  EXPECT_EQ(items, 3) << "Move, a line and Close";
}

TEST_F(AutoSkinTest, MessageBoxesLeaveNoHandlesAndNoProvidersBehind) {
  TBoxProbe probe;
  const auto cycle = [&] {
    probe.Ran = false;
    probe.Ticks = 0;
    probe.Action = [](HWND box) { PostMessageW(box, WM_COMMAND, IDOK, 0); };
    EXPECT_EQ(ShowBox(probe, MB_OK), IDOK);
  };
  ExpectHandlesSteady(cycle, 20);
  EXPECT_LE(LiveAutoProviders(), 1) << "only the provider of the last box waits for the next destruction";
}

TEST_F(AutoSkinTest, NoMoreThanTwoPlainDialogsAreSkinnedAtOnce) {
  HWND dialogs[3] = {PlainDialog(20), PlainDialog(200), PlainDialog(380)};
  Pump(20);
  EXPECT_NE(DialogWndOf(dialogs[0]), nullptr);
  EXPECT_NE(DialogWndOf(dialogs[1]), nullptr);
  EXPECT_EQ(DialogWndOf(dialogs[2]), nullptr);
  EXPECT_FALSE(QuerySkinCommand(dialogs[2], SKC_IS_SKINNED));
  for (HWND dialog : dialogs) DestroyWindow(dialog);
  Pump(10);
  HWND later = PlainDialog(20);
  EXPECT_NE(DialogWndOf(later), nullptr) << "the gone dialogs no longer count";
  DestroyWindow(later);
}

TEST_F(AutoSkinTest, ADialogGetsItsOwnLookBackWhenTheSkinGoes) {
  HWND dialog = PlainDialog(20);
  Pump(20);
  ASSERT_NE(DialogWndOf(dialog), nullptr);
  EXPECT_EQ(GetWindowLongPtrW(dialog, GWL_STYLE) & WS_SYSMENU, 0);
  manager->SetActive(false);
  Pump(20);
  EXPECT_EQ(WrapperOf(dialog), nullptr);
  EXPECT_FALSE(QuerySkinCommand(dialog, SKC_IS_SKINNED));
  EXPECT_NE(GetWindowLongPtrW(dialog, GWL_STYLE) & WS_SYSMENU, 0) << "the platform's caption buttons are back";
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_EQ(GetWindowRgn(dialog, region), ERROR) << "no region is left";
  DeleteObject(region);
  EXPECT_EQ(LiveAutoProviders(), 0);
  DestroyWindow(dialog);
}

TEST_F(AutoSkinTest, TheDialogBackgroundBrushIsOneKeptBrushNotOnePerAnswer) {
  HWND dialog = PlainDialog(20);
  ASSERT_NE(DialogWndOf(dialog), nullptr);
  HDC dc = GetDC(dialog);
  const auto answer = [&] {
    return SendMessageW(dialog, WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(dialog));
  };
  const LRESULT first = answer();
  EXPECT_NE(first, 0);
  const unsigned gdi = GdiObjectCount();
  bool same = true;
  for (int i = 0; i < 100; ++i) same = answer() == first && same;
  EXPECT_TRUE(same);
  EXPECT_EQ(GdiObjectCount(), gdi);
  ReleaseDC(dialog, dc);
  DestroyWindow(dialog);
}

TEST_F(AutoSkinTest, WithADialogTimeABoxFadesInAndOutAndLeavesNothingBehind) {
  TBoxProbe probe;
  int frames = 0;
  const auto box = [&](UINT type, WPARAM answer) {
    probe.Ran = false;
    probe.Ticks = 0;
    probe.Action = [answer](HWND window) { PostMessageW(window, WM_COMMAND, answer, 0); };
    const int before = AnimationFramesPushed();
    EXPECT_EQ(ShowBox(probe, type), static_cast<int>(answer));
    EXPECT_TRUE(PumpUntil([] { return !HideAnimationRunning(); }, 5000));
    frames = AnimationFramesPushed() - before;
    EXPECT_EQ(FindWindowW(L"TacAnimationWindow", nullptr), nullptr) << "no animation window is left";
  };
  box(MB_OK, IDOK);
  EXPECT_EQ(frames, 0) << "no dialog animation by default (time 0)";

  manager->AnimEffects.DialogShow.Time = 120;  // 10 steps each way
  manager->AnimEffects.DialogHide.Time = 120;
  struct Case {
    UINT type;
    WPARAM answer;
  } cases[] = {{MB_OKCANCEL, IDCANCEL}, {MB_OK, IDOK}, {MB_YESNO, IDYES}};
  for (const Case& c : cases) {
    box(c.type, c.answer);
    EXPECT_EQ(frames, 12 + 11) << c.answer << ": 12 frames in (11 steps and the last), 11 out";
  }
  ExpectHandlesSteady([&] { box(MB_OKCANCEL, IDCANCEL); }, 5, 1);
}

TEST_F(AutoSkinTest, WithExtendedBordersADialogCastsAShadowThatGoesWithIt) {
  manager->SetExtendedBorders(true);
  HWND dialog = PlainDialog(60);
  TacDialogWnd* wrapper = DialogWndOf(dialog);
  ASSERT_NE(wrapper, nullptr);
  Pump(10);
  ASSERT_NE(wrapper->BorderForm, nullptr);
  HWND border = wrapper->BorderForm->Handle();
  const auto expectAround = [&](const char* what) {
    RECT shown{}, box{};
    GetWindowRect(border, &shown);
    GetWindowRect(dialog, &box);
    InflateRect(&box, 9, 9);  // Air has no EXBORDER: the built-in shadow
    EXPECT_TRUE(EqualRect(&shown, &box)) << what;
    EXPECT_EQ(GetWindow(dialog, GW_HWNDNEXT), border) << what << ": directly under the dialog";
  };
  expectAround("shown");
  SetWindowPos(dialog, nullptr, 140, 90, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  expectAround("moved");
  ShowWindow(dialog, SW_HIDE);
  EXPECT_EQ(wrapper->BorderForm, nullptr) << "hidden: no shadow";
  EXPECT_FALSE(IsWindow(border));
  ShowWindow(dialog, SW_SHOW);
  ASSERT_NE(wrapper->BorderForm, nullptr);
  border = wrapper->BorderForm->Handle();
  DestroyWindow(dialog);
  EXPECT_FALSE(IsWindow(border)) << "freed with the dialog";
  manager->SetExtendedBorders(false);
}

}  // namespace
