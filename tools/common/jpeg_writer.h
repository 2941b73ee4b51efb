#pragma once
// JPEG encoding of an RGB picture through libjpeg, with the settings fixed
// (integer DCT, no time stamps), so the same pixels give the same bytes.

#include <cstdint>
#include <vector>

namespace zelvan::jpeg {

struct JpegOptions {
  int quality = 95;
  bool progressive = false;
  bool gray = false;        // one component, converted from the RGB given
  bool arithmetic = false;  // arithmetic instead of Huffman coding
  unsigned restartRows = 0;  // a restart marker every this many MCU rows (0: none)
};

// Baseline, Huffman coded, colour.
std::vector<uint8_t> EncodeJpeg(const std::vector<uint8_t>& rgb, int width, int height, int quality);
std::vector<uint8_t> EncodeJpeg(const std::vector<uint8_t>& rgb, int width, int height, const JpegOptions& options);

// The file with its last scan written again `times` more times: a progressive
// file of many scans, as a hostile one would be.
std::vector<uint8_t> WithLastScanRepeated(const std::vector<uint8_t>& jpeg, int times);

}  // namespace zelvan::jpeg
