#pragma once
// What an image file says about itself, read before (or without) decoding.

#include <cstdint>

namespace zelvan::image {

enum class TColorScheme {
  csUnknown, csIndexed, csG, csGA, csRGB, csRGBA, csBGR, csBGRA,
  csCMY, csCMYK, csCIELab, csYCbCr, csPhotoYCC
};

enum class TCompressionType { ctUnknown, ctNone, ctLZ77 };

// Set of TImageOptions as bits.
enum TImageOptions : uint32_t { ioBigEndian = 1u << 0, ioUseGamma = 1u << 1 };

struct TImageProperties {
  uint32_t Options = 0;
  uint32_t Width = 0;
  uint32_t Height = 0;
  TColorScheme ColorScheme = TColorScheme::csUnknown;
  int BitsPerSample = 0;
  int SamplesPerPixel = 0;
  int BitsPerPixel = 0;
  TCompressionType Compression = TCompressionType::ctUnknown;
  double FileGamma = 1.0;
  bool Interlaced = false;
  bool HasAlpha = false;
  int FilterMode = 0;
};

}  // namespace zelvan::image
