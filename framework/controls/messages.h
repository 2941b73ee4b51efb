#pragma once
// The message record that travels through a control's handler chain, and the
// framework's own notifications.
//
// Notifications (CM_*) are sent by the framework when a control's state
// changes; they start at 0xB000 (CM_ACTIVATE, the application became active,
// is 0xB000 itself). Reflected notifications (CN_*) carry a message that the
// platform sent to a parent (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, WM_CTLCOLOR*,
// scrolling) back to the child control it concerns. The whole range
// 0xB000-0xB0FF stays clear of the skin engine's 0xA100, 0xA400, 0xBCB3, 0xBCB4.

#include <windows.h>

struct TMessage {
  UINT Msg;
  WPARAM WParam;
  LPARAM LParam;
  LRESULT Result;
};

// Notification           number   WParam / LParam                          sent to
constexpr UINT CM_BASE = 0xB000;
constexpr UINT CM_ACTIVATE = CM_BASE + 0x00;            // -                 application window, on activation
constexpr UINT CM_DEACTIVATE = CM_BASE + 0x01;          // -                 application window, on deactivation
constexpr UINT CM_MOUSEENTER = CM_BASE + 0x02;          // LParam: 0 for the control itself, else the child the mouse entered (told to its parents)
constexpr UINT CM_MOUSELEAVE = CM_BASE + 0x03;          // as CM_MOUSEENTER
constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 0x04;      // LParam: 0 for the control itself, else the ancestor whose Enabled changed
constexpr UINT CM_VISIBLECHANGED = CM_BASE + 0x05;      // WParam: new Visible
constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 0x06;      // -                 every control whose Showing changed, parents first
constexpr UINT CM_FONTCHANGED = CM_BASE + 0x07;         // -                 the control whose Font changed
constexpr UINT CM_COLORCHANGED = CM_BASE + 0x08;        // -                 the control whose Color changed
constexpr UINT CM_PARENTFONTCHANGED = CM_BASE + 0x09;   // -                 each child of a control whose font changed
constexpr UINT CM_PARENTCOLORCHANGED = CM_BASE + 0x0A;  // -                 each child of a control whose colour changed
constexpr UINT CM_TEXTCHANGED = CM_BASE + 0x0B;         // -                 the control whose Text changed
constexpr UINT CM_FOCUSCHANGED = CM_BASE + 0x0C;        // LParam: the focused control   the form, then every control in it
constexpr UINT CM_ENTER = CM_BASE + 0x0D;               // -                 control that received the focus within its form
constexpr UINT CM_EXIT = CM_BASE + 0x0E;                // -                 control that lost the focus within its form
constexpr UINT CM_DIALOGKEY = CM_BASE + 0x0F;           // WParam: virtual key, LParam: key data; Result 1 = handled
constexpr UINT CM_DIALOGCHAR = CM_BASE + 0x10;          // WParam: character, LParam: key data; Result 1 = handled
constexpr UINT CM_HITTEST = CM_BASE + 0x11;             // LParam: point (x, y) in the control; Result 1 = the point is on it
constexpr UINT CM_CANCELMODE = CM_BASE + 0x12;          // LParam: the control taking over    control with mouse capture
constexpr UINT CM_RELEASE = CM_BASE + 0x13;             // -                 posted to a form by Release: the form deletes itself
constexpr UINT CM_TABSTOPCHANGED = CM_BASE + 0x14;      // -                 the control whose TabStop changed
constexpr UINT CM_CONTROLLISTCHANGE = CM_BASE + 0x15;   // WParam: the control, LParam: 1 inserted, 0 removed   the parent
constexpr UINT CM_CONTROLCHANGE = CM_BASE + 0x16;       // WParam: the control           the parent, after a child moved, was resized, shown or hidden

// Reflected notifications: the original message's parameters, to the child.
constexpr UINT CN_BASE = CM_BASE + 0x80;
constexpr UINT CN_COMMAND = CN_BASE + 0x00;
constexpr UINT CN_NOTIFY = CN_BASE + 0x01;
constexpr UINT CN_DRAWITEM = CN_BASE + 0x02;
constexpr UINT CN_MEASUREITEM = CN_BASE + 0x03;
constexpr UINT CN_CTLCOLORBTN = CN_BASE + 0x04;
constexpr UINT CN_CTLCOLOREDIT = CN_BASE + 0x05;
constexpr UINT CN_CTLCOLORLISTBOX = CN_BASE + 0x06;
constexpr UINT CN_CTLCOLORSCROLLBAR = CN_BASE + 0x07;
constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + 0x08;
constexpr UINT CN_HSCROLL = CN_BASE + 0x09;
constexpr UINT CN_VSCROLL = CN_BASE + 0x0A;
constexpr UINT CN_LAST = CN_VSCROLL;

// The reflected notification of a parent message, or 0 when it has none.
UINT ReflectedMessage(UINT msg);
