#pragma once
// The window region of a skinned form: the key-colour pixels of a border
// mask's corners, as rectangles one row high, cut out of the window.

#include <cstdint>
#include <vector>

#include "core/paint/geometry.h"
#include "core/store/skin_types.h"

namespace zelvan::paint {

// Each run of key pixels (the whole value 0x00FF00FF) among count pixels of row
// becomes one rect at (x + start, y), one pixel high, appended to runs.
void AppendKeyRuns(const uint32_t* row, int count, int x, int y, std::vector<TRect>& runs);

// Which corner rows of a mask to scan.
enum TCornerRows { crTop = 1, crBottom = 2, crBoth = 3 };

// The key runs of a part's first state image corners for a width x height
// window: the top WT rows at the window's top, the bottom WB rows at
// height - WB; in each row the first WL columns at the left edge and the last
// WR columns at the right edge. Nothing for a part without bitmap or image.
void AppendCornerKeyRuns(const store::TsMaskData& part, int width, int height, TCornerRows rows,
                         std::vector<TRect>& runs);

}  // namespace zelvan::paint
