#pragma once
// Filtered two-pass resampling (rows, then columns) with 16.16 fixed-point
// weights, used to stretch mask images smoothly.

#include <memory>

#include "core/image/working_bitmap.h"

namespace zelvan::paint {

// Kind numbers as the skin engine stores them; the engine selects triangle,
// Hermite and Mitchell.
enum class TFilterKind { fkBox = 0, fkTriangle, fkHermite, fkBell, fkSpline, fkLanczos3, fkMitchell };

double FilterSupport(TFilterKind kind);
double FilterValue(TFilterKind kind, double distance);  // distance >= 0

// destination := source resampled to newWidth x newHeight: 32-bit sources as
// four channels, any other as 24-bit three. A source narrower or lower than
// 2 pixels throws std::runtime_error("Source bitmap is too small"); a new
// height of 0 (or a negative size) leaves destination as it is; the same size
// makes destination a plain copy of source.
void Resample(const image::TWorkingBitmap& source, std::unique_ptr<image::TWorkingBitmap>& destination, int newWidth,
              TFilterKind filter, int newHeight);

}  // namespace zelvan::paint
