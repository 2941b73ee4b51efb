#pragma once
// Mixing two colour values (not pixels).

#include "core/paint/color.h"

namespace zelvan::paint {

// Per colour byte Round(f * a + (1 - f) * b), half to even; the top byte is a's.
TColor MixColors(TColor a, TColor b, double f);

// Per colour byte (a * 127 + b * 129) shr 8; the top byte is 0.
TColor AverageColors(TColor a, TColor b);

}  // namespace zelvan::paint
