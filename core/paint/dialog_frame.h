#pragma once
// The rules of a skinned platform dialog's frame, from its window styles:
// its border kind, which caption buttons it shows and enables, its system
// menu's entries, where its buttons lie and what a point of its title band
// hits. Coordinates are the window's own (0, 0 at its top-left corner).

#include <cstdint>
#include <vector>

#include "core/paint/frame_layout.h"
#include "core/paint/system_menu_rules.h"

namespace zelvan::paint {

enum TacBorderStyle { acbsDialog, acbsSingle, acbsNone, acbsSizeable, acbsToolWindow, acbsSizeToolWin };

// The platform's style bits the rules read (values as the platform has them).
inline constexpr uint32_t kWsMaximizeBox = 0x00010000, kWsMinimizeBox = 0x00020000, kWsThickFrame = 0x00040000,
                          kWsSysMenu = 0x00080000, kWsCaption = 0x00C00000, kWsPopup = 0x80000000, kDsModalFrame = 0x80,
                          kWsExContextHelp = 0x400;

// A popup without the whole caption is none; then a sizing frame is sizeable,
// a modal frame a dialog, and anything else sizeable.
TacBorderStyle DialogBorderStyle(uint32_t style);

struct TDialogFacts {
  uint32_t Style = 0;  // as found before the system-menu style was taken away
  uint32_t ExStyle = 0;
  bool Minimized = false;
  bool Maximized = false;
  bool ClassNoClose = false;  // the window class forbids closing
  bool CloseGrayed = false;   // the platform's own system menu has Close disabled or removed
  TacBorderStyle Border() const { return DialogBorderStyle(Style); }
};

bool VisibleClose(const TDialogFacts& f);
bool VisibleHelp(const TDialogFacts& f);
bool VisibleMax(const TDialogFacts& f);
bool VisibleMin(const TDialogFacts& f);
bool VisibleRestore(const TDialogFacts& f);
// Also false when the platform disabled Close for the box (a box without a
// Cancel answer): closing it would give an answer the caller never offered.
bool EnabledClose(const TDialogFacts& f);
bool EnabledMax(const TDialogFacts& f);
bool EnabledMin(const TDialogFacts& f);
bool EnabledRestore(const TDialogFacts& f);
// The entries of the dialog's own system menu; Close is enabled by EnabledClose.
TSysMenuState DialogSysMenuState(const TDialogFacts& f);

// Big buttons (the form's parts) for single and sizeable borders, small ones otherwise.
bool DialogBigButtons(TacBorderStyle border);

// The caption buttons' rects in the order close, maximise, minimise, help
// (empty for a button not shown), placed from right to left.
struct TDialogButtonRow {
  int Right = 0;         // x of the first button's right edge
  int Spacing = 0;       // between buttons
  int BandHeight = 0;    // border plus caption height
  int TopAlignedY = -1;  // top of the buttons that align to the top; negative: centred in the band
  int Widths[4] = {21, 21, 21, 21};
  int Heights[4] = {21, 21, 21, 21};
};
std::vector<TRect> DialogButtonRects(const TDialogFacts& f, const TDialogButtonRow& row);

// What the skinned frame answers for a point; htNowhere (0) and htCaption
// leave the answer to the platform's procedure.
struct TDialogHitFacts {
  int Width = 0, Height = 0;
  int FrameWidth = 0;
  int BandTop = 0, BandHeight = 0;  // the rows the close button spans
  int IconWidth = 16;
  std::vector<TRect> Buttons;  // as DialogButtonRects
};
inline constexpr int htTransparent = -1;
int DialogHitTest(const TDialogFacts& f, const TDialogHitFacts& frame, TPoint point);

}  // namespace zelvan::paint
