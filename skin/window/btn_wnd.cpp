#include "skin/window/btn_wnd.h"

#include <algorithm>

#include "framework/controls/control.h"
#include "framework/graphics/canvas.h"
#include "skin/core/common_data.h"
#include "skin/core/skin_messages.h"
#include "skin/core/skinned_windows.h"
#include "skin/paint/control_paint.h"
#include "skin/paint/skinned_text.h"
#include "skin/store/skin_manager.h"
#include "skin/window/wrapper_painting.h"

namespace {

bool CursorInside(HWND window) {
  POINT cursor{};
  GetCursorPos(&cursor);
  RECT bounds{};
  GetWindowRect(window, &bounds);
  return PtInRect(&bounds, cursor) != FALSE;
}

}  // namespace

bool TacBtnWnd::Down() const { return (SendMessageW(CtrlHandle, BM_GETSTATE, 0, 0) & BST_PUSHED) != 0; }

int TacBtnWnd::CurrentState() {
  if (Down()) {
    if (SkinData) SkinData->RemoveGlow();
    return 2;
  }
  if (!IsWindowEnabled(CtrlHandle)) return 0;
  if (GetFocus() == CtrlHandle || (SkinManager && SkinManager->ActiveControl() == CtrlHandle)) return 1;
  const LONG_PTR style = GetWindowLongPtrW(CtrlHandle, GWL_STYLE);
  // The default button shows the hot look.
  if (OwnerControl()) return (style & 0xF) == BS_DEFPUSHBUTTON ? 1 : 0;
  return (style & 1) ? 1 : 0;
}

UINT TacBtnWnd::TextFlags() const {
  const LONG_PTR style = GetWindowLongPtrW(CtrlHandle, GWL_STYLE);
  UINT flags = DT_CENTER | DT_EXPANDTABS;
  if (!(style & BS_MULTILINE)) flags |= DT_WORDBREAK;
  if (GetWindowLongPtrW(CtrlHandle, GWL_EXSTYLE) & WS_EX_RTLREADING) flags |= DT_RTLREADING;
  return flags;
}

void TacBtnWnd::SelectCaptionFont(TCanvas& canvas) const {
  if (TControl* owner = OwnerControl()) {
    canvas.Font().Assign(owner->Font());
  } else {
    TakeMessageFont(canvas.Font());
  }
}

int TacBtnWnd::MaxCaptionWidth() {
  if (Caption.empty()) return 0;
  const SIZE glyph = GlyphExtent();
  if (glyph.cx == 0) return WndSize.cx + 1;
  return std::max(0L, WndSize.cx - glyph.cx);
}

SIZE TacBtnWnd::TextRectSize() {
  TBitmap* cache = SkinData->CacheBmp();
  TCanvas& canvas = cache->Canvas();
  SelectCaptionFont(canvas);
  RECT r{0, 0, MaxCaptionWidth() + 2, 0};
  // Measured in the font it is drawn in: the canvas selects its font only
  // for its own drawing, and a caption measured narrower breaks its line
  // (between any two Chinese characters) when drawn.
  HDC dc = canvas.Handle();
  HGDIOBJ old = SelectObject(dc, canvas.Font().Handle());
  DrawTextW(dc, Caption.c_str(), static_cast<int>(Caption.size()), &r,
            DT_CALCRECT | DT_NOPREFIX | (TextFlags() & ~DT_EXPANDTABS));
  SelectObject(dc, old);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

RECT TacBtnWnd::CaptionRect() {
  const SIZE text = TextRectSize();
  RECT r;
  r.left = (WndSize.cx - text.cx) / 2;
  r.top = (WndSize.cy - text.cy) / 2;
  r.right = r.left + text.cx + 1;
  r.bottom = r.top + text.cy;
  if (Down()) OffsetRect(&r, 1, 1);
  return r;
}

void TacBtnWnd::DrawCaption(TCanvas& canvas, int state) {
  SelectCaptionFont(canvas);
  const RECT r = CaptionRect();
  const bool enabled = IsWindowEnabled(CtrlHandle) != FALSE;
  WriteTextEx(canvas, Caption, enabled, state, SkinData, TextFlags(), r);
  const auto* section = SkinData->Section();
  if (enabled && (SendMessageW(CtrlHandle, BM_GETSTATE, 0, 0) & BST_FOCUS) && !Caption.empty() && section &&
      section->ShowFocus) {
    RECT focus = r;
    InflateRect(&focus, 1, 1);
    DrawDottedRect(canvas, focus, clBtnFace, clBlack);
  }
}

bool TacBtnWnd::PrepareCache() {
  RefreshGeometry();
  const int state = CurrentState();
  zelvan::paint::TCacheInfo behind;
  if (!PrepareWindowCache(*SkinData, CtrlHandle, state, behind)) return false;
  TBitmap* cache = SkinData->CacheBmp();
  TCanvas& canvas = cache->Canvas();
  DrawCaption(canvas, state);
  PaintGlyph(canvas, state);
  if (!IsWindowEnabled(CtrlHandle)) BlendDisabled(*cache, behind);
  SkinData->BGChanged = false;
  return true;
}

void TacBtnWnd::Paint(HDC givenDC) {
  RefreshGeometry();
  PAINTSTRUCT ps{};
  const bool own = givenDC == nullptr;
  HDC dc = own ? BeginPaint(CtrlHandle, &ps) : givenDC;
  const bool printing = SkinData->PrintDC != nullptr;
  bool updating = false;
  if (!FormsLocked || printing) updating = SkinData->Updating();
  if (!updating && !(FormsLocked && !printing)) {
    SkinData->BGChanged = true;
    if (PrepareCache()) {
      CopyBitmapToDC(*SkinData->CacheBmp(), dc, RECT{0, 0, WndSize.cx, WndSize.cy}, POINT{0, 0});
    }
  }
  if (own) EndPaint(CtrlHandle, &ps);
}

void TacBtnWnd::MouseEntered() {
  if (SkinData->MouseAbove() || !SkinManager || SkinManager->ActiveControl() != CtrlHandle) return;
  if (!CursorInside(CtrlHandle)) return;
  SkinData->SetMouseAbove(true);
  SkinData->BGChanged = true;
  SkinData->SetUpdating(false);
  RepaintNow();
}

void TacBtnWnd::MouseLeft() {
  if (!SkinData->MouseAbove()) return;
  SkinData->RemoveGlow();
  SkinData->SetMouseAbove(false);
  SkinData->SetUpdating(false);
  SkinData->BGChanged = true;
  RepaintNow();
}

void TacBtnWnd::QuietlyThenRepaint(TMessage& message) {
  SendMessageW(CtrlHandle, WM_SETREDRAW, FALSE, 0);
  TacMainWnd::WrapperWndProc(message);
  SendMessageW(CtrlHandle, WM_SETREDRAW, TRUE, 0);
  SkinData->BGChanged = true;
  RepaintNow();
}

void TacBtnWnd::WrapperWndProc(TMessage& message) {
  if (!SkinData || !SkinManager || !SkinManager->Active()) return TacMainWnd::WrapperWndProc(message);
  switch (message.Msg) {
    case SKM_COMMAND:
      switch (SkinCommandCode(message.WParam)) {
        case SKC_PARENT_UPDATED:
          if (SkinData->Updating()) TacMainWnd::WrapperWndProc(message);
          return;
        case SKC_MOUSE_ENTER:
          MouseEntered();
          return;
        case SKC_MOUSE_LEAVE:
          MouseLeft();
          return;
        default:
          break;
      }
      break;
    case WM_MOVE: {
      const auto* g = SkinData->Section();
      if (g && (g->Transparency > 0 || (g->Props[1].Transparency > 0 && SkinData->IsHot()))) {
        SkinData->BGChanged = true;
        RepaintNow();
      }
      break;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (!IsWindowEnabled(CtrlHandle)) break;
      SendMessageW(CtrlHandle, WM_SETREDRAW, FALSE, 0);
      TacMainWnd::WrapperWndProc(message);
      SendMessageW(CtrlHandle, WM_SETREDRAW, TRUE, 0);
      SkinData->BGChanged = true;
      RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
      return;
    case WM_ENABLE:
    case WM_SETTEXT:
      if (!IsWindowVisible(CtrlHandle)) break;
      return QuietlyThenRepaint(message);
    case WM_PAINT:
      if (!IsWindowVisible(CtrlHandle) && !SkinData->PrintDC) break;
      if (!ParamsChanged) SetSkinParams();
      Paint(reinterpret_cast<HDC>(message.WParam));
      message.Result = 0;
      return;
    case WM_PRINTCLIENT:
      if (!ParamsChanged) SetSkinParams();
      Paint(reinterpret_cast<HDC>(message.WParam));
      message.Result = 0;
      return;
    case WM_ERASEBKGND:
    case WM_NCPAINT:
    case WM_UPDATEUISTATE:
      message.Result = 1;
      return;
    case BM_SETSTATE:
      if (!IsWindowVisible(CtrlHandle)) break;
      SendMessageW(CtrlHandle, WM_SETREDRAW, FALSE, 0);
      CallPrevWndProc(message);
      SendMessageW(CtrlHandle, WM_SETREDRAW, TRUE, 0);
      SkinData->BGChanged = true;
      RepaintNow();
      return;
    case WM_MOUSEHOVER:
      SendSkinCommand(CtrlHandle, SKC_MOUSE_ENTER, reinterpret_cast<LPARAM>(SkinManager));
      break;
    case WM_MOUSELEAVE:
      if (SkinManager->ActiveControl() == CtrlHandle) SkinManager->SetActiveControl(nullptr);
      MouseLeft();
      break;
    case WM_MOUSEMOVE: {
      TacMainWnd::WrapperWndProc(message);
      TsSkinManager* manager = DefaultManager();
      if (!manager || !IsWindowEnabled(CtrlHandle)) return;
      if (CursorInside(CtrlHandle)) {
        if (manager->ActiveControl() != CtrlHandle) manager->SetActiveControl(CtrlHandle);
        // The platform says when the mouse leaves only when asked.
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, CtrlHandle, 0};
        TrackMouseEvent(&track);
        MouseEntered();
      } else if (manager->ActiveControl() == CtrlHandle) {
        manager->SetActiveControl(nullptr);
      }
      return;
    }
    default:
      break;
  }
  TacMainWnd::WrapperWndProc(message);
}
