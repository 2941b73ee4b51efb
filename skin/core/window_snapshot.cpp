#include "skin/core/window_snapshot.h"

#include "core/paint/alpha_channel.h"

namespace {

// Paints window into dc with its top-left corner at origin (in dc's units),
// then its visible children over it, bottom of the z-order first.
void PrintTree(HWND window, HDC dc, POINT origin, const RECT& clip) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  POINT client{0, 0};
  ClientToScreen(window, &client);
  const POINT clientAt{origin.x + client.x - bounds.left, origin.y + client.y - bounds.top};
  RECT clientRect{};
  GetClientRect(window, &clientRect);

  int saved = SaveDC(dc);
  IntersectClipRect(dc, clip.left, clip.top, clip.right, clip.bottom);
  SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
  SendMessageW(window, WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_NONCLIENT);
  RestoreDC(dc, saved);

  RECT inner{clientAt.x, clientAt.y, clientAt.x + clientRect.right, clientAt.y + clientRect.bottom};
  IntersectRect(&inner, &inner, &clip);
  if (IsRectEmpty(&inner)) return;
  saved = SaveDC(dc);
  IntersectClipRect(dc, inner.left, inner.top, inner.right, inner.bottom);
  SetViewportOrgEx(dc, clientAt.x, clientAt.y, nullptr);
  SendMessageW(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_ERASEBKGND);
  RestoreDC(dc, saved);

  HWND top = GetWindow(window, GW_CHILD);
  for (HWND child = top ? GetWindow(top, GW_HWNDLAST) : nullptr; child; child = GetWindow(child, GW_HWNDPREV)) {
    // The style, not IsWindowVisible: the window itself may not be shown yet.
    if (!(GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE)) continue;
    RECT childBounds{};
    GetWindowRect(child, &childBounds);
    PrintTree(child, dc, {origin.x + childBounds.left - bounds.left, origin.y + childBounds.top - bounds.top}, inner);
  }
}

}  // namespace

std::unique_ptr<TBitmap> SnapshotWindow(HWND window) {
  RECT bounds{};
  if (!IsWindow(window) || !GetWindowRect(window, &bounds)) return nullptr;
  const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
  if (width <= 0 || height <= 0) return nullptr;
  auto picture = std::make_unique<TBitmap>(width, height, pf32bit);
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(dc, picture->Handle());
  if (IsWindowVisible(window) && !IsIconic(window)) {
    // Not every platform prints a frame it draws itself: what the screen
    // shows of it goes first, the printed window over it.
    HDC screen = GetWindowDC(window);
    BitBlt(dc, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    ReleaseDC(window, screen);
  }
  PrintTree(window, dc, {0, 0}, RECT{0, 0, width, height});
  SelectObject(dc, old);
  DeleteDC(dc);
  GdiFlush();
  zelvan::paint::SetRectAlpha(picture->Image(), {0, 0, width, height}, 255, false);
  return picture;
}
