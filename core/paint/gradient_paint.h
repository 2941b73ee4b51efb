#pragma once
// Painting gradients into 32-bit bitmaps. The rect is clipped to the bitmap;
// an empty rect or gradient, an unknown kind or a bitmap that is not 32-bit
// paints nothing. Pixels written carry alpha 255.

#include <cstdint>
#include <span>

#include "core/image/working_bitmap.h"
#include "core/paint/geometry.h"
#include "core/paint/gradient.h"

namespace zelvan::paint {

// Kind 0 fills whole rows, kind 1 computes the top row and copies it down,
// kind 2 shades four triangles through the platform (see below).
void PaintGradient(image::TWorkingBitmap& bitmap, const TRect& rect, const TsGradArray& gradient);

// Kind 0 or 1 and a texture tiled from the bitmap's origin, mixed in one pass:
// per channel ((T - G) * weight + G * 256) shr 8, weight being the texture's
// share. An empty texture rect means the whole texture bitmap.
void PaintGradientTexture(image::TWorkingBitmap& bitmap, const TRect& rect, const TsGradArray& gradient,
                          uint8_t weight, const TRect& textureRect, const image::TWorkingBitmap& texture);

// Kind 2 hands five vertices (16-bit channels, byte * 256) and four triangles
// to a triangle shader that the platform installs; without one nothing is
// painted.
struct TTriVertex {
  int32_t X, Y;
  uint16_t Red, Green, Blue, Alpha;
};

struct TGradientTriangle {
  uint32_t Vertex1, Vertex2, Vertex3;
};

using TTriangleGradientFill = void (*)(image::TWorkingBitmap& bitmap, const TRect& rect,
                                       std::span<const TTriVertex> vertices,
                                       std::span<const TGradientTriangle> triangles);

// nullptr removes the shader.
void SetTriangleGradientFill(TTriangleGradientFill fill);

}  // namespace zelvan::paint
