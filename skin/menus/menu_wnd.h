#pragma once
// TacMnuWnd: the wrapper of a platform popup-menu window ("#32768"). It
// answers the menu painter's questions about the window's border, paints the
// window's background and frame from the popup's prepared background, and
// makes the window translucent when the manager's menu settings ask so.
//
// Wrappers live in SkinnedMenuWindows. One that sees its window destroyed
// frees the other finished wrappers at once and leaves itself to the next
// destruction (it is still on the stack then).

#include <windows.h>

#include <vector>

#include "skin/window/main_wnd.h"

class TacMnuWnd : public TacMainWnd {
 public:
  TacMnuWnd(HWND handle, TsSkinManager* manager);
  bool RgnChanged = false;  // border and region are in place
  bool Shown = false;       // painted at least once
  void WrapperWndProc(TMessage& message) override;

 private:
  void EraseBackground(TMessage& message);
  void PaintFrame();
  void ApplyOpacity();
  void WindowGone(TMessage& message);
};

std::vector<TacMnuWnd*>& SkinnedMenuWindows();
// Wraps a menu window once; other windows are left alone.
void WrapMenuWindow(HWND window, TsSkinManager* manager);
// Frees every wrapper whose window is gone (all of them with `all`).
void FreeMenuWrappers(bool all);
// Frees the wrappers that follow a manager going away (their windows get their procedures back).
void FreeMenuWrappersOf(TsSkinManager* manager);
