#include "core/image/png_graphic.h"

#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>

#include "core/image/bitmap32.h"
#include "core/image/graphic_error.h"
#include "core/image/inflater.h"
#include "core/image/lz77_decoder.h"
#include "core/image/png_rows.h"

namespace zelvan::image {

namespace {

constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr uint32_t kMaxChunkLength = 0x7FFFFFFF;

uint32_t BigEndian32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}
unsigned BigEndian16(const uint8_t* p) { return (unsigned{p[0]} << 8) | p[1]; }

[[noreturn]] void Fail(const std::string& message) { throw EInvalidGraphic(message); }

bool ReadSignature(io::TStream& stream) {
  uint8_t bytes[8];
  return stream.ReadExact(bytes, 8) && std::memcmp(bytes, kSignature, 8) == 0;
}

bool IsCritical(const uint8_t type[4]) { return (type[0] & 0x20) == 0; }

// A 16-bit sample as an 8-bit one.
unsigned Reduce16(unsigned value) { return value * 255u / 65535u; }

uint32_t Rgb(unsigned r, unsigned g, unsigned b) { return r | (g << 8) | (b << 16); }

}  // namespace

TPNGGraphic::TPNGGraphic() = default;
TPNGGraphic::~TPNGGraphic() = default;

bool TPNGGraphic::CanLoad(io::TStream& stream) {
  const int64_t start = stream.Position();
  const bool result = stream.Remaining() > 8 && ReadSignature(stream);
  stream.SetPosition(start);
  return result;
}

bool TPNGGraphic::CanLoad(const std::u16string& fileName) {
  io::TFileStream file(fileName);
  return file.IsOpen() && CanLoad(file);
}

// --- chunks ---------------------------------------------------------------

void TPNGGraphic::ReadChunkHeader() {
  uint8_t bytes[8];
  if (!stream_->ReadExact(bytes, 8)) Fail(messages::kInvalidFormat);
  header_.Length = BigEndian32(bytes);
  std::memcpy(header_.ChunkType, bytes + 4, 4);
  // Data and CRC must fit in what is left: a length past the end is a broken
  // file, not a reason to allocate.
  if (header_.Length > kMaxChunkLength ||
      static_cast<int64_t>(header_.Length) + 4 > stream_->Remaining()) {
    Fail(messages::kInvalidFormat);
  }
}

void TPNGGraphic::ReadChunkData() {
  rawBuffer_.resize(header_.Length);
  uint8_t crcBytes[4];
  if (!stream_->ReadExact(rawBuffer_.data(), rawBuffer_.size()) || !stream_->ReadExact(crcBytes, 4)) {
    Fail(messages::kInvalidFormat);
  }
  uLong crc = crc32(0L, header_.ChunkType, 4);
  crc = crc32(crc, rawBuffer_.data(), static_cast<uInt>(rawBuffer_.size()));
  if (static_cast<uint32_t>(crc) != BigEndian32(crcBytes)) Fail(messages::kCrcError);
}

void TPNGGraphic::SkipChunkData() {
  if (!stream_->SetPosition(stream_->Position() + header_.Length + 4)) Fail(messages::kInvalidFormat);
}

bool TPNGGraphic::HeaderIs(const char* type) const {
  for (int i = 0; i < 4; ++i) {
    if (((header_.ChunkType[i] ^ static_cast<uint8_t>(type[i])) & ~0x20) != 0) return false;
  }
  return true;
}

// --- header and properties --------------------------------------------------

void TPNGGraphic::ApplyHeader() {
  const uint8_t* d = rawBuffer_.data();
  TImageProperties& p = properties_;
  p.Width = BigEndian32(d);
  p.Height = BigEndian32(d + 4);
  p.Options = ioBigEndian;
  p.Compression = d[10] == 0 ? TCompressionType::ctLZ77 : TCompressionType::ctUnknown;
  p.BitsPerSample = d[8];
  colorType_ = d[9];
  switch (colorType_) {
    case 0: p.ColorScheme = TColorScheme::csG; p.SamplesPerPixel = 1; break;
    case 2: p.ColorScheme = TColorScheme::csRGB; p.SamplesPerPixel = 3; break;
    case 3: p.ColorScheme = TColorScheme::csIndexed; p.SamplesPerPixel = 1; break;
    case 4: p.ColorScheme = TColorScheme::csGA; p.SamplesPerPixel = 1; break;
    case 6: p.ColorScheme = TColorScheme::csRGBA; p.SamplesPerPixel = 4; break;
    default: p.ColorScheme = TColorScheme::csUnknown; p.SamplesPerPixel = 1; break;
  }
  p.BitsPerPixel = p.SamplesPerPixel * p.BitsPerSample;
  p.FilterMode = d[11];
  p.Interlaced = d[12] != 0;
  p.HasAlpha = p.ColorScheme == TColorScheme::csGA || p.ColorScheme == TColorScheme::csRGBA ||
               p.ColorScheme == TColorScheme::csBGRA;
}

bool TPNGGraphic::ReadImageProperties(io::TStream& stream, int /*imageIndex*/) {
  stream_ = &stream;
  properties_ = TImageProperties{};
  properties_.FileGamma = 1;
  if (!ReadSignature(stream)) return false;
  ReadChunkHeader();
  if (!HeaderIs("IHDR") || header_.Length < 13) return false;
  ReadChunkData();
  ApplyHeader();
  if (properties_.Width == 0 || properties_.Height == 0) return false;
  if (properties_.Width > kMaxPngSide || properties_.Height > kMaxPngSide) return false;
  // Look ahead for the file gamma; a file that ends early still has a header.
  while (stream.Remaining() >= 12) {
    ReadChunkHeader();
    if (HeaderIs("IEND")) break;
    if (HeaderIs("gAMA") && header_.Length >= 4) {
      ReadChunkData();
      properties_.FileGamma = BigEndian32(rawBuffer_.data()) / 100000.0;
      break;
    }
    SkipChunkData();
  }
  return true;
}

// --- loading ----------------------------------------------------------------

void TPNGGraphic::Progress(const std::string& stage) {
  if (OnProgress) OnProgress(stage);
}

void TPNGGraphic::LoadFromStream(io::TStream& stream) {
  const int64_t start = stream.Position();
  struct Cleanup {  // the decoder and buffers go on every path
    TPNGGraphic& self;
    ~Cleanup() {
      self.decoder_.reset();
      self.rawBuffer_.clear();
      self.rawBuffer_.shrink_to_fit();
      self.Progress("");
    }
  } cleanup{*this};
  Progress("Preparing...");

  if (!ReadImageProperties(stream, 0)) Fail(messages::kInvalidFormat);
  stream.SetPosition(start + 8);
  palette_.clear();
  transparency_.clear();
  backgroundColor_ = 0xFFFFFF;
  transparentColor_ = kNoColor;
  transparent_ = false;
  formatReady_ = false;
  bitmap_.reset();
  colorManager_.SetSourceOptions(coNeedByteSwap);
  colorManager_.SetTargetOptions(0);

  ReadChunkHeader();
  ReadChunkData();
  ApplyHeader();
  if (properties_.Compression != TCompressionType::ctLZ77) Fail(messages::kCompressionNotSupported);
  // Every IDAT chunk's CRC is checked as it is read.
  decoder_ = std::make_unique<TLZ77Decoder>(1, false, false);  // partial flush
  decoder_->DecodeInit();

  for (;;) {
    ReadChunkHeader();
    if (HeaderIs("IDAT")) {
      DecodeImage();  // leaves the header of the chunk after the IDAT run
    } else if (HeaderIs("PLTE")) {
      ReadPalette();
      continue;
    } else if (HeaderIs("gAMA")) {
      ReadGamma();
      continue;
    } else if (HeaderIs("bKGD")) {
      ReadBackground();
      continue;
    } else if (HeaderIs("tRNS")) {
      ReadTransparency();
      continue;
    }
    SkipChunkData();
    if (HeaderIs("IEND")) break;
    if (IsCritical(header_.ChunkType)) Fail(messages::kUnknownCriticalChunk);
  }
  // A file without image data would leave no picture behind a successful load.
  if (!bitmap_) Fail(messages::kInvalidFormat);
  decoder_->DecodeEnd();
}

void TPNGGraphic::SetupPixelFormat() {
  const int depth = properties_.BitsPerSample;
  auto depthIn = [depth](std::initializer_list<int> allowed) {
    return std::find(allowed.begin(), allowed.end(), depth) != allowed.end();
  };
  TColorManager& cm = colorManager_;
  int targetBits = 8;
  switch (colorType_) {
    case 0:
      if (!depthIn({1, 2, 4, 8, 16})) Fail(messages::kInvalidColorFormat);
      targetBits = depth == 2 ? 4 : depth == 16 ? 8 : depth;
      cm.SetSourceScheme(TColorScheme::csG);
      cm.SetTargetScheme(TColorScheme::csG);
      sourceBPP_ = static_cast<size_t>((depth + 7) / 8);
      break;
    case 2:
      if (!depthIn({8, 16})) Fail(messages::kInvalidColorFormat);
      cm.SetSourceScheme(TColorScheme::csRGB);
      cm.SetTargetScheme(TColorScheme::csBGR);
      sourceBPP_ = static_cast<size_t>(depth * 3 / 8);
      break;
    case 3:
      if (!depthIn({1, 2, 4, 8})) Fail(messages::kInvalidColorFormat);
      targetBits = depth == 2 ? 4 : depth;
      cm.SetSourceScheme(TColorScheme::csIndexed);
      cm.SetTargetScheme(TColorScheme::csIndexed);
      sourceBPP_ = 1;
      break;
    case 4:
      if (!depthIn({8, 16})) Fail(messages::kInvalidColorFormat);
      cm.SetSourceScheme(TColorScheme::csGA);
      cm.SetTargetScheme(TColorScheme::csG);
      sourceBPP_ = static_cast<size_t>(depth * 2 / 8);
      break;
    case 6:
      if (!depthIn({8, 16})) Fail(messages::kInvalidColorFormat);
      cm.SetSourceScheme(TColorScheme::csRGBA);
      cm.SetTargetScheme(TColorScheme::csBGRA);
      sourceBPP_ = static_cast<size_t>(depth * 4 / 8);
      break;
    default:
      Fail(messages::kInvalidColorFormat);
  }
  const int samples = properties_.SamplesPerPixel;
  cm.SetSourceBitsPerSample(depth);
  cm.SetTargetBitsPerSample(targetBits);
  cm.SetSourceSamplesPerPixel(colorType_ == 4 ? 2 : samples);
  cm.SetTargetSamplesPerPixel(colorType_ == 6 ? 4 : colorType_ == 2 ? 3 : 1);
  switch (colorType_) {
    case 2: pixelFormat_ = TPixelFormat::pf24bit; break;
    case 6: pixelFormat_ = TPixelFormat::pf32bit; break;
    default:
      pixelFormat_ = targetBits == 1 ? TPixelFormat::pf1bit
                     : targetBits == 4 ? TPixelFormat::pf4bit
                                       : TPixelFormat::pf8bit;
  }
  formatReady_ = true;
}

void TPNGGraphic::ReadPalette() {
  ReadChunkData();
  if (header_.Length % 3 != 0) Fail(messages::kInvalidPalette);
  if (colorType_ != 3) return;
  const size_t count = header_.Length / 3;
  if (count == 0 || count > 256) Fail(messages::kInvalidPalette);
  SetupPixelFormat();
  const bool gamma = (colorManager_.TargetOptions() & coApplyGamma) != 0;
  // Palette colours are 8-bit whatever the index size: their own gamma curve.
  const double exponent = 1.0 / (properties_.FileGamma * 2.2);
  auto correct = [&](uint8_t v) {
    return gamma ? static_cast<uint8_t>(std::nearbyint(std::pow(v / 255.0, exponent) * 255.0)) : v;
  };
  palette_.resize(count);
  for (size_t i = 0; i < count; ++i) {
    const uint8_t* rgb = rawBuffer_.data() + 3 * i;
    palette_[i] = {correct(rgb[2]), correct(rgb[1]), correct(rgb[0]), 0};
  }
}

void TPNGGraphic::ReadGamma() {
  ReadChunkData();
  if (header_.Length < 4) return;
  const double gamma = BigEndian32(rawBuffer_.data()) / 100000.0;
  if (gamma <= 0) return;  // a zero gamma would divide by zero; treat as absent
  properties_.FileGamma = gamma;
  colorManager_.SetGamma(gamma, 2.2);
  colorManager_.SetTargetOptions(colorManager_.TargetOptions() | coApplyGamma);
  properties_.Options |= ioUseGamma;
}

// A gray or index sample of a bKGD or tRNS chunk, as the colour number it is used as.
uint32_t TPNGGraphic::SampleColor(const uint8_t* data) const {
  unsigned value = BigEndian16(data);
  if (properties_.BitsPerSample == 2) value = value * 15 / 3;
  if (properties_.BitsPerSample == 16) value = Reduce16(value);
  return value;
}

// Three 16-bit samples of a bKGD or tRNS chunk as a colour value.
uint32_t TPNGGraphic::ChunkRgb(const uint8_t* data) const {
  const bool wide = properties_.BitsPerSample == 16;
  auto channel = [&](const uint8_t* p) { return wide ? Reduce16(BigEndian16(p)) : (BigEndian16(p) & 0xFF); };
  return Rgb(channel(data), channel(data + 2), channel(data + 4));
}

void TPNGGraphic::ReadBackground() {
  ReadChunkData();
  const uint8_t* d = rawBuffer_.data();
  const size_t n = header_.Length;
  switch (colorType_) {
    case 2:
    case 6:
      if (n >= 6) backgroundColor_ = ChunkRgb(d);
      break;
    case 0:
    case 4:
      if (n >= 2) backgroundColor_ = SampleColor(d);
      break;
    case 3:
      if (n >= 1) backgroundColor_ = d[0];
      break;
    default:
      break;
  }
}

void TPNGGraphic::ReadTransparency() {
  ReadChunkData();
  const uint8_t* d = rawBuffer_.data();
  const size_t n = header_.Length;
  switch (colorType_) {
    case 0:
      if (n >= 2) {
        const uint32_t g = SampleColor(d) & 0xFF;
        transparentColor_ = Rgb(g, g, g);
      }
      break;
    case 2:
      if (n >= 6) transparentColor_ = ChunkRgb(d);
      break;
    case 3:
      transparency_.assign(d, d + std::min<size_t>(n, 256));
      transparency_.resize(256, 255);
      break;
    default:
      break;
  }
}

// --- image data -----------------------------------------------------------

void TPNGGraphic::FillBackground(int firstRow) {
  TWorkingBitmap& bmp = *bitmap_;
  const uint8_t r = backgroundColor_ & 0xFF, g = (backgroundColor_ >> 8) & 0xFF,
                b = (backgroundColor_ >> 16) & 0xFF;
  for (int y = firstRow; y < bmp.Height(); ++y) {
    uint8_t* row = bmp.ScanLine(y);
    switch (bmp.PixelFormat()) {
      case TPixelFormat::pf24bit:
        for (int x = 0; x < bmp.Width(); ++x) {
          row[3 * x] = b;
          row[3 * x + 1] = g;
          row[3 * x + 2] = r;
        }
        break;
      case TPixelFormat::pf32bit:
        for (int x = 0; x < bmp.Width(); ++x) bmp.Row32(y)[x] = (uint32_t{r} << 16) | (uint32_t{g} << 8) | b;
        break;
      default: {
        // Indexed: the palette entry nearest to the colour, repeated.
        const auto& pal = bmp.Palette();
        size_t best = 0;
        int bestDistance = 1 << 30;
        for (size_t i = 0; i < pal.size(); ++i) {
          const int dr = pal[i].R - r, dg = pal[i].G - g, db = pal[i].B - b;
          const int distance = dr * dr + dg * dg + db * db;
          if (distance < bestDistance) bestDistance = distance, best = i;
        }
        const int bits = bmp.BitsPerPixel();
        uint8_t fill = static_cast<uint8_t>(best);
        if (bits == 4) fill = static_cast<uint8_t>((best << 4) | best);
        if (bits == 1) fill = best ? 0xFF : 0x00;
        std::memset(row, fill, bmp.Stride());
      }
    }
  }
}

bool TPNGGraphic::InflateRow(uint8_t* row, size_t bytes) {
  size_t left = bytes;
  while (left > 0) {
    if (streamEnded_) Fail(messages::kExtraCompressedData);
    // The decoder may hold decoded bytes of input it has already taken, so it
    // is asked first and the next chunk read only when it wants more.
    const size_t sourceBefore = sourceLeft_, leftBefore = left;
    const int result = decoder_->Decode(currentSource_, row, sourceLeft_, left);
    if (result != TInflater::kOk && result != TInflater::kStreamEnd) Fail(messages::kCompressionError);
    if (result == TInflater::kStreamEnd) {
      streamEnded_ = true;
      if (left > 0 || sourceLeft_ > 0) Fail(messages::kExtraCompressedData);
    }
    if (left == 0) break;
    if (sourceLeft_ > 0) {
      if (sourceLeft_ == sourceBefore && left == leftBefore) Fail(messages::kCompressionError);
      continue;
    }
    if (!HeaderIs("IDAT")) return false;  // no more image data: decoding ends here
    ReadChunkData();
    currentSource_ = rawBuffer_.data();
    sourceLeft_ = rawBuffer_.size();
    ReadChunkHeader();
  }
  return true;
}

void TPNGGraphic::CheckPaletteIndexes(const uint8_t* row, uint32_t pixels) const {
  const int depth = properties_.BitsPerSample;
  if (palette_.size() >= (size_t{1} << depth)) return;  // every index has an entry
  for (uint32_t i = 0; i < pixels; ++i) {
    const size_t bit = size_t{i} * static_cast<size_t>(depth);
    const unsigned index = depth == 8 ? row[i] : (row[bit / 8] >> (8 - depth - bit % 8)) & ((1u << depth) - 1u);
    if (index >= palette_.size()) Fail(messages::kInvalidPalette);
  }
}

void TPNGGraphic::DecodeImage() {
  Progress("Transfering...");
  if (!formatReady_) SetupPixelFormat();
  try {
    bitmap_ = std::make_unique<TWorkingBitmap>(static_cast<int>(properties_.Width),
                                               static_cast<int>(properties_.Height), pixelFormat_);
  } catch (const std::invalid_argument&) {
    Fail(messages::kInvalidFormat);  // larger than any bitmap we make
  }
  if (!palette_.empty()) {
    bitmap_->Palette() = palette_;
    bitmap_->Palette().resize(std::min(palette_.size(), size_t{1} << bitmap_->BitsPerPixel()));
  }
  // Whole rows of direct colour are written over completely: only the rows a
  // short file leaves out need the background, filled once decoding stops.
  const bool fillLater = !properties_.Interlaced && bitmap_->BitsPerPixel() >= 24;
  if (!fillLater) FillBackground(0);
  if (transparentColor_ != kNoColor) transparent_ = true;

  currentSource_ = nullptr;
  sourceLeft_ = 0;
  streamEnded_ = false;
  const uint32_t width = properties_.Width, height = properties_.Height;
  const size_t bitsPerPixel = static_cast<size_t>(properties_.BitsPerSample) *
                              static_cast<size_t>(colorType_ == 4 ? 2 : properties_.SamplesPerPixel);
  const size_t maxRowBytes = (width * bitsPerPixel + 7) / 8 + 1;
  std::vector<uint8_t> current(maxRowBytes), previous(maxRowBytes);

  const png::TPass* passes = properties_.Interlaced ? png::kAdam7 : &png::kWholeImage;
  const int passCount = properties_.Interlaced ? 7 : 1;
  bool more = true;
  int rowsDecoded = 0;
  // On every way out, failures included, rows not decoded show the background.
  struct TFillRest {
    TPNGGraphic& self;
    const bool active;
    const int& from;
    ~TFillRest() {
      if (active) self.FillBackground(from);
    }
  } fillRest{*this, fillLater, rowsDecoded};
  for (int p = 0; p < passCount && more; ++p) {
    const png::TPass& pass = passes[p];
    const uint32_t columns = pass.Columns(width), rows = pass.Rows(height);
    if (columns == 0 || rows == 0) continue;
    const size_t rowBytes = (columns * bitsPerPixel + 7) / 8;
    std::fill(previous.begin(), previous.end(), 0);
    for (uint32_t r = 0; r < rows; ++r) {
      if (!InflateRow(current.data(), rowBytes + 1)) {
        more = false;
        break;
      }
      png::Unfilter(current[0], current.data() + 1, previous.data() + 1, rowBytes, sourceBPP_);
      if (colorType_ == 3) CheckPaletteIndexes(current.data() + 1, columns);
      const int y = static_cast<int>(pass.FirstRow + r * static_cast<uint32_t>(pass.RowStep));
      colorManager_.ConvertRow(current.data() + 1, bitmap_->ScanLine(y), static_cast<int>(columns),
                               pass.FirstColumn, pass.ColumnStep);
      std::swap(current, previous);
      ++rowsDecoded;
    }
  }
  // The rest of the IDAT run is read so that its CRCs are checked.
  while (HeaderIs("IDAT")) {
    ReadChunkData();
    ReadChunkHeader();
  }
}

// --- copies ---------------------------------------------------------------

void TPNGGraphic::Assign(const TWorkingBitmap& source) { bitmap_ = CopyBitmap(source); }

void TPNGGraphic::Assign(const TPNGGraphic& source) {
  if (source.bitmap_) {
    Assign(*source.bitmap_);
  } else {
    bitmap_.reset();
  }
  properties_ = source.properties_;
  backgroundColor_ = source.backgroundColor_;
  transparency_ = source.transparency_;
  transparentColor_ = source.transparentColor_;
  transparent_ = source.transparent_;
  Reflected = source.Reflected;
}

}  // namespace zelvan::image
