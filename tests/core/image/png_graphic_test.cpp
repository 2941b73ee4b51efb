#include "core/image/png_graphic.h"

#include <gtest/gtest.h>

#include <cstring>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "core/image/graphic_error.h"
#include "core/simd/cpu_features.h"
#include "tests/core/simd_levels.h"
#include "tools/common/png_writer.h"

namespace zelvan::image {
namespace {

using png::BigEndian16;
using png::PngRecipe;
using png::WritePng;

std::unique_ptr<TPNGGraphic> Load(const std::vector<uint8_t>& bytes) {
  auto png = std::make_unique<TPNGGraphic>();
  io::TMemoryStream stream(bytes);
  png->LoadFromStream(stream);
  return png;
}

std::string LoadError(const std::vector<uint8_t>& bytes) {
  try {
    Load(bytes);
  } catch (const EInvalidGraphic& e) {
    return e.what();
  }
  return "(loaded)";
}

// Deterministic sample values, spread over the whole range of a depth.
unsigned SampleAt(uint32_t x, uint32_t y, int s, int depth, unsigned limit) {
  const unsigned v = (x * 7919u + y * 104729u + static_cast<unsigned>(s) * 31u + x * y * 13u) * 2654435761u;
  const unsigned max = (1u << depth) - 1u;
  return (v >> 7) % std::min(max + 1u, limit);
}

int Samples(uint8_t colorType) { return colorType == 2 ? 3 : colorType == 4 ? 2 : colorType == 6 ? 4 : 1; }

std::vector<std::vector<uint8_t>> MakeRows(const PngRecipe& recipe, unsigned limit) {
  const int samples = Samples(recipe.colorType);
  std::vector<std::vector<uint8_t>> rows;
  for (uint32_t y = 0; y < recipe.height; ++y) {
    std::vector<uint8_t> row((recipe.width * static_cast<size_t>(samples * recipe.depth) + 7) / 8, 0);
    for (uint32_t x = 0; x < recipe.width; ++x) {
      for (int s = 0; s < samples; ++s) {
        const unsigned v = SampleAt(x, y, s, recipe.depth, limit);
        const size_t index = x * static_cast<size_t>(samples) + static_cast<size_t>(s);
        if (recipe.depth == 16) {
          row[2 * index] = static_cast<uint8_t>(v >> 8);
          row[2 * index + 1] = static_cast<uint8_t>(v);
        } else if (recipe.depth == 8) {
          row[index] = static_cast<uint8_t>(v);
        } else {
          const size_t bit = index * recipe.depth;
          row[bit / 8] = static_cast<uint8_t>(row[bit / 8] | (v << (8 - recipe.depth - bit % 8)));
        }
      }
    }
    rows.push_back(row);
  }
  return rows;
}

unsigned IndexAt(const TWorkingBitmap& bmp, int x, int y) {
  const int bits = bmp.BitsPerPixel();
  const uint8_t* row = bmp.ScanLine(y);
  if (bits == 8) return row[x];
  const int bit = x * bits;
  return (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1u);
}

struct RoundTripCase {
  uint8_t colorType, depth;
  bool interlaced;
  TPixelFormat format;
};

class PngRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

// Decodes the case's file at one width and checks every pixel.
void ExpectRoundTrip(const RoundTripCase& c, uint32_t width) {
  PngRecipe recipe;
  recipe.width = width;
  recipe.height = 11;
  recipe.colorType = c.colorType;
  recipe.depth = c.depth;
  recipe.interlaced = c.interlaced;
  recipe.filters = {0, 1, 2, 3, 4};
  const unsigned paletteSize = c.colorType == 3 ? (1u << c.depth) - (c.depth > 1 ? 1 : 0) : 65536;
  if (c.colorType == 3) {
    std::vector<uint8_t> plte;
    for (unsigned i = 0; i < paletteSize; ++i) plte.insert(plte.end(), {uint8_t(i), uint8_t(255 - i), uint8_t(i * 3)});
    recipe.before.push_back({"PLTE", plte});
  }
  recipe.rows = MakeRows(recipe, paletteSize);
  const auto png = Load(WritePng(recipe));
  const TWorkingBitmap& bmp = *png->Bitmap();
  ASSERT_EQ(bmp.PixelFormat(), c.format);
  ASSERT_EQ(bmp.Width(), static_cast<int>(width));
  ASSERT_EQ(bmp.Height(), 11);
  auto reduce = [&](unsigned v) { return c.depth == 16 ? v * 255 / 65535 : v; };
  for (int y = 0; y < 11; ++y) {
    for (int x = 0; x < static_cast<int>(width); ++x) {
      auto sample = [&](int s) { return SampleAt(x, y, s, c.depth, paletteSize); };
      SCOPED_TRACE("pixel " + std::to_string(x) + "," + std::to_string(y));
      switch (c.colorType) {
        case 0: {
          const unsigned expected = c.depth == 2 ? sample(0) * 5 : reduce(sample(0));
          ASSERT_EQ(IndexAt(bmp, x, y), expected);
          break;
        }
        case 3:
          ASSERT_EQ(IndexAt(bmp, x, y), sample(0));
          break;
        case 4:
          ASSERT_EQ(bmp.ScanLine(y)[x], reduce(sample(0)));
          break;
        case 2: {
          const uint8_t* p = bmp.ScanLine(y) + 3 * x;
          ASSERT_EQ(p[0], reduce(sample(2)));
          ASSERT_EQ(p[1], reduce(sample(1)));
          ASSERT_EQ(p[2], reduce(sample(0)));
          break;
        }
        case 6: {
          const uint32_t expected = (reduce(sample(3)) << 24) | (reduce(sample(0)) << 16) |
                                    (reduce(sample(1)) << 8) | reduce(sample(2));
          ASSERT_EQ(bmp.Row32(y)[x], expected);
          break;
        }
      }
    }
  }
  if (c.colorType == 3) {
    ASSERT_EQ(bmp.Palette().size(), paletteSize);
    EXPECT_EQ(bmp.Palette()[1].R, 1);
    EXPECT_EQ(bmp.Palette()[1].G, 254);
    EXPECT_EQ(bmp.Palette()[1].B, 3);
  }
  if (c.colorType == 0 && c.depth == 2) {
    EXPECT_EQ(bmp.Palette()[5].R, 85);  // 4-bit gray ramp
  }
}

// Every vector level the processor has; a width that is mostly vector
// blocks and one that is mostly the ends of rows.
TEST_P(PngRoundTrip, EverySampleArrivesConverted) {
  for (simd::TLevel level : zelvan::testing::VectorLevels()) {
    const simd::TCapScope cap(level);
    for (uint32_t width : {13u, 67u}) {
      SCOPED_TRACE("level " + std::to_string(static_cast<int>(level)) + ", width " + std::to_string(width));
      ExpectRoundTrip(GetParam(), width);
      if (::testing::Test::HasFatalFailure()) return;
    }
  }
}

std::vector<RoundTripCase> RoundTripCases() {
  using F = TPixelFormat;
  const RoundTripCase base[] = {
      {0, 1, false, F::pf1bit},  {0, 2, false, F::pf4bit}, {0, 4, false, F::pf4bit},
      {0, 8, false, F::pf8bit},  {0, 16, false, F::pf8bit}, {2, 8, false, F::pf24bit},
      {2, 16, false, F::pf24bit}, {3, 1, false, F::pf1bit}, {3, 2, false, F::pf4bit},
      {3, 4, false, F::pf4bit},  {3, 8, false, F::pf8bit},  {4, 8, false, F::pf8bit},
      {4, 16, false, F::pf8bit}, {6, 8, false, F::pf32bit}, {6, 16, false, F::pf32bit},
  };
  std::vector<RoundTripCase> all;
  for (RoundTripCase c : base) {
    all.push_back(c);
    c.interlaced = true;
    all.push_back(c);
  }
  return all;
}

INSTANTIATE_TEST_SUITE_P(ColorTypesDepthsInterlace, PngRoundTrip, ::testing::ValuesIn(RoundTripCases()),
                         [](const auto& test) {
                           const RoundTripCase& c = test.param;
                           return "type" + std::to_string(c.colorType) + "_depth" + std::to_string(c.depth) +
                                  (c.interlaced ? "_adam7" : "");
                         });

PngRecipe SmallRgb() {
  PngRecipe recipe;
  recipe.width = 3;
  recipe.height = 2;
  recipe.colorType = 2;
  recipe.rows = {{10, 20, 30, 40, 50, 60, 128, 64, 255}, {1, 2, 3, 4, 5, 6, 7, 8, 9}};
  return recipe;
}

std::vector<uint8_t> WithChunkCrcBroken(std::vector<uint8_t> file, size_t crcOffset) {
  file[crcOffset] ^= 0xFF;
  return file;
}

TEST(PngErrors, EachFailureHasItsFixedMessage) {
  namespace m = messages;
  const auto valid = WritePng(SmallRgb());
  std::vector<uint8_t> notIhdrFirst(valid.begin(), valid.begin() + 8);
  const auto gama = png::Chunk("gAMA", {0, 0, 0xB1, 0x8F});
  notIhdrFirst.insert(notIhdrFirst.end(), gama.begin(), gama.end());
  notIhdrFirst.insert(notIhdrFirst.end(), valid.begin() + 8, valid.end());

  auto recipe = [](auto change) {
    PngRecipe s = SmallRgb();
    change(s);
    return WritePng(s);
  };
  std::vector<uint8_t> truncated(valid.begin(), valid.end() - 20);
  std::vector<uint8_t> idatTooLong = valid;
  idatTooLong[33] = 0x7F;  // IDAT length field follows the 25-byte IHDR chunk
  std::vector<uint8_t> noImageData(valid.begin(), valid.begin() + 33);
  const auto iend = png::Chunk("IEND", {});
  noImageData.insert(noImageData.end(), iend.begin(), iend.end());

  const struct {
    const char* name;
    std::vector<uint8_t> file;
    std::string message;
  } cases[] = {
      {"first chunk not IHDR", notIhdrFirst, m::kInvalidFormat},
      {"IHDR CRC", WithChunkCrcBroken(valid, 29), m::kCrcError},
      {"zero width", recipe([](PngRecipe& s) { s.width = 0; s.rows.clear(); }), m::kInvalidFormat},
      {"width past the ceiling", recipe([](PngRecipe& s) { s.width = kMaxPngSide + 1; s.rows = {{0}}; }),
       m::kInvalidFormat},
      {"bitmap past the ceiling",
       recipe([](PngRecipe& s) { s.width = s.height = kMaxPngSide; s.colorType = 6; s.rows = {{0}}; }),
       m::kInvalidFormat},
      {"compression method", recipe([](PngRecipe& s) { s.compression = 1; }), m::kCompressionNotSupported},
      {"palette length", recipe([](PngRecipe& s) { s.before.push_back({"PLTE", {1, 2, 3, 4}}); }), m::kInvalidPalette},
      {"palette index past the palette",
       recipe([](PngRecipe& s) { s.colorType = 3; s.rows = {{0, 1, 5}, {0, 0, 0}}; s.before.push_back({"PLTE", {1, 2, 3, 4, 5, 6}}); }),
       m::kInvalidPalette},
      {"indexed without palette", recipe([](PngRecipe& s) { s.colorType = 3; s.rows = {{0, 0, 0}, {0, 0, 0}}; }),
       m::kInvalidPalette},
      {"RGB of depth 4", recipe([](PngRecipe& s) { s.depth = 4; s.rows = {{0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}}; }),
       m::kInvalidColorFormat},
      {"colour type 5", recipe([](PngRecipe& s) { s.colorType = 5; }), m::kInvalidColorFormat},
      {"unknown critical chunk", recipe([](PngRecipe& s) { s.before.push_back({"ZZZZ", {1}}); }),
       m::kUnknownCriticalChunk},
      {"critical chunk after the image data", recipe([](PngRecipe& s) { s.after.push_back({"PLTE", {1, 2, 3}}); }),
       m::kUnknownCriticalChunk},
      {"data after the zlib stream", recipe([](PngRecipe& s) { s.trailingZlib = {1, 2, 3}; }),
       m::kExtraCompressedData},
      {"zlib stream ends before the last row", recipe([](PngRecipe& s) { s.rows.pop_back(); }),
       m::kExtraCompressedData},
      {"chunk longer than the file", idatTooLong, m::kInvalidFormat},
      {"file cut short", truncated, m::kInvalidFormat},
      {"no image data", noImageData, m::kInvalidFormat},
  };
  for (const auto& c : cases) EXPECT_EQ(LoadError(c.file), c.message) << c.name;
}

TEST(PngErrors, DamagedZlibDataIsACompressionError) {
  auto file = WritePng(SmallRgb());
  // Corrupt the zlib header inside the IDAT and give the chunk a valid CRC again.
  const size_t idat = 33;
  const uint32_t length = (uint32_t{file[idat]} << 24) | (file[idat + 1] << 16) | (file[idat + 2] << 8) | file[idat + 3];
  std::vector<uint8_t> data(file.begin() + idat + 8, file.begin() + idat + 8 + length);
  data[0] = 0x00;
  const auto chunk = png::Chunk("IDAT", data);
  std::copy(chunk.begin(), chunk.end(), file.begin() + idat);
  EXPECT_EQ(LoadError(file), messages::kCompressionError);
}

// The chunks' CRCs guard the image data; the zlib stream's own checksum is
// not checked again (a wrong one with sound chunks still gives the image).
TEST(PngErrors, TheZlibChecksumIsLeftToTheChunkCrcs) {
  const auto valid = WritePng(SmallRgb());
  auto file = valid;
  const size_t idat = 33;
  const uint32_t length = (uint32_t{file[idat]} << 24) | (file[idat + 1] << 16) | (file[idat + 2] << 8) | file[idat + 3];
  std::vector<uint8_t> data(file.begin() + idat + 8, file.begin() + idat + 8 + length);
  data.back() ^= 0xFF;  // the last byte of the Adler-32 sum
  const auto chunk = png::Chunk("IDAT", data);
  std::copy(chunk.begin(), chunk.end(), file.begin() + idat);
  const auto damaged = Load(file);
  const auto sound = Load(valid);
  ASSERT_EQ(damaged->Bitmap()->Height(), sound->Bitmap()->Height());
  for (int y = 0; y < sound->Bitmap()->Height(); ++y) {
    EXPECT_EQ(std::memcmp(damaged->Bitmap()->ScanLine(y), sound->Bitmap()->ScanLine(y), sound->Bitmap()->Stride()), 0);
  }
  // A damaged sum in a chunk whose CRC no longer matches is still refused.
  EXPECT_EQ(LoadError(WithChunkCrcBroken(file, idat + 8 + length)), messages::kCrcError);
}

TEST(PngChunks, AncillaryDataIsReadOrSkipped) {
  {  // private ancillary chunks and text after the image are skipped; split IDATs join
    PngRecipe recipe = SmallRgb();
    recipe.before.push_back({"prIv", {9, 9}});
    recipe.after.push_back({"tEXt", {'a', 0, 'b'}});
    recipe.idatSplit = 5;
    const auto png = Load(WritePng(recipe));
    EXPECT_EQ(png->Bitmap()->ScanLine(1)[3 * 2], 9);  // blue of the last pixel
  }
  {  // RGB transparency gives the transparent colour; bKGD of a 16-bit image is reduced
    PngRecipe recipe = SmallRgb();
    recipe.before.push_back({"tRNS", BigEndian16({0x10, 0x20, 0x30})});
    const auto png = Load(WritePng(recipe));
    EXPECT_TRUE(png->Transparent());
    EXPECT_EQ(png->TransparentColor(), 0x302010u);
    recipe.depth = 16;
    recipe.rows = {std::vector<uint8_t>(18, 0), std::vector<uint8_t>(18, 0)};
    recipe.before = {{"bKGD", BigEndian16({65535, 0x8000, 0})}};
    EXPECT_EQ(Load(WritePng(recipe))->BackgroundColor(), 0x007FFFu);
  }
  {  // gray transparency of depth 2 is scaled to the four-bit range
    PngRecipe recipe;
    recipe.width = 4;
    recipe.colorType = 0;
    recipe.depth = 2;
    recipe.rows = {{0x1B}};
    recipe.before.push_back({"tRNS", BigEndian16({2})});
    EXPECT_EQ(Load(WritePng(recipe))->TransparentColor(), 0x0A0A0Au);
  }
  {  // palette transparency is kept as a 256-entry table and leaves pixels alone
    PngRecipe recipe;
    recipe.width = 2;
    recipe.colorType = 3;
    recipe.rows = {{1, 0}};
    recipe.before = {{"PLTE", {1, 2, 3, 4, 5, 6}}, {"tRNS", {7, 8, 9}}, {"bKGD", {1}}};
    const auto png = Load(WritePng(recipe));
    ASSERT_EQ(png->Transparency().size(), 256u);
    EXPECT_EQ(png->Transparency()[0], 7);
    EXPECT_EQ(png->Transparency()[2], 9);
    EXPECT_EQ(png->Transparency()[3], 255);
    EXPECT_EQ(png->BackgroundColor(), 1u);
    EXPECT_FALSE(png->Transparent());
    EXPECT_EQ(png->Bitmap()->ScanLine(0)[0], 1);
  }
}

TEST(PngChunks, FileGammaCorrectsColourSamplesButNotAlpha) {
  PngRecipe recipe;
  recipe.width = 2;
  recipe.colorType = 6;
  recipe.rows = {{128, 64, 0, 100, 255, 255, 255, 7}};
  recipe.before.push_back({"gama", {0, 0x01, 0x86, 0xA0}});  // 1.0; the type's case bit is ignored
  const auto png = Load(WritePng(recipe));
  EXPECT_EQ(png->Bitmap()->Row32(0)[0], 0x64BA8800u);  // 128 -> 186, 64 -> 136, alpha 100 kept
  EXPECT_EQ(png->Bitmap()->Row32(0)[1], 0x07FFFFFFu);
  EXPECT_TRUE(png->ImageProperties().Options & ioUseGamma);
}

TEST(PngFilters, UnknownFilterTypeLeavesTheRowAsStored) {
  PngRecipe recipe = SmallRgb();
  recipe.filters = {7};
  const auto png = Load(WritePng(recipe));
  EXPECT_EQ(png->Bitmap()->ScanLine(0)[2], 10);
  EXPECT_EQ(png->Bitmap()->ScanLine(1)[0], 3);
}

TEST(PngProperties, HeaderIsReadWithoutDecodingAndCanLoadRestoresThePosition) {
  PngRecipe recipe;
  recipe.width = 300;
  recipe.height = 200;
  recipe.depth = 16;
  recipe.colorType = 6;
  recipe.interlaced = true;
  recipe.rows.assign(200, std::vector<uint8_t>(300 * 8, 0));
  recipe.before.push_back({"gAMA", {0, 0, 0xB1, 0x8F}});
  io::TMemoryStream stream(WritePng(recipe));
  ASSERT_TRUE(stream.SetPosition(0));
  EXPECT_TRUE(TPNGGraphic::CanLoad(stream));
  EXPECT_EQ(stream.Position(), 0);

  TPNGGraphic png;
  ASSERT_TRUE(png.ReadImageProperties(stream, 0));
  const TImageProperties& p = png.ImageProperties();
  EXPECT_EQ(p.Width, 300u);
  EXPECT_EQ(p.Height, 200u);
  EXPECT_EQ(p.ColorScheme, TColorScheme::csRGBA);
  EXPECT_EQ(p.BitsPerSample, 16);
  EXPECT_EQ(p.SamplesPerPixel, 4);
  EXPECT_EQ(p.BitsPerPixel, 64);
  EXPECT_EQ(p.Compression, TCompressionType::ctLZ77);
  EXPECT_TRUE(p.Interlaced);
  EXPECT_TRUE(p.HasAlpha);
  EXPECT_EQ(p.Options, uint32_t{ioBigEndian});
  EXPECT_DOUBLE_EQ(p.FileGamma, 0.45455);
  EXPECT_EQ(png.Bitmap(), nullptr);

  io::TMemoryStream justSignature(WritePng(recipe).data(), 8);
  EXPECT_FALSE(TPNGGraphic::CanLoad(justSignature));
  io::TMemoryStream notPng(std::vector<uint8_t>(64, 'x'));
  EXPECT_FALSE(TPNGGraphic::CanLoad(notPng));
  EXPECT_FALSE(png.ReadImageProperties(notPng, 0));
}

TEST(PngAssign, CopiesPixelsAndPropertiesIndependently) {
  const auto source = Load(WritePng(SmallRgb()));
  TPNGGraphic copy;
  copy.Assign(*source);
  ASSERT_NE(copy.Bitmap(), source->Bitmap());
  EXPECT_EQ(copy.ImageProperties().Width, 3u);
  EXPECT_EQ(copy.Bitmap()->ScanLine(0)[0], 30);
  source->Bitmap()->ScanLine(0)[0] = 0;
  EXPECT_EQ(copy.Bitmap()->ScanLine(0)[0], 30);
}

TEST(ColorManager, RefusesImpossibleConversionsWithFixedMessages) {
  auto message = [](auto action) {
    TColorManager cm;
    try {
      action(cm);
      uint8_t in[8] = {}, out[8] = {};
      cm.ConvertRow(in, out, 1);
    } catch (const EColorConversionError& e) {
      return std::string(e.what());
    }
    return std::string("(converted)");
  };
  EXPECT_EQ(message([](TColorManager& cm) { cm.SetSourceBitsPerSample(0); }), messages::kInvalidDepth);
  EXPECT_EQ(message([](TColorManager& cm) { cm.SetTargetBitsPerSample(17); }), messages::kInvalidDepth);
  EXPECT_EQ(message([](TColorManager& cm) { cm.SetSourceSamplesPerPixel(5); }), messages::kInvalidSampleCount);
  EXPECT_EQ(message([](TColorManager& cm) { cm.SetSourceScheme(TColorScheme::csIndexed); }), messages::kIndexedMix);
  EXPECT_EQ(message([](TColorManager& cm) { cm.SetTargetScheme(TColorScheme::csCMYK); }), messages::kNoConversion);
  EXPECT_EQ(message([](TColorManager&) {}), "(converted)");  // RGB to BGR, the defaults
}

// Files written by ImageMagick, with its gAMA, cHRM, bKGD and text chunks.
std::vector<uint8_t> Fixture(const char* name) {
  const auto path = std::filesystem::path(ZELVAN_TEST_FIXTURES) / "png" / name;
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

TEST(PngFromImageMagick, DecodesWhatACommonEncoderWrites) {
  const auto rgb = Load(Fixture("magick_rgb24.png"));
  ASSERT_EQ(rgb->Bitmap()->PixelFormat(), TPixelFormat::pf24bit);
  const uint8_t* p = rgb->Bitmap()->ScanLine(2) + 3;
  EXPECT_EQ((std::vector<int>{p[0], p[1], p[2]}), (std::vector<int>{0x40, 0x80, 0xC0}));
  EXPECT_EQ(rgb->Bitmap()->ScanLine(0)[0], 0x30);

  const auto rgba = Load(Fixture("magick_rgba32.png"));
  EXPECT_EQ(rgba->Bitmap()->Row32(0)[0], 0x7F102030u);
  EXPECT_EQ(rgba->Bitmap()->Row32(1)[3], 0xFFC08040u);

  const auto palette = Load(Fixture("magick_palette_interlaced.png"));
  const TWorkingBitmap& bmp = *palette->Bitmap();
  ASSERT_TRUE(palette->ImageProperties().Interlaced);
  const auto color = [&](int x, int y) {
    const TPaletteEntry e = bmp.Palette()[IndexAt(bmp, x, y)];
    return (e.R << 16) | (e.G << 8) | e.B;
  };
  EXPECT_EQ(color(2, 1), 0x0000FF);
  EXPECT_EQ(color(5, 2), 0xFF0000);

  const auto gray = Load(Fixture("magick_gray16.png"));
  ASSERT_EQ(gray->Bitmap()->PixelFormat(), TPixelFormat::pf8bit);
  EXPECT_EQ((std::vector<int>{gray->Bitmap()->ScanLine(0)[0], gray->Bitmap()->ScanLine(1)[2],
                              gray->Bitmap()->ScanLine(3)[3]}),
            (std::vector<int>{0, 85, 255}));
}

}  // namespace
}  // namespace zelvan::image
