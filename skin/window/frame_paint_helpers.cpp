#include "skin/window/frame_paint_helpers.h"

#include "core/image/bitmap32.h"
#include "core/paint/block_transfer.h"
#include "core/paint/image_part.h"
#include "core/paint/item_paint.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/font.h"
#include "skin/store/skin_manager.h"

using zelvan::paint::TCacheInfo;
using zelvan::paint::TRect;

namespace frame_paint {

const zelvan::store::TsMaskData* Part(const TsSkinManager* manager, int index) {
  return manager && manager->IsValidImgIndex(index) ? &manager->ma[static_cast<size_t>(index)] : nullptr;
}

int PartWidth(const TsSkinManager* manager, int index) {
  const auto* part = Part(manager, index);
  return part ? zelvan::paint::StateWidth(*part) : kMissingButton;
}

int PartHeight(const TsSkinManager* manager, int index) {
  const auto* part = Part(manager, index);
  return part ? zelvan::paint::StateHeight(*part) : kMissingButton;
}

TCaptionParts CaptionButtonParts(const TsSkinManager& manager, bool big, bool showMax, bool showMin, bool maximized,
                                 bool minimisedRestores) {
  const zelvan::store::TConstantSkinData& c = manager.ConstData;
  TCaptionParts parts;
  parts.Close = big ? (!showMax && !showMin && manager.IsValidImgIndex(c.MaskCloseAloneBtn) ? c.MaskCloseAloneBtn
                                                                                            : c.MaskCloseBtn)
                    : c.MaskCloseSmall;
  if (!manager.IsValidImgIndex(parts.Close)) {
    big = true;
    parts.Close = c.MaskCloseBtn;
  }
  parts.Big = big;
  parts.Max = big ? (maximized ? c.MaskNormBtn : c.MaskMaxBtn) : (maximized ? c.MaskNormSmall : c.MaskMaxSmall);
  parts.Min =
      big ? (minimisedRestores ? c.MaskNormBtn : c.MaskMinBtn) : (minimisedRestores ? c.MaskNormSmall : c.MaskMinSmall);
  parts.Help = !big && manager.IsValidImgIndex(c.MaskHelpSmall) ? c.MaskHelpSmall : c.MaskHelpBtn;
  return parts;
}

RECT ToRect(const TRect& r) { return RECT{r.Left, r.Top, r.Right, r.Bottom}; }
TRect FromRect(const RECT& r) { return TRect{r.left, r.top, r.right, r.bottom}; }

HRGN RectsRegion(const std::vector<TRect>& rects) {
  if (rects.empty()) return nullptr;
  std::vector<char> data(sizeof(RGNDATAHEADER) + rects.size() * sizeof(RECT));
  auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
  header->dwSize = sizeof(RGNDATAHEADER);
  header->iType = RDH_RECTANGLES;
  header->nCount = static_cast<DWORD>(rects.size());
  header->nRgnSize = static_cast<DWORD>(rects.size() * sizeof(RECT));
  RECT bounds{rects[0].Left, rects[0].Top, rects[0].Right, rects[0].Bottom};
  auto* out = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
  for (size_t i = 0; i < rects.size(); ++i) {
    out[i] = ToRect(rects[i]);
    UnionRect(&bounds, &bounds, &out[i]);
  }
  header->rcBound = bounds;
  return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<RGNDATA*>(data.data()));
}

HICON SmallIcon(HWND window) {
  auto icon = reinterpret_cast<HICON>(SendMessageW(window, WM_GETICON, ICON_SMALL2, 0));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICONSM));
  if (!icon) icon = reinterpret_cast<HICON>(GetClassLongPtrW(window, GCLP_HICON));
  if (!icon) icon = LoadIconW(nullptr, IDI_APPLICATION);
  return icon;
}

void UseCaptionFont(TFont& font) {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) return;
  const LOGFONTW& caption = metrics.lfCaptionFont;
  font.SetName(caption.lfFaceName);
  font.SetHeight(caption.lfHeight);
  font.SetStyle(caption.lfWeight >= FW_BOLD ? TFontStyles{fsBold} : TFontStyles{});
  font.SetCharset(DEFAULT_CHARSET);
}

std::unique_ptr<zelvan::image::TWorkingBitmap> PaintTitleBand(TsSkinManager* manager, int titleIndex,
                                                              const std::string& titleName, TBitmap& cache,
                                                              const TRect& band, int state,
                                                              zelvan::paint::TColor fill) {
  if (!manager || !manager->IsValidSkinIndex(titleIndex) || band.IsEmpty()) return nullptr;
  auto beneath = zelvan::image::CreateBmp32(band.Width(), band.Height());
  zelvan::paint::CopyBlock(*beneath, {0, 0}, cache.Image(), band);
  TCacheInfo behind{beneath.get(), 0, 0, fill, true};
  zelvan::paint::PaintItemByIndex(
      titleIndex, titleName, behind, manager->GetTextureIndex(titleIndex, titleName, "HOTPATTERN"),
      manager->GetTextureIndex(titleIndex, titleName, "PATTERN"), manager, cache.Image(), {0, 0}, band, state);
  return beneath;
}

void PaintCaptionPlate(TsSkinManager* manager, int plateIndex, TBitmap& cache, const RECT& textRect, int state,
                       zelvan::paint::TColor fill) {
  if (!manager || !manager->IsValidSkinIndex(plateIndex)) return;
  const TRect r = FromRect(textRect);
  const TRect under =
      zelvan::paint::ClipToSize({r.Left - 4, r.Top - 2, r.Right + 4, r.Bottom + 2}, cache.Width(), cache.Height());
  if (under.IsEmpty()) return;
  auto beneath = zelvan::image::CreateBmp32(under.Width(), under.Height());
  zelvan::paint::CopyBlock(*beneath, {0, 0}, cache.Image(), under);
  TCacheInfo behind{beneath.get(), 0, 0, fill, true};
  zelvan::paint::PaintItemByIndex(plateIndex, "CAPTION", behind, -1, -1, manager, cache.Image(), {0, 0}, under, state);
}

TCaptionGlow CaptionGlow(const TsSkinManager* manager, int titleIndex, int state) {
  if (!manager || !manager->IsValidSkinIndex(titleIndex)) return {};
  const auto& g = manager->gd[static_cast<size_t>(titleIndex)];
  const bool hot = state > 0 && g.States > 1;
  return {hot ? g.HotGlowSize : g.GlowSize, hot ? g.HotGlowColor : g.GlowColor, hot};
}

}  // namespace frame_paint
