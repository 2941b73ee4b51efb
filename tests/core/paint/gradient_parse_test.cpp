#include <gtest/gtest.h>

#include "core/paint/gradient.h"
#include "core/text/str_to_int.h"

namespace zelvan::paint {
namespace {

struct ParseCase {
  const char* name;
  const char* text;
  TsGradArray expected;
};

class ParseGradientCases : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseGradientCases, GivesThePieces) {
  TsGradArray gradient = {TsGradPie{9, 9, 9, 9, 9}};
  ParseGradient(GetParam().text, gradient);
  EXPECT_EQ(gradient, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ParseGradientCases,
    ::testing::Values(
        ParseCase{"empty", "", {}},
        ParseCase{"fewer_than_five_words", "1;2;3;4", {}},
        ParseCase{"two_pieces", "16777215;12632256;40;0;0;12632256;8421504;60;0;0",
                  {{16777215, 12632256, 40, 0, 0}, {12632256, 8421504, 60, 0, 0}}},
        ParseCase{"doubled_separators_count_once", ";1;2;3;4;5;;6;7;8;9;;10;",
                  {{1, 2, 3, 4, 0}, {6, 7, 8, 9, 0}}},
        ParseCase{"clamped_and_fifth_word_unread", "-5;300;150;-7;x", {{0, 300, 100, -7, 0}}},
        ParseCase{"negative_percent", "1;2;-1;2;0", {{1, 2, 0, 2, 0}}},
        ParseCase{"incomplete_group_unread", "1;2;3;4;5;x;y", {{1, 2, 3, 4, 0}}}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(ParseGradient, ANonIntegerWordThrowsAndLeavesTheArray) {
  TsGradArray gradient = {TsGradPie{1, 2, 3, 4, 0}};
  EXPECT_THROW(ParseGradient("1;2;3;4;5;6;7;4O;0;0", gradient), text::EConvertError);
  ASSERT_EQ(gradient.size(), 1u);
  EXPECT_EQ(gradient[0].Color1, 1u);
}

TEST(ParseGradient, ReadsUtf16Text) {
  TsGradArray gradient;
  ParseGradient(u"255;65280;50;1;0", gradient);
  EXPECT_EQ(gradient, (TsGradArray{{255, 65280, 50, 1, 0}}));
  EXPECT_THROW(ParseGradient(u"1;2;\u4E00;4;5", gradient), text::EConvertError);
}

}  // namespace
}  // namespace zelvan::paint
