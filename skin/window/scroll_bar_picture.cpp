#include "skin/window/scroll_bar_picture.h"

#include <algorithm>

#include "core/paint/color_tone.h"
#include "core/paint/image_part.h"
#include "core/paint/item_paint.h"
#include "core/paint/keyed_copy.h"
#include "core/paint/mask_painting.h"
#include "skin/core/common_data.h"
#include "skin/paint/control_paint.h"
#include "skin/store/skin_manager.h"

using zelvan::paint::TCacheInfo;
using zelvan::paint::TPoint;
using zelvan::paint::TRect;

namespace {

// The sections of one direction, as the skin's constant indexes give them.
struct TBarSections {
  int Page1, Page1Frame, Page1Texture, Page1HotTexture;
  int Page2, Page2Frame, Page2Texture, Page2HotTexture;
  int Arrow1, Arrow1Frame, Arrow1Texture, Arrow1HotTexture, Arrow1Glyph;
  int Arrow2, Arrow2Frame, Arrow2Texture, Arrow2HotTexture, Arrow2Glyph;
  int Thumb, ThumbFrame, ThumbTexture, ThumbHotTexture, ThumbGlyph;
};

TBarSections SectionsOf(const zelvan::store::TConstantSkinData& c, bool horz) {
  if (horz) {
    return {c.IndexScrollBar1H, c.MaskScrollBar1H, c.BGScrollBar1H, c.BGHotScrollBar1H,
            c.IndexScrollBar2H, c.MaskScrollBar2H, c.BGScrollBar2H, c.BGHotScrollBar2H,
            c.IndexScrollLeft,  c.MaskScrollLeft,  c.IndexBGScrollLeft, c.IndexBGHotScrollLeft, c.MaskArrowLeft,
            c.IndexScrollRight, c.MaskScrollRight, c.IndexBGScrollRight, c.IndexBGHotScrollRight, c.MaskArrowRight,
            c.IndexSliderHorz,  c.MaskSliderHorz,  c.ScrollSliderBGHorz, c.ScrollSliderBGHotHorz, c.MaskSliderGlyphHorz};
  }
  return {c.IndexScrollBar1V, c.MaskScrollBar1V, c.BGScrollBar1V, c.BGHotScrollBar1V,
          c.IndexScrollBar2V, c.MaskScrollBar2V, c.BGScrollBar2V, c.BGHotScrollBar2V,
          c.IndexScrollTop,   c.MaskScrollTop,   c.IndexBGScrollTop, c.IndexBGHotScrollTop, c.MaskArrowTop,
          c.IndexScrollBottom, c.MaskScrollBottom, c.IndexBGScrollBottom, c.IndexBGHotScrollBottom, c.MaskArrowBottom,
          c.IndexSliderVert,  c.MaskSliderVert,  c.ScrollSliderBGVert, c.ScrollSliderBGHotVert, c.MaskSliderGlyphVert};
}

// One bar's picture: its rect in the window is `at`, what lies behind the
// window is `behind`.
class TBarPainter {
 public:
  TBarPainter(TsSkinManager& manager, zelvan::image::TWorkingBitmap& image, POINT at, bool horz,
              const TCacheInfo& behind)
      : FManager(manager), FImage(image), FAt(at), FHorz(horz), FBehind(behind) {}

  TRect Span(int from, int to) const {
    return FHorz ? TRect{from, 0, to, FImage.Height()} : TRect{0, from, FImage.Width(), to};
  }
  void Item(int index, int frame, int texture, int hotTexture, const TRect& r, int state) {
    if (r.IsEmpty()) return;
    zelvan::paint::PaintWrapperItem(index, frame, texture, &FManager, FImage,
                                    TPoint{FAt.x + r.Left, FAt.y + r.Top}, r, state, FBehind, {}, hotTexture);
  }
  // A glyph centred in r.
  void Glyph(int mask, const TRect& r, int state) {
    if (!FManager.IsValidImgIndex(mask) || r.IsEmpty()) return;
    const auto& part = FManager.ma[static_cast<size_t>(mask)];
    const int w = zelvan::paint::StateWidth(part), h = zelvan::paint::StateHeight(part);
    TCacheInfo own;
    own.Bmp = &FImage;
    own.Ready = true;
    zelvan::paint::DrawMaskGlyph(FImage, {r.Left + (r.Width() - w) / 2, r.Top + (r.Height() - h) / 2}, state, own,
                                 part, 1);
  }
  // An inactive bar lets the parent show through.
  void Fade() {
    GdiFlush();
    const TRect whole{0, 0, FImage.Width(), FImage.Height()};
    if (FBehind.Ready && FBehind.Bmp) {
      zelvan::paint::BlendFromSource(FImage, 0, 0, zelvan::paint::kKeyColor, 0.4,
                                     zelvan::paint::OffsetRect(whole, FBehind.X + FAt.x, FBehind.Y + FAt.y),
                                     *FBehind.Bmp);
    } else if (FBehind.FillColor != zelvan::paint::kKeyColor) {
      zelvan::paint::BlendRectWithColor(FImage, {0, 0, whole.Right - 1, whole.Bottom - 1}, 60, FBehind.FillColor);
    }
  }

 private:
  TsSkinManager& FManager;
  zelvan::image::TWorkingBitmap& FImage;
  POINT FAt;
  bool FHorz;
  TCacheInfo FBehind;
};

}  // namespace

bool HasBarSections(const TsSkinManager& manager, bool horizontal) {
  return manager.IsValidSkinIndex(SectionsOf(manager.ConstData, horizontal).Page1);
}

void PaintBarPicture(TsSkinManager& manager, zelvan::image::TWorkingBitmap& image, POINT at, const TCacheInfo& behind,
                     const TBarPicture& bar) {
  const TBarSections s = SectionsOf(manager.ConstData, bar.Horizontal);
  const int length = bar.Horizontal ? image.Width() : image.Height();
  if (!manager.IsValidSkinIndex(s.Page1) || length <= 1 || image.Width() <= 0 || image.Height() <= 0) return;
  TBarPainter painter(manager, image, at, bar.Horizontal, behind);
  const int page2 = manager.IsValidSkinIndex(s.Page2) ? s.Page2 : s.Page1;
  if (2 * bar.Arrow >= length) {
    // Too short for a track: each half is a page and its arrow.
    const int half = length / 2;
    painter.Item(s.Page1, s.Page1Frame, s.Page1Texture, s.Page1HotTexture, painter.Span(0, half), 0);
    painter.Item(s.Arrow1, s.Arrow1Frame, s.Arrow1Texture, s.Arrow1HotTexture, painter.Span(0, half), 0);
    painter.Item(page2, s.Page2Frame, s.Page2Texture, s.Page2HotTexture, painter.Span(half, length), 0);
    painter.Item(s.Arrow2, s.Arrow2Frame, s.Arrow2Texture, s.Arrow2HotTexture, painter.Span(half, length), 0);
  } else {
    const int centre = bar.Thumb.Visible() ? bar.Thumb.Start + bar.Thumb.Length / 2 : length / 2;
    painter.Item(s.Page1, s.Page1Frame, s.Page1Texture, s.Page1HotTexture, painter.Span(0, centre), bar.Page1State);
    painter.Item(page2, s.Page2Frame, s.Page2Texture, s.Page2HotTexture, painter.Span(centre, length),
                 bar.Page2State);
    // Each glyph sits in a square of the platform's arrow size at the bar's outer end.
    const int square = std::min(GetSystemMetrics(SM_CXHSCROLL), bar.Arrow);
    painter.Item(s.Arrow1, s.Arrow1Frame, s.Arrow1Texture, s.Arrow1HotTexture, painter.Span(0, bar.Arrow),
                 bar.Arrow1State);
    painter.Glyph(s.Arrow1Glyph, painter.Span(0, square), bar.Arrow1State);
    painter.Item(s.Arrow2, s.Arrow2Frame, s.Arrow2Texture, s.Arrow2HotTexture, painter.Span(length - bar.Arrow, length),
                 bar.Arrow2State);
    painter.Glyph(s.Arrow2Glyph, painter.Span(length - square, length), bar.Arrow2State);
    if (bar.Thumb.Visible()) {
      const TRect r = painter.Span(bar.Thumb.Start, bar.Thumb.Start + bar.Thumb.Length);
      painter.Item(s.Thumb, s.ThumbFrame, s.ThumbTexture, s.ThumbHotTexture, r, bar.ThumbState);
      painter.Glyph(s.ThumbGlyph, r, bar.ThumbState);
    }
  }
  if (!bar.Active) painter.Fade();
}

TCacheInfo BehindWindow(TsCommonData& data, HWND window) {
  TCacheInfo behind;
  if (data.OwnerControl()) {
    data.GetParentCache(behind);
  } else {
    behind = WindowParentCache(window);
  }
  return behind;
}
