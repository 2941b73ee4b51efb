#include "gallery_borders.h"

#include <windows.h>

#include "framework/application/application.h"
#include "framework/forms/form.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "gallery_menus.h"
#include "skin/store/skin_manager.h"
#include "skin/window/border_form.h"
#include "skin/window/caption_animation.h"
#include "skin/window/skin_provider.h"
#include "skin/window/title_bar.h"

namespace {

// A layered window's picture as a compositor would show it over the page
// (Xvfb has none: on the screen its alpha is not blended).
void BlendOnto(TBitmap& page, TBitmap& picture, int x, int y) {
  HDC from = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(from, picture.Handle());
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  AlphaBlend(page.Canvas().Handle(), x, y, picture.Width(), picture.Height(), from, 0, 0, picture.Width(),
             picture.Height(), blend);
  SelectObject(from, old);
  DeleteDC(from);
  GdiFlush();
}

// The form with its extended frame and shadow at (x, y) of the page: the
// border window's picture, and over it the form's client area, which is all
// the form itself shows.
void ShotWithShadow(TBitmap& page, TForm& form, TsSkinProvider& provider, int x, int y) {
  TacBorderForm* border = provider.BorderForm();
  if (!border || !border->Picture()) return;
  BlendOnto(page, *border->Picture(), x, y);
  const auto shadow = border->ShadowSize();
  RECT client{};
  GetClientRect(form.Handle(), &client);
  MapWindowPoints(form.Handle(), nullptr, reinterpret_cast<POINT*>(&client), 2);
  HDC screen = GetDC(nullptr);
  BitBlt(page.Canvas().Handle(), x + shadow.Left + provider.OffsetX(), y + shadow.Top + provider.OffsetY(),
         client.right - client.left, client.bottom - client.top, screen, client.left, client.top, SRCCOPY);
  ReleaseDC(nullptr, screen);
  GdiFlush();
}

}  // namespace

bool WriteBorderPage(TsSkinManager& manager, const std::wstring& path, bool (*writePng)(TBitmap&, const std::wstring&)) {
  TBitmap page(760, 330, pf32bit);
  page.Canvas().Brush().SetColor(0x00E8E8E8);
  page.Canvas().FillRect(RECT{0, 0, page.Width(), page.Height()});
  manager.SetExtendedBorders(true);
  bool shot = false;
  for (const bool active : {true, false}) {
    auto* form = new TForm(Application);
    form->SetBorderStyle(bsSizeable);
    form->SetBounds(300, 200, 340, 150);
    form->SetCaption(active ? L"扩展边框 Extended frame (active)" : L"扩展边框 Extended frame (inactive)");
    auto* provider = new TsSkinProvider(form);
    form->Show();
    Application->ProcessMessages();
    if (!active) SendMessageW(form->Handle(), WM_NCACTIVATE, FALSE, 0);
    RedrawWindow(form->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Application->ProcessMessages();
    shot = provider->BorderForm() != nullptr || shot;
    ShotWithShadow(page, *form, *provider, active ? 10 : 380, 10);
    delete form;
  }
  manager.SetExtendedBorders(false);

  // A title bar item: normal in the frame, its hot fade's picture, and a caption glowing red.
  auto* form = new TForm(Application);
  form->SetBorderStyle(bsSizeable);
  form->SetBounds(300, 200, 500, 120);
  form->SetCaption(L"标题栏 items");
  auto* provider = new TsSkinProvider(form);
  auto* bar = new TsTitleBar(form);
  TacTitleBarItem* item = bar->Add();
  item->Caption = L"打开 Open";
  TacTitleBarItem* glowing = bar->Add();
  glowing->Caption = L"Glow 发光";
  glowing->FontData.UseSysGlowing = false;
  glowing->FontData.GlowColor = static_cast<TColor>(0x0000FF);
  glowing->FontData.GlowSize = 4;
  form->Show();
  Application->ProcessMessages();
  provider->RenderFrame();
  CopyWindowFromScreen(form->Handle(), page, 10, 200);
  provider->SetHotElement(2000, true);
  for (int i = 0; i < 30 && item->Data.Timer && item->Data.Timer->Opacity() < 255; ++i) {
    Sleep(15);
    Application->ProcessMessages();
  }
  if (item->Data.Timer && item->Data.Timer->Image()) {
    const RECT r = item->Data.Rect;
    HDC from = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(from, item->Data.Timer->Image()->Handle());
    BitBlt(page.Canvas().Handle(), 520, 200 + r.top, r.right - r.left, r.bottom - r.top, from, 0, 0, SRCCOPY);
    SelectObject(from, old);
    DeleteDC(from);
    GdiFlush();
  }
  provider->SetHotElement(0, true);
  delete form;
  return shot && writePng(page, path);
}
