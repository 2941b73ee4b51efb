#pragma once
// Where the glow around a hot control goes: its picture spans the control
// grown by the glow part's margins (pulled in by the section's glow margin),
// and is cropped on the sides where the control itself is cut by its parent,
// so no glow shows beside a hidden part. Screen coordinates.

#include "core/paint/geometry.h"

namespace zelvan::paint {

struct TGlowMargins {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

struct TGlowPlacement {
  int Width = 0, Height = 0;  // the whole picture
  TRect Crop;                 // the part of the picture shown, in its own coordinates
  TPoint Position;            // where the shown part goes on the screen
  bool Empty() const { return Crop.IsEmpty(); }
};

// control: the control's rectangle; visible: the part of it its parents show.
TGlowPlacement PlaceGlow(const TRect& control, const TRect& visible, const TGlowMargins& part, int margin);

}  // namespace zelvan::paint
