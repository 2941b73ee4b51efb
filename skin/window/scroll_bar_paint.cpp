// TacScrollWnd: painting the bars and the corner between them from the skin.
#include "core/paint/block_transfer.h"
#include "core/paint/fill.h"
#include "core/paint/image_part.h"
#include "core/paint/mask_painting.h"
#include "framework/graphics/bitmap.h"
#include "skin/core/common_data.h"
#include "skin/core/skinned_windows.h"
#include "skin/paint/control_paint.h"
#include "skin/store/skin_manager.h"
#include "skin/window/scroll_bar_picture.h"
#include "skin/window/scroll_tracking.h"
#include "skin/window/scroll_wnd.h"

using zelvan::paint::TCacheInfo;
using zelvan::paint::TPoint;
using zelvan::paint::TRect;
using zelvan::paint::TScrollPart;
using zelvan::paint::TThumb;

namespace {

RECT ToRECT(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }

int PartState(TScrollPart part, const TBarLook& look) {
  if (look.Pressed == part) return 2;
  return look.Hot == part ? 1 : 0;
}

TBitmap& SizedBitmap(std::unique_ptr<TBitmap>& slot, int width, int height) {
  if (!slot) slot = std::make_unique<TBitmap>(width, height, pf32bit);
  if (slot->Width() != width || slot->Height() != height) slot->SetSize(width, height);
  return *slot;
}

}  // namespace

bool TacScrollWnd::CanPaintBars() const {
  if (Destroyed || !IsWindowVisible(CtrlHandle) || !SkinData || SkinData->Updating() || FormsLocked) return false;
  if (TControl* owner = OwnerControl(); owner && owner->ControlState().Contains(csCreating)) return false;
  return SkinManager && SkinManager->Active();
}

void TacScrollWnd::PaintFrame(HDC, WPARAM region) {
  TMessage message{WM_NCPAINT, region, 0, 0};
  CallPrevWithoutBars(message);
}

void TacScrollWnd::PaintNonClient(HDC windowDC, bool withFrame, WPARAM region) {
  if (!CanPaintBars()) return;
  if (withFrame && SkinData->BGChanged) PrepareCacheCommand();
  HDC dc = windowDC ? windowDC : GetWindowDC(CtrlHandle);
  if (!dc) return;
  if (withFrame) PaintFrame(dc, region);
  const zelvan::paint::TScrollLayout layout = Layout();
  if (sBarHorz.fScrollVisible) PaintBar(dc, sBarHorz, ToRECT(layout.Horz));
  if (sBarVert.fScrollVisible) PaintBar(dc, sBarVert, ToRECT(layout.Vert));
  if (!layout.Corner.IsEmpty()) PaintCorner(dc, ToRECT(layout.Corner));
  if (!windowDC) ReleaseDC(CtrlHandle, dc);
}

void TacScrollWnd::RepaintBar(TacScrollBar& bar) {
  if (!bar.fScrollVisible || !CanPaintBars()) return;
  HDC dc = GetWindowDC(CtrlHandle);
  if (!dc) return;
  PaintBar(dc, bar, BarRect(bar));
  ReleaseDC(CtrlHandle, dc);
}

void TacScrollWnd::PaintBar(HDC dc, TacScrollBar& bar, const RECT& rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  const bool horz = bar.Horizontal();
  const int length = horz ? width : height;
  if (!HasBarSections(*SkinManager, horz) || length <= 1 || width <= 0 || height <= 0) return;
  ++FBarPaints;
  TBitmap& picture = SizedBitmap(FBarBmp[horz ? 0 : 1], width, height);
  const TBarLook look = TScrollTracker::LookOf(*this, bar);
  TBarPicture shown;
  shown.Horizontal = horz;
  shown.Active = BarActive(bar);
  shown.Arrow = ArrowLength(bar);
  shown.Thumb = look.Dragging ? look.Thumb
                : shown.Active ? zelvan::paint::ThumbOf(bar.Range(), length, shown.Arrow, bar.nMinThumbSize)
                               : TThumb{};
  shown.Page1State = look.Pressed == zelvan::paint::spPageUp ? 2 : 0;
  shown.Page2State = look.Pressed == zelvan::paint::spPageDown ? 2 : 0;
  shown.Arrow1State = PartState(zelvan::paint::spLineUp, look);
  shown.Arrow2State = PartState(zelvan::paint::spLineDown, look);
  shown.ThumbState = PartState(zelvan::paint::spThumb, look);
  GdiFlush();
  PaintBarPicture(*SkinManager, picture.Image(), POINT{rect.left, rect.top}, BehindWindow(*SkinData, CtrlHandle), shown);
  CopyBitmapToDC(picture, dc, rect, POINT{0, 0});
}

void TacScrollWnd::PaintCorner(HDC dc, const RECT& rect) {
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  if (width <= 0 || height <= 0) return;
  TBitmap picture(width, height, pf32bit);
  const TCacheInfo behind = BehindWindow(*SkinData, CtrlHandle);
  if (behind.Ready && behind.Bmp) {
    zelvan::paint::CopyBlock(picture.Image(), {0, 0}, *behind.Bmp,
                             {behind.X + rect.left, behind.Y + rect.top, behind.X + rect.right, behind.Y + rect.bottom});
  } else {
    const zelvan::paint::TColor color =
        behind.FillColor == zelvan::paint::kKeyColor ? GetSysColor(COLOR_BTNFACE) : behind.FillColor;
    zelvan::paint::FillRect32(picture.Image(), {0, 0, width, height}, color, 255);
  }
  const int grip = SkinManager->ConstData.GripRightBottom;
  if (InTopLevelCorner() && SkinManager->IsValidImgIndex(grip)) {
    const auto& part = SkinManager->ma[static_cast<size_t>(grip)];
    TCacheInfo own;
    own.Bmp = &picture.Image();
    own.Ready = true;
    zelvan::paint::DrawMaskGlyph(picture.Image(),
                                 {width - zelvan::paint::StateWidth(part), height - zelvan::paint::StateHeight(part)},
                                 0, own, part, 1);
  }
  CopyBitmapToDC(picture, dc, rect, POINT{0, 0});
}
