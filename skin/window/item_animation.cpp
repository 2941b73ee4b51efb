#include "skin/window/item_animation.h"

#include "core/paint/block_transfer.h"
#include "framework/graphics/bitmap.h"
#include "skin/window/skin_provider.h"
#include "skin/window/title_bar.h"
#include "skin/window/title_bar_paint.h"

TacItemAnimation::TacItemAnimation(TsSkinProvider& provider, TsTitleBar& bar, TacTitleBarItem& item)
    : TacSBAnimation(provider, item.Data), FBar(bar), FItem(item) {}

// The item is painted where it lies in a copy of the band under the items,
// then cut out.
void TacItemAnimation::BuildImage() {
  const RECT r = FItem.Data.Rect;
  TBitmap* band = FProvider.TitleBand();
  if (r.right <= r.left || r.bottom <= r.top || !band || band->Empty() || r.right > band->Width() ||
      r.bottom > band->Height()) {
    return TacSBAnimation::BuildImage();
  }
  TBitmap picture(band->Width(), r.bottom, pf32bit);
  GdiFlush();
  zelvan::paint::CopyBlock(picture.Image(), {0, 0}, band->Image(), {0, 0, band->Width(), r.bottom});
  PaintTitleItem(FProvider, FBar, FItem, picture, band, State);
  if (!FImage) FImage = std::make_unique<TBitmap>();
  FImage->SetSize(r.right - r.left, r.bottom - r.top);
  GdiFlush();
  zelvan::paint::CopyBlock(FImage->Image(), {0, 0}, picture.Image(), {r.left, r.top, r.right, r.bottom});
  GdiFlush();
}
