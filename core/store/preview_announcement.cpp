#include "core/store/preview_announcement.h"

namespace zelvan::store {

bool RunAnnouncement(const std::function<TToolAnswer()>& ask) {
  for (int attempt = 0; attempt < kAnnouncementAttempts; ++attempt) {
    switch (ask()) {
      case TToolAnswer::taAccepted:
        return true;
      case TToolAnswer::taNoTool:
      case TToolAnswer::taTimedOut:
        return false;
      case TToolAnswer::taOther:
        break;
    }
  }
  return false;
}

}  // namespace zelvan::store
