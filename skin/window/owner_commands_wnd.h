#pragma once
// A scroll wrapper over a skinned control that answers skin commands itself
// (TsListView, TsTreeView, TsScrollBox): the wrapper paints and drives the
// bars, but every skin command goes on to the control, whose answers (its
// background offset by its border, its refresh, its scrolling) are the right
// ones; the wrapper's stand-in answers are for windows without such a control.

#include "skin/core/skin_messages.h"
#include "skin/window/scroll_wnd.h"

template <class Base>
class TacOwnerCommandsWnd : public Base {
 public:
  using Base::Base;
  void WrapperWndProc(TMessage& message) override {
    // The updating switch is the wrapper's own state (bars held while set).
    if (message.Msg == SKM_COMMAND && !this->Destroyed && SkinCommandCode(message.WParam) != SKC_SET_UPDATING) {
      this->CallPrevWndProc(message);
      return;
    }
    Base::WrapperWndProc(message);
  }
};
