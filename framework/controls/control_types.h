#pragma once
// Flag sets and event types shared by the controls.

#include <windows.h>

#include <functional>

#include "framework/system/object.h"
#include "framework/system/set.h"

enum TAnchorKind { akLeft, akTop, akRight, akBottom };
using TAnchors = TSet<TAnchorKind>;

// What kind of control this is (set by its class).
enum TControlStyleItem {
  csAcceptsControls,   // a container: clips its children
  csCaptureMouse,      // keeps the mouse while a button is held on it
  csClickEvents,       // a left press and release on it is a click
  csSetCaption,        // its name is its first caption
  csOpaque,            // paints its whole rectangle (parents need not paint under it)
  csDoubleClicks,      // a double click is a double click, not a second press
  csParentBackground,  // shows its parent's background
  csNoStdEvents,       // mouse events are not fired
};
using TControlStyle = TSet<TControlStyleItem>;

// What is going on with the control right now.
enum TControlStateItem {
  csLButtonDown,       // the left button went down on it and is held
  csClicked,           // a press began that may become a click
  csFocusing,          // the framework is moving the focus to it
  csCreating,          // its window is being created
  csDestroyingHandle,  // its window is being destroyed
  csRecreating,        // its window is being destroyed to be made again
  csPaintCopy,         // painting into a copy (a print context)
  csCustomPaint,       // paints itself instead of the platform class
};
using TControlState = TSet<TControlStateItem>;

// A windowed control's bevel: drawn between its border and its client area.
enum TBevelKind { bkNone, bkTile, bkSoft, bkFlat };
enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };
enum TBevelEdge { beLeft, beTop, beRight, beBottom };
using TBevelEdges = TSet<TBevelEdge>;

enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftStateItem { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftStateItem>;

using TNotifyEvent = std::function<void(TObject* sender)>;
using TMouseEvent =
    std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;
using TKeyEvent = std::function<void(TObject* sender, WORD& key, TShiftState shift)>;
using TKeyPressEvent = std::function<void(TObject* sender, wchar_t& key)>;

// Shift state from the mouse message's key flags (and the Alt key's state).
TShiftState MouseShiftState(WPARAM keys);
// Shift state of the keyboard now, as the thread's input state says.
TShiftState KeyboardShiftState();
