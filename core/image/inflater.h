#pragma once
// Inflates a zlib stream (deflate data in a two-byte header and a four-byte
// checksum) piece by piece: input may arrive in pieces split anywhere, and
// output is taken in pieces of any size. Decoded bytes go first into a window
// of our own (the 32 KiB a match may reach back, and room to decode ahead),
// so the decoding loop never waits for the caller's next small buffer.
//
// A fast loop decodes while at least 16 input bytes and a longest match of
// room remain; near the ends a careful loop takes a symbol only when all of
// its bits are at hand, so a piece may end anywhere without loss.

#include <cstddef>
#include <cstdint>
#include <memory>

namespace zelvan::image {

class TInflater {
 public:
  enum TResult { kOk = 0, kStreamEnd = 1, kDataError = -3 };

  // checkSum false reads the stream's Adler-32 sum without checking it, for
  // data that carries checks of its own.
  explicit TInflater(bool checkSum = true);
  ~TInflater();
  TInflater(const TInflater&) = delete;
  TInflater& operator=(const TInflater&) = delete;

  // Starts a new stream.
  void Reset();

  // Inflates from input into output and advances both; the sizes become what
  // is left. kOk: more input or output room is needed. kStreamEnd: the stream
  // is complete and all of it delivered; input after it stays unread.
  // kDataError: the stream is damaged (output before the damage is delivered
  // first), and stays so until Reset.
  TResult Inflate(const uint8_t*& input, size_t& inputLeft, uint8_t*& output, size_t& outputLeft);

  // Off: every symbol goes through the careful loop. Tests compare both.
  void SetFastLoop(bool on) { fastLoop_ = on; }

 private:
  enum class TMode {
    Header, BlockHeader, StoredLength, StoredCopy, CodeCounts, CodeLengthCodes, CodeLengths,
    Symbols, Trailer, Done, Failed
  };
  // Why a decoding loop returned: it waits for input or window room, the
  // block ended (or the data proved damaged), or the fast loop may go on.
  enum class TStop { Blocked, BlockEnd, Handover };

  struct TTables;

  bool Produce(const uint8_t*& input, size_t& inputLeft);
  bool Step(const uint8_t*& in, const uint8_t* end);
  bool CanDecodeFast(const uint8_t* in, const uint8_t* end) const;
  TStop DecodeFast(const uint8_t*& in, const uint8_t* end);
  TStop DecodeCareful(const uint8_t*& in, const uint8_t* end);
  bool ReadCodeLengths(const uint8_t*& in, const uint8_t* end);
  void StartBlock(unsigned type);

  bool Need(unsigned bits, const uint8_t*& in, const uint8_t* end);
  uint32_t Peek(const uint32_t* table, unsigned indexBits, unsigned skip, const uint8_t*& in, const uint8_t* end);
  void Drop(unsigned bits) {
    bits_ >>= bits;
    bitCount_ -= bits;
  }
  void Fail() { mode_ = TMode::Failed; }
  void Deliver(uint8_t*& output, size_t& outputLeft);
  void HashProduced();

  std::unique_ptr<uint8_t[]> window_;
  std::unique_ptr<TTables> tables_;
  size_t pos_ = 0;        // where the next decoded byte goes
  size_t delivered_ = 0;  // bytes of the window handed to the caller
  size_t hashed_ = 0;     // bytes of the window in the running sum

  uint64_t bits_ = 0;  // unread bits, lowest first; bits above bitCount_ are zero between calls
  unsigned bitCount_ = 0;

  TMode mode_ = TMode::Header;
  bool lastBlock_ = false;
  bool fastLoop_ = true;
  bool checkSum_;
  uint32_t sum_ = 1;

  size_t storedLeft_ = 0;
  unsigned literalCodes_ = 0, distanceCodes_ = 0, lengthCodes_ = 0, index_ = 0;
  uint8_t lengths_[320] = {};
};

}  // namespace zelvan::image
