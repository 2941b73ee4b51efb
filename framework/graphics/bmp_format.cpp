#include "framework/graphics/bmp_format.h"

#include <windows.h>

#include <cstring>
#include <stdexcept>

#include "framework/system/exception.h"

using zelvan::image::TPaletteEntry;
using zelvan::image::TPixelFormat;
using zelvan::image::TWorkingBitmap;

namespace {

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;

uint32_t Read32(const std::vector<uint8_t>& data, size_t offset) {
  if (offset + 4 > data.size()) throw EReadError(L"Truncated bitmap file");
  return uint32_t{data[offset]} | uint32_t{data[offset + 1]} << 8 |
         uint32_t{data[offset + 2]} << 16 | uint32_t{data[offset + 3]} << 24;
}

uint16_t Read16(const std::vector<uint8_t>& data, size_t offset) {
  if (offset + 2 > data.size()) throw EReadError(L"Truncated bitmap file");
  return static_cast<uint16_t>(data[offset] | data[offset + 1] << 8);
}

void Put32(std::vector<uint8_t>& data, uint32_t value) {
  for (int i = 0; i < 4; ++i) data.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void Put16(std::vector<uint8_t>& data, uint16_t value) {
  data.push_back(static_cast<uint8_t>(value));
  data.push_back(static_cast<uint8_t>(value >> 8));
}

// B, G, R bytes as BI_RGB has them. The masks follow a 40-byte header and
// sit at the same place inside the larger ones.
bool StandardMasks(const std::vector<uint8_t>& file) {
  const size_t at = kFileHeaderSize + kInfoHeaderSize;
  return Read32(file, at) == 0x00FF0000 && Read32(file, at + 4) == 0x0000FF00 &&
         Read32(file, at + 8) == 0x000000FF;
}

}  // namespace

std::unique_ptr<TWorkingBitmap> ReadBmp(const std::vector<uint8_t>& file) {
  if (file.size() < kFileHeaderSize + kInfoHeaderSize || file[0] != 'B' || file[1] != 'M') {
    throw EReadError(L"Not a bitmap file");
  }
  const uint32_t bitsOffset = Read32(file, 10);
  const uint32_t headerSize = Read32(file, 14);
  if (headerSize < kInfoHeaderSize) throw EReadError(L"Unsupported bitmap header");
  const auto width = static_cast<int32_t>(Read32(file, 18));
  const auto rawHeight = static_cast<int32_t>(Read32(file, 22));
  const uint16_t bitCount = Read16(file, 28);
  const uint32_t compression = Read32(file, 30);
  uint32_t colorsUsed = Read32(file, 46);
  if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN) throw EReadError(L"Bad bitmap size");
  if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32) {
    throw EReadError(L"Unsupported bitmap depth");
  }
  const bool bitFields = compression == BI_BITFIELDS;
  if (compression != BI_RGB && !(bitFields && bitCount == 32 && StandardMasks(file))) {
    throw EReadError(L"Unsupported bitmap compression");
  }
  const bool topDown = rawHeight < 0;
  const int height = topDown ? -rawHeight : rawHeight;

  std::unique_ptr<TWorkingBitmap> image;
  try {
    image = std::make_unique<TWorkingBitmap>(width, height, static_cast<TPixelFormat>(bitCount));
  } catch (const std::invalid_argument&) {
    throw EReadError(L"Bitmap too large");
  }
  if (bitCount <= 8) {
    const uint32_t maxColors = 1u << bitCount;
    if (colorsUsed == 0 || colorsUsed > maxColors) colorsUsed = maxColors;
    const size_t paletteAt = kFileHeaderSize + headerSize;
    if (paletteAt + size_t{colorsUsed} * 4 > file.size()) throw EReadError(L"Truncated bitmap file");
    auto& palette = image->Palette();
    palette.assign(maxColors, TPaletteEntry{0, 0, 0, 0});
    std::memcpy(palette.data(), file.data() + paletteAt, size_t{colorsUsed} * 4);
  }
  const size_t stride = image->Stride();
  if (bitsOffset > file.size() || (file.size() - bitsOffset) / stride < static_cast<size_t>(height)) {
    throw EReadError(L"Truncated bitmap file");
  }
  for (int row = 0; row < height; ++row) {
    const int y = topDown ? row : height - 1 - row;
    std::memcpy(image->ScanLine(y), file.data() + bitsOffset + row * stride, stride);
  }
  return image;
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
