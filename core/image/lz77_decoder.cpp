#include "core/image/lz77_decoder.h"

#include <zlib.h>

#include <algorithm>
#include <climits>

#include "core/image/graphic_error.h"

namespace zelvan::image {

struct TLZ77Decoder::State {
  z_stream stream{};
};

TLZ77Decoder::TLZ77Decoder(int flushMode, bool autoReset, bool checkAdler)
    : state_(std::make_unique<State>()), flushMode_(flushMode), autoReset_(autoReset), checkAdler_(checkAdler) {}

TLZ77Decoder::~TLZ77Decoder() {
  if (initialised_) inflateEnd(&state_->stream);
}

void TLZ77Decoder::DecodeInit() {
  if (initialised_) DecodeEnd();
  state_->stream = z_stream{};
  zlibResult_ = inflateInit(&state_->stream);
  if (zlibResult_ < 0) throw EInvalidGraphic(messages::kLZ77Error);
  initialised_ = true;
  if (!checkAdler_) inflateValidate(&state_->stream, 0);
}

void TLZ77Decoder::DecodeEnd() {
  if (!initialised_) return;
  initialised_ = false;
  zlibResult_ = inflateEnd(&state_->stream);
  if (zlibResult_ < 0) throw EInvalidGraphic(messages::kLZ77Error);
}

int TLZ77Decoder::Decode(const uint8_t*& source, uint8_t*& dest, size_t& packedSize,
                         size_t& unpackedSize) {
  z_stream& z = state_->stream;
  if (autoReset_) zlibResult_ = inflateReset(&z);
  // zlib counts in 32 bits: hand over at most that much per call.
  const auto in = static_cast<uInt>(std::min<size_t>(packedSize, UINT_MAX));
  const auto out = static_cast<uInt>(std::min<size_t>(unpackedSize, UINT_MAX));
  z.next_in = const_cast<Bytef*>(source);
  z.avail_in = in;
  z.next_out = dest;
  z.avail_out = out;
  zlibResult_ = inflate(&z, flushMode_);
  const size_t consumed = in - z.avail_in;
  const size_t produced = out - z.avail_out;
  source += consumed;
  packedSize -= consumed;
  dest += produced;
  unpackedSize -= produced;
  return zlibResult_;
}

size_t TLZ77Decoder::AvailableInput() const { return state_->stream.avail_in; }
size_t TLZ77Decoder::AvailableOutput() const { return state_->stream.avail_out; }

}  // namespace zelvan::image
