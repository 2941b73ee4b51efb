#include "core/image/jpeg_image.h"

#include <string>

#include "core/image/graphic_error.h"
#include "core/image/jpeg_decode.h"

namespace zelvan::image {

namespace {

constexpr size_t kMessageSize = 256;

[[noreturn]] void Fail(const char* message) { throw EInvalidGraphic(std::string("Cannot load JPEG image. ") + message); }

}  // namespace

TJpegImage ReadJpegHeader(std::vector<uint8_t> bytes) {
  TJpegImage image;
  char message[kMessageSize] = {};
  if (!zelvan_jpeg_decode(bytes.data(), bytes.size(), nullptr, 0, &image.Width, &image.Height, message,
                          sizeof message)) {
    Fail(message);
  }
  image.Data = std::move(bytes);
  return image;
}

std::unique_ptr<TWorkingBitmap> DecodeJpeg(const TJpegImage& image) {
  if (uint64_t{4} * static_cast<uint64_t>(image.Width) * static_cast<uint64_t>(image.Height) >
      kMaxWorkingBitmapBytes) {
    Fail("The image is too large.");
  }
  auto bitmap = std::make_unique<TWorkingBitmap>(image.Width, image.Height);
  if (image.Width == 0 || image.Height == 0) return bitmap;
  int width = image.Width;
  int height = image.Height;
  char message[kMessageSize] = {};
  if (!zelvan_jpeg_decode(image.Data.data(), image.Data.size(), bitmap->ScanLine(0), bitmap->Stride(), &width,
                          &height, message, sizeof message)) {
    Fail(message);
  }
  return bitmap;
}

}  // namespace zelvan::image
