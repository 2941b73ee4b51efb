#include "skin/window/static_wnds.h"

#include <algorithm>

#include "core/paint/block_transfer.h"
#include "core/paint/fill.h"
#include "framework/graphics/canvas.h"
#include "skin/core/common_data.h"
#include "skin/core/skin_messages.h"
#include "skin/core/skinned_windows.h"
#include "skin/paint/control_paint.h"
#include "skin/paint/skinned_text.h"
#include "skin/store/skin_manager.h"
#include "skin/window/wrapper_painting.h"

using zelvan::paint::TCacheInfo;

namespace {

// rect of the cache filled with what the parent shows there.
void FillBehind(TBitmap& cache, const TCacheInfo& behind, const RECT& r) {
  const zelvan::paint::TRect part{r.left, r.top, r.right, r.bottom};
  if (part.IsEmpty()) return;
  if (behind.Ready && behind.Bmp) {
    zelvan::paint::CopyBlock(cache.Image(), {part.Left, part.Top}, *behind.Bmp,
                             zelvan::paint::OffsetRect(part, behind.X, behind.Y));
  } else {
    const auto color = behind.FillColor == zelvan::paint::kKeyColor ? GetSysColor(COLOR_BTNFACE) : behind.FillColor;
    zelvan::paint::FillRect32(cache.Image(), part, color, 255);
  }
}

bool Painting(const TsCommonData& data) { return !(FormsLocked && !data.PrintDC) && !data.Updating(); }

}  // namespace

// ---------------------------------------------------------------- group box

RECT TacGroupBoxWnd::CaptionRect() {
  RefreshGeometry();
  TBitmap* cache = SkinData->CacheBmp();
  TCanvas& canvas = cache->Canvas();
  TakeMessageFont(canvas.Font());
  SIZE text{0, 0};
  GetTextExtentPoint32W(canvas.Handle(), Caption.c_str(), static_cast<int>(Caption.size()), &text);
  const bool rtl = (GetWindowLongPtrW(CtrlHandle, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
  RECT r;
  r.left = rtl ? WndSize.cx - text.cx - 14 : 6;
  r.top = 0;
  r.bottom = std::max(4L, text.cy) + 2;
  r.right = std::min(r.left + text.cx + 8, WndSize.cx - 1);
  return r;
}

bool TacGroupBoxWnd::PrepareCache() {
  RefreshGeometry();
  SkinData->InitCacheBmp();
  TBitmap* cache = SkinData->CacheBmp();
  if (!SkinData->Skinned() || !cache || cache->Empty()) return false;
  const TCacheInfo behind = SkinData->OwnerControl() ? [&] {
    TCacheInfo info;
    SkinData->GetParentCache(info);
    return info;
  }()
                                                      : WindowParentCache(CtrlHandle);
  const RECT caption = CaptionRect();
  const int width = cache->Width(), height = cache->Height();
  const int frameTop = (caption.bottom - caption.top) / 2;
  FillBehind(*cache, behind, RECT{0, 0, width, frameTop});
  zelvan::paint::PaintItem(ItemSkinOf(*SkinData), behind, true, cache->Image(), {0, 0},
                           {0, frameTop, width, height}, 0);
  if (!Caption.empty()) {
    FillBehind(*cache, behind, caption);
    TCanvas& canvas = cache->Canvas();
    WriteTextEx(canvas, Caption, IsWindowEnabled(CtrlHandle) != FALSE, 0, SkinData,
                DT_CENTER | DT_SINGLELINE | DT_VCENTER, caption);
  }
  SkinData->BGChanged = false;
  return true;
}

void TacGroupBoxWnd::PaintTo(HDC dc) {
  if (!Painting(*SkinData)) return;
  if ((SkinData->BGChanged || SkinData->CacheBmp()->Empty()) && !PrepareCache()) return;
  CopyBitmapToDC(*SkinData->CacheBmp(), dc, RECT{0, 0, WndSize.cx, WndSize.cy}, POINT{0, 0});
}

void TacGroupBoxWnd::WrapperWndProc(TMessage& message) {
  if (!SkinData || !SkinManager || !SkinManager->Active()) return TacMainWnd::WrapperWndProc(message);
  switch (message.Msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps{};
      HDC given = reinterpret_cast<HDC>(message.WParam);
      HDC dc = given ? given : BeginPaint(CtrlHandle, &ps);
      PaintTo(dc);
      if (!given) EndPaint(CtrlHandle, &ps);
      message.Result = 0;
      return;
    }
    case WM_PRINTCLIENT:
      PaintTo(reinterpret_cast<HDC>(message.WParam));
      return;
    case WM_ERASEBKGND:
      // The framework erases with the same context in both parameters.
      if (message.WParam == static_cast<WPARAM>(message.LParam)) PaintTo(reinterpret_cast<HDC>(message.WParam));
      message.Result = 1;
      return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_SETTEXT:
      TacMainWnd::WrapperWndProc(message);
      SkinData->BGChanged = true;
      RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE);
      return;
    case SKM_COMMAND:
      if (SkinCommandCode(message.WParam) == SKC_GET_CAPTION_HEIGHT) {
        const RECT caption = CaptionRect();
        message.Result = caption.bottom - caption.top;
        return;
      }
      if (SkinCommandCode(message.WParam) == SKC_SKIN_REMOVED && OwnerControl()) {
        OwnerControl()->ControlStyle().Exclude(csOpaque);
      }
      break;
    default:
      break;
  }
  TacMainWnd::WrapperWndProc(message);
}

// ---------------------------------------------------------------- static text

bool TacStaticWnd::LeftToBase() const {
  return (GetWindowLongPtrW(CtrlHandle, GWL_STYLE) & WS_TABSTOP) ||
         (GetWindowLongPtrW(CtrlHandle, GWL_EXSTYLE) & WS_EX_STATICEDGE);
}

bool TacStaticWnd::PrepareCache() {
  RefreshGeometry();
  SkinData->InitCacheBmp();
  TBitmap* cache = SkinData->CacheBmp();
  if (!SkinData->Skinned() || !cache || cache->Empty()) return false;
  const TCacheInfo behind = WindowParentCache(CtrlHandle);
  FillBehind(*cache, behind, RECT{0, 0, cache->Width(), cache->Height()});
  PaintContent(cache->Canvas());
  SkinData->BGChanged = false;
  return true;
}

void TacStaticWnd::PaintContent(TCanvas& canvas) {
  TakeMessageFont(canvas.Font());
  const LONG_PTR style = GetWindowLongPtrW(CtrlHandle, GWL_STYLE);
  UINT flags = DT_WORDBREAK | DT_EXPANDTABS | DT_NOCLIP;
  if (style & SS_NOPREFIX) flags |= DT_NOPREFIX;
  // The alignment the static's own type asks for, or the extended right style.
  const LONG_PTR type = style & SS_TYPEMASK;
  if (type == SS_CENTER) flags |= DT_CENTER;
  if (type == SS_RIGHT || (GetWindowLongPtrW(CtrlHandle, GWL_EXSTYLE) & WS_EX_RIGHT)) flags |= DT_RIGHT;
  if (GetWindowLongPtrW(CtrlHandle, GWL_EXSTYLE) & WS_EX_RTLREADING) flags |= DT_RTLREADING;
  WriteTextEx(canvas, Caption, IsWindowEnabled(CtrlHandle) != FALSE, 0, SkinData, flags,
              RECT{0, 0, WndSize.cx, WndSize.cy});
}

void TacStaticWnd::Paint(HDC givenDC) {
  PAINTSTRUCT ps{};
  HDC dc = givenDC ? givenDC : BeginPaint(CtrlHandle, &ps);
  if (Painting(*SkinData) && PrepareCache()) {
    CopyBitmapToDC(*SkinData->CacheBmp(), dc, RECT{0, 0, WndSize.cx, WndSize.cy}, POINT{0, 0});
  }
  if (!givenDC) EndPaint(CtrlHandle, &ps);
}

void TacStaticWnd::WrapperWndProc(TMessage& message) {
  if (!SkinData || !SkinManager || !SkinManager->Active() || LeftToBase()) {
    return TacMainWnd::WrapperWndProc(message);
  }
  const bool visible = IsWindowVisible(CtrlHandle) != FALSE;
  switch (message.Msg) {
    case WM_MOVE:
    case WM_ENABLE:
      if (!visible) break;
      SkinData->BGChanged = true;
      CallPrevWndProc(message);
      RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
      return;
    case WM_SETTEXT:
      if (!visible) break;
      SendMessageW(CtrlHandle, WM_SETREDRAW, FALSE, 0);
      TacMainWnd::WrapperWndProc(message);  // passes it on once and reads the caption
      SkinData->BGChanged = true;
      SendMessageW(CtrlHandle, WM_SETREDRAW, TRUE, 0);
      RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
      return;
    case WM_PAINT:
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(message.WParam));
      message.Result = 0;
      return;
    case WM_ERASEBKGND:
      if (!visible) break;
      message.Result = 1;
      return;
    case WM_NCPAINT:
      return;
    default:
      break;
  }
  TacMainWnd::WrapperWndProc(message);
}

// ---------------------------------------------------------------- icon

void TacIconWnd::PaintContent(TCanvas& canvas) {
  const LONG_PTR type = GetWindowLongPtrW(CtrlHandle, GWL_STYLE) & SS_TYPEMASK;
  HDC dc = canvas.Handle();
  if (type == SS_BITMAP) {
    auto bitmap = reinterpret_cast<HBITMAP>(SendMessageW(CtrlHandle, STM_GETIMAGE, IMAGE_BITMAP, 0));
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof(info), &info)) return;
    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(dc, 0, 0, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    return;
  }
  auto icon = reinterpret_cast<HICON>(SendMessageW(CtrlHandle, STM_GETICON, 0, 0));
  if (icon) DrawIconEx(dc, 0, 0, icon, 0, 0, 0, nullptr, DI_NORMAL);
}
