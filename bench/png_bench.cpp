// Decoding PNG images into 32-bit BGRA pixels: libpng (the reference, through
// its simplified API) against our reader plus the expansion of 24-bit and
// paletted results to BGRA, on the same files in the same run.
#include <png.h>

#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <stdexcept>
#include <vector>

#include "core/image/channel_order.h"
#include "core/image/png_graphic.h"

namespace {

using zelvan::image::TPixelFormat;
using zelvan::image::TWorkingBitmap;

constexpr int kWidth = 1920, kHeight = 1080;

enum Kind { kPhotoRgb, kRgbaWithAlpha, kPaletted };

std::vector<uint8_t> Encode(Kind kind) {
  std::mt19937 random(7);
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = kWidth;
  image.height = kHeight;
  image.format = kind == kPhotoRgb ? PNG_FORMAT_RGB : kind == kRgbaWithAlpha ? PNG_FORMAT_RGBA : PNG_FORMAT_RGB_COLORMAP;
  const int channels = kind == kRgbaWithAlpha ? 4 : kind == kPhotoRgb ? 3 : 1;
  std::vector<uint8_t> pixels(size_t{kWidth} * kHeight * channels);
  std::vector<uint8_t> colormap(256 * 3);
  for (int i = 0; i < 256; ++i) colormap[3 * i] = uint8_t(i), colormap[3 * i + 1] = uint8_t(255 - i), colormap[3 * i + 2] = uint8_t(i * 7);
  if (kind == kPaletted) image.colormap_entries = 256;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      uint8_t* p = &pixels[(size_t{static_cast<size_t>(y)} * kWidth + x) * channels];
      // Smooth shapes with a little noise, as photos and skin images have.
      const int noise = static_cast<int>(random() % 9) - 4;
      const int base = (x * 255 / kWidth + y * 255 / kHeight) / 2 + noise;
      for (int c = 0; c < channels; ++c) p[c] = static_cast<uint8_t>(std::clamp(base + c * 40 - (x / 200) * 3, 0, 255));
      if (kind == kRgbaWithAlpha) p[3] = static_cast<uint8_t>(x * 255 / kWidth);
      if (kind == kPaletted) p[0] = static_cast<uint8_t>(((x / 16) ^ (y / 16)) + (noise & 1));
    }
  }
  png_alloc_size_t size = 0;
  if (!png_image_write_get_memory_size(image, size, 0, pixels.data(), 0, kind == kPaletted ? colormap.data() : nullptr))
    throw std::runtime_error(image.message);
  std::vector<uint8_t> bytes(size);
  if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, pixels.data(), 0,
                                 kind == kPaletted ? colormap.data() : nullptr))
    throw std::runtime_error(image.message);
  bytes.resize(size);
  return bytes;
}

const std::vector<uint8_t>& File(Kind kind) {
  static const std::vector<uint8_t> files[] = {Encode(kPhotoRgb), Encode(kRgbaWithAlpha), Encode(kPaletted)};
  return files[kind];
}

void LibPng(benchmark::State& state) {
  const auto& file = File(static_cast<Kind>(state.range(0)));
  std::vector<uint8_t> out(size_t{kWidth} * kHeight * 4);
  for (auto _ : state) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    png_image_begin_read_from_memory(&image, file.data(), file.size());
    image.format = PNG_FORMAT_BGRA;
    png_image_finish_read(&image, nullptr, out.data(), 0, nullptr);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * out.size()));
}

// The 32-bit picture a painter needs from whatever the reader produced.
void ToBgra(const TWorkingBitmap& bmp, std::vector<uint32_t>& out) {
  for (int y = 0; y < bmp.Height(); ++y) {
    uint32_t* dst = &out[size_t{static_cast<size_t>(y)} * kWidth];
    const uint8_t* src = bmp.ScanLine(y);
    switch (bmp.PixelFormat()) {
      case TPixelFormat::pf32bit:
        std::memcpy(dst, src, size_t{kWidth} * 4);
        break;
      case TPixelFormat::pf24bit:
        zelvan::image::Widen24To32(src, reinterpret_cast<uint8_t*>(dst), kWidth, 255);
        break;
      default: {
        uint32_t lut[256] = {};
        for (size_t i = 0; i < bmp.Palette().size(); ++i) {
          const auto& e = bmp.Palette()[i];
          lut[i] = 0xFF000000u | (uint32_t{e.R} << 16) | (uint32_t{e.G} << 8) | e.B;
        }
        for (int x = 0; x < kWidth; ++x) dst[x] = lut[src[x]];
      }
    }
  }
}

void Ours(benchmark::State& state) {
  const auto& file = File(static_cast<Kind>(state.range(0)));
  std::vector<uint32_t> out(size_t{kWidth} * kHeight);
  for (auto _ : state) {
    zelvan::io::TMemoryStream stream(file);
    zelvan::image::TPNGGraphic png;
    png.LoadFromStream(stream);
    ToBgra(*png.Bitmap(), out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * out.size() * 4));
}

BENCHMARK(LibPng)->Arg(kPhotoRgb)->Arg(kRgbaWithAlpha)->Arg(kPaletted)->Unit(benchmark::kMillisecond);
BENCHMARK(Ours)->Arg(kPhotoRgb)->Arg(kRgbaWithAlpha)->Arg(kPaletted)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
