#include "core/paint/frame_region.h"

#include <algorithm>

#include "core/paint/color.h"
#include "core/paint/image_part.h"

namespace zelvan::paint {

void AppendKeyRuns(const uint32_t* row, int count, int x, int y, std::vector<TRect>& runs) {
  int start = -1;
  for (int i = 0; i <= count; ++i) {
    const bool key = i < count && row[i] == kKeyPixel;
    if (key) {
      if (start < 0) start = i;
    } else if (start >= 0) {
      runs.push_back({x + start, y, x + i, y + 1});
      start = -1;
    }
  }
}

void AppendCornerKeyRuns(const store::TsMaskData& part, int width, int height, TCornerRows rows,
                         std::vector<TRect>& runs) {
  const image::TWorkingBitmap* source = PartBitmap(part);
  const TRect image = StateRect(part, 0);
  if (source == nullptr || image.IsEmpty() || width <= 0 || height <= 0) return;
  if (image.Right > source->Width() || image.Bottom > source->Height()) return;
  // Corners wider or higher than the image or the window are cut to fit.
  const int wl = std::clamp<int>(part.WL, 0, std::min(image.Width(), width));
  const int wr = std::clamp<int>(part.WR, 0, std::min(image.Width(), width));
  const auto scan = [&](int imageRow, int windowRow) {
    const uint32_t* row = source->Row32(imageRow);
    if (wl > 0) AppendKeyRuns(row + image.Left, wl, 0, windowRow, runs);
    if (wr > 0) AppendKeyRuns(row + image.Right - wr, wr, width - wr, windowRow, runs);
  };
  if (rows & crTop) {
    const int wt = std::clamp<int>(part.WT, 0, std::min(image.Height(), height));
    for (int r = 0; r < wt; ++r) scan(image.Top + r, r);
  }
  if (rows & crBottom) {
    const int wb = std::clamp<int>(part.WB, 0, std::min(image.Height(), height));
    for (int r = 0; r < wb; ++r) scan(image.Bottom - wb + r, height - wb + r);
  }
}

}  // namespace zelvan::paint
