#pragma once
// What a control paints over: its parent's cached picture and where the
// control's origin lies in it, or a plain colour when there is no picture.

#include "core/image/working_bitmap.h"
#include "core/paint/color.h"

namespace zelvan::paint {

struct TCacheInfo {
  image::TWorkingBitmap* Bmp = nullptr;  // not owned
  int X = 0;                             // the child's origin inside Bmp
  int Y = 0;
  TColor FillColor = kKeyColor;  // used without a picture; the key colour means none
  bool Ready = false;            // Bmp, X and Y are valid
};

}  // namespace zelvan::paint
