#include "framework/controls/window_class_registry.h"

#include <map>
#include <string>

#include "framework/system/exception.h"

WNDPROC TWindowClassRegistry::Register(const TCreateParams& params, WNDPROC frameworkProc) {
  static std::map<std::wstring, WNDPROC> previousProcs;
  auto found = previousProcs.find(params.WinClassName);
  if (found != previousProcs.end()) return found->second;

  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  WNDPROC previous = DefWindowProcW;
  if (params.BaseClassName.empty()) {
    wc.style = params.ClassStyle;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  } else {
    if (!GetClassInfoExW(nullptr, params.BaseClassName.c_str(), &wc) &&
        !GetClassInfoExW(instance, params.BaseClassName.c_str(), &wc)) {
      throw Exception(L"Unknown window class " + params.BaseClassName);
    }
    previous = wc.lpfnWndProc;
    wc.cbSize = sizeof(wc);
    wc.style &= ~static_cast<UINT>(CS_GLOBALCLASS);
  }
  wc.lpfnWndProc = frameworkProc;
  wc.hInstance = instance;
  wc.lpszClassName = params.WinClassName.c_str();
  if (!RegisterClassExW(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) {
    throw Exception(L"Cannot register window class " + params.WinClassName);
  }
  previousProcs.emplace(params.WinClassName, previous);
  return previous;
}
