// Gallery pages: a skinned popup menu with every kind of item and the
// skinned system menu, as they showed on the screen; a framed form's caption
// buttons normal, hot, pressed, inactive and with maximise not allowed.
#include "gallery_menus.h"

#include <windows.h>

#include <algorithm>
#include <vector>

#include "framework/application/application.h"
#include "framework/forms/form.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "skin/store/skin_manager.h"
#include "skin/window/skin_provider.h"
#include "skin/window/title_bar.h"
#include "skin/window/system_menu.h"
#include "tests/framework/menu_loop.h"

namespace {

void Blank(TBitmap& page) {
  page.Canvas().Brush().SetColor(0x00FFFFFF);
  page.Canvas().FillRect(RECT{0, 0, page.Width(), page.Height()});
}

}  // namespace

// A window as the screen shows it (what its region cuts off shows what lies behind).
void CopyWindowFromScreen(HWND window, TBitmap& page, int x, int y) {
  RECT r{};
  GetWindowRect(window, &r);
  const int w = std::min<int>(r.right - r.left, page.Width() - x), h = std::min<int>(r.bottom - r.top, page.Height() - y);
  HDC screen = GetDC(nullptr);
  BitBlt(page.Canvas().Handle(), x, y, w, h, screen, r.left, r.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  GdiFlush();
}

namespace {

void ShotOfMenu(TBitmap& page, int x, int y, const std::function<void()>& show) {
  TMenuLoopProbe probe;
  probe.Action = [&](HWND window) {
    // The second item hot, so the page shows the selection too.
    PostMessageW(window, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageW(window, WM_KEYDOWN, VK_DOWN, 0);
    MSG msg;
    for (int i = 0; i < 20; ++i) {
      while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
      Sleep(5);
    }
    CopyWindowFromScreen(window, page, x, y);
    return false;
  };
  WithMenuProbe(probe, show);
}

}  // namespace

bool WriteMenuPage(TsSkinManager&, const std::wstring& path, bool (*writePng)(TBitmap&, const std::wstring&)) {
  TBitmap page(560, 360, pf32bit);
  Blank(page);
  TPopupMenu menu(nullptr);
  menu.Items().Add(L"-选项 Options-");
  TMenuItem* open = menu.Items().Add(L"打开 Open");
  open->ShortCutText = L"Ctrl+O";
  menu.Items().Add(L"保存 Save\tCtrl+S");
  menu.Items().Add(L"-");
  menu.Items().Add(L"Checked 已选")->Checked = true;
  TMenuItem* radio = menu.Items().Add(L"Radio 单选");
  radio->RadioItem = radio->Checked = true;
  menu.Items().Add(L"Disabled 不可用")->Enabled = false;
  menu.Items().Add(L"More 更多")->Add(L"Inner");
  menu.Items().Add(L"Default 默认")->Default = true;
  ShotOfMenu(page, 10, 10, [&] { menu.Popup(100, 100); });

  auto* form = new TForm(Application);
  form->SetBorderStyle(bsSizeable);
  form->SetBounds(500, 300, 300, 200);
  form->SetCaption(L"System menu 系统菜单");
  auto* provider = new TsSkinProvider(form);
  form->Show();
  Application->ProcessMessages();
  ShotOfMenu(page, 290, 10, [&] { provider->DropSysMenu(600, 340); });
  delete form;
  return writePng(page, path);
}

bool WriteCaptionButtonPage(TsSkinManager& manager, const std::wstring& path,
                            bool (*writePng)(TBitmap&, const std::wstring&)) {
  manager.Effects.SetAllowGlowing(false);  // the states themselves, not a fade's frame
  struct Row {
    const wchar_t* caption;
    TBorderIcons icons;
    int state;       // given to every button
    bool active;
  };
  const std::vector<Row> rows = {
      {L"Normal 正常", {biSystemMenu, biMinimize, biMaximize, biHelp}, 0, true},
      {L"Hot 悬停", {biSystemMenu, biMinimize, biMaximize, biHelp}, 1, true},
      {L"Pressed 按下", {biSystemMenu, biMinimize, biMaximize, biHelp}, 2, true},
      {L"Inactive 非活动", {biSystemMenu, biMinimize, biMaximize}, 0, false},
      {L"Close only 仅关闭", {biSystemMenu}, 0, true},
  };
  TBitmap page(420, 50 * static_cast<int>(rows.size() + 1) + 10, pf32bit);
  Blank(page);
  int y = 10;
  for (const Row& row : rows) {
    auto* form = new TForm(Application);
    form->SetBorderStyle(bsSizeable);
    form->SetBorderIcons(row.icons);
    form->SetBounds(400, 300, 400, 120);
    form->SetCaption(row.caption);
    auto* provider = new TsSkinProvider(form);
    // A user title button: a dot on a see-through white ground.
    TBitmap glyph(12, 12, pf24bit);
    HDC glyphDc = glyph.Canvas().Handle();
    const RECT all{0, 0, 12, 12};
    FillRect(glyphDc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    HGDIOBJ oldBrush = SelectObject(glyphDc, GetStockObject(DKGRAY_BRUSH));
    Ellipse(glyphDc, 2, 2, 10, 10);
    SelectObject(glyphDc, oldBrush);
    TsTitleButton* user = provider->TitleButtons.Add();
    user->SetGlyph(glyph);
    form->Show();
    Application->ProcessMessages();
    if (!row.active) SendMessageW(form->Handle(), WM_NCACTIVATE, FALSE, 0);
    provider->RenderFrame();
    for (TsCaptionButton* button : {&provider->ButtonClose, &provider->ButtonMax, &provider->ButtonMin, &provider->ButtonHelp,
                                    &user->Data}) {
      button->State = row.state;
      provider->RepaintButton(*button);
    }
    HDC dc = GetWindowDC(form->Handle());
    BitBlt(page.Canvas().Handle(), 10, y, 400, 40, dc, 0, 0, SRCCOPY);
    ReleaseDC(form->Handle(), dc);
    GdiFlush();
    delete form;
    y += 50;
  }
  // A title bar: a button, a menu button with its arrow, two tabs (the first chosen), a label.
  {
    auto* form = new TForm(Application);
    form->SetBorderStyle(bsSizeable);
    form->SetBounds(400, 300, 400, 120);
    form->SetCaption(L"标题栏");
    auto* provider = new TsSkinProvider(form);
    auto* bar = new TsTitleBar(form);
    TPopupMenu menu(nullptr);
    menu.Items().Add(L"Open");
    TacTitleBarItem* open = bar->Add();
    open->Caption = L"打开";
    TacTitleBarItem* file = bar->Add();
    file->Style = bsMenu;
    file->Caption = L"File";
    file->SetDropdownMenu(&menu);
    for (const wchar_t* caption : {L"One", L"Two"}) {
      TacTitleBarItem* tab = bar->Add();
      tab->Style = bsTab;
      tab->Align = tbaRight;
      tab->Caption = caption;
      tab->Down = caption[1] == L'n';
    }
    form->Show();
    Application->ProcessMessages();
    provider->RenderFrame();
    open->Data.State = 1;
    provider->RepaintButton(open->Data);
    HDC dc = GetWindowDC(form->Handle());
    BitBlt(page.Canvas().Handle(), 10, y, 400, 40, dc, 0, 0, SRCCOPY);
    ReleaseDC(form->Handle(), dc);
    GdiFlush();
    delete form;
  }
  manager.Effects.SetAllowGlowing(true);
  return writePng(page, path);
}
