#include "gallery_dialogs.h"
#include "gallery_menus.h"

#include <windows.h>

#include <algorithm>

#include "framework/application/application.h"
#include "framework/forms/form.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "skin/store/skin_manager.h"

namespace {

struct TBoxShot {
  TBitmap* Page = nullptr;
  int X = 0, Y = 0;
  const wchar_t* Title = L"";
  WPARAM Answer = IDOK;
  bool Taken = false;
  int Ticks = 0;
};
TBoxShot* gShot = nullptr;

void CALLBACK ShotTick(HWND, UINT, UINT_PTR id, DWORD) {
  TBoxShot* shot = gShot;
  if (!shot || shot->Taken) return (void)KillTimer(nullptr, id);
  HWND box = FindWindowW(L"#32770", shot->Title);
  if (!box || !IsWindowVisible(box) || ++shot->Ticks < 5) return;
  shot->Taken = true;
  KillTimer(nullptr, id);
  RedrawWindow(box, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  CopyWindowFromScreen(box, *shot->Page, shot->X, shot->Y);
  PostMessageW(box, WM_COMMAND, shot->Answer, 0);
}

void ShotOfBox(TBoxShot& shot, const wchar_t* text, UINT type) {
  gShot = &shot;
  SetTimer(nullptr, 0, 20, ShotTick);
  MessageBoxW(nullptr, text, shot.Title, type);
  gShot = nullptr;
}

}  // namespace

bool WriteAutoSkinPage(TsSkinManager&, const std::wstring& path, bool (*writePng)(TBitmap&, const std::wstring&)) {
  TBitmap page(760, 300, pf32bit);
  page.Canvas().Brush().SetColor(0x00FFFFFF);
  page.Canvas().FillRect(RECT{0, 0, page.Width(), page.Height()});
  TBoxShot question{&page, 10, 10, L"确认 Question", IDCANCEL};
  ShotOfBox(question, L"要把 3 个文件改名吗?\nRename 3 files?", MB_OKCANCEL | MB_ICONQUESTION);
  TBoxShot noCancel{&page, 10, 160, L"Yes or no 是否", IDNO};
  ShotOfBox(noCancel, L"没有取消: 关闭按钮淡出\nNo cancel: the close is faded", MB_YESNO | MB_ICONWARNING);
  // A form without a provider of its own, framed by the window hook.
  auto* form = new TForm(Application);
  form->SetBounds(400, 10, 340, 240);
  form->SetCaption(L"自动 Automatic form");
  form->Show();
  RedrawWindow(form->Handle(), nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  Application->ProcessMessages();
  CopyWindowFromScreen(form->Handle(), page, 400, 10);
  delete form;
  return question.Taken && noCancel.Taken && writePng(page, path);
}
