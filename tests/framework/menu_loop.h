#pragma once
// Runs code inside the platform's modal menu loop: a thread timer fires while
// a popup is open, finds the open menu window ("#32768"), hands it to the
// test's action and then closes the menu (unless the action chose an item).

#include <windows.h>

#include <functional>

struct TMenuLoopProbe {
  // Called once with the visible menu window; return true when the action
  // closes the menu itself (by choosing an item).
  std::function<bool(HWND menuWindow)> Action;
  bool Ran = false;
  int Ticks = 0;
};

inline TMenuLoopProbe*& CurrentMenuProbe() {
  static TMenuLoopProbe* probe = nullptr;
  return probe;
}

inline HWND OpenMenuWindow() {
  for (HWND w = FindWindowExW(nullptr, nullptr, L"#32768", nullptr); w; w = FindWindowExW(nullptr, w, L"#32768", nullptr)) {
    if (IsWindowVisible(w)) return w;
  }
  return nullptr;
}

inline void CALLBACK MenuProbeTick(HWND, UINT, UINT_PTR id, DWORD) {
  TMenuLoopProbe* probe = CurrentMenuProbe();
  if (!probe || probe->Ran) {
    KillTimer(nullptr, id);
    return;
  }
  HWND menu = OpenMenuWindow();
  // Give the menu a few ticks to be painted, and give up after many.
  if ((!menu || ++probe->Ticks < 3) && probe->Ticks < 100) {
    if (!menu) ++probe->Ticks;
    return;
  }
  probe->Ran = true;
  KillTimer(nullptr, id);
  const bool chose = menu && probe->Action && probe->Action(menu);
  if (!chose) EndMenu();
}

// Shows a menu through `show` (which returns when the menu loop ends) with
// the probe running inside the loop.
inline void WithMenuProbe(TMenuLoopProbe& probe, const std::function<void()>& show) {
  CurrentMenuProbe() = &probe;
  SetTimer(nullptr, 0, 20, MenuProbeTick);
  show();
  CurrentMenuProbe() = nullptr;
}

// Chooses the menu's item at `index` (counting every item) with the keyboard.
inline void ChooseWithKeys(HWND menuWindow, int downs) {
  for (int i = 0; i < downs; ++i) PostMessageW(menuWindow, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageW(menuWindow, WM_KEYDOWN, VK_RETURN, 0);
}
