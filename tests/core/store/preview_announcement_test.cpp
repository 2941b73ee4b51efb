#include "core/store/preview_announcement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace zelvan::store {
namespace {

struct TAnnouncementCase {
  const char* Name;
  std::vector<TToolAnswer> Answers;  // the tool's answers in order; the last repeats
  int Asked;
  bool Accepted;
};

TEST(PreviewAnnouncement, StopsAtTheFirstAcceptanceAndAtEveryKindOfSilence) {
  using enum TToolAnswer;
  const TAnnouncementCase cases[] = {
      {"no tool", {taNoTool}, 1, false},
      {"accepts at once", {taAccepted}, 1, true},
      {"accepts on the third", {taOther, taOther, taAccepted}, 3, true},
      {"never accepts", {taOther}, kAnnouncementAttempts, false},
      {"hangs after a refusal", {taOther, taTimedOut}, 2, false},
      {"hangs", {taTimedOut}, 1, false},
      {"goes away", {taOther, taOther, taNoTool}, 3, false},
  };
  for (const TAnnouncementCase& c : cases) {
    int asked = 0;
    const bool accepted = RunAnnouncement([&] {
      const size_t at = std::min(static_cast<size_t>(asked), c.Answers.size() - 1);
      ++asked;
      return c.Answers[at];
    });
    EXPECT_EQ(asked, c.Asked) << c.Name;
    EXPECT_EQ(accepted, c.Accepted) << c.Name;
  }
}

}  // namespace
}  // namespace zelvan::store
