#include "core/paint/blend_kernels.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "core/simd/cpu_features.h"
#include "tests/core/simd_levels.h"

namespace zelvan::paint::kernels {
namespace {

// Random pixels; every 7th pixel and the block 8..11 fully transparent, every
// 5th opaque, so the alpha extremes are always among them, and sometimes a
// whole transparent stretch so the skipping of empty blocks is taken.
std::vector<uint32_t> RandomRow(std::mt19937& random, int width) {
  std::vector<uint32_t> row(static_cast<size_t>(width));
  const bool clear = random() % 4 == 0;
  for (int i = 0; i < width; ++i) {
    uint32_t p = static_cast<uint32_t>(random());
    if (clear || i % 7 == 0 || (i >= 8 && i < 12)) p &= 0x00FFFFFF;
    if (!clear && i % 5 == 0) p |= 0xFF000000;
    row[static_cast<size_t>(i)] = p;
  }
  return row;
}

// A row placed at a byte offset 0..3 pixels into its buffer, so the vector
// loads and stores meet every alignment.
struct TPlaced {
  std::vector<uint32_t> buffer;
  size_t offset;
  uint32_t* Pixels() { return buffer.data() + offset; }
  uint8_t* Bytes() { return reinterpret_cast<uint8_t*>(Pixels()); }
};

TPlaced Place(const std::vector<uint32_t>& row, size_t offset) {
  TPlaced placed{std::vector<uint32_t>(row.size() + 4, 0xDEADBEEF), offset};
  std::copy(row.begin(), row.end(), placed.buffer.begin() + static_cast<ptrdiff_t>(offset));
  return placed;
}

// Runs one kernel on a copy of d at each level and compares the whole buffer
// (so a write past the row shows) with the plain loop.
template <class Kernel, class Plain>
void ExpectSameBytes(const std::vector<uint32_t>& d, size_t offset, Kernel kernel, Plain plain, const char* what) {
  TPlaced expected = Place(d, offset);
  plain(expected);
  for (simd::TLevel level : zelvan::testing::VectorLevels()) {
    const simd::TCapScope cap(level);
    TPlaced actual = Place(d, offset);
    kernel(actual);
    ASSERT_EQ(actual.buffer, expected.buffer) << what << ", width " << d.size() << ", offset " << offset
                                              << ", level " << static_cast<int>(level);
  }
}

TEST(BlendKernels, EveryVectorPathMatchesThePlainLoop) {
  std::mt19937 random(8);
  for (int width = 0; width <= 67; ++width) {
    for (int round = 0; round < 4; ++round) {
      const size_t offset = random() % 4, sOffset = random() % 4;
      const auto d = RandomRow(random, width);
      TPlaced s = Place(RandomRow(random, width), sOffset), m = Place(RandomRow(random, width), 3 - sOffset);
      const int w = round == 0 ? 255 : round == 1 ? 0 : static_cast<int>(random() % 256);
      const size_t bytes = 4 * static_cast<size_t>(width);
      for (bool opaque : {false, true}) {
        ExpectSameBytes(
            d, offset, [&](TPlaced& t) { MaskBlendRow(t.Bytes(), s.Bytes(), m.Bytes(), width, opaque); },
            [&](TPlaced& t) { reference::MaskBlendRow(t.Bytes(), s.Bytes(), m.Bytes(), width, opaque); }, "mask");
      }
      ExpectSameBytes(
          d, offset, [&](TPlaced& t) { WeightBlendRow(t.Bytes(), s.Bytes(), width, w); },
          [&](TPlaced& t) { reference::WeightBlendRow(t.Bytes(), s.Bytes(), width, w); }, "weight");
      for (const uint8_t* weights : {static_cast<const uint8_t*>(nullptr), static_cast<const uint8_t*>(m.Bytes())}) {
        // The output starts one byte further than the inputs: byte counts need not be whole pixels.
        ExpectSameBytes(
            d, offset, [&](TPlaced& t) { MixBytes(t.Bytes() + 1, s.Bytes(), m.Bytes(), weights, w, bytes - (bytes > 0)); },
            [&](TPlaced& t) { reference::MixBytes(t.Bytes() + 1, s.Bytes(), m.Bytes(), weights, w, bytes - (bytes > 0)); },
            "mix bytes");
      }
      for (TAlphaRule rule : {TAlphaRule::kUnion, TAlphaRule::kMax, TAlphaRule::kKeep}) {
        for (int fade : {0, 1, 37, 99, 100}) {
          ExpectSameBytes(
              d, offset, [&](TPlaced& t) { AlphaOverRow(t.Pixels(), s.Pixels(), width, rule, fade); },
              [&](TPlaced& t) { reference::AlphaOverRow(t.Pixels(), s.Pixels(), width, rule, fade); }, "alpha over");
        }
      }
    }
  }
}

}  // namespace
}  // namespace zelvan::paint::kernels
