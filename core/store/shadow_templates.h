#pragma once
// The pictures and margins of a form's extended-border shadow: from the
// skin's EXBORDER part when it has one, else from the engine's built-in
// shadow images (9-pixel margins).

#include <memory>

#include "core/image/working_bitmap.h"
#include "core/paint/geometry.h"

namespace zelvan::store {

class TsSkinStore;

struct TShadowTemplates {
  std::unique_ptr<image::TWorkingBitmap> Active;    // the manager's ShdaTemplate
  std::unique_ptr<image::TWorkingBitmap> Inactive;  // the manager's ShdiTemplate
  paint::TRect Size;                                // FormShadowSize: four margins, never negative
};

inline constexpr int kBuiltInShadowMargin = 9;

// Out of effect (manager inactive or extended borders off): margins all 0,
// templates left as they are. In effect: both templates made anew. An
// EXBORDER part without a state image counts as absent.
void CheckShadows(const TsSkinStore& store, bool inEffect, const image::TWorkingBitmap* builtInActive,
                  const image::TWorkingBitmap* builtInInactive, TShadowTemplates& shadows);

// Every exactly 0x00FFFFFF pixel becomes 0 (white without alpha is no shadow).
void ClearPureWhite(image::TWorkingBitmap& bitmap);

}  // namespace zelvan::store
