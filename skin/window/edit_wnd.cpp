#include "skin/window/edit_wnd.h"

#include "framework/controls/control.h"
#include "framework/graphics/bitmap.h"
#include "skin/core/common_data.h"
#include "skin/core/skinned_windows.h"
#include "skin/paint/control_paint.h"
#include "skin/store/skin_manager.h"
#include "skin/window/wrapper_painting.h"

TacEditWnd::~TacEditWnd() {
  // The base's detach cannot reach this class's restore any more.
  if (!Destroyed) RestoreStdParams();
}

void TacEditWnd::AfterHook() {
  wchar_t name[32]{};
  GetClassNameW(CtrlHandle, name, 32);
  SingleLineEdit = lstrcmpiW(name, L"EDIT") == 0 && !(GetWindowLongPtrW(CtrlHandle, GWL_STYLE) & ES_MULTILINE);
  TacScrollWnd::AfterHook();
}

void TacEditWnd::SaveStdParams() {
  TControl* owner = OwnerControl();
  if (!owner) return;
  StdColor = owner->Color();
  StdFontColor = owner->Font().Color();
  FStdSaved = true;
}

void TacEditWnd::RestoreStdParams() {
  TControl* owner = OwnerControl();
  if (!owner || !FStdSaved || !ParamsChanged) return;
  owner->SetColor(StdColor);
  owner->Font().SetColor(StdFontColor);
  ParamsChanged = false;
  if (IsWindow(CtrlHandle)) {
    SetWindowPos(CtrlHandle, nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

void TacEditWnd::SetSkinParams() {
  TacBaseWnd::SetSkinParams();
  TControl* owner = OwnerControl();
  const auto* section = SkinData ? SkinData->Section() : nullptr;
  if (!owner || !section || bPreventStyleChange) return;
  const int state = FrameState();
  if (!SkinData->CustomColor()) owner->SetColor(SkinData->BackgroundColor(state));
  if (!SkinData->CustomFont()) owner->Font().SetColor(section->Props[SkinData->PropsIndex(state)].FontColor.Color);
}

int TacEditWnd::FrameState() const {
  if (GetFocus() == CtrlHandle || (SkinData && SkinData->MouseAbove())) return 1;
  return 0;
}

void TacEditWnd::PrepareCacheCommand() {
  if (!SkinData || !SkinData->Skinned()) return;
  if (!ParamsChanged) SetSkinParams();
  zelvan::paint::TCacheInfo behind;
  if (!PrepareWindowCache(*SkinData, CtrlHandle, FrameState(), behind)) return;
  if (!IsWindowEnabled(CtrlHandle)) BlendDisabled(*SkinData->CacheBmp(), behind);
  SkinData->BGChanged = false;
}

void TacEditWnd::PaintFrame(HDC windowDC, WPARAM region) {
  TBitmap* cache = SkinData ? SkinData->CacheBmp() : nullptr;
  if (!SkinData->Skinned() || !cache || cache->Empty()) {
    TacBaseWnd::PaintFrame(windowDC, region);  // no section: the platform's frame
    return;
  }
  RECT clip{};
  if (GetClipBox(windowDC, &clip) == NULLREGION && !SkinData->PrintDC) return;
  const int width = cache->Width(), height = cache->Height();
  const RECT ring[] = {{0, 0, width, cyTopEdge},
                       {0, height - cyBottomEdge, width, height},
                       {0, cyTopEdge, cxLeftEdge, height - cyBottomEdge},
                       {width - cxRightEdge, cyTopEdge, width, height - cyBottomEdge}};
  for (const RECT& r : ring) {
    if (!IsRectEmpty(&r)) CopyBitmapToDC(*cache, windowDC, r, POINT{r.left, r.top});
  }
}

bool TacEditWnd::PaintsOwnFrame() const {
  TBitmap* cache = SkinData ? SkinData->CacheBmp() : nullptr;
  return SkinData && SkinData->Skinned() && cache && !cache->Empty();
}

bool TacEditWnd::RefreshesAfter(const TMessage& message) const {
  switch (message.Msg) {
    case EM_REPLACESEL:
    case EM_SETSEL:
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_SETCURSEL:
    case LB_SETTOPINDEX:
    case WM_KEYDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
      return true;
    case WM_MOUSEMOVE:
      return GetCapture() == CtrlHandle;
    default:
      return TacBaseWnd::RefreshesAfter(message);
  }
}

void TacEditWnd::WrapperWndProc(TMessage& message) {
  TacBaseWnd::WrapperWndProc(message);
  if (Destroyed || !SkinData || !SkinManager || !SkinManager->Active()) return;
  switch (message.Msg) {
    case WM_SIZE:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_ENABLE:
      // The frame's look follows focus and size: the whole non-client area anew.
      SkinData->BGChanged = true;
      if (IsWindowVisible(CtrlHandle)) PaintNonClient(nullptr);
      break;
    default:
      break;
  }
}
