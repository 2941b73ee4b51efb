// Mutations that reach the pixels. A byte flipped anywhere in a PNG almost
// always breaks a chunk CRC or the zlib stream, and the file is refused
// before a row is decoded. So half of the mutations are made to the inflated
// image data, which is then deflated again into one IDAT; the other half are
// libFuzzer's own, with the CRCs repaired afterwards (but for a few, so that
// the CRC check itself stays fuzzed).
#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "tools/common/png_writer.h"

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

namespace {

constexpr size_t kSignatureBytes = 8;
constexpr size_t kMaxInflated = size_t{1} << 16;  // far more than the seeds hold

uint32_t BigEndian32(const uint8_t* p) {
  return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) | p[3];
}

struct TChunk {
  std::string type;
  std::vector<uint8_t> data;
};

// The whole chunks after the signature; false when there are none.
bool SplitChunks(const uint8_t* data, size_t size, std::vector<TChunk>& chunks) {
  size_t at = kSignatureBytes;
  while (size >= 12 && at <= size - 12) {
    const uint32_t length = BigEndian32(data + at);
    if (length > size - 12 - at) break;
    chunks.push_back({std::string(reinterpret_cast<const char*>(data + at + 4), 4),
                      std::vector<uint8_t>(data + at + 8, data + at + 8 + length)});
    at += 12 + length;
  }
  return !chunks.empty();
}

void RepairCrcs(uint8_t* data, size_t size) {
  size_t at = kSignatureBytes;
  while (size >= 12 && at <= size - 12) {
    const uint32_t length = BigEndian32(data + at);
    if (length > size - 12 - at) break;
    const uint32_t crc = static_cast<uint32_t>(crc32(0, data + at + 4, length + 4));
    for (int i = 0; i < 4; ++i) data[at + 8 + length + i] = static_cast<uint8_t>(crc >> (24 - 8 * i));
    at += 12 + length;
  }
}

// As much of the zlib stream as inflates, up to kMaxInflated bytes.
std::vector<uint8_t> Inflate(const std::vector<uint8_t>& packed) {
  std::vector<uint8_t> out(kMaxInflated);
  z_stream z{};
  if (inflateInit(&z) != Z_OK) return {};
  z.next_in = const_cast<Bytef*>(packed.data());
  z.avail_in = static_cast<uInt>(packed.size());
  z.next_out = out.data();
  z.avail_out = static_cast<uInt>(out.size());
  inflate(&z, Z_SYNC_FLUSH);
  out.resize(z.total_out);
  inflateEnd(&z);
  return out;
}

// The file with its image data mutated, or empty when it has none to mutate.
std::vector<uint8_t> MutateImageData(const uint8_t* data, size_t size, std::minstd_rand& random) {
  std::vector<TChunk> chunks;
  if (!SplitChunks(data, size, chunks)) return {};
  std::vector<uint8_t> packed;
  size_t first = chunks.size();
  for (size_t i = 0; i < chunks.size(); ++i) {
    if (chunks[i].type != "IDAT") continue;
    if (first == chunks.size()) first = i;
    packed.insert(packed.end(), chunks[i].data.begin(), chunks[i].data.end());
  }
  if (first == chunks.size()) return {};
  std::vector<uint8_t> raw = Inflate(packed);
  if (raw.empty()) return {};
  const size_t rawSize = raw.size();
  raw.resize(rawSize * 2 + 16);
  raw.resize(LLVMFuzzerMutate(raw.data(), rawSize, raw.size()));
  uLongf bound = compressBound(static_cast<uLong>(raw.size()));
  std::vector<uint8_t> deflated(bound);
  if (compress2(deflated.data(), &bound, raw.data(), static_cast<uLong>(raw.size()),
                static_cast<int>(random() % 10)) != Z_OK) {
    return {};
  }
  deflated.resize(bound);

  std::vector<uint8_t> out(data, data + kSignatureBytes);
  for (size_t i = 0; i < chunks.size(); ++i) {
    std::vector<uint8_t> chunk;
    if (i == first) {
      chunk = zelvan::png::Chunk("IDAT", deflated);
    } else if (chunks[i].type != "IDAT") {
      chunk = zelvan::png::Chunk(chunks[i].type, chunks[i].data);
    }
    out.insert(out.end(), chunk.begin(), chunk.end());
  }
  return out;
}

}  // namespace

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize, unsigned int seed) {
  std::minstd_rand random(seed);
  if (random() % 2 == 0) {
    const std::vector<uint8_t> mutated = MutateImageData(data, size, random);
    if (!mutated.empty() && mutated.size() <= maxSize) {
      std::memcpy(data, mutated.data(), mutated.size());
      return mutated.size();
    }
  }
  size = LLVMFuzzerMutate(data, size, maxSize);
  if (random() % 16 != 0) RepairCrcs(data, size);
  return size;
}
