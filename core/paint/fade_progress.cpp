#include "core/paint/fade_progress.h"

#include <algorithm>

#include "core/paint/weighted_blend.h"

namespace zelvan::paint {

void TFadeProgress::Start(int fadingIterations, bool half, TFadeDirection direction) {
  const int full = std::max(fadingIterations, 1);
  // The frames already shown, clamped: a finished fade waiting to be freed
  // counts as complete.
  const int done = std::clamp(FramesDone(), 0, std::max(Iterations, 0));
  switch (Direction) {
    case fdUp: Iterations = done; break;
    case fdDown: Iterations = std::max(full - done, 0); break;
    case fdNone: Iterations = full; break;
  }
  if (half) Iterations /= 2;
  Iterations = std::max(Iterations, 1);
  FadeLevel = 1;
  Direction = direction;
}

uint8_t TFadeProgress::Weight() const {
  if (Iterations <= 0) return 255;
  const int level = std::clamp(FadeLevel, 0, Iterations);
  return static_cast<uint8_t>(level * 255 / Iterations);
}

void MakeFadeFrame(image::TWorkingBitmap& frame, const image::TWorkingBitmap& from, const image::TWorkingBitmap& to,
                   uint8_t weight) {
  // CrossFade's weight is the first bitmap's share of 256: 255 - weight keeps
  // from exact at weight 0 (up to 1/256) and gives to exactly at 255.
  CrossFade(frame, from, to, static_cast<uint8_t>(255 - weight));
}

}  // namespace zelvan::paint
