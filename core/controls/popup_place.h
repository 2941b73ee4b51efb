#pragma once
// Where a combo edit's popup window opens: below the edit, or above it when
// it would pass the desktop's bottom; right- or left-aligned to the edit,
// switching sides when the chosen one passes the desktop's edge; finally
// kept within the desktop's left and right edges.

#include "core/paint/geometry.h"

namespace zelvan::controls {

enum class TPopupAlign { Right, Left };

// edit and desktop in screen coordinates; the popup's top-left corner.
paint::TPoint PopupOrigin(const paint::TRect& edit, int width, int height, const paint::TRect& desktop,
                          TPopupAlign align);

}  // namespace zelvan::controls
