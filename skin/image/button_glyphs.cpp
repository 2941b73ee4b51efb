#include "skin/image/button_glyphs.h"

#include <algorithm>

#include "core/image/bitmap32.h"
#include "core/image/list_picture.h"
#include "core/paint/alpha_blend.h"
#include "core/paint/gray.h"
#include "core/paint/image_part.h"
#include "core/paint/keyed_copy.h"
#include "core/paint/mask_painting.h"
#include "framework/graphics/canvas.h"
#include "skin/core/common_data.h"
#include "skin/image/alpha_image_list.h"
#include "skin/store/skin_manager.h"

namespace {

namespace paint = zelvan::paint;
namespace image = zelvan::image;

bool IsSkinned(const TsGlyphParams& p) { return p.SkinData && p.SkinData->Skinned() && p.SkinData->CacheBmp(); }

paint::TColor Tint(const TsGlyphParams& p) {
  const bool grey = (p.State == 0 && p.Grayed) || (!p.Enabled && (p.DisabledGlyphKind & dgGrayed));
  if (!grey) return paint::kNoColorValue;
  if (IsSkinned(p) && p.SkinData->Section()) return p.SkinData->Section()->Props[0].Color;
  return GetSysColor(COLOR_BTNFACE);
}

paint::TRect ToRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// The canvas's block under the control as a 32-bit bitmap, drawn on by
// paint and written back, so that alpha and blends work on any target.
template <typename Paint>
void ThroughBlock(TCanvas& canvas, int width, int height, Paint paint) {
  if (width <= 0 || height <= 0) return;
  TBitmap block(width, height, pf32bit);
  BitBlt(block.Canvas().Handle(), 0, 0, width, height, canvas.Handle(), 0, 0, SRCCOPY);
  GdiFlush();
  paint(block);
  BitBlt(canvas.Handle(), 0, 0, width, height, block.Canvas().Handle(), 0, 0, SRCCOPY);
}

void DrawAlphaStrip(const TsGlyphParams& p, TBitmap& glyph, TCanvas* canvas, paint::TColor tint) {
  const int w = p.ImgRect.right - p.ImgRect.left, h = glyph.Height();
  if (w <= 0) return;
  const int left = paint::AlphaPictureIndex(p.State, p.NumGlyphs) * w;
  const paint::TRect source{left, 0, left + w, h};
  if (!canvas) {
    TBitmap& cache = *p.SkinData->CacheBmp();
    paint::DrawAlphaImage(ToRect(p.ImgRect), source, cache.Image(), p.Reflected, p.State == 0 ? p.Blend : 0, tint,
                          false, paint::TCacheInfo{}, glyph.Image());
    return;
  }
  auto copy = image::CreateBmp32(w, p.ImgRect.bottom - p.ImgRect.top);
  // The picture as it is, alpha included.
  for (int y = 0; y < std::min(copy->Height(), h); ++y)
    for (int x = 0; x < w && left + x < glyph.Width(); ++x)
      copy->Row32(y)[x] = glyph.Image().Row32(y)[left + x];
  int blend = p.Blend;
  if (!p.Enabled && (p.DisabledGlyphKind & dgBlended)) blend = std::max(blend, 50);
  if (p.State == 0 && blend > 0) paint::FadeAlpha(*copy, blend);
  if ((!p.Enabled && (p.DisabledGlyphKind & dgGrayed)) || (p.State == 0 && p.Grayed)) paint::MakeGray(*copy);
  ThroughBlock(*canvas, p.Width, p.Height, [&](TBitmap& block) {
    paint::DrawAlphaImage(ToRect(p.ImgRect), {0, 0, copy->Width(), copy->Height()}, block.Image(), p.Reflected, 0,
                          paint::kNoColorValue, false, paint::TCacheInfo{}, *copy);
  });
}

void DrawStrip(const TsGlyphParams& p, TCanvas* canvas, paint::TColor tint) {
  TBitmap& glyph = *p.Glyph;
  if (!p.Enabled && glyph.PixelFormat() == pf32bit && !image::HasAlpha(glyph.Image())) {
    // A 32-bit strip without alpha is a classic glyph from now on.
    glyph.SetPixelFormat(pf24bit);
  }
  if (glyph.PixelFormat() == pf32bit) return DrawAlphaStrip(p, glyph, canvas, tint);
  paint::TClassicGlyph classic;
  classic.Count = p.NumGlyphs, classic.Enabled = p.Enabled, classic.Disabled = p.DisabledGlyphKind;
  classic.State = p.State, classic.Blend = p.Blend, classic.Down = p.Down;
  if (!canvas) return paint::DrawClassicGlyph(glyph.Image(), p.SkinData->CacheBmp()->Image(), ToRect(p.ImgRect), classic);
  ThroughBlock(*canvas, p.Width, p.Height,
               [&](TBitmap& block) { paint::DrawClassicGlyph(glyph.Image(), block.Image(), ToRect(p.ImgRect), classic); });
}

void DrawOrdinaryListImage(const TsGlyphParams& p, TCanvas* canvas, bool skinned) {
  TImageList& list = *p.Images;
  // The list's background colour keys the entry out on every path.
  const TColor key = list.BkColor() == clNone ? paint::kKeyColor : ColorToRGB(list.BkColor());
  TBitmap entry(list.Width(), list.Height(), pf32bit);
  entry.Canvas().Brush().SetColor(key);
  entry.Canvas().FillRect(RECT{0, 0, list.Width(), list.Height()});
  list.Draw(entry.Canvas(), 0, 0, p.ImageIndex);
  GdiFlush();
  auto grey = [&] { paint::MakeGrayExceptKey(entry.Image(), image::GetPixel32(entry.Image(), 0, 0)); };
  const int x = p.ImgRect.left, y = p.ImgRect.top;
  if (!skinned) {
    if (!p.Enabled && (p.DisabledGlyphKind & dgGrayed)) grey();
    entry.SetTransparent(true);
    entry.SetTransparentColor(key);
    canvas->Draw(x, y, entry);
    return;
  }
  TBitmap& cache = *p.SkinData->CacheBmp();
  const paint::TRect all{0, 0, list.Width(), list.Height()};
  if (p.Enabled) {
    const bool hot = p.SkinData->IsHot();
    if (!hot && p.Grayed) grey();
    if (hot || p.Blend <= 0) paint::CopyWithKey(cache.Image(), entry.Image(), x, y, key);
    else paint::BlendFromSource(cache.Image(), x, y, key, std::min(p.Blend, 100) / 100.0, all, entry.Image());
  } else {
    if (p.DisabledGlyphKind & dgGrayed) grey();
    if (p.DisabledGlyphKind & dgBlended) paint::BlendFromSource(cache.Image(), x, y, key, 0.5, all, entry.Image());
    else paint::CopyWithKey(cache.Image(), entry.Image(), x, y, key);
  }
}

}  // namespace

void DrawBtnGlyph(const TsGlyphParams& p, TCanvas* canvas) {
  const bool skinned = IsSkinned(p);
  if (!canvas && !skinned) return;  // no cache to draw into
  const paint::TColor tint = Tint(p);
  if (p.Glyph && !p.Glyph->Empty()) return DrawStrip(p, canvas, tint);
  if (!p.Images || p.ImageIndex < 0 || p.ImageIndex >= p.Images->Count()) return;
  if (dynamic_cast<TsAlphaImageList*>(p.Images)) {
    const int blend = std::max(p.State == 0 ? p.Blend : 0, !p.Enabled && (p.DisabledGlyphKind & dgBlended) ? 50 : 0);
    const int state = p.State + (p.Down ? 1 : 0);
    if (skinned && !canvas) {
      DrawListImage(*p.Images, *p.SkinData->CacheBmp(), p.ImgRect.left, p.ImgRect.top, p.Reflected, p.NumGlyphs, state,
                    tint, blend, p.ImageIndex);
    } else {
      DrawListImageToDC(*p.Images, canvas->Handle(), p.ImgRect.left, p.ImgRect.top, p.Reflected, p.NumGlyphs, state,
                        tint, blend, p.ImageIndex);
    }
    return;
  }
  DrawOrdinaryListImage(p, canvas, skinned && !canvas);
}

void DrawSmallArrow(TCanvas& canvas, TColor color, const RECT& rect, int kind) {
  for (const paint::TPoint& pixel : paint::SmallArrowPixels(ToRect(rect), kind)) canvas.SetPixel(pixel.X, pixel.Y, color);
}

namespace {

// The platform's check-box bitmap holds 4 x 3 cells; its size is read once.
SIZE PlatformCheckBoxCell() {
  static const SIZE cell = [] {
    SIZE size{13, 13};
    HBITMAP bitmap = LoadBitmapW(nullptr, MAKEINTRESOURCEW(32759));  // OBM_CHECKBOXES
    BITMAP bm{};
    if (bitmap && GetObjectW(bitmap, sizeof bm, &bm)) size = {bm.bmWidth / 4, bm.bmHeight / 3};
    if (bitmap) DeleteObject(bitmap);
    return size;
  }();
  return cell;
}

const zelvan::store::TsMaskData* SmallBoxPart(TsSkinManager* manager, int checkState) {
  if (!manager || !manager->Active()) return nullptr;
  const auto& c = manager->ConstData;
  const int index = checkState == 1 ? c.SmallCheckBoxChecked : checkState == 2 ? c.SmallCheckBoxGrayed
                                                                                : c.SmallCheckBoxUnChecked;
  return manager->IsValidImgIndex(index) ? &manager->ma[static_cast<size_t>(index)] : nullptr;
}

}  // namespace

int SmallCheckBoxWidth(TsSkinManager* manager) {
  const auto* part = SmallBoxPart(manager, 1);
  return part ? paint::StateWidth(*part) + 2 : PlatformCheckBoxCell().cx;
}

int SmallCheckBoxHeight(TsSkinManager* manager) {
  const auto* part = SmallBoxPart(manager, 1);
  return part ? paint::StateHeight(*part) : PlatformCheckBoxCell().cy;
}

void DrawSmallCheckBox(const RECT& rect, int checkState, bool enabled, TsSkinManager* manager,
                       const paint::TCacheInfo& cacheInfo, TBitmap& bitmap) {
  const int w = rect.right - rect.left, h = rect.bottom - rect.top;
  const int cw = SmallCheckBoxWidth(manager), ch = SmallCheckBoxHeight(manager);
  if (const auto* part = SmallBoxPart(manager, checkState)) {
    // Measured from the bitmap's top: the caller passes a bitmap per item.
    paint::DrawMaskGlyph(bitmap.Image(), {rect.left + (w - cw) / 2, (h - ch) / 2}, 0, cacheInfo, *part,
                         enabled ? 1 : 2);
    return;
  }
  if (bitmap.Empty()) return;
  // The strip behind the box, from the parent's picture or its colour.
  const int stripWidth = std::min(cw + 2, bitmap.Width()), stripHeight = std::min(h, bitmap.Height());
  if (cacheInfo.Ready && cacheInfo.Bmp) {
    auto& image = bitmap.Image();
    const int sx = cacheInfo.X + rect.left + 1, sy = cacheInfo.Y + rect.top + 1;
    for (int y = 0; y < stripHeight; ++y)
      for (int x = 0; x < stripWidth; ++x)
        if (sx + x >= 0 && sy + y >= 0 && sx + x < cacheInfo.Bmp->Width() && sy + y < cacheInfo.Bmp->Height())
          image.Row32(y)[x] = cacheInfo.Bmp->Row32(sy + y)[sx + x];
  } else {
    bitmap.Canvas().Brush().SetColor(ColorToRGB(cacheInfo.FillColor));
    bitmap.Canvas().FillRect(RECT{0, 0, stripWidth, stripHeight});
  }
  RECT box{(w - cw) / 2, (h - ch) / 2, (w - cw) / 2 + cw, (h - ch) / 2 + ch};
  UINT flags = checkState == 1 ? 0x400 : checkState == 2 ? 0x408 : DFCS_BUTTONCHECK;
  if (!enabled) flags |= DFCS_INACTIVE;
  DrawFrameControl(bitmap.Canvas().Handle(), &box, DFC_BUTTON, flags);
  GdiFlush();
}
