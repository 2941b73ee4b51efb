#include "skin/window/check_box_wnd.h"

#include <algorithm>

#include "core/paint/mask_painting.h"
#include "framework/graphics/canvas.h"
#include "skin/core/common_data.h"
#include "skin/core/skin_messages.h"
#include "skin/core/skinned_windows.h"
#include "skin/paint/control_paint.h"
#include "skin/paint/skinned_text.h"
#include "skin/store/skin_manager.h"
#include "skin/window/wrapper_painting.h"

namespace {

constexpr LONG_PTR kTypeMask = 0xF;

bool IsRadio(LONG_PTR style) {
  const LONG_PTR type = style & kTypeMask;
  return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

}  // namespace

bool TacCheckBoxWnd::OwnerDraw() const {
  return (GetWindowLongPtrW(CtrlHandle, GWL_STYLE) & kTypeMask) == BS_OWNERDRAW;
}

bool TacCheckBoxWnd::Hot() const {
  return IsWindowEnabled(CtrlHandle) && (GetFocus() == CtrlHandle || SkinData->MouseAbove());
}

int TacCheckBoxWnd::CheckMask() const {
  const LONG_PTR style = GetWindowLongPtrW(CtrlHandle, GWL_STYLE);
  const LRESULT state = SendMessageW(CtrlHandle, BM_GETSTATE, 0, 0);
  const int check = (state & BST_INDETERMINATE) ? 2 : (state & BST_CHECKED) ? 1 : 0;
  static const char* const kBoxes[] = {"BOXUNCHECKED", "BOXCHECKED", "BOXGRAYED"};
  static const char* const kRadios[] = {"RADIOUNCHECKED", "RADIOCHECKED", "BOXGRAYED"};
  return SkinManager->GetMaskIndex("GLOBALINFO", IsRadio(style) ? kRadios[check] : kBoxes[check]);
}

SIZE TacCheckBoxWnd::CheckSize() const {
  const int mask = CheckMask();
  if (!SkinManager->IsValidImgIndex(mask)) return SIZE{16, 16};
  const auto& part = SkinManager->ma[static_cast<size_t>(mask)];
  if (part.Bmp) return SIZE{part.Bmp->Width() / 3, part.Bmp->Height() / 2};
  const int count = std::max<int>(part.ImageCount, 1);
  return SIZE{part.R.Width() / count, part.R.Height() / (part.MaskType + 1)};
}

bool TacCheckBoxWnd::PrepareCache() {
  RefreshGeometry();
  zelvan::paint::TCacheInfo behind;
  if (!PrepareWindowCache(*SkinData, CtrlHandle, Hot() ? 1 : 0, behind)) return false;
  TBitmap* cache = SkinData->CacheBmp();
  TCanvas& canvas = cache->Canvas();
  TakeMessageFont(canvas.Font());
  const LONG_PTR style = GetWindowLongPtrW(CtrlHandle, GWL_STYLE);
  const bool multiLine = (style & BS_MULTILINE) != 0, rightButton = (style & BS_RIGHTBUTTON) != 0;
  const bool rtl = (GetWindowLongPtrW(CtrlHandle, GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
  const SIZE check = CheckSize();
  const int width = cache->Width(), height = cache->Height();

  // The caption beside the glyph, vertically centred.
  RECT text{0, 0, std::max(0L, width - check.cx - 2), 0};
  const UINT wrap = multiLine ? DT_WORDBREAK : DT_SINGLELINE;
  DrawTextW(canvas.Handle(), Caption.c_str(), static_cast<int>(Caption.size()), &text, DT_CALCRECT | wrap);
  const int textHeight = text.bottom - text.top, textWidth = text.right - text.left;
  const int top = std::max(0, (height - textHeight) / 2);
  UINT flags = wrap;
  if (!rightButton) {
    text = {check.cx + 4 - (multiLine ? 1 : 0), top - 1, check.cx + 4 + textWidth, top - 1 + textHeight};
  } else if (rtl) {
    const int right = width - check.cx - 6;
    text = {right - textWidth, top, right, top + textHeight};
    flags |= DT_RIGHT | DT_RTLREADING;
  } else {
    text = {2, top, 2 + textWidth, top + textHeight};
  }
  const bool enabled = IsWindowEnabled(CtrlHandle) != FALSE;
  WriteTextEx(canvas, Caption, enabled, Hot() ? 1 : 0, SkinData, flags, text);
  const LRESULT state = SendMessageW(CtrlHandle, BM_GETSTATE, 0, 0);
  if ((state & BST_FOCUS) && !Caption.empty()) {
    RECT focus = text;
    InflateRect(&focus, 1, 0);
    DrawDottedRect(canvas, focus, clBtnFace, clBlack);
  }

  // The glyph at the left (or right) edge, vertically centred.
  const int mask = CheckMask();
  if (SkinManager->IsValidImgIndex(mask)) {
    GdiFlush();
    const int glyphState = (state & BST_PUSHED) ? 2
                           : (GetFocus() == CtrlHandle || SkinManager->ActiveControl() == CtrlHandle) ? 1
                                                                                                        : 0;
    const int x = rightButton ? width - check.cx : 0;
    zelvan::paint::DrawMaskGlyph(cache->Image(), {x, (height - check.cy) / 2}, glyphState, behind,
                                 SkinManager->ma[static_cast<size_t>(mask)], 1);
  }
  if (!enabled) BlendDisabled(*cache, behind);
  SkinData->BGChanged = false;
  return true;
}

void TacCheckBoxWnd::Paint(HDC givenDC) {
  PAINTSTRUCT ps{};
  const bool own = givenDC == nullptr;
  HDC dc = own ? BeginPaint(CtrlHandle, &ps) : givenDC;
  if (!OwnerDraw() && !(FormsLocked && !SkinData->PrintDC) && !SkinData->Updating() && PrepareCache()) {
    CopyBitmapToDC(*SkinData->CacheBmp(), dc, RECT{0, 0, WndSize.cx, WndSize.cy}, POINT{0, 0});
  }
  if (own) EndPaint(CtrlHandle, &ps);
}

void TacCheckBoxWnd::RepaintQuietly(TMessage& message) {
  SendMessageW(CtrlHandle, WM_SETREDRAW, FALSE, 0);
  TacMainWnd::WrapperWndProc(message);
  SendMessageW(CtrlHandle, WM_SETREDRAW, TRUE, 0);
  SkinData->BGChanged = true;
  RepaintNow();
}

void TacCheckBoxWnd::WrapperWndProc(TMessage& message) {
  if (!SkinData || !SkinManager || !SkinManager->Active()) return TacMainWnd::WrapperWndProc(message);
  switch (message.Msg) {
    case WM_ENABLE:
    case BM_SETCHECK:  // a change of the check, not a question about it
    case BM_SETSTATE:
    case CM_FOCUSCHANGED:
      return RepaintQuietly(message);
    case WM_PAINT:
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(message.WParam));
      message.Result = 0;
      return;
    case WM_NCPAINT:
      return;
    case WM_ERASEBKGND:
      if (OwnerDraw()) FillFromParent(CtrlHandle, reinterpret_cast<HDC>(message.WParam));
      message.Result = 1;
      return;
    case SKM_COMMAND:
      if (const uint16_t code = SkinCommandCode(message.WParam); code == SKC_MOUSE_ENTER || code == SKC_MOUSE_LEAVE) {
        SkinData->SetMouseAbove(code == SKC_MOUSE_ENTER);
        SkinData->SetUpdating(false);
        SkinData->BGChanged = true;
        RepaintNow();
        return;
      }
      break;
    default:
      break;
  }
  TacMainWnd::WrapperWndProc(message);
  switch (message.Msg) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      SkinData->BGChanged = true;
      RepaintNow();
      break;
    case WM_KEYDOWN:
    case WM_KEYUP:
      if (message.WParam == VK_SPACE) {
        SkinData->BGChanged = true;
        RepaintNow();
      }
      break;
    case WM_NCHITTEST:
      if (IsWindowEnabled(CtrlHandle) && SkinManager->ActiveControl() != CtrlHandle) {
        SkinManager->SetActiveControl(CtrlHandle);
      }
      break;
    default:
      break;
  }
}
