#include "core/image/inflater.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "core/image/inflate_tables.h"

namespace zelvan::image {

using namespace inflate;

namespace {

constexpr size_t kHistory = 32768;  // the farthest a match reaches back
constexpr size_t kAhead = 65536;    // room to decode ahead of the caller
constexpr size_t kLimit = kHistory + kAhead;
// Match copies move whole 16-byte pieces and may write up to 15 bytes past
// the match, never past this slack.
constexpr size_t kSlack = 32;
constexpr size_t kMaxMatch = 258;
constexpr size_t kFastRoom = kMaxMatch + 1;  // a literal may come before the match
constexpr size_t kFastInput = 16;  // two refills of 8 bytes, each advancing up to 7

uint64_t Load64(const uint8_t* p) {
  uint64_t v;
  std::memcpy(&v, p, 8);
  if constexpr (std::endian::native == std::endian::big) v = __builtin_bswap64(v);
  return v;
}

constexpr uint32_t Mask(unsigned bits) { return (1u << bits) - 1u; }

uint32_t Adler32(uint32_t sum, const uint8_t* p, size_t n) {
  constexpr uint32_t kBase = 65521;
  constexpr size_t kRun = 5552;  // the most bytes before b can overflow 32 bits
  uint32_t a = sum & 0xFFFF, b = sum >> 16;
  while (n > 0) {
    size_t run = std::min(n, kRun);
    n -= run;
    for (; run > 0; --run) {
      a += *p++;
      b += a;
    }
    a %= kBase;
    b %= kBase;
  }
  return (b << 16) | a;
}

// Copies a match of length bytes from distance back. out has kSlack bytes of
// room past the match. The source pieces never reach bytes not yet written:
// short distances repeat their pattern, and a multiple of the distance of at
// least 8 reads the same bytes as the distance itself.
inline void CopyMatch(uint8_t* out, size_t distance, size_t length) {
  const uint8_t* src = out - distance;
  uint8_t* const end = out + length;
  if (distance >= 16) {
    do {
      std::memcpy(out, src, 16);
      out += 16;
      src += 16;
    } while (out < end);
  } else if (distance >= 8) {
    do {
      std::memcpy(out, src, 8);
      out += 8;
      src += 8;
    } while (out < end);
  } else {
    for (int i = 0; i < 8; ++i) out[i] = src[i];
    const size_t period = distance * ((8 + distance - 1) / distance);
    for (out += 8; out < end; out += 8) std::memcpy(out, out - period, 8);
  }
}

}  // namespace

struct TInflater::TTables {
  uint32_t literalLength[kLiteralLengthEntries];
  uint32_t distance[kDistanceEntries];
  uint32_t codeLength[kCodeLengthEntries];
};

TInflater::TInflater(bool checkSum)
    // Neither is cleared: tables are built before a block reads them, and no
    // match reaches before the first byte decoded. Small images stay cheap.
    : window_(new uint8_t[kLimit + kSlack]), tables_(new TTables), checkSum_(checkSum) {}

TInflater::~TInflater() = default;

void TInflater::Reset() {
  pos_ = delivered_ = hashed_ = 0;
  bits_ = 0;
  bitCount_ = 0;
  mode_ = TMode::Header;
  lastBlock_ = false;
  sum_ = 1;
}

TInflater::TResult TInflater::Inflate(const uint8_t*& input, size_t& inputLeft, uint8_t*& output,
                                      size_t& outputLeft) {
  for (;;) {
    Deliver(output, outputLeft);
    if (delivered_ < pos_) return kOk;
    if (mode_ == TMode::Done) return kStreamEnd;
    if (mode_ == TMode::Failed) return kDataError;
    if (outputLeft == 0 || !Produce(input, inputLeft)) return kOk;
  }
}

void TInflater::Deliver(uint8_t*& output, size_t& outputLeft) {
  const size_t n = std::min(pos_ - delivered_, outputLeft);
  if (n == 0) return;
  std::memcpy(output, window_.get() + delivered_, n);
  delivered_ += n;
  output += n;
  outputLeft -= n;
}

void TInflater::HashProduced() {
  if (checkSum_) sum_ = Adler32(sum_, window_.get() + hashed_, pos_ - hashed_);
  hashed_ = pos_;
}

// Decodes ahead into the window until the input runs out, the window is full
// or the stream ends. Called only when everything decoded is delivered.
// True when it decoded bytes or ended the stream either way.
bool TInflater::Produce(const uint8_t*& input, size_t& inputLeft) {
  if (pos_ > kHistory + kAhead / 2) {
    HashProduced();
    const size_t shift = pos_ - kHistory;
    std::memmove(window_.get(), window_.get() + shift, kHistory);
    pos_ -= shift;
    delivered_ -= shift;
    hashed_ -= shift;
  }
  const size_t before = pos_;
  const uint8_t* in = input;
  const uint8_t* const end = input + inputLeft;
  while (mode_ != TMode::Done && mode_ != TMode::Failed && Step(in, end)) {
  }
  inputLeft -= static_cast<size_t>(in - input);
  input = in;
  HashProduced();
  return pos_ != before || mode_ == TMode::Done || mode_ == TMode::Failed;
}

// --- bits -------------------------------------------------------------------

// Takes input bytes, one at a time, until bits are at hand; false when the
// input runs out first. Never reads a byte the stream does not need yet, so
// the stream's end leaves whatever follows it unread.
bool TInflater::Need(unsigned bits, const uint8_t*& in, const uint8_t* end) {
  while (bitCount_ < bits) {
    if (in == end) return false;
    bits_ |= uint64_t{*in++} << bitCount_;
    bitCount_ += 8;
  }
  return true;
}

// The entry of the code that starts skip bits ahead, once all of its bits are
// at hand; 0 (no entry is 0) when the input runs out first.
uint32_t TInflater::Peek(const uint32_t* table, unsigned indexBits, unsigned skip, const uint8_t*& in,
                         const uint8_t* end) {
  for (;;) {
    const uint64_t bits = bits_ >> skip;
    uint32_t entry = table[bits & Mask(indexBits)];
    if (entry & kSubtable) entry = table[Value(entry) + ((bits >> indexBits) & Mask(ExtraBits(entry)))];
    if (skip + DropBits(entry) <= bitCount_) return entry;
    if (in == end) return 0;
    bits_ |= uint64_t{*in++} << bitCount_;
    bitCount_ += 8;
  }
}

// --- headers ----------------------------------------------------------------

// Advances the stream by one stage. True when the stage changed; false when
// it waits for input or window room.
bool TInflater::Step(const uint8_t*& in, const uint8_t* end) {
  switch (mode_) {
    case TMode::Header: {
      if (!Need(16, in, end)) return false;
      const unsigned method = bits_ & 0xFF, flags = (bits_ >> 8) & 0xFF;
      // Deflate with a window of at most 32 KiB and a sound header check.
      if ((method & 0x0F) != 8 || (method >> 4) > 7 || (method * 256 + flags) % 31 != 0) {
        Fail();
        return true;
      }
      // A preset dictionary we cannot have: refused once its id is read,
      // where zlib stops too, so that cut-short streams end alike.
      if (flags & 0x20) {
        if (!Need(48, in, end)) return false;
        Fail();
        return true;
      }
      Drop(16);
      mode_ = TMode::BlockHeader;
      return true;
    }
    case TMode::BlockHeader: {
      if (!Need(3, in, end)) return false;
      lastBlock_ = (bits_ & 1) != 0;
      const auto type = static_cast<unsigned>((bits_ >> 1) & 3);
      Drop(3);
      StartBlock(type);
      return true;
    }
    case TMode::StoredLength: {
      if (!Need(32, in, end)) return false;
      const auto length = static_cast<unsigned>(bits_ & 0xFFFF);
      const auto complement = static_cast<unsigned>((bits_ >> 16) & 0xFFFF);
      Drop(32);
      if (length != (~complement & 0xFFFF)) {
        Fail();
      } else {
        storedLeft_ = length;
        mode_ = TMode::StoredCopy;
      }
      return true;
    }
    case TMode::StoredCopy: {
      while (storedLeft_ > 0 && bitCount_ >= 8 && pos_ < kLimit) {
        window_[pos_++] = static_cast<uint8_t>(bits_);
        Drop(8);
        --storedLeft_;
      }
      const size_t n = std::min({storedLeft_, static_cast<size_t>(end - in), kLimit - pos_});
      if (n > 0) std::memcpy(window_.get() + pos_, in, n);
      pos_ += n;
      in += n;
      storedLeft_ -= n;
      if (storedLeft_ > 0) return false;
      mode_ = lastBlock_ ? TMode::Trailer : TMode::BlockHeader;
      return true;
    }
    case TMode::CodeCounts: {
      if (!Need(14, in, end)) return false;
      literalCodes_ = 257 + static_cast<unsigned>(bits_ & 31);
      distanceCodes_ = 1 + static_cast<unsigned>((bits_ >> 5) & 31);
      lengthCodes_ = 4 + static_cast<unsigned>((bits_ >> 10) & 15);
      Drop(14);
      if (literalCodes_ > 286 || distanceCodes_ > 30) {
        Fail();
      } else {
        std::fill(lengths_, lengths_ + 19, uint8_t{0});
        index_ = 0;
        mode_ = TMode::CodeLengthCodes;
      }
      return true;
    }
    case TMode::CodeLengthCodes: {
      static constexpr uint8_t kOrder[19] = {16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2, 14, 1, 15};
      for (; index_ < lengthCodes_; ++index_) {
        if (!Need(3, in, end)) return false;
        lengths_[kOrder[index_]] = static_cast<uint8_t>(bits_ & 7);
        Drop(3);
      }
      if (!BuildTable(TCode::CodeLength, lengths_, 19, tables_->codeLength)) {
        Fail();
      } else {
        index_ = 0;
        mode_ = TMode::CodeLengths;
      }
      return true;
    }
    case TMode::CodeLengths:
      return ReadCodeLengths(in, end);
    case TMode::Symbols:
      for (;;) {
        const TStop stop = CanDecodeFast(in, end) ? DecodeFast(in, end) : DecodeCareful(in, end);
        if (mode_ == TMode::Failed) return true;
        if (stop == TStop::BlockEnd) {
          mode_ = lastBlock_ ? TMode::Trailer : TMode::BlockHeader;
          return true;
        }
        if (stop == TStop::Blocked) return false;
      }
    case TMode::Trailer: {
      Drop(bitCount_ & 7);
      if (!Need(32, in, end)) return false;
      const uint32_t stated = __builtin_bswap32(static_cast<uint32_t>(bits_));
      Drop(32);
      HashProduced();
      if (checkSum_ && stated != sum_) {
        Fail();
      } else {
        mode_ = TMode::Done;
      }
      return true;
    }
    case TMode::Done:
    case TMode::Failed:
      break;
  }
  return false;
}

void TInflater::StartBlock(unsigned type) {
  switch (type) {
    case 0:
      Drop(bitCount_ & 7);  // stored bytes start at a byte boundary
      mode_ = TMode::StoredLength;
      break;
    case 1: {
      uint8_t lengths[288 + 32];
      std::fill(lengths, lengths + 144, uint8_t{8});
      std::fill(lengths + 144, lengths + 256, uint8_t{9});
      std::fill(lengths + 256, lengths + 280, uint8_t{7});
      std::fill(lengths + 280, lengths + 288, uint8_t{8});
      std::fill(lengths + 288, lengths + 320, uint8_t{5});
      BuildTable(TCode::LiteralLength, lengths, 288, tables_->literalLength);
      BuildTable(TCode::Distance, lengths + 288, 32, tables_->distance);
      mode_ = TMode::Symbols;
      break;
    }
    case 2:
      mode_ = TMode::CodeCounts;
      break;
    default:
      Fail();
  }
}

bool TInflater::ReadCodeLengths(const uint8_t*& in, const uint8_t* end) {
  const unsigned total = literalCodes_ + distanceCodes_;
  while (index_ < total) {
    const uint32_t entry = Peek(tables_->codeLength, kCodeLengthBits, 0, in, end);
    if (entry == 0) return false;
    if (entry & kInvalid) {
      Fail();
      return true;
    }
    const unsigned symbol = Value(entry), drop = DropBits(entry);
    if (symbol < 16) {
      Drop(drop);
      lengths_[index_++] = static_cast<uint8_t>(symbol);
      continue;
    }
    // 16 repeats the last length 3-6 times, 17 and 18 give 3-10 and 11-138 zeros.
    const unsigned extra = symbol == 16 ? 2 : symbol == 17 ? 3 : 7;
    if (!Need(drop + extra, in, end)) return false;
    const unsigned repeat = (symbol == 18 ? 11 : 3) + static_cast<unsigned>((bits_ >> drop) & Mask(extra));
    Drop(drop + extra);
    if ((symbol == 16 && index_ == 0) || repeat > total - index_) {
      Fail();
      return true;
    }
    const uint8_t value = symbol == 16 ? lengths_[index_ - 1] : uint8_t{0};
    std::fill(lengths_ + index_, lengths_ + index_ + repeat, value);
    index_ += repeat;
  }
  if (lengths_[256] == 0 || !BuildTable(TCode::LiteralLength, lengths_, literalCodes_, tables_->literalLength) ||
      !BuildTable(TCode::Distance, lengths_ + literalCodes_, distanceCodes_, tables_->distance)) {
    Fail();
  } else {
    mode_ = TMode::Symbols;
  }
  return true;
}

// --- symbols ----------------------------------------------------------------

// The fast loop's own condition: it runs at least once when this holds.
bool TInflater::CanDecodeFast(const uint8_t* in, const uint8_t* end) const {
  return fastLoop_ && bitCount_ < 8 && static_cast<size_t>(end - in) >= kFastInput && kLimit - pos_ >= kFastRoom;
}

// One symbol at a time, each taken only when all of its bits and its room in
// the window are at hand. Returns Handover as soon as the fast loop could go on.
TInflater::TStop TInflater::DecodeCareful(const uint8_t*& in, const uint8_t* end) {
  for (;;) {
    const uint32_t entry = Peek(tables_->literalLength, kLiteralLengthBits, 0, in, end);
    if (entry == 0) return TStop::Blocked;
    if (entry & kLiteral) {
      if (pos_ == kLimit) return TStop::Blocked;
      window_[pos_++] = static_cast<uint8_t>(Value(entry));
      Drop(DropBits(entry));
    } else if (entry & kEndOfBlock) {
      Drop(DropBits(entry));
      return TStop::BlockEnd;
    } else if (entry & kInvalid) {
      Fail();
      return TStop::BlockEnd;
    } else {
      const unsigned lengthBits = DropBits(entry) + ExtraBits(entry);
      if (!Need(lengthBits, in, end)) return TStop::Blocked;
      const size_t length = Value(entry) + ((bits_ >> DropBits(entry)) & Mask(ExtraBits(entry)));
      const uint32_t code = Peek(tables_->distance, kDistanceBits, lengthBits, in, end);
      if (code == 0) return TStop::Blocked;
      if (code & kInvalid) {
        Fail();
        return TStop::BlockEnd;
      }
      const unsigned allBits = lengthBits + DropBits(code) + ExtraBits(code);
      if (!Need(allBits, in, end)) return TStop::Blocked;
      const size_t distance = Value(code) + ((bits_ >> (lengthBits + DropBits(code))) & Mask(ExtraBits(code)));
      if (distance > pos_) {
        Fail();
        return TStop::BlockEnd;
      }
      if (kLimit - pos_ < length) return TStop::Blocked;
      Drop(allBits);
      uint8_t* out = window_.get() + pos_;
      const uint8_t* src = out - distance;
      for (size_t i = 0; i < length; ++i) out[i] = src[i];
      pos_ += length;
    }
    if (CanDecodeFast(in, end)) return TStop::Handover;
  }
}

// The loop that does nearly all the work: an 8-byte refill leaves at least 56
// bits, enough for the longest length and distance with their extra bits or
// for two literals, so no symbol checks its bits; input and room are checked
// once a round. Whole bytes left in the bit buffer go back to the input.
TInflater::TStop TInflater::DecodeFast(const uint8_t*& inRef, const uint8_t* end) {
  const uint8_t* in = inRef;
  const uint8_t* const inLast = end - kFastInput;
  uint8_t* const base = window_.get();
  uint8_t* out = base + pos_;
  uint8_t* const outLast = base + kLimit - kFastRoom;
  const uint32_t* const literals = tables_->literalLength;
  const uint32_t* const distances = tables_->distance;
  uint64_t bits = bits_;
  unsigned count = bitCount_;
  TStop stop = TStop::Handover;

  auto refill = [&] {
    bits |= Load64(in) << count;
    in += (63 - count) >> 3;
    count |= 56;
  };
  auto lookUp = [&] {
    const uint32_t entry = literals[bits & Mask(kLiteralLengthBits)];
    if ((entry & kSubtable) == 0) return entry;
    return literals[Value(entry) + ((bits >> kLiteralLengthBits) & Mask(ExtraBits(entry)))];
  };
  while (in <= inLast && out <= outLast) {
    refill();
    uint32_t entry = lookUp();
    if (entry & kLiteral) {
      // A second literal fits the bits left by the first; anything else
      // takes a refill first (the entry's own bits stay where they are).
      bits >>= DropBits(entry);
      count -= DropBits(entry);
      *out++ = static_cast<uint8_t>(Value(entry));
      entry = lookUp();
      if (entry & kLiteral) {
        bits >>= DropBits(entry);
        count -= DropBits(entry);
        *out++ = static_cast<uint8_t>(Value(entry));
        continue;
      }
      refill();
    }
    bits >>= DropBits(entry);
    count -= DropBits(entry);
    if (entry & (kEndOfBlock | kInvalid)) {
      if (entry & kInvalid) Fail();
      stop = TStop::BlockEnd;
      break;
    }
    const size_t length = Value(entry) + (bits & Mask(ExtraBits(entry)));
    bits >>= ExtraBits(entry);
    count -= ExtraBits(entry);

    uint32_t code = distances[bits & Mask(kDistanceBits)];
    if (code & kSubtable) code = distances[Value(code) + ((bits >> kDistanceBits) & Mask(ExtraBits(code)))];
    if (code & kInvalid) {
      Fail();
      stop = TStop::BlockEnd;
      break;
    }
    bits >>= DropBits(code);
    count -= DropBits(code);
    const size_t distance = Value(code) + (bits & Mask(ExtraBits(code)));
    bits >>= ExtraBits(code);
    count -= ExtraBits(code);
    if (distance > static_cast<size_t>(out - base)) {
      Fail();
      stop = TStop::BlockEnd;
      break;
    }
    CopyMatch(out, distance, length);
    out += length;
  }

  in -= count >> 3;
  count &= 7;
  bits_ = bits & ((uint64_t{1} << count) - 1);
  bitCount_ = count;
  inRef = in;
  pos_ = static_cast<size_t>(out - base);
  return stop;
}

}  // namespace zelvan::image
