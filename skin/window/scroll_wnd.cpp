// TacScrollWnd: attaching, metrics, the non-client layout, hit testing and
// the message dispatch. Painting is in scroll_bar_paint.cpp, the mouse
// interaction in scroll_tracking.cpp.
#include "skin/window/scroll_wnd.h"

#include <commctrl.h>

#include <algorithm>

#include "core/paint/image_part.h"
#include "framework/graphics/bitmap.h"
#include "skin/core/common_data.h"
#include "skin/core/skin_messages.h"
#include "skin/store/skin_manager.h"
#include "skin/window/scroll_tracking.h"

using zelvan::paint::TScrollPart;

namespace {

constexpr LONG_PTR kBarStyles = WS_HSCROLL | WS_VSCROLL;

LONG ObjectOf(const TacScrollBar& bar) { return bar.Horizontal() ? OBJID_HSCROLL : OBJID_VSCROLL; }

RECT ToRECT(const zelvan::paint::TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

POINT PointOf(LPARAM lParam) { return POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}; }

}  // namespace

TacScrollWnd* ScrollWndOf(HWND window) { return dynamic_cast<TacScrollWnd*>(WrapperOf(window)); }

TacScrollWnd::TacScrollWnd(HWND handle, TsCommonData* data, TsSkinManager* manager, const std::string& section,
                           bool repaint)
    : TacMainWnd(handle, data, manager, section, repaint) {
  sBarHorz.nBarType = SB_HORZ;
  sBarVert.nBarType = SB_VERT;
  sBarHorz.sw = sBarVert.sw = this;
}

TacScrollWnd::~TacScrollWnd() {
  TScrollTracker::Forget(*this);
  if (IsWindow(CtrlHandle)) {
    for (UINT_PTR id : {kScrollHotTimer, kScrollDelayTimer, kScrollRepeatTimer}) KillTimer(CtrlHandle, id);
  }
}

void TacScrollWnd::AfterHook() {
  const LONG_PTR style = GetWindowLongPtrW(CtrlHandle, GWL_STYLE);
  fLeftScrollbar = (GetWindowLongPtrW(CtrlHandle, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
  bars = 0;
  if (style & WS_HSCROLL) {
    sBarHorz.fScrollFlags = kSbHasStyle;
    bars |= 1;
  }
  if (style & WS_VSCROLL) {
    sBarVert.fScrollFlags = kSbHasStyle;
    bars |= 2;
  }
  ReadBar(sBarHorz);
  ReadBar(sBarVert);
  // The new layout takes effect at once; the frame is painted with it.
  SetWindowPos(CtrlHandle, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  if (FRepaint && IsWindowVisible(CtrlHandle)) {
    RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOCHILDREN);
  }
}

// ---------------------------------------------------------------- metrics

int TacScrollWnd::BarThickness(const TacScrollBar& bar) const {
  return zelvan::paint::BarThickness(bar.nArrowWidth, GetSystemMetrics(bar.Horizontal() ? SM_CYHSCROLL : SM_CXVSCROLL));
}

int TacScrollWnd::ArrowLength(const TacScrollBar& bar, bool skinSizes) const {
  int skinButton = 0;
  if (skinSizes && SkinManager && SkinManager->Active()) {
    const auto& c = SkinManager->ConstData;
    const int section = c.IndexScrollLeft;
    const int mask = bar.Horizontal() ? c.MaskScrollLeft : c.MaskScrollTop;
    if (SkinManager->IsValidSkinIndex(section) && SkinManager->gd[static_cast<size_t>(section)].ReservedBoolean &&
        SkinManager->IsValidImgIndex(mask)) {
      const auto& part = SkinManager->ma[static_cast<size_t>(mask)];
      skinButton = bar.Horizontal() ? zelvan::paint::StateWidth(part) : zelvan::paint::StateHeight(part);
    }
  }
  return zelvan::paint::ArrowLength(bar.nArrowLength, skinButton, GetSystemMetrics(SM_CXHSCROLL));
}

zelvan::paint::TScrollLayout TacScrollWnd::Layout() const {
  RECT window{};
  GetWindowRect(CtrlHandle, &window);
  return zelvan::paint::LayoutOfBars(window.right - window.left, window.bottom - window.top,
                                     {cxLeftEdge, cyTopEdge, cxRightEdge, cyBottomEdge}, sBarHorz.fScrollVisible,
                                     BarThickness(sBarHorz), sBarVert.fScrollVisible, BarThickness(sBarVert),
                                     fLeftScrollbar);
}

RECT TacScrollWnd::BarRect(const TacScrollBar& bar) const {
  const zelvan::paint::TScrollLayout layout = Layout();
  return ToRECT(bar.Horizontal() ? layout.Horz : layout.Vert);
}

bool TacScrollWnd::BarActive(const TacScrollBar& bar) const {
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  if (!GetScrollBarInfo(CtrlHandle, ObjectOf(bar), &info)) return (bar.fScrollFlags & kSbHasStyle) != 0;
  if ((bar.fScrollFlags & (kSbLeftUpDisabled | kSbRightDownDisabled)) == (kSbLeftUpDisabled | kSbRightDownDisabled)) {
    return false;
  }
  if ((bar.fScrollFlags & kSbThumbWhileRange) && zelvan::paint::ScrollSpan(bar.Range()) <= 0) return false;
  return (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0;
}

zelvan::paint::TThumb TacScrollWnd::ThumbOf(const TacScrollBar& bar) const {
  if (!BarActive(bar)) return {};
  const RECT r = BarRect(bar);
  const int length = bar.Horizontal() ? r.right - r.left : r.bottom - r.top;
  return zelvan::paint::ThumbOf(bar.Range(), length, ArrowLength(bar), bar.nMinThumbSize);
}

TScrollPart TacScrollWnd::PartAt(const TacScrollBar& bar, POINT screen) const {
  RECT window{};
  GetWindowRect(CtrlHandle, &window);
  const RECT r = BarRect(bar);
  const POINT at{screen.x - window.left, screen.y - window.top};
  if (!PtInRect(&r, at)) return zelvan::paint::spNone;
  const int length = bar.Horizontal() ? r.right - r.left : r.bottom - r.top;
  const int coordinate = bar.Horizontal() ? at.x - r.left : at.y - r.top;
  return zelvan::paint::PartAt(coordinate, length, ArrowLength(bar), ThumbOf(bar));
}

// ---------------------------------------------------------------- reading the bars

void TacScrollWnd::ReadBar(TacScrollBar& bar) {
  bar.ScrollInfo = SCROLLINFO{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  if (!GetScrollInfo(CtrlHandle, bar.nBarType, &bar.ScrollInfo)) {
    bar.ScrollInfo = SCROLLINFO{sizeof(SCROLLINFO), SIF_ALL, 0, 0, 0, 0, 0};
  }
  bar.fScrollFlags &= static_cast<uint16_t>(~(kSbLeftUpDisabled | kSbRightDownDisabled));
  SCROLLBARINFO info{};
  info.cbSize = sizeof(info);
  if (GetScrollBarInfo(CtrlHandle, ObjectOf(bar), &info)) {
    if (info.rgstate[1] & STATE_SYSTEM_UNAVAILABLE) bar.fScrollFlags |= kSbLeftUpDisabled;
    if (info.rgstate[5] & STATE_SYSTEM_UNAVAILABLE) bar.fScrollFlags |= kSbRightDownDisabled;
  }
}

bool TacScrollWnd::InfoChanged() {
  const auto same = [](const SCROLLINFO& a, const SCROLLINFO& b) {
    return a.nMin == b.nMin && a.nMax == b.nMax && a.nPage == b.nPage && a.nPos == b.nPos;
  };
  const SCROLLINFO horz = sBarHorz.ScrollInfo, vert = sBarVert.ScrollInfo;
  const uint16_t horzFlags = sBarHorz.fScrollFlags, vertFlags = sBarVert.fScrollFlags;
  ReadBar(sBarHorz);
  ReadBar(sBarVert);
  return !same(horz, sBarHorz.ScrollInfo) || !same(vert, sBarVert.ScrollInfo) || horzFlags != sBarHorz.fScrollFlags ||
         vertFlags != sBarVert.fScrollFlags;
}

void TacScrollWnd::Refresh(bool repaint) {
  if (!IsWindowVisible(CtrlHandle) || !SkinData || SkinData->Updating()) return;
  ReadBar(sBarHorz);
  ReadBar(sBarVert);
  if (repaint) PaintNonClient(nullptr, false);
}

// ---------------------------------------------------------------- non-client size

void TacScrollWnd::CallPrevWithoutBars(TMessage& message) {
  const LONG_PTR style = GetWindowLongPtrW(CtrlHandle, GWL_STYLE);
  if (!(style & kBarStyles)) {
    CallPrevWndProc(message);
    return;
  }
  // The style change is the wrapper's own: its notifications are swallowed
  // (a list view would lay itself out again and come back here).
  const bool outer = bPreventStyleChange;
  bPreventStyleChange = true;
  SetWindowLongPtrW(CtrlHandle, GWL_STYLE, style & ~kBarStyles);
  CallPrevWndProc(message);
  SetWindowLongPtrW(CtrlHandle, GWL_STYLE, GetWindowLongPtrW(CtrlHandle, GWL_STYLE) | (style & kBarStyles));
  bPreventStyleChange = outer;
}

void TacScrollWnd::CalcSize(TMessage& message) {
  ++FNcCalcCount;
  auto* r = reinterpret_cast<RECT*>(message.LParam);  // both forms begin with the proposed window rect
  if (FInCalc || !r) {
    CallPrevWndProc(message);
    return;
  }
  FInCalc = true;
  const RECT window = *r;
  CallPrevWithoutBars(message);
  cxLeftEdge = r->left - window.left;
  cyTopEdge = r->top - window.top;
  cxRightEdge = window.right - r->right;
  cyBottomEdge = window.bottom - r->bottom;
  const LONG_PTR style = GetWindowLongPtrW(CtrlHandle, GWL_STYLE);
  fLeftScrollbar = (GetWindowLongPtrW(CtrlHandle, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
  for (TacScrollBar* bar : {&sBarHorz, &sBarVert}) {
    const bool has = (style & (bar->Horizontal() ? WS_HSCROLL : WS_VSCROLL)) != 0;
    bar->fScrollFlags = static_cast<uint16_t>(has ? bar->fScrollFlags | kSbHasStyle : bar->fScrollFlags & ~kSbHasStyle);
    bar->fScrollVisible = false;
  }
  // As the platform lays them out: the vertical bar first, the horizontal one
  // only where more than its thickness is left.
  const int vert = BarThickness(sBarVert), horz = BarThickness(sBarHorz);
  if ((sBarVert.fScrollFlags & kSbHasStyle) && r->right - r->left >= vert) {
    sBarVert.fScrollVisible = true;
    if (fLeftScrollbar) {
      r->left += vert;
    } else {
      r->right -= vert;
    }
  }
  if ((sBarHorz.fScrollFlags & kSbHasStyle) && r->bottom - r->top > horz) {
    sBarHorz.fScrollVisible = true;
    r->bottom -= horz;
  }
  FInCalc = false;
}

// ---------------------------------------------------------------- hit test

int TacScrollWnd::HitTest(POINT screen) const {
  RECT window{};
  GetWindowRect(CtrlHandle, &window);
  const POINT at{screen.x - window.left, screen.y - window.top};
  const zelvan::paint::TScrollLayout layout = Layout();
  const RECT horz = ToRECT(layout.Horz), vert = ToRECT(layout.Vert), corner = ToRECT(layout.Corner);
  if (sBarHorz.fScrollVisible && PtInRect(&horz, at)) return BarActive(sBarHorz) ? HTHSCROLL : HTNOWHERE;
  if (sBarVert.fScrollVisible && PtInRect(&vert, at)) return BarActive(sBarVert) ? HTVSCROLL : HTNOWHERE;
  if (!IsRectEmpty(&corner) && PtInRect(&corner, at) && InTopLevelCorner()) return HTBOTTOMRIGHT;
  return -1;
}

bool TacScrollWnd::InTopLevelCorner() const {
  HWND top = GetAncestor(CtrlHandle, GA_ROOT);
  if (!top || top == CtrlHandle) return false;
  RECT window{}, client{};
  GetWindowRect(CtrlHandle, &window);
  GetClientRect(top, &client);
  POINT corner{client.right, client.bottom};
  ClientToScreen(top, &corner);
  // The window itself sits in the corner (its frame edges would never let
  // the corner square meet the form's corner).
  return window.right == corner.x && window.bottom == corner.y;
}

// ---------------------------------------------------------------- messages

bool TacScrollWnd::RefreshesAfter(const TMessage& message) const {
  switch (message.Msg) {
    case WM_TIMER:
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      return true;
    default:
      return false;
  }
}

namespace {

// Questions to a list, tree or edit that leave it as it was: nothing of its
// bars can have changed.
bool OnlyReads(UINT msg) {
  switch (msg) {
    case LVM_GETITEMRECT: case LVM_GETSUBITEMRECT: case LVM_GETITEMSTATE: case LVM_GETITEMTEXTW:
    case LVM_GETITEMTEXTA: case LVM_GETITEMW: case LVM_GETITEMA: case LVM_GETCOLUMNWIDTH: case LVM_GETCOLUMNW:
    case LVM_GETCOLUMNA: case LVM_GETIMAGELIST: case LVM_GETITEMCOUNT: case LVM_GETTOPINDEX:
    case LVM_GETCOUNTPERPAGE: case LVM_GETNEXTITEM: case LVM_HITTEST: case LVM_SUBITEMHITTEST: case LVM_GETHEADER:
    case LVM_GETEXTENDEDLISTVIEWSTYLE: case LVM_GETSELECTEDCOUNT: case LVM_GETORIGIN: case LVM_GETVIEWRECT:
    case TVM_GETITEMRECT: case TVM_GETNEXTITEM: case TVM_GETITEMW: case TVM_GETITEMA: case TVM_HITTEST:
    case TVM_GETCOUNT: case TVM_GETITEMSTATE: case TVM_GETIMAGELIST:
    case EM_GETSEL: case EM_GETLINECOUNT: case EM_GETFIRSTVISIBLELINE: case EM_LINEFROMCHAR: case EM_LINEINDEX:
    case EM_GETRECT:
      return true;
    default:
      return false;
  }
}

}  // namespace

void TacScrollWnd::WrapperWndProc(TMessage& message) {
  if ((message.Msg == WM_STYLECHANGING || message.Msg == WM_STYLECHANGED) && bPreventStyleChange) {
    message.Result = 0;
    return;
  }
  if (message.Msg == WM_TIMER &&
      (message.WParam == kScrollHotTimer || message.WParam == kScrollDelayTimer || message.WParam == kScrollRepeatTimer)) {
    TScrollTracker::Tick(*this, message.WParam);
    message.Result = 0;
    return;
  }
  if (message.Msg == SKM_COMMAND && message.LParam == reinterpret_cast<LPARAM>(SkinManager) && !Destroyed) {
    const uint16_t code = SkinCommandCode(message.WParam);
    if (code == SKC_SKIN_REMOVED || code == SKC_REFRESH) {
      // The manager is inactive already while the removal travels: the
      // owner's colours and the platform's bars come back from here.
      if (code == SKC_SKIN_REMOVED) RestoreStdParams();
      TacMainWnd::WrapperWndProc(message);
      if (!Destroyed && IsWindow(CtrlHandle)) {
        SetWindowPos(CtrlHandle, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      }
      return;
    }
  }
  if (Destroyed || !SkinData || !SkinManager || !SkinManager->Active()) {
    TacMainWnd::WrapperWndProc(message);
    return;
  }
  switch (message.Msg) {
    case WM_NCCALCSIZE:
      CalcSize(message);
      return;
    case WM_NCPAINT:
      // wParam is a region, not a context: the wrapper paints through its own.
      PaintNonClient(nullptr, true, message.WParam);
      message.Result = 0;
      return;
    case WM_NCHITTEST: {
      const int code = HitTest(PointOf(message.LParam));
      if (code >= 0) {
        message.Result = code;
        return;
      }
      break;
    }
    case WM_PRINT:
      if (message.LParam & PRF_NONCLIENT) {
        // The platform prints the frame and the client without its bars;
        // the skinned bars (and frame) go over them into the same context.
        CallPrevWithoutBars(message);
        auto* dc = reinterpret_cast<HDC>(message.WParam);
        if (dc) {
          if (SkinData->BGChanged) PrepareCacheCommand();
          PaintNonClient(dc, PaintsOwnFrame());
        }
        return;
      }
      break;
    case WM_SYSCOMMAND:
      if ((message.WParam & 0xFFF0) == SC_VSCROLL) return;  // the wrapper scrolls that bar itself
      break;
    case SKM_COMMAND:
      if (SkinCommandCode(message.WParam) == SKC_SET_UPDATING) {
        SkinData->SetUpdating(SkinCommandArgument(message.WParam) == 1);
        return;
      }
      break;
    case WM_DESTROY:
    case WM_NCDESTROY:
      TScrollTracker::Forget(*this);
      TacMainWnd::WrapperWndProc(message);
      return;
    default:
      break;
  }
  if (TScrollTracker::HandleMouse(*this, message)) return;
  TacMainWnd::WrapperWndProc(message);
  if (Destroyed || TScrollTracker::HoldsRepaints(*this)) return;
  switch (message.Msg) {
    case WM_NCPAINT: case WM_PAINT: case WM_ERASEBKGND: case WM_NCHITTEST: case WM_SETCURSOR:
    case WM_GETTEXT: case WM_GETTEXTLENGTH: case WM_NCCALCSIZE: case WM_PRINT: case WM_PRINTCLIENT:
    case WM_WINDOWPOSCHANGING: case WM_STYLECHANGING:
      return;  // they read, or the bars are painted on their own path
    default:
      break;
  }
  // A skinned list asks its control many questions for every row it draws;
  // reading the bars back after each one cost more than the row.
  if (OnlyReads(message.Msg)) return;
  // A notification reflected from the parent (cell texts, custom drawing of
  // each row) comes inside a message of the control's own, after which the
  // bars are read anyway.
  if (message.Msg == CN_NOTIFY) return;
  if (RefreshesAfter(message)) {
    Refresh(true);
  } else if (IsWindowVisible(CtrlHandle) && InfoChanged()) {
    // The platform paints its own bar wherever the information changes.
    PaintNonClient(nullptr, false);
  }
}
