#pragma once
// The off-screen picture every painter works on: a device-independent bitmap
// with directly addressable scan lines, top row first. 32-bit pixels lie in
// memory as B, G, R, A (read as a little-endian uint32: 0xAARRGGBB).
//
// The pixel memory comes from a storage factory. Natively it is zeroed heap
// memory; on Windows the framework installs a factory that makes a DIB section
// so the same memory can be selected into a device context and blitted.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace zelvan::image {

enum class TPixelFormat { pf1bit = 1, pf4bit = 4, pf8bit = 8, pf24bit = 24, pf32bit = 32 };

struct TPaletteEntry {  // RGBQUAD layout
  uint8_t B, G, R, A;
};

class TPixelStorage {
 public:
  virtual ~TPixelStorage() = default;
  virtual uint8_t* Bits() = 0;
};

using TPixelStorageFactory = std::unique_ptr<TPixelStorage> (*)(int width, int height, int bitsPerPixel,
                                                                size_t stride);

// nullptr restores plain zeroed heap memory. Affects bitmaps made afterwards.
void SetPixelStorageFactory(TPixelStorageFactory factory);

// Largest pixel buffer a working bitmap may have (256 MiB): far above any
// window or skin image, low enough that a corrupt image header cannot ask for
// an allocation that takes the process down.
inline constexpr uint64_t kMaxWorkingBitmapBytes = uint64_t{1} << 28;

class TWorkingBitmap {
 public:
  // Throws std::invalid_argument for a negative size or one whose pixel buffer
  // would exceed kMaxWorkingBitmapBytes; 0 x 0 (and 0 x n) is allowed.
  TWorkingBitmap(int width, int height, TPixelFormat format = TPixelFormat::pf32bit);
  // With storage from factory (null: plain heap memory), whatever the global one is.
  TWorkingBitmap(int width, int height, TPixelFormat format, TPixelStorageFactory factory);
  TWorkingBitmap(const TWorkingBitmap&) = delete;
  TWorkingBitmap& operator=(const TWorkingBitmap&) = delete;

  int Width() const { return width_; }
  int Height() const { return height_; }
  TPixelFormat PixelFormat() const { return format_; }
  int BitsPerPixel() const { return static_cast<int>(format_); }
  size_t Stride() const { return stride_; }  // bytes per row, a multiple of 4

  uint8_t* ScanLine(int y);
  const uint8_t* ScanLine(int y) const;
  uint32_t* Row32(int y);
  const uint32_t* Row32(int y) const;

  // Indexed formats start with a gray ramp of 2^bits entries; direct formats
  // have an empty palette.
  std::vector<TPaletteEntry>& Palette() { return palette_; }
  const std::vector<TPaletteEntry>& Palette() const { return palette_; }

  TPixelStorage* Storage() { return storage_.get(); }

 private:
  int width_;
  int height_;
  TPixelFormat format_;
  size_t stride_;
  std::unique_ptr<TPixelStorage> storage_;
  uint8_t* bits_;
  std::vector<TPaletteEntry> palette_;
};

}  // namespace zelvan::image
