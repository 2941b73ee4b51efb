// Inflater seeds: zlib streams of every block type (stored, fixed, dynamic)
// over data with long and short distances, each after the byte that sets the
// fuzzer's piece sizes.
#include <zlib.h>

#include <string>

#include "fuzz/seeds/seeds.h"

namespace zelvan::fuzz {

namespace {

std::vector<uint8_t> Deflated(uint8_t pieces, const std::vector<uint8_t>& data, int level, int strategy) {
  z_stream z{};
  deflateInit2(&z, level, Z_DEFLATED, 15, 8, strategy);
  std::vector<uint8_t> out(1 + deflateBound(&z, data.size()));
  out[0] = pieces;
  z.next_in = const_cast<Bytef*>(data.data());
  z.avail_in = static_cast<uInt>(data.size());
  z.next_out = out.data() + 1;
  z.avail_out = static_cast<uInt>(out.size() - 1);
  deflate(&z, Z_FINISH);
  out.resize(1 + z.total_out);
  deflateEnd(&z);
  return out;
}

}  // namespace

TSeeds InflateSeeds() {
  std::vector<uint8_t> text;
  const std::string words[] = {"rename ", "folder ", "skin ", "window "};
  for (size_t i = 0; text.size() < 6000; ++i) {
    const std::string& w = words[(i * 7 + i / 5) % 4];
    text.insert(text.end(), w.begin(), w.end());
  }
  std::vector<uint8_t> runs;
  for (size_t i = 0; i < 3000; ++i) runs.push_back(static_cast<uint8_t>((i / 300) % 2 ? i % 3 : i % 7));
  return {
      {"stored.z", Deflated(3, NoiseBytes(700, 1), 0, Z_DEFAULT_STRATEGY)},
      {"fixed.z", Deflated(40, text, 6, Z_FIXED)},
      {"dynamic.z", Deflated(200, text, 9, Z_DEFAULT_STRATEGY)},
      {"short-distances.z", Deflated(77, runs, 6, Z_RLE)},
      {"literals-only.z", Deflated(5, NoiseBytes(400, 2), 6, Z_HUFFMAN_ONLY)},
  };
}

}  // namespace zelvan::fuzz
