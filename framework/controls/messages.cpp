#include "framework/controls/messages.h"

UINT ReflectedMessage(UINT msg) {
  switch (msg) {
    case WM_COMMAND: return CN_COMMAND;
    case WM_NOTIFY: return CN_NOTIFY;
    case WM_DRAWITEM: return CN_DRAWITEM;
    case WM_MEASUREITEM: return CN_MEASUREITEM;
    case WM_CTLCOLORBTN: return CN_CTLCOLORBTN;
    case WM_CTLCOLOREDIT: return CN_CTLCOLOREDIT;
    case WM_CTLCOLORLISTBOX: return CN_CTLCOLORLISTBOX;
    case WM_CTLCOLORSCROLLBAR: return CN_CTLCOLORSCROLLBAR;
    case WM_CTLCOLORSTATIC: return CN_CTLCOLORSTATIC;
    case WM_HSCROLL: return CN_HSCROLL;
    case WM_VSCROLL: return CN_VSCROLL;
    default: return 0;
  }
}
