#include <algorithm>
#include <cstring>

#include "core/image/bmp_reader.h"
#include "core/image/graphic_error.h"
#include "core/image/pixel_format_conversion.h"
#include "core/image/png_graphic.h"
#include "core/paint/alpha_channel.h"
#include "core/store/image_entry.h"
#include "core/store/skin_loader.h"

namespace zelvan::store {

namespace {

constexpr uint8_t kPngSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// Files of fewer than 32 bits get every non-key pixel opaque.
std::unique_ptr<image::TWorkingBitmap> ReadBmp32(io::TStream& stream) {
  int bits = 32;
  auto bitmap = image::ReadBmp(stream, true, &bits);
  if (bitmap->PixelFormat() != image::TPixelFormat::pf32bit) {
    bitmap = image::ConvertToDirectColor(*bitmap, image::TPixelFormat::pf32bit);
  }
  if (bits != 32) paint::SetRectAlpha(*bitmap, {0, 0, bitmap->Width(), bitmap->Height()}, 255, true);
  return bitmap;
}

std::unique_ptr<image::TWorkingBitmap> DecodePng(const std::vector<uint8_t>& bytes) {
  image::TPNGGraphic png;
  io::TMemoryView stream(bytes.data(), bytes.size());
  png.LoadFromStream(stream);
  const image::TWorkingBitmap* decoded = png.Bitmap();
  if (decoded == nullptr) return nullptr;
  std::unique_ptr<image::TWorkingBitmap> holder;
  const image::TWorkingBitmap& source = image::InFormat(*decoded, image::TPixelFormat::pf32bit, holder);
  if (holder) {
    paint::SetRectAlpha(*holder, {0, 0, holder->Width(), holder->Height()}, 255, true);
    return holder;
  }
  auto copy = std::make_unique<image::TWorkingBitmap>(source.Width(), source.Height());
  for (int y = 0; y < source.Height(); ++y) std::memcpy(copy->ScanLine(y), source.ScanLine(y), source.Stride());
  return copy;
}

}  // namespace

std::unique_ptr<image::TWorkingBitmap> DecodeSkinImage(const std::vector<uint8_t>& bytes,
                                                       std::optional<double> pngVersion) {
  const bool is_png = bytes.size() > 8 && std::memcmp(bytes.data(), kPngSignature, 8) == 0;
  std::unique_ptr<image::TWorkingBitmap> bitmap;
  try {
    if (is_png) {
      bitmap = DecodePng(bytes);
    } else {
      io::TMemoryView stream(bytes.data(), bytes.size());
      bitmap = ReadBmp32(stream);
    }
  } catch (const image::EInvalidGraphic&) {
    return nullptr;  // a damaged image adds no part, like a missing one
  } catch (const image::EColorConversionError&) {
    return nullptr;
  }
  if (!bitmap || bitmap->Width() == 0 || bitmap->Height() == 0) return nullptr;
  if (is_png && pngVersion) {
    if (*pngVersion <= 7.45) {
      for (int y = 0; y < bitmap->Height(); ++y) {
        uint32_t* row = bitmap->Row32(y);
        std::replace(row, row + bitmap->Width(), uint32_t{0x00FFFFFF}, uint32_t{0});
      }
    } else {
      paint::PremultiplyAlpha(*bitmap);
    }
  }
  return bitmap;
}

int16_t CornerType(const TsMaskData& part, const image::TWorkingBitmap* bitmap) {
  if (part.ClassName == "BUTTON_HUGE" && part.PropertyName == "BORDERSMASK") return 2;
  if (part.R.Height() == 0 || bitmap == nullptr || bitmap->PixelFormat() != image::TPixelFormat::pf32bit) return 0;
  const int frame_width = static_cast<int>(part.R.Width() / CountDivisor(part.ImageCount));
  const int frame_height = static_cast<int>(part.R.Height() / RowDivisor(part.MaskType));
  const int left = part.R.Left, top = part.R.Top;
  const int right_x = left + frame_width - part.WR, bottom_y = top + frame_height - part.WB;
  const paint::TRect corners[4] = {
      {left, top, left + part.WL, top + part.WT},
      {right_x, top, right_x + part.WR, top + part.WT},
      {left, bottom_y, left + part.WL, bottom_y + part.WB},
      {right_x, bottom_y, right_x + part.WR, bottom_y + part.WB},
  };
  for (const paint::TRect& corner : corners) {
    // Upper ends stop one short of the bitmap's size; lower ends at 0.
    const int x1 = std::min(corner.Right, bitmap->Width() - 1), y1 = std::min(corner.Bottom, bitmap->Height() - 1);
    for (int y = std::max(corner.Top, 0); y < y1; ++y) {
      const uint32_t* row = bitmap->Row32(y);
      for (int x = std::max(corner.Left, 0); x < x1; ++x) {
        if (row[x] == paint::kKeyPixel) return 1;
      }
    }
  }
  return 0;
}

}  // namespace zelvan::store
