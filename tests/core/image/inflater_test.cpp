#include "core/image/inflater.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "tests/core/image/inflate_outcome.h"

namespace zelvan::image {
namespace {

using Bytes = std::vector<uint8_t>;

using testing::TInflateOutcome;
using TOutcome = TInflateOutcome;

constexpr size_t kMostOutput = size_t{16} << 20;

// Ours, with input and output handed over in pieces of random sizes up to
// maxPiece (whole when 0).
TOutcome Ours(const Bytes& stream, bool fast, size_t maxPiece, uint32_t seed = 1) {
  return testing::InflateOurs(stream.data(), stream.size(), fast, {maxPiece, maxPiece, seed}, kMostOutput);
}

TOutcome Zlib(const Bytes& stream) { return testing::InflateZlib(stream.data(), stream.size(), kMostOutput); }

Bytes Deflate(const Bytes& data, int level, int strategy) {
  z_stream z{};
  deflateInit2(&z, level, Z_DEFLATED, 15, 8, strategy);
  Bytes out(deflateBound(&z, data.size()));
  z.next_in = const_cast<Bytef*>(data.data());
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  deflate(&z, Z_FINISH);
  out.resize(z.total_out);
  deflateEnd(&z);
  return out;
}

// Data of the kinds that give every block type and every copy path: noise
// (stored blocks), words (long distances), runs and short periods (distances
// 1 to 7) and filtered image rows.
Bytes Sample(int kind, size_t size, std::mt19937& random) {
  Bytes data(size);
  const char* words[] = {"rename ", "skin ", "window ", "folder ", "zelvan ", "\xe6\x96\x87\xe4\xbb\xb6 "};
  for (size_t i = 0; i < size;) {
    switch (kind) {
      case 0:
        data[i++] = static_cast<uint8_t>(random());
        break;
      case 1:
        for (const char* w = words[random() % 6]; *w && i < size; ++w) data[i++] = static_cast<uint8_t>(*w);
        break;
      case 2: {
        const size_t period = 1 + random() % 7, run = random() % 600;
        const uint32_t pattern = random();
        for (size_t k = 0; k < run && i < size; ++k, ++i) data[i] = static_cast<uint8_t>(pattern >> (8 * (k % period % 4)));
        break;
      }
      default:
        data[i] = static_cast<uint8_t>(i % 1501 == 0 ? 1 : (i / 7) % 5 + (random() % 3 == 0));
        ++i;
    }
  }
  return data;
}

TEST(Inflater, ZlibStreamsOfEveryKindDecodeLikeZlibOnBothPathsAndInAnyPieces) {
  std::mt19937 random(73);
  const struct {
    int level, strategy;
  } settings[] = {{0, Z_DEFAULT_STRATEGY}, {1, Z_DEFAULT_STRATEGY}, {6, Z_FILTERED}, {9, Z_DEFAULT_STRATEGY},
                  {6, Z_HUFFMAN_ONLY},     {6, Z_RLE},              {6, Z_FIXED}};
  for (int kind = 0; kind < 4; ++kind) {
    for (size_t size : {size_t{0}, size_t{1}, size_t{257}, size_t{40000}, size_t{230000}}) {
      const Bytes data = Sample(kind, size, random);
      for (const auto& s : settings) {
        Bytes stream = Deflate(data, s.level, s.strategy);
        const size_t trailing = size % 2;  // bytes after the stream stay unread
        stream.insert(stream.end(), trailing, 0xAB);
        const TOutcome expected{data, 1, trailing};
        ASSERT_EQ(Zlib(stream), expected);
        const std::string name = "kind " + std::to_string(kind) + ", size " + std::to_string(size) + ", level " +
                                 std::to_string(s.level) + ", strategy " + std::to_string(s.strategy);
        for (bool fast : {true, false}) {
          EXPECT_EQ(Ours(stream, fast, 0), expected) << name << (fast ? ", fast" : ", careful");
          EXPECT_EQ(Ours(stream, fast, 1 + random() % 9000, random()), expected)
              << name << (fast ? ", fast" : ", careful") << ", in pieces";
        }
      }
    }
  }
}

// A deflate writer for streams zlib would never make: fixed-code blocks of
// chosen literals and matches, stored blocks, and hand-made damage.
class TStreamWriter {
 public:
  TStreamWriter() { Bits(0x78, 8), Bits(0x01, 8); }

  void Bits(uint32_t value, unsigned count) {
    for (unsigned i = 0; i < count; ++i) Bit((value >> i) & 1);
  }
  void Code(uint32_t code, unsigned length) {  // prefix codes go first bit first
    for (unsigned i = length; i-- > 0;) Bit((code >> i) & 1);
  }
  void FixedBlock(bool last) { Bits(last, 1), Bits(1, 2); }
  void FixedSymbol(unsigned s) {
    if (s < 144) Code(0x30 + s, 8);
    else if (s < 256) Code(0x190 + s - 144, 9);
    else if (s < 280) Code(s - 256, 7);
    else Code(0xC0 + s - 280, 8);
  }
  void Literal(uint8_t byte) {
    FixedSymbol(byte);
    expected.push_back(byte);
  }
  void Match(unsigned length, unsigned distance) {
    static const unsigned kLength[] = {3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
    static const unsigned kDistance[] = {1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129, 193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577, 32769};
    unsigned l = 28;
    while (kLength[l] > length) --l;
    FixedSymbol(257 + l);
    Bits(length - kLength[l], l == 28 ? 0 : l < 8 ? 0 : (l - 4) / 4);
    unsigned d = 29;
    while (kDistance[d] > distance) --d;
    Code(d, 5);
    Bits(distance - kDistance[d], d < 4 ? 0 : (d - 2) / 2);
    for (unsigned i = 0; i < length; ++i) expected.push_back(expected[expected.size() - distance]);
  }
  void EndBlock() { FixedSymbol(256); }
  void Stored(bool last, const Bytes& bytes) {
    Bits(last, 1), Bits(0, 2);
    while (count_ % 8 != 0) Bit(0);
    Bits(static_cast<uint32_t>(bytes.size()), 16), Bits(~static_cast<uint32_t>(bytes.size()), 16);
    for (uint8_t b : bytes) Bits(b, 8);
    expected.insert(expected.end(), bytes.begin(), bytes.end());
  }
  Bytes Finish() {
    while (count_ % 8 != 0) Bit(0);
    const auto sum = static_cast<uint32_t>(adler32(1, expected.data(), static_cast<uInt>(expected.size())));
    for (int shift = 24; shift >= 0; shift -= 8) Bits((sum >> shift) & 0xFF, 8);
    return bytes_;
  }

  Bytes expected;

 private:
  void Bit(uint32_t bit) {
    if (count_ % 8 == 0) bytes_.push_back(0);
    bytes_.back() |= static_cast<uint8_t>(bit << (count_ % 8));
    ++count_;
  }
  Bytes bytes_;
  size_t count_ = 0;
};

// Every distance from 1 to 32768 and every length from 3 to 258, across a
// stored block that starts in the middle of a byte.
TEST(Inflater, EveryDistanceAndLengthCopiesExactly) {
  std::mt19937 random(5);
  TStreamWriter w;
  w.FixedBlock(false);
  for (int i = 0; i < 20000; ++i) w.Literal(static_cast<uint8_t>(random()));
  w.EndBlock();
  Bytes stored(13000);
  for (auto& b : stored) b = static_cast<uint8_t>(random());
  w.Stored(false, stored);
  w.FixedBlock(true);
  for (unsigned distance = 1; distance <= 32768; ++distance) {
    w.Match(3 + distance * 7 % 256, distance);
    if (distance % 5 == 0) w.Literal(static_cast<uint8_t>(distance));
  }
  w.EndBlock();
  const Bytes stream = w.Finish();
  const TOutcome expected{w.expected, 1, 0};
  ASSERT_EQ(Zlib(stream), expected);
  EXPECT_EQ(Ours(stream, true, 0), expected);
  EXPECT_EQ(Ours(stream, false, 0), expected);
  EXPECT_EQ(Ours(stream, true, 300, 9), expected);
}

// Damage each check must catch, as zlib catches it.
TEST(Inflater, DamagedStreamsAreRefused) {
  auto fixed = [](auto body) {
    TStreamWriter w;
    w.FixedBlock(true);
    body(w);
    return w.Finish();
  };
  auto dynamicHeader = [](TStreamWriter& w, unsigned lengthCodes, const std::vector<unsigned>& lengthCodeLengths) {
    w.Bits(1, 1), w.Bits(2, 2);
    w.Bits(0, 5), w.Bits(0, 5), w.Bits(lengthCodes - 4, 4);  // 257 literal/length and 1 distance lengths
    for (unsigned l : lengthCodeLengths) w.Bits(l, 3);
  };
  Bytes sound = fixed([](TStreamWriter& w) {
    for (int i = 0; i < 40; ++i) w.Literal(static_cast<uint8_t>('a' + i % 3));
    w.Match(30, 3);
    w.EndBlock();
  });
  Bytes badHeaderCheck = sound, dictionary = sound, bigWindow = sound, badSum = sound;
  badHeaderCheck[1] ^= 1;
  dictionary[1] = 0x20 | (31 - (0x7800 | 0x20) % 31);
  bigWindow[0] = 0x88, bigWindow[1] = static_cast<uint8_t>(31 - (0x8800 % 31));
  badSum.back() ^= 1;

  const struct {
    const char* name;
    Bytes stream;
  } cases[] = {
      {"header check", badHeaderCheck},
      {"preset dictionary", dictionary},
      {"window over 32 KiB", bigWindow},
      {"Adler-32 sum", badSum},
      {"block type 3", [] { TStreamWriter w; w.Bits(1, 1), w.Bits(3, 2), w.Bits(0, 16); return w.Finish(); }()},
      {"stored length and its complement differ",
       [] { TStreamWriter w; w.Bits(1, 1), w.Bits(0, 2), w.Bits(0, 5), w.Bits(3, 16), w.Bits(3, 16), w.Bits(0, 24); return w.Finish(); }()},
      {"distance before the first byte", fixed([](TStreamWriter& w) { w.Literal('x'); w.FixedSymbol(257); w.Code(1, 5); w.EndBlock(); })},
      {"literal/length symbol 286", fixed([](TStreamWriter& w) { w.Literal('x'); w.FixedSymbol(286); w.EndBlock(); })},
      {"distance symbol 30", fixed([](TStreamWriter& w) { w.Literal('x'); w.FixedSymbol(257); w.Code(30, 5); w.EndBlock(); })},
      {"over-subscribed code-length code",
       [&] { TStreamWriter w; dynamicHeader(w, 5, {1, 1, 1, 0, 0}); w.Bits(0, 32); return w.Finish(); }()},
      {"repeat with no length before it",
       [&] { TStreamWriter w; dynamicHeader(w, 5, {1, 0, 0, 0, 1}); w.Code(1, 1), w.Bits(0, 2); w.Bits(0, 32); return w.Finish(); }()},
      {"repeat past the last length",
       [&] {
         TStreamWriter w;
         dynamicHeader(w, 5, {0, 0, 1, 0, 1});  // symbols 8 (code 0) and 18 (code 1)
         w.Code(0, 1);
         for (int i = 0; i < 2; ++i) w.Code(1, 1), w.Bits(127, 7);  // 1 + 2 x 138 zeros > 258
         w.Bits(0, 32);
         return w.Finish();
       }()},
      {"code-length code without codes",
       [&] {
         TStreamWriter w;
         dynamicHeader(w, 4, {0, 0, 0, 0});
         for (int i = 0; i < 9; ++i) w.Bits(0, 32);  // room for all 258 lengths of one bit
         return w.Finish();
       }()},
      {"no end-of-block code",
       [&] {
         TStreamWriter w;
         dynamicHeader(w, 5, {0, 0, 0, 1, 1});  // symbols 0 (code 0) and 8 (code 1)
         for (int i = 0; i < 256; ++i) w.Code(1, 1);
         w.Code(0, 1), w.Code(0, 1);  // end of block and the one distance: unused
         w.Bits(0, 32);
         return w.Finish();
       }()},
  };
  ASSERT_EQ(Ours(sound, true, 0).result, 1);
  for (const auto& c : cases) {
    const TOutcome zlib = Zlib(c.stream);
    EXPECT_EQ(zlib.result, -3) << c.name;
    for (bool fast : {true, false}) EXPECT_EQ(Ours(c.stream, fast, 0), zlib) << c.name << (fast ? ", fast" : ", careful");
  }
}

// Random damage and every cut of small streams: both paths give the same
// bytes and the same end as zlib, whatever the pieces.
TEST(Inflater, CutAndFlippedStreamsEndAsInZlib) {
  std::mt19937 random(11);
  for (int kind = 1; kind < 4; ++kind) {
    for (int level : {0, 1, 9}) {
      const Bytes stream = Deflate(Sample(kind, 3000, random), level, Z_DEFAULT_STRATEGY);
      for (size_t cut = 0; cut < stream.size(); cut += 1 + cut / 64) {
        const Bytes part(stream.begin(), stream.begin() + static_cast<std::ptrdiff_t>(cut));
        const TOutcome zlib = Zlib(part);
        ASSERT_EQ(Ours(part, true, 0), zlib) << "cut at " << cut;
        ASSERT_EQ(Ours(part, false, 7, static_cast<uint32_t>(cut)), zlib) << "cut at " << cut;
      }
      for (int flip = 0; flip < 150; ++flip) {
        Bytes damaged = stream;
        for (int n = 1 + flip % 3; n > 0; --n) damaged[random() % damaged.size()] ^= static_cast<uint8_t>(1u << (random() % 8));
        const TOutcome zlib = Zlib(damaged);
        ASSERT_EQ(Ours(damaged, true, 0), zlib) << "kind " << kind << ", level " << level << ", flip " << flip;
        ASSERT_EQ(Ours(damaged, false, 0), zlib) << "kind " << kind << ", level " << level << ", flip " << flip;
        ASSERT_EQ(Ours(damaged, true, 1 + random() % 64, random()), zlib) << "kind " << kind << ", flip " << flip;
      }
    }
  }
}

}  // namespace
}  // namespace zelvan::image
