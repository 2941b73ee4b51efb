#include "core/paint/blend_kernels.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <new>
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

// Buffers start on a 32-byte boundary, so every copy of a case meets the same
// alignments.
template <class T>
struct TAligned32 {
  using value_type = T;
  TAligned32() = default;
  template <class U>
  explicit TAligned32(const TAligned32<U>&) {}
  T* allocate(size_t n) { return static_cast<T*>(::operator new(n * sizeof(T), std::align_val_t{32})); }
  void deallocate(T* p, size_t) { ::operator delete(p, std::align_val_t{32}); }
  bool operator==(const TAligned32&) const { return true; }
  bool operator!=(const TAligned32&) const { return false; }
};
using TBuffer = std::vector<uint32_t, TAligned32<uint32_t>>;

// A row placed at a byte offset 0..3 pixels into its buffer, so the vector
// loads and stores meet every alignment; 12 spare pixels after it.
struct TPlaced {
  TBuffer buffer;
  size_t offset;
  uint32_t* Pixels() { return buffer.data() + offset; }
  uint8_t* Bytes() { return reinterpret_cast<uint8_t*>(Pixels()); }
};

TPlaced Place(const std::vector<uint32_t>& row, size_t offset) {
  TPlaced placed{TBuffer(row.size() + 12, 0xDEADBEEF), offset};
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
      // Byte counts need not be whole pixels, and the output starts 0..31
      // bytes into its row, so over the widths it begins at every byte of a
      // 32-byte block (streaming stores write up to the first boundary the
      // ordinary way).
      const size_t count = bytes - std::min(bytes, static_cast<size_t>(round));
      const size_t shift = static_cast<size_t>(width + 9 * round) % 32;
      const auto at = [&](TPlaced& t) { return t.Bytes() + shift; };
      for (const uint8_t* weights : {static_cast<const uint8_t*>(nullptr), static_cast<const uint8_t*>(m.Bytes())}) {
        for (TStores stores : {TStores::kCached, TStores::kStreaming}) {
          ExpectSameBytes(
              d, offset, [&](TPlaced& t) { MixBytes(at(t), s.Bytes(), m.Bytes(), weights, w, count, stores); },
              [&](TPlaced& t) { reference::MixBytes(at(t), s.Bytes(), m.Bytes(), weights, w, count); },
              stores == TStores::kCached ? "mix bytes" : "mix bytes, streaming");
        }
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
