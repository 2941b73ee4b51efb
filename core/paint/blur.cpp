#include "core/paint/blur.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace zelvan::paint {
namespace {

constexpr int kCentre = 100;  // taps -100..100 around the centre

// Single-precision taps w(100 - j) .. w(100 + j): the kernel loses its tails
// only while they sum to less than half a grey level (1 / 510). The final
// normalisation is done in double so that the kernel sums to 1 within 1e-15.
std::vector<double> GaussianKernel(double radius) {
  std::vector<float> taps(2 * kCentre + 1);
  float sum = 0;
  for (int i = 0; i <= 2 * kCentre; ++i) {
    const double d = (i - kCentre) / radius;
    taps[static_cast<size_t>(i)] = static_cast<float>(std::exp(-d * d / 2));
    sum += taps[static_cast<size_t>(i)];
  }
  for (float& t : taps) t /= sum;
  int j = kCentre;
  float tail = 0;
  while (tail < 1.0f / 510 && j > 1) {
    tail += 2 * taps[static_cast<size_t>(kCentre + j)];
    --j;
  }
  std::vector<double> kernel(taps.begin() + (kCentre - j), taps.begin() + (kCentre + j + 1));
  double total = 0;
  for (double t : kernel) total += t;
  for (double& t : kernel) t /= total;
  return kernel;
}

// Rounding can leave a uniform area a hair below its level (254.9999999999
// for white); within this much of the next whole number it counts as that.
constexpr double kLevelSlack = 1e-9;

uint8_t ToByte(double x) {
  if (x < 0) return 0;
  if (x + kLevelSlack >= 255) return 255;
  return static_cast<uint8_t>(x + kLevelSlack);
}

// One line of `count` samples, `step` bytes apart, through a copy of itself.
void BlurLine(uint8_t* first, int count, size_t step, const std::vector<double>& kernel, std::vector<uint8_t>& line) {
  for (int i = 0; i < count; ++i) line[static_cast<size_t>(i)] = first[static_cast<size_t>(i) * step];
  const int half = static_cast<int>(kernel.size() / 2);
  for (int i = 0; i < count; ++i) {
    double sum = 0;
    for (int k = -half; k <= half; ++k) {
      const int at = std::clamp(i + k, 0, count - 1);
      sum += kernel[static_cast<size_t>(k + half)] * line[static_cast<size_t>(at)];
    }
    first[static_cast<size_t>(i) * step] = ToByte(sum);
  }
}

}  // namespace

void BlurGray8(image::TWorkingBitmap& bitmap, double radius) {
  if (bitmap.PixelFormat() != image::TPixelFormat::pf8bit || !(radius > 0)) return;
  if (bitmap.Width() == 0 || bitmap.Height() == 0) return;
  const std::vector<double> kernel = GaussianKernel(radius);
  std::vector<uint8_t> line(static_cast<size_t>(std::max(bitmap.Width(), bitmap.Height())));
  for (int y = 0; y < bitmap.Height(); ++y) BlurLine(bitmap.ScanLine(y), bitmap.Width(), 1, kernel, line);
  for (int x = 0; x < bitmap.Width(); ++x)
    BlurLine(bitmap.ScanLine(0) + x, bitmap.Height(), bitmap.Stride(), kernel, line);
}

}  // namespace zelvan::paint
