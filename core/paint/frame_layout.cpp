#include "core/paint/frame_layout.h"

#include <cstdlib>

namespace zelvan::paint {
namespace {

bool Inside(const TRect& r, TPoint p) { return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom; }

int EdgeCode(const TFrameGeometry& frame, TPoint p) {
  const bool left = p.X < frame.FrameWidth;
  const bool right = p.X >= frame.Width - frame.FrameWidth;
  const bool top = p.Y < frame.FrameHeight;
  const bool bottom = p.Y >= frame.Height - frame.FrameHeight;
  if (top) return left ? htTopLeft : right ? htTopRight : htTop;
  if (bottom) return left ? htBottomLeft : right ? htBottomRight : htBottom;
  if (left) return htLeft;
  if (right) return htRight;
  return htNowhere;
}

}  // namespace

int FrameHitTest(const TFrameGeometry& frame, TPoint point) {
  if (point.X < 0 || point.Y < 0 || point.X >= frame.Width || point.Y >= frame.Height) return htNowhere;
  for (const TCaptionElement& element : frame.Elements) {
    if (!Inside(element.Rect, point)) continue;
    if (element.Enabled) return element.HitCode;
    return element.HitCode == htMaxButton ? htCaption : htClient;
  }
  if (frame.Sizeable) {
    if (const int edge = EdgeCode(frame, point)) return edge;
  }
  if (point.Y < frame.Client.Top || frame.Minimized) {
    if (!frame.HasCaption) return htBorder;
    if (point.Y >= frame.CaptionBottom && !frame.Minimized) return htMenu;
    if (Inside(frame.IconRect, point)) return htSysMenu;
    return htCaption;
  }
  if (Inside(frame.GripRect, point)) return htBottomRight;
  if (Inside(frame.Client, point)) return htClient;
  return htBorder;
}

std::vector<TRect> PlaceCaptionButtons(const TCaptionButtonRow& row, const std::vector<TCaptionButtonSpec>& buttons,
                                       int& left) {
  std::vector<TRect> rects(buttons.size());
  int x = row.Right;
  for (size_t i = 0; i < buttons.size(); ++i) {
    const TCaptionButtonSpec& button = buttons[i];
    if (!button.Visible) continue;
    x -= button.GapBefore;
    const int top = button.MayAlignTop && row.TopAligned ? row.AlignedTop : row.VCenter - row.Height / 2;
    rects[i] = {x - button.Width, top, x, top + row.Height};
    x = rects[i].Left - row.Spacing;
  }
  left = x;
  return rects;
}

int TitleIconSize(int captionHeight) {
  if (captionHeight > 16) return 16;
  if (captionHeight >= 9) return 8;
  return 1;
}

TPoint SnapToWorkArea(TPoint position, int width, int height, const TRect& workArea, int buffer) {
  if (std::abs(position.X + width - workArea.Right) < buffer) position.X = workArea.Right - width;
  if (std::abs(position.Y + height - workArea.Bottom) < buffer) position.Y = workArea.Bottom - height;
  if (std::abs(position.X - workArea.Left) < buffer) position.X = workArea.Left;
  if (std::abs(position.Y - workArea.Top) < buffer) position.Y = workArea.Top;
  return position;
}

TMaximizedBounds MaximizedBounds(const TRect& monitor, const TRect& workArea, int frameWidth) {
  return {{workArea.Left - monitor.Left - frameWidth, workArea.Top - monitor.Top - frameWidth},
          {workArea.Width() + 2 * frameWidth, workArea.Height() + 2 * frameWidth}};
}

}  // namespace zelvan::paint
