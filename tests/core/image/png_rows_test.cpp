#include "core/image/png_rows.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core/simd/cpu_features.h"
#include "tests/core/simd_levels.h"

namespace zelvan::image::png {
namespace {

// Each filter type on random rows of 1 to 67 pixels of every pixel size the
// reader filters with, at every alignment and vector level, against the plain
// loop. Noise rows make Paeth choose all three predictors and ties.
TEST(PngUnfilter, EveryVectorPathMatchesThePlainLoop) {
  std::mt19937 random(32);
  for (size_t pixelBytes : {1u, 2u, 3u, 4u, 6u, 8u}) {
    for (size_t pixels = 1; pixels <= 67; ++pixels) {
      const size_t bytes = pixels * pixelBytes, offset = random() % 16;
      std::vector<uint8_t> filtered(bytes + 32), previous(bytes + 32);
      for (auto& b : filtered) b = static_cast<uint8_t>(random());
      // Small steps between neighbours as well as noise.
      for (size_t i = 0; i < previous.size(); ++i)
        previous[i] = static_cast<uint8_t>(i % 3 == 0 ? random() : filtered[i] / 2 + random() % 4);
      for (int type = 0; type <= 5; ++type) {
        std::vector<uint8_t> expected = filtered;
        const bool known = reference::Unfilter(type, expected.data() + offset, previous.data() + offset, bytes, pixelBytes);
        for (simd::TLevel level : zelvan::testing::VectorLevels()) {
          const simd::TCapScope cap(level);
          std::vector<uint8_t> actual = filtered;
          EXPECT_EQ(Unfilter(type, actual.data() + offset, previous.data() + offset, bytes, pixelBytes), known);
          ASSERT_EQ(actual, expected) << "type " << type << ", pixel bytes " << pixelBytes << ", pixels " << pixels
                                      << ", level " << static_cast<int>(level);
        }
      }
    }
  }
}

}  // namespace
}  // namespace zelvan::image::png
