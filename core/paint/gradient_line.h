#pragma once
// The colours of a kind 0 or kind 1 gradient along its axis, shared by the
// plain and the textured gradient painters.

#include <cstdint>
#include <vector>

#include "core/paint/gradient.h"

namespace zelvan::paint {

// Pixels (alpha 255) for positions start .. limit - 1 of the axis, where
// length is the clipped rect's extent along it. Piece i covers s(i)..e(i),
// both included, s(i + 1) = e(i), so the later piece wins the shared position.
// Kind 0 ends a piece at s + length * Percent div 100, kind 1 at
// Round(Percent * length / 100 + s); both at most limit - 1, the last piece
// exactly there. Empty when nothing is painted (fewer than two positions).
std::vector<uint32_t> GradientLine(const TsGradArray& gradient, int32_t kind, int start, int limit, int length);

}  // namespace zelvan::paint
