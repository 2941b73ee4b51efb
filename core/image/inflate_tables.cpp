#include "core/image/inflate_tables.h"

#include <algorithm>

namespace zelvan::image::inflate {

namespace {

constexpr unsigned kMaxCodeLength = 15;

constexpr uint16_t kLengthBase[29] = {3,  4,  5,  6,  7,  8,  9,  10, 11,  13,  15,  17,  19,  23, 27,
                                      31, 35, 43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258};
constexpr uint8_t kLengthExtra[29] = {0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3, 4, 4, 4, 4, 5, 5, 5, 5, 0};
constexpr uint16_t kDistanceBase[30] = {1,   2,   3,   4,   5,   7,    9,    13,   17,   25,   33,   49,   65,    97,    129,
                                        193, 257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577};
constexpr uint8_t kDistanceExtra[30] = {0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8, 9, 9, 10, 10, 11, 11, 12, 12, 13, 13};

constexpr uint32_t Entry(unsigned drop, unsigned extra, uint32_t kind, unsigned value) {
  return drop | (extra << 8) | kind | (value << 16);
}

// What a symbol means, before its code length is known: kind, value and extra bits.
struct TMeaning {
  uint32_t kind;
  unsigned value, extra;
};

TMeaning Meaning(TCode code, unsigned symbol) {
  switch (code) {
    case TCode::LiteralLength:
      if (symbol < 256) return {kLiteral, symbol, 0};
      if (symbol == 256) return {kEndOfBlock, 0, 0};
      if (symbol < 286) return {0, kLengthBase[symbol - 257], kLengthExtra[symbol - 257]};
      return {kInvalid, 0, 0};
    case TCode::Distance:
      if (symbol < 30) return {0, kDistanceBase[symbol], kDistanceExtra[symbol]};
      return {kInvalid, 0, 0};
    case TCode::CodeLength:
      break;
  }
  return {kLiteral, symbol, 0};
}

// The first length bits of code in the reverse order (codes go into the
// stream first bit first, the tables index bits as they arrive).
unsigned Reverse(unsigned code, unsigned length) {
  code = ((code & 0x5555u) << 1) | ((code >> 1) & 0x5555u);
  code = ((code & 0x3333u) << 2) | ((code >> 2) & 0x3333u);
  code = ((code & 0x0F0Fu) << 4) | ((code >> 4) & 0x0F0Fu);
  code = ((code & 0x00FFu) << 8) | ((code >> 8) & 0x00FFu);
  return code >> (16 - length);
}

}  // namespace

bool BuildTable(TCode kind, const uint8_t* lengths, unsigned count, uint32_t* table) {
  const unsigned indexBits = IndexBits(kind);
  const unsigned size = 1u << indexBits;
  const size_t capacity = kind == TCode::LiteralLength ? kLiteralLengthEntries
                          : kind == TCode::Distance    ? kDistanceEntries
                                                       : kCodeLengthEntries;

  unsigned perLength[kMaxCodeLength + 1] = {};
  for (unsigned s = 0; s < count; ++s) ++perLength[lengths[s]];
  perLength[0] = 0;
  unsigned longest = 0;
  for (unsigned l = 1; l <= kMaxCodeLength; ++l) {
    if (perLength[l] != 0) longest = l;
  }
  if (longest == 0) {
    // Every entry is invalid after one bit. An empty code-length code reads
    // every length as 0 from one bit instead, so the block fails for want of
    // an end-of-block code once its lengths are read, where zlib fails it
    // too: cut-short streams end alike in both.
    std::fill(table, table + size, Entry(1, 0, kind == TCode::CodeLength ? kLiteral : kInvalid, 0));
    return true;
  }
  if (longest > indexBits && kind == TCode::CodeLength) return false;

  // Kraft sum: room left in the code tree after each length.
  int room = 1;
  for (unsigned l = 1; l <= kMaxCodeLength; ++l) {
    room = 2 * room - static_cast<int>(perLength[l]);
    if (room < 0) return false;
  }
  if (room > 0 && (kind == TCode::CodeLength || longest != 1)) return false;
  // A complete code writes every entry. The one incomplete code allowed, a
  // single one-bit code, leaves entries that one bit tells apart.
  if (room > 0) std::fill(table, table + size, Entry(1, 0, kInvalid, 0));

  unsigned next[kMaxCodeLength + 1] = {};
  for (unsigned l = 1, code = 0; l <= kMaxCodeLength; ++l) {
    code = (code + perLength[l - 1]) << 1;
    next[l] = code;
  }

  // Subtable width per index prefix: the longest code under that prefix; the
  // top bit marks a subtable already placed (the table is not cleared first).
  constexpr uint8_t kPlaced = 0x80;
  uint8_t subtableBits[1u << kLiteralLengthBits] = {};
  if (longest > indexBits) {
    unsigned probe[kMaxCodeLength + 1];
    std::copy(next, next + kMaxCodeLength + 1, probe);
    for (unsigned s = 0; s < count; ++s) {
      const unsigned l = lengths[s];
      if (l == 0) continue;
      const unsigned reversed = Reverse(probe[l]++, l);
      if (l <= indexBits) continue;
      uint8_t& bits = subtableBits[reversed & (size - 1)];
      bits = static_cast<uint8_t>(std::max<unsigned>(bits, l - indexBits));
    }
  }

  size_t free = size;
  for (unsigned s = 0; s < count; ++s) {
    const unsigned l = lengths[s];
    if (l == 0) continue;
    const unsigned reversed = Reverse(next[l]++, l);
    const TMeaning m = Meaning(kind, s);
    if (l <= indexBits) {
      // Extra bits that fit the index are folded into the value.
      const bool fold = m.extra != 0 && l + m.extra <= indexBits;
      for (unsigned i = reversed; i < size; i += 1u << l) {
        table[i] = fold ? Entry(l + m.extra, 0, m.kind, m.value + ((i >> l) & ((1u << m.extra) - 1)))
                        : Entry(l, m.extra, m.kind, m.value);
      }
      continue;
    }
    const unsigned prefix = reversed & (size - 1);
    const unsigned width = subtableBits[prefix] & ~kPlaced;
    if ((subtableBits[prefix] & kPlaced) == 0) {
      subtableBits[prefix] |= kPlaced;
      if (free + (size_t{1} << width) > capacity) return false;  // cannot happen for a sound code
      table[prefix] = Entry(indexBits, width, kSubtable, static_cast<unsigned>(free));
      std::fill(table + free, table + free + (size_t{1} << width), Entry(indexBits + width, 0, kInvalid, 0));
      free += size_t{1} << width;
    }
    uint32_t* sub = table + Value(table[prefix]);
    for (unsigned i = reversed >> indexBits; i < (1u << width); i += 1u << (l - indexBits)) {
      sub[i] = Entry(l, m.extra, m.kind, m.value);
    }
  }
  return true;
}

}  // namespace zelvan::image::inflate
