#include "core/store/skin_handover.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

namespace zelvan::store {
namespace {

// A record as the tool lays it out: magic, then the three fields.
std::vector<uint8_t> Record(uint32_t magic, const std::string& name, const std::string& directory,
                            const std::string& description) {
  std::vector<uint8_t> block(kHandOverRecordSize, 0);
  for (int i = 0; i < 4; ++i) block[static_cast<size_t>(i)] = static_cast<uint8_t>(magic >> (8 * i));
  std::memcpy(block.data() + 4, name.data(), std::min(name.size(), kHandOverNameSize));
  std::memcpy(block.data() + 4 + kHandOverNameSize, directory.data(), std::min(directory.size(), kHandOverDirectorySize));
  std::memcpy(block.data() + 4 + kHandOverNameSize + kHandOverDirectorySize, description.data(),
              std::min(description.size(), kHandOverDescriptionSize));
  return block;
}

TEST(SkinHandOver, TheRecordIsReadFieldByField) {
  EXPECT_EQ(kHandOverRecordSize, 30646u);
  const auto block = Record(0xA400, "Air", "C:\\Skins", "[GLOBALINFO]\r\nVERSION=8\r\n");
  const auto record = ReadHandOverRecord(block.data(), block.size());
  ASSERT_TRUE(record);
  EXPECT_EQ(record->Name, "Air");
  EXPECT_EQ(record->Directory, "C:\\Skins");
  EXPECT_EQ(record->Description, "[GLOBALINFO]\r\nVERSION=8\r\n");
}

TEST(SkinHandOver, FieldsWithoutAZeroRunOverTheirWholeSizeAndNoFurther) {
  const std::string longName(kHandOverNameSize, 'n'), longFolder(kHandOverDirectorySize, 'd'),
      longText(kHandOverDescriptionSize, 't');
  const auto block = Record(0xA400, longName, longFolder, longText);
  const auto record = ReadHandOverRecord(block.data(), block.size());
  ASSERT_TRUE(record);
  EXPECT_EQ(record->Name, longName) << "128 characters, not running into the folder";
  EXPECT_EQ(record->Directory, longFolder);
  EXPECT_EQ(record->Description, longText);
  const auto empty = ReadHandOverRecord(Record(0xA400, "", "", "").data(), kHandOverRecordSize);
  ASSERT_TRUE(empty);
  EXPECT_TRUE(empty->Name.empty() && empty->Directory.empty() && empty->Description.empty());
}

TEST(SkinHandOver, AnythingElseIsNoRecord) {
  const auto good = Record(0xA400, "Air", "C:\\Skins", "x");
  struct Case {
    const char* what;
    std::vector<uint8_t> block;
    size_t size;
  } cases[] = {
      {"another magic", Record(0xA401, "Air", "C:\\Skins", "x"), kHandOverRecordSize},
      {"the magic in the other byte order", Record(0x00A40000, "Air", "C:\\Skins", "x"), kHandOverRecordSize},
      {"one byte short", good, kHandOverRecordSize - 1},
      {"only the magic", good, 4},
      {"empty", good, 0},
  };
  for (const Case& c : cases) {
    EXPECT_FALSE(ReadHandOverRecord(c.block.data(), c.size)) << c.what;
  }
  std::vector<uint8_t> longer = good;
  longer.push_back(0);
  EXPECT_FALSE(ReadHandOverRecord(longer.data(), longer.size())) << "one byte long";
  EXPECT_FALSE(ReadHandOverRecord(nullptr, kHandOverRecordSize)) << "no data";
}

}  // namespace
}  // namespace zelvan::store
