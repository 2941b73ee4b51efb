#include "core/store/skin_handover.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/core/store/skin_fixture.h"

namespace zelvan::store {
namespace {

std::vector<uint8_t> Record(uint32_t magic, const std::string& name, const std::string& directory,
                            const std::string& description) {
  return testing::HandOverRecord(magic, name, directory, description);
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
