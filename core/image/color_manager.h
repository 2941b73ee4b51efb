#pragma once
// Converts rows of decoded image samples into bitmap rows: sample sizes,
// channel order, 16-bit reduction and gamma. Only the conversions that the
// PNG reader needs are known: gray to gray, indexed to indexed, gray with
// alpha to gray, RGB to BGR and RGBA to BGRA.

#include <array>
#include <cstdint>

#include "core/image/image_properties.h"

namespace zelvan::image {

// Set of TConvertOptions as bits.
enum TConvertOptions : uint32_t {
  coAlpha = 1u << 0,
  coApplyGamma = 1u << 1,
  coNeedByteSwap = 1u << 2,
  coLabByteRange = 1u << 3,
  coLabChromaOffset = 1u << 4,
};

class TColorManager {
 public:
  void SetSourceScheme(TColorScheme scheme);
  void SetTargetScheme(TColorScheme scheme);
  // Raise EColorConversionError for 0 or more than 16 bits per sample.
  void SetSourceBitsPerSample(int bits);
  void SetTargetBitsPerSample(int bits);
  // Raise EColorConversionError for 0 or more than 4 samples per pixel.
  void SetSourceSamplesPerPixel(int samples);
  void SetTargetSamplesPerPixel(int samples);
  void SetSourceOptions(uint32_t options);
  void SetTargetOptions(uint32_t options);
  uint32_t SourceOptions() const { return sourceOptions_; }
  uint32_t TargetOptions() const { return targetOptions_; }
  int TargetBitsPerSample() const { return targetBPS_; }

  // Gamma table for a file gamma and the display gamma; used with coApplyGamma.
  void SetGamma(double mainGamma, double displayGamma = 2.2);
  uint8_t Gamma(uint8_t value) const { return gammaTable_[value]; }

  // Converts count source pixels, packed as the source says, into the target
  // row at columns firstColumn, firstColumn + columnStep, ...
  void ConvertRow(const uint8_t* source, uint8_t* target, int count, int firstColumn = 0,
                  int columnStep = 1);

 private:
  enum class TRowConversion { None, GrayToGray, IndexedToIndexed, GrayAlphaToGray, RGBToBGR, RGBAToBGRA };

  void SelectConversion();
  void ConvertToIndex(const uint8_t* source, uint8_t* target, int count, int firstColumn, int step,
                      bool scaleGray);
  void ConvertToColor(const uint8_t* source, uint8_t* target, int count, int firstColumn, int step);
  void FillGammaTable();

  TColorScheme sourceScheme_ = TColorScheme::csRGB;
  TColorScheme targetScheme_ = TColorScheme::csBGR;
  int sourceBPS_ = 8;
  int targetBPS_ = 8;
  int sourceSPP_ = 3;
  int targetSPP_ = 3;
  uint32_t sourceOptions_ = 0;
  uint32_t targetOptions_ = 0;
  double mainGamma_ = 1.0;
  double displayGamma_ = 2.2;
  std::array<uint8_t, 256> gammaTable_{};
  TRowConversion rowConversion_ = TRowConversion::None;
  bool changed_ = true;
};

}  // namespace zelvan::image
