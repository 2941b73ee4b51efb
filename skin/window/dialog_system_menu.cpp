#include "skin/window/dialog_system_menu.h"

#include "core/paint/dialog_frame.h"
#include "skin/window/dialog_wnd.h"
#include "skin/window/system_menu.h"

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
  ApplySysMenuState(zelvan::paint::DialogSysMenuState(FOwner->Facts()), ItemRestore, ItemMove, ItemSize, ItemMinimize,
                    ItemMaximize, ItemClose);
}

void TacSystemMenu::Send(WPARAM command, bool updateAfter) {
  SendMessageW(FOwner->CtrlHandle, WM_SYSCOMMAND, command, 0);
  if (updateAfter) UpdateItems();
}
