#pragma once
// The arithmetic of a skinned form's frame: where the caption buttons and the
// icon lie, which part of the window a point hits, where a dragged form snaps
// to the work area and where a maximised one goes. All coordinates are the
// window's own (0, 0 at its top-left corner) unless said otherwise.

#include <vector>

#include "core/paint/geometry.h"

namespace zelvan::paint {

// Hit-test codes; the numbers are the platform's.
enum THitCode : int {
  htNowhere = 0,
  htClient = 1,
  htCaption = 2,
  htSysMenu = 3,
  htMenu = 5,
  htMinButton = 8,
  htMaxButton = 9,
  htLeft = 10,
  htRight = 11,
  htTop = 12,
  htTopLeft = 13,
  htTopRight = 14,
  htBottom = 15,
  htBottomLeft = 16,
  htBottomRight = 17,
  htBorder = 18,
  htClose = 20,
  htHelp = 21,
};

// An element of the title band that answers hit tests with its own code.
struct TCaptionElement {
  int HitCode = htNowhere;
  TRect Rect;
  bool Enabled = true;
};

// What the hit test needs to know of a form.
struct TFrameGeometry {
  int Width = 0;   // the window
  int Height = 0;
  TRect Client;    // the client area
  int FrameWidth = 0;   // the sizing border, for the edge codes
  int FrameHeight = 0;
  int CaptionBottom = 0;  // where the caption band ends and the menu band begins
  bool Sizeable = false;  // a sizing frame on a form that is not maximised
  bool HasCaption = false;
  bool Minimized = false;
  TRect IconRect;
  TRect GripRect;  // empty without a size grip
  std::vector<TCaptionElement> Elements;
};

// The code of a point: caption elements first (a disabled one is client; a
// disabled maximise button is caption), then the sizing edges and corners
// within FrameWidth, then icon, menu band and caption in the header, the
// grip, the client, and the rest of the frame as border.
int FrameHitTest(const TFrameGeometry& frame, TPoint point);

// The system buttons of a title band, placed from right to left.
struct TCaptionButtonRow {
  int Right = 0;         // x where the first button's right edge goes
  int Spacing = 0;       // between big buttons
  int Height = 21;       // of every button
  int VCenter = 0;       // vertical centre of the band
  int AlignedTop = 0;    // top of buttons aligned to the top
  bool TopAligned = false;  // the skin aligns the buttons that may be to the top
};

struct TCaptionButtonSpec {
  int HitCode = htNowhere;
  int Width = 21;
  bool Visible = false;
  bool MayAlignTop = false;
  int GapBefore = 0;  // extra pixels before this button (help)
};

// Rects of the buttons in the order given (empty for those not visible); the
// x left of the last placed button (with its spacing) comes back in left.
std::vector<TRect> PlaceCaptionButtons(const TCaptionButtonRow& row, const std::vector<TCaptionButtonSpec>& buttons,
                                       int& left);

// The icon edge from the caption height: 16 above 16, 8 from 9 to 16, else 1.
int TitleIconSize(int captionHeight);

// A moved window's position after snapping to the work area's edges: right
// and bottom first, then left and top, each when closer than buffer.
TPoint SnapToWorkArea(TPoint position, int width, int height, const TRect& workArea, int buffer);

// Maximised bounds relative to the monitor: the work area grown by the frame
// width on every side, so the frame lies beyond the screen.
struct TMaximizedBounds {
  TPoint Position;
  TPoint Size;
};
TMaximizedBounds MaximizedBounds(const TRect& monitor, const TRect& workArea, int frameWidth);

}  // namespace zelvan::paint
