#pragma once
// The fill of a skin section's state: its texture, its gradient and its
// colour, mixed by their shares, over one rect of a 32-bit bitmap.

#include "core/image/jpeg_image.h"
#include "core/image/working_bitmap.h"
#include "core/paint/cache_info.h"
#include "core/paint/color.h"
#include "core/paint/geometry.h"
#include "core/paint/gradient.h"
#include "core/store/skin_types.h"

namespace zelvan::paint {

// A texture: an image part or, when there is none, a stored pattern.
struct TItemTexture {
  const store::TsMaskData* Part = nullptr;
  const image::TJpegImage* Pattern = nullptr;
};

struct TItemFill {
  int ImagePercent = 0;     // i, 0..100
  int GradientPercent = 0;  // g, 0..100
  TColor Color = 0;         // c
  const TsGradArray* Gradient = nullptr;
  TItemTexture Texture;
  // Whether shares adding up to 100 may go through the one-pass gradient
  // texture painter (the wrappers' fill has no such step).
  bool Combined = true;
};

// i + g = 100 with a plain tiled part and a kind 0 or 1 gradient: one pass.
// Otherwise the texture (i > 0; what it leaves is filled with c), then the
// gradient (g > 0) laid over it keeping i % of the texture or painted
// straight, then c alone (i + g = 0) or c mixed in for the share i + g lacks
// of 100. parent is what key pixels of a masked texture show. A bitmap that
// is not 32-bit, or a rect not wholly inside it, is left alone.
void PaintItemFill(image::TWorkingBitmap& bitmap, const TRect& rect, const TItemFill& fill, const TCacheInfo& parent);

// v limited to 0..100: shares and transparencies come from skin files.
int Percent(int v);

// True when rect is not empty and lies wholly inside the 32-bit bitmap.
bool PaintableRect(const image::TWorkingBitmap& bitmap, const TRect& rect);

}  // namespace zelvan::paint
