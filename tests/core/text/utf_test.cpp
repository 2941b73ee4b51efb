#include "core/text/utf.h"

#include <gtest/gtest.h>

namespace zelvan::text {
namespace {

struct RoundTripCase {
  const char* name;
  std::u16string utf16;
  std::string utf8;
};

class UtfRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(UtfRoundTrip, ConvertsBothWays) {
  const auto& c = GetParam();
  EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8);
  EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, UtfRoundTrip,
    ::testing::Values(
        RoundTripCase{"empty", u"", ""},
        RoundTripCase{"ascii", u"file_001.txt", "file_001.txt"},
        RoundTripCase{"chinese", u"批量改名", "\xE6\x89\xB9\xE9\x87\x8F\xE6\x94\xB9\xE5\x90\x8D"},
        RoundTripCase{"two_byte_edges", u"\u0080\u07FF", "\xC2\x80\xDF\xBF"},
        RoundTripCase{"bmp_top", u"\uFFFD\uFFFF", "\xEF\xBF\xBD\xEF\xBF\xBF"},
        RoundTripCase{"surrogate_pair", u"\U0001F600", "\xF0\x9F\x98\x80"},
        RoundTripCase{"max_code_point", u"\U0010FFFF", "\xF4\x8F\xBF\xBF"},
        RoundTripCase{"embedded_nul", std::u16string(u"a\0b", 3), std::string("a\0b", 3)}),
    [](const auto& test) { return std::string(test.param.name); });

struct MalformedUtf8Case {
  const char* name;
  std::string utf8;
  std::u16string expected;
};

class MalformedUtf8 : public ::testing::TestWithParam<MalformedUtf8Case> {};

TEST_P(MalformedUtf8, BecomesReplacementCharacters) {
  EXPECT_EQ(Utf8ToUtf16(GetParam().utf8), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, MalformedUtf8,
    ::testing::Values(
        MalformedUtf8Case{"lone_continuation", "a\x80z", u"a\uFFFDz"},
        MalformedUtf8Case{"overlong_slash", "\xC0\xAF", u"\uFFFD\uFFFD"},
        MalformedUtf8Case{"overlong_three_byte", "\xE0\x80\xAF", u"\uFFFD\uFFFD\uFFFD"},
        MalformedUtf8Case{"encoded_surrogate", "\xED\xA0\x80", u"\uFFFD\uFFFD\uFFFD"},
        MalformedUtf8Case{"beyond_max", "\xF4\x90\x80\x80", u"\uFFFD\uFFFD\uFFFD\uFFFD"},
        MalformedUtf8Case{"truncated_at_end", "ab\xE6\x89", u"ab\uFFFD"},
        MalformedUtf8Case{"truncated_then_ascii", "\xE6\x89z", u"\uFFFDz"},
        MalformedUtf8Case{"invalid_lead", "\xFF\xFE", u"\uFFFD\uFFFD"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(Utf16ToUtf8, UnpairedSurrogatesBecomeReplacementCharacters) {
  const std::u16string lone_high = std::u16string(u"x") + char16_t(0xD800) + u"y";
  const std::u16string lone_low = std::u16string(1, char16_t(0xDC00));
  const std::u16string high_at_end = std::u16string(u"a") + char16_t(0xDBFF);
  EXPECT_EQ(Utf16ToUtf8(lone_high), "x\xEF\xBF\xBDy");
  EXPECT_EQ(Utf16ToUtf8(lone_low), "\xEF\xBF\xBD");
  EXPECT_EQ(Utf16ToUtf8(high_at_end), "a\xEF\xBF\xBD");
}

}  // namespace
}  // namespace zelvan::text
