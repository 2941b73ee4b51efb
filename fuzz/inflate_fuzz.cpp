// Differential fuzzing of the inflater: any byte string, taken as a zlib
// stream, gives the same bytes and the same end (cut short, complete with the
// same input left unread, or damaged) on the fast and the careful path, in
// one piece or in small pieces, and as zlib gives.
#include <zlib.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "core/image/inflater.h"

namespace {

constexpr size_t kMostOutput = size_t{1} << 22;  // a stream may grow a thousandfold

struct TOutcome {
  std::vector<uint8_t> bytes;
  int result = 0;
  size_t unread = 0;
  bool operator==(const TOutcome&) const = default;
};

// Input pieces of inPiece bytes, output pieces of outPiece (0: all at once).
TOutcome Ours(const uint8_t* data, size_t size, bool fast, size_t inPiece, size_t outPiece) {
  zelvan::image::TInflater inflater;
  inflater.SetFastLoop(fast);
  TOutcome o;
  std::vector<uint8_t> buffer(outPiece == 0 ? 1 << 16 : outPiece);
  size_t inLeft = size, given = 0;
  const uint8_t* in = data;
  while (o.bytes.size() <= kMostOutput) {
    if (given == 0) given = inPiece == 0 ? inLeft : std::min(inLeft, inPiece);
    const size_t pieceBefore = given;
    uint8_t* out = buffer.data();
    size_t outLeft = buffer.size();
    const int result = inflater.Inflate(in, given, out, outLeft);
    inLeft -= pieceBefore - given;
    o.bytes.insert(o.bytes.end(), buffer.data(), out);
    if (result != zelvan::image::TInflater::kOk) {
      o.result = result;
      if (result == zelvan::image::TInflater::kStreamEnd) o.unread = inLeft;
      break;
    }
    if (outLeft == buffer.size() && pieceBefore == given) {
      if (inLeft == 0) break;
      if (given > 0) std::abort();  // input and room, yet no progress
    }
  }
  if (o.bytes.size() > kMostOutput) o.bytes.resize(kMostOutput);
  return o;
}

TOutcome Zlib(const uint8_t* data, size_t size) {
  z_stream z{};
  inflateInit(&z);
  z.next_in = const_cast<Bytef*>(data);
  z.avail_in = static_cast<uInt>(size);
  TOutcome o;
  std::vector<uint8_t> buffer(1 << 16);
  while (o.bytes.size() <= kMostOutput) {
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
  if (o.bytes.size() > kMostOutput) o.bytes.resize(kMostOutput);
  return o;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  // The first byte chooses the piece sizes; the rest is the stream.
  const size_t inPiece = 1 + data[0] % 37, outPiece = 1 + data[0] / 37 * 61;
  ++data, --size;
  const TOutcome fast = Ours(data, size, true, 0, 0);
  const TOutcome expected = Zlib(data, size);
  // Past the output cap the two stop at different points; only the bytes matter.
  const bool capped = expected.bytes.size() >= kMostOutput;
  if (capped ? fast.bytes != expected.bytes : !(fast == expected)) std::abort();
  const TOutcome careful = Ours(data, size, false, inPiece, outPiece);
  if (capped ? careful.bytes != expected.bytes : !(careful == expected)) std::abort();
  const TOutcome fastInPieces = Ours(data, size, true, inPiece * 97, outPiece);
  if (capped ? fastInPieces.bytes != expected.bytes : !(fastInPieces == expected)) std::abort();
  return 0;
}
