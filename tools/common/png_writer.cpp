#include "tools/common/png_writer.h"

#include <zlib.h>

#include <cstdlib>
#include <stdexcept>

namespace zelvan::png {

namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(v >> shift));
}

uint8_t Paeth(int a, int b, int c) {
  const int p = a + b - c, pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
  return static_cast<uint8_t>(pa <= pb && pa <= pc ? a : pb <= pc ? b : c);
}

std::vector<uint8_t> Filter(uint8_t type, const std::vector<uint8_t>& row,
                            const std::vector<uint8_t>& prev, size_t bpp) {
  std::vector<uint8_t> out{type};
  for (size_t i = 0; i < row.size(); ++i) {
    const int a = i >= bpp ? row[i - bpp] : 0, b = prev[i], c = i >= bpp ? prev[i - bpp] : 0;
    int predictor = 0;
    switch (type) {
      case 1: predictor = a; break;
      case 2: predictor = b; break;
      case 3: predictor = (a + b) / 2; break;
      case 4: predictor = Paeth(a, b, c); break;
      default: break;
    }
    out.push_back(static_cast<uint8_t>(row[i] - predictor));
  }
  return out;
}

unsigned GetBits(const std::vector<uint8_t>& row, size_t index, int bits) {
  if (bits >= 8) return 0;
  const size_t bit = index * static_cast<size_t>(bits);
  return (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1u);
}

void SetBits(std::vector<uint8_t>& row, size_t index, int bits, unsigned v) {
  const size_t bit = index * static_cast<size_t>(bits);
  row[bit / 8] = static_cast<uint8_t>(row[bit / 8] | (v << (8 - bits - bit % 8)));
}

// The pixels of columns first, first + step, ... of a row, packed again.
std::vector<uint8_t> PickColumns(const std::vector<uint8_t>& row, uint32_t width, int bpp,
                                 uint32_t first, uint32_t step) {
  std::vector<uint8_t> out;
  size_t count = 0;
  for (uint32_t x = first; x < width; x += step) ++count;
  out.resize((count * static_cast<size_t>(bpp) + 7) / 8);
  size_t k = 0;
  for (uint32_t x = first; x < width; x += step, ++k) {
    if (bpp < 8) {
      SetBits(out, k, bpp, GetBits(row, x, bpp));
    } else {
      const size_t bytes = static_cast<size_t>(bpp / 8);
      for (size_t j = 0; j < bytes; ++j) out[k * bytes + j] = row[x * bytes + j];
    }
  }
  return out;
}

}  // namespace

int BitsPerPixel(uint8_t colorType, uint8_t depth) {
  const int samples = colorType == 2 ? 3 : colorType == 4 ? 2 : colorType == 6 ? 4 : 1;
  return samples * depth;
}

std::vector<uint8_t> BigEndian16(std::initializer_list<unsigned> values) {
  std::vector<uint8_t> out;
  for (unsigned v : values) {
    out.push_back(static_cast<uint8_t>(v >> 8));
    out.push_back(static_cast<uint8_t>(v));
  }
  return out;
}

std::vector<uint8_t> Chunk(const std::string& type, const std::vector<uint8_t>& data) {
  std::vector<uint8_t> out;
  Put32(out, static_cast<uint32_t>(data.size()));
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  uLong crc = crc32(0, reinterpret_cast<const Bytef*>(type.data()), 4);
  // zlib answers a null buffer with the initial CRC, so an empty chunk skips the call.
  if (!data.empty()) crc = crc32(crc, data.data(), static_cast<uInt>(data.size()));
  Put32(out, static_cast<uint32_t>(crc));
  return out;
}

std::vector<uint8_t> WritePng(const PngRecipe& recipe) {
  const int bpp = BitsPerPixel(recipe.colorType, recipe.depth);
  const size_t filterBpp = static_cast<size_t>((bpp + 7) / 8);
  std::vector<uint8_t> raw;
  size_t rowCounter = 0;
  auto emit = [&](const std::vector<std::vector<uint8_t>>& rows) {
    if (rows.empty() || rows[0].empty()) return;
    std::vector<uint8_t> prev(rows[0].size(), 0);
    for (const auto& row : rows) {
      const uint8_t type = recipe.filters[rowCounter++ % recipe.filters.size()];
      const auto filtered = Filter(type, row, prev, filterBpp);
      raw.insert(raw.end(), filtered.begin(), filtered.end());
      prev = row;
    }
  };
  if (!recipe.interlaced) {
    emit(recipe.rows);
  } else {
    static const uint32_t x0[] = {0, 4, 0, 2, 0, 1, 0}, y0[] = {0, 0, 4, 0, 2, 0, 1},
                          dx[] = {8, 8, 4, 4, 2, 2, 1}, dy[] = {8, 8, 8, 4, 4, 2, 2};
    for (int p = 0; p < 7; ++p) {
      std::vector<std::vector<uint8_t>> pass;
      if (x0[p] >= recipe.width) continue;
      for (uint32_t y = y0[p]; y < recipe.height; y += dy[p]) {
        pass.push_back(PickColumns(recipe.rows[y], recipe.width, bpp, x0[p], dx[p]));
      }
      emit(pass);
    }
  }
  uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
  std::vector<uint8_t> packed(packedSize);
  if (compress2(packed.data(), &packedSize, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK) {
    throw std::runtime_error("compress2 failed");
  }
  packed.resize(packedSize);
  packed.insert(packed.end(), recipe.trailingZlib.begin(), recipe.trailingZlib.end());

  std::vector<uint8_t> file = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  std::vector<uint8_t> ihdr;
  Put32(ihdr, recipe.width);
  Put32(ihdr, recipe.height);
  ihdr.insert(ihdr.end(), {recipe.depth, recipe.colorType, recipe.compression, recipe.filterMethod,
                           static_cast<uint8_t>(recipe.interlaced ? 1 : 0)});
  auto append = [&](const std::vector<uint8_t>& bytes) { file.insert(file.end(), bytes.begin(), bytes.end()); };
  append(Chunk("IHDR", ihdr));
  for (const auto& [type, data] : recipe.before) append(Chunk(type, data));
  const size_t split = recipe.idatSplit ? recipe.idatSplit : packed.size();
  for (size_t at = 0; at < packed.size(); at += split) {
    append(Chunk("IDAT", std::vector<uint8_t>(packed.begin() + static_cast<long>(at),
                                              packed.begin() + static_cast<long>(std::min(packed.size(), at + split)))));
  }
  for (const auto& [type, data] : recipe.after) append(Chunk(type, data));
  append(Chunk("IEND", {}));
  return file;
}

}  // namespace zelvan::png
