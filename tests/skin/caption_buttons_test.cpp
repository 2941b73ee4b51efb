// Caption buttons and the skinned system menu under Wine, in Air: a press
// and release on a button gives the window its command, a release elsewhere
// or a lost capture gives nothing and leaves no button pressed, the mouse
// leaving through the title band leaves no button hot, hot buttons fade in
// a layered window, and the system menu lists the platform's own commands.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "../framework/menu_loop.h"
#include "../framework/test_support.h"
#include "framework/forms/form.h"
#include "kit_skin_fixture.h"
#include "skin/core/skin_messages.h"
#include "skin/window/caption_animation.h"
#include "skin/window/skin_provider.h"
#include "skin/window/system_menu.h"
#include "skin_test_kit.h"

namespace {

class CaptionButtonsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    manager = std::make_unique<TsSkinManager>(nullptr);
    ASSERT_TRUE(LoadSkin(*manager, SkinsFolder(), L"Air"));
    manager->Effects.SetAllowGlowing(false);  // buttons change at once, unless a test fades them
    SetCursorPos(5, 5);
  }
  void TearDown() override {
    for (TForm* form : forms) delete form;
    manager.reset();
    Pump(10);
  }
  TForm* Form(TBorderIcons icons = {biSystemMenu, biMinimize, biMaximize}) {
    auto* form = new TForm(Application);
    forms.push_back(form);
    form->SetBorderStyle(bsSizeable);
    form->SetBorderIcons(icons);
    form->SetBounds(300, 200, 400, 300);
    form->SetCaption(L"Buttons");
    form->Show();
    provider = new TsSkinProvider(form);
    provider->SetSkinManager(manager.get());
    Pump(30);
    provider->CalcItems();
    return form;
  }
  // A button's middle on the screen.
  POINT Middle(const TsCaptionButton& button) {
    RECT bounds{};
    GetWindowRect(provider->ProviderForm()->Handle(), &bounds);
    return POINT{bounds.left + (button.Rect.left + button.Rect.right) / 2,
                 bounds.top + (button.Rect.top + button.Rect.bottom) / 2};
  }
  void Press(TsCaptionButton& button) {
    const POINT at = Middle(button);
    SetCursorPos(at.x, at.y);
    SendMessageW(provider->ProviderForm()->Handle(), WM_NCLBUTTONDOWN, static_cast<WPARAM>(button.HitCode),
                 MAKELPARAM(at.x, at.y));
  }
  void ReleaseAt(POINT at, bool client = false) {
    SetCursorPos(at.x, at.y);
    HWND window = provider->ProviderForm()->Handle();
    if (client) {
      POINT inClient = at;
      ScreenToClient(window, &inClient);
      SendMessageW(window, WM_LBUTTONUP, 0, MAKELPARAM(inClient.x, inClient.y));
    } else {
      SendMessageW(window, WM_NCLBUTTONUP, HTCAPTION, MAKELPARAM(at.x, at.y));
    }
    Pump(60);
  }
  std::unique_ptr<TsSkinManager> manager;
  std::vector<TForm*> forms;
  TsSkinProvider* provider = nullptr;
};

TEST_F(CaptionButtonsTest, PressAndReleaseOnAButtonSendsItsCommand) {
  TForm* form = Form();
  HWND window = form->Handle();
  int closes = 0;
  form->OnClose = [&](TObject*, TCloseAction& action) {
    ++closes;
    action = caNone;
  };
  ASSERT_FALSE(IsRectEmpty(&provider->ButtonMin.Rect));
  Press(provider->ButtonMax);
  EXPECT_EQ(provider->ButtonMax.State, 2);
  EXPECT_EQ(GetCapture(), window) << "the press holds the mouse";
  ReleaseAt(Middle(provider->ButtonMax));
  EXPECT_TRUE(IsZoomed(window));
  EXPECT_EQ(provider->ButtonMax.State, 0);
  EXPECT_NE(GetCapture(), window);

  provider->CalcItems();  // maximised: the button restores
  Press(provider->ButtonMax);
  ReleaseAt(Middle(provider->ButtonMax));
  EXPECT_FALSE(IsZoomed(window));

  provider->CalcItems();
  Press(provider->ButtonClose);
  ReleaseAt(Middle(provider->ButtonClose));
  EXPECT_EQ(closes, 1);

  provider->CalcItems();
  Press(provider->ButtonMin);
  ReleaseAt(Middle(provider->ButtonMin));
  EXPECT_TRUE(IsIconic(window));
  ShowWindow(window, SW_RESTORE);
  Pump(30);
}

TEST_F(CaptionButtonsTest, AReleaseElsewhereOrALostCaptureDoesNothing) {
  TForm* form = Form();
  HWND window = form->Handle();
  int closes = 0;
  form->OnClose = [&](TObject*, TCloseAction& action) {
    ++closes;
    action = caNone;
  };
  // Released over the client area: the release comes through the capture.
  Press(provider->ButtonMin);
  RECT bounds{};
  GetWindowRect(window, &bounds);
  ReleaseAt(POINT{bounds.left + 200, bounds.top + 150}, true);
  EXPECT_FALSE(IsIconic(window));
  EXPECT_EQ(provider->ButtonMin.State, 0);

  // Released on another button.
  Press(provider->ButtonClose);
  ReleaseAt(Middle(provider->ButtonMax));
  EXPECT_EQ(closes, 0);
  EXPECT_FALSE(IsZoomed(window));

  // The capture taken away: nothing stays pressed, a later release does nothing.
  Press(provider->ButtonClose);
  EXPECT_EQ(provider->ButtonClose.State, 2);
  ReleaseCapture();
  Pump(20);
  EXPECT_NE(provider->ButtonClose.State, 2) << "hot at most: the cursor is still over it";
  EXPECT_NE(GetCapture(), window);
  ReleaseAt(Middle(provider->ButtonClose));
  EXPECT_EQ(closes, 0);
  // Hot again afterwards: nothing is left pressed process-wide.
  SendMessageW(window, WM_NCMOUSEMOVE, HTCLOSE, MAKELPARAM(Middle(provider->ButtonClose).x, Middle(provider->ButtonClose).y));
  EXPECT_EQ(provider->ButtonClose.State, 1);
}

TEST_F(CaptionButtonsTest, AMinimisedFormShowsBothBoxesAsItsSystemMenuDoes) {
  TForm* form = Form({biSystemMenu, biMinimize});
  EXPECT_LT(provider->ButtonMax.ImageIndex, 0) << "no maximise box without the icon";
  EXPECT_GE(provider->ButtonMin.ImageIndex, 0);
  ShowWindow(form->Handle(), SW_SHOWMINNOACTIVE);
  Pump(30);
  provider->CalcItems();
  EXPECT_GE(provider->ButtonMax.ImageIndex, 0) << "restore comes through the maximise box";
  EXPECT_GE(provider->ButtonMin.ImageIndex, 0);
  EXPECT_FALSE(provider->ButtonMin.Enabled) << "already minimised";
  ShowWindow(form->Handle(), SW_RESTORE);
  Pump(30);
  provider->CalcItems();
  EXPECT_LT(provider->ButtonMax.ImageIndex, 0);
}

TEST_F(CaptionButtonsTest, AMaximiseThatMayNotMaximiseNeverPresses) {
  TForm* form = Form({biSystemMenu, biMinimize});
  const POINT at{0, 0};
  SendMessageW(form->Handle(), WM_NCLBUTTONDOWN, HTMAXBUTTON, MAKELPARAM(at.x, at.y));
  EXPECT_EQ(provider->ButtonMax.State, 0);
  EXPECT_EQ(provider->CurrentHT, 0);
  EXPECT_NE(GetCapture(), form->Handle());
  ReleaseAt(Middle(provider->ButtonClose));
  EXPECT_FALSE(IsZoomed(form->Handle()));
}

// The mouse leaving through the title band: no button stays hot.
TEST_F(CaptionButtonsTest, LeavingThroughTheTitleBandLeavesNoButtonHot) {
  TForm* form = Form();
  HWND window = form->Handle();
  const POINT at = Middle(provider->ButtonClose);
  SetCursorPos(at.x, at.y);
  SendMessageW(window, WM_NCMOUSEMOVE, HTCLOSE, MAKELPARAM(at.x, at.y));
  EXPECT_EQ(provider->ButtonClose.State, 1);
  EXPECT_EQ(provider->CurrentHT, HTCLOSE);
  // The band on the screen shows the hot picture: it differs from the normal one.
  SetCursorPos(at.x, 5);  // straight up, out of the window
  EXPECT_TRUE(PumpUntil([&] { return provider->ButtonClose.State == 0; }, 1000));
  EXPECT_NE(provider->CurrentHT, HTCLOSE);
}

TEST_F(CaptionButtonsTest, HotButtonsFadeInALayeredWindowThatGoesAgain) {
  manager->Effects.SetAllowGlowing(true);
  TForm* form = Form();
  HWND window = form->Handle();
  // Air has no glow for maximise: its own hot picture fades in.
  const auto hoverAndLeave = [&] {
    const POINT at = Middle(provider->ButtonMax);
    SetCursorPos(at.x, at.y);  // else leave tracking may end the fade under a slow machine
    SendMessageW(window, WM_NCMOUSEMOVE, HTMAXBUTTON, MAKELPARAM(at.x, at.y));
    ASSERT_NE(provider->ButtonMax.Timer, nullptr);
    HWND layer = provider->ButtonMax.Timer->Window();
    ASSERT_NE(layer, nullptr);
    EXPECT_TRUE(GetWindowLongPtrW(layer, GWL_EXSTYLE) & WS_EX_LAYERED);
    ASSERT_TRUE(PumpUntil([&] { return provider->ButtonMax.Timer && provider->ButtonMax.Timer->Level == 10; }, 2000));
    BYTE alpha = 0;
    DWORD flags = 0;
    GetLayeredWindowAttributes(layer, nullptr, &alpha, &flags);
    EXPECT_EQ(alpha, 255) << "the fade ends opaque";
    SetCursorPos(5, 5);
    SendMessageW(window, WM_NCMOUSELEAVE, 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return provider->ButtonMax.Timer == nullptr; }, 2000));
    EXPECT_FALSE(IsWindow(layer));
  };
  hoverAndLeave();
  ExpectHandlesSteady(hoverAndLeave, 5, 1);
}

TEST_F(CaptionButtonsTest, AHotCloseButtonShowsTheSkinsGlowAroundIt) {
  manager->Effects.SetAllowGlowing(true);
  TForm* form = Form();
  HWND window = form->Handle();
  const int glowPart = manager->GetMaskIndex("GLOBALINFO", "BICONCLOSEGLOW0");
  ASSERT_TRUE(manager->IsValidImgIndex(glowPart)) << "Air has a glow for its close button";
  const auto& part = manager->ma[static_cast<size_t>(glowPart)];
  const auto hoverAndLeave = [&] {
    const POINT at = Middle(provider->ButtonClose);
    SetCursorPos(at.x, at.y);
    // The platform's own move there comes now (late on a loaded machine),
    // not after the leave below, where it would make the button hot again.
    PumpUntil([&] { return provider->ButtonClose.Timer != nullptr; }, 1000);
    SendMessageW(window, WM_NCMOUSEMOVE, HTCLOSE, MAKELPARAM(at.x, at.y));
    ASSERT_NE(provider->ButtonClose.Timer, nullptr);
    HWND layer = provider->ButtonClose.Timer->Window();
    ASSERT_NE(layer, nullptr);
    EXPECT_TRUE(GetWindowLongPtrW(layer, GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_TRUE(GetWindowLongPtrW(layer, GWL_EXSTYLE) & WS_EX_TRANSPARENT);
    // The glow reaches past the button by the part's margins.
    RECT bounds{}, glow{};
    GetWindowRect(window, &bounds);
    GetWindowRect(layer, &glow);
    const RECT& button = provider->ButtonClose.Rect;
    EXPECT_EQ(glow.left, bounds.left + button.left - part.WL);
    EXPECT_EQ(glow.top, bounds.top + button.top - part.WT);
    EXPECT_EQ(glow.right, bounds.left + button.right + part.WR);
    EXPECT_EQ(glow.bottom, bounds.top + button.bottom + part.WB);
    ASSERT_TRUE(PumpUntil([&] { return provider->ButtonClose.Timer && provider->ButtonClose.Timer->Level == 10; }, 2000));
    // A press shows the pressed picture at once, in a window of the button's size.
    Press(provider->ButtonClose);
    HWND pressed = provider->ButtonClose.Timer ? provider->ButtonClose.Timer->Window() : nullptr;
    ASSERT_NE(pressed, nullptr);
    RECT shown{};
    GetWindowRect(pressed, &shown);
    EXPECT_EQ(shown.right - shown.left, button.right - button.left);
    SetCursorPos(5, 5);  // the mouse goes, so nothing turns it hot again
    Pump(30);
    ReleaseCapture();
    SendMessageW(window, WM_NCMOUSELEAVE, 0, 0);
    EXPECT_TRUE(PumpUntil([&] { return provider->ButtonClose.Timer == nullptr; }, 2000));
    EXPECT_FALSE(IsWindow(layer));
    EXPECT_FALSE(IsWindow(pressed));
  };
  hoverAndLeave();
  ExpectHandlesSteady(hoverAndLeave, 5, 1);
}

// A solid glyph with a see-through border in its bottom-left colour.
std::unique_ptr<TBitmap> FramedGlyph(int width, int height, COLORREF inside, COLORREF key) {
  auto glyph = std::make_unique<TBitmap>(width, height, pf24bit);
  HDC dc = glyph->Canvas().Handle();
  RECT all{0, 0, width, height}, middle{2, 2, width - 2, height - 2};
  HBRUSH outer = CreateSolidBrush(key), inner = CreateSolidBrush(inside);
  FillRect(dc, &all, outer);
  FillRect(dc, &middle, inner);
  DeleteObject(outer);
  DeleteObject(inner);
  return glyph;
}

TEST_F(CaptionButtonsTest, UserTitleButtonsLieLeftOfTheBoxesAndReportTheirClicks) {
  auto* form = new TForm(Application);
  forms.push_back(form);
  form->SetBorderStyle(bsSizeable);
  form->SetBounds(300, 200, 400, 300);
  form->SetCaption(L"Title buttons with a caption long enough to give way");
  provider = new TsSkinProvider(form);
  TsTitleButton* wide = provider->TitleButtons.Add();
  wide->SetGlyph(*FramedGlyph(30, 12, RGB(255, 0, 0), RGB(255, 255, 255)));
  wide->Hint = L"Wide";
  TsTitleButton* hidden = provider->TitleButtons.Add();
  hidden->SetVisible(false);
  TsTitleButton* small = provider->TitleButtons.Add();
  small->SetGlyph(*FramedGlyph(8, 8, RGB(0, 0, 255), RGB(255, 255, 255)));
  small->SetEnabled(false);
  std::vector<std::string> events;
  POINT downAt{-1, -1};
  wide->OnMouseDown = [&](TObject* sender, TMouseButton, TShiftState, int x, int y) {
    events.push_back(sender == wide ? "down" : "down?");
    downAt = POINT{x, y};
  };
  wide->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { events.push_back("up"); };
  form->Show();
  provider->SetSkinManager(manager.get());
  Pump(30);
  provider->CalcItems();
  HWND window = form->Handle();

  // Placed after a gap of 6, from the right: as wide as the glyph needs or the skin's picture.
  const int skinWidth = 24;  // one state of Air's TITLEBUTTON
  const RECT& w = wide->Data.Rect;
  const RECT& s = small->Data.Rect;
  EXPECT_EQ(w.right, provider->ButtonMin.Rect.left - manager->SkinData->BISpacing - 6);
  EXPECT_EQ(w.right - w.left, 32) << "glyph width + 2";
  EXPECT_TRUE(IsRectEmpty(&hidden->Data.Rect));
  EXPECT_EQ(s.right, w.left) << "the hidden one takes no room";
  EXPECT_EQ(s.right - s.left, skinWidth);
  EXPECT_EQ(s.bottom - s.top, provider->ButtonClose.Rect.bottom - provider->ButtonClose.Rect.top);
  EXPECT_LE(provider->CaptionTextRect().right, s.left);
  EXPECT_EQ(wide->Data.HitCode, 1000);
  EXPECT_EQ(small->Data.HitCode, 1002);

  // Hit codes: the enabled one answers its own code, the disabled one is caption.
  const auto middle = [](const RECT& r) { return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2}; };
  EXPECT_EQ(provider->FrameHitTest(middle(w)), 1000);
  EXPECT_EQ(provider->FrameHitTest(middle(s)), HTCAPTION);

  // The glyph is drawn centred over the skin's picture, its border colour see-through.
  provider->RenderFrame();
  const int glyphLeft = (w.left + w.right - 30) / 2, glyphTop = (w.top + w.bottom - 12) / 2;
  EXPECT_EQ(CachedPixel(provider->SkinData, glyphLeft + 5, glyphTop + 5), RGB(255, 0, 0));
  EXPECT_NE(CachedPixel(provider->SkinData, glyphLeft, glyphTop + 11), RGB(255, 255, 255));
  EXPECT_EQ(CachedPixel(provider->SkinData, glyphLeft + 2, glyphTop + 2), RGB(255, 0, 0));

  // Hot: its hint shows under it; leaving takes the hint away.
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const POINT screen{bounds.left + middle(w).x, bounds.top + middle(w).y};
  SendMessageW(window, WM_NCMOUSEMOVE, 1000, MAKELPARAM(screen.x, screen.y));
  EXPECT_EQ(wide->Data.State, 1);
  HWND hint = wide->HintWnd.Window();
  ASSERT_NE(hint, nullptr);
  EXPECT_TRUE(IsWindowVisible(hint));
  RECT hintRect{};
  GetWindowRect(hint, &hintRect);
  EXPECT_GE(hintRect.top, bounds.top + w.bottom);
  EXPECT_EQ(SendMessageW(hint, WM_NCHITTEST, 0, MAKELPARAM(hintRect.left + 1, hintRect.top + 1)), HTTRANSPARENT);
  SendMessageW(window, WM_NCMOUSELEAVE, 0, 0);
  EXPECT_EQ(wide->Data.State, 0);
  EXPECT_EQ(wide->HintWnd.Window(), nullptr);
  EXPECT_FALSE(IsWindow(hint));
  ExpectHandlesSteady(
      [&] {
        SendMessageW(window, WM_NCMOUSEMOVE, 1000, MAKELPARAM(screen.x, screen.y));
        SendMessageW(window, WM_NCMOUSELEAVE, 0, 0);
      },
      5, 1);

  // Pressed: the glyph moves one pixel right and down; released on it: down, then up.
  SetCursorPos(screen.x, screen.y);
  // The platform's own move there must come now, not during a later release
  // (a loaded machine delivers it late); where it sends none, the wait ends.
  PumpUntil([&] { return wide->Data.State == 1; }, 1000);
  Pump(30);
  SendMessageW(window, WM_NCLBUTTONDOWN, 1000, MAKELPARAM(screen.x, screen.y));
  EXPECT_EQ(wide->Data.State, 2);
  EXPECT_EQ(GetCapture(), window);
  EXPECT_EQ(CachedPixel(provider->SkinData, glyphLeft + 2, glyphTop + 2), CachedPixel(provider->SkinData, glyphLeft + 2, glyphTop + 1))
      << "the glyph's top-left corner moved away";
  EXPECT_EQ(CachedPixel(provider->SkinData, glyphLeft + 3, glyphTop + 3), RGB(255, 0, 0));
  SendMessageW(window, WM_NCLBUTTONUP, 1000, MAKELPARAM(screen.x, screen.y));
  EXPECT_EQ(events, (std::vector<std::string>{"down", "up"}));
  EXPECT_EQ(downAt.x, middle(w).x - w.left);
  EXPECT_EQ(downAt.y, middle(w).y - w.top);
  EXPECT_EQ(wide->Data.State, 0);
  EXPECT_NE(GetCapture(), window);

  // Released elsewhere: only the press is reported.
  events.clear();
  SendMessageW(window, WM_NCLBUTTONDOWN, 1000, MAKELPARAM(screen.x, screen.y));
  ReleaseAt(Middle(provider->ButtonClose));
  EXPECT_EQ(events, (std::vector<std::string>{"down"}));
  EXPECT_EQ(wide->Data.State, 0);

  // A disabled button never presses; a hidden one gives its room back.
  SendMessageW(window, WM_NCLBUTTONDOWN, 1002, MAKELPARAM(screen.x, screen.y));
  EXPECT_EQ(small->Data.State, 0);
  EXPECT_NE(GetCapture(), window);
  wide->SetVisible(false);
  provider->CalcItems();
  EXPECT_EQ(small->Data.Rect.right, provider->ButtonMin.Rect.left - manager->SkinData->BISpacing - 6);
}

TEST_F(CaptionButtonsTest, DoubleAndRightClicksOnTheCaption) {
  TForm* form = Form();
  HWND window = form->Handle();
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const POINT caption{bounds.left + 150, bounds.top + provider->FrameHeight() + provider->CaptionHeight() / 2};
  SendMessageW(window, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(caption.x, caption.y));
  Pump(60);
  EXPECT_TRUE(IsZoomed(window));
  SendMessageW(window, WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(caption.x, caption.y));
  Pump(60);
  EXPECT_FALSE(IsZoomed(window));

  TMenuLoopProbe probe;
  bool skinned = false;
  probe.Action = [&](HWND menu) {
    skinned = SendMessageW(menu, SKM_COMMAND, SkinCommandWParam(SKC_IS_SKINNED, 0), 0) == 1;
    return false;
  };
  WithMenuProbe(probe, [&] { SendMessageW(window, WM_NCRBUTTONUP, HTCAPTION, MAKELPARAM(caption.x, caption.y)); });
  EXPECT_TRUE(probe.Ran) << "a right click on the caption opens the system menu";
  EXPECT_TRUE(skinned);
}

TEST_F(CaptionButtonsTest, TheSystemMenuListsThePlatformsOwnCommandsBeforeClose) {
  TForm* form = Form();
  HWND window = form->Handle();
  HMENU platform = GetSystemMenu(window, FALSE);
  ASSERT_NE(platform, nullptr);
  AppendMenuW(platform, MF_STRING, 0x0100, L"关于\tF1");
  AppendMenuW(platform, MF_STRING, 0x0110, L"Always on top");
  TsSystemMenu& menu = *new TsSystemMenu(provider, form);
  std::unique_ptr<TsSystemMenu> owned(&menu);
  std::vector<std::wstring> captions;
  for (int i = 0; i < menu.Items().Count(); ++i) captions.push_back(menu.Items().Items(i)->Caption);
  ASSERT_EQ(captions.size(), 10u);
  EXPECT_EQ(captions[5], L"-");
  EXPECT_EQ(captions[6], L"关于");
  EXPECT_EQ(menu.Items().Items(6)->ShortCutText, L"F1");
  EXPECT_EQ(captions[7], L"Always on top");
  EXPECT_EQ(captions[8], L"-");
  EXPECT_EQ(menu.ItemClose, menu.Items().Items(9));
  // The window commands carry the platform's own (localised) texts.
  wchar_t text[128] = {};
  GetMenuStringW(platform, SC_CLOSE, text, 127, MF_BYCOMMAND);
  std::wstring close = text;
  if (const size_t tab = close.find(L'\t'); tab != std::wstring::npos) close.resize(tab);
  if (!close.empty()) {
    EXPECT_EQ(menu.ItemClose->Caption, close);
  }

  // A custom entry posts its own command.
  std::vector<WPARAM> commands;
  form->AddWindowHook([&](TMessage& m, const TWndMethod& next) {
    if (m.Msg == WM_SYSCOMMAND && m.WParam == 0x0110) {
      commands.push_back(m.WParam);
      return;
    }
    next(m);
  });
  menu.Items().Items(7)->Click();
  Pump(20);
  EXPECT_EQ(commands, (std::vector<WPARAM>{0x0110}));

  // State rules: a maximised sizeable form may restore but not move.
  ShowWindow(window, SW_MAXIMIZE);
  menu.UpdateItems();
  EXPECT_TRUE(menu.ItemRestore->Enabled);
  EXPECT_FALSE(menu.ItemMove->Enabled);
  EXPECT_TRUE(menu.ItemMaximize->Visible);
  ShowWindow(window, SW_RESTORE);
  menu.UpdateItems();
  EXPECT_FALSE(menu.ItemRestore->Enabled);
}

// Without skinned popups the platform's own system menu shows, its window
// style lent only for the call and the window left visible throughout.
TEST_F(CaptionButtonsTest, TheExtraEntryHoldsCopiesOfItsPopupMenuAtItsPlace) {
  TForm* form = Form();
  auto popup = std::make_unique<TPopupMenu>(nullptr);
  int clicks = 0;
  popup->Items().Add(L"Pin", [&](TObject*) { ++clicks; });
  popup->Items().Add(L"Share")->Enabled = false;
  provider->SysSubMenu.Caption = L"More";
  provider->SetSysSubMenuPopup(popup.get());
  const auto captions = [](TsSystemMenu& menu) {
    std::vector<std::wstring> list;
    for (int i = 0; i < menu.Items().Count(); ++i) list.push_back(menu.Items().Items(i)->Caption);
    return list;
  };
  struct Case {
    TacItemPosition position;
    int fromEnd;  // where "More" lies, counted back from the last item
    bool atTop;
  } cases[] = {{ipTop, 0, true}, {ipBeforeClose, 1, false}, {ipBottom, 0, false}};
  for (const Case& c : cases) {
    provider->SysSubMenu.Position = c.position;
    TsSystemMenu menu(provider, form);
    const std::vector<std::wstring> list = captions(menu);
    ASSERT_GE(list.size(), 3u);
    const size_t at = c.atTop ? 0 : list.size() - 1 - static_cast<size_t>(c.fromEnd);
    EXPECT_EQ(list[at], L"More") << c.position;
    if (c.position == ipBottom) {
      EXPECT_EQ(list[at - 1], L"-");
      EXPECT_EQ(menu.ItemClose, menu.Items().Items(static_cast<int>(at - 2)));
    }
    ASSERT_EQ(menu.SubMenu, menu.Items().Items(static_cast<int>(at)));
    ASSERT_EQ(menu.SubMenu->Count(), 2);
    EXPECT_FALSE(menu.SubMenu->Items(1)->Enabled);
    menu.SubMenu->Items(0)->Click();
  }
  EXPECT_EQ(clicks, 3) << "each copy clicks as the original";
  popup.reset();
  EXPECT_EQ(provider->SysSubMenu.PopupMenu, nullptr) << "a freed popup menu is forgotten";
  TsSystemMenu menu(provider, form);
  EXPECT_EQ(menu.SubMenu, nullptr);
}

TEST_F(CaptionButtonsTest, WithoutSkinnedPopupsThePlatformMenuShows) {
  manager->SetSkinnedPopups(false);
  TForm* form = Form();
  HWND window = form->Handle();
  TMenuLoopProbe probe;
  bool skinned = true, visible = false, lent = false;
  probe.Action = [&](HWND menu) {
    skinned = SendMessageW(menu, SKM_COMMAND, SkinCommandWParam(SKC_IS_SKINNED, 0), 0) == 1;
    visible = IsWindowVisible(window) != FALSE;
    lent = (GetWindowLongPtrW(window, GWL_STYLE) & WS_SYSMENU) != 0;
    return false;
  };
  WithMenuProbe(probe, [&] { SendMessageW(window, WM_SYSCOMMAND, SC_KEYMENU, L' '); });
  EXPECT_TRUE(probe.Ran);
  EXPECT_FALSE(skinned);
  EXPECT_TRUE(visible);
  EXPECT_TRUE(lent);
  EXPECT_EQ(GetWindowLongPtrW(window, GWL_STYLE) & WS_SYSMENU, 0) << "given back";
}

TEST(SystemMenuTest, SkinListCaptionsNameTheirSkins) {
  EXPECT_EQ(SkinNameOfCaption(L"&Air"), L"Air");
  EXPECT_EQ(SkinNameOfCaption(L"Air (internal)"), L"Air");
  EXPECT_EQ(SkinNameOfCaption(L"R&&D"), L"R&D");
}

}  // namespace
