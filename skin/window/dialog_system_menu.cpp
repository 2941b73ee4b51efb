#include "skin/window/dialog_system_menu.h"

#include "core/paint/dialog_frame.h"
#include "skin/window/dialog_wnd.h"

TacSystemMenu::TacSystemMenu(TacDialogWnd* owner) : TPopupMenu(nullptr), FOwner(owner) {
  const auto add = [this](const wchar_t* name, const wchar_t* caption, WPARAM command, bool updateAfter) {
    TMenuItem* item = Items().Add(caption, [this, command, updateAfter](TObject*) { Send(command, updateAfter); });
    item->SetName(name);
    item->SetTag(static_cast<intptr_t>(command));
    return item;
  };
  ItemRestore = add(L"miRestore", L"Restore", SC_RESTORE, true);
  ItemMove = add(L"miMove", L"Move", SC_MOVE, false);
  ItemSize = add(L"miSize", L"Size", SC_SIZE, false);
  ItemMinimize = add(L"miMinimize", L"Minimize", SC_MINIMIZE, false);
  ItemMaximize = add(L"miMaximize", L"Maximize", SC_MAXIMIZE, true);
  Items().Add(L"-");
  ItemClose = add(L"miClose", L"Close", SC_CLOSE, false);
  ItemClose->ShortCutText = L"Alt+F4";
}

void TacSystemMenu::UpdateItems() {
  const zelvan::paint::TSysMenuState state = zelvan::paint::DialogSysMenuState(FOwner->Facts());
  const auto set = [](TMenuItem* item, const zelvan::paint::TSysMenuEntry& entry) {
    item->Visible = entry.Visible;
    item->Enabled = entry.Enabled;
  };
  set(ItemRestore, state.Restore);
  set(ItemMove, state.Move);
  set(ItemSize, state.Size);
  set(ItemMinimize, state.Minimize);
  set(ItemMaximize, state.Maximize);
  set(ItemClose, state.Close);
}

void TacSystemMenu::Send(WPARAM command, bool updateAfter) {
  SendMessageW(FOwner->CtrlHandle, WM_SYSCOMMAND, command, 0);
  if (updateAfter) UpdateItems();
}
