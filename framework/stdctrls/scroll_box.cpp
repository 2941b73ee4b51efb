#include "framework/stdctrls/scroll_box.h"

#include <algorithm>

TScrollBox::TScrollBox(TComponent* owner) : TWinControl(owner) {
  ControlStyle() = TControlStyle{csAcceptsControls, csCaptureMouse, csClickEvents, csSetCaption, csDoubleClicks};
  SetColor(clWindow);
  SetBounds(0, 0, 185, 41);
}

void TScrollBox::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  if (FBorderSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::SetAutoScroll(bool value) {
  if (value == FAutoScroll) return;
  FAutoScroll = value;
  if (!value) {
    ScrollTo(0, 0);
    if (HandleAllocated()) ShowScrollBar(Handle(), SB_BOTH, FALSE);
  }
  UpdateScrollBars();
}

void TScrollBox::SetBorderSingle(bool value) {
  if (value == FBorderSingle) return;
  FBorderSingle = value;
  RecreateWnd();
}

SIZE TScrollBox::ChildExtent() const {
  SIZE extent{0, 0};
  for (int i = 0; i < ControlCount(); ++i) {
    const TControl* child = Controls(i);
    if (!child->Visible()) continue;
    extent.cx = std::max<LONG>(extent.cx, child->Left() + child->Width() + FPosition.x);
    extent.cy = std::max<LONG>(extent.cy, child->Top() + child->Height() + FPosition.y);
  }
  return extent;
}

void TScrollBox::UpdateScrollBars() {
  if (!FAutoScroll || !HandleAllocated() || FUpdating) return;
  FUpdating = true;
  // Showing one bar narrows the client area, which may call for the other: twice settles it.
  for (int pass = 0; pass < 2; ++pass) {
    const SIZE extent = ChildExtent();
    const RECT client = ClientRect();
    const int bars[2] = {SB_HORZ, SB_VERT};
    const LONG sizes[2] = {extent.cx, extent.cy};
    const LONG pages[2] = {client.right, client.bottom};
    for (int i = 0; i < 2; ++i) {
      SCROLLINFO info{sizeof(info), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
      const bool needed = sizes[i] > pages[i];
      info.nMax = needed ? sizes[i] - 1 : 0;
      info.nPage = needed ? static_cast<UINT>(pages[i]) : 0;
      info.nPos = i == 0 ? FPosition.x : FPosition.y;
      SetScrollInfo(Handle(), bars[i], &info, TRUE);
    }
  }
  FUpdating = false;
  // A range that shrank pulls the children back.
  const SIZE extent = ChildExtent();
  const RECT client = ClientRect();
  ScrollTo(std::clamp<int>(FPosition.x, 0, std::max<int>(0, extent.cx - client.right)),
           std::clamp<int>(FPosition.y, 0, std::max<int>(0, extent.cy - client.bottom)));
}

void TScrollBox::ScrollTo(int horz, int vert) {
  const int dx = horz - FPosition.x;
  const int dy = vert - FPosition.y;
  if (dx == 0 && dy == 0) return;
  FPosition = POINT{horz, vert};
  const bool updating = FUpdating;
  FUpdating = true;
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* child = Controls(i);
    child->SetBounds(child->Left() - dx, child->Top() - dy, child->Width(), child->Height());
  }
  FUpdating = updating;
  if (HandleAllocated()) {
    SetScrollPos(Handle(), SB_HORZ, horz, TRUE);
    SetScrollPos(Handle(), SB_VERT, vert, TRUE);
    InvalidateRect(Handle(), nullptr, TRUE);
  }
}

void TScrollBox::Scroll(int bar, int code) {
  SCROLLINFO info{sizeof(info), SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(Handle(), bar, &info);
  const int page = static_cast<int>(info.nPage);
  int position = info.nPos;
  const int line = (bar == SB_HORZ ? FHorzScrollBar : FVertScrollBar).Increment;
  switch (code) {
    case SB_LINEUP: position -= line; break;
    case SB_LINEDOWN: position += line; break;
    case SB_PAGEUP: position -= page; break;
    case SB_PAGEDOWN: position += page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: position = info.nTrackPos; break;
    case SB_TOP: position = 0; break;
    case SB_BOTTOM: position = info.nMax; break;
    default: return;
  }
  position = std::clamp(position, 0, std::max(0, info.nMax - page + 1));
  if (bar == SB_HORZ) {
    ScrollTo(position, FPosition.y);
  } else {
    ScrollTo(FPosition.x, position);
  }
}

void TScrollBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
      // Our own bars only: a scroll bar control sends its handle along.
      if (message.LParam == 0) {
        Scroll(message.Msg == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(message.WParam));
        return;
      }
      break;
    case WM_MOUSEWHEEL: {
      const int lines = -GET_WHEEL_DELTA_WPARAM(message.WParam) / WHEEL_DELTA * 3;
      for (int i = 0; i < std::abs(lines); ++i) Scroll(SB_VERT, lines > 0 ? SB_LINEDOWN : SB_LINEUP);
      message.Result = 1;
      return;
    }
    case WM_SIZE:
      TWinControl::WndProc(message);
      UpdateScrollBars();
      return;
    case CM_CONTROLLISTCHANGE:
    case CM_CONTROLCHANGE:
    case CM_SHOWINGCHANGED:
      TWinControl::WndProc(message);
      UpdateScrollBars();
      return;
    default:
      break;
  }
  TWinControl::WndProc(message);
}
