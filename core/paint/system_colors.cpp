#include "core/paint/system_colors.h"

#include <array>
#include <cstddef>

namespace zelvan::paint {
namespace {

constexpr TColor Rgb(int r, int g, int b) {
  return static_cast<TColor>(r) | (static_cast<TColor>(g) << 8) | (static_cast<TColor>(b) << 16);
}

// The "Windows Classic" scheme, indexes COLOR_SCROLLBAR (0) to COLOR_MENUBAR (30).
constexpr std::array<TColor, 31> kClassic = {
    Rgb(212, 208, 200), Rgb(58, 110, 165),  Rgb(10, 36, 106),   Rgb(128, 128, 128), Rgb(212, 208, 200),
    Rgb(255, 255, 255), Rgb(0, 0, 0),       Rgb(0, 0, 0),       Rgb(0, 0, 0),       Rgb(255, 255, 255),
    Rgb(212, 208, 200), Rgb(212, 208, 200), Rgb(128, 128, 128), Rgb(10, 36, 106),   Rgb(255, 255, 255),
    Rgb(212, 208, 200), Rgb(128, 128, 128), Rgb(128, 128, 128), Rgb(0, 0, 0),       Rgb(212, 208, 200),
    Rgb(255, 255, 255), Rgb(64, 64, 64),    Rgb(212, 208, 200), Rgb(0, 0, 0),       Rgb(255, 255, 225),
    Rgb(0, 0, 0),       Rgb(0, 0, 128),     Rgb(166, 202, 240), Rgb(192, 192, 192), Rgb(10, 36, 106),
    Rgb(212, 208, 200),
};

TSystemColorResolver g_resolver = nullptr;

}  // namespace

TColor ClassicSystemColor(int index) {
  return index >= 0 && index < static_cast<int>(kClassic.size()) ? kClassic[static_cast<std::size_t>(index)] : 0;
}

void SetSystemColorResolver(TSystemColorResolver resolver) { g_resolver = resolver; }

TColor ColorToRGB(TColor color) {
  if ((color & 0x80000000u) == 0) return color;
  const int index = static_cast<int>(color & 0xFF);
  return g_resolver ? g_resolver(index) : ClassicSystemColor(index);
}

}  // namespace zelvan::paint
