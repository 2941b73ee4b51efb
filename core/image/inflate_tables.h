#pragma once
// Decoding tables for the prefix codes of deflate blocks. One lookup with the
// next bits of the stream gives a literal, a whole match length or distance
// (its extra bits folded in when code and extra bits fit the index), the end
// of the block, or the subtable that resolves a code longer than the index.

#include <cstddef>
#include <cstdint>

namespace zelvan::image::inflate {

// An entry, 32 bits:
//   bits 0-7   bits of the stream this entry accounts for (code, folded extra bits)
//   bits 8-11  extra bits still to read after them; for a subtable, its index width
//   bits 12-15 kind
//   bits 16-31 literal byte, length, distance, code-length symbol, or subtable start
inline constexpr uint32_t kLiteral = 1u << 12;  // also any symbol of the code-length code
inline constexpr uint32_t kEndOfBlock = 1u << 13;
inline constexpr uint32_t kSubtable = 1u << 14;
inline constexpr uint32_t kInvalid = 1u << 15;

constexpr unsigned DropBits(uint32_t entry) { return entry & 0xFF; }
constexpr unsigned ExtraBits(uint32_t entry) { return (entry >> 8) & 0xF; }
constexpr unsigned Value(uint32_t entry) { return entry >> 16; }

enum class TCode { LiteralLength, Distance, CodeLength };

// Index widths of the main tables, and room for the subtables of the longest
// codes: at most one subtable per code longer than the index, each at most
// 2^(15 - index width) entries.
inline constexpr unsigned kLiteralLengthBits = 11;
inline constexpr unsigned kDistanceBits = 10;
inline constexpr unsigned kCodeLengthBits = 7;
inline constexpr size_t kLiteralLengthEntries = (size_t{1} << kLiteralLengthBits) + 288 * (size_t{1} << (15 - kLiteralLengthBits));
inline constexpr size_t kDistanceEntries = (size_t{1} << kDistanceBits) + 32 * (size_t{1} << (15 - kDistanceBits));
inline constexpr size_t kCodeLengthEntries = size_t{1} << kCodeLengthBits;

// Builds the table of a canonical prefix code from its code lengths (0: symbol
// unused). False when the lengths over-subscribe the code, or leave it
// incomplete other than by a single one-bit code. No code at all gives a table
// whose every entry is invalid after one bit (a code-length code without codes
// reads zeros instead: see the source).
bool BuildTable(TCode kind, const uint8_t* lengths, unsigned count, uint32_t* table);

inline constexpr unsigned IndexBits(TCode kind) {
  return kind == TCode::LiteralLength ? kLiteralLengthBits : kind == TCode::Distance ? kDistanceBits : kCodeLengthBits;
}

}  // namespace zelvan::image::inflate
