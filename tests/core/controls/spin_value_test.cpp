#include "core/controls/spin_value.h"

#include <gtest/gtest.h>

#include <limits>

namespace zelvan::controls {
namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

TEST(SpinValue, ReadsTheTextAsZeroMinValueOrTheNumber) {
  const struct {
    const char16_t* text;
    int32_t minValue, value;
  } cases[] = {
      {u"", 7, 0},         {u"12", 7, 12},       {u"-12", 7, -12},     {u"+3", 0, 3},
      {u"-", 5, 5},        {u"1-", 5, 5},        {u"1 2", -4, -4},     {u"2147483647", 0, kMax},
      {u"-2147483648", 0, kMin}, {u"2147483648", 9, 9}, {u"99999999999999999999", 1, 1}, {u"１", 3, 3},
  };
  for (const auto& c : cases) EXPECT_EQ(ReadSpinValue(c.text, c.minValue), c.value) << "case " << (&c - cases);
}

TEST(SpinValue, CheckHoldsTheCandidateToTheLimits) {
  const struct {
    const char* what;
    TSpinLimits limits;
    int64_t candidate;
    int32_t result;
  } cases[] = {
      {"no limits, negative", {0, 0, true}, -40, -40},
      {"no limits, large", {0, 0, true}, 1000000, 1000000},
      {"no limits, negative refused", {0, 0, false}, -40, 0},
      {"min 1 max 0: 0 becomes 1", {1, 0, true}, 0, 1},
      {"min 1 max 0: no upper limit", {1, 0, true}, 1000000, 1000000},
      {"below min", {5, 10, true}, 2, 5},
      {"above max", {5, 10, true}, 11, 10},
      {"inside", {5, 10, true}, 7, 7},
      {"negative refused, min above 0", {3, 10, false}, -1, 3},
      {"negative refused, min below 0", {-5, 0, false}, -3, 0},
      {"past the int range", {0, 0, true}, int64_t{kMax} + 5, kMax},
  };
  for (const auto& c : cases) EXPECT_EQ(CheckSpinValue(c.candidate, c.limits), c.result) << c.what;
}

TEST(SpinValue, SteppingSaturatesAtTheIntRange) {
  const struct {
    int32_t value;
    int64_t steps;
    int32_t increment, result;
  } cases[] = {
      {1, 1, 1, 2},          {kMax, 1, 1, kMax},        {kMax - 1, 3, 1, kMax},   {kMin, -1, 1, kMin},
      {0, -2, 5, -10},       {kMin, 1, kMax, -1},       {5, 4, kMax, kMax},       {-5, 4, kMin, kMin},
      {0, kMax + int64_t{9}, kMax, kMax},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(SteppedValue(c.value, c.steps, c.increment), c.result) << c.value << " + " << c.steps << " x " << c.increment;
  }
  EXPECT_EQ(WheelSteps(240), 2);
  EXPECT_EQ(WheelSteps(-120), -1);
  EXPECT_EQ(WheelSteps(119), 0);
}

TEST(SpinValue, CharacterTest) {
  using enum TSpinKey;
  const struct {
    const char* what;
    char16_t key;
    TSpinKeyContext context;
    TSpinKey verdict;
  } cases[] = {
      {"digit", u'5', {u"12", 2, 0, true, true, 0}, Accept},
      {"letter", u'a', {u"12", 2, 0, true, true, 0}, Refuse},
      {"backspace", u'\b', {u"12", 2, 0, false, true, 0}, Accept},
      {"escape", 27, {u"12", 2, 0, true, true, 0}, Accept},
      {"tab", u'\t', {u"12", 2, 0, true, true, 0}, Swallow},
      {"enter", u'\r', {u"12", 2, 0, true, true, 0}, Swallow},
      {"paste key", 22, {u"12", 2, 0, false, true, 0}, Accept},
      {"digit, editor off", u'5', {u"12", 2, 0, false, true, 0}, Refuse},
      {"minus at 0, min 0", u'-', {u"12", 0, 0, true, true, 0}, Accept},
      {"minus at 0, min 5", u'-', {u"12", 0, 0, true, true, 5}, Refuse},
      {"minus in the middle", u'-', {u"12", 1, 0, true, true, 0}, Refuse},
      {"minus without negatives", u'-', {u"12", 0, 0, true, false, -10}, Refuse},
      {"minus before a minus", u'-', {u"-12", 0, 0, true, true, 0}, Refuse},
      {"minus over the minus", u'-', {u"-12", 0, 1, true, true, 0}, Accept},
      {"minus over everything", u'-', {u"-12", 0, 3, true, true, 0}, Accept},
      {"minus into empty", u'-', {u"", 0, 0, true, true, -3}, Accept},
      {"minus, editor off", u'-', {u"", 0, 0, false, true, 0}, Refuse},
  };
  for (const auto& c : cases) EXPECT_EQ(SpinKeyVerdict(c.key, c.context), c.verdict) << c.what;
}

TEST(SpinValue, LeavingCorrectsALoneMinus) {
  EXPECT_EQ(LeaveCorrection(u"-"), std::u16string_view(u"0"));
  EXPECT_EQ(LeaveCorrection(u"-0"), std::u16string_view(u"0"));
  for (const char16_t* kept : {u"", u"-1", u"0", u"--", u"12"}) EXPECT_FALSE(LeaveCorrection(kept));
}

TEST(SpinValue, ParseAcceptsOnlyASignAndDigits) {
  EXPECT_EQ(ParseWholeNumber(u"-0"), 0);
  EXPECT_EQ(ParseWholeNumber(u"007"), 7);
  for (const char16_t* bad : {u"", u"-", u"+", u" 1", u"1 ", u"--1", u"$10", u"1e3", u"-2147483649"}) {
    EXPECT_FALSE(ParseWholeNumber(bad)) << std::u16string_view(bad).size();
  }
}

}  // namespace
}  // namespace zelvan::controls
