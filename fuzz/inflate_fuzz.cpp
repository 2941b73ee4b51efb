// Differential fuzzing of the inflater: any byte string, taken as a zlib
// stream, gives the same bytes and the same end (cut short, complete with the
// same input left unread, or damaged) on the fast and the careful path, in
// one piece or in small pieces, and as zlib gives.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "tests/core/image/inflate_outcome.h"

namespace {

constexpr size_t kMostOutput = size_t{1} << 22;  // a stream may grow a thousandfold

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using zelvan::testing::InflateOurs;
  if (size < 1) return 0;
  // The first byte chooses the piece sizes; the rest is the stream.
  const size_t inPiece = 1 + data[0] % 37, outPiece = 1 + data[0] / 37 * 61;
  ++data, --size;
  const auto expected = zelvan::testing::InflateZlib(data, size, kMostOutput);
  // Past the output cap the decoders stop at different points; only the bytes matter.
  const bool capped = expected.bytes.size() >= kMostOutput;
  for (const auto& actual : {InflateOurs(data, size, true, {}, kMostOutput),
                             InflateOurs(data, size, false, {inPiece, outPiece, 0}, kMostOutput),
                             InflateOurs(data, size, true, {inPiece * 97, outPiece, 0}, kMostOutput)}) {
    if (capped ? actual.bytes != expected.bytes : !(actual == expected)) std::abort();
  }
  return 0;
}
