#pragma once
// The master bitmap of a skin: strips of state images placed on shelves,
// each picture row with its mask row below, written as one RGBA PNG, and the
// fixed-column rectangles that image entries give for them.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tools/skingen/raster.h"

namespace zelvan::skingen {

struct Strip {
  std::vector<Image> states;  // all of one size
  int maskType = 1;           // 1: a mask row below the pictures; 0: key colour only
  // Pixels covered less than this are the key colour: frames need whole key
  // pixels in their corners, where the painter shows the parent instead.
  int keyBelow = 1;
};

struct Placed {
  int l, t, r, b;
};

class Master {
 public:
  static constexpr int kWidth = 384;
  static constexpr int kGap = 2;

  Placed Place(const Strip& strip);
  // RGBA rows: picture pixels opaque, uncovered ones the key colour with
  // alpha 0, masks gray (255 = see-through) below their pictures.
  std::vector<std::vector<uint8_t>> Rows() const;

 private:
  std::vector<std::pair<Strip, Placed>> strips_;
  int x_ = 0, y_ = 0, shelfBottom_ = 0;
};

// "0042": the four-digit columns of the "^", "@" and "~" entries.
std::string Fixed4(int v);
// "left,top,right,bottom" in four-digit columns.
std::string RectColumns(const Placed& p);

}  // namespace zelvan::skingen
