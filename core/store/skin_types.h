#pragma once
// The records of a loaded skin: sections (TsGeneralData), image parts
// (TsMaskData), large JPEG patterns (TsPatternData), the global information
// (TsSkinData) and the indexes resolved once per load (TConstantSkinData).
//
// Texts read from a skin (section, key and file names, values) are the
// description's own 8-bit bytes, kept in std::string and compared exactly.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "core/image/jpeg_image.h"
#include "core/image/working_bitmap.h"
#include "core/paint/color.h"
#include "core/paint/geometry.h"
#include "core/paint/gradient.h"

namespace zelvan::store {

using paint::TColor;

inline constexpr TColor kClNone = 0x00FFFFFF;  // default colour of a section (white)

struct TsFontColor {
  TColor Color = 0;
  TColor Left = static_cast<TColor>(-1);
  TColor Top = static_cast<TColor>(-1);
  TColor Right = static_cast<TColor>(-1);
  TColor Bottom = static_cast<TColor>(-1);

  bool operator==(const TsFontColor&) const = default;
};

// The per-state view that painting reads.
struct TsGenState {
  TColor Color = 0;
  TsFontColor FontColor;
  int32_t GradientPercent = 0;
  std::string GradientData;
  paint::TsGradArray GradientArray;
  int32_t ImagePercent = 0;
  int32_t TextureIndex = -1;
  TColor GlowColor = 0;
  uint8_t GlowSize = 0;
  int32_t Transparency = 0;

  bool operator==(const TsGenState&) const = default;
};

using TsProps = TsGenState[2];

struct TsGeneralData {
  std::string ParentClass;
  std::string ClassName;
  int32_t States = 3;
  TsProps Props;
  bool GiveOwnFont = false;
  bool ReservedBoolean = false;
  bool ShowFocus = false;
  int32_t GlowCount = 0;
  int32_t GlowMargin = 0;
  int32_t BorderIndex = -1;
  int32_t ImgTL = -1;
  int32_t ImgTR = -1;
  int32_t ImgBL = -1;
  int32_t ImgBR = -1;
  int32_t TextureNormal = -1;
  TColor Color = kClNone;
  int32_t Transparency = 0;
  int32_t GradientPercent = 0;
  std::string GradientData = " ";
  paint::TsGradArray GradientArray;
  int32_t ImagePercent = 0;
  TsFontColor FontColor;
  TColor HotColor = kClNone;
  int32_t HotTransparency = 0;
  int32_t HotGradientPercent = 0;
  std::string HotGradientData;
  paint::TsGradArray HotGradientArray;
  int32_t HotImagePercent = 0;
  TsFontColor HotFontColor;
  bool FadingEnabled = false;
  int32_t FadingIterations = 5;
  TColor HotGlowColor = kClNone;
  TColor GlowColor = kClNone;
  uint8_t HotGlowSize = 0;
  uint8_t GlowSize = 0;

  bool operator==(const TsGeneralData&) const = default;
};

enum TacImgType : int16_t { itisaBorder = 0, itisaTexture = 1, itisaGlyph = 2, itisaGlow = 3, itisaPngGlyph = 4 };

class TsSkinStore;

struct TsMaskData {
  std::unique_ptr<image::TWorkingBitmap> Bmp;  // null: the part lies in MasterBitmap
  std::string ClassName;
  std::string PropertyName;
  paint::TRect R;
  int16_t ImageCount = 0;
  int16_t MaskType = 0;
  int16_t BorderWidth = 0;
  int16_t DrawMode = 0;
  TacImgType ImgType = itisaBorder;
  const TsSkinStore* Manager = nullptr;
  int16_t WL = 0, WT = 0, WR = 0, WB = 0;
  int16_t CornerType = 0;
};

struct TsPatternData {
  std::unique_ptr<image::TJpegImage> Img;
  std::string ClassName;
  std::string PropertyName;
};

struct TsSkinData {
  std::u16string SkinPath;
  bool Active = false;
  double Version = 0;
  std::string Author;
  std::string Description;
  TColor Shadow1Color = 0;
  int16_t Shadow1Offset = 0;
  int16_t Shadow1Blur = -1;
  int16_t Shadow1Transparency = 0;
  int16_t ExBorderWidth = 4;
  int16_t ExTitleHeight = 30;
  int16_t ExMaxHeight = 30;
  int16_t ExContentOffs = 0;
  int16_t ExShadowOffs = 0;
  int16_t ExCenterOffs = 0;
  int16_t ExDrawMode = 0;
  TColor FXColor = 0;
  TColor BorderColor = 0;
  int16_t BISpacing = 0;
  int16_t BIVAlign = 0;
  int16_t BIRightMargin = 0;
  int16_t BILeftMargin = 0;
  int16_t BITopMargin = 0;
  int16_t BIKeepHUE = 0;
  int16_t BICloseGlow = 0;
  int16_t BICloseGlowMargin = 0;
  int16_t BIMaxGlow = 0;
  int16_t BIMaxGlowMargin = 0;
  int16_t BIMinGlow = 0;
  int16_t BIMinGlowMargin = 0;
  bool UseAeroBluring = false;
  TColor ExtShadowColor = 0;

  bool operator==(const TsSkinData&) const = default;
};

// 85 fields: 76 16-bit, then nine 32-bit; -1 wherever the section or part is missing.
struct TConstantSkinData {
  int16_t IndexGLobalInfo = -1;
  int16_t ExBorder = -1;
  int16_t IndexTabTop = -1, IndexTabBottom = -1, IndexTabLeft = -1, IndexTabRight = -1;
  int16_t MaskTabTop = -1, MaskTabBottom = -1, MaskTabLeft = -1, MaskTabRight = -1;
  int16_t IndexScrollTop = -1, IndexScrollBottom = -1, IndexScrollLeft = -1, IndexScrollRight = -1;
  int16_t MaskScrollTop = -1, MaskScrollBottom = -1, MaskScrollLeft = -1, MaskScrollRight = -1;
  int16_t IndexBGScrollTop = -1, IndexBGScrollBottom = -1, IndexBGScrollLeft = -1, IndexBGScrollRight = -1;
  int16_t IndexBGHotScrollTop = -1, IndexBGHotScrollBottom = -1, IndexBGHotScrollLeft = -1,
          IndexBGHotScrollRight = -1;
  int16_t MaskCloseBtn = -1, MaskCloseAloneBtn = -1, MaskMaxBtn = -1, MaskNormBtn = -1, MaskMinBtn = -1,
          MaskHelpBtn = -1;
  int16_t MaskCloseSmall = -1, MaskMaxSmall = -1, MaskNormSmall = -1, MaskMinSmall = -1, MaskHelpSmall = -1;
  int16_t MaskArrowTop = -1, MaskArrowBottom = -1, MaskArrowLeft = -1, MaskArrowRight = -1;
  int16_t IndexSliderVert = -1, IndexSliderHorz = -1;
  int16_t MaskSliderVert = -1, MaskSliderHorz = -1;
  int16_t MaskSliderGlyphVert = -1, MaskSliderGlyphHorz = -1;
  int16_t ScrollSliderBGHorz = -1, ScrollSliderBGHotHorz = -1, ScrollSliderBGVert = -1,
          ScrollSliderBGHotVert = -1;
  int16_t IndexScrollBar1H = -1, IndexScrollBar1V = -1, IndexScrollBar2H = -1, IndexScrollBar2V = -1;
  int16_t MaskScrollBar1H = -1, MaskScrollBar1V = -1, MaskScrollBar2H = -1, MaskScrollBar2V = -1;
  int16_t BGScrollBar1H = -1, BGScrollBar1V = -1, BGScrollBar2H = -1, BGScrollBar2V = -1;
  int16_t BGHotScrollBar1H = -1, BGHotScrollBar1V = -1, BGHotScrollBar2H = -1, BGHotScrollBar2V = -1;
  int16_t CheckBoxChecked = -1, CheckBoxUnChecked = -1, CheckBoxGrayed = -1;
  int16_t RadioButtonChecked = -1, RadioButtonUnChecked = -1, RadioButtonGrayed = -1;
  int16_t SmallCheckBoxChecked = -1, SmallCheckBoxUnChecked = -1, SmallCheckBoxGrayed = -1;
  int32_t ComboBtnIndex = -1, ComboBtnBorder = -1, ComboBtnBG = -1, ComboBtnBGHot = -1, ComboGlyph = -1;
  int32_t GripRightBottom = -1, GripHorizontal = -1, GripVertical = -1;
  int32_t IndexWebBtn = -1;

  bool operator==(const TConstantSkinData&) const = default;
};

}  // namespace zelvan::store
