#pragma once
// TacSystemMenu: the skinned system menu of an automatically skinned platform
// dialog. Its entries follow the dialog's style and state; a click sends the
// dialog the window command.

#include <windows.h>

#include "framework/menus/menu.h"

class TacDialogWnd;

class TacSystemMenu : public TPopupMenu {
 public:
  explicit TacSystemMenu(TacDialogWnd* owner);
  std::wstring ClassName() const override { return L"TacSystemMenu"; }

  TacDialogWnd* FOwner;
  TMenuItem* ItemRestore = nullptr;
  TMenuItem* ItemMove = nullptr;
  TMenuItem* ItemSize = nullptr;
  TMenuItem* ItemMinimize = nullptr;
  TMenuItem* ItemMaximize = nullptr;
  TMenuItem* ItemClose = nullptr;

  // Visibility and enabling by the dialog's style and state.
  void UpdateItems();

 private:
  void Send(WPARAM command, bool updateAfter);
};
