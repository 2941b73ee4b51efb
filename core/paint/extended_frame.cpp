#include "core/paint/extended_frame.h"

#include <algorithm>
#include <cstring>
#include <utility>

#include "core/paint/frame_layout.h"

namespace zelvan::paint {

namespace {

bool Inside(const TRect& r, TPoint p) { return p.X >= r.Left && p.X < r.Right && p.Y >= r.Top && p.Y < r.Bottom; }

// A cut corner takes the shadow of its row just beside the frame, so the
// shadow runs on round the corner instead of leaving a notch.
void ShadeCutCorners(image::TWorkingBitmap& target, const TRect& frameRect, const std::vector<TRect>& cuts) {
  for (const TRect& cut : cuts) {
    const bool left = cut.Left < frameRect.Width() / 2;
    const int beside = left ? frameRect.Left - 1 : frameRect.Right;
    if (beside < 0 || beside >= target.Width()) continue;
    const TRect r = ClipToSize(OffsetRect(cut, frameRect.Left, frameRect.Top), target.Width(), target.Height());
    for (int y = r.Top; y < r.Bottom; ++y) {
      uint32_t* row = target.Row32(y);
      std::fill(row + r.Left, row + r.Right, row[beside]);
    }
  }
}

}  // namespace

int ExtendedTitleHeight(int titleHeight, int maxHeight, bool maximized) {
  return maximized && maxHeight > 0 ? maxHeight : titleHeight;
}

TRect ExtendedFrameRect(const TRect& client, int borderWidth, int titleHeight, int menuHeight) {
  return {client.Left - borderWidth, client.Top - menuHeight - titleHeight, client.Right + borderWidth,
          client.Bottom + borderWidth};
}

std::vector<TRect> SeeThroughRects(const image::TWorkingBitmap& picture) {
  std::vector<TRect> rects;
  if (picture.PixelFormat() != image::TPixelFormat::pf32bit) return rects;
  // Rects that reached the previous row, by index: a run equal to one of
  // them only grows it by a row.
  std::vector<size_t> open, next;
  for (int y = 0; y < picture.Height(); ++y) {
    const uint32_t* row = picture.Row32(y);
    next.clear();
    int x = 0;
    const int width = picture.Width();
    while (x < width) {
      if (row[x] >> 24) {
        ++x;
        continue;
      }
      const int start = x;
      while (x < width && (row[x] >> 24) == 0) ++x;
      const auto same = std::find_if(open.begin(), open.end(), [&](size_t i) {
        return rects[i].Left == start && rects[i].Right == x && rects[i].Bottom == y;
      });
      if (same != open.end()) {
        rects[*same].Bottom = y + 1;
        next.push_back(*same);
      } else {
        rects.push_back({start, y, x, y + 1});
        next.push_back(rects.size() - 1);
      }
    }
    open.swap(next);
  }
  return rects;
}

TBorderRegion MakeBorderRegion(int width, int height, const TMargins& shadow, int frameWidth, bool maximized,
                               const image::TWorkingBitmap& picture) {
  TBorderRegion region;
  if (width <= 0 || height <= 0) return region;
  if (maximized) {
    region.Whole = {shadow.Left + frameWidth, shadow.Top + 4, width - shadow.Right - frameWidth,
                    height - shadow.Bottom - frameWidth};
    if (region.Whole.IsEmpty()) region.Whole = {};
    return region;
  }
  region.Whole = {0, 0, width, height};
  region.Cut = SeeThroughRects(picture);
  return region;
}

bool MouseAboveTheShadow(TPoint point, const TMargins& shadow, int frameWidth, int frameHeight,
                         const std::vector<TRect>& cuts) {
  const TPoint inFrame{point.X - shadow.Left, point.Y - shadow.Top};
  if (!Inside({0, 0, frameWidth, frameHeight}, inFrame)) return true;
  return std::any_of(cuts.begin(), cuts.end(), [&](const TRect& cut) { return Inside(cut, inFrame); });
}

void CopyFrameOpaque(image::TWorkingBitmap& target, TPoint frameAt, const image::TWorkingBitmap& frame,
                     const std::vector<TRect>& cuts, const TRect& client) {
  if (target.PixelFormat() != image::TPixelFormat::pf32bit || frame.PixelFormat() != image::TPixelFormat::pf32bit) return;
  const TRect shown =
      ClipToSize({frameAt.X, frameAt.Y, frameAt.X + frame.Width(), frameAt.Y + frame.Height()}, target.Width(),
                 target.Height());
  if (shown.IsEmpty()) return;
  // Per row, the spans left alone (frame columns), in order; copied between them.
  std::vector<std::pair<int, int>> skipped;
  for (int y = shown.Top; y < shown.Bottom; ++y) {
    const int fy = y - frameAt.Y;
    skipped.clear();
    for (const TRect& r : cuts) {
      if (fy >= r.Top && fy < r.Bottom && r.Right > r.Left) skipped.emplace_back(r.Left, r.Right);
    }
    if (fy >= client.Top && fy < client.Bottom && client.Right > client.Left) skipped.emplace_back(client.Left, client.Right);
    std::sort(skipped.begin(), skipped.end());
    const uint32_t* source = frame.Row32(fy);
    uint32_t* row = target.Row32(y);
    int x = shown.Left - frameAt.X;
    const int end = shown.Right - frameAt.X;
    const auto copy = [&](int from, int to) {
      // The frame is opaque: painted with GDI, its alpha says nothing.
      for (int fx = std::max(from, x); fx < std::min(to, end); ++fx) row[fx + frameAt.X] = source[fx] | 0xFF000000u;
    };
    for (const auto& [left, right] : skipped) {
      copy(x, left);
      x = std::max(x, right);
    }
    copy(x, end);
  }
}

void ComposeExtendedBorder(image::TWorkingBitmap& target, const image::TWorkingBitmap* shadowTemplate,
                           const TMargins& slices, TPoint frameAt, const image::TWorkingBitmap& frame,
                           const std::vector<TRect>& cuts, const TRect& client) {
  if (target.PixelFormat() != image::TPixelFormat::pf32bit) return;
  const TRect frameRect{frameAt.X, frameAt.Y, frameAt.X + frame.Width(), frameAt.Y + frame.Height()};
  if (shadowTemplate) {
    PaintShadowFrame(target, *shadowTemplate, slices, frameRect);
    ShadeCutCorners(target, frameRect, cuts);
  } else {
    for (int y = 0; y < target.Height(); ++y) std::memset(target.Row32(y), 0, 4 * static_cast<size_t>(target.Width()));
  }
  CopyFrameOpaque(target, frameAt, frame, cuts, client);
}

TFrameCursor CursorForHitCode(int hitCode) {
  switch (hitCode) {
    case htLeft:
    case htRight:
      return TFrameCursor::SizeWE;
    case htTop:
    case htBottom:
      return TFrameCursor::SizeNS;
    case htTopLeft:
    case htBottomRight:
      return TFrameCursor::SizeNWSE;
    case htTopRight:
    case htBottomLeft:
      return TFrameCursor::SizeNESW;
    default:
      return TFrameCursor::Arrow;
  }
}

}  // namespace zelvan::paint
