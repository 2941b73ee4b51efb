// TsSkinProvider: moving and sizing by an outline (ResizeMode rmBorder). The
// form stays where it is while an inverted frame on the screen follows the
// mouse; releasing the button puts the form there, Escape, a right click or
// a lost capture leaves it where it was.
#include <windows.h>
#include <windowsx.h>

#include "core/paint/outline_drag.h"
#include "framework/forms/custom_form.h"
#include "skin/core/window_animation.h"
#include "skin/window/skin_provider.h"

namespace {

using zelvan::paint::TRect;

// An inverted frame drawn on the screen; drawing it twice takes it away.
class TDragOutline {
 public:
  explicit TDragOutline(int thickness) : FThickness(thickness < 1 ? 1 : thickness) {
    static const WORD kHalftone[8] = {0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    FPattern = CreateBitmap(8, 8, 1, 1, kHalftone);
    FBrush = CreatePatternBrush(FPattern);
  }
  ~TDragOutline() {
    Hide();
    DeleteObject(FBrush);
    DeleteObject(FPattern);
  }
  TDragOutline(const TDragOutline&) = delete;
  TDragOutline& operator=(const TDragOutline&) = delete;

  void Show(const TRect& r) {
    Hide();
    Invert(r);
    FShown = r;
    FVisible = true;
  }
  void Hide() {
    if (FVisible) Invert(FShown);
    FVisible = false;
  }

 private:
  void Invert(const TRect& r) {
    HDC dc = GetDCEx(GetDesktopWindow(), nullptr, DCX_WINDOW | DCX_CACHE | DCX_LOCKWINDOWUPDATE);
    if (!dc) return;
    HGDIOBJ old = SelectObject(dc, FBrush);
    const int t = FThickness, w = r.Width(), h = r.Height();
    PatBlt(dc, r.Left, r.Top, w, t, PATINVERT);
    PatBlt(dc, r.Left, r.Bottom - t, w, t, PATINVERT);
    PatBlt(dc, r.Left, r.Top + t, t, h - 2 * t, PATINVERT);
    PatBlt(dc, r.Right - t, r.Top + t, t, h - 2 * t, PATINVERT);
    SelectObject(dc, old);
    ReleaseDC(GetDesktopWindow(), dc);
  }

  int FThickness;
  HBITMAP FPattern = nullptr;
  HBRUSH FBrush = nullptr;
  TRect FShown;
  bool FVisible = false;
};

zelvan::paint::TSizeLimits TrackLimits(HWND window) {
  MINMAXINFO info{};
  info.ptMinTrackSize = {GetSystemMetrics(SM_CXMINTRACK), GetSystemMetrics(SM_CYMINTRACK)};
  info.ptMaxTrackSize = {GetSystemMetrics(SM_CXMAXTRACK), GetSystemMetrics(SM_CYMAXTRACK)};
  SendMessageW(window, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
  return {info.ptMinTrackSize.x, info.ptMinTrackSize.y, info.ptMaxTrackSize.x, info.ptMaxTrackSize.y};
}

}  // namespace

// The compositor draws moved windows itself: there the live window is kept.
bool TsSkinProvider::OutlineDragStarted(TMessage& m) {
  const int code = static_cast<int>(m.WParam);
  if (ResizeMode != rmBorder || !zelvan::paint::StartsOutlineDrag(code) || DesktopCompositionEnabled()) return false;
  HWND window = FForm->Handle();
  if (IsZoomed(window) || IsIconic(window)) return false;
  if (code != HTCAPTION && !IsSizeable()) return false;
  OutlineDrag(code, POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
  m.Result = 0;
  return true;
}

void TsSkinProvider::OutlineDrag(int hitCode, POINT start) {
  HWND window = FForm->Handle();
  RECT bounds{};
  GetWindowRect(window, &bounds);
  const TRect from{bounds.left, bounds.top, bounds.right, bounds.bottom};
  const zelvan::paint::TSizeLimits limits = TrackLimits(window);
  TRect current = from;
  bool apply = false;
  SendMessageW(window, WM_ENTERSIZEMOVE, 0, 0);
  SetCapture(window);
  {
    TDragOutline outline(FrameWidth() > 0 ? FrameWidth() : 3);
    outline.Show(current);
    for (bool done = false; !done && GetCapture() == window;) {
      MSG msg;
      if (!GetMessageW(&msg, nullptr, 0, 0)) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        break;
      }
      switch (msg.message) {
        case WM_MOUSEMOVE: {
          // Captured: the position is the window's client coordinates.
          POINT at{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
          ClientToScreen(window, &at);
          const TRect next = zelvan::paint::OutlineDragRect(from, hitCode, at.x - start.x, at.y - start.y, limits);
          if (next != current) {
            current = next;
            outline.Show(current);
          }
          break;
        }
        case WM_LBUTTONUP:
          apply = done = true;
          break;
        case WM_KEYDOWN:
          if (msg.wParam == VK_ESCAPE || msg.wParam == VK_RETURN) {
            apply = msg.wParam == VK_RETURN;
            done = true;
          }
          break;
        case WM_RBUTTONDOWN:
          done = true;
          break;
        default:
          TranslateMessage(&msg);
          DispatchMessageW(&msg);
      }
    }
  }
  if (GetCapture() == window) ReleaseCapture();
  if (!IsWindow(window)) return;
  if (apply && current != from) {
    SetWindowPos(window, nullptr, current.Left, current.Top, current.Width(), current.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  SendMessageW(window, WM_EXITSIZEMOVE, 0, 0);
}
