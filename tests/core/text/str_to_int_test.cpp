#include "core/text/str_to_int.h"

#include <gtest/gtest.h>

namespace zelvan::text {
namespace {

TEST(StrToInt, AcceptsThePlatformsIntegerForms) {
  const struct {
    const char* text;
    int32_t value;
  } cases[] = {
      {"0", 0},           {"16777215", 16777215},   {"-5", -5},          {"+7", 7},
      {"  42", 42},       {"2147483647", INT32_MAX}, {"-2147483648", INT32_MIN},
      {"$FF", 255},       {"0x1f", 31},             {"$FFFFFFFF", -1},   {"-$10", -16},
  };
  for (const auto& c : cases) EXPECT_EQ(StrToInt(c.text), c.value) << c.text;
}

TEST(StrToInt, RejectsWhatIsNotAnInteger) {
  for (const char* text : {"", " ", "-", "12a", "1.5", "42 ", "2147483648", "-2147483649", "$", "0x", "$100000000",
                           "\xE4\xB8\x80"}) {
    EXPECT_THROW(StrToInt(text), EConvertError) << text;
  }
  try {
    StrToInt("abc");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), "'abc' is not a valid integer value");
  }
}

}  // namespace
}  // namespace zelvan::text
