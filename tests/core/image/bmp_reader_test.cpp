#include "core/image/bmp_reader.h"

#include <gtest/gtest.h>

#include "core/image/graphic_error.h"
#include "core/image/pixel_format_conversion.h"
#include "tests/core/store/skin_fixture.h"

namespace zelvan::image {
namespace {

using store::testing::BmpRecipe;
using store::testing::WriteBmp;

std::vector<uint32_t> Read32(const std::vector<uint8_t>& bytes) {
  io::TMemoryStream stream(bytes);
  auto bitmap = ReadBmp(stream);
  const auto direct = ConvertToDirectColor(*bitmap, TPixelFormat::pf32bit);
  std::vector<uint32_t> out;
  for (int y = 0; y < direct->Height(); ++y)
    for (int x = 0; x < direct->Width(); ++x) out.push_back(direct->Row32(y)[x] & 0xFFFFFF);
  return out;
}

struct DepthCase {
  const char* name;
  BmpRecipe recipe;
  std::vector<uint32_t> expected;  // 0x00RRGGBB, top row first
};

class BmpDepths : public ::testing::TestWithParam<DepthCase> {};

TEST_P(BmpDepths, ReadsEveryPixelTopRowFirst) { EXPECT_EQ(Read32(WriteBmp(GetParam().recipe)), GetParam().expected); }

const uint32_t kRed = 0xFF0000, kGreen = 0x00FF00, kBlue = 0x0000FF, kWhite = 0xFFFFFF;

INSTANTIATE_TEST_SUITE_P(
    Table, BmpDepths,
    ::testing::Values(
        DepthCase{"bits1", {9, 2, 1, {0, kWhite}, {1, 0, 1, 0, 1, 0, 1, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 1}},
                  {kWhite, 0, kWhite, 0, kWhite, 0, kWhite, 0, kWhite, 0, 0, 0, 0, 0, 0, 0, 0, kWhite}},
        DepthCase{"bits4", {3, 2, 4, {0, kRed, kGreen, kBlue}, {1, 2, 3, 3, 2, 1}},
                  {kRed, kGreen, kBlue, kBlue, kGreen, kRed}},
        DepthCase{"bits8", {2, 2, 8, {kWhite, kRed, kGreen}, {2, 1, 0, 2}}, {kGreen, kRed, kWhite, kGreen}},
        DepthCase{"bits16", {2, 1, 16, {}, {0x7C00, 0x001F}}, {kRed, kBlue}},
        DepthCase{"bits24", {3, 1, 24, {}, {kRed, kGreen, kBlue}}, {kRed, kGreen, kBlue}},
        DepthCase{"bits32", {1, 2, 32, {}, {0x80123456, 0xFF654321}}, {0x123456, 0x654321}},
        DepthCase{"topDown", {1, 2, 24, {}, {kRed, kBlue}, true}, {kRed, kBlue}}),
    [](const auto& param_info) { return std::string(param_info.param.name); });

// The header forms: the OS/2 core header with 3-byte palette entries, bit
// fields after a 40-byte header and inside the longer ones, a short palette.
TEST(BmpReader, ReadsEveryHeaderForm) {
  auto with = [](BmpRecipe recipe, uint32_t headerSize, std::vector<uint32_t> masks = {}) {
    recipe.headerSize = headerSize;
    recipe.masks = std::move(masks);
    return recipe;
  };
  const BmpRecipe pal4{3, 1, 4, {0, kRed, kGreen, kBlue}, {1, 2, 3}};
  const BmpRecipe rgb24{2, 1, 24, {}, {kRed, kBlue}};
  const BmpRecipe argb{2, 1, 32, {}, {0x11223344, 0x55667788}};
  BmpRecipe shortPalette{3, 1, 8, {kRed, kGreen}, {1, 0, 1}};
  shortPalette.colorsUsed = 2;
  const struct {
    const char* name;
    BmpRecipe recipe;
    std::vector<uint32_t> expected;
  } cases[] = {
      {"core 4 bits", with(pal4, 12), {kRed, kGreen, kBlue}},
      {"core 24 bits", with(rgb24, 12), {kRed, kBlue}},
      {"40 + 5-6-5 fields", with({2, 1, 16, {}, {0xF800, 0x07E0}}, 40, {0xF800, 0x07E0, 0x001F}), {kRed, kGreen}},
      {"52, fields swap red and blue", with(argb, 52, {0xFF, 0xFF00, 0xFF0000}), {0x443322, 0x887766}},
      {"56", with(argb, 56, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}), {0x223344, 0x667788}},
      {"108", with(argb, 108, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}), {0x223344, 0x667788}},
      {"124", with(argb, 124, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}), {0x223344, 0x667788}},
      {"2 colours used", shortPalette, {kGreen, kRed, kGreen}},
  };
  for (const auto& c : cases) EXPECT_EQ(Read32(WriteBmp(c.recipe)), c.expected) << c.name;
}

// An alpha mask inside the header gives the alpha channel; without one it is 0.
TEST(BmpReader, TakesAlphaFromItsMask) {
  BmpRecipe recipe{1, 1, 32, {}, {0x80123456}};
  recipe.headerSize = 56;
  for (const auto& [masks, alpha] : {std::pair{std::vector<uint32_t>{0xFF0000, 0xFF00, 0xFF, 0xFF000000}, 0x80u},
                                     std::pair{std::vector<uint32_t>{0xFF0000, 0xFF00, 0xFF, 0}, 0u}}) {
    recipe.masks = masks;
    io::TMemoryStream stream(WriteBmp(recipe));
    EXPECT_EQ(ReadBmp(stream)->Row32(0)[0], (alpha << 24) | 0x123456u);
  }
}

TEST(BmpReader, ReadsDirectlyInto32BitsWhenAsked) {
  for (const BmpRecipe& recipe : {BmpRecipe{2, 1, 24, {}, {kRed, kBlue}}, BmpRecipe{2, 1, 16, {}, {0x7C00, 0x001F}}}) {
    io::TMemoryStream stream(WriteBmp(recipe));
    int bits = 0;
    const auto bitmap = ReadBmp(stream, true, &bits);
    EXPECT_EQ(bits, recipe.bits);
    ASSERT_EQ(bitmap->PixelFormat(), TPixelFormat::pf32bit);
    EXPECT_EQ(bitmap->Row32(0)[0], kRed) << "alpha 0, as a conversion gives";
    EXPECT_EQ(bitmap->Row32(0)[1], kBlue);
  }
}

TEST(BmpReader, KeepsTheAlphaOf32BitFiles) {
  io::TMemoryStream stream(WriteBmp({1, 1, 32, {}, {0x80123456}}));
  EXPECT_EQ(ReadBmp(stream)->Row32(0)[0], 0x80123456u);
}

// Found by the fuzzer: a width of 0 with a large height has no rows to read.
TEST(BmpReader, ZeroWidthGivesAnEmptyBitmap) {
  const auto bytes = WriteBmp({0, 3, 24, {}, {}});
  io::TMemoryStream stream(bytes);
  const auto bitmap = ReadBmp(stream);
  EXPECT_EQ(bitmap->Width(), 0);
  EXPECT_EQ(bitmap->Height(), 3);
}

// Hostile headers: each must be refused with the fixed message, never crash
// or allocate the size it claims.
TEST(BmpReader, RefusesDamagedHeaders) {
  const std::vector<uint8_t> good = WriteBmp({4, 4, 24, {}, std::vector<uint32_t>(16, kRed)});
  auto with = [&good](size_t offset, std::vector<uint8_t> bytes) {
    auto copy = good;
    std::copy(bytes.begin(), bytes.end(), copy.begin() + static_cast<std::ptrdiff_t>(offset));
    return copy;
  };
  const std::vector<std::pair<const char*, std::vector<uint8_t>>> cases = {
      {"no magic", with(0, {'X', 'M'})},
      {"huge width", with(18, {0xFF, 0xFF, 0x00, 0x00})},
      {"huge height", with(22, {0x00, 0x00, 0x01, 0x00})},
      {"negative width", with(18, {0xFF, 0xFF, 0xFF, 0xFF})},
      {"unknown header size", with(14, {99, 0, 0, 0})},
      {"bits 7", with(28, {7, 0})},
      {"rle", with(30, {1, 0, 0, 0})},
      {"pixel offset past the end", with(10, {0xFF, 0xFF, 0xFF, 0x7F})},
      {"truncated rows", std::vector<uint8_t>(good.begin(), good.end() - 5)},
      {"header only", std::vector<uint8_t>(good.begin(), good.begin() + 20)},
  };
  for (const auto& [name, bytes] : cases) {
    io::TMemoryStream stream(bytes);
    try {
      ReadBmp(stream);
      ADD_FAILURE() << name << " was read";
    } catch (const EInvalidGraphic& e) {
      EXPECT_STREQ(e.what(), kInvalidBitmap) << name;
    }
  }
}

}  // namespace
}  // namespace zelvan::image
