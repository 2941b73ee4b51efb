#include "core/paint/gradient_line.h"

#include <algorithm>
#include <cmath>

#include "core/paint/pixel.h"

namespace zelvan::paint {
namespace {

uint32_t ColorPixel(TColor c) { return MakePixel(RedOf(c), GreenOf(c), BlueOf(c), 255); }

// Channels start at Color1 and grow by a single-precision step per position.
void PaintPiece(const TsGradPie& piece, int from, int to, uint32_t* out) {
  if (piece.Color1 == piece.Color2) {
    std::fill(out, out + (to - from + 1), ColorPixel(piece.Color1));
    return;
  }
  const double span = to - from;
  float r = static_cast<float>(RedOf(piece.Color1));
  float g = static_cast<float>(GreenOf(piece.Color1));
  float b = static_cast<float>(BlueOf(piece.Color1));
  const auto dr = static_cast<float>((RedOf(piece.Color2) - RedOf(piece.Color1)) / span);
  const auto dg = static_cast<float>((GreenOf(piece.Color2) - GreenOf(piece.Color1)) / span);
  const auto db = static_cast<float>((BlueOf(piece.Color2) - BlueOf(piece.Color1)) / span);
  for (int i = 0; i <= to - from; ++i) {
    out[i] = MakePixel(RoundToByte(r), RoundToByte(g), RoundToByte(b), 255);
    r += dr;
    g += dg;
    b += db;
  }
}

}  // namespace

std::vector<uint32_t> GradientLine(const TsGradArray& gradient, int32_t kind, int start, int limit, int length) {
  if (gradient.empty() || limit - 1 <= start) return {};
  std::vector<uint32_t> line(static_cast<size_t>(limit - start));
  int s = start;
  for (size_t i = 0; i < gradient.size(); ++i) {
    const TsGradPie& piece = gradient[i];
    int e = limit - 1;
    if (i + 1 < gradient.size()) {
      const int end = kind == kGradientVertical
                          ? s + length * piece.Percent / 100
                          : static_cast<int>(std::nearbyint(piece.Percent * static_cast<double>(length) / 100 + s));
      e = std::min(end, limit - 1);
    }
    if (e > s) PaintPiece(piece, s, e, line.data() + (s - start));
    s = e;
  }
  return line;
}

}  // namespace zelvan::paint
