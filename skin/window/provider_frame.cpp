// TsSkinProvider: the picture of the form in its cache bitmap (background,
// title band, icon, caption, grip), the window region and the hit test.
#include <algorithm>
#include <climits>

#include "core/image/bitmap32.h"
#include "core/paint/alpha_blend.h"
#include "core/paint/block_transfer.h"
#include "core/paint/caption_layout.h"
#include "core/paint/color_mix.h"
#include "core/paint/fill.h"
#include "core/paint/frame_region.h"
#include "core/paint/image_part.h"
#include "core/paint/item_paint.h"
#include "core/paint/mask_painting.h"
#include "core/paint/system_menu_rules.h"
#include "framework/forms/custom_form.h"
#include "framework/system/flag_scope.h"
#include "skin/paint/control_paint.h"
#include "skin/store/skin_manager.h"
#include "skin/window/frame_paint_helpers.h"
#include "skin/window/skin_provider.h"
#include "skin/window/title_bar.h"
#include "skin/window/system_menu.h"

using zelvan::paint::TCacheInfo;
using zelvan::paint::TRect;

using frame_paint::FromRect;
using frame_paint::Part;
using frame_paint::PartHeight;
using frame_paint::PartWidth;
using frame_paint::RectsRegion;
using frame_paint::SmallIcon;
using frame_paint::ToRect;
using frame_paint::UseCaptionFont;

bool TsSkinProvider::IconVisible() const {
  const TFormBorderStyle style = FForm->BorderStyle();
  return TitleIcon.Visible() && ShowAppIcon && (style == bsSingle || style == bsSizeable) && FormHasSysMenu();
}

bool TsSkinProvider::PlainBackground() const { return (SkinData.CtrlSkinState & kStatePlain) != 0; }

// ---------------------------------------------------------------- layout

void TsSkinProvider::CalcItems() {
  const TsSkinManager* manager = SkinData.SkinManager();
  if (!manager || !manager->SkinData || !FForm->HandleAllocated()) return;
  const zelvan::store::TsSkinData& info = *manager->SkinData;
  const TFactsScope facts(*this);
  const bool maximized = Facts().Zoomed();
  const int frame = FrameWidth();
  const int caption = CaptionHeight();
  // The extended title band is the skin's own: its centre moved by the skin's
  // offset; a maximised one loses its top 4 rows to the border window's region.
  const bool extended = ExBorders();
  FVCenter = extended ? caption / 2 + info.ExCenterOffs + (maximized ? 2 : 0)
                      : caption / 2 + frame / 2 + (maximized ? 2 : 0);

  const int iconLeft = frame + info.BILeftMargin;
  const int iconSize = zelvan::paint::TitleIconSize(caption);
  const int iconWidth = TitleIcon.Width() > 0 ? TitleIcon.Width() : iconSize;
  const int iconHeight = TitleIcon.Height() > 0 ? TitleIcon.Height() : iconSize;
  FIconRect = IconVisible()
                  ? RECT{iconLeft, FVCenter - iconHeight / 2, iconLeft + iconWidth, FVCenter - iconHeight / 2 + iconHeight}
                  : RECT{iconLeft, 0, iconLeft, 0};

  const TFormBorderStyle style = FForm->BorderStyle();
  const TBorderIcons icons = FForm->BorderIcons();
  const bool sysMenu = FormHasSysMenu() && HasCaption();
  const bool framed = style == bsSingle || style == bsSizeable;
  // The boxes the system-menu rules show (a minimised form shows both).
  const zelvan::paint::TSysMenuFacts menuFacts = SysMenuFacts(*FForm);
  const bool showMax = sysMenu && zelvan::paint::VisibleMax(menuFacts);
  const bool showMin = sysMenu && zelvan::paint::VisibleMin(menuFacts);
  const frame_paint::TCaptionParts chosen =
      frame_paint::CaptionButtonParts(*manager, framed, showMax, showMin, maximized, false);
  const bool big = chosen.Big;
  const int closePart = chosen.Close, maxPart = chosen.Max, minPart = chosen.Min, helpPart = chosen.Help;

  zelvan::paint::TCaptionButtonRow row;
  row.Right = CaptionWidth() - info.BIRightMargin - frame;
  row.Spacing = big ? info.BISpacing : 0;
  row.Height = PartHeight(manager, closePart);
  row.VCenter = FVCenter;
  row.AlignedTop = maximized ? (extended ? 4 : 7) : 0;
  row.TopAligned = info.BIVAlign == 1;
  const std::vector<zelvan::paint::TCaptionButtonSpec> specs = {
      {zelvan::paint::htClose, PartWidth(manager, closePart), sysMenu, big, 0},
      {zelvan::paint::htMaxButton, PartWidth(manager, maxPart), showMax, big, 0},
      {zelvan::paint::htMinButton, PartWidth(manager, minPart), showMin, big, 0},
      {zelvan::paint::htHelp, PartWidth(manager, helpPart), sysMenu && icons.Contains(biHelp), false, 6}};
  int left = row.Right;
  const std::vector<TRect> rects = zelvan::paint::PlaceCaptionButtons(row, specs, left);
  TsCaptionButton* buttons[] = {&ButtonClose, &ButtonMax, &ButtonMin, &ButtonHelp};
  const int parts[] = {closePart, maxPart, minPart, helpPart};
  for (size_t i = 0; i < 4; ++i) {
    buttons[i]->HitCode = specs[i].HitCode;
    buttons[i]->Rect = ToRect(rects[i]);
    buttons[i]->ImageIndex = specs[i].Visible ? parts[i] : -1;
    buttons[i]->HaveAlignment = specs[i].MayAlignTop;
  }
  ButtonClose.Enabled = true;
  ButtonMax.Enabled = showMax;
  ButtonMin.Enabled = showMin && !Facts().Iconic();
  ButtonHelp.Enabled = true;

  // The user's buttons after a gap, as wide as their glyphs need and at
  // least as the skin's picture; no spacing between them.
  const int userPart = manager->GetMaskIndex("GLOBALINFO", "TITLEBUTTON");
  std::vector<zelvan::paint::TCaptionButtonSpec> userSpecs;
  bool first = true;
  for (int i = 0; i < TitleButtons.Count(); ++i) {
    const TsTitleButton& user = *TitleButtons.Items(i);
    const bool shown = user.Visible() && HasCaption();
    userSpecs.push_back({kTitleButtonCodeFirst + i, std::max(user.Glyph().Width() + 2, PartWidth(manager, userPart)),
                         shown, false, shown && first ? 6 : 0});
    if (shown) first = false;
  }
  zelvan::paint::TCaptionButtonRow userRow = row;
  userRow.Right = left;
  userRow.Spacing = 0;
  const std::vector<TRect> userRects = zelvan::paint::PlaceCaptionButtons(userRow, userSpecs, left);
  for (int i = 0; i < TitleButtons.Count(); ++i) {
    TsTitleButton& user = *TitleButtons.Items(i);
    const size_t at = static_cast<size_t>(i);
    user.Data.HitCode = userSpecs[at].HitCode;
    user.Data.Rect = ToRect(userRects[at]);
    user.Data.ImageIndex = userSpecs[at].Visible && user.UseSkinData() ? userPart : -1;
    user.Data.HaveAlignment = false;
    user.Data.Enabled = user.Enabled();
    if (!userSpecs[at].Visible) user.Data.State = 0;
  }

  int textLeft = frame + (IconVisible() ? iconWidth : 0) + info.BILeftMargin + 4;
  if (manager->IsValidSkinIndex(CaptionSkinIndex())) textLeft += 2;
  int textRight = std::max(textLeft, left - 12);

  // A title bar takes the rest of the band, after a further gap; the caption
  // keeps the room between its left and right items.
  if (TsTitleBar* bar = TitleBarOf(FForm); bar && HasCaption()) {
    zelvan::paint::TTitleBarArea area;
    const int barLeft = FIconRect.right + (IconVisible() ? 6 : 0);
    area.Bar = {barLeft, FVCenter - caption / 2, std::max(barLeft, left - 6), HeaderHeight()};
    area.VCenter = FVCenter;
    area.FullRight = CaptionWidth() - frame;
    bar->CalcSizes(area);
    if (!bar->ShowCaption) {
      textRight = textLeft;
    } else {
      if (bar->FLeftWidth > 0) textLeft = std::max(textLeft, area.Bar.Left + bar->FLeftWidth + 6);
      if (bar->FRightWidth > 0) textRight = std::min(textRight, area.Bar.Right - bar->FRightWidth - 6);
      textRight = std::max(textLeft, textRight);
    }
  }
  FTextRect = RECT{textLeft, FVCenter - caption / 2, textRight, FVCenter - caption / 2 + caption};
}

// ---------------------------------------------------------------- rendering

bool TsSkinProvider::UpdateCache() {
  // A frozen frame keeps the picture it has (moving translucent, fading out).
  if (FrameFrozen()) return HasCache();
  // A picture of another size was made for the other kind of frame (extended or not).
  if (!SkinData.BGChanged && HasCache() && SkinData.CacheBmp()->Width() == CaptionWidth() &&
      SkinData.CacheBmp()->Height() == CacheHeight()) {
    return true;
  }
  return RenderCache();
}

void TsSkinProvider::RenderFrame() {
  if (UpdateCache()) PaintNC();
}

bool TsSkinProvider::RenderCache() {
  if (!Skinned()) return false;
  const TFactsScope facts(*this);
  const int width = CaptionWidth(), height = CacheHeight();
  if (width <= 0 || height <= 0) return false;
  TBitmap* cache = SkinData.CacheBmp();
  if (!cache) return false;
  const bool fresh = cache->Empty();
  if (cache->Width() != width || cache->Height() != height) cache->SetSize(width, height);
  if (fresh) SkinData.UpdatePlainState(true);
  GdiFlush();
  // Title bar items are measured again for a new picture (fonts or captions
  // may have changed), not for each hit test.
  if (TsTitleBar* bar = TitleBarOf(FForm)) bar->InvalidateSizes();
  CalcItems();
  RgnChanged = true;
  const int state = FormActive ? 1 : 0;
  PaintBackground(*cache, state);
  PaintGrip(*cache);
  if (HasCaption() && FDrawNonClientArea) {
    PaintTitle(*cache, state);
    PaintIcon(*cache);
    PaintCaptionText(*cache, state);
    PaintCaptionButtons(*cache);
  }
  // The form's own drawing becomes part of what its children show through.
  if (FForm->OnPaint && !PlainBackground()) {
    HDC dc = cache->Canvas().Handle();
    const int saved = SaveDC(dc);
    SetViewportOrgEx(dc, OffsetX(), OffsetY(), nullptr);
    FForm->PaintTo(dc);
    RestoreDC(dc, saved);
  }
  GdiFlush();
  ++FFrameStamp;
  FFrameDirty = RECT{0, 0, width, height};
  SkinData.BGChanged = false;
  SkinData.SetUpdating(false);
  return true;
}

void TsSkinProvider::PaintBackground(TBitmap& cache, int state) {
  const TRect whole{0, 0, cache.Width(), cache.Height()};
  TCacheInfo behind;
  behind.FillColor = FormColor();
  if (!PlainBackground()) {
    zelvan::paint::PaintItem(ItemSkinOf(SkinData), behind, false, cache.Image(), {0, 0}, whole, state);
    return;
  }
  zelvan::paint::FillRect32(cache.Image(), whole, FormColor(), 255);
  if (const auto* border = Part(SkinData.SkinManager(), SkinData.BorderIndex)) {
    zelvan::paint::DrawMaskRect(cache.Image(), whole, false, state, *border, behind,
                                zelvan::paint::TFrameCorners::kFromParent);
  }
}

void TsSkinProvider::PaintGrip(TBitmap& cache) {
  if (GripMode != gmRightBottom || !IsSizeable()) return;
  const TsSkinManager* manager = SkinData.SkinManager();
  const auto* grip = Part(manager, manager->ConstData.GripRightBottom);
  if (!grip) return;
  const RECT client = ClientInCache();
  const zelvan::paint::TPoint at{client.right - zelvan::paint::StateWidth(*grip),
                                 client.bottom - zelvan::paint::StateHeight(*grip)};
  zelvan::paint::DrawMaskGlyph(cache.Image(), at, 0, TCacheInfo{}, *grip, 1);
}

// The title section over the top band, its see-through parts showing the
// form's picture beneath (a copy of the band, since the cache is the target).
void TsSkinProvider::PaintTitle(TBitmap& cache, int state) {
  TsSkinManager* manager = SkinData.SkinManager();
  const int title = TitleSkinIndex();
  if (!manager->IsValidSkinIndex(title)) return;
  const TRect band{0, 0, cache.Width(), std::min(cache.Height(), FrameHeight() + CaptionHeight())};
  if (band.IsEmpty()) return;
  const auto beneath = frame_paint::PaintTitleBand(manager, title, TitleSkin.empty() ? "FORMTITLE" : TitleSkin, cache,
                                                  band, state, FormColor());
  TCacheInfo behind{beneath.get(), 0, 0, FormColor(), true};
  // Under the caption buttons, when the form section has a picture for them.
  const int bar = manager->GetMaskIndex(SkinData.SkinIndex, SkinData.SkinSection(), "TITLEBAR");
  if (const auto* part = Part(manager, bar); part && ButtonClose.ImageIndex >= 0) {
    const int left = std::min({ButtonClose.Rect.left, ButtonMax.Rect.left > 0 ? ButtonMax.Rect.left : INT_MAX,
                               ButtonMin.Rect.left > 0 ? ButtonMin.Rect.left : INT_MAX,
                               ButtonHelp.Rect.left > 0 ? ButtonHelp.Rect.left : INT_MAX});
    const TRect under{left, band.Top, band.Right - FrameWidth(), band.Bottom};
    zelvan::paint::DrawMaskRect(cache.Image(), under, true, state, *part, behind);
  }
}

void TsSkinProvider::PaintIcon(TBitmap& cache) {
  if (!IconVisible()) return;
  const int width = FIconRect.right - FIconRect.left, height = FIconRect.bottom - FIconRect.top;
  if (width <= 1 || height <= 1) return;
  const TBitmap& glyph = TitleIcon.Glyph();
  if (glyph.Empty()) {
    DrawIconEx(cache.Canvas().Handle(), FIconRect.left, FIconRect.top, SmallIcon(FForm->Handle()), width, height, 0,
               nullptr, DI_NORMAL);
    return;
  }
  if (glyph.PixelFormat() == pf32bit) {
    // Kept at its own size, clipped to the icon's place, blended by its alpha.
    auto& source = const_cast<TBitmap&>(glyph).Image();
    zelvan::paint::DrawAlphaImage(FromRect(FIconRect), {0, 0, glyph.Width(), glyph.Height()}, cache.Image(), false, 0,
                                  zelvan::paint::kNoColorValue, false, TCacheInfo{}, source);
    return;
  }
  TBitmap& opaque = const_cast<TBitmap&>(glyph);
  StretchBlt(cache.Canvas().Handle(), FIconRect.left, FIconRect.top, width, height, opaque.Canvas().Handle(), 0, 0,
             glyph.Width(), glyph.Height(), SRCCOPY);
}

namespace {

int TextWidth(TCanvas& canvas, const std::wstring& text) {
  if (text.empty()) return 0;
  HDC dc = canvas.Handle();
  HGDIOBJ old = SelectObject(dc, canvas.Font().Handle());
  SIZE size{};
  GetTextExtentPoint32W(dc, text.data(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  return size.cx;
}

}  // namespace

void TsSkinProvider::PaintCaptionText(TBitmap& cache, int state) {
  TsSkinManager* manager = SkinData.SkinManager();
  const int title = TitleSkinIndex();
  HWND window = FForm->Handle();
  std::wstring text;
  if (AddedTitle.ShowMainCaption()) {
    const int length = GetWindowTextLengthW(window);
    text.assign(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(window, text.data(), length + 1)));
  }
  const std::wstring& added = AddedTitle.Text();
  FMainTextPlace = FAddedTextPlace = RECT{};
  if ((text.empty() && added.empty()) || FTextRect.right <= FTextRect.left) return;

  TCanvas& canvas = cache.Canvas();
  const bool rtl = RightToLeft();
  UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS | DT_LEFT;
  if (rtl) flags |= DT_RTLREADING;
  // Both texts are measured first: the alignment places them as one line.
  UseCaptionFont(canvas.Font());
  const int mainWidth = TextWidth(canvas, text);
  TFont captionFont;
  captionFont.Assign(canvas.Font());
  canvas.Font().Assign(AddedTitle.Font);
  const int addedWidth = TextWidth(canvas, added);
  canvas.Font().Assign(captionFont);
  const zelvan::paint::TCaptionAlign align = CaptionAlignment == taCenter       ? zelvan::paint::TCaptionAlign::Center
                                             : CaptionAlignment == taRightJustify ? zelvan::paint::TCaptionAlign::Right
                                                                                  : zelvan::paint::TCaptionAlign::Left;
  const zelvan::paint::TCaptionPlaces places =
      zelvan::paint::PlaceCaptionTexts(FromRect(FTextRect), mainWidth, addedWidth, align, rtl);

  frame_paint::PaintCaptionPlate(manager, CaptionSkinIndex(), cache, FTextRect, state, FormColor());
  if (!places.Main.IsEmpty()) {
    FMainTextPlace = ToRect(places.Main);
    if (const frame_paint::TCaptionGlow glow = frame_paint::CaptionGlow(manager, title, state); glow.Size > 0) {
      DrawTextGlow(cache, canvas.Font(), text, FMainTextPlace, glow.Hot ? FGlow1 : FGlow2,
                   static_cast<TColor>(glow.Color), glow.Size, kAllSides, flags);
    }
    // The ellipsis only where the caption had to give way: measured to the
    // pixel, a reading order of its own could otherwise cut a text that fits.
    const UINT mainFlags = places.Main.Width() >= mainWidth ? flags & ~static_cast<UINT>(DT_END_ELLIPSIS) : flags;
    WriteSectionText(canvas, text, true, manager, state, title, mainFlags, FMainTextPlace);
  }
  if (!places.Added.IsEmpty()) {
    FAddedTextPlace = ToRect(places.Added);
    PaintAddedTitle(cache, state, added, flags, FAddedTextPlace);
  }
}

// A colour of its own shows as chosen on an active frame and half way to the
// title's colour on an inactive one; window text or the default takes the
// title's own colours.
void TsSkinProvider::PaintAddedTitle(TBitmap& cache, int state, const std::wstring& text, UINT flags,
                                     const RECT& place) {
  TsSkinManager* manager = SkinData.SkinManager();
  const int title = TitleSkinIndex();
  TCanvas& canvas = cache.Canvas();
  canvas.Font().Assign(AddedTitle.Font);
  const TColor chosen = AddedTitle.Font.Color();
  if (chosen == clWindowText || chosen == clDefault || !manager->IsValidSkinIndex(title)) {
    WriteSectionText(canvas, text, true, manager, state, title, flags, place);
    return;
  }
  if (state == 0) {
    const TColor titleColor = manager->gd[static_cast<size_t>(title)].Props[0].FontColor.Color;
    canvas.Font().SetColor(zelvan::paint::MixColors(titleColor, ColorToRGB(chosen), 0.5));
  }
  WriteSectionText(canvas, text, true, manager, state, -1, flags, place);
}

// ---------------------------------------------------------------- non-client painting

RECT TsSkinProvider::TakeFrameDirty() {
  const RECT dirty = FFrameDirty;
  FFrameDirty = RECT{};
  return dirty;
}

void TsSkinProvider::PaintNC(HDC given) {
  if (!SkinsFrame() || FormsLocked || RgnChanging) return;
  const TFactsScope facts(*this);
  SkinData.SetUpdating(false);
  if (!UpdateCache()) return;
  if (RgnChanged) {
    BuildRegionRects();
    ApplyRegion();
  }
  HWND window = FForm->Handle();
  HDC dc = given ? given : GetWindowDC(window);
  if (!dc) return;
  const int saved = SaveDC(dc);
  const RECT client = ClientInWindow();
  ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
  TBitmap& cache = *SkinData.CacheBmp();
  const POINT origin = CacheOrigin();
  CopyBitmapToDC(cache, dc, RECT{origin.x, origin.y, origin.x + cache.Width(), origin.y + cache.Height()},
                 POINT{0, 0});
  RestoreDC(dc, saved);
  if (!given) ReleaseDC(window, dc);
  // The frame the user sees is the border window's: it follows the cache.
  if (ExBorders()) UpdateExBorders();
}

// ---------------------------------------------------------------- region

void TsSkinProvider::BuildRegionRects() {
  FArOR.clear();
  const TsSkinManager* manager = SkinData.SkinManager();
  if (!manager || !FForm->HandleAllocated()) return;
  const TFactsScope facts(*this);
  const int width = CaptionWidth(), height = CacheHeight();
  if (const auto* border = Part(manager, SkinData.BorderIndex)) {
    zelvan::paint::AppendCornerKeyRuns(*border, width, height, zelvan::paint::crBoth, FArOR);
  }
  const int title = TitleSkinIndex();
  if (manager->IsValidSkinIndex(title) && HasCaption()) {
    if (const auto* border = Part(manager, manager->gd[static_cast<size_t>(title)].BorderIndex)) {
      zelvan::paint::AppendCornerKeyRuns(*border, width, height, zelvan::paint::crTop, FArOR);
    }
  }
}

// The region is set only when what it is made from changed: every
// SetWindowRgn repaints the whole window.
void TsSkinProvider::ApplyRegion() {
  RgnChanged = false;
  if (!FDrawNonClientArea || !FForm->HandleAllocated()) return;
  HWND window = FForm->Handle();
  const TFactsScope facts(*this);
  const TWindowFacts& f = Facts();
  if (!HasSkinnedFrame() && !f.Iconic() && !(f.Style & WS_THICKFRAME)) return;
  // A procedure in front of this one may forbid the region until the first render.
  if (!HasCache() && SendMessageW(window, 0xBC4D, 16802, 0) == 16802) return;
  const SIZE size{f.Width(), f.Height()};
  // With extended borders the form shows its client area and menu band
  // only: the border window under it shows the frame.
  const bool extended = ExBorders();
  const bool maximized = f.Zoomed() || extended;
  std::vector<TRect> source = FArOR;
  if (extended) {
    const RECT& client = f.Client;
    source = {TRect{client.left, client.top - MenuHeight(), client.right, client.bottom}};
  } else if (maximized) {
    // The frame lies beyond the screen's edges: only the rest is shown.
    const int frame = FrameWidth();
    source = {TRect{frame, frame, static_cast<int>(size.cx) - frame, static_cast<int>(size.cy) - frame}};
  }
  if (FRgnApplied && maximized == FAppliedMaximized && source == FAppliedRgn &&
      (!maximized || (size.cx == FAppliedSize.cx && size.cy == FAppliedSize.cy))) {
    return;
  }
  HRGN region = nullptr;
  if (maximized) {
    region = CreateRectRgn(source[0].Left, source[0].Top, source[0].Right, source[0].Bottom);
  } else if (!source.empty()) {
    region = CreateRectRgn(0, 0, size.cx, size.cy);
    if (HRGN cut = RectsRegion(source)) {
      CombineRgn(region, region, cut, RGN_DIFF);
      DeleteObject(cut);
    }
  }
  if (!region && !FRgnApplied) return;  // rectangular, and no region was set
  TFlagScope changing(RgnChanging, true);
  const BOOL redraw = !FormsLocked && IsWindowVisible(window);
  if (!SetWindowRgn(window, region, redraw)) {
    if (region) DeleteObject(region);  // the system owns it only after success
    return;
  }
  FRgnApplied = region != nullptr;
  FAppliedRgn = std::move(source);
  FAppliedMaximized = maximized;
  FAppliedSize = size;
}

// ---------------------------------------------------------------- hit test

zelvan::paint::TFrameGeometry TsSkinProvider::FrameGeometry() {
  zelvan::paint::TFrameGeometry f;
  if (!FForm->HandleAllocated()) return f;
  const TFactsScope facts(*this);
  CalcItems();
  f.Width = CaptionWidth();
  f.Height = CacheHeight();
  f.Client = FromRect(ClientInCache());
  f.FrameWidth = FrameWidth();
  // The extended title band's top edge sizes the form too.
  f.FrameHeight = ExBorders() ? FrameWidth() : FrameHeight();
  f.CaptionBottom = FrameHeight() + CaptionHeight();
  f.Sizeable = IsSizeable();
  f.HasCaption = HasCaption();
  f.Minimized = Facts().Iconic();
  if (IconVisible()) f.IconRect = FromRect(FIconRect);
  if (GripMode == gmRightBottom && f.Sizeable) {
    const TsSkinManager* manager = SkinData.SkinManager();
    if (const auto* grip = Part(manager, manager->ConstData.GripRightBottom)) {
      f.GripRect = {f.Client.Right - zelvan::paint::StateWidth(*grip), f.Client.Bottom - zelvan::paint::StateHeight(*grip),
                    f.Client.Right, f.Client.Bottom};
    }
  }
  for (const TsCaptionButton* button : {&ButtonClose, &ButtonMax, &ButtonMin, &ButtonHelp}) {
    if (button->ImageIndex < 0 && IsRectEmpty(&button->Rect)) continue;
    f.Elements.push_back({button->HitCode, FromRect(button->Rect), button->Enabled});
  }
  // Items of a title bar that take clicks; the others are caption.
  if (TsTitleBar* bar = TitleBarOf(FForm)) {
    for (int i = 0; i < bar->Count(); ++i) {
      const TacTitleBarItem& item = *bar->Items(i);
      if (item.Visible && item.Enabled && item.Clickable() && !IsRectEmpty(&item.Data.Rect))
        f.Elements.push_back({item.Data.HitCode, FromRect(item.Data.Rect), true});
    }
  }
  // A disabled user button is caption, so the form is dragged there.
  for (int i = 0; i < TitleButtons.Count(); ++i) {
    const TsTitleButton& user = *TitleButtons.Items(i);
    if (user.Enabled() && !IsRectEmpty(&user.Data.Rect)) f.Elements.push_back({user.Data.HitCode, FromRect(user.Data.Rect), true});
  }
  return f;
}

int TsSkinProvider::FrameHitTest(POINT point) { return zelvan::paint::FrameHitTest(FrameGeometry(), {point.x, point.y}); }
