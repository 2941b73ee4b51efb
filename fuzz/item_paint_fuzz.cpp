// Every section of a hostile skin (see hostile_skin.h) painted as a control,
// a section by index and a wrapper, in every state and over every kind of
// parent, with its parent corners and its frame alone: painting never
// raises and never reaches outside a bitmap.
#include <cstddef>
#include <cstdint>

#include "core/image/bitmap32.h"
#include "core/paint/item_frame.h"
#include "core/paint/item_paint.h"
#include "fuzz/hostile_skin.h"

namespace {

namespace paint = zelvan::paint;
using zelvan::image::TWorkingBitmap;

constexpr int kWidth = 13, kHeight = 9;

// Parents: nothing known, a colour, a picture with the child inside it and
// one with the child hanging over its edge.
paint::TCacheInfo Parent(int kind, TWorkingBitmap& picture) {
  switch (kind) {
    case 0: return {};
    case 1: return {nullptr, 0, 0, 0x00405060, false};
    case 2: return {&picture, 2, 1, paint::kKeyColor, true};
    default: return {&picture, 10, -4, paint::kKeyColor, true};
  }
}

void PaintSection(zelvan::store::TsSkinStore& store, int index, int texture, TWorkingBitmap& picture) {
  const zelvan::store::TsGeneralData& gd = store.gd[static_cast<size_t>(index)];
  auto bitmap = zelvan::image::CreateBmp32(kWidth, kHeight);
  const paint::TRect whole{0, 0, kWidth, kHeight}, inner{1, 2, 8, 9};
  for (int state : {-1, 0, 1, 2, 7}) {
    for (int kind = 0; kind < 4; ++kind) {
      const paint::TCacheInfo parent = Parent(kind, picture);
      paint::TItemSkin item{&store, index, gd.ClassName, gd.BorderIndex, texture, texture, paint::kKeyColor, 40, -30};
      paint::PaintItem(item, parent, kind > 1, *bitmap, {}, whole, state);
      paint::PaintItemByIndex(index, gd.ClassName, parent, -1, -1, &store, *bitmap, {3, 1}, inner, state);
      paint::PaintWrapperItem(index, gd.BorderIndex, texture, &store, *bitmap, {1, 1}, inner, state, parent,
                              gd.ClassName, texture);
      paint::FillParentCorners(&store, gd.BorderIndex, state, 15, *bitmap, parent);
      paint::PaintFrameOnly(&store, gd.BorderIndex, *bitmap, whole, 2, state, parent, 0x00102030);
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  zelvan::fuzz::THostileSkin skin(data, size);
  zelvan::store::TsSkinStore& store = skin.Store();
  auto picture = zelvan::image::CreateBmp32(16, 12);
  for (int y = 0; y < 12; ++y)
    for (int x = 0; x < 16; ++x) picture->Row32(y)[x] = 0xFF000000u | static_cast<uint32_t>(x * 4099 + y * 77);
  // A texture index from the input: any part, or none, or one past the end.
  const int parts = static_cast<int>(store.ma.size());
  const int texture = static_cast<int>(data[0] % static_cast<unsigned>(parts + 2)) - 1;
  for (int i = 0; i < static_cast<int>(store.gd.size()); ++i) PaintSection(store, i, texture, *picture);
  return 0;
}
