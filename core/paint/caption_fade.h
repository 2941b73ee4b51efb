#pragma once
// The opacity steps of a caption button's fade: level 1, 2, ... of `steps`
// gives min(s x level, 255) with s = 255 div steps, the last level 255 so a
// fade always ends fully opaque.
#include <cstdint>

namespace zelvan::paint {

inline uint8_t CaptionFadeOpacity(int level, int steps) {
  if (steps < 1) steps = 1;
  if (level <= 0) return 0;
  if (level >= steps) return 255;
  const int step = 255 / steps;
  return static_cast<uint8_t>(step * level > 255 ? 255 : step * level);
}

}  // namespace zelvan::paint
