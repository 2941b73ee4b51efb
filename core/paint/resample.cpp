#include "core/paint/resample.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <numbers>
#include <stdexcept>
#include <vector>

#include "core/image/pixel_format_conversion.h"
#include "core/paint/resample_vector.h"
#include "core/simd/cpu_features.h"

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
  std::vector<int32_t> split;  // the weights as resample::SplitWeight pairs
  int span = 0;                // the most source samples one destination sample reaches over
};

TContributions Build(int n, int m, TFilterKind kind) {
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
  for (int w : c.weight) c.split.push_back(resample::SplitWeight(w));
  for (size_t i = 0; i + 1 < c.first.size(); ++i) {
    if (c.first[i] == c.first[i + 1]) continue;
    const auto [low, high] = std::minmax_element(c.index.begin() + static_cast<ptrdiff_t>(c.first[i]),
                                                 c.index.begin() + static_cast<ptrdiff_t>(c.first[i + 1]));
    c.span = std::max(c.span, *high - *low + 1);
  }
  return c;
}

// Stretched skin parts come back at the same few sizes on every paint, so
// the last contributions made are kept (painting runs on one thread).
std::shared_ptr<const TContributions> Contributions(int n, int m, TFilterKind kind) {
  struct TEntry {
    int n, m;
    TFilterKind kind;
    std::shared_ptr<const TContributions> contributions;
  };
  constexpr size_t kKept = 8;
  thread_local std::vector<TEntry> kept;
  for (size_t i = 0; i < kept.size(); ++i) {
    if (kept[i].n != n || kept[i].m != m || kept[i].kind != kind) continue;
    std::rotate(kept.begin(), kept.begin() + static_cast<ptrdiff_t>(i), kept.begin() + static_cast<ptrdiff_t>(i) + 1);
    return kept.front().contributions;
  }
  if (kept.size() == kKept) kept.pop_back();
  kept.insert(kept.begin(), {n, m, kind, std::make_shared<const TContributions>(Build(n, m, kind))});
  return kept.front().contributions;
}

using resample::FixedToByte;

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

#if ZELVAN_X86
// The vector passes: rows widened once into sample pairs, then one
// multiply-add per tap for four or eight samples.
void ResampleRowsVector(const TWorkingBitmap& source, TWorkingBitmap& target, const TContributions& c) {
  std::vector<int16_t> expanded(2 * static_cast<size_t>(source.Width()) * 4);
  for (int y = 0; y < source.Height(); ++y) {
    resample::sse2::Expand(source.ScanLine(y), 4 * static_cast<size_t>(source.Width()), expanded.data());
    uint8_t* out = target.ScanLine(y);
    for (size_t x = 0; x < static_cast<size_t>(target.Width()); ++x)
      resample::sse2::SumPixel(out + 4 * x, expanded.data(), c.index.data() + c.first[x], c.split.data() + c.first[x],
                               c.first[x + 1] - c.first[x]);
  }
}

void ResampleColumnsVector(const TWorkingBitmap& source, TWorkingBitmap& target, int channels, const TContributions& c) {
  const size_t bytes = static_cast<size_t>(target.Width()) * static_cast<size_t>(channels);
  const auto sumRows = simd::Active() >= simd::TLevel::kAvx2 ? resample::avx2::SumRows : resample::sse2::SumRows;
  // Widened source rows in a ring: every destination row's taps lie within
  // span consecutive rows, so they never evict each other.
  const size_t slots = static_cast<size_t>(std::max(c.span, 1));
  std::vector<int16_t> ring(slots * 2 * bytes);
  std::vector<int> held(slots, -1);
  std::vector<const int16_t*> rows;
  for (int y = 0; y < target.Height(); ++y) {
    const size_t from = c.first[static_cast<size_t>(y)], to = c.first[static_cast<size_t>(y) + 1];
    rows.clear();
    for (size_t t = from; t < to; ++t) {
      const int index = c.index[t];
      const size_t slot = static_cast<size_t>(index) % slots;
      int16_t* row = ring.data() + slot * 2 * bytes;
      if (held[slot] != index) {
        resample::sse2::Expand(source.ScanLine(index), bytes, row);
        held[slot] = index;
      }
      rows.push_back(row);
    }
    sumRows(target.ScanLine(y), rows.data(), c.split.data() + from, to - from, 0, bytes);
  }
}
#endif

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
  const auto columns = Contributions(newWidth, src.Width(), filter);
  const auto lines = Contributions(newHeight, src.Height(), filter);
  auto result = std::make_unique<TWorkingBitmap>(newWidth, newHeight, format);
#if ZELVAN_X86
  if (simd::Active() >= simd::TLevel::kSse2) {
    if (channels == 4)
      ResampleRowsVector(src, rows, *columns);
    else
      ResampleRows<3>(src, rows, *columns);
    ResampleColumnsVector(rows, *result, channels, *lines);
    destination = std::move(result);
    return;
  }
#endif
  if (channels == 4)
    ResampleRows<4>(src, rows, *columns);
  else
    ResampleRows<3>(src, rows, *columns);
  ResampleColumns(rows, *result, channels, *lines);
  destination = std::move(result);
}

}  // namespace zelvan::paint
