#include "core/paint/window_animation_steps.h"

#include <algorithm>
#include <cmath>

namespace zelvan::paint {

int WindowAnimationSteps(unsigned timeMs) { return static_cast<int>(timeMs / 12); }

namespace {

TAnimFrame Inset(int width, int height, double share, double alpha) {
  const double dx = width * share, dy = height * share;
  return {dx, dy, width - dx, height - dy, alpha};
}

}  // namespace

TAnimFrame ShowAnimationFrame(int step, int steps, int width, int height, uint8_t targetAlpha, bool zoom) {
  if (steps <= 0) return Inset(width, height, 0, targetAlpha);
  step = std::clamp(step, 0, steps);
  const double alpha = std::min<double>(targetAlpha, step * (static_cast<double>(targetAlpha) / steps));
  // An eighth at step 0, less by 1/(8 steps) each step: nothing at the last.
  const double share = zoom ? (steps - step) / (8.0 * steps) : 0;
  return Inset(width, height, share, alpha);
}

TAnimFrame HideAnimationFrame(int step, int steps, int width, int height, uint8_t startAlpha, bool zoom) {
  if (steps <= 0) return Inset(width, height, 0, 0);
  step = std::clamp(step, 0, steps);
  const double alpha = std::max(0.0, startAlpha - step * (static_cast<double>(startAlpha) / steps));
  const double share = zoom ? step / (8.0 * steps) : 0;
  return Inset(width, height, share, alpha);
}

int MinimizeAnimationSteps(unsigned timeMs) { return std::max(static_cast<int>(timeMs / 15), 1); }

TAnimFrame MinimizeAnimationFrame(int step, int steps, const TRect& from, const TRect& to, uint8_t alphaFrom,
                                  uint8_t alphaTo) {
  const int last = std::max(1, steps - 1);
  const double f = std::clamp(step, 0, last) / static_cast<double>(last);
  auto along = [f](int a, int b) { return a + (b - a) * f; };
  return {along(from.Left, to.Left), along(from.Top, to.Top), along(from.Right, to.Right),
          along(from.Bottom, to.Bottom), along(alphaFrom, alphaTo)};
}

TPoint MinimizeTarget(const TRect& taskbar, const TRect& screen, const TRect& workArea, const TRect& form) {
  const int centreX = (form.Left + form.Right) / 2, centreY = (form.Top + form.Bottom) / 2;
  if (taskbar.IsEmpty()) return {(workArea.Left + workArea.Right) / 2, workArea.Bottom};
  if (taskbar.Width() >= taskbar.Height()) {
    // Across the screen: at the top or the bottom, whichever half it lies in.
    const bool atTop = taskbar.Top + taskbar.Bottom < screen.Top + screen.Bottom;
    return {centreX, atTop ? taskbar.Bottom : taskbar.Top};
  }
  const bool atLeft = taskbar.Left + taskbar.Right < screen.Left + screen.Right;
  return {atLeft ? taskbar.Right : taskbar.Left, centreY};
}

TMoveBlend TMoveBlend::ForForm(uint8_t currentAlpha, uint8_t effectValue, bool allowed, unsigned timeMs) {
  TMoveBlend blend;
  blend.Current = currentAlpha;
  blend.Target = allowed ? effectValue : 255;
  const int range = 255 - blend.Target;
  const int step = timeMs < 13 ? range : static_cast<int>(std::lround(range / (timeMs / 12.0)));
  blend.Step = static_cast<uint8_t>(std::clamp(step, 1, 255));
  return blend;
}

TMoveBlend TMoveBlend::ForDialog(uint8_t effectValue) {
  TMoveBlend blend;
  blend.Target = effectValue;
  // A value close to opaque would give a step of 0 and never change.
  blend.Step = static_cast<uint8_t>(std::max((255 - effectValue) / 30, 1));
  return blend;
}

void TMoveBlend::Advance() {
  if (Current > Target) Current = static_cast<uint8_t>(std::max<int>(Current - Step, Target));
}

}  // namespace zelvan::paint
