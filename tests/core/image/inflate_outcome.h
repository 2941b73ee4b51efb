#pragma once
// What a decoder makes of a zlib stream, for the tests and the fuzz target
// that hold our inflater against zlib: its bytes, how it ended (0 cut short,
// 1 stream end, -3 damaged; 99 when it stopped with input and room) and, at
// the stream's end, the input it left unread. Output past `most` bytes is
// cut off, where the two may stop at different points.

#include <zlib.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <ostream>
#include <random>
#include <vector>

#include "core/image/inflater.h"

namespace zelvan::testing {

struct TInflateOutcome {
  std::vector<uint8_t> bytes;
  int result = 0;
  size_t unread = 0;
  bool operator==(const TInflateOutcome&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const TInflateOutcome& o) {
  return os << "{" << o.bytes.size() << " bytes, result " << o.result << ", unread " << o.unread << "}";
}

// Input and output handed over in pieces of in and out bytes (0: all at
// once); with a seed, each piece is of a random size up to those.
struct TPieces {
  size_t in = 0, out = 0;
  uint32_t seed = 0;
};

inline TInflateOutcome InflateOurs(const uint8_t* data, size_t size, bool fast, TPieces pieces, size_t most) {
  std::mt19937 random(pieces.seed);
  auto piece = [&](size_t left, size_t largest) {
    if (largest == 0) return left;
    return std::min<size_t>(left, pieces.seed != 0 ? 1 + random() % largest : largest);
  };
  image::TInflater inflater;
  inflater.SetFastLoop(fast);
  TInflateOutcome o;
  std::vector<uint8_t> buffer(pieces.out == 0 ? 1 << 16 : pieces.out);
  const uint8_t* in = data;
  size_t inLeft = size, given = 0;
  while (o.bytes.size() <= most) {
    if (given == 0) given = piece(inLeft, pieces.in);
    const size_t pieceBefore = given;
    uint8_t* out = buffer.data();
    size_t outLeft = piece(buffer.size(), pieces.out);
    const size_t room = outLeft;
    const int result = inflater.Inflate(in, given, out, outLeft);
    inLeft -= pieceBefore - given;
    o.bytes.insert(o.bytes.end(), buffer.data(), out);
    if (result != image::TInflater::kOk) {
      o.result = result;
      if (result == image::TInflater::kStreamEnd) o.unread = inLeft;
      break;
    }
    if (outLeft == room && given == pieceBefore) {
      if (inLeft == 0) break;  // all input taken and no progress: the stream is cut short
      if (given > 0) {
        o.result = 99;
        break;
      }
    }
  }
  if (o.bytes.size() > most) o.bytes.resize(most);
  return o;
}

inline TInflateOutcome InflateZlib(const uint8_t* data, size_t size, size_t most) {
  z_stream z{};
  inflateInit(&z);
  z.next_in = const_cast<Bytef*>(data);
  z.avail_in = static_cast<uInt>(size);
  TInflateOutcome o;
  std::vector<uint8_t> buffer(1 << 16);
  while (o.bytes.size() <= most) {
    z.next_out = buffer.data();
    z.avail_out = static_cast<uInt>(buffer.size());
    const int result = inflate(&z, Z_NO_FLUSH);
    o.bytes.insert(o.bytes.end(), buffer.data(), z.next_out);
    if (result == Z_STREAM_END) {
      o.result = 1;
      o.unread = z.avail_in;
      break;
    }
    if (result == Z_DATA_ERROR || result == Z_NEED_DICT) {
      o.result = -3;
      break;
    }
    if (result == Z_BUF_ERROR || z.avail_out != 0) break;
  }
  inflateEnd(&z);
  if (o.bytes.size() > most) o.bytes.resize(most);
  return o;
}

}  // namespace zelvan::testing
