#include "core/paint/image_part.h"

#include <algorithm>
#include <cstdint>

#include "core/store/skin_store.h"

namespace zelvan::paint {

const image::TWorkingBitmap* PartBitmap(const store::TsMaskData& part) {
  if (part.Manager == nullptr) return nullptr;
  const image::TWorkingBitmap* bitmap = part.Bmp ? part.Bmp.get() : part.Manager->MasterBitmap.get();
  if (bitmap == nullptr || bitmap->PixelFormat() != image::TPixelFormat::pf32bit) return nullptr;
  return bitmap;
}

int StateWidth(const store::TsMaskData& part) {
  const int64_t width = int64_t{part.R.Right} - part.R.Left;
  if (part.ImageCount <= 0 || width <= 0) return 0;
  return static_cast<int>(width / part.ImageCount);
}

int StateHeightIn(const TRect& r, int maskType) {
  const int64_t height = int64_t{r.Bottom} - r.Top;
  if (maskType < 0 || height <= 0) return 0;
  return static_cast<int>(maskType == 0 ? height : height / (maskType + 1));
}

int StateHeight(const store::TsMaskData& part) { return StateHeightIn(part.R, part.MaskType); }

TRect StateRect(const store::TsMaskData& part, int state) {
  const int w = StateWidth(part), h = StateHeight(part);
  if (w <= 0 || h <= 0) return {};
  const int index = std::clamp(state, 0, part.ImageCount - 1);
  const int left = part.R.Left + index * w;
  return {left, part.R.Top, left + w, part.R.Top + h};
}

}  // namespace zelvan::paint
