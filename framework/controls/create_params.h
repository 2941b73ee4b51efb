#pragma once
// What a windowed control's window is made from. CreateParams overrides fill
// it; SubClass names the platform class that the control's window class
// (named after the framework class) is a superclass of.

#include <windows.h>

#include <string>

struct TCreateParams {
  std::wstring Caption;
  DWORD Style = 0;
  DWORD ExStyle = 0;
  int X = 0;
  int Y = 0;
  int Width = 0;
  int Height = 0;
  HWND WndParent = nullptr;
  // Class style used when the window class is registered (first use only).
  UINT ClassStyle = CS_DBLCLKS | CS_HREDRAW | CS_VREDRAW;
  // Registered window class: the framework class name ("TButton", "TForm1").
  std::wstring WinClassName;
  // Platform class it is a superclass of ("BUTTON"); empty for a plain frame class.
  std::wstring BaseClassName;

  void SubClass(const wchar_t* platformClass) { BaseClassName = platformClass; }
};
