#pragma once
// Builds PNG files: the skin generator's images, and the reader's test
// fixtures, which say in code what they hold (chunks with their CRCs, zlib
// data, the five filters, Adam7).

#include <cstdint>
#include <string>
#include <vector>

namespace zelvan::png {

struct PngRecipe {
  uint32_t width = 1, height = 1;
  uint8_t depth = 8, colorType = 2, compression = 0, filterMethod = 0;
  bool interlaced = false;
  // Packed sample rows of the whole image, top row first, PNG byte order.
  std::vector<std::vector<uint8_t>> rows;
  // Chunks written between IHDR and IDAT, and between IDAT and IEND.
  std::vector<std::pair<std::string, std::vector<uint8_t>>> before, after;
  // Filter type of each row in turn (cycled); 0..4.
  std::vector<uint8_t> filters = {0};
  size_t idatSplit = 0;  // split the compressed data into IDATs of this size (0: one)
  std::vector<uint8_t> trailingZlib;  // bytes appended after the zlib stream
};

std::vector<uint8_t> Chunk(const std::string& type, const std::vector<uint8_t>& data);
std::vector<uint8_t> WritePng(const PngRecipe& recipe);

// Bits of one pixel for a colour type and depth.
int BitsPerPixel(uint8_t colorType, uint8_t depth);

std::vector<uint8_t> BigEndian16(std::initializer_list<unsigned> values);

}  // namespace zelvan::png
