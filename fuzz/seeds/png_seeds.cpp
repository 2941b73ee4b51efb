// PNG seeds: every colour type at every depth it allows, plain and Adam7
// interlaced, the five filters in turn, each with the chunks it reads
// (PLTE, tRNS, bKGD, gAMA); then files each refusal path must stop.
#include <string>

#include "fuzz/seeds/seeds.h"
#include "tools/common/png_writer.h"

namespace zelvan::fuzz {

namespace {

using png::BigEndian16;
using png::Chunk;
using png::PngRecipe;

constexpr uint8_t kDepths[][6] = {
    // colour type, then its depths (0 ends the list)
    {0, 1, 2, 4, 8, 16}, {2, 8, 16, 0}, {3, 1, 2, 4, 8, 0}, {4, 8, 16, 0}, {6, 8, 16, 0},
};

std::vector<uint8_t> Be32(uint32_t v) {
  return {static_cast<uint8_t>(v >> 24), static_cast<uint8_t>(v >> 16), static_cast<uint8_t>(v >> 8),
          static_cast<uint8_t>(v)};
}

// A 7 x 5 picture of noise (every Adam7 pass has pixels), palette indexes
// below the palette size.
PngRecipe Picture(uint8_t colorType, uint8_t depth, bool interlaced) {
  PngRecipe r;
  r.width = 7;
  r.height = 5;
  r.colorType = colorType;
  r.depth = depth;
  r.interlaced = interlaced;
  r.filters = {0, 1, 2, 3, 4};
  const size_t rowBytes = (r.width * static_cast<size_t>(png::BitsPerPixel(colorType, depth)) + 7) / 8;
  for (uint32_t y = 0; y < r.height; ++y) {
    auto row = NoiseBytes(rowBytes, colorType * 100u + depth * 10u + y);
    // Palette of 2^depth entries but at most 6: keep every index within it.
    if (colorType == 3 && depth == 8)
      for (uint8_t& b : row) b %= 6;
    r.rows.push_back(row);
  }
  const bool wide = depth == 16;
  switch (colorType) {
    case 0:
      r.before.push_back({"tRNS", BigEndian16({wide ? 0x1234u : 1u})});
      r.before.push_back({"bKGD", BigEndian16({wide ? 0xFFFFu : 0u})});
      break;
    case 2:
      r.before.push_back({"tRNS", BigEndian16({1, 2, 3})});
      r.before.push_back({"bKGD", BigEndian16({wide ? 0x8000u : 0x80u, 0x40, 0x20})});
      break;
    case 3: {
      const size_t entries = depth == 8 ? 6 : size_t{1} << depth;
      r.before.push_back({"PLTE", NoiseBytes(entries * 3, depth)});
      r.before.push_back({"tRNS", {0, 128}});
      r.before.push_back({"bKGD", {1}});
      break;
    }
    case 4:
    case 6:
      r.before.push_back({"bKGD", colorType == 4 ? BigEndian16({7}) : BigEndian16({1, 2, 3})});
      break;
    default:
      break;
  }
  // Gamma on the interlaced half, so both halves of each conversion are seeded.
  if (interlaced) r.before.insert(r.before.begin(), {"gAMA", Be32(45455)});
  return r;
}

std::vector<uint8_t> Without(std::vector<uint8_t> bytes, size_t tail) {
  bytes.resize(bytes.size() - tail);
  return bytes;
}

std::vector<uint8_t> Concat(std::initializer_list<std::vector<uint8_t>> parts) {
  std::vector<uint8_t> out = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  for (const auto& p : parts) out.insert(out.end(), p.begin(), p.end());
  return out;
}

std::vector<uint8_t> Header(uint32_t width, uint32_t height, uint8_t depth, uint8_t colorType) {
  auto data = Be32(width);
  const auto h = Be32(height);
  data.insert(data.end(), h.begin(), h.end());
  data.insert(data.end(), {depth, colorType, 0, 0, 0});
  return Chunk("IHDR", data);
}

}  // namespace

TSeeds PngSeeds() {
  TSeeds seeds;
  for (const auto& type : kDepths) {
    for (int i = 1; i < 6 && type[i] != 0; ++i) {
      for (const bool interlaced : {false, true}) {
        seeds.push_back({"type" + std::to_string(type[0]) + "-depth" + std::to_string(type[i]) +
                             (interlaced ? "-adam7.png" : ".png"),
                         png::WritePng(Picture(type[0], type[i], interlaced))});
      }
    }
  }

  const PngRecipe rgb = Picture(2, 8, false);
  auto variant = [&](const std::string& name, auto change) {
    PngRecipe r = rgb;
    change(r);
    seeds.push_back({name, png::WritePng(r)});
  };
  variant("split-idat.png", [](PngRecipe& r) { r.idatSplit = 5; });
  variant("ancillary-chunks.png", [](PngRecipe& r) {
    r.before.push_back({"tEXt", {'a', 0, 'b'}});
    r.after.push_back({"zTXt", {1, 2}});
  });
  variant("unknown-critical-chunk.png", [](PngRecipe& r) { r.before.push_back({"ABCD", {1}}); });
  variant("zero-gamma.png", [](PngRecipe& r) { r.before.push_back({"gAMA", Be32(0)}); });
  variant("palette-on-rgb.png", [](PngRecipe& r) { r.before.push_back({"PLTE", NoiseBytes(6, 1)}); });
  variant("palette-bad-length.png", [](PngRecipe& r) { r.before.push_back({"PLTE", NoiseBytes(4, 1)}); });
  variant("data-after-zlib-end.png", [](PngRecipe& r) { r.trailingZlib = {1, 2, 3}; });
  variant("rows-missing.png", [](PngRecipe& r) { r.rows.resize(2); });
  variant("unknown-filter.png", [](PngRecipe& r) { r.filters = {0, 7}; });
  variant("compression-1.png", [](PngRecipe& r) { r.compression = 1; });
  variant("rgb-depth-4.png", [](PngRecipe& r) { r.depth = 4; });
  variant("colour-type-5.png", [](PngRecipe& r) { r.colorType = 5; });

  PngRecipe indexed = Picture(3, 8, false);
  indexed.rows[1][3] = 200;  // past the six palette entries
  seeds.push_back({"palette-index-too-large.png", png::WritePng(indexed)});
  indexed.before = {{"PLTE", {}}};
  seeds.push_back({"palette-empty.png", png::WritePng(indexed)});

  auto good = png::WritePng(rgb);
  auto badCrc = good;
  badCrc[good.size() - 13] ^= 1;  // last byte of the IDAT CRC
  seeds.push_back({"crc-error.png", badCrc});
  seeds.push_back({"truncated.png", Without(good, 20)});

  const auto end = Chunk("IEND", {});
  seeds.push_back({"no-image-data.png", Concat({Header(3, 3, 8, 0), end})});
  seeds.push_back({"zero-width.png", Concat({Header(0, 3, 8, 0), end})});
  seeds.push_back({"too-wide.png", Concat({Header(20000, 3, 8, 0), end})});
  seeds.push_back({"bitmap-too-large.png", Concat({Header(16384, 16384, 16, 6), Chunk("IDAT", {0x78, 0x9C}), end})});
  seeds.push_back({"bad-zlib.png", Concat({Header(3, 3, 8, 0), Chunk("IDAT", {0x78, 0x9C, 0xFF, 0xFF, 0xFF}), end})});
  seeds.push_back({"short-header.png", Concat({Chunk("IHDR", {0, 0, 0, 1, 0, 0, 0, 1, 8, 0, 0, 0}), end})});
  return seeds;
}

}  // namespace zelvan::fuzz
