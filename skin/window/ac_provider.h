#pragma once
// TacProvider: what the manager's window hook makes for a window that has no
// skin provider of its own. For a framework form it creates the form's
// automatic TsSkinProvider (the form owns both); for a platform dialog it
// wraps the dialog window itself (TacDialogWnd) and every child window with
// the wrappers the dialog table names, and owns those wrappers.
//
// Providers are listed in AutoSkinnedWindowList; the list's slot is emptied
// when one goes.

#include <windows.h>

#include <memory>
#include <vector>

#include "framework/component/component.h"
#include "skin/core/skinned_windows.h"

class TacDialogWnd;
class TacMainWnd;
class TCustomForm;
class TsSkinProvider;

class TacProvider : public TComponent, public TacAutoSkinned {
 public:
  // owner: the form (form variant), or null (dialog variant).
  explicit TacProvider(TComponent* owner);
  ~TacProvider() override;
  std::wstring ClassName() const override { return L"TacProvider"; }
  void Notification(TComponent* component, TOperation operation) override;

  // --- TacAutoSkinned: the dialog window; none for the form variant, whose
  // form is served through its TsSkinProvider.
  HWND SkinnedWindow() const override { return CtrlHandle; }

  bool BiDiLeft = false;
  HWND CtrlHandle = nullptr;
  TsSkinProvider* sp = nullptr;
  std::unique_ptr<TacDialogWnd> ListSW;
  std::vector<std::unique_ptr<TacMainWnd>> acSkinnedCtrls;

  // Form variant: the form gets its automatic provider.
  void InitForm(TCustomForm* form);
  // Dialog variant: wraps the dialog and its children; false when the dialog
  // could not be wrapped.
  bool InitSkin(HWND window);
  // Wraps the child windows (depth first) that are not wrapped yet; false
  // when the window is gone.
  bool InitHwndControls(HWND window);
  // Wraps one child window when the dialog table has a wrapper for it; false
  // only for a window that no longer exists.
  bool AddControl(HWND window);
  TacMainWnd* FindCtrlInList(HWND window) const;
  // Prints the child windows into dc (its origin at window's client origin).
  void PrintHwndControls(HWND window, HDC dc);
  // The dialog wrapper saw its window destroyed: the provider may go.
  bool DialogGone() const;

 private:
  void EmptySlot();
};

// The provider of a window in AutoSkinnedWindowList, or null.
TacProvider* AutoProviderOf(HWND window);
// Providers of dialogs that are visible now.
int VisibleSkinnedDialogs();
