#pragma once
// The forms an image entry of a skin description can take, told apart by
// the value alone: an external file ("!"), a glyph, border or texture cut
// from the master bitmap ("@", "^", "~" with numbers in fixed columns), a
// bitmap file (a name containing ".BMP"), or a rectangle of the master
// bitmap written "# (left,top,right,bottom) (count,mask,border,mode)".

#include <cstdint>
#include <string>
#include <string_view>

#include "core/paint/geometry.h"
#include "core/store/skin_types.h"

namespace zelvan::store {

enum class TEntryForm { efNone, efExternalFile, efGlyph, efBorder, efTexture, efBitmapFile, efRectangle };

struct TImageEntry {
  TEntryForm Form = TEntryForm::efNone;
  std::string FileName;  // the two file forms
  paint::TRect R;        // the master bitmap forms
  int ImageCount = 0;
  int MaskType = 0;
  int BorderWidth = 0;
  int DrawMode = 0;
  TacImgType ImgType = itisaBorder;
  bool HasMargins = false;
  int WL = 0, WT = 0, WR = 0, WB = 0;
};

// Throws text::EConvertError for a number that cannot be read in a fixed
// column, or in the rectangle form's border width or draw mode.
TImageEntry ParseImageEntry(std::string_view value);

// Divisors of the margin rules: an image count of 0 counts as 1 and a mask
// type of -1 as 0, so a hostile entry never divides by zero.
inline int64_t CountDivisor(int imageCount) { return imageCount == 0 ? 1 : imageCount; }
inline int64_t RowDivisor(int maskType) { return maskType == -1 ? 1 : int64_t{maskType} + 1; }

}  // namespace zelvan::store
