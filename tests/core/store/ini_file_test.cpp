#include "core/store/ini_file.h"

#include <gtest/gtest.h>

namespace zelvan::store {
namespace {

const char* const kText =
    "; a comment\r\n"
    "ignored=before any section\n"
    "[Button]\n"
    " COLOR = $00FF00 \n"
    "color=1\n"
    "HEX=0x10\n"
    "BAD=12a\n"
    "FLAG=true\n"
    "OFF=yes\n"
    "[button]\n"
    "COLOR=7\n"
    "[Button]\n"
    "LATE=9\n"
    "COLOR=3\n";

TEST(IniFile, NamesAreCaseSensitiveAndKeepFileOrder) {
  const TIniFile ini(kText);
  ASSERT_EQ(ini.Sections().size(), 2u);
  EXPECT_EQ(ini.Sections()[0].Name, "Button");
  EXPECT_EQ(ini.Sections()[1].Name, "button");
  EXPECT_EQ(ini.ReadInteger("Button", "COLOR", -1), 0x00FF00);  // the first of a repeated key
  EXPECT_EQ(ini.ReadInteger("Button", "color", -1), 1);
  EXPECT_EQ(ini.ReadInteger("button", "COLOR", -1), 7);
  EXPECT_EQ(ini.ReadInteger("Button", "LATE", -1), 9);  // a repeated section adds to the first
  EXPECT_FALSE(ini.Find("Button", "ignored"));
}

TEST(IniFile, ValueKinds) {
  const TIniFile ini(kText);
  EXPECT_EQ(ini.ReadInteger("Button", "HEX", -1), 16);
  EXPECT_EQ(ini.ReadInteger("Button", "BAD", -1), -1);
  EXPECT_EQ(ini.ReadInteger("Button", "MISSING", 5), 5);
  EXPECT_TRUE(ini.ReadBool("Button", "FLAG", false));
  EXPECT_FALSE(ini.ReadBool("Button", "OFF", true));
  EXPECT_TRUE(ini.ReadBool("Button", "MISSING", true));
  EXPECT_EQ(ini.ReadString("Button", "COLOR", ""), "$00FF00");
}

}  // namespace
}  // namespace zelvan::store
