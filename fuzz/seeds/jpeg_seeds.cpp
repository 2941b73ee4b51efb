// JPEG seeds: baseline and progressive, colour and gray, Huffman and
// arithmetic coding, restart markers; then files libjpeg stops with an error
// and one with more scans than the reader accepts.
#include <string>

#include "fuzz/seeds/seeds.h"
#include "tools/common/jpeg_writer.h"

namespace zelvan::fuzz {

namespace {

using jpeg::JpegOptions;

std::vector<uint8_t> Encode(const JpegOptions& options, int width = 17, int height = 9) {
  const auto rgb = NoiseBytes(static_cast<size_t>(width * height * 3), 7);
  return jpeg::EncodeJpeg(rgb, width, height, options);
}

}  // namespace

TSeeds JpegSeeds() {
  TSeeds seeds;
  JpegOptions options;
  seeds.push_back({"baseline.jpg", Encode(options)});
  options.restartRows = 1;
  seeds.push_back({"restarts.jpg", Encode(options)});
  options = {};
  options.progressive = true;
  seeds.push_back({"progressive.jpg", Encode(options)});
  options.gray = true;
  seeds.push_back({"progressive-gray.jpg", Encode(options)});
  options = {};
  options.gray = true;
  seeds.push_back({"gray.jpg", Encode(options)});
  options = {};
  options.arithmetic = true;
  seeds.push_back({"arithmetic.jpg", Encode(options)});

  auto truncated = Encode({});
  truncated.resize(truncated.size() / 2);
  seeds.push_back({"truncated.jpg", truncated});
  seeds.push_back({"header-only.jpg", {0xFF, 0xD8, 0xFF}});
  seeds.push_back({"no-jpeg.jpg", {'n', 'o', 't', ' ', 'j', 'p', 'e', 'g'}});
  auto huge = Encode({}, 8, 8);
  for (size_t i = 0; i + 8 < huge.size(); ++i) {
    if (huge[i] == 0xFF && huge[i + 1] == 0xC0) {
      huge[i + 5] = huge[i + 7] = 0xEA;  // 60000 x 60000
      huge[i + 6] = huge[i + 8] = 0x60;
      break;
    }
  }
  seeds.push_back({"size-60000.jpg", huge});
  options = {};
  options.progressive = true;
  seeds.push_back({"many-scans.jpg", jpeg::WithLastScanRepeated(Encode(options, 8, 8), 1000)});
  return seeds;
}

}  // namespace zelvan::fuzz
