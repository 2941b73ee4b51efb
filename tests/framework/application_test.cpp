#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "framework/forms/class_registry.h"
#include "framework/graphics/bitmap.h"
#include "framework/utils/timer.h"
#include "test_support.h"

namespace {

constexpr UINT kAfterClick = WM_APP + 77;

struct TMessageBoxCall {
  std::wstring Text;
  UINT Flags;
};

// Intercepts the application's message box for the test's lifetime.
class TBoxInterceptor {
 public:
  TBoxInterceptor() {
    Application->SetMessageBoxHook([this](HWND, const std::wstring& text, const std::wstring&, UINT flags) {
      Calls.push_back({text, flags});
      return IDOK;
    });
  }
  ~TBoxInterceptor() { Application->SetMessageBoxHook(nullptr); }
  std::vector<TMessageBoxCall> Calls;
};

TEST(ApplicationLoop, ExceptionInAClickHandlerIsShownAndTheLoopGoesOn) {
  TBoxInterceptor boxes;
  std::unique_ptr<TForm> form(NewForm());
  auto* button = new TTestButton(form.get());
  button->SetParent(form.get());
  button->OnClick = [](TObject*) { throw Exception(L"点击失败"); };
  bool after = false;
  TWndMethod previous = form->WindowProc;
  form->WindowProc = [&](TMessage& message) {
    if (message.Msg == kAfterClick) {
      after = true;
      Application->Terminate();
    }
    previous(message);
  };

  PostMessageW(button->Handle(), BM_CLICK, 0, 0);
  PostMessageW(form->Handle(), kAfterClick, 0, 0);
  Application->Run();
  form->WindowProc = previous;

  ASSERT_EQ(boxes.Calls.size(), 1u);
  EXPECT_EQ(boxes.Calls[0].Text, L"点击失败");
  EXPECT_TRUE(boxes.Calls[0].Flags & MB_ICONSTOP);
  EXPECT_TRUE(after);
}

TEST(ApplicationLoop, ExceptionsOfEveryKindAreShownOnceAndAbortIsSilent) {
  TBoxInterceptor boxes;
  std::unique_ptr<TForm> form(NewForm());
  struct TCase {
    std::function<void()> raise;
    const wchar_t* shown;
  };
  const TCase cases[] = {
      {[] { throw Exception(L"框架"); }, L"框架"},
      {[] { throw std::runtime_error("标准"); }, L"标准"},
      {[] { throw 42; }, L"Unknown exception"},
      {[] { throw EAbort(); }, nullptr},
  };
  for (const TCase& c : cases) {
    boxes.Calls.clear();
    form->OnPaint = [&](TObject*) { c.raise(); };
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    Pump(20);  // a failed paint is not asked for again
    if (c.shown) {
      ASSERT_EQ(boxes.Calls.size(), 1u);
      EXPECT_EQ(boxes.Calls[0].Text, c.shown);
    } else {
      EXPECT_TRUE(boxes.Calls.empty());
    }
  }
  form->OnPaint = nullptr;
}

TEST(ApplicationWindow, HooksSeeActivationAndCanBeRemoved) {
  std::vector<UINT> seen;
  const int hook = Application->HookMainWindow([&](TMessage& message) {
    if (message.Msg == CM_ACTIVATE || message.Msg == CM_DEACTIVATE) seen.push_back(message.Msg);
    return false;
  });
  std::unique_ptr<TForm> form(NewForm());
  Application->Deactivate();
  seen.clear();
  SendMessageW(form->Handle(), WM_ACTIVATEAPP, TRUE, 0);
  SendMessageW(form->Handle(), WM_ACTIVATEAPP, TRUE, 0);  // already active: nothing new
  Application->UnhookMainWindow(hook);
  SendMessageW(form->Handle(), WM_ACTIVATEAPP, FALSE, 0);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), 0xB000u);
  EXPECT_EQ(std::count(seen.begin(), seen.end(), 0xB000u), 1);
  EXPECT_FALSE(Application->Active());

  // A hook that answers true keeps the message from the application.
  bool closed = false;
  form->OnClose = [&](TObject*, TCloseAction&) { closed = true; };
  const int swallow = Application->HookMainWindow([](TMessage& m) { return m.Msg == WM_CLOSE; });
  SendMessageW(Application->Handle(), WM_CLOSE, 0, 0);
  Application->UnhookMainWindow(swallow);
  EXPECT_FALSE(closed);
}

TEST(Forms, ShowModalDisablesTheOtherFormsUntilItHasAResult) {
  std::unique_ptr<TForm> other(NewForm());
  std::unique_ptr<TForm> dialog(new TForm(Application));
  bool otherWasDisabled = false;
  TTimer timer(nullptr);
  timer.SetInterval(30);
  timer.OnTimer = [&](TObject*) {
    otherWasDisabled = !IsWindowEnabled(other->Handle());
    dialog->SetModalResult(mrOk);
  };
  EXPECT_EQ(dialog->ShowModal(), mrOk);
  EXPECT_TRUE(otherWasDisabled);
  EXPECT_TRUE(IsWindowEnabled(other->Handle()));
  EXPECT_FALSE(dialog->Visible());
  EXPECT_THROW(other->ShowModal(), Exception);  // already visible
}

TEST(Forms, CloseAsksOnCloseWhatToDo) {
  std::unique_ptr<TForm> form(NewForm());
  TCloseAction next = caNone;
  form->OnClose = [&](TObject*, TCloseAction& action) { action = next; };
  SendMessageW(form->Handle(), WM_CLOSE, 0, 0);
  EXPECT_TRUE(form->Visible());
  next = caHide;
  form->Close();
  EXPECT_FALSE(form->Visible());
  EXPECT_TRUE(IsWindow(form->Handle()));

  // caFree: the form deletes itself once the loop comes round.
  bool destroyed = false;
  auto* freed = NewForm();
  freed->OnClose = [](TObject*, TCloseAction& action) { action = caFree; };
  freed->OnDestroy = [&](TObject*) { destroyed = true; };
  freed->Close();
  EXPECT_FALSE(destroyed);
  EXPECT_TRUE(PumpUntil([&] { return destroyed; }));
}

TEST(Forms, LiveFormsListsTheFormsInCreationOrderUntilTheyGo) {
  const size_t before = LiveForms().size();
  auto first = std::make_unique<TForm>(Application);
  auto second = std::make_unique<TForm>(nullptr);
  ASSERT_EQ(LiveForms().size(), before + 2);
  EXPECT_EQ(LiveForms()[before], first.get());
  EXPECT_EQ(LiveForms()[before + 1], second.get());
  bool listedWhileDestroying = false;
  first->OnDestroy = [&](TObject* sender) {
    listedWhileDestroying = std::find(LiveForms().begin(), LiveForms().end(), sender) != LiveForms().end();
  };
  first.reset();
  EXPECT_TRUE(listedWhileDestroying);  // OnDestroy still finds it; the list drops it right after
  ASSERT_EQ(LiveForms().size(), before + 1);
  EXPECT_EQ(LiveForms()[before], second.get());
}

TEST(Forms, PaintToAndPaintControlsDrawTheFormIntoAnyContext) {
  std::unique_ptr<TForm> form(NewForm(60, 40));
  auto* shape = new TTestShape(form.get());
  shape->SetParent(form.get());
  shape->SetBounds(10, 5, 20, 20);
  shape->SetColor(RGB(0, 0xFF, 0));
  form->OnPaint = [&](TObject*) {
    form->Canvas().Brush().SetColor(RGB(0xFF, 0, 0));
    form->Canvas().FillRect(RECT{0, 0, 60, 40});
  };
  TBitmap target(70, 50, pf32bit);
  target.Canvas().Brush().SetColor(clWhite);
  target.Canvas().FillRect(RECT{0, 0, 70, 50});
  HDC dc = target.Canvas().Handle();
  SetViewportOrgEx(dc, 5, 5, nullptr);
  form->PaintTo(dc);
  form->PaintControls(dc);
  SetViewportOrgEx(dc, 0, 0, nullptr);
  GdiFlush();
  EXPECT_EQ(target.Canvas().Pixel(2, 2), RGB(0xFF, 0xFF, 0xFF));
  EXPECT_EQ(target.Canvas().Pixel(6, 6), RGB(0xFF, 0, 0));
  EXPECT_EQ(target.Canvas().Pixel(16, 11), RGB(0, 0xFF, 0));   // the shape's top-left, moved by the origin
  EXPECT_EQ(target.Canvas().Pixel(34, 29), RGB(0, 0xFF, 0));
  EXPECT_EQ(target.Canvas().Pixel(35, 30), RGB(0xFF, 0, 0));
}

// The layout of the forms made and destroyed in bulk.
TLayout BusyLayout() {
  return TLayout{L"TBusyForm", L"", {{L"ClientWidth", 200}, {L"ClientHeight", 100}, {L"Font.Name", L"Arial"}},
                 {{L"TTestPanel", L"panel", L"", {{L"Width", 100}, {L"Height", 50}, {L"Color", 0xFF}}},
                  {L"TTestShape", L"shape", L"panel", {{L"Color", 0xFF00}}},
                  {L"TTestButton", L"button", L"panel", {{L"Caption", L"按钮"}, {L"Font.Height", -15}}}}};
}

TEST(Forms, MakingAndDestroyingAThousandFormsLeaksNoHandles) {
  TClassRegistry& registry = TClassRegistry::Instance();
  if (!registry.IsRegistered(L"TTestButton")) registry.Class<TTestButton>(L"TTestButton", L"TWinControl");
  if (!registry.IsRegistered(L"TTestPanel")) registry.Class<TTestPanel>(L"TTestPanel", L"TWinControl");
  if (!registry.IsRegistered(L"TTestShape")) registry.Class<TTestShape>(L"TTestShape", L"TGraphicControl");
  auto cycle = [] {
    std::unique_ptr<TForm> form(TForm::CreateFromLayout(Application, BusyLayout()));
    form->Show();
    form->Canvas();
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  };
  for (int i = 0; i < 5; ++i) cycle();  // classes registered, caches warm
  Pump(20);
  const unsigned gdiBefore = GdiObjectCount();
  const unsigned userBefore = UserObjectCount();
  {
    // The counts see one more brush and one more form, so the checks below can fail.
    TBrushHandle brush(CreateSolidBrush(RGB(1, 2, 3)));
    EXPECT_EQ(GdiObjectCount(), gdiBefore + 1);
    std::unique_ptr<TForm> alive(TForm::CreateFromLayout(Application, BusyLayout()));
    alive->Show();
    EXPECT_GT(UserObjectCount(), userBefore);
  }
  for (int i = 0; i < 1000; ++i) cycle();
  Pump(20);
  EXPECT_EQ(GdiObjectCount(), gdiBefore);
  EXPECT_EQ(UserObjectCount(), userBefore);
}

}  // namespace
