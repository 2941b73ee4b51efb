#include "core/paint/blend_kernels.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

namespace zelvan::paint::kernels {
namespace {

// Random rows; every 7th pixel and the block 8..11 fully transparent, every
// 5th opaque, so the alpha extremes are always among them.
std::vector<uint32_t> RandomRow(std::mt19937& random, int width) {
  std::vector<uint32_t> row(static_cast<size_t>(width));
  for (int i = 0; i < width; ++i) {
    uint32_t p = static_cast<uint32_t>(random());
    if (i % 7 == 0 || (i >= 8 && i < 12)) p &= 0x00FFFFFF;
    if (i % 5 == 0) p |= 0xFF000000;
    row[static_cast<size_t>(i)] = p;
  }
  return row;
}

uint8_t* Bytes(std::vector<uint32_t>& row) { return reinterpret_cast<uint8_t*>(row.data()); }
const uint8_t* Bytes(const std::vector<uint32_t>& row) { return reinterpret_cast<const uint8_t*>(row.data()); }

constexpr int kWidths[] = {0, 1, 3, 4, 5, 16, 37};

TEST(BlendKernels, VectorRowsMatchThePlainLoops) {
  std::mt19937 random(8);
  for (int width : kWidths) {
    const size_t bytes = 4 * static_cast<size_t>(width);
    for (int round = 0; round < 20; ++round) {
      const auto s = RandomRow(random, width), m = RandomRow(random, width), d = RandomRow(random, width);
      const int w = static_cast<int>(random() % 256);
      for (bool opaque : {false, true}) {
        auto fast = d, plain = d;
        MaskBlendRow(Bytes(fast), Bytes(s), Bytes(m), width, opaque);
        reference::MaskBlendRow(Bytes(plain), Bytes(s), Bytes(m), width, opaque);
        ASSERT_EQ(fast, plain) << "mask blend, width " << width;
      }
      auto fast = d, plain = d;
      WeightBlendRow(Bytes(fast), Bytes(s), width, w);
      reference::WeightBlendRow(Bytes(plain), Bytes(s), width, w);
      ASSERT_EQ(fast, plain) << "weight blend, width " << width;
      for (const uint8_t* weights : {static_cast<const uint8_t*>(nullptr), Bytes(m)}) {
        MixBytes(Bytes(fast), Bytes(d), Bytes(s), weights, w, bytes);
        reference::MixBytes(Bytes(plain), Bytes(d), Bytes(s), weights, w, bytes);
        ASSERT_EQ(fast, plain) << "mix bytes, width " << width;
      }
      for (TAlphaRule rule : {TAlphaRule::kUnion, TAlphaRule::kMax, TAlphaRule::kKeep}) {
        for (int fade : {0, 1, 37, 99, 100}) {
          fast = d;
          plain = d;
          AlphaOverRow(fast.data(), s.data(), width, rule, fade);
          reference::AlphaOverRow(plain.data(), s.data(), width, rule, fade);
          ASSERT_EQ(fast, plain) << "alpha over, width " << width << " fade " << fade;
        }
      }
    }
  }
}

}  // namespace
}  // namespace zelvan::paint::kernels
