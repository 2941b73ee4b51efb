#include "core/image/lz77_decoder.h"

#include "core/image/inflater.h"

namespace zelvan::image {

TLZ77Decoder::TLZ77Decoder(int /*flushMode*/, bool autoReset, bool checkAdler)
    : inflater_(std::make_unique<TInflater>(checkAdler)), autoReset_(autoReset) {}

TLZ77Decoder::~TLZ77Decoder() = default;

void TLZ77Decoder::DecodeInit() {
  inflater_->Reset();
  result_ = 0;
}

void TLZ77Decoder::DecodeEnd() { result_ = 0; }

int TLZ77Decoder::Decode(const uint8_t*& source, uint8_t*& dest, size_t& packedSize, size_t& unpackedSize) {
  if (autoReset_) inflater_->Reset();
  result_ = inflater_->Inflate(source, packedSize, dest, unpackedSize);
  availableInput_ = packedSize;
  availableOutput_ = unpackedSize;
  return result_;
}

}  // namespace zelvan::image
