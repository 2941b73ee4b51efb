#pragma once
// The arithmetic of a control's state fade: how many frames it takes, where a
// reversed fade starts, and how one frame is mixed from the old picture and
// the new one. Frame k of n (k = 1..n) shows k/n of the new picture, so the
// last frame is the new picture itself.

#include <cstdint>

#include "core/image/working_bitmap.h"

namespace zelvan::paint {

enum TFadeDirection { fdNone, fdUp, fdDown };

class TFadeProgress {
 public:
  int Iterations = 0;
  // The frame to make next; frames done = FadeLevel - 1.
  int FadeLevel = 1;
  TFadeDirection Direction = fdNone;

  // Sets up a fade of a section with fadingIterations steps. A fade that was
  // running (previous direction fdUp or fdDown) is reversed: it takes only as
  // many frames as it had done (fdUp), or as it still had to do (fdDown).
  // Half (a press or release) halves the count. Never fewer than one frame.
  void Start(int fadingIterations, bool half, TFadeDirection direction);

  bool Running() const { return Direction != fdNone; }
  // The level lies in 0..Iterations: there is a frame to make.
  bool InRange() const { return FadeLevel >= 0 && FadeLevel <= Iterations; }
  // The new picture's share of the next frame, 0..255.
  uint8_t Weight() const;
  int FramesDone() const { return FadeLevel > 0 ? FadeLevel - 1 : 0; }
};

// frame := from mixed with to, to's share = weight / 255 and exact at 0 and
// 255 (all four bytes). Nothing when the sizes differ: a control resized
// mid-fade keeps its last frame until the fade ends.
void MakeFadeFrame(image::TWorkingBitmap& frame, const image::TWorkingBitmap& from, const image::TWorkingBitmap& to,
                   uint8_t weight);

}  // namespace zelvan::paint
