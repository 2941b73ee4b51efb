#include "skin/controls/bit_btn.h"

#include <algorithm>

#include "core/paint/mask_painting.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/image_list.h"
#include "skin/core/skin_messages.h"
#include "skin/paint/skinned_text.h"
#include "skin/store/skin_manager.h"

namespace {

bool Loading(const TComponent& c) { return c.ComponentState().Contains(csLoading); }

}  // namespace

TsBitBtn::TsBitBtn(TComponent* owner) : TBitBtn(owner), SkinData(this, true), FFace(*this, SkinData, *this) {
  ControlStyle().Exclude(csOpaque);
  SkinData.COC = 94;
  FFace.UiStateAnswer = 0;
  SetWordWrap(true);
}

TsBitBtn::~TsBitBtn() { FFace.StopAnimation(); }

// ---------------------------------------------------------------- setters

void TsBitBtn::Changed() {
  if (!Loading(*this)) SkinData.Invalidate();
}

void TsBitBtn::ButtonLookChanged() { Changed(); }

void TsBitBtn::Invalidate() {
  // Layout, margin, spacing and glyph setters come here: the cache is stale.
  SkinData.BGChanged = true;
  TBitBtn::Invalidate();
}

void TsBitBtn::SetAlignment(TAlignment value) {
  if (StoreChanged(FAlignment, value)) Changed();
}
void TsBitBtn::SetBlend(int value) {
  if (StoreChanged(FBlend, std::clamp(value, 0, 100))) Changed();
}
void TsBitBtn::SetDisabledGlyphKind(TsDisabledGlyphKind value) {
  if (StoreChanged(FDisabledGlyphKind, value)) Changed();
}
void TsBitBtn::SetDisabledKind(zelvan::paint::TsDisabledKind value) {
  if (StoreChanged(FDisabledKind, value)) Changed();
}
void TsBitBtn::SetDown(bool value) {
  if (!StoreChanged(FDown, value)) return;
  FFace.RegionChanged = true;
  FFace.Repaint();
}
void TsBitBtn::SetGrayed(bool value) {
  if (StoreChanged(FGrayed, value)) Changed();
}
void TsBitBtn::SetReflected(bool value) {
  if (StoreChanged(FReflected, value)) Changed();
}
void TsBitBtn::SetShowCaption(bool value) {
  if (StoreChanged(FShowCaption, value)) Changed();
}
void TsBitBtn::SetShowFocus(bool value) {
  if (StoreChanged(FShowFocus, value)) Changed();
}
void TsBitBtn::SetDrawOverBorder(bool value) {
  if (StoreChanged(FDrawOverBorder, value)) Changed();
}
void TsBitBtn::SetTextOffset(int value) {
  if (StoreChanged(FTextOffset, value)) Changed();
}
void TsBitBtn::SetTextAlignment(TAlignment value) {
  if (StoreChanged(FTextAlignment, value)) Changed();
}

// ---------------------------------------------------------------- layout

int TsBitBtn::CurrentState() {
  if (FFace.Pushed() || FDown) return 2;
  if (SkinData.IsHot()) return 1;
  return Default() ? 3 : 0;
}

bool TsBitBtn::ValidListGlyph() const {
  return Images() && Images()->Count() > 0 && ImageIndex() >= 0 && ImageIndex() < Images()->Count();
}

SIZE TsBitBtn::GlyphSize() {
  const int count = std::max(NumGlyphs(), 1);
  if (ValidListGlyph()) return SIZE{Images()->Width() / count, Images()->Height()};
  if (Glyph().Width() > 0 && Glyph().Height() > 0) return SIZE{Glyph().Width() / count, Glyph().Height()};
  return SIZE{0, 0};
}

SIZE TsBitBtn::CaptionSize(TCanvas& canvas) {
  const std::wstring caption = Text();
  if (!FShowCaption || caption.empty()) return SIZE{0, 0};
  int limit = Width() - 2 * Margin();
  const SIZE glyph = GlyphSize();
  if ((TBitBtn::Layout() == blGlyphLeft || TBitBtn::Layout() == blGlyphRight) && glyph.cx != 0) {
    limit -= glyph.cx + Spacing();
  }
  RECT r{0, 0, std::max(limit, 0), 0};
  canvas.TextRect(r, caption,
                  DT_CALCRECT | DT_EXPANDTABS | AlignmentTextFlag(FTextAlignment) | (WordWrap() ? DT_WORDBREAK : 0));
  return SIZE{r.right - r.left, r.bottom - r.top};
}

void TsBitBtn::Layout(TCanvas& canvas) {
  const SIZE glyph = GlyphSize(), text = CaptionSize(canvas);
  zelvan::paint::TBitBtnLayoutInput in;
  in.Client = {0, 0, Width(), Height()};
  in.GlyphWidth = glyph.cx, in.GlyphHeight = glyph.cy;
  in.TextWidth = text.cx, in.TextHeight = text.cy;
  in.RightToLeft = HandleAllocated() && (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING);
  in.Spacing = Spacing(), in.Margin = Margin();
  in.Alignment = FAlignment == taLeftJustify    ? zelvan::paint::haLeft
                 : FAlignment == taRightJustify ? zelvan::paint::haRight
                                                : zelvan::paint::haCenter;
  in.Layout = static_cast<zelvan::paint::TGlyphSide>(TBitBtn::Layout());
  const zelvan::paint::TGlyphPlace place = zelvan::paint::BitBtnLayout(in);
  FGlyphPos = {place.Glyph.X, place.Glyph.Y};
  FCaptionRect = {place.Caption.Left, place.Caption.Top, place.Caption.Right, place.Caption.Bottom};
}

RECT TsBitBtn::ImgRect(int state) {
  const SIZE glyph = GlyphSize();
  RECT r{FGlyphPos.x, FGlyphPos.y, FGlyphPos.x + glyph.cx, FGlyphPos.y + glyph.cy};
  if (state == 2) OffsetRect(&r, 1, 1);
  if (FReflected) OffsetRect(&r, 0, -glyph.cx / 6);
  return r;
}

// ---------------------------------------------------------------- painting

void TsBitBtn::DrawCaption(TCanvas& canvas, int state) {
  const std::wstring caption = Text();
  RECT r = FCaptionRect;
  if (state == 2) OffsetRect(&r, 1, 1);
  UINT flags = AlignmentTextFlag(FTextAlignment) | DT_END_ELLIPSIS | DT_EXPANDTABS | (WordWrap() ? DT_WORDBREAK : 0);
  if (HandleAllocated() && (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING)) flags |= DT_RTLREADING;
  canvas.Brush().SetStyle(bsClear);
  WriteTextEx(canvas, caption, Enabled(), state > 0 ? 1 : 0, &SkinData, flags, r);
  const auto* section = SkinData.Section();
  if (Enabled() && Focused() && !caption.empty() && section && section->ShowFocus && FShowFocus && FShowCaption) {
    DrawButtonFocus(canvas, r, FFocusMargin);
  }
}

void TsBitBtn::DrawGlyph(int state) {
  TsGlyphParams params;
  params.SkinData = &SkinData;
  params.Glyph = ValidListGlyph() ? nullptr : &Glyph();
  params.Images = Images();
  params.ImageIndex = ImageIndex();
  params.ImgRect = ImgRect(state);
  params.NumGlyphs = NumGlyphs();
  params.Blend = FBlend;
  params.Down = FDown;
  params.Grayed = FGrayed;
  params.State = state;
  params.DisabledGlyphKind = FDisabledGlyphKind;
  params.Reflected = FReflected;
  params.Enabled = Enabled();
  params.Width = Width();
  params.Height = Height();
  DrawBtnGlyph(params, nullptr);
}

bool TsBitBtn::PrepareCache() {
  zelvan::paint::TCacheInfo behind;
  const int state = CurrentState();
  if (!PaintButtonBackground(SkinData, *this, Font(), state, behind)) return false;
  if (FDrawOverBorder) FFace.BuildRegion(state);
  TBitmap* cache = SkinData.CacheBmp();
  Layout(cache->Canvas());
  if (FShowCaption) DrawCaption(cache->Canvas(), state);
  DrawGlyph(state);
  const auto* mask = ButtonBorderMask(SkinData);
  const int painted = ButtonPaintedState(SkinData, state);
  if (!FDrawOverBorder && mask && (painted > 0 || !(mask->DrawMode & 2))) {
    // The frame over the content.
    GdiFlush();
    zelvan::paint::DrawMaskRect(cache->Image(), {0, 0, cache->Width(), cache->Height()}, true, painted, *mask, behind);
    FFace.BuildRegion(state);
  }
  if (!Enabled()) PaintButtonDisabled(SkinData, *this, FDisabledKind, behind);
  FOldSpacing = Spacing();
  if (OnPaint) OnPaint(this, *cache);
  SkinData.BGChanged = false;
  return true;
}

// ---------------------------------------------------------------- messages

void TsBitBtn::WndProc(TMessage& message) {
  if (message.Msg == WM_SETTEXT && SkinData.Skinned() && Visible() && HandleAllocated()) {
    FFace.StopAnimation();
    SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
    TBitBtn::WndProc(message);
    SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
    SkinData.Invalidate();
    return;
  }
  if (FFace.Dispatch(message)) return;
  TBitBtn::WndProc(message);
  SkinData.CommonMessage(message);
}
