#include "core/rename/naming.h"

#include <gtest/gtest.h>

#include "core/rename/rename_plan.h"

namespace zelvan::rename {
namespace {

TEST(PadNumber, PadsWithZerosInFrontOfSignAndNeverCuts) {
  struct Case {
    int64_t value;
    int digits;
    std::u16string expected;
  } cases[] = {
      {7, 0, u"7"},       {7, 3, u"007"},    {-5, 3, u"0-5"},   {-5, 2, u"-5"},
      {1234, 2, u"1234"}, {0, 1, u"0"},      {-12, 0, u"-12"},  {2147483648LL, 0, u"2147483648"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PadNumber(c.value, c.digits), c.expected) << c.value << " / " << c.digits;
  }
}

TEST(PadNumber, HugeDigitCountIsCappedPastTheLongestValidName) {
  const std::u16string padded = PadNumber(1, 2000000000);
  EXPECT_EQ(padded.size(), static_cast<size_t>(kMaxPaddedDigits));
  EXPECT_GT(padded.size(), kMaxEntryNameLength);
  EXPECT_EQ(padded.back(), u'1');
}

TEST(EffectiveDigitCount, WidensToTheRowCountWidthUnlessZero) {
  struct Case {
    int digits;
    size_t rows;
    int expected;
  } cases[] = {
      {0, 12, 0}, {1, 10, 2}, {1, 9, 1}, {4, 10, 4}, {-3, 5, 1}, {-3, 100, 3}, {2, 0, 2},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(EffectiveDigitCount(c.digits, c.rows), c.expected) << c.digits << " / " << c.rows;
  }
}

TEST(ExtensionOf, TakesTheTextFromTheLastDotUnlessASeparatorFollowsIt) {
  struct Case {
    std::u16string name;
    std::u16string expected;
  } cases[] = {
      {u"a.tar.gz", u".gz"}, {u".profile", u".profile"}, {u"name.", u"."},
      {u"README", u""},      {u"dir.d\\file", u""},       {u"c:x.y:z", u""},
      {u"照片.JPG", u".JPG"}, {u"", u""},
  };
  for (const Case& c : cases) EXPECT_EQ(ExtensionOf(c.name), c.expected);
}

TEST(FolderOwnName, TakesTheTextAfterTheLastBackslashOrColon) {
  struct Case {
    std::u16string path;
    std::u16string expected;
  } cases[] = {
      {u"C:\\照片\\2026", u"2026"}, {u"C:\\", u""},   {u"D:photos", u"photos"},
      {u"plain", u"plain"},         {u"C:\\a/b", u"a/b"}, {u"", u""},
  };
  for (const Case& c : cases) EXPECT_EQ(FolderOwnName(c.path), c.expected);
}

TEST(IsSafeEntryName, RejectsNamesThatLeaveTheFolderOrAreNotPlainNames) {
  for (const std::u16string name : {u"img001.txt", u"照片_01", u".profile", u"a..b", u"COM10",
                                    u"console", u"nul1.txt"}) {
    EXPECT_TRUE(IsSafeEntryName(name)) << std::string(name.begin(), name.end());
  }
  for (const std::u16string name :
       {u"", u".", u"..", u"..\\1.txt", u"sub/1", u"1:stream", u"C:1", u"a*b", u"a?b", u"a|b",
        u"a\"b", u"a<b", u"a>b", u"tab\there", u"CON", u"nul.txt", u"Com1", u"LPT9.log",
        u"aux .x"}) {
    EXPECT_FALSE(IsSafeEntryName(name)) << std::string(name.begin(), name.end());
  }
  EXPECT_TRUE(IsSafeEntryName(std::u16string(kMaxEntryNameLength, u'a')));
  EXPECT_FALSE(IsSafeEntryName(std::u16string(kMaxEntryNameLength + 1, u'a')));
}

// Names computed for a plan of n rows named f0.txt, f1.txt, ...
std::vector<std::u16string> NamesFor(size_t rows, const TNamingSettings& settings) {
  TRenamePlan plan;
  for (size_t i = 0; i < rows; ++i) {
    const std::string name = "f" + std::to_string(i) + ".txt";
    plan.Rows().push_back({static_cast<int32_t>(i + 1), std::u16string(name.begin(), name.end()),
                           std::nullopt, std::nullopt});
  }
  plan.ComputeNewNames(settings);
  std::vector<std::u16string> names;
  for (const TPlanRow& row : plan.Rows()) names.push_back(row.NewName.value());
  return names;
}

TEST(ComputeNewNames, NumbersFollowFirstNumberAndEffectiveDigits) {
  const auto twelve = NamesFor(12, {u"p", 1, 0, TExtensionMode::Keep, u""});
  EXPECT_EQ(twelve.front(), u"p1.txt");
  EXPECT_EQ(twelve.back(), u"p12.txt");

  const auto ten = NamesFor(10, {u"p", 1, 1, TExtensionMode::Keep, u""});
  EXPECT_EQ(ten.front(), u"p01.txt");
  EXPECT_EQ(ten.back(), u"p10.txt");

  const auto crossing = NamesFor(10, {u"", 95, 1, TExtensionMode::Replace, u""});
  EXPECT_EQ(crossing[4], u"99");
  EXPECT_EQ(crossing[5], u"100");
  EXPECT_EQ(crossing[9], u"104");

  const auto negative = NamesFor(4, {u"", -2, 3, TExtensionMode::Replace, u""});
  EXPECT_EQ(negative, (std::vector<std::u16string>{u"0-2", u"0-1", u"000", u"001"}));

  const auto at_limit = NamesFor(2, {u"", 2147483647, 0, TExtensionMode::Replace, u""});
  EXPECT_EQ(at_limit[1], u"2147483648");
}

TEST(ComputeNewNames, ExtensionIsKeptOrReplacedAsTyped) {
  struct Case {
    TExtensionMode mode;
    std::u16string text;
    std::u16string original;
    std::u16string expected;
  } cases[] = {
      {TExtensionMode::Keep, u"", u"Photo.JPG", u"img001.JPG"},
      {TExtensionMode::Replace, u".png", u"Photo.JPG", u"img001.png"},
      {TExtensionMode::Replace, u"png", u"Photo.JPG", u"img001png"},
      {TExtensionMode::Replace, u"", u"Photo.JPG", u"img001"},
      {TExtensionMode::Keep, u"", u".profile", u"img001.profile"},
      {TExtensionMode::Keep, u".png", u"README", u"img001"},
  };
  for (const Case& c : cases) {
    TRenamePlan plan;
    plan.Rows().push_back({1, c.original, std::nullopt, std::nullopt});
    plan.ComputeNewNames({u"img", 1, 3, c.mode, c.text});
    EXPECT_EQ(plan.Rows()[0].NewName, c.expected);
  }
}

TEST(ComputeNewNames, FrozenWhileRenamedAndKeepsNumberAndResult) {
  TRenamePlan plan;
  plan.Rows().push_back({1, u"a.txt", std::nullopt, std::u16string(kRenamedMark)});
  plan.ComputeNewNames({u"x", 1, 0, TExtensionMode::Keep, u""});
  EXPECT_EQ(plan.Rows()[0].NewName, u"x1.txt");
  EXPECT_EQ(plan.Rows()[0].Result, kRenamedMark);

  plan.SetRenamed(true);
  plan.ComputeNewNames({u"other", 9, 5, TExtensionMode::Replace, u".bin"});
  EXPECT_EQ(plan.Rows()[0].NewName, u"x1.txt");
  EXPECT_EQ(plan.Rows()[0].Number, 1);
}

}  // namespace
}  // namespace zelvan::rename
