#include "tools/skingen/shadows.h"

#include <algorithm>

#include "tools/common/png_writer.h"

namespace zelvan::skingen {

namespace {

constexpr int kSize = 33;
constexpr int kMargin = 9;
constexpr int kDrop = 2;  // light from above: the shadow sits a little lower

int IntegerSqrt(int value) {
  int root = 0;
  while ((root + 1) * (root + 1) <= value) ++root;
  return root;
}

// Straight-alpha RGBA rows: black, the alpha falling off quadratically with
// the distance from the rectangle the form covers.
std::vector<uint8_t> ShadowPng(int maxAlpha) {
  png::PngRecipe recipe;
  recipe.width = recipe.height = kSize;
  recipe.colorType = 6;
  // Distances in half pixels, measured at pixel centres.
  const int inner0 = 2 * kMargin, inner1 = 2 * (kSize - kMargin), reach = 2 * kMargin;
  for (int y = 0; y < kSize; ++y) {
    std::vector<uint8_t> row;
    for (int x = 0; x < kSize; ++x) {
      const int px = 2 * x + 1, py = 2 * (y - kDrop) + 1;
      const int dx = std::max({inner0 - px, 0, px - inner1});
      const int dy = std::max({inner0 - py, 0, py - inner1});
      const int left = std::max(0, reach - IntegerSqrt(dx * dx + dy * dy));
      const int alpha = maxAlpha * left * left / (reach * reach);
      row.insert(row.end(), {0, 0, 0, static_cast<uint8_t>(alpha)});
    }
    recipe.rows.push_back(std::move(row));
  }
  return png::WritePng(recipe);
}

}  // namespace

std::vector<std::pair<std::string, std::vector<uint8_t>>> GenerateShadows() {
  return {{"ACSHDA.png", ShadowPng(96)}, {"ACSHDI.png", ShadowPng(56)}};
}

}  // namespace zelvan::skingen
