#include "core/store/skin_convertor.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include "tests/core/store/skin_fixture.h"
#include "tools/skinpack/skin_pack.h"

namespace zelvan::store {
namespace {

using skinpack::PackSkinFiles;
using testing::Bytes;

TacSkinConvertor Parse(std::vector<uint8_t> archive) {
  TacSkinConvertor reader;
  reader.PackedData = std::make_unique<io::TMemoryStream>(std::move(archive));
  reader.ParseFile();
  return reader;
}

std::string ParseError(std::vector<uint8_t> archive) {
  try {
    Parse(std::move(archive));
  } catch (const EPackedSkinError& e) {
    return e.what();
  }
  return "(parsed)";
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

TEST(SkinConvertor, SplitsDescriptionAndImages) {
  const auto reader = Parse(PackSkinFiles({{"Edit.BMP", Bytes("bmp")}, {"options.DAT", Bytes("[A]\n")},
                                           {"glyph.png", Bytes("png!")}}));
  EXPECT_EQ(reader.ImageCount, 2);
  ASSERT_TRUE(reader.Options);
  EXPECT_EQ(reader.Options->Bytes(), Bytes("[A]\n"));
  ASSERT_EQ(reader.Files.size(), 2u);
  EXPECT_EQ(reader.Files[0].FileName, "Edit.BMP");
  EXPECT_TRUE(reader.Files[0].IsBitmap);
  EXPECT_FALSE(reader.Files[1].IsBitmap);
  EXPECT_EQ(reader.Files[1].FileStream->Bytes(), Bytes("png!"));
  EXPECT_EQ(reader.FindFile("EDIT.BMP"), &reader.Files[0]);
  EXPECT_EQ(reader.FindFile("Edit.BMP"), nullptr);  // names from the description compare upper-cased
}

TEST(SkinConvertor, OnlyTheDescription) {
  const auto reader = Parse(PackSkinFiles({{"Options.dat", Bytes("[GLOBALINFO]\n")}}));
  EXPECT_EQ(reader.ImageCount, 0);
  EXPECT_TRUE(reader.Files.empty());
  EXPECT_TRUE(reader.Options);
}

TEST(SkinConvertor, RefusesAWrongMagic) {
  auto archive = PackSkinFiles({{"Options.dat", Bytes("x")}});
  archive[2] = 'Z';
  archive[3] = 'F';
  EXPECT_EQ(ParseError(archive), kNotPackedSkin);
  EXPECT_EQ(ParseError({}), kNotPackedSkin);
}

// Damaged and hostile archives: a clear error, no allocation of what they claim.
TEST(SkinConvertor, RefusesDamagedArchives) {
  const auto good = PackSkinFiles({{"Options.dat", Bytes(std::string(300, 'a'))}, {"a.bmp", Bytes("abc")}});
  auto header = [](int32_t n, int32_t l, const std::string& name, int32_t s) {
    std::vector<uint8_t> out = {'A', 'S', 'z', 'f'};
    Put32(out, static_cast<uint32_t>(n));
    Put32(out, static_cast<uint32_t>(l));
    out.insert(out.end(), name.begin(), name.end());
    Put32(out, static_cast<uint32_t>(s));
    return out;
  };
  auto with_stream = [](std::vector<uint8_t> head, const std::string& content) {
    uLongf size = compressBound(content.size());
    std::vector<uint8_t> z(size);
    compress(z.data(), &size, reinterpret_cast<const Bytef*>(content.data()), content.size());
    head.insert(head.end(), z.begin(), z.begin() + static_cast<std::ptrdiff_t>(size));
    return head;
  };
  auto flipped = good;
  flipped[good.size() - 8] ^= 0x55;
  const std::vector<std::pair<const char*, std::vector<uint8_t>>> cases = {
      {"truncated", std::vector<uint8_t>(good.begin(), good.end() - 3)},
      {"cut after the count", std::vector<uint8_t>(good.begin(), good.begin() + 8)},
      {"damaged stream", flipped},
      {"count far above the data", header(0x7FFFFFFF, 1, "a", 1)},
      {"negative count", header(-1, 1, "a", 1)},
      {"name longer than the archive", header(1, 0x7FFFFFF0, "", 0)},
      {"negative name length", header(1, -5, "", 0)},
      {"size far above the data", with_stream(header(1, 1, "a", 0x7FFFFFFF), "abc")},
      {"negative size", with_stream(header(1, 1, "a", -1), "abc")},
      {"inflates to more than S", with_stream(header(1, 1, "a", 2), "abc")},
      {"inflates to fewer than S", with_stream(header(1, 1, "a", 4), "abc")},
  };
  for (const auto& [name, bytes] : cases) {
    EXPECT_TRUE(ParseError(bytes).starts_with("Packed skin file is damaged")) << name << ": " << ParseError(bytes);
  }
}

TEST(SkinConvertor, ToolRoundTripsAFolder) {
  testing::TempFolder folder;
  folder.Write("skin/Options.dat", "[GLOBALINFO]\n");
  folder.Write("skin/b.bmp", Bytes("bb"));
  folder.Write("skin/a.png", Bytes("aa"));
  const auto files = skinpack::ReadSkinFolder(folder.Path() + u"\\skin");
  ASSERT_EQ(files.size(), 3u);
  EXPECT_EQ(files[0].Name, "Options.dat");  // the description first, then by name
  EXPECT_EQ(files[1].Name, "a.png");
  const auto unpacked = skinpack::UnpackSkinFiles(PackSkinFiles(files));
  ASSERT_EQ(unpacked.size(), 3u);
  for (size_t i = 0; i < files.size(); ++i) {
    EXPECT_EQ(unpacked[i].Name, files[i].Name);
    EXPECT_EQ(unpacked[i].Content, files[i].Content);
  }
  EXPECT_THROW(skinpack::WriteSkinFolder({{"..\\evil", Bytes("x")}}, folder.Path() + u"\\out"), std::runtime_error);
}

}  // namespace
}  // namespace zelvan::store
