#include "framework/graphics/bmp_format.h"

#include <windows.h>

#include <cstring>
#include <stdexcept>

#include "core/image/bmp_reader.h"
#include "core/image/graphic_error.h"
#include "core/io/stream.h"
#include "framework/system/exception.h"
#include "framework/system/wide_text.h"

using zelvan::image::TPaletteEntry;
using zelvan::image::TPixelFormat;
using zelvan::image::TWorkingBitmap;

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;

void Put32(std::vector<uint8_t>& data, uint32_t value) {
  for (int i = 0; i < 4; ++i) data.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void Put16(std::vector<uint8_t>& data, uint16_t value) {
  data.push_back(static_cast<uint8_t>(value));
  data.push_back(static_cast<uint8_t>(value >> 8));
}

}  // namespace

// Reading is the core's reader; its error becomes the framework's read error.
std::unique_ptr<TWorkingBitmap> ReadBmp(const std::vector<uint8_t>& file) {
  zelvan::io::TMemoryView stream(file.data(), file.size());  // no second copy of the file
  try {
    return zelvan::image::ReadBmp(stream);
  } catch (const zelvan::image::EInvalidGraphic& error) {
    throw EReadError(Utf8ToWide(error.what()));
  }
}

std::vector<uint8_t> WriteBmp(const TWorkingBitmap& image) {
  const size_t paletteSize = image.BitsPerPixel() <= 8 ? image.Palette().size() * 4 : 0;
  const size_t bitsOffset = kFileHeaderSize + kInfoHeaderSize + paletteSize;
  const size_t imageSize = image.Stride() * static_cast<size_t>(image.Height());
  std::vector<uint8_t> file;
  file.reserve(bitsOffset + imageSize);
  file.push_back('B');
  file.push_back('M');
  Put32(file, static_cast<uint32_t>(bitsOffset + imageSize));
  Put32(file, 0);
  Put32(file, static_cast<uint32_t>(bitsOffset));
  Put32(file, kInfoHeaderSize);
  Put32(file, static_cast<uint32_t>(image.Width()));
  Put32(file, static_cast<uint32_t>(image.Height()));  // bottom-up, as most readers expect
  Put16(file, 1);
  Put16(file, static_cast<uint16_t>(image.BitsPerPixel()));
  Put32(file, 0);
  Put32(file, static_cast<uint32_t>(imageSize));
  Put32(file, 2835);  // 72 dpi
  Put32(file, 2835);
  Put32(file, static_cast<uint32_t>(paletteSize / 4));
  Put32(file, 0);
  if (paletteSize) {
    const auto* palette = reinterpret_cast<const uint8_t*>(image.Palette().data());
    file.insert(file.end(), palette, palette + paletteSize);
  }
  for (int y = image.Height() - 1; y >= 0; --y) {
    file.insert(file.end(), image.ScanLine(y), image.ScanLine(y) + image.Stride());
  }
  return file;
}
