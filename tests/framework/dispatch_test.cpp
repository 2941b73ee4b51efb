#include <gtest/gtest.h>

#include <memory>

#include "test_support.h"

namespace {

constexpr UINT kProbe = WM_APP + 41;

// Answers kProbe itself and records the order in which the chain is walked.
class TChainProbe : public TTestButton {
 public:
  using TTestButton::TTestButton;
  std::vector<std::wstring> Walk;
  void WndProc(TMessage& message) override {
    if (message.Msg == kProbe) {
      message.Result = 0x5A;
      return;
    }
    if (message.Msg == WM_SETTEXT) Walk.push_back(L"derived");
    TTestButton::WndProc(message);
    if (message.Msg == WM_SETTEXT) Walk.push_back(L"after base");
  }
};

TEST(Dispatch, PerformReachesControlsWithAndWithoutWindows) {
  std::unique_ptr<TForm> form(NewForm());
  auto* withWindow = new TChainProbe(form.get());
  withWindow->SetParent(form.get());
  auto* withoutWindow = new TChainProbe(form.get());  // no parent: no window
  auto* graphic = new TTestShape(form.get());
  graphic->SetParent(form.get());
  ASSERT_TRUE(withWindow->HandleAllocated());
  ASSERT_FALSE(withoutWindow->HandleAllocated());

  EXPECT_EQ(withWindow->Perform(kProbe), 0x5A);
  EXPECT_EQ(withoutWindow->Perform(kProbe), 0x5A);
  EXPECT_EQ(SendMessageW(withWindow->Handle(), kProbe, 0, 0), 0x5A);
  // A windowless control keeps its text; one with a window keeps it in the window.
  graphic->SetText(L"图形");
  withoutWindow->SetText(L"无窗口");
  withWindow->SetText(L"有窗口");
  EXPECT_EQ(graphic->Text(), L"图形");
  EXPECT_EQ(withoutWindow->Text(), L"无窗口");
  wchar_t buffer[16] = {};
  GetWindowTextW(withWindow->Handle(), buffer, 16);
  EXPECT_EQ(std::wstring(buffer), L"有窗口");
}

TEST(Dispatch, HandlerChainEndsInThePlatformProcedure) {
  std::unique_ptr<TForm> form(NewForm());
  auto* button = new TChainProbe(form.get());
  button->SetParent(form.get());
  wchar_t className[32] = {};
  GetClassNameW(button->Handle(), className, 32);
  EXPECT_EQ(std::wstring(className), L"TTestButton");  // named after the framework class
  WNDCLASSEXW platform{};
  platform.cbSize = sizeof(platform);
  ASSERT_TRUE(GetClassInfoExW(nullptr, L"BUTTON", &platform));
  EXPECT_EQ(button->DefWndProc(), platform.lpfnWndProc);

  button->Walk.clear();
  button->SetText(L"确定");
  EXPECT_EQ((std::vector<std::wstring>{L"derived", L"after base"}), button->Walk);
  // BM_SETCHECK/BM_GETSTATE are only understood by the platform class.
  button->Perform(BM_SETSTATE, TRUE, 0);
  EXPECT_TRUE(button->Perform(BM_GETSTATE) & BST_PUSHED);
  EXPECT_EQ(button->Perform(WM_GETTEXTLENGTH), 2);
}

WNDPROC gPrevious = nullptr;
int gForeignSeen = 0;

LRESULT CALLBACK ForeignProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == kProbe) ++gForeignSeen;
  return CallWindowProcW(gPrevious, window, msg, wParam, lParam);
}

TEST(Dispatch, HooksOfTheObjectAndOfTheWindowAreUndone) {
  std::unique_ptr<TForm> form(NewForm());
  auto* button = new TTestButton(form.get());
  button->SetParent(form.get());
  HWND window = button->Handle();

  // Through the object: save WindowProc, put a handler in, put it back.
  int seen = 0;
  TWndMethod saved = button->WindowProc;
  button->WindowProc = [&](TMessage& message) {
    if (message.Msg == kProbe) ++seen;
    saved(message);
  };
  SendMessageW(window, kProbe, 0, 0);
  button->Perform(kProbe);
  button->WindowProc = saved;
  SendMessageW(window, kProbe, 0, 0);
  EXPECT_EQ(seen, 2);

  // Through the window: a foreign procedure in front of the framework's.
  gForeignSeen = 0;
  gPrevious = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ForeignProc)));
  int frameworkSeen = 0;
  button->WindowProc = [&](TMessage& message) {
    if (message.Msg == kProbe) ++frameworkSeen;
    saved(message);
  };
  SendMessageW(window, kProbe, 0, 0);
  SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(gPrevious));
  SendMessageW(window, kProbe, 0, 0);
  button->WindowProc = saved;
  EXPECT_EQ(gForeignSeen, 1);
  EXPECT_EQ(frameworkSeen, 2);
}

TEST(Dispatch, TokenHooksGoInAnyOrder) {
  std::unique_ptr<TForm> form(NewForm());
  auto* control = new TChainProbe(form.get());
  control->SetParent(form.get());
  std::vector<std::wstring> seen;
  const auto hook = [&seen](const wchar_t* name) {
    return [&seen, name](TMessage& message, const TWndMethod& next) {
      if (message.Msg == kProbe + 1) seen.push_back(name);
      next(message);
    };
  };
  const TWndHookToken a = control->AddWindowHook(hook(L"a"));
  const TWndHookToken b = control->AddWindowHook(hook(L"b"));
  // An old-style hook that saves WindowProc sits above both.
  TWndMethod saved = control->WindowProc;
  control->WindowProc = [&](TMessage& message) {
    if (message.Msg == kProbe + 1) seen.push_back(L"plain");
    saved(message);
  };
  const TWndHookToken c = control->AddWindowHook(hook(L"c"));
  SendMessageW(control->Handle(), kProbe + 1, 0, 0);
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"plain", L"c", L"b", L"a"}));

  // Taking out one from the middle keeps the rest and the plain hook working.
  seen.clear();
  control->RemoveWindowHook(b);
  EXPECT_EQ(SendMessageW(control->Handle(), kProbe, 0, 0), 0x5A);
  SendMessageW(control->Handle(), kProbe + 1, 0, 0);
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"plain", L"c", L"a"}));

  // A hook that removes itself while handling finishes that message only.
  seen.clear();
  TWndHookToken self = 0;
  self = control->AddWindowHook([&](TMessage& message, const TWndMethod& next) {
    if (message.Msg == kProbe + 1) {
      seen.push_back(L"once");
      control->RemoveWindowHook(self);
    }
    next(message);
  });
  SendMessageW(control->Handle(), kProbe + 1, 0, 0);
  SendMessageW(control->Handle(), kProbe + 1, 0, 0);
  EXPECT_EQ(seen, (std::vector<std::wstring>{L"plain", L"once", L"c", L"a", L"plain", L"c", L"a"}));
  control->RemoveWindowHook(a);
  control->RemoveWindowHook(c);
  control->WindowProc = saved;
  EXPECT_EQ(control->Perform(kProbe), 0x5A);
}

TEST(Dispatch, GraphicChildrenGetTheMouseAndArePaintedByTheirParent) {
  TMessageLog log;
  std::unique_ptr<TForm> form(NewForm(100, 60));
  form->SetColor(clWhite);
  auto* shape = new TTestShape(form.get());
  shape->SetParent(form.get());
  shape->SetBounds(30, 20, 10, 10);
  shape->SetColor(clRed);
  int clicks = 0;
  shape->OnClick = [&](TObject*) { ++clicks; };
  log.Watch(*shape, {WM_LBUTTONDOWN, WM_LBUTTONUP});
  int formPresses = 0;
  form->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++formPresses; };

  SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(33, 24));
  SendMessageW(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(34, 25));
  SendMessageW(form->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ASSERT_EQ(log.Of(*shape).size(), 2u);
  EXPECT_EQ(log.Of(*shape)[0].LParam, MAKELPARAM(3, 4));  // in the child's coordinates
  EXPECT_EQ(formPresses, 1);  // only the press beside the child
  EXPECT_EQ(clicks, 1);
  SendMessageW(form->Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));

  RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  HDC dc = GetDC(form->Handle());
  EXPECT_EQ(GetPixel(dc, 30, 20), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc, 39, 29), RGB(255, 0, 0));
  EXPECT_EQ(GetPixel(dc, 40, 30), RGB(255, 255, 255));
  EXPECT_EQ(GetPixel(dc, 29, 20), RGB(255, 255, 255));
  ReleaseDC(form->Handle(), dc);
}

TEST(Dispatch, WindowIsMadeOnDemandAndMadeAgain) {
  std::unique_ptr<TForm> form(new TForm(Application));
  auto* button = new TTestButton(form.get());
  button->SetParent(form.get());
  button->SetBounds(10, 10, 80, 24);
  EXPECT_FALSE(form->HandleAllocated());
  HWND first = button->Handle();  // the parent's window comes first
  EXPECT_TRUE(form->HandleAllocated());
  EXPECT_EQ(GetParent(first), form->Handle());
  button->SetText(L"保留");
  button->RecreateWnd();
  EXPECT_NE(button->Handle(), first);
  EXPECT_FALSE(IsWindow(first));
  EXPECT_EQ(button->Text(), L"保留");
  EXPECT_EQ(button->Left(), 10);
  EXPECT_EQ(TWinControl::FindControl(button->Handle()), button);
}

}  // namespace
