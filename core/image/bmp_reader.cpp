#include "core/image/bmp_reader.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <vector>

#include "core/image/graphic_error.h"

namespace zelvan::image {

namespace {

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;
constexpr int32_t kMaxSide = 1 << 16;

[[noreturn]] void Invalid() { throw EInvalidGraphic(kInvalidBitmap); }

uint32_t U32(const uint8_t* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24); }
uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }

struct TBmpHeader {
  int32_t Width = 0;
  int32_t Height = 0;
  bool TopDown = false;
  int BitCount = 0;
  uint32_t Compression = kBiRgb;
  uint32_t ColorsUsed = 0;
  uint32_t Masks[4] = {};  // R, G, B, A
  bool Core = false;       // 12-byte header: 3-byte palette entries
  uint32_t HeaderSize = 0;
};

TBmpHeader ReadInfoHeader(io::TStream& stream) {
  uint8_t size_bytes[4];
  if (!stream.ReadExact(size_bytes, 4)) Invalid();
  TBmpHeader h;
  h.HeaderSize = U32(size_bytes);
  if (h.HeaderSize != 12 && h.HeaderSize != 40 && h.HeaderSize != 52 && h.HeaderSize != 56 &&
      h.HeaderSize != 108 && h.HeaderSize != 124) {
    Invalid();
  }
  uint8_t b[124] = {};
  if (!stream.ReadExact(b + 4, h.HeaderSize - 4)) Invalid();
  int64_t height = 0;
  if (h.HeaderSize == 12) {
    h.Core = true;
    h.Width = U16(b + 4);
    height = U16(b + 6);
    h.BitCount = U16(b + 10);
  } else {
    h.Width = static_cast<int32_t>(U32(b + 4));
    height = static_cast<int32_t>(U32(b + 8));
    h.BitCount = U16(b + 14);
    h.Compression = U32(b + 16);
    h.ColorsUsed = U32(b + 32);
    if (h.HeaderSize >= 52) {
      for (int i = 0; i < 3; ++i) h.Masks[i] = U32(b + 40 + 4 * i);
    }
    if (h.HeaderSize >= 56) h.Masks[3] = U32(b + 52);
  }
  h.TopDown = height < 0;
  height = height < 0 ? -height : height;
  if (h.Width < 0 || h.Width > kMaxSide || height > kMaxSide) Invalid();
  h.Height = static_cast<int32_t>(height);
  return h;
}

TPixelFormat FormatFor(int bits) {
  switch (bits) {
    case 1: return TPixelFormat::pf1bit;
    case 4: return TPixelFormat::pf4bit;
    case 8: return TPixelFormat::pf8bit;
    case 16:
    case 24: return TPixelFormat::pf24bit;
    case 32: return TPixelFormat::pf32bit;
    default: Invalid();
  }
}

// Scales a masked channel to 8 bits; a zero mask gives `absent`.
uint8_t Channel(uint32_t pixel, uint32_t mask, uint8_t absent) {
  if (mask == 0) return absent;
  const int shift = std::countr_zero(mask);
  const uint32_t max = mask >> shift;
  return static_cast<uint8_t>(((pixel & mask) >> shift) * 255u / max);
}

void ReadPalette(io::TStream& stream, const TBmpHeader& h, TWorkingBitmap& bitmap) {
  const uint32_t full = 1u << h.BitCount;
  const uint32_t count = h.ColorsUsed == 0 || h.ColorsUsed > full ? full : h.ColorsUsed;
  const size_t entry = h.Core ? 3 : 4;
  std::vector<uint8_t> bytes(count * entry);
  if (!stream.ReadExact(bytes.data(), bytes.size())) Invalid();
  auto& palette = bitmap.Palette();
  palette.assign(full, TPaletteEntry{0, 0, 0, 0});
  for (uint32_t i = 0; i < count; ++i) {
    palette[i] = {bytes[i * entry], bytes[i * entry + 1], bytes[i * entry + 2], 0};
  }
}

void ConvertMaskedRow(const uint8_t* source, uint8_t* target, int width, int bits, int targetBytes,
                      const uint32_t* masks) {
  for (int x = 0; x < width; ++x) {
    const uint32_t pixel = bits == 16 ? U16(source + 2 * x) : U32(source + 4 * x);
    uint8_t* out = target + x * targetBytes;
    out[0] = Channel(pixel, masks[2], 0);
    out[1] = Channel(pixel, masks[1], 0);
    out[2] = Channel(pixel, masks[0], 0);
    if (targetBytes == 4) out[3] = Channel(pixel, masks[3], 0);
  }
}

void ExpandRow24(const uint8_t* source, uint8_t* target, int width) {
  for (int x = 0; x < width; ++x, source += 3, target += 4) {
    target[0] = source[0];
    target[1] = source[1];
    target[2] = source[2];
    target[3] = 0;
  }
}

}  // namespace

std::unique_ptr<TWorkingBitmap> ReadBmp(io::TStream& stream, bool directTo32, int* sourceBits) {
  const int64_t start = stream.Position();
  uint8_t file_header[14];
  if (!stream.ReadExact(file_header, sizeof file_header) || file_header[0] != 'B' || file_header[1] != 'M') Invalid();
  const uint32_t bits_offset = U32(file_header + 10);
  TBmpHeader h = ReadInfoHeader(stream);
  if (h.Compression != kBiRgb && !(h.Compression == kBiBitfields && (h.BitCount == 16 || h.BitCount == 32))) {
    Invalid();
  }
  if (sourceBits != nullptr) *sourceBits = h.BitCount;
  const bool expand = directTo32 && (h.BitCount == 16 || h.BitCount == 24);
  const TPixelFormat format = expand ? TPixelFormat::pf32bit : FormatFor(h.BitCount);
  if (h.Compression == kBiBitfields && h.HeaderSize == 40) {
    uint8_t masks[12];
    if (!stream.ReadExact(masks, sizeof masks)) Invalid();
    for (int i = 0; i < 3; ++i) h.Masks[i] = U32(masks + 4 * i);
  }
  const bool masked = h.BitCount == 16 || (h.Compression == kBiBitfields && h.BitCount == 32);
  if (h.BitCount == 16 && h.Compression == kBiRgb) {
    h.Masks[0] = 0x7C00;
    h.Masks[1] = 0x03E0;
    h.Masks[2] = 0x001F;
  }
  const size_t row_bytes = (static_cast<size_t>(h.Width) * static_cast<size_t>(h.BitCount) + 31) / 32 * 4;
  const uint64_t pixel_bytes = static_cast<uint64_t>(row_bytes) * static_cast<uint64_t>(h.Height);
  // The rows must be in the stream before the bitmap is allocated.
  if (static_cast<int64_t>(bits_offset) > stream.Size() - start ||
      pixel_bytes > static_cast<uint64_t>(stream.Size() - start - bits_offset)) {
    Invalid();
  }
  std::unique_ptr<TWorkingBitmap> bitmap;
  try {
    bitmap = std::make_unique<TWorkingBitmap>(h.Width, h.Height, format);
  } catch (const std::invalid_argument&) {
    Invalid();
  }
  if (h.BitCount <= 8) ReadPalette(stream, h, *bitmap);
  if (h.Width == 0 || h.Height == 0) return bitmap;  // no rows to read
  if (!stream.SetPosition(start + bits_offset)) Invalid();
  std::vector<uint8_t> row(row_bytes);
  const size_t copy = std::min(row_bytes, bitmap->Stride());
  for (int32_t i = 0; i < h.Height; ++i) {
    if (!stream.ReadExact(row.data(), row.size())) Invalid();
    uint8_t* target = bitmap->ScanLine(h.TopDown ? i : h.Height - 1 - i);
    if (masked) {
      ConvertMaskedRow(row.data(), target, h.Width, h.BitCount, h.BitCount == 32 || expand ? 4 : 3, h.Masks);
    } else if (expand) {
      ExpandRow24(row.data(), target, h.Width);
    } else {
      std::memcpy(target, row.data(), copy);
    }
  }
  return bitmap;
}

}  // namespace zelvan::image
