#include "core/paint/glow_geometry.h"

#include <algorithm>

namespace zelvan::paint {

TGlowPlacement PlaceGlow(const TRect& control, const TRect& visible, const TGlowMargins& part, int margin) {
  TGlowPlacement p;
  p.Width = std::max(0, control.Width() + part.Left + part.Right - 2 * margin);
  p.Height = std::max(0, control.Height() + part.Top + part.Bottom - 2 * margin);
  // Each side cut by the parent loses the glow's reach beyond the control
  // plus the hidden strip of the control.
  const auto crop = [margin](int reach, int hidden) { return hidden > 0 ? std::max(0, reach + hidden - margin) : 0; };
  const int left = crop(part.Left, visible.Left - control.Left);
  const int top = crop(part.Top, visible.Top - control.Top);
  const int right = crop(part.Right, control.Right - visible.Right);
  const int bottom = crop(part.Bottom, control.Bottom - visible.Bottom);
  p.Crop = {std::min(left, p.Width), std::min(top, p.Height), std::max(0, p.Width - right),
            std::max(0, p.Height - bottom)};
  if (p.Crop.Right < p.Crop.Left) p.Crop.Right = p.Crop.Left;
  if (p.Crop.Bottom < p.Crop.Top) p.Crop.Bottom = p.Crop.Top;
  p.Position = {control.Left + margin - part.Left + p.Crop.Left, control.Top + margin - part.Top + p.Crop.Top};
  return p;
}

}  // namespace zelvan::paint
