#pragma once
// Gradients of skin sections: the pieces and their description string.
//
// The string is a list of words separated by semicolons (runs of semicolons
// count as one); every five words make a piece: Color1; Color2; Percent;
// Mode1; and a fifth word that is skipped. Words of an incomplete last group
// are ignored. Example: "16777215;12632256;40;0;0;12632256;8421504;60;0;0".

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/paint/color.h"

namespace zelvan::paint {

using TPercent = uint8_t;  // 0..100

struct TsGradPie {
  TColor Color1 = 0;  // start colour, 0x00BBGGRR
  TColor Color2 = 0;  // end colour
  TPercent Percent = 0;  // share of the rect's height (kind 0) or width (kind 1)
  int32_t Mode1 = 0;  // gradient kind, read from the first piece only
  int32_t Mode2 = 0;  // never set from the string

  bool operator==(const TsGradPie&) const = default;
};

using TsGradArray = std::vector<TsGradPie>;

// Gradient kinds (Mode1 of the first piece); any other value paints nothing.
inline constexpr int32_t kGradientVertical = 0;
inline constexpr int32_t kGradientHorizontal = 1;
inline constexpr int32_t kGradientTriangles = 2;

// gradient := the pieces of text. Negative colours become 0, percentages are
// clamped to 0..100, Mode1 is kept as written. A word that is not an integer
// throws text::EConvertError, leaving gradient unchanged.
void ParseGradient(std::string_view text, TsGradArray& gradient);
void ParseGradient(std::u16string_view text, TsGradArray& gradient);

}  // namespace zelvan::paint
