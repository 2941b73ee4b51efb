#include "core/paint/color_mix.h"

#include "core/paint/pixel.h"
#include "core/paint/system_colors.h"

namespace zelvan::paint {

TColor MixColors(TColor a, TColor b, double f) {
  a = ColorToRGB(a);
  b = ColorToRGB(b);
  TColor result = a & 0xFF000000u;
  for (int shift = 0; shift < 24; shift += 8) {
    const double ca = (a >> shift) & 0xFF;
    const double cb = (b >> shift) & 0xFF;
    result |= static_cast<TColor>(RoundToByte(f * ca + (1 - f) * cb)) << shift;
  }
  return result;
}

TColor AverageColors(TColor a, TColor b) {
  a = ColorToRGB(a);
  b = ColorToRGB(b);
  TColor result = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const TColor ca = (a >> shift) & 0xFF;
    const TColor cb = (b >> shift) & 0xFF;
    result |= ((ca * 127 + cb * 129) >> 8) << shift;
  }
  return result;
}

}  // namespace zelvan::paint
