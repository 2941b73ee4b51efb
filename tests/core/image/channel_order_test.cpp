#include "core/image/channel_order.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core/simd/cpu_features.h"
#include "tests/core/simd_levels.h"

namespace zelvan::image {
namespace {

TEST(ChannelOrder, PlainLoopsSwapRedAndBlueAndWiden) {
  const std::vector<uint8_t> rgb = {1, 2, 3, 4, 5, 6};
  std::vector<uint8_t> out(8, 0xEE);
  reference::SwapRedBlue24(rgb.data(), out.data(), 2);
  EXPECT_EQ(out, (std::vector<uint8_t>{3, 2, 1, 6, 5, 4, 0xEE, 0xEE}));
  reference::SwapRedBlue32(rgb.data(), out.data(), 1);
  EXPECT_EQ(out, (std::vector<uint8_t>{3, 2, 1, 4, 5, 4, 0xEE, 0xEE}));
  reference::Widen24To32(rgb.data(), out.data(), 2, 0x80);
  EXPECT_EQ(out, (std::vector<uint8_t>{1, 2, 3, 0x80, 4, 5, 6, 0x80}));
}

// Random rows of 1 to 67 pixels at every alignment and vector level against
// the plain loops; the output buffer is compared whole, so a write past the
// row shows.
TEST(ChannelOrder, EveryVectorPathMatchesThePlainLoop) {
  std::mt19937 random(24);
  for (int count = 1; count <= 67; ++count) {
    const size_t in = random() % 16, at = random() % 16;
    std::vector<uint8_t> source(4 * static_cast<size_t>(count) + 32);
    for (auto& b : source) b = static_cast<uint8_t>(random());
    const auto alpha = static_cast<uint8_t>(random());
    using TRow = void (*)(const uint8_t*, uint8_t*, int);
    const struct {
      const char* name;
      TRow fast, plain;
    } kernels[] = {
        {"swap 24", SwapRedBlue24, reference::SwapRedBlue24},
        {"swap 32", SwapRedBlue32, reference::SwapRedBlue32},
        {"widen", [](const uint8_t* s, uint8_t* d, int n) { Widen24To32(s, d, n, 0x5A); },
         [](const uint8_t* s, uint8_t* d, int n) { reference::Widen24To32(s, d, n, 0x5A); }},
    };
    for (const auto& k : kernels) {
      std::vector<uint8_t> expected(source.size(), alpha);
      k.plain(source.data() + in, expected.data() + at, count);
      for (simd::TLevel level : zelvan::testing::VectorLevels()) {
        const simd::TCapScope cap(level);
        std::vector<uint8_t> actual(source.size(), alpha);
        k.fast(source.data() + in, actual.data() + at, count);
        ASSERT_EQ(actual, expected) << k.name << ", " << count << " pixels, level " << static_cast<int>(level);
      }
    }
  }
}

}  // namespace
}  // namespace zelvan::image
