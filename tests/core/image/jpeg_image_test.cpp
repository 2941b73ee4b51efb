#include "core/image/jpeg_image.h"

#include <gtest/gtest.h>

#include "core/image/graphic_error.h"
#include "tests/core/store/skin_fixture.h"

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
