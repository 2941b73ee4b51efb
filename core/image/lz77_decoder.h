#pragma once
// Inflates zlib streams piece by piece for the image readers.

#include <cstddef>
#include <cstdint>
#include <memory>

namespace zelvan::image {

class TLZ77Decoder {
 public:
  // flushMode is zlib's flush argument (1: partial flush). checkAdler false
  // leaves out the stream's own checksum, for data whose chunks carry a CRC
  // of their own already (PNG): checking both costs time and finds nothing more.
  TLZ77Decoder(int flushMode, bool autoReset, bool checkAdler = true);
  ~TLZ77Decoder();
  TLZ77Decoder(const TLZ77Decoder&) = delete;
  TLZ77Decoder& operator=(const TLZ77Decoder&) = delete;

  // Raise EInvalidGraphic("LZ77 decompression error.") on a negative zlib result.
  void DecodeInit();
  void DecodeEnd();

  // Inflates from source into dest and advances both; the sizes become what
  // is left. Returns zlib's result (0 ok, 1 stream end, negative errors).
  int Decode(const uint8_t*& source, uint8_t*& dest, size_t& packedSize, size_t& unpackedSize);

  // Does nothing: the readers never write compressed data.
  void Encode() {}

  size_t AvailableInput() const;
  size_t AvailableOutput() const;
  int LastResult() const { return zlibResult_; }

 private:
  struct State;
  std::unique_ptr<State> state_;
  int flushMode_;
  bool autoReset_;
  bool checkAdler_;
  bool initialised_ = false;
  int zlibResult_ = 0;
};

}  // namespace zelvan::image
