#include "core/store/skin_recolor.h"

#include <algorithm>

#include "core/image/bitmap32.h"
#include "core/paint/block_transfer.h"
#include "core/paint/hue_saturation.h"
#include "core/store/skin_store.h"

namespace zelvan::store {

namespace {

constexpr TColor kNotGiven = static_cast<TColor>(-1);

// -1 ("none") and the key colour ("no colour") are markers, not colours:
// turned by hue they would become real colours.
template <class Change>
void ChangeColor(TColor& c, Change change) {
  if (c != kNotGiven && c != paint::kKeyColor) c = change(c);
}

template <class Change>
void ChangeFont(TsFontColor& f, Change change) {
  for (TColor* c : {&f.Color, &f.Left, &f.Top, &f.Right, &f.Bottom}) ChangeColor(*c, change);
}

template <class Change>
void ChangeGradient(paint::TsGradArray& g, Change change) {
  for (paint::TsGradPie& pie : g) {
    pie.Color1 = change(pie.Color1);
    pie.Color2 = change(pie.Color2);
  }
}

// Every colour of the sections and the two recoloured global ones; markers
// are left as they are.
template <class Change>
void ChangeSkinColors(TsSkinStore& store, Change change) {
  for (TsGeneralData& g : store.gd) {
    for (TColor* c : {&g.Color, &g.HotColor, &g.GlowColor, &g.HotGlowColor}) ChangeColor(*c, change);
    ChangeFont(g.FontColor, change);
    ChangeFont(g.HotFontColor, change);
    ChangeGradient(g.GradientArray, change);
    ChangeGradient(g.HotGradientArray, change);
    for (TsGenState& s : g.Props) {
      ChangeColor(s.Color, change);
      ChangeColor(s.GlowColor, change);
      ChangeFont(s.FontColor, change);
      ChangeGradient(s.GradientArray, change);
    }
  }
  ChangeColor(store.SkinData->Shadow1Color, change);
  ChangeColor(store.SkinData->BorderColor, change);
}

struct TKeptPiece {
  paint::TRect R;
  std::unique_ptr<image::TWorkingBitmap> Pixels;
};

TKeptPiece CopyOut(const image::TWorkingBitmap& master, const paint::TRect& r) {
  return TKeptPiece{paint::ClipToSize(r, master.Width(), master.Height()), paint::CopyOutBlock(master, r)};
}

void PutBack(image::TWorkingBitmap& master, const TKeptPiece& piece) {
  if (piece.Pixels) paint::CopyBlock(master, {piece.R.Left, piece.R.Top}, *piece.Pixels, {0, 0, piece.R.Width(), piece.R.Height()});
}

void ChangeHue(TsSkinStore& store, int offset) {
  static const char* const kAllButtons[] = {"BICONCLOSE", "SICONCLOSE", "BICONMAX", "BICONMIN", "BICONNORM",
                                            "BICONHELP",  "SICONMAX",   "SICONMIN", "SICONNORM"};
  const int keep = store.SkinData->BIKeepHUE;
  const size_t kept_count = keep == 0 ? 0 : keep == 1 ? std::size(kAllButtons) : 2;
  std::vector<TKeptPiece> pieces;
  std::vector<int> kept_parts;
  for (size_t i = 0; i < kept_count; ++i) {
    const int part = store.GetMaskIndex("GLOBALINFO", kAllButtons[i]);
    if (!store.IsValidImgIndex(part)) continue;
    const TsMaskData& m = store.ma[static_cast<size_t>(part)];
    if (m.Bmp) {
      kept_parts.push_back(part);
      kept_parts.push_back(store.GetMaskIndex("GLOBALINFO", std::string(kAllButtons[i]) + "GLOW0"));
    } else if (store.MasterBitmap) {
      pieces.push_back(CopyOut(*store.MasterBitmap, m.R));
    }
  }
  paint::ChangeBitmapHue(store.MasterBitmap.get(), offset);
  for (const TKeptPiece& piece : pieces) PutBack(*store.MasterBitmap, piece);
  for (size_t i = 0; i < store.ma.size(); ++i) {
    if (std::find(kept_parts.begin(), kept_parts.end(), static_cast<int>(i)) == kept_parts.end()) {
      paint::ChangeBitmapHue(store.ma[i].Bmp.get(), offset);
    }
  }
  ChangeSkinColors(store, [offset](TColor c) { return paint::ChangeColorHue(c, offset); });
}

}  // namespace

void RecolorSkin(TsSkinStore& store, int hueOffset, int saturation) {
  if (hueOffset != 0) ChangeHue(store, hueOffset);
  const int amount = saturation % 101;
  if (amount == 0) return;
  paint::ChangeBitmapSaturation(store.MasterBitmap.get(), amount);
  for (TsMaskData& m : store.ma) paint::ChangeBitmapSaturation(m.Bmp.get(), amount);
  ChangeSkinColors(store, [amount](TColor c) { return paint::ChangeColorSaturation(c, amount); });
}

}  // namespace zelvan::store
