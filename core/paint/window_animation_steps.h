#pragma once
// The arithmetic of window animations: how many steps an effect time gives,
// and the picture's rectangle (relative to the window, in real pixels) and
// opacity at each step of showing, hiding, minimising and translucent moving.

#include <cstdint>

#include "core/paint/geometry.h"

namespace zelvan::paint {

struct TAnimFrame {
  double Left = 0, Top = 0, Right = 0, Bottom = 0;
  double Alpha = 0;
};

// Window animations step every 12 ms: time div 12 steps, 0 meaning none.
int WindowAnimationSteps(unsigned timeMs);

// Step 0..steps of showing a width x height picture: the opacity grows by
// target / steps a step up to target; zooming starts inset by an eighth of the
// size on every side and reaches the full size at the last step.
TAnimFrame ShowAnimationFrame(int step, int steps, int width, int height, uint8_t targetAlpha, bool zoom);

// Step 0..steps of hiding: the opacity falls by start / steps a step, never
// below 0; zooming shrinks by an eighth of the size per side over the steps.
TAnimFrame HideAnimationFrame(int step, int steps, int width, int height, uint8_t startAlpha, bool zoom);

// Minimising steps every 15 ms: max(time div 15, 1) steps.
int MinimizeAnimationSteps(unsigned timeMs);

// Step 0..steps - 1 of moving the picture from one screen rectangle to
// another, its opacity going from alphaFrom to alphaTo; the last step is there.
TAnimFrame MinimizeAnimationFrame(int step, int steps, const TRect& from, const TRect& to, uint8_t alphaFrom,
                                  uint8_t alphaTo);

// Where a minimised form goes: the inner edge of the taskbar at the form's
// centre line. Without a taskbar (an empty rect) the middle of the work
// area's bottom edge.
TPoint MinimizeTarget(const TRect& taskbar, const TRect& screen, const TRect& workArea, const TRect& form);

// The opacity of a window dragged by its caption: it starts at Current and
// falls by Step each tick until it reaches Target, never past it.
struct TMoveBlend {
  uint8_t Target = 255;
  uint8_t Current = 255;
  uint8_t Step = 1;

  // A form: currentAlpha is its own alpha-blend value (255 without one); the
  // effect lowers it to effectValue over timeMs (at once below 13 ms).
  static TMoveBlend ForForm(uint8_t currentAlpha, uint8_t effectValue, bool allowed, unsigned timeMs);
  // A dialog: from opaque to effectValue in about 30 ticks.
  static TMoveBlend ForDialog(uint8_t effectValue);
  // After the current opacity was applied: one step towards the target.
  void Advance();
};

}  // namespace zelvan::paint
