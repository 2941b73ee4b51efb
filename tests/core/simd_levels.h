#pragma once
// The vector levels this processor can run, for tests that compare every
// path of a kernel with its plain loop.

#include <vector>

#include "core/simd/cpu_features.h"

namespace zelvan::testing {

inline std::vector<simd::TLevel> VectorLevels() {
  std::vector<simd::TLevel> levels;
  for (auto level : {simd::TLevel::kPlain, simd::TLevel::kSse2, simd::TLevel::kSsse3, simd::TLevel::kAvx2})
    if (level <= simd::Detected()) levels.push_back(level);
  return levels;
}

}  // namespace zelvan::testing
