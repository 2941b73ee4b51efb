#pragma once
// Inflates zlib streams piece by piece for the image readers.

#include <cstddef>
#include <cstdint>
#include <memory>

namespace zelvan::image {

class TInflater;

class TLZ77Decoder {
 public:
  // flushMode is kept for the readers that name one (1: partial flush): every
  // call hands over all the output it can, which is what they ask for.
  // checkAdler false leaves out the stream's own checksum, for data whose
  // chunks carry a CRC of their own already (PNG): checking both costs time
  // and finds nothing more.
  TLZ77Decoder(int flushMode, bool autoReset, bool checkAdler = true);
  ~TLZ77Decoder();
  TLZ77Decoder(const TLZ77Decoder&) = delete;
  TLZ77Decoder& operator=(const TLZ77Decoder&) = delete;

  void DecodeInit();
  void DecodeEnd();

  // Inflates from source into dest and advances both; the sizes become what
  // is left. Returns 0 (more input or room wanted), 1 (stream end) or a
  // negative value for damaged data, as zlib numbers them.
  int Decode(const uint8_t*& source, uint8_t*& dest, size_t& packedSize, size_t& unpackedSize);

  // Does nothing: the readers never write compressed data.
  void Encode() {}

  size_t AvailableInput() const { return availableInput_; }
  size_t AvailableOutput() const { return availableOutput_; }
  int LastResult() const { return result_; }

 private:
  std::unique_ptr<TInflater> inflater_;
  bool autoReset_;
  int result_ = 0;
  size_t availableInput_ = 0, availableOutput_ = 0;
};

}  // namespace zelvan::image
