#pragma once
// Triangle gradients through the platform's GradientFill (msimg32), looked up
// at run time: where it is missing nothing is painted.

#include <span>

#include "core/image/working_bitmap.h"
#include "core/paint/geometry.h"
#include "core/paint/gradient_paint.h"

namespace zelvan::framework {

// Whether this system has GradientFill.
bool PlatformHasGradientFill();

// A paint::TTriangleGradientFill: shades the triangles into the rect of a
// 32-bit working bitmap (vertex coordinates are bitmap coordinates) and makes
// the rect's pixels opaque.
void PlatformTriangleGradientFill(image::TWorkingBitmap& bitmap, const paint::TRect& rect,
                                  std::span<const paint::TTriVertex> vertices,
                                  std::span<const paint::TGradientTriangle> triangles);

}  // namespace zelvan::framework
