// A windowed control's bevel: the platform lays out and paints the border
// and the scroll bars; the bevel takes its pixels from the client area
// inside them and is drawn around client area and bars.
#include "framework/controls/win_control.h"

#include <utility>

namespace {

UINT EdgeStyle(TBevelCut cut, bool outer) {
  switch (cut) {
    case bvLowered: return outer ? BDR_SUNKENOUTER : BDR_SUNKENINNER;
    case bvRaised: return outer ? BDR_RAISEDOUTER : BDR_RAISEDINNER;
    default: return 0;  // none, or space: room without a line
  }
}

UINT KindFlags(TBevelKind kind) {
  switch (kind) {
    case bkSoft: return BF_SOFT;
    case bkFlat: return BF_FLAT;
    default: return 0;
  }
}

}  // namespace

int TWinControl::BevelSize() const {
  if (FBevelKind == bkNone) return 0;
  return FBevelWidth * ((FBevelInner != bvNone ? 1 : 0) + (FBevelOuter != bvNone ? 1 : 0));
}

void TWinControl::BevelChanged() {
  if (!FHandle) return;
  SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TWinControl::SetBevelKind(TBevelKind kind) {
  if (kind == FBevelKind) return;
  FBevelKind = kind;
  BevelChanged();
}

void TWinControl::SetBevelInner(TBevelCut cut) {
  if (cut == FBevelInner) return;
  FBevelInner = cut;
  BevelChanged();
}

void TWinControl::SetBevelOuter(TBevelCut cut) {
  if (cut == FBevelOuter) return;
  FBevelOuter = cut;
  BevelChanged();
}

void TWinControl::SetBevelEdges(TBevelEdges edges) {
  if (edges == FBevelEdges) return;
  FBevelEdges = edges;
  BevelChanged();
}

void TWinControl::SetBevelWidth(int width) {
  width = width < 1 ? 1 : width;
  if (width == FBevelWidth) return;
  FBevelWidth = width;
  BevelChanged();
}

void TWinControl::BevelCalcSize(TMessage& message) {
  DefaultHandler(message);
  // Both forms of the message begin with the rect that becomes the client area.
  auto* r = reinterpret_cast<RECT*>(message.LParam);
  const int size = BevelSize();
  if (!r || size == 0) return;
  if (FBevelEdges.Contains(beLeft)) r->left += size;
  if (FBevelEdges.Contains(beTop)) r->top += size;
  if (FBevelEdges.Contains(beRight)) r->right -= size;
  if (FBevelEdges.Contains(beBottom)) r->bottom -= size;
  if (r->right < r->left) r->right = r->left;
  if (r->bottom < r->top) r->bottom = r->top;
}

void TWinControl::PaintBevel() {
  const int size = BevelSize();
  if (!FHandle || size == 0) return;
  RECT bounds{};
  GetWindowRect(FHandle, &bounds);
  // The client area and its bars, in window coordinates, grown by the bevel.
  RECT r{};
  GetClientRect(FHandle, &r);
  MapWindowPoints(FHandle, nullptr, reinterpret_cast<POINT*>(&r), 2);
  OffsetRect(&r, -bounds.left, -bounds.top);
  const LONG_PTR style = GetWindowLongPtrW(FHandle, GWL_STYLE);
  if (style & WS_VSCROLL) r.right += GetSystemMetrics(SM_CXVSCROLL);
  if (style & WS_HSCROLL) r.bottom += GetSystemMetrics(SM_CYHSCROLL);
  UINT edges = 0;
  if (FBevelEdges.Contains(beLeft)) r.left -= size, edges |= BF_LEFT;
  if (FBevelEdges.Contains(beTop)) r.top -= size, edges |= BF_TOP;
  if (FBevelEdges.Contains(beRight)) r.right += size, edges |= BF_RIGHT;
  if (FBevelEdges.Contains(beBottom)) r.bottom += size, edges |= BF_BOTTOM;
  HDC dc = GetWindowDC(FHandle);
  // Each line is BevelWidth pixels: the outer cut first, then the inner one.
  for (const auto& [cut, outer] : {std::pair{FBevelOuter, true}, std::pair{FBevelInner, false}}) {
    if (cut == bvNone) continue;
    for (int i = 0; i < FBevelWidth; ++i) {
      const UINT style3d = EdgeStyle(cut, outer);
      if (style3d) {
        DrawEdge(dc, &r, style3d, edges | KindFlags(FBevelKind) | BF_ADJUST);
      } else {
        // Space: a line of the control's colour.
        const RECT before = r;
        if (edges & BF_LEFT) ++r.left;
        if (edges & BF_TOP) ++r.top;
        if (edges & BF_RIGHT) --r.right;
        if (edges & BF_BOTTOM) --r.bottom;
        const HRGN ring = CreateRectRgnIndirect(&before);
        const HRGN inside = CreateRectRgnIndirect(&r);
        CombineRgn(ring, ring, inside, RGN_DIFF);
        FillRgn(dc, ring, FBrush.Handle());
        DeleteObject(inside);
        DeleteObject(ring);
      }
    }
  }
  ReleaseDC(FHandle, dc);
}
