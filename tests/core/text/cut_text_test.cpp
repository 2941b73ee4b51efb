#include "core/text/cut_text.h"

#include <gtest/gtest.h>

namespace zelvan::text {
namespace {

// 10 pixels a code point; a lone surrogate draws nothing, so a cut that
// splits a pair would seem to fit better.
int Measure(std::u16string_view text) {
  int width = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const bool high = text[i] >= 0xD800 && text[i] <= 0xDBFF;
    const bool low = text[i] >= 0xDC00 && text[i] <= 0xDFFF;
    if (high && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      width += 10;
      ++i;
    } else if (!high && !low) {
      width += 10;
    }
  }
  return width;
}

struct CutCase {
  const char* name;
  std::u16string text;
  int width;
  std::u16string expected;
};

class CutTextCases : public ::testing::TestWithParam<CutCase> {};

TEST_P(CutTextCases, Cut) { EXPECT_TRUE(CutText(GetParam().text, GetParam().width, Measure) == GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Texts, CutTextCases,
    ::testing::Values(CutCase{"fits", u"abc", 30, u"abc"},                     //
                      CutCase{"no_width", u"abc", 0, u""},                     //
                      CutCase{"cut_with_ellipsis", u"abcdef", 50, u"ab..."},   //
                      CutCase{"cut_to_nothing", u"abcdef", 35, u""},           //
                      CutCase{"pair_fits", u"a\U0001F600\U0001F600b", 40, u"a\U0001F600\U0001F600b"},
                      CutCase{"pair_cut_whole", u"a\U0001F600\U0001F600bcd", 55, u"a\U0001F600..."}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

}  // namespace
}  // namespace zelvan::text
