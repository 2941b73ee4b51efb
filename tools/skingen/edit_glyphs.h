#pragma once
// The engine's standard glyphs for the buttons of edits: five 48 x 16 strips
// of three 16 x 16 pictures (normal, hot, pressed), as RGBA PNG files:
// SF a file, SR a folder (with an arrow when hot or pressed), SD a calendar,
// SE an ellipsis, SC a calculator.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace zelvan::skingen {

// {"SF.png", bytes}, ... in the list's order: SF, SR, SD, SE, SC.
std::vector<std::pair<std::string, std::vector<uint8_t>>> GenerateEditGlyphs();

}  // namespace zelvan::skingen
