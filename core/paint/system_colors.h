#pragma once
// System colours travel as 0xFF000000 + index (the top bit set) and must be
// turned into RGB before any pixel routine sees them. On Windows the platform
// layer installs a resolver that asks the system; otherwise a fixed table of
// the classic Windows defaults answers.

#include "core/paint/color.h"

namespace zelvan::paint {

using TSystemColorResolver = TColor (*)(int index);

// nullptr restores the built-in table of classic defaults.
void SetSystemColorResolver(TSystemColorResolver resolver);

// A colour with the top bit clear is returned unchanged; a system colour
// becomes the RGB of its index (low byte), 0 for an unknown index.
TColor ColorToRGB(TColor color);

// The built-in classic default of a system colour index, 0 when unknown.
TColor ClassicSystemColor(int index);

}  // namespace zelvan::paint
