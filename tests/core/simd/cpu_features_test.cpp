#include "core/simd/cpu_features.h"

#include <gtest/gtest.h>

#include "tests/core/simd_levels.h"

namespace zelvan::simd {
namespace {

TEST(CpuFeatures, ACapLowersTheActiveLevelUntilItsScopeEnds) {
  RecordProperty("DetectedLevel", static_cast<int>(Detected()));  // which paths the other tests covered
  for (TLevel level : zelvan::testing::VectorLevels()) {
    {
      const TCapScope cap(level);
      EXPECT_EQ(Active(), level);
      const TCapScope lower(TLevel::kPlain);
      EXPECT_EQ(Active(), TLevel::kPlain);
    }
    EXPECT_EQ(Active(), Detected());
  }
}

}  // namespace
}  // namespace zelvan::simd
