#pragma once
// The selected item's label of a list or tree drawn in the skin's look, over
// what the platform drew there: the "SELECTION" section (else the skin's
// highlight colour, highlight text and a focus rectangle while focused),
// blended with the control's colour when the control is disabled.

#include <windows.h>

#include <string>

#include "framework/graphics/font.h"
#include "framework/graphics/color.h"

class TsSkinManager;

struct TSelectionLabel {
  RECT Rect{};          // on the control's context
  std::wstring Text;
  RECT TextRect{};      // inside the label
  UINT Format = 0;      // text flags
  bool Focused = false;     // the control has the focus: the lit state
  bool FocusState = false;  // the item has the focus: the highlight colour's kind
  bool Enabled = true;
  TColor Background = clWindow;  // the control's colour
};

// Returns false when there was nothing to draw (empty label, no manager).
bool PaintSelectionLabel(HDC dc, const TSelectionLabel& label, TFont& font, TsSkinManager* manager);
