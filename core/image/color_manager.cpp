#include "core/image/color_manager.h"

#include <cmath>
#include <cstring>

#include "core/image/channel_order.h"
#include "core/image/graphic_error.h"

namespace zelvan::image {

namespace {

// Sample number index of a packed row; 16-bit samples are big-endian.
inline unsigned ReadSample(const uint8_t* row, size_t index, int bits) {
  switch (bits) {
    case 8:
      return row[index];
    case 16:
      return (unsigned{row[2 * index]} << 8) | row[2 * index + 1];
    default: {
      const size_t bit = index * static_cast<size_t>(bits);
      const unsigned shift = 8u - static_cast<unsigned>(bits) - static_cast<unsigned>(bit % 8);
      return (row[bit / 8] >> shift) & ((1u << bits) - 1u);
    }
  }
}

inline void WriteIndex(uint8_t* row, int column, int bits, unsigned value) {
  if (bits == 8) {
    row[column] = static_cast<uint8_t>(value);
    return;
  }
  const size_t bit = static_cast<size_t>(column) * static_cast<size_t>(bits);
  const unsigned shift = 8u - static_cast<unsigned>(bits) - static_cast<unsigned>(bit % 8);
  const unsigned mask = ((1u << bits) - 1u) << shift;
  row[bit / 8] = static_cast<uint8_t>((row[bit / 8] & ~mask) | ((value << shift) & mask));
}

inline unsigned Reduce16(unsigned value) { return value * 255u / 65535u; }

bool IsIndexedOrGraySource(TColorScheme s) {
  return s == TColorScheme::csIndexed || s == TColorScheme::csG || s == TColorScheme::csGA;
}
bool IsIndexedOrGrayTarget(TColorScheme s) {
  return s == TColorScheme::csIndexed || s == TColorScheme::csG;
}

void CheckDepth(int bits) {
  if (bits <= 0 || bits > 16) throw EColorConversionError(messages::kInvalidDepth);
}
void CheckSamples(int samples) {
  if (samples <= 0 || samples > 4) throw EColorConversionError(messages::kInvalidSampleCount);
}

}  // namespace

void TColorManager::SetSourceScheme(TColorScheme scheme) { sourceScheme_ = scheme; changed_ = true; }
void TColorManager::SetTargetScheme(TColorScheme scheme) { targetScheme_ = scheme; changed_ = true; }
void TColorManager::SetSourceBitsPerSample(int bits) { CheckDepth(bits); sourceBPS_ = bits; changed_ = true; }
void TColorManager::SetTargetBitsPerSample(int bits) { CheckDepth(bits); targetBPS_ = bits; changed_ = true; }
void TColorManager::SetSourceSamplesPerPixel(int samples) {
  CheckSamples(samples);
  sourceSPP_ = samples;
  changed_ = true;
}
void TColorManager::SetTargetSamplesPerPixel(int samples) {
  CheckSamples(samples);
  targetSPP_ = samples;
  changed_ = true;
}
void TColorManager::SetSourceOptions(uint32_t options) { sourceOptions_ = options; changed_ = true; }
void TColorManager::SetTargetOptions(uint32_t options) {
  targetOptions_ = options;
  changed_ = true;
}

void TColorManager::SetGamma(double mainGamma, double displayGamma) {
  mainGamma_ = mainGamma;
  displayGamma_ = displayGamma;
  changed_ = true;
}

void TColorManager::FillGammaTable() {
  // Targets under 8 bits index their own smaller range.
  const int maximum = targetBPS_ < 8 ? (1 << targetBPS_) - 1 : 255;
  const double exponent = 1.0 / (mainGamma_ * displayGamma_);
  for (int i = 0; i < 256; ++i) {
    const int source = i > maximum ? maximum : i;
    const double value = std::pow(static_cast<double>(source) / maximum, exponent) * maximum;
    gammaTable_[static_cast<size_t>(i)] = static_cast<uint8_t>(std::nearbyint(value));
  }
}

void TColorManager::SelectConversion() {
  if (IsIndexedOrGraySource(sourceScheme_) != IsIndexedOrGrayTarget(targetScheme_)) {
    throw EColorConversionError(messages::kIndexedMix);
  }
  using S = TColorScheme;
  rowConversion_ = TRowConversion::None;
  if (sourceScheme_ == S::csG && targetScheme_ == S::csG) {
    rowConversion_ = TRowConversion::GrayToGray;
  } else if (sourceScheme_ == S::csIndexed && targetScheme_ == S::csIndexed) {
    rowConversion_ = TRowConversion::IndexedToIndexed;
  } else if (sourceScheme_ == S::csGA && targetScheme_ == S::csG && targetBPS_ == 8) {
    rowConversion_ = TRowConversion::GrayAlphaToGray;
  } else if (sourceScheme_ == S::csRGB && targetScheme_ == S::csBGR && targetBPS_ == 8 &&
             (sourceBPS_ == 8 || sourceBPS_ == 16)) {
    rowConversion_ = TRowConversion::RGBToBGR;
  } else if (sourceScheme_ == S::csRGBA && targetScheme_ == S::csBGRA && targetBPS_ == 8 &&
             (sourceBPS_ == 8 || sourceBPS_ == 16)) {
    rowConversion_ = TRowConversion::RGBAToBGRA;
  }
  if (rowConversion_ == TRowConversion::None) throw EColorConversionError(messages::kNoConversion);
  FillGammaTable();
  changed_ = false;
}

void TColorManager::ConvertRow(const uint8_t* source, uint8_t* target, int count, int firstColumn,
                               int columnStep) {
  if (changed_) SelectConversion();
  switch (rowConversion_) {
    case TRowConversion::GrayToGray:
      ConvertToIndex(source, target, count, firstColumn, columnStep, /*scaleGray=*/true);
      break;
    case TRowConversion::IndexedToIndexed:
      ConvertToIndex(source, target, count, firstColumn, columnStep, /*scaleGray=*/false);
      break;
    case TRowConversion::GrayAlphaToGray:
    case TRowConversion::RGBToBGR:
    case TRowConversion::RGBAToBGRA:
      ConvertToColor(source, target, count, firstColumn, columnStep);
      break;
    case TRowConversion::None:
      break;
  }
}

void TColorManager::ConvertToIndex(const uint8_t* source, uint8_t* target, int count,
                                   int firstColumn, int step, bool scaleGray) {
  const bool gamma = scaleGray && (targetOptions_ & coApplyGamma) != 0;
  if (!gamma && sourceBPS_ == targetBPS_ && firstColumn == 0 && step == 1 &&
      (sourceBPS_ * count) % 8 == 0) {
    std::memcpy(target, source, static_cast<size_t>(sourceBPS_ * count / 8));
    return;
  }
  for (int i = 0; i < count; ++i) {
    unsigned value = ReadSample(source, static_cast<size_t>(i), sourceBPS_);
    if (sourceBPS_ == 16) value = Reduce16(value);
    // Two-bit gray spreads over the four-bit range; indexes are copied as they are.
    if (scaleGray && sourceBPS_ == 2 && targetBPS_ == 4) value = value * 15 / 3;
    if (gamma) value = gammaTable_[value];
    WriteIndex(target, firstColumn + i * step, targetBPS_, value);
  }
}

void TColorManager::ConvertToColor(const uint8_t* source, uint8_t* target, int count,
                                   int firstColumn, int step) {
  const bool gamma = (targetOptions_ & coApplyGamma) != 0;
  const bool wide = sourceBPS_ == 16;
  auto sample = [&](size_t index) -> unsigned {
    const unsigned v = wide ? Reduce16(ReadSample(source, index, 16)) : source[index];
    return v;
  };
  auto color = [&](size_t index) -> uint8_t {
    const unsigned v = sample(index);
    return gamma ? gammaTable_[v] : static_cast<uint8_t>(v);
  };
  switch (rowConversion_) {
    case TRowConversion::GrayAlphaToGray:
      for (int i = 0; i < count; ++i) target[firstColumn + i * step] = color(2 * static_cast<size_t>(i));
      break;
    case TRowConversion::RGBToBGR:
      if (!wide && !gamma && step == 1) {
        SwapRedBlue24(source, target + 3 * firstColumn, count);
        break;
      }
      for (int i = 0; i < count; ++i) {
        uint8_t* out = target + 3 * static_cast<size_t>(firstColumn + i * step);
        const size_t s = 3 * static_cast<size_t>(i);
        out[0] = color(s + 2);
        out[1] = color(s + 1);
        out[2] = color(s);
      }
      break;
    case TRowConversion::RGBAToBGRA:
      if (!wide && !gamma && step == 1) {
        SwapRedBlue32(source, target + 4 * firstColumn, count);
        break;
      }
      for (int i = 0; i < count; ++i) {
        uint8_t* out = target + 4 * static_cast<size_t>(firstColumn + i * step);
        const size_t s = 4 * static_cast<size_t>(i);
        out[0] = color(s + 2);
        out[1] = color(s + 1);
        out[2] = color(s);
        out[3] = static_cast<uint8_t>(sample(s + 3));  // alpha never passes the gamma table
      }
      break;
    default:
      break;
  }
}

}  // namespace zelvan::image
