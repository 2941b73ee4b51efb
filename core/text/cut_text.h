#pragma once
// Cutting a caption to a width with a trailing "...", whole code points at a
// time, the width measured by the caller (on its own device context).

#include <functional>
#include <string>
#include <string_view>

namespace zelvan::text {

using TTextMeasure = std::function<int(std::u16string_view text)>;

// The text itself when it fits in width (nothing when width <= 0); else the
// longest start of it that fits with "..." after it, followed by "...". A
// text cut to nothing gives an empty result without "...".
std::u16string CutText(std::u16string_view text, int width, const TTextMeasure& measure);

}  // namespace zelvan::text
