#pragma once
// The announcement of a program started for a live preview: it tells the
// skin-editing tool which window takes hand-overs, asking again while the
// tool answers anything but "accepted". The tool is another process, so
// every way it can fail to answer ends the loop: it is gone, or it did not
// answer in time (a hung tool is not asked again and again).

#include <functional>

namespace zelvan::store {

inline constexpr int kAnnouncementAttempts = 101;

enum class TToolAnswer {
  taNoTool,    // no window of the tool's title
  taTimedOut,  // the tool did not answer in time (hung, or busy elsewhere)
  taAccepted,  // the tool answered 1
  taOther,     // the tool answered something else: ask again
};

// Asks at most kAnnouncementAttempts times; true when the tool accepted.
bool RunAnnouncement(const std::function<TToolAnswer()>& ask);

}  // namespace zelvan::store
