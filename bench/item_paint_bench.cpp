// A control's whole background with Air: a 75 x 25 button over its parent's
// picture against a block copy of the same size, a 121 x 21 edit and a
// 531 x 420 form with Air's tiled paper texture each against a plain fill of
// the same size (compare the times, or bytes_per_second, in the same run).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <string>

#include "core/image/bitmap32.h"
#include "core/paint/block_transfer.h"
#include "core/paint/fill.h"
#include "core/paint/item_paint.h"
#include "core/store/skin_store.h"

namespace {

using zelvan::image::TWorkingBitmap;
namespace paint = zelvan::paint;
namespace store = zelvan::store;

// Air from its committed folder, loaded once.
store::TsSkinStore& Air() {
  static store::TSkinSettings settings;
  static store::TsSkinStore* air = [] {
    const std::string folder = ZELVAN_SKINS;
    settings.SkinDirectory.assign(folder.begin(), folder.end());
    settings.SkinName = u"Air";
    auto* skin = new store::TsSkinStore({}, settings);
    skin->ReloadSkin();
    return skin;
  }();
  return *air;
}

struct TControl {
  const char* Section;
  int Width, Height;
};
constexpr TControl kButton{"BUTTON", 75, 25}, kEdit{"EDIT", 121, 21}, kForm{"FORM", 531, 420},
    kMenuItem{"MENUITEM", 200, 24};

void SetBytes(benchmark::State& state, const TControl& c) {
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * c.Width * c.Height * 4);
}

// The parent's picture the control lies in, at (8, 6).
std::unique_ptr<TWorkingBitmap> ParentOf(const TControl& c) {
  auto parent = zelvan::image::CreateBmp32(c.Width + 16, c.Height + 12);
  for (int y = 0; y < parent->Height(); ++y)
    for (int x = 0; x < parent->Width(); ++x) parent->Row32(y)[x] = 0xFF000000u | static_cast<uint32_t>(x * 977 + y * 31);
  return parent;
}

void BM_PaintItem(benchmark::State& state, const TControl& c) {
  store::TsSkinStore& air = Air();
  const int index = air.GetSkinIndex(c.Section);
  if (index < 0) {
    state.SkipWithError("Air did not load");
    return;
  }
  const auto& gd = air.gd[static_cast<size_t>(index)];
  const paint::TItemSkin item{&air, index, gd.ClassName, gd.BorderIndex};
  auto parent = ParentOf(c);
  const paint::TCacheInfo info{parent.get(), 8, 6, paint::kKeyColor, true};
  auto cache = zelvan::image::CreateBmp32(c.Width, c.Height);
  const int paintState = static_cast<int>(state.range(0));
  for (auto _ : state) {
    paint::PaintItem(item, info, true, *cache, {}, {0, 0, c.Width, c.Height}, paintState);
    benchmark::ClobberMemory();
  }
  SetBytes(state, c);
}
BENCHMARK_CAPTURE(BM_PaintItem, button, kButton)->Arg(0)->Arg(1);
BENCHMARK_CAPTURE(BM_PaintItem, edit, kEdit)->Arg(0)->Arg(1);
BENCHMARK_CAPTURE(BM_PaintItem, form, kForm)->Arg(0);
BENCHMARK_CAPTURE(BM_PaintItem, menu_item, kMenuItem)->Arg(0)->Arg(1);

// References: the cheapest a see-through and an opaque background can be.
void BM_CopyBlockReference(benchmark::State& state, const TControl& c) {
  auto parent = ParentOf(c);
  auto cache = zelvan::image::CreateBmp32(c.Width, c.Height);
  for (auto _ : state) {
    paint::CopyBlock(*cache, {0, 0}, *parent, {8, 6, 8 + c.Width, 6 + c.Height});
    benchmark::ClobberMemory();
  }
  SetBytes(state, c);
}
BENCHMARK_CAPTURE(BM_CopyBlockReference, button, kButton);
BENCHMARK_CAPTURE(BM_CopyBlockReference, menu_item, kMenuItem);

void BM_FillReference(benchmark::State& state, const TControl& c) {
  auto cache = zelvan::image::CreateBmp32(c.Width, c.Height);
  for (auto _ : state) {
    paint::FillRect32(*cache, {0, 0, c.Width, c.Height}, 0x00F0F0F0, 255);
    benchmark::ClobberMemory();
  }
  SetBytes(state, c);
}
BENCHMARK_CAPTURE(BM_FillReference, edit, kEdit);
BENCHMARK_CAPTURE(BM_FillReference, form, kForm);

}  // namespace

BENCHMARK_MAIN();
