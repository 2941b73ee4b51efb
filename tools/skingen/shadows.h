#pragma once
// The engine's built-in form shadows: two 33 x 33 soft black shadows with
// 9-pixel margins, active (darker) and inactive, as PNG files.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace zelvan::skingen {

// {"ACSHDA.png", bytes}, {"ACSHDI.png", bytes}.
std::vector<std::pair<std::string, std::vector<uint8_t>>> GenerateShadows();

}  // namespace zelvan::skingen
