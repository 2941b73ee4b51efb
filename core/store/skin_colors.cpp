#include "core/paint/system_colors.h"
#include "core/store/skin_store.h"

namespace zelvan::store {

namespace {

constexpr TColor kSysWindowText = 0xFF000008;
constexpr TColor kSysHighlight = 0xFF00000D;
constexpr TColor kSysHighlightText = 0xFF00000E;
constexpr int kColorBtnFace = 15;
constexpr int kColorWindow = 5;
constexpr TColor kNotGiven = static_cast<TColor>(-1);

const TsGeneralData* Section(const TsSkinStore& store, std::string_view name) {
  const int i = store.GetSkinIndex(name);
  return i >= 0 ? &store.gd[static_cast<size_t>(i)] : nullptr;
}

const TsGenState& StateOf(const TsGeneralData& g, bool focused) { return g.Props[focused && g.States >= 2 ? 1 : 0]; }

// SELECTION's colour of the state, else MENUITEM's hot one, else fallback.
TColor HighLight(const TsSkinStore& store, bool focused, TColor (*selection)(const TsGenState&),
                 TColor (*menu)(const TsGeneralData&), bool acceptWhite, TColor fallback) {
  if (const TsGeneralData* s = Section(store, "SELECTION")) {
    const TColor c = selection(StateOf(*s, focused));
    if (c != kNotGiven && c != paint::kKeyColor) return paint::ColorToRGB(c);
  }
  if (const TsGeneralData* m = Section(store, "MENUITEM")) {
    const TColor c = menu(*m);
    if (c != kNotGiven && c != paint::kKeyColor && (acceptWhite || c != 0xFFFFFF)) return paint::ColorToRGB(c);
  }
  return fallback;
}

}  // namespace

TColor TsSkinStore::GetGlobalColor() const {
  const TsGeneralData* g = Section(*this, "GLOBALINFO");
  return g ? paint::ColorToRGB(g->Color) : paint::ColorToRGB(0xFF000000u | kColorBtnFace);
}

TColor TsSkinStore::GetGlobalFontColor() const {
  const TsGeneralData* g = Section(*this, "GLOBALINFO");
  return g ? paint::ColorToRGB(g->FontColor.Color) : paint::kKeyColor;
}

TColor TsSkinStore::GetActiveEditColor() const {
  const TsGeneralData* g = Section(*this, "GLOBALINFO");
  return g ? paint::ColorToRGB(g->HotColor) : paint::ColorToRGB(0xFF000000u | kColorWindow);
}

TColor TsSkinStore::GetActiveEditFontColor() const {
  const TsGeneralData* g = Section(*this, "EDIT");
  return g ? paint::ColorToRGB(g->Props[0].FontColor.Color) : kSysWindowText;
}

TColor TsSkinStore::GetHighLightColor(bool focused) const {
  return HighLight(
      *this, focused, [](const TsGenState& s) { return s.Color; }, [](const TsGeneralData& g) { return g.HotColor; },
      false, kSysHighlight);
}

TColor TsSkinStore::GetHighLightFontColor(bool focused) const {
  return HighLight(
      *this, focused, [](const TsGenState& s) { return s.FontColor.Color; },
      [](const TsGeneralData& g) { return g.HotFontColor.Color; }, true, kSysHighlightText);
}

}  // namespace zelvan::store
