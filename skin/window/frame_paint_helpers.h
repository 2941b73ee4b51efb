#pragma once
// Painting helpers of a skinned window frame, shared by the form provider and
// the platform-dialog wrapper: image parts by index, the region from cut-out
// rects, the window's small icon, the caption font, the title band and the
// caption plate painted into a frame's cache.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "core/paint/color.h"
#include "core/paint/geometry.h"
#include "core/image/working_bitmap.h"
#include "core/store/skin_types.h"

class TBitmap;
class TFont;
class TsSkinManager;

namespace frame_paint {

// Width of a caption button where its part is missing.
inline constexpr int kMissingButton = 21;

const zelvan::store::TsMaskData* Part(const TsSkinManager* manager, int index);
// One state image of a part; kMissingButton without one.
int PartWidth(const TsSkinManager* manager, int index);
int PartHeight(const TsSkinManager* manager, int index);

RECT ToRect(const zelvan::paint::TRect& r);
zelvan::paint::TRect FromRect(const RECT& r);

// The image parts of the caption buttons: big ones (the form's) or small
// ones, falling back to big where the skin has no small close; a lone close
// has a part of its own where the skin has one. A button that stands for
// restore (maximise while maximised, with minimisedRestores minimise while
// minimised) takes the restore part.
struct TCaptionParts {
  int Close = -1, Max = -1, Min = -1, Help = -1;
  bool Big = false;
};
TCaptionParts CaptionButtonParts(const TsSkinManager& manager, bool big, bool showMax, bool showMin, bool maximized,
                                 bool minimisedRestores);

// The rects as one region; null for none.
HRGN RectsRegion(const std::vector<zelvan::paint::TRect>& rects);

// The window's small icon, else its class icons, else the platform's application icon.
HICON SmallIcon(HWND window);

// The platform's caption font, in the default character set.
void UseCaptionFont(TFont& font);

// The title section over band of the cache, its see-through parts showing
// the picture beneath; that picture (a copy of the band as it was) comes back.
std::unique_ptr<zelvan::image::TWorkingBitmap> PaintTitleBand(TsSkinManager* manager, int titleIndex,
                                                              const std::string& titleName, TBitmap& cache,
                                                              const zelvan::paint::TRect& band, int state,
                                                              zelvan::paint::TColor fill);

// The "CAPTION" plate under a caption text rectangle, when the skin has one.
void PaintCaptionPlate(TsSkinManager* manager, int plateIndex, TBitmap& cache, const RECT& textRect, int state,
                       zelvan::paint::TColor fill);

// The caption glow of a title section for a frame's state: an active frame
// (state above 0) takes the section's hot glow where it has two states.
// Size 0: no glow.
struct TCaptionGlow {
  int Size = 0;
  zelvan::paint::TColor Color = 0;
  bool Hot = false;
};
TCaptionGlow CaptionGlow(const TsSkinManager* manager, int titleIndex, int state);

}  // namespace frame_paint
