// Entry point of the renamer. Until the main window exists this shows a
// placeholder window, so the build, the run script and Wine can be checked.
#include <windows.h>

namespace {

LRESULT CALLBACK PlaceholderProc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(wnd, &ps);
      RECT r;
      GetClientRect(wnd, &r);
      SetBkMode(dc, TRANSPARENT);
      DrawTextW(dc, L"Zelvan批量改名：主窗口尚在建造中", -1, &r,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      EndPaint(wnd, &ps);
      return 0;
    }
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(wnd, msg, wp, lp);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = PlaceholderProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = L"TForm1";
  if (!RegisterClassExW(&wc)) return 1;

  HWND wnd = CreateWindowExW(0, L"TForm1", L"Zelvan批量改名", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                             CW_USEDEFAULT, 547, 502, nullptr, nullptr, instance, nullptr);
  if (!wnd) return 1;
  ShowWindow(wnd, show);
  UpdateWindow(wnd);

  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
