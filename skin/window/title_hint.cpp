#include "skin/window/title_hint.h"

#include <algorithm>

#include "skin/window/private_window_class.h"

namespace {

constexpr wchar_t kClassName[] = L"TacTitleHint";
constexpr int kPadX = 4;
constexpr int kPadY = 2;

// The platform's status font, the one its own hints use.
HFONT HintFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return nullptr;
  return CreateFontIndirectW(&metrics.lfStatusFont);
}

LRESULT CALLBACK HintProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps{};
      HDC dc = BeginPaint(window, &ps);
      RECT r{};
      GetClientRect(window, &r);
      FillRect(dc, &r, GetSysColorBrush(COLOR_INFOBK));
      FrameRect(dc, &r, GetSysColorBrush(COLOR_INFOTEXT));
      if (const auto* hint = reinterpret_cast<const TacTitleHint*>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
        HFONT font = HintFont();
        HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(COLOR_INFOTEXT));
        InflateRect(&r, -kPadX, -kPadY);
        DrawTextW(dc, hint->Text().c_str(), static_cast<int>(hint->Text().size()), &r, DT_NOPREFIX | DT_SINGLELINE);
        if (font) DeleteObject(SelectObject(dc, old));
      }
      EndPaint(window, &ps);
      return 0;
    }
    default:
      return DefWindowProcW(window, msg, wParam, lParam);
  }
}

SIZE TextSize(const std::wstring& text) {
  SIZE size{};
  HDC dc = GetDC(nullptr);
  HFONT font = HintFont();
  HGDIOBJ old = font ? SelectObject(dc, font) : nullptr;
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  if (font) DeleteObject(SelectObject(dc, old));
  ReleaseDC(nullptr, dc);
  return size;
}

}  // namespace

TacTitleHint::~TacTitleHint() {
  if (FWindow) DestroyWindow(FWindow);
}

void TacTitleHint::Show(const std::wstring& text, POINT at, HWND owner) {
  if (text.empty()) return Hide();
  static const bool registered = RegisterPrivateWindowClass(kClassName, HintProc, LoadCursorW(nullptr, IDC_ARROW));
  if (!registered) return;
  FText = text;
  const SIZE size = TextSize(text);
  const int width = size.cx + 2 * kPadX, height = size.cy + 2 * kPadY;
  // Kept on the monitor the point is on.
  MONITORINFO monitor{};
  monitor.cbSize = sizeof(monitor);
  if (GetMonitorInfoW(MonitorFromPoint(at, MONITOR_DEFAULTTONEAREST), &monitor)) {
    at.x = std::max<LONG>(monitor.rcWork.left, std::min<LONG>(at.x, monitor.rcWork.right - width));
    at.y = std::max<LONG>(monitor.rcWork.top, std::min<LONG>(at.y, monitor.rcWork.bottom - height));
  }
  if (!FWindow) {
    FWindow = CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT, kClassName, L"",
                              WS_POPUP, at.x, at.y, width, height, owner, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!FWindow) return;
    SetWindowLongPtrW(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  }
  SetWindowPos(FWindow, HWND_TOPMOST, at.x, at.y, width, height, SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(FWindow, nullptr, TRUE);
}

void TacTitleHint::Hide() {
  if (FWindow) {
    DestroyWindow(FWindow);
    FWindow = nullptr;
  }
  FText.clear();
}
