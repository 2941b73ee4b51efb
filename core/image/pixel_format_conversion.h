#pragma once
// Direct-colour copies of working bitmaps in any format. Routines that need
// 24- or 32-bit pixels read such a copy, never changing the caller's bitmap.

#include <memory>

#include "core/image/working_bitmap.h"

namespace zelvan::image {

// A copy of source in pf24bit or pf32bit (other targets throw
// std::invalid_argument). Indexed pixels go through the palette; alpha comes
// out 0 when the source has none, as with the platform's own conversion.
std::unique_ptr<TWorkingBitmap> ConvertToDirectColor(const TWorkingBitmap& source, TPixelFormat target);

// source itself when it already has the format, else a converted copy kept
// alive in holder.
const TWorkingBitmap& InFormat(const TWorkingBitmap& source, TPixelFormat target,
                               std::unique_ptr<TWorkingBitmap>& holder);

}  // namespace zelvan::image
