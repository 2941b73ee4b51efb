#include "core/image/jpeg_image.h"

#include <gtest/gtest.h>

#include "core/image/graphic_error.h"
#include "tests/core/store/skin_fixture.h"
#include "tools/common/jpeg_writer.h"

namespace zelvan::image {
namespace {

using store::testing::SolidJpeg;

TEST(JpegImage, ReadsTheSizeAndDecodesOpaquePixels) {
  const TJpegImage jpeg = ReadJpegHeader(SolidJpeg(17, 9, 0x3060C0));
  EXPECT_EQ(jpeg.Width, 17);
  EXPECT_EQ(jpeg.Height, 9);
  const auto bitmap = DecodeJpeg(jpeg);
  ASSERT_EQ(bitmap->PixelFormat(), TPixelFormat::pf32bit);
  const uint32_t p = bitmap->Row32(8)[16];
  EXPECT_EQ(p >> 24, 0xFFu);
  EXPECT_NEAR(static_cast<int>((p >> 16) & 0xFF), 0x30, 3);
  EXPECT_NEAR(static_cast<int>((p >> 8) & 0xFF), 0x60, 3);
  EXPECT_NEAR(static_cast<int>(p & 0xFF), 0xC0, 3);
}

// Every coding the skin makers' tools write decodes to the same opaque colour.
TEST(JpegImage, DecodesEveryCoding) {
  std::vector<uint8_t> rgb(static_cast<size_t>(9 * 5 * 3));
  for (size_t i = 0; i < rgb.size(); i += 3) rgb[i] = 0xC0, rgb[i + 1] = 0x60, rgb[i + 2] = 0x30;
  const struct {
    const char* name;
    bool progressive, gray, arithmetic;
    unsigned restartRows;
    uint32_t expected;
  } cases[] = {
      {"baseline", false, false, false, 0, 0xFFC06030},
      {"progressive", true, false, false, 0, 0xFFC06030},
      {"arithmetic", false, false, true, 0, 0xFFC06030},
      {"restart markers", false, false, false, 1, 0xFFC06030},
      {"gray", false, true, false, 0, 0xFF767676},
      {"progressive gray", true, true, false, 0, 0xFF767676},
  };
  for (const auto& c : cases) {
    jpeg::JpegOptions options;
    options.progressive = c.progressive;
    options.gray = c.gray;
    options.arithmetic = c.arithmetic;
    options.restartRows = c.restartRows;
    const auto bitmap = DecodeJpeg(ReadJpegHeader(jpeg::EncodeJpeg(rgb, 9, 5, options)));
    ASSERT_EQ(bitmap->Width(), 9) << c.name;
    const uint32_t p = bitmap->Row32(4)[8];
    for (int shift : {24, 16, 8, 0})
      EXPECT_NEAR(static_cast<int>((p >> shift) & 0xFF), static_cast<int>((c.expected >> shift) & 0xFF), 3) << c.name;
  }
}

// A progressive file of a thousand and more scans is refused while reading,
// as libjpeg would take long over it.
TEST(JpegImage, RefusesTooManyScans) {
  std::vector<uint8_t> rgb(8 * 8 * 3, 0x80);
  jpeg::JpegOptions options;
  options.progressive = true;
  const std::vector<uint8_t> file = jpeg::EncodeJpeg(rgb, 8, 8, options);
  EXPECT_NO_THROW(DecodeJpeg(ReadJpegHeader(jpeg::WithLastScanRepeated(file, 10))));
  const TJpegImage many = ReadJpegHeader(jpeg::WithLastScanRepeated(file, 1000));
  try {
    DecodeJpeg(many);
    ADD_FAILURE() << "decoded";
  } catch (const EInvalidGraphic& e) {
    EXPECT_NE(std::string(e.what()).find("too many scans"), std::string::npos) << e.what();
  }
}

// libjpeg's error exits come back as our load error, with nothing leaked
// (the sanitized build checks the leaks).
TEST(JpegImage, TurnsLibjpegErrorsIntoLoadErrors) {
  const std::vector<uint8_t> good = SolidJpeg(16, 16, 0xFFFFFF);
  const std::vector<std::vector<uint8_t>> bad = {
      {},
      {0xFF, 0xD8, 0xFF},
      std::vector<uint8_t>(good.begin(), good.begin() + 20),
      {'n', 'o', 't', ' ', 'j', 'p', 'e', 'g'},
  };
  for (const auto& bytes : bad) EXPECT_THROW(ReadJpegHeader(bytes), EInvalidGraphic) << bytes.size();
}

// A small file whose frame header claims 60000 x 60000 pixels.
TEST(JpegImage, RefusesToExpandAnAbsurdSize) {
  std::vector<uint8_t> bytes = SolidJpeg(8, 8, 0);
  for (size_t i = 0; i + 8 < bytes.size(); ++i) {
    if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) {
      bytes[i + 5] = bytes[i + 7] = 0xEA;  // 0xEA60 = 60000
      bytes[i + 6] = bytes[i + 8] = 0x60;
      break;
    }
  }
  const TJpegImage claimed = ReadJpegHeader(bytes);
  ASSERT_EQ(claimed.Width, 60000);
  EXPECT_THROW(DecodeJpeg(claimed), EInvalidGraphic);
}

}  // namespace
}  // namespace zelvan::image
