#pragma once
// The skin-change animation's hold on the forms: while engaged, FormsLocked
// is set (when the default manager animates skin changes) and redrawing is
// off for every visible, non-minimised, top-level form with a provider of the
// manager. Released in the destructor, so a failing broadcast cannot leave
// the application frozen.

#include <windows.h>

#include <vector>

class TsSkinManager;

class TSkinChangeLock {
 public:
  TSkinChangeLock(TsSkinManager& manager, bool engage);
  ~TSkinChangeLock();
  TSkinChangeLock(const TSkinChangeLock&) = delete;
  TSkinChangeLock& operator=(const TSkinChangeLock&) = delete;

  // Redraws on, each form changes to its new look, then is redrawn whole.
  void Release() noexcept;

 private:
  TsSkinManager& FManager;
  bool FEngaged = false;
  bool FSetFlag = false;
  std::vector<HWND> FFrozen;
};
