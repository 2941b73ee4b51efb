#include "core/paint/gradient_paint.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "core/paint/gradient_line.h"

namespace zelvan::paint {
namespace {

TTriangleGradientFill g_triangleFill = nullptr;

void PaintVertical(image::TWorkingBitmap& bitmap, const TRect& r, const TsGradArray& gradient) {
  const std::vector<uint32_t> line = GradientLine(gradient, kGradientVertical, r.Top, r.Bottom, r.Height());
  for (size_t i = 0; i < line.size(); ++i) {
    uint32_t* row = bitmap.Row32(r.Top + static_cast<int>(i));
    std::fill(row + r.Left, row + r.Right, line[i]);
  }
}

void PaintHorizontal(image::TWorkingBitmap& bitmap, const TRect& r, const TsGradArray& gradient) {
  const std::vector<uint32_t> line = GradientLine(gradient, kGradientHorizontal, r.Left, r.Right, r.Width());
  if (line.empty()) return;
  for (int y = r.Top; y < r.Bottom; ++y)
    std::memcpy(bitmap.Row32(y) + r.Left, line.data(), line.size() * sizeof(uint32_t));
}

void PaintTriangles(image::TWorkingBitmap& bitmap, const TRect& r, const TsGradArray& gradient) {
  if (g_triangleFill == nullptr) return;
  const TPoint corners[5] = {{r.Left, r.Top},
                             {r.Left + r.Width() / 2, r.Top + r.Height() / 2},
                             {r.Right, r.Top},
                             {r.Right, r.Bottom},
                             {r.Left, r.Bottom}};
  std::array<TTriVertex, 5> vertices{};
  TColor color = 0;
  for (size_t k = 0; k < vertices.size(); ++k) {
    if (k < gradient.size()) color = gradient[k].Color1;  // a missing piece repeats the previous colour
    vertices[k] = {corners[k].X,
                   corners[k].Y,
                   static_cast<uint16_t>(RedOf(color) << 8),
                   static_cast<uint16_t>(GreenOf(color) << 8),
                   static_cast<uint16_t>(BlueOf(color) << 8),
                   0xFF00};
  }
  static constexpr std::array<TGradientTriangle, 4> kPyramid = {{{0, 1, 2}, {1, 2, 3}, {0, 1, 4}, {4, 1, 3}}};
  g_triangleFill(bitmap, r, vertices, kPyramid);
}

}  // namespace

void SetTriangleGradientFill(TTriangleGradientFill fill) { g_triangleFill = fill; }

void PaintGradient(image::TWorkingBitmap& bitmap, const TRect& rect, const TsGradArray& gradient) {
  if (bitmap.PixelFormat() != image::TPixelFormat::pf32bit || gradient.empty()) return;
  const TRect r = ClipToSize(rect, bitmap.Width(), bitmap.Height());
  if (r.IsEmpty()) return;
  switch (gradient.front().Mode1) {
    case kGradientVertical:
      PaintVertical(bitmap, r, gradient);
      break;
    case kGradientHorizontal:
      PaintHorizontal(bitmap, r, gradient);
      break;
    case kGradientTriangles:
      PaintTriangles(bitmap, r, gradient);
      break;
    default:
      break;
  }
}

}  // namespace zelvan::paint
