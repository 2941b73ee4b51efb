#pragma once
// Where a form's caption and the text added after it lie in the title band's
// text rectangle: by the caption's alignment, mirrored for a right-to-left
// form (whose added text then reads before the caption, to its left). The
// caption gives way first when the two do not fit.

#include "core/paint/geometry.h"

namespace zelvan::paint {

enum class TCaptionAlign { Left, Right, Center };

struct TCaptionPlaces {
  TRect Main;   // empty when there is no caption text
  TRect Added;  // empty when there is no added text
};

// Gap in pixels between the caption and the added text.
constexpr int kAddedTitleGap = 4;

TCaptionPlaces PlaceCaptionTexts(const TRect& area, int mainWidth, int addedWidth, TCaptionAlign align,
                                 bool rightToLeft);

}  // namespace zelvan::paint
