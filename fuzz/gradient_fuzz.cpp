// Gradient strings come from skin files: any text either parses into pieces
// within their ranges or fails with a conversion error, and the pieces paint
// into any rect without touching memory outside the bitmap; the triangles
// handed to the platform's shader stay inside the rect, on the bitmap.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>

#include "core/image/bitmap32.h"
#include "core/paint/gradient_paint.h"
#include "core/text/str_to_int.h"

namespace {

// Stands in for the platform's triangle shader, which draws nothing here.
void CheckTriangles(zelvan::image::TWorkingBitmap& bitmap, const zelvan::paint::TRect& rect,
                    std::span<const zelvan::paint::TTriVertex> vertices,
                    std::span<const zelvan::paint::TGradientTriangle> triangles) {
  if (rect.Left < 0 || rect.Top < 0 || rect.Right > bitmap.Width() || rect.Bottom > bitmap.Height()) std::abort();
  for (const auto& v : vertices)
    if (v.X < rect.Left || v.X > rect.Right || v.Y < rect.Top || v.Y > rect.Bottom) std::abort();
  for (const auto& t : triangles)
    if (t.Vertex1 >= vertices.size() || t.Vertex2 >= vertices.size() || t.Vertex3 >= vertices.size()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zelvan::paint::SetTriangleGradientFill(CheckTriangles);
  // The first four bytes place the rect, the rest is the text.
  if (size < 4) return 0;
  const zelvan::paint::TRect rect{static_cast<int8_t>(data[0]) / 4, static_cast<int8_t>(data[1]) / 4,
                                  static_cast<int8_t>(data[2]) / 2, static_cast<int8_t>(data[3]) / 2};
  const std::string_view text(reinterpret_cast<const char*>(data + 4), size - 4);
  zelvan::paint::TsGradArray gradient;
  try {
    zelvan::paint::ParseGradient(text, gradient);
  } catch (const zelvan::text::EConvertError&) {
    return 0;
  }
  for (const auto& piece : gradient)
    if (piece.Percent > 100 || (piece.Color1 | piece.Color2) > 0x7FFFFFFFu || piece.Mode2 != 0) std::abort();
  if (gradient.size() > text.size() / 5 + 1) std::abort();

  auto bitmap = zelvan::image::CreateBmp32(24, 16);
  zelvan::paint::PaintGradient(*bitmap, rect, gradient);
  const auto texture = zelvan::image::CreateBmp32(5, 3);
  zelvan::paint::PaintGradientTexture(*bitmap, rect, gradient, 100, {1, 1, 4, 9}, *texture);
  return 0;
}
