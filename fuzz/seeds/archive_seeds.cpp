// Packed archive seeds: a skin of a description and images, an empty archive,
// and entries whose names, sizes or zlib streams do not hold together.
#include "fuzz/seeds/seeds.h"
#include "tests/core/store/skin_fixture.h"
#include "tools/skinpack/skin_pack.h"

namespace zelvan::fuzz {

namespace {

using skinpack::TArchiveFile;

void Put32(std::vector<uint8_t>& out, int32_t v) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<uint8_t>(static_cast<uint32_t>(v) >> shift));
}

// An archive of one entry written by hand: name, stored size, stream.
std::vector<uint8_t> OneEntry(const std::string& name, int32_t storedSize, const std::vector<uint8_t>& stream) {
  std::vector<uint8_t> out = {'A', 'S', 'z', 'f'};
  Put32(out, 1);
  Put32(out, static_cast<int32_t>(name.size()));
  out.insert(out.end(), name.begin(), name.end());
  Put32(out, storedSize);
  out.insert(out.end(), stream.begin(), stream.end());
  return out;
}

}  // namespace

TSeeds ArchiveSeeds() {
  using store::testing::Bytes;
  TSeeds seeds;
  seeds.push_back({"skin.asz", skinpack::PackSkinFiles({{"Options.dat", Bytes("[GLOBALINFO]\nVERSION=8\n")},
                                                         {"A.BMP", store::testing::SolidBmp(3, 2, 0x102030)},
                                                         {"B.PNG", Bytes("not really a png")}})});
  seeds.push_back({"empty.asz", skinpack::PackSkinFiles({})});
  const auto packed = skinpack::PackSkinFiles({{"A.TXT", Bytes("hello, hello")}});
  // The zlib stream of the single entry starts after magic, count, name and size.
  const std::vector<uint8_t> stream(packed.begin() + 4 + 4 + 4 + 5 + 4, packed.end());
  seeds.push_back({"stored-size-larger.asz", OneEntry("A.TXT", 13, stream)});
  seeds.push_back({"stored-size-smaller.asz", OneEntry("A.TXT", 11, stream)});
  seeds.push_back({"stored-size-negative.asz", OneEntry("A.TXT", -1, stream)});
  seeds.push_back({"stream-cut.asz", OneEntry("A.TXT", 12, std::vector<uint8_t>(stream.begin(), stream.end() - 3))});
  seeds.push_back({"stream-bad.asz", OneEntry("A.TXT", 12, {0x78, 0x9C, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF})});
  seeds.push_back({"name-too-long.asz", OneEntry(std::string(3, 'N'), 12, {})});
  seeds.push_back({"not-an-archive.asz", Bytes("ASzX")});
  return seeds;
}

}  // namespace zelvan::fuzz
