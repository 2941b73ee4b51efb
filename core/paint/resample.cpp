#include "core/paint/resample.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <stdexcept>
#include <vector>

#include "core/image/pixel_format_conversion.h"

namespace zelvan::paint {
namespace {

using image::TPixelFormat;
using image::TWorkingBitmap;

double Sinc(double x) {
  if (x == 0) return 1;
  const double px = std::numbers::pi * x;
  return std::sin(px) / px;
}

// Source samples and 16.16 weights for each of n destination samples.
struct TContributions {
  std::vector<size_t> first;  // n + 1 offsets into taps
  std::vector<int> index;
  std::vector<int> weight;
};

TContributions Contributions(int n, int m, TFilterKind kind) {
  const double support = FilterSupport(kind);
  const double scale = n < m ? static_cast<double>(n) / m : 1.0;
  const double width = support / scale;
  TContributions c;
  c.first.reserve(static_cast<size_t>(n) + 1);
  for (int i = 0; i < n; ++i) {
    c.first.push_back(c.index.size());
    const double centre = static_cast<double>(i) * m / n;
    const int from = static_cast<int>(std::floor(centre - width));
    const int to = static_cast<int>(std::ceil(centre + width));
    for (int j = from; j <= to; ++j) {
      const double d = std::fabs(centre - j) * scale;
      if (d >= support) continue;
      const double value = FilterValue(kind, d);
      if (value == 0) continue;
      // Mirror at the edges; the clamp only matters for supports wider than
      // the source, where a mirrored index could still fall outside it.
      const int mirrored = j < 0 ? -j : j >= m ? 2 * m - 1 - j : j;
      c.index.push_back(std::clamp(mirrored, 0, m - 1));
      c.weight.push_back(static_cast<int>(std::nearbyint(value * scale * 65536)));
    }
  }
  c.first.push_back(c.index.size());
  return c;
}

uint8_t FixedToByte(int sum) {
  if (sum < 0) return 0;
  if (sum >= 0xFF0001) return 255;
  return static_cast<uint8_t>(sum >> 16);
}

template <int kChannels>
void ResampleRows(const TWorkingBitmap& source, TWorkingBitmap& target, const TContributions& c) {
  for (int y = 0; y < source.Height(); ++y) {
    const uint8_t* in = source.ScanLine(y);
    uint8_t* out = target.ScanLine(y);
    for (size_t x = 0; x < static_cast<size_t>(target.Width()); ++x, out += kChannels) {
      int sum[kChannels] = {};
      for (size_t t = c.first[x]; t < c.first[x + 1]; ++t) {
        const uint8_t* sample = in + static_cast<size_t>(c.index[t]) * kChannels;
        for (int k = 0; k < kChannels; ++k) sum[k] += c.weight[t] * sample[k];
      }
      for (int k = 0; k < kChannels; ++k) out[k] = FixedToByte(sum[k]);
    }
  }
}

// Row by row over the output, so every read and write walks memory forward.
void ResampleColumns(const TWorkingBitmap& source, TWorkingBitmap& target, int channels, const TContributions& c) {
  const size_t bytes = static_cast<size_t>(target.Width()) * static_cast<size_t>(channels);
  std::vector<int> sum(bytes);
  for (int y = 0; y < target.Height(); ++y) {
    std::fill(sum.begin(), sum.end(), 0);
    for (size_t t = c.first[static_cast<size_t>(y)]; t < c.first[static_cast<size_t>(y) + 1]; ++t) {
      const uint8_t* in = source.ScanLine(c.index[t]);
      const int w = c.weight[t];
      for (size_t k = 0; k < bytes; ++k) sum[k] += w * in[k];
    }
    uint8_t* out = target.ScanLine(y);
    for (size_t k = 0; k < bytes; ++k) out[k] = FixedToByte(sum[k]);
  }
}

std::unique_ptr<TWorkingBitmap> CopyOf(const TWorkingBitmap& source) {
  auto copy = std::make_unique<TWorkingBitmap>(source.Width(), source.Height(), source.PixelFormat());
  copy->Palette() = source.Palette();
  for (int y = 0; y < source.Height(); ++y) std::memcpy(copy->ScanLine(y), source.ScanLine(y), source.Stride());
  return copy;
}

}  // namespace

double FilterSupport(TFilterKind kind) {
  switch (kind) {
    case TFilterKind::fkBox:
      return 0.51;
    case TFilterKind::fkTriangle:
    case TFilterKind::fkHermite:
      return 1;
    case TFilterKind::fkBell:
      return 1.5;
    case TFilterKind::fkSpline:
    case TFilterKind::fkMitchell:
      return 2;
    case TFilterKind::fkLanczos3:
      return 3;
  }
  return 1;
}

double FilterValue(TFilterKind kind, double d) {
  switch (kind) {
    case TFilterKind::fkBox:
      return d <= 0.5 ? 1 : 0;
    case TFilterKind::fkTriangle:
      return d < 1 ? 1 - d : 0;
    case TFilterKind::fkHermite:
      return d < 1 ? (2 * d - 3) * d * d + 1 : 0;
    case TFilterKind::fkBell:
      return d < 0.5 ? 0.75 - d * d : d < 1.5 ? 0.5 * (d - 1.5) * (d - 1.5) : 0;
    case TFilterKind::fkSpline:
      return d < 1 ? (0.5 * d - 1) * d * d + 2.0 / 3 : d < 2 ? (2 - d) * (2 - d) * (2 - d) / 6 : 0;
    case TFilterKind::fkLanczos3:
      return d < 3 ? Sinc(d) * Sinc(d / 3) : 0;
    case TFilterKind::fkMitchell:
      if (d < 1) return d * d * (7.0 / 6 * d - 2) + 8.0 / 9;
      return d < 2 ? d * d * (-7.0 / 18 * d + 2) - 10.0 / 3 * d + 16.0 / 9 : 0;
  }
  return 0;
}

void Resample(const TWorkingBitmap& source, std::unique_ptr<TWorkingBitmap>& destination, int newWidth,
              TFilterKind filter, int newHeight) {
  if (source.Width() < 2 || source.Height() < 2) throw std::runtime_error("Source bitmap is too small");
  if (newHeight <= 0 || newWidth < 0) return;
  if (newWidth == source.Width() && newHeight == source.Height()) {
    destination = CopyOf(source);
    return;
  }
  const TPixelFormat format =
      source.PixelFormat() == TPixelFormat::pf32bit ? TPixelFormat::pf32bit : TPixelFormat::pf24bit;
  const int channels = format == TPixelFormat::pf32bit ? 4 : 3;
  std::unique_ptr<TWorkingBitmap> converted;
  const TWorkingBitmap& src = image::InFormat(source, format, converted);

  TWorkingBitmap rows(newWidth, src.Height(), format);
  const TContributions columns = Contributions(newWidth, src.Width(), filter);
  if (channels == 4)
    ResampleRows<4>(src, rows, columns);
  else
    ResampleRows<3>(src, rows, columns);
  auto result = std::make_unique<TWorkingBitmap>(newWidth, newHeight, format);
  ResampleColumns(rows, *result, channels, Contributions(newHeight, src.Height(), filter));
  destination = std::move(result);
}

}  // namespace zelvan::paint
