#include "skin/window/private_window_class.h"

bool RegisterPrivateWindowClass(const wchar_t* name, WNDPROC proc, HCURSOR cursor) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = proc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.hCursor = cursor;
  wc.lpszClassName = name;
  return RegisterClassW(&wc) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}
