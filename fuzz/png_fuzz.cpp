// Any byte string either loads as a PNG or fails with EInvalidGraphic:
// no crash, no hang, no unbounded allocation. What loads was recognised as a
// PNG beforehand, and a copy of it has the same pixels.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "core/image/graphic_error.h"
#include "core/image/png_graphic.h"

namespace {

// Pictures of more than a million pixels are skipped, unless their bitmap is
// refused before it is made: the reader fills the whole bitmap before the
// first row, so a short file claiming a large picture takes long and would
// slow the search without reaching anything new.
bool WorthDecoding(const uint8_t* data, size_t size) {
  zelvan::io::TMemoryStream stream(data, size);
  zelvan::image::TPNGGraphic png;
  try {
    if (!png.ReadImageProperties(stream)) return true;  // refused the same way when loading
  } catch (const zelvan::image::EInvalidGraphic&) {
    return true;
  }
  const auto& p = png.ImageProperties();
  const uint64_t pixels = uint64_t{p.Width} * p.Height;
  const uint64_t bytesPerPixel = p.ColorScheme == zelvan::image::TColorScheme::csRGBA  ? 4
                                 : p.ColorScheme == zelvan::image::TColorScheme::csRGB ? 3
                                                                                        : 1;
  return pixels <= (uint64_t{1} << 20) || pixels * bytesPerPixel > zelvan::image::kMaxWorkingBitmapBytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (!WorthDecoding(data, size)) return 0;
  zelvan::io::TMemoryStream stream(data, size);
  const bool recognised = zelvan::image::TPNGGraphic::CanLoad(stream);
  zelvan::image::TPNGGraphic png;
  try {
    png.LoadFromStream(stream);
  } catch (const zelvan::image::EInvalidGraphic&) {
    return 0;
  }
  zelvan::image::TPNGGraphic copy;
  copy.Assign(png);
  const zelvan::image::TWorkingBitmap& a = *png.Bitmap();
  const zelvan::image::TWorkingBitmap& b = *copy.Bitmap();
  if (!recognised || a.Width() != b.Width() || a.Height() != b.Height() || a.Palette().size() != b.Palette().size())
    std::abort();
  for (int y = 0; y < a.Height(); ++y)
    if (std::memcmp(a.ScanLine(y), b.ScanLine(y), a.Stride()) != 0) std::abort();
  return 0;
}
