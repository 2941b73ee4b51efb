#pragma once
// A skin built by code for the item painting tests: sections with chosen
// normal and hot values, image parts with hand-made bitmaps.

#include <memory>
#include <string>

#include "core/store/skin_store.h"
#include "tests/core/paint/bitmap_fixture.h"
#include "tests/core/paint/image_part_fixture.h"

namespace zelvan::paint::testing {

// One state's values: colour, transparency, image and gradient shares.
inline store::TsGenState Values(TColor color, int transparency = 0, int image = 0, int gradient = 0) {
  store::TsGenState v;
  v.Color = color;
  v.Transparency = transparency;
  v.ImagePercent = image;
  v.GradientPercent = gradient;
  return v;
}

// A gradient of one vertical piece from a to b.
inline TsGradArray Vertical(TColor a, TColor b) { return {TsGradPie{a, b, 100, kGradientVertical, 0}}; }

class ItemSkin {
 public:
  store::TsSkinStore& Store() { return parts_.Manager(); }

  int AddSection(int states, const store::TsGenState& normal, const store::TsGenState& hot) {
    store::TsGeneralData g;
    g.ClassName = "S" + std::to_string(Store().gd.size());
    g.States = states;
    g.Props[0] = normal;
    g.Props[1] = hot;
    Store().gd.push_back(g);
    return static_cast<int>(Store().gd.size()) - 1;
  }
  int AddSection(const store::TsGenState& values) { return AddSection(1, values, values); }
  store::TsGeneralData& Section(int index) { return Store().gd[static_cast<size_t>(index)]; }

  int AddPart(std::unique_ptr<image::TWorkingBitmap> bitmap, int imageCount, int maskType, int drawMode = 0) {
    store::TsMaskData part = parts_.Part(std::move(bitmap), imageCount, maskType);
    part.DrawMode = static_cast<int16_t>(drawMode);
    Store().ma.push_back(std::move(part));
    return static_cast<int>(Store().ma.size()) - 1;
  }
  store::TsMaskData& Part(int index) { return Store().ma[static_cast<size_t>(index)]; }

 private:
  SkinParts parts_;
};

}  // namespace zelvan::paint::testing
