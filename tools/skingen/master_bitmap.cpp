#include "tools/skingen/master_bitmap.h"

#include <algorithm>
#include <cstdio>
#include <stdexcept>

namespace zelvan::skingen {

namespace {

void Set(std::vector<uint8_t>& row, int x, Rgba c) {
  const size_t i = static_cast<size_t>(x) * 4;
  row[i] = c.r;
  row[i + 1] = c.g;
  row[i + 2] = c.b;
  row[i + 3] = c.a;
}
void SetKey(std::vector<uint8_t>& row, int x) { Set(row, x, {255, 0, 255, 0}); }

}  // namespace

Placed Master::Place(const Strip& strip) {
  const int sw = strip.states.front().Width(), sh = strip.states.front().Height();
  const int w = sw * static_cast<int>(strip.states.size()), h = sh * (strip.maskType + 1);
  if (w > kWidth) throw std::logic_error("strip wider than the master bitmap");
  if (x_ + w > kWidth) {
    x_ = 0;
    y_ = shelfBottom_ + kGap;
  }
  const Placed at{x_, y_, x_ + w, y_ + h};
  strips_.push_back({strip, at});
  x_ += w + kGap;
  shelfBottom_ = std::max(shelfBottom_, at.b);
  return at;
}

std::vector<std::vector<uint8_t>> Master::Rows() const {
  const int height = shelfBottom_;
  std::vector<std::vector<uint8_t>> rows(static_cast<size_t>(height));
  for (auto& row : rows) {
    row.resize(kWidth * 4);
    for (int x = 0; x < kWidth; ++x) SetKey(row, x);
  }
  for (const auto& [strip, at] : strips_) {
    const int sw = strip.states.front().Width(), sh = strip.states.front().Height();
    for (size_t i = 0; i < strip.states.size(); ++i) {
      const Image& img = strip.states[i];
      for (int y = 0; y < sh; ++y) {
        for (int x = 0; x < sw; ++x) {
          const Rgba p = img.At(x, y);
          const int dx = at.l + static_cast<int>(i) * sw + x;
          auto& row = rows[static_cast<size_t>(at.t + y)];
          if (p.a < strip.keyBelow || (strip.maskType == 0 && p.a < 128)) {
            SetKey(row, dx);
          } else {
            Set(row, dx, {p.r, p.g, p.b, 255});
          }
          if (strip.maskType == 1) {
            const uint8_t m = static_cast<uint8_t>(p.a < strip.keyBelow ? 255 : 255 - p.a);
            Set(rows[static_cast<size_t>(at.t + sh + y)], dx, {m, m, m, 255});
          }
        }
      }
    }
  }
  return rows;
}

std::string Fixed4(int v) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%04d", v);
  return buf;
}

std::string RectColumns(const Placed& p) {
  return Fixed4(p.l) + ',' + Fixed4(p.t) + ',' + Fixed4(p.r) + ',' + Fixed4(p.b);
}

}  // namespace zelvan::skingen
