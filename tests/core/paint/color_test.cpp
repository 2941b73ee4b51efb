#include <gtest/gtest.h>

#include "core/paint/color.h"
#include "core/paint/color_mix.h"
#include "core/paint/system_colors.h"

namespace zelvan::paint {
namespace {

TEST(SwapRedBlue, ExchangesLowAndThirdByteAndIsItsOwnInverse) {
  EXPECT_EQ(SwapRedBlue(0x80112233u), 0x80332211u);
  EXPECT_EQ(SwapRedBlue(SwapRedBlue(0x12345678u)), 0x12345678u);
  EXPECT_EQ(SwapRedBlue(kKeyColor), kKeyColor);
}

TEST(ColorToRGB, ResolvesSystemColoursOnly) {
  EXPECT_EQ(ColorToRGB(0x00C0FFEEu), 0x00C0FFEEu);
  EXPECT_EQ(ColorToRGB(0x1FFFFFFFu), 0x1FFFFFFFu);
  EXPECT_EQ(ColorToRGB(0xFF00000Fu), 0x00C8D0D4u);  // classic button face 212, 208, 200
  EXPECT_EQ(ColorToRGB(0xFF000008u), 0u);           // window text
  EXPECT_EQ(ColorToRGB(0xFF0000FEu), 0u);           // no such index
}

TEST(ColorToRGB, AsksTheInstalledResolver) {
  SetSystemColorResolver([](int index) { return static_cast<TColor>(0x010000 * index); });
  const TColor resolved = ColorToRGB(0xFF000005u);
  SetSystemColorResolver(nullptr);
  EXPECT_EQ(resolved, 0x050000u);
  EXPECT_EQ(ColorToRGB(0xFF000005u), 0xFFFFFFu);
}

TEST(MixColors, RoundsEachByteHalfToEvenAndKeepsTheFirstTopByte) {
  const struct {
    TColor a, b;
    double f;
    TColor expected;
  } cases[] = {
      {0x00000001, 0x00000000, 0.5, 0x00000000},  // 0.5 rounds to 0
      {0x00000003, 0x00000000, 0.5, 0x00000002},  // 1.5 rounds to 2
      {0x000000FF, 0x00FF0000, 0.25, 0x00BF0040},
      {0x05102030, 0x00000000, 1.0, 0x05102030},
      {0x00FFFFFF, 0x00000000, 0.0, 0x00000000},
  };
  for (const auto& c : cases) EXPECT_EQ(MixColors(c.a, c.b, c.f), c.expected) << std::hex << c.a << " " << c.b;
}

TEST(AverageColors, WeighsTheSecondColourSlightlyMore) {
  // 255*127 >> 8 = 126; 255*129 >> 8 = 128; (100*127 + 200*129) >> 8 = 150.
  EXPECT_EQ(AverageColors(0x000000FF, 0x00000000), 0x0000007Eu);
  EXPECT_EQ(AverageColors(0x00000000, 0x00FF0000), 0x00800000u);
  EXPECT_EQ(AverageColors(0x33006400, 0x0000C800), 0x00009600u);
}

}  // namespace
}  // namespace zelvan::paint
