#include "core/store/skin_store.h"

namespace zelvan::store {

namespace {

struct TSectionParts {
  int16_t* Index;
  const char* Name;
  int16_t* Border;
  int16_t* Glyph;  // may be null
  int16_t* Background;
  int16_t* HotBackground;
};

}  // namespace

void TsSkinStore::InitMaskIndexes() {
  for (size_t i = 0; i < gd.size(); ++i) {
    TsGeneralData& g = gd[i];
    if (g.ClassName == "GLOBALINFO") continue;
    const int index = static_cast<int>(i);
    g.BorderIndex = GetMaskIndex(index, g.ClassName, "BORDERSMASK");
    g.ImgTL = GetMaskIndex(index, g.ClassName, "IMGTOPLEFT");
    g.ImgTR = GetMaskIndex(index, g.ClassName, "IMGTOPRIGHT");
    g.ImgBL = GetMaskIndex(index, g.ClassName, "IMGBTMLEFT");
    g.ImgBR = GetMaskIndex(index, g.ClassName, "IMGBTMRIGHT");
    g.TextureNormal = GetTextureIndex(index, g.ClassName, "PATTERN");
    g.Props[0].TextureIndex = g.TextureNormal;
    // One state: the hot view stays a copy of the normal one.
    g.Props[1].TextureIndex = g.States > 1 ? GetTextureIndex(index, g.ClassName, "HOTPATTERN") : g.TextureNormal;
  }
}

void TsSkinStore::InitConstantIndexes() {
  // Everything starts at -1, so no index of a previous skin survives a load.
  ConstData = TConstantSkinData{};
  TConstantSkinData& c = ConstData;
  const auto narrow = [](int v) { return static_cast<int16_t>(v); };

  c.IndexGLobalInfo = narrow(GetSkinIndex("GLOBALINFO"));
  const struct {
    int16_t* Field;
    const char* Property;
  } global_parts[] = {
      {&c.CheckBoxChecked, "BOXCHECKED"},    {&c.CheckBoxUnChecked, "BOXUNCHECKED"},
      {&c.CheckBoxGrayed, "BOXGRAYED"},      {&c.RadioButtonChecked, "RADIOCHECKED"},
      {&c.RadioButtonUnChecked, "RADIOUNCHECKED"}, {&c.RadioButtonGrayed, "RADIOGRAYED"},
      {&c.SmallCheckBoxChecked, "SMALLCHECKED"}, {&c.SmallCheckBoxUnChecked, "SMALLUNCHECKED"},
      {&c.SmallCheckBoxGrayed, "SMALLGRAYED"}, {&c.ExBorder, "EXBORDER"},
      {&c.MaskCloseBtn, "BICONCLOSE"},       {&c.MaskCloseAloneBtn, "BICLOSEALONE"},
      {&c.MaskMaxBtn, "BICONMAX"},           {&c.MaskNormBtn, "BICONNORM"},
      {&c.MaskMinBtn, "BICONMIN"},           {&c.MaskHelpBtn, "BICONHELP"},
      {&c.MaskCloseSmall, "SICONCLOSE"},     {&c.MaskMaxSmall, "SICONMAX"},
      {&c.MaskNormSmall, "SICONNORM"},       {&c.MaskMinSmall, "SICONMIN"},
      {&c.MaskHelpSmall, "SICONHELP"},
  };
  for (const auto& part : global_parts) *part.Field = narrow(GetMaskIndex(c.IndexGLobalInfo, "GLOBALINFO", part.Property));
  const struct {
    int32_t* Field;
    const char* Property;
  } grips[] = {{&c.GripRightBottom, "GRIPIMAGE"}, {&c.GripHorizontal, "GRIPHORZ"}, {&c.GripVertical, "GRIPVERT"}};
  for (const auto& part : grips) *part.Field = GetMaskIndex(c.IndexGLobalInfo, "GLOBALINFO", part.Property);

  c.ComboBtnIndex = GetSkinIndex("COMBOBTN");
  c.ComboBtnBorder = GetMaskIndex("COMBOBTN", "BORDERSMASK");
  c.ComboBtnBG = GetTextureIndex(c.ComboBtnIndex, "COMBOBTN", "PATTERN");
  c.ComboBtnBGHot = GetTextureIndex(c.ComboBtnIndex, "COMBOBTN", "HOTPATTERN");
  c.ComboGlyph = GetMaskIndex("COMBOBOX", "GLYPHMASK");

  int16_t none = -1;  // sink for the parts a group does not have
  const TSectionParts sections[] = {
      {&c.IndexTabTop, "TABTOP", &c.MaskTabTop, &none, &none, &none},
      {&c.IndexTabBottom, "TABBOTTOM", &c.MaskTabBottom, &none, &none, &none},
      {&c.IndexTabLeft, "TABLEFT", &c.MaskTabLeft, &none, &none, &none},
      {&c.IndexTabRight, "TABRIGHT", &c.MaskTabRight, &none, &none, &none},
      {&c.IndexScrollTop, "SCROLLBTNTOP", &c.MaskScrollTop, &c.MaskArrowTop, &c.IndexBGScrollTop,
       &c.IndexBGHotScrollTop},
      {&c.IndexScrollBottom, "SCROLLBTNBOTTOM", &c.MaskScrollBottom, &c.MaskArrowBottom, &c.IndexBGScrollBottom,
       &c.IndexBGHotScrollBottom},
      {&c.IndexScrollLeft, "SCROLLBTNLEFT", &c.MaskScrollLeft, &c.MaskArrowLeft, &c.IndexBGScrollLeft,
       &c.IndexBGHotScrollLeft},
      {&c.IndexScrollRight, "SCROLLBTNRIGHT", &c.MaskScrollRight, &c.MaskArrowRight, &c.IndexBGScrollRight,
       &c.IndexBGHotScrollRight},
      {&c.IndexSliderVert, "SCROLLSLIDERV", &c.MaskSliderVert, &c.MaskSliderGlyphVert, &c.ScrollSliderBGVert,
       &c.ScrollSliderBGHotVert},
      {&c.IndexSliderHorz, "SCROLLSLIDERH", &c.MaskSliderHorz, &c.MaskSliderGlyphHorz, &c.ScrollSliderBGHorz,
       &c.ScrollSliderBGHotHorz},
      {&c.IndexScrollBar1H, "SCROLLBAR1H", &c.MaskScrollBar1H, &none, &c.BGScrollBar1H, &c.BGHotScrollBar1H},
      {&c.IndexScrollBar1V, "SCROLLBAR1V", &c.MaskScrollBar1V, &none, &c.BGScrollBar1V, &c.BGHotScrollBar1V},
      {&c.IndexScrollBar2H, "SCROLLBAR2H", &c.MaskScrollBar2H, &none, &c.BGScrollBar2H, &c.BGHotScrollBar2H},
      {&c.IndexScrollBar2V, "SCROLLBAR2V", &c.MaskScrollBar2V, &none, &c.BGScrollBar2V, &c.BGHotScrollBar2V},
  };
  for (const TSectionParts& s : sections) {
    const int index = GetSkinIndex(s.Name);
    *s.Index = narrow(index);
    *s.Border = narrow(GetMaskIndex(index, s.Name, "BORDERSMASK"));
    *s.Glyph = narrow(GetMaskIndex(index, s.Name, "GLYPHMASK"));
    *s.Background = narrow(GetMaskIndex(index, s.Name, "PATTERN"));
    *s.HotBackground = narrow(GetMaskIndex(index, s.Name, "HOTPATTERN"));
  }
  c.IndexWebBtn = GetSkinIndex("WEBBUTTON");
  InitMaskIndexes();
  ConstantIndexesComputed();
}

}  // namespace zelvan::store
