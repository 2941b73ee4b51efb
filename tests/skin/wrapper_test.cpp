// Wrappers under Wine: hooking raw windows and framework controls and giving
// them back exactly, living beside procedures installed by others, the base
// message rules, and push buttons painted from the kit skin.
#include "skin/window/btn_wnd.h"

#include <gtest/gtest.h>

#include "core/image/bitmap32.h"
#include "framework/stdctrls/button.h"
#include "kit_skin_fixture.h"
#include "skin/window/check_box_wnd.h"
#include "skin/window/ctrl_adapter.h"
#include "framework/stdctrls/custom_edit.h"
#include "framework/stdctrls/label.h"
#include "skin/window/dialog_wrappers.h"
#include "skin/window/main_wnd.h"
#include "skin/window/static_wnds.h"

namespace {

// A procedure installed by somebody else: counts what passes and chains on.
struct TForeignProc {
  static inline WNDPROC Previous = nullptr;
  static inline int Seen = 0;
  static inline UINT Counted = WM_NULL;
  static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == Counted) ++Seen;
    return CallWindowProcW(Previous, window, msg, wParam, lParam);
  }
  static void Install(HWND window, UINT counted) {
    Seen = 0;
    Counted = counted;
    Previous = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc)));
  }
};

class WrapperTest : public KitSkinTest {
 protected:
  HWND RawChild(const wchar_t* cls, DWORD style, const wchar_t* text = L"Rename", int x = 20, int y = 20) {
    return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, 100, 30, form->Handle(), nullptr,
                           GetModuleHandleW(nullptr), nullptr);
  }
  static COLORREF Printed(HWND window, int x, int y) {
    RECT r{};
    GetClientRect(window, &r);
    TBitmap picture(r.right, r.bottom, pf32bit);
    SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.Canvas().Handle()), PRF_CLIENT);
    GdiFlush();
    const uint32_t p = zelvan::image::GetPixel32(picture.Image(), x, y);
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
  }
  // The kit's BUTTON colours: $E0E0E0 normal, $F0D0A0 (blue-green-red) hot.
  static constexpr COLORREF kNormal = RGB(0xE0, 0xE0, 0xE0);
  static constexpr COLORREF kHot = RGB(0xA0, 0xD0, 0xF0);
};

TEST_F(WrapperTest, WrappingARawWindowAndUnwrappingLeavesItAsItWas) {
  HWND button = RawChild(L"BUTTON", BS_PUSHBUTTON);
  const LONG_PTR proc = GetWindowLongPtrW(button, GWLP_WNDPROC);
  const LONG_PTR style = GetWindowLongPtrW(button, GWL_STYLE), exStyle = GetWindowLongPtrW(button, GWL_EXSTYLE);
  auto* wrapper = Wrap<TacBtnWnd>(button, nullptr, manager.get(), "BUTTON", true);
  EXPECT_NE(GetWindowLongPtrW(button, GWLP_WNDPROC), proc);
  EXPECT_EQ(WrapperOf(button), wrapper);
  EXPECT_EQ(SendSkinCommand(button, SKC_IS_SKINNED), 1);
  delete wrapper;
  EXPECT_EQ(GetWindowLongPtrW(button, GWLP_WNDPROC), proc);
  EXPECT_EQ(GetWindowLongPtrW(button, GWL_STYLE), style);
  EXPECT_EQ(GetWindowLongPtrW(button, GWL_EXSTYLE), exStyle);
  EXPECT_EQ(GetPropW(button, L"ACSBSC"), nullptr);
  EXPECT_EQ(GetPropW(button, L"ACSBSCPREV"), nullptr);
  EXPECT_EQ(SendSkinCommand(button, SKC_IS_SKINNED), 0);

  // A window destroyed under its wrapper detaches it; freeing it later is safe.
  wrapper = Wrap<TacBtnWnd>(button, nullptr, manager.get(), "BUTTON", true);
  DestroyWindow(button);
  EXPECT_TRUE(wrapper->Destroyed);
  delete wrapper;
}

TEST_F(WrapperTest, AProcedureInstalledAboveAWrapperOutlivesIt) {
  HWND button = RawChild(L"BUTTON", BS_PUSHBUTTON);
  auto* wrapper = Wrap<TacBtnWnd>(button, nullptr, manager.get(), "BUTTON", true);
  TForeignProc::Install(button, WM_GETTEXTLENGTH);
  delete wrapper;
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(SendMessageW(button, WM_GETTEXTLENGTH, 0, 0), 6);
  EXPECT_EQ(TForeignProc::Seen, 1000);
  EXPECT_EQ(SendSkinCommand(button, SKC_IS_SKINNED), 0);
  // A new wrapper under the foreign procedure is found without a second hook.
  wrapper = Wrap<TacBtnWnd>(button, nullptr, manager.get(), "BUTTON", true);
  EXPECT_EQ(SendSkinCommand(button, SKC_IS_SKINNED), 1);
  EXPECT_EQ(SendMessageW(button, WM_GETTEXTLENGTH, 0, 0), 6);
  delete wrapper;
  DestroyWindow(button);  // the leftover chain ends cleanly
  EXPECT_FALSE(IsWindow(button));
}

TEST_F(WrapperTest, BaseRulesForMessagesOfTheWrappedWindow) {
  HWND edit = RawChild(L"EDIT", ES_AUTOHSCROLL, L"", 20, 80);
  TForeignProc::Install(edit, WM_UPDATEUISTATE);  // the procedure the wrapper replaces
  auto* wrapper = Wrap<TacMainWnd>(edit, nullptr, manager.get(), "EDIT", true);
  SendMessageW(edit, WM_UPDATEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
  EXPECT_EQ(TForeignProc::Seen, 0) << "WM_UPDATEUISTATE is swallowed";

  int changes = 0;
  TWndMethod previous = form->WindowProc;
  form->WindowProc = [&](TMessage& message) {
    if (message.Msg == WM_COMMAND && HIWORD(message.WParam) == EN_CHANGE) ++changes;
    previous(message);
  };
  SetWindowTextW(edit, L"one");
  SetWindowTextW(edit, L"two");
  EXPECT_EQ(changes, 2) << "each WM_SETTEXT reaches the edit once";
  EXPECT_EQ(wrapper->Caption, L"two");
  form->WindowProc = previous;
  delete wrapper;
  DestroyWindow(edit);
}

TEST_F(WrapperTest, AFrameworkButtonIsHookedThroughItsObject) {
  auto* button = new TButton(form);
  button->SetParent(form);
  button->SetBounds(20, 20, 100, 30);
  button->SetCaption(L"Rename");
  const LONG_PTR proc = GetWindowLongPtrW(button->Handle(), GWLP_WNDPROC);
  TsCommonData data(button, true);
  data.SetSkinManager(manager.get());
  auto* wrapper = Wrap<TacButtonWnd>(button->Handle(), &data, manager.get(), "BUTTON", true, button);
  EXPECT_TRUE(wrapper->HookedThroughControl());
  EXPECT_EQ(GetWindowLongPtrW(button->Handle(), GWLP_WNDPROC), proc) << "the window's procedure is untouched";
  EXPECT_EQ(button->Perform(SKM_COMMAND, SkinCommandWParam(SKC_IS_SKINNED)), 1);
  EXPECT_TRUE(button->ControlStyle().Contains(csOpaque));
  delete wrapper;
  EXPECT_EQ(button->Perform(SKM_COMMAND, SkinCommandWParam(SKC_IS_SKINNED)), 0);
  EXPECT_FALSE(button->ControlStyle().Contains(csOpaque));
}

TEST_F(WrapperTest, PushButtonsShowTheirStatesInTheSkinsLook) {
  HWND plain = RawChild(L"BUTTON", BS_PUSHBUTTON, L"", 20, 20);
  HWND defaultButton = RawChild(L"BUTTON", BS_DEFPUSHBUTTON, L"", 140, 20);
  auto* first = Wrap<TacBtnWnd>(plain, nullptr, manager.get(), "BUTTON", true);
  auto* second = Wrap<TacBtnWnd>(defaultButton, nullptr, manager.get(), "BUTTON", true);
  SetFocus(form->Handle());
  EXPECT_EQ(first->CurrentState(), 0);
  EXPECT_EQ(Printed(plain, 50, 15), kNormal);
  EXPECT_EQ(second->CurrentState(), 1) << "the default button shows hot without the mouse";
  EXPECT_EQ(Printed(defaultButton, 50, 15), kHot);
  SendMessageW(plain, BM_SETSTATE, TRUE, 0);
  EXPECT_EQ(first->CurrentState(), 2);
  EXPECT_NE(Printed(plain, 50, 15), kNormal);
  SendMessageW(plain, BM_SETSTATE, FALSE, 0);
  EnableWindow(plain, FALSE);
  EXPECT_EQ(first->CurrentState(), 0);
  const COLORREF disabled = Printed(plain, 50, 15);
  EXPECT_NE(disabled, kNormal) << "40 % of the background shows through";
  delete first;
  delete second;
  DestroyWindow(plain);
  DestroyWindow(defaultButton);
}

TEST_F(WrapperTest, HandlesStayPutOverSkinLoadsWithWrappedButtons) {
  HWND buttons[3];
  TacBtnWnd* wrappers[3];
  for (int i = 0; i < 3; ++i) {
    buttons[i] = RawChild(L"BUTTON", BS_PUSHBUTTON, L"Go", 20 + 110 * i, 20);
    wrappers[i] = Wrap<TacBtnWnd>(buttons[i], nullptr, manager.get(), "BUTTON", true);
  }
  const auto cycle = [&] {
    manager->SetActive(false);
    manager->SetActive(true);
    for (HWND b : buttons) RedrawWindow(b, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  };
  ExpectHandlesSteady(cycle, 100);
  for (int i = 0; i < 3; ++i) {
    delete wrappers[i];
    DestroyWindow(buttons[i]);
  }
}

TEST_F(WrapperTest, CheckBoxesGroupBoxesAndTextsTakeTheirLooks) {
  const COLORREF formColor = RGB(0x99, 0x66, 0x33), three = RGB(0xD0, 0xD0, 0xD0), threeHot = RGB(0xF0, 0xB0, 0xB0);
  HWND check = RawChild(L"BUTTON", BS_AUTOCHECKBOX, L"Check", 20, 20);
  HWND group = RawChild(L"BUTTON", BS_GROUPBOX, L"Group", 140, 20);
  HWND text = RawChild(L"STATIC", SS_LEFT, L"Text", 20, 80);
  auto* checkWrapper = Wrap<TacCheckBoxWnd>(check, nullptr, manager.get(), "THREE", true);
  auto* groupWrapper = Wrap<TacGroupBoxWnd>(group, nullptr, manager.get(), "THREE", true);
  auto* textWrapper = Wrap<TacStaticWnd>(text, nullptr, manager.get(), "THREE", true);
  SetFocus(form->Handle());
  EXPECT_EQ(Printed(check, 97, 15), three);
  SetFocus(check);
  EXPECT_TRUE(checkWrapper->Hot());
  EXPECT_EQ(Printed(check, 97, 15), threeHot) << "focused: the hot look";
  SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
  EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_CHECKED);

  const RECT caption = groupWrapper->CaptionRect();
  EXPECT_EQ(caption.left, 6);
  EXPECT_EQ(Printed(group, 95, 1), formColor) << "the strip above the frame is the parent's";
  EXPECT_EQ(Printed(group, 50, 20), three);
  EXPECT_EQ(SendSkinCommand(group, SKC_GET_CAPTION_HEIGHT), caption.bottom - caption.top);

  EXPECT_EQ(Printed(text, 97, 25), formColor) << "the parent's colour behind the text";
  bool inked = false;
  for (int x = 0; x < 30 && !inked; ++x)
    for (int y = 0; y < 15 && !inked; ++y) inked = Printed(text, x, y) != formColor;
  EXPECT_TRUE(inked) << "the caption is drawn";
  delete checkWrapper;
  delete groupWrapper;
  delete textWrapper;
  for (HWND w : {check, group, text}) DestroyWindow(w);
}

// Wraps the children of the message box open now, records their kinds,
// unwraps them and closes the box.
struct TBoxVisit {
  TsSkinManager* Manager = nullptr;
  int Icons = 0, Texts = 0, Buttons = 0, Others = 0;
};
TBoxVisit* Visit = nullptr;

BOOL CALLBACK VisitChild(HWND child, LPARAM) {
  std::unique_ptr<TacMainWnd> wrapper = WrapDialogChild(child, Visit->Manager);
  if (dynamic_cast<TacIconWnd*>(wrapper.get())) {
    ++Visit->Icons;
  } else if (dynamic_cast<TacStaticWnd*>(wrapper.get())) {
    ++Visit->Texts;
  } else if (dynamic_cast<TacBtnWnd*>(wrapper.get())) {
    ++Visit->Buttons;
    EXPECT_EQ(SendSkinCommand(child, SKC_IS_SKINNED), 1);
  } else {
    ++Visit->Others;
  }
  return TRUE;
}

void CALLBACK VisitBox(HWND, UINT, UINT_PTR id, DWORD) {
  HWND box = FindWindowW(L"#32770", L"Kit box");
  if (!box) return;
  KillTimer(nullptr, id);
  EnumChildWindows(box, VisitChild, 0);
  PostMessageW(box, WM_COMMAND, IDCANCEL, 0);
}

TEST_F(WrapperTest, AMessageBoxsChildrenGetTheTablesWrappers) {
  TBoxVisit visit{manager.get()};
  Visit = &visit;
  SetTimer(nullptr, 0, 30, VisitBox);
  MessageBoxW(form->Handle(), L"Rename 12 files?", L"Kit box", MB_OKCANCEL | MB_ICONQUESTION);
  Visit = nullptr;
  EXPECT_EQ(visit.Icons, 1);
  EXPECT_EQ(visit.Texts, 1);
  EXPECT_EQ(visit.Buttons, 2);
}

class AdapterTest : public WrapperTest {
 protected:
  template <typename T>
  T* Put(const std::wstring& name, int left) {
    T* control = new T(form);
    control->SetName(name);
    control->SetParent(form);
    control->SetBounds(left, 20, 90, 25);
    return control;
  }
  static bool Skinned(TWinControl* control) { return SendSkinCommand(control->Handle(), SKC_IS_SKINNED) == 1; }
};

TEST_F(AdapterTest, ThePlainButtonIsWrappedAndThePlainEditIsNot) {
  auto* button = Put<TButton>(L"Button1", 10);
  auto* edit = Put<TEdit>(L"Edit1", 110);
  TacCtrlAdapter adapter(form, manager.get());
  adapter.AddAllItems();
  ASSERT_EQ(adapter.Count(), 1);
  EXPECT_EQ(adapter.GetItem(0)->WinCtrl, button);
  EXPECT_NE(dynamic_cast<TacButtonWnd*>(adapter.GetItem(0)->ScrollWnd.get()), nullptr);
  EXPECT_EQ(adapter.GetItem(0)->SkinData->SkinSection(), "BUTTON");
  EXPECT_TRUE(Skinned(button));
  EXPECT_FALSE(Skinned(edit));

  // A second scan makes no second wrapper; a detached one is hooked again.
  adapter.AddAllItems();
  EXPECT_EQ(adapter.Count(), 1);
  adapter.GetItem(0)->ScrollWnd->Detach();
  EXPECT_FALSE(Skinned(button));
  adapter.AddAllItems();
  ASSERT_EQ(adapter.Count(), 1);
  EXPECT_TRUE(Skinned(button));
}

TEST_F(AdapterTest, OnSkinItemAndTagsDecide) {
  auto* vetoed = Put<TButton>(L"Vetoed", 10);
  auto* themed = Put<TButton>(L"Themed", 110);
  auto* hidden = Put<TButton>(L"Hidden", 210);
  hidden->SetTag(-98);
  TacCtrlAdapter adapter(form, manager.get());
  adapter.OnSkinItem = [&](TControl* item, bool& canBeAdded, std::string& section) {
    if (item == vetoed) canBeAdded = false;
    if (item == themed) section = "THREE";
  };
  adapter.AddAllItems();
  EXPECT_FALSE(Skinned(vetoed));
  EXPECT_FALSE(Skinned(hidden));
  ASSERT_EQ(adapter.Count(), 1);
  EXPECT_EQ(adapter.GetItem(0)->SkinData->SkinSection(), "THREE");
}

TEST_F(AdapterTest, PlainLabelsTakeTheSkinsColourAndGetTheirOwnBack) {
  auto* taken = new TLabel(form);
  taken->SetName(L"Taken");
  taken->SetParent(form);
  taken->Font().SetColor(0x00123456);
  auto* kept = new TLabel(form);
  kept->SetName(L"Kept");
  kept->SetParent(form);
  kept->SetTag(98);
  kept->Font().SetColor(0x00654321);
  auto* gone = new TLabel(form);
  gone->SetName(L"Gone");
  gone->SetParent(form);
  {
    TacCtrlAdapter adapter(form, manager.get());
    adapter.AddAllItems();
    EXPECT_EQ(taken->Font().Color(), manager->GetGlobalFontColor());
    EXPECT_EQ(kept->Font().Color(), 0x00654321) << "tag 98 keeps its colours";
    delete gone;  // freed before the adapter: not touched when colours go back
  }
  EXPECT_EQ(taken->Font().Color(), 0x00123456) << "its own colour back with the adapter gone";
}

}  // namespace
