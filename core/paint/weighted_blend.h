#pragma once
// Integer blends of 32-bit bitmaps by a weight byte w (or a mask byte M): per
// channel D := ((D - S) * w + S * 256) shr 8, so w/256 of D is kept. The shift
// is a division by 256, not 255: w = 255 still lets 1/256 of S through.
// Unless said otherwise only B, G and R are blended and alpha is kept.

#include <cstdint>

#include "core/image/working_bitmap.h"
#include "core/paint/cache_info.h"
#include "core/paint/color.h"
#include "core/paint/geometry.h"

namespace zelvan::paint {

// The image-plus-mask blend of skin images: the picture S is imageRect of
// source, its mask M the block of the same size at maskPoint of source, each
// colour channel weighted by the mask's own channel. Clipped to both bitmaps.
// With a ready cache info the written pixels get alpha 255.
void BlendByMask(image::TWorkingBitmap& destination, TPoint destinationPoint, const image::TWorkingBitmap& source,
                 const TRect& imageRect, TPoint maskPoint, const TCacheInfo* cacheInfo = nullptr);

// Source over destination of the same size; nothing when the sizes differ.
void BlendBitmaps(image::TWorkingBitmap& destination, const image::TWorkingBitmap& source, uint8_t weight);

// The same for sourceRect of source placed at destinationPoint, clipped.
void BlendBitmapAt(image::TWorkingBitmap& destination, const image::TWorkingBitmap& source, uint8_t weight,
                   TPoint destinationPoint, const TRect& sourceRect);

// D := ((D - C) * M + C * 256) shr 8 with M the mask's channel; nothing when
// the sizes differ.
void BlendColorByMask(image::TWorkingBitmap& destination, const image::TWorkingBitmap& mask, TColor color);

// result := ((F - S) * k + S * 256) shr 8 on all four bytes, k = weight or,
// with a weight bitmap, its byte of the same channel: k is the first bitmap's
// share. Nothing when first and second (or the weight bitmap) differ in size;
// the area covered is the part of first that lies inside result.
void CrossFade(image::TWorkingBitmap& result, const image::TWorkingBitmap& first, const image::TWorkingBitmap& second,
               uint8_t weight, const image::TWorkingBitmap* weightBitmap = nullptr);

}  // namespace zelvan::paint
