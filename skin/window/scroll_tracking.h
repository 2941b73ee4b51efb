#pragma once
// The mouse on skinned scroll bars: hot tracking, arrows and pages that
// repeat while held, thumb dragging. One set of state for the process: the
// mouse has one capture, so only one bar is pressed at a time, and only one
// bar is hot.

#include <windows.h>

#include "core/paint/scroll_geometry.h"
#include "framework/controls/messages.h"

class TacScrollWnd;
struct TacScrollBar;

// How a bar is to look beside its scroll information.
struct TBarLook {
  zelvan::paint::TScrollPart Pressed = zelvan::paint::spNone;  // shown pressed
  zelvan::paint::TScrollPart Hot = zelvan::paint::spNone;
  bool Dragging = false;        // Thumb is where the drag put it
  zelvan::paint::TThumb Thumb;  // while dragging
};

class TScrollTracker {
 public:
  // The wrapper's share of the mouse messages; true when it took the message.
  static bool HandleMouse(TacScrollWnd& wnd, TMessage& message);
  // A tick of one of the interaction's timers on the wrapper's window.
  static void Tick(TacScrollWnd& wnd, UINT_PTR id);
  // The wrapper goes: nothing may point at it any more.
  static void Forget(TacScrollWnd& wnd);
  // True while a held part repeats or the thumb is dragged on this wrapper:
  // the bars are painted by the interaction then.
  static bool HoldsRepaints(const TacScrollWnd& wnd);
  static TBarLook LookOf(const TacScrollWnd& wnd, const TacScrollBar& bar);
  // The scroll message of a bar sent as the platform's bar would send it.
  static void SendScroll(TacScrollWnd& wnd, UINT msg, int code, int position);
};
