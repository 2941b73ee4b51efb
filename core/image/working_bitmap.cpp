#include "core/image/working_bitmap.h"

#include <cstdlib>

#include <cassert>
#include <cstring>
#include <new>
#include <stdexcept>
#include <string>

namespace zelvan::image {
namespace {

// calloc: a large block comes as fresh zero pages, not zeroed a second time.
class THeapStorage final : public TPixelStorage {
 public:
  explicit THeapStorage(size_t bytes) : bytes_(bytes == 0 ? nullptr : static_cast<uint8_t*>(std::calloc(bytes, 1))) {}
  uint8_t* Bits() override { return bytes_.get(); }

 private:
  struct TFree {
    void operator()(uint8_t* p) const { std::free(p); }
  };
  std::unique_ptr<uint8_t, TFree> bytes_;
};

std::unique_ptr<TPixelStorage> MakeHeapStorage(int, int height, int, size_t stride) {
  return std::make_unique<THeapStorage>(stride * static_cast<size_t>(height));
}

TPixelStorageFactory g_factory = nullptr;

bool IsKnownFormat(TPixelFormat format) {
  switch (format) {
    case TPixelFormat::pf1bit:
    case TPixelFormat::pf4bit:
    case TPixelFormat::pf8bit:
    case TPixelFormat::pf24bit:
    case TPixelFormat::pf32bit:
      return true;
  }
  return false;
}

// Checked in 64 bits so that a 32-bit build cannot wrap around.
size_t CheckedStride(int width, int height, TPixelFormat format) {
  if (width < 0 || height < 0)
    throw std::invalid_argument("bitmap size must not be negative: " + std::to_string(width) + " x " +
                                std::to_string(height));
  if (!IsKnownFormat(format)) throw std::invalid_argument("unknown pixel format");
  const uint64_t rowBits = static_cast<uint64_t>(width) * static_cast<uint64_t>(format);
  const uint64_t stride = (rowBits + 31) / 32 * 4;
  if (stride * static_cast<uint64_t>(height) > kMaxWorkingBitmapBytes)
    throw std::invalid_argument("bitmap too large: " + std::to_string(width) + " x " + std::to_string(height));
  return static_cast<size_t>(stride);
}

std::vector<TPaletteEntry> GrayRamp(TPixelFormat format) {
  if (format != TPixelFormat::pf1bit && format != TPixelFormat::pf4bit && format != TPixelFormat::pf8bit) return {};
  const int count = 1 << static_cast<int>(format);
  std::vector<TPaletteEntry> ramp(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    const auto level = static_cast<uint8_t>(i * 255 / (count - 1));
    ramp[static_cast<size_t>(i)] = {level, level, level, 0};
  }
  return ramp;
}

}  // namespace

void SetPixelStorageFactory(TPixelStorageFactory factory) { g_factory = factory; }

TWorkingBitmap::TWorkingBitmap(int width, int height, TPixelFormat format)
    : TWorkingBitmap(width, height, format, g_factory) {}

TWorkingBitmap::TWorkingBitmap(int width, int height, TPixelFormat format, TPixelStorageFactory factory)
    : width_(width),
      height_(height),
      format_(format),
      stride_(CheckedStride(width, height, format)),
      storage_((factory ? factory : MakeHeapStorage)(width, height, static_cast<int>(format), stride_)),
      bits_(storage_ ? storage_->Bits() : nullptr),
      palette_(GrayRamp(format)) {
  if (!storage_ || (bits_ == nullptr && stride_ * static_cast<size_t>(height_) != 0)) throw std::bad_alloc();
}

uint8_t* TWorkingBitmap::ScanLine(int y) {
  assert(y >= 0 && y < height_);
  return bits_ + static_cast<size_t>(y) * stride_;
}

const uint8_t* TWorkingBitmap::ScanLine(int y) const {
  assert(y >= 0 && y < height_);
  return bits_ + static_cast<size_t>(y) * stride_;
}

uint32_t* TWorkingBitmap::Row32(int y) {
  assert(format_ == TPixelFormat::pf32bit);
  return reinterpret_cast<uint32_t*>(ScanLine(y));
}

const uint32_t* TWorkingBitmap::Row32(int y) const {
  assert(format_ == TPixelFormat::pf32bit);
  return reinterpret_cast<const uint32_t*>(ScanLine(y));
}

}  // namespace zelvan::image
