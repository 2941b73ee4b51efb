#pragma once
// Reads PNG images into a working bitmap. Supported: gray 1-16 bits, RGB 8
// and 16, indexed 1-8, gray with alpha 8 and 16 (alpha dropped), RGBA 8 and
// 16; Adam7; gAMA, bKGD, tRNS. Errors raise EInvalidGraphic.
//
// Hostile files: images wider or taller than kMaxPngSide, or whose bitmap
// would exceed the working bitmap's ceiling, chunks longer than the stream,
// and palette indexes past the palette are refused with the fixed messages.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/image/color_manager.h"
#include "core/image/image_properties.h"
#include "core/image/working_bitmap.h"
#include "core/io/stream.h"

namespace zelvan::image {

inline constexpr uint32_t kMaxPngSide = 16384;

// Colour value meaning "no transparent colour".
inline constexpr uint32_t kNoColor = 0x1FFFFFFF;

class TLZ77Decoder;

class TPNGGraphic {
 public:
  TPNGGraphic();
  ~TPNGGraphic();

  // More than 8 bytes and the PNG signature; the position is restored.
  static bool CanLoad(io::TStream& stream);
  static bool CanLoad(const std::u16string& fileName);

  // Fills ImageProperties from the header without decoding pixels.
  bool ReadImageProperties(io::TStream& stream, int imageIndex = 0);
  void LoadFromStream(io::TStream& stream);

  // Copies another picture as a bitmap (with its properties when it is a PNG).
  void Assign(const TWorkingBitmap& source);
  void Assign(const TPNGGraphic& source);

  // The decoded picture; null until an image has been loaded or assigned.
  TWorkingBitmap* Bitmap() { return bitmap_.get(); }
  const TWorkingBitmap* Bitmap() const { return bitmap_.get(); }

  const TImageProperties& ImageProperties() const { return properties_; }
  TColorManager& ColorManager() { return colorManager_; }
  uint32_t BackgroundColor() const { return backgroundColor_; }
  const std::vector<uint8_t>& Transparency() const { return transparency_; }
  bool Transparent() const { return transparent_; }
  uint32_t TransparentColor() const { return transparentColor_; }

  bool Reflected = false;  // draw a reflection below the image
  // Told "Preparing..." when a load starts, "Transfering..." at the image
  // data, and an empty text when it ends.
  std::function<void(const std::string& stage)> OnProgress;

 private:
  struct TChunkHeader {
    uint32_t Length = 0;
    uint8_t ChunkType[4] = {};
  };

  void ReadChunkHeader();
  void ReadChunkData();
  void SkipChunkData();
  bool HeaderIs(const char* type) const;
  void ApplyHeader();
  void SetupPixelFormat();
  void ReadPalette();
  void ReadGamma();
  void ReadBackground();
  void ReadTransparency();
  void DecodeImage();
  bool InflateRow(uint8_t* row, size_t bytes);
  void CheckPaletteIndexes(const uint8_t* row, uint32_t pixels) const;
  void FillBackground(int firstRow);
  uint32_t SampleColor(const uint8_t* data) const;
  uint32_t ChunkRgb(const uint8_t* data) const;
  void Progress(const std::string& stage);

  io::TStream* stream_ = nullptr;
  std::unique_ptr<TWorkingBitmap> bitmap_;
  TImageProperties properties_;
  TColorManager colorManager_;
  std::unique_ptr<TLZ77Decoder> decoder_;
  TChunkHeader header_;
  std::vector<uint8_t> rawBuffer_;
  const uint8_t* currentSource_ = nullptr;
  size_t sourceLeft_ = 0;
  bool streamEnded_ = false;
  size_t sourceBPP_ = 1;
  bool formatReady_ = false;
  TPixelFormat pixelFormat_ = TPixelFormat::pf32bit;
  std::vector<TPaletteEntry> palette_;
  std::vector<uint8_t> transparency_;
  uint32_t transparentColor_ = kNoColor;
  bool transparent_ = false;
  uint32_t backgroundColor_ = 0xFFFFFF;
  uint8_t colorType_ = 0;
};

}  // namespace zelvan::image
