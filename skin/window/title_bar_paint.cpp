#include "skin/window/title_bar_paint.h"

#include <algorithm>
#include <memory>
#include <string>

#include "core/paint/block_transfer.h"
#include "core/paint/item_paint.h"
#include "core/paint/keyed_copy.h"
#include "framework/graphics/image_list.h"
#include "skin/paint/skinned_text.h"
#include "skin/store/skin_manager.h"
#include "skin/window/frame_paint_helpers.h"
#include "skin/window/skin_provider.h"
#include "skin/window/title_bar.h"

namespace {

// The item's section: its own, else the one of its style, else the general
// button or tab section; none for spacers and informational items.
int ItemSection(const TsSkinManager& manager, const TacTitleBarItem& item, std::string& name) {
  const char* byStyle = item.Style == bsButton ? "TB_BTN" : item.Style == bsMenu ? "TB_MENUBTN" : "TB_TAB";
  const char* general = item.Style == bsTab ? "TABTOP" : "TOOLBUTTON";
  if (!item.Clickable()) return -1;
  for (const std::string& candidate : {item.SkinSection, std::string(byStyle), std::string(general)}) {
    if (candidate.empty()) continue;
    const int index = manager.GetSkinIndex(candidate);
    if (manager.IsValidSkinIndex(index)) {
      name = candidate;
      return index;
    }
  }
  return -1;
}

// The image list index for a state; -1 falls back to ImageIndex.
int ImageFor(const TacTitleBarItem& item, int state) {
  int index = !item.Enabled ? item.DisabledImageIndex
              : state == 1  ? item.HotImageIndex
              : state == 2  ? item.PressedImageIndex
                            : item.ImageIndex;
  return index < 0 ? item.ImageIndex : index;
}

SIZE TextSize(TCanvas& canvas, const std::wstring& text) {
  SIZE size{};
  if (text.empty()) return size;
  HDC dc = canvas.Handle();
  HGDIOBJ old = SelectObject(dc, canvas.Font().Handle());
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  return size;
}

// The caption's glow: the form caption's (its title section's, by the
// form's activity) unless the item's font data has a glow of its own.
void PaintCaptionGlow(TsSkinProvider& provider, TacTitleBarItem& item, TBitmap& cache, const RECT& place, UINT flags) {
  const TacFontData& data = item.FontData;
  frame_paint::TCaptionGlow glow{data.GlowSize, static_cast<zelvan::paint::TColor>(data.GlowColor)};
  if (data.UseSysGlowing) {
    glow = frame_paint::CaptionGlow(provider.SkinData.SkinManager(), provider.TitleSkinIndex(), provider.FormActive ? 1 : 0);
  }
  if (glow.Size <= 0) return;
  DrawTextGlow(cache, cache.Canvas().Font(), item.Caption, place, item.GlowCache, static_cast<TColor>(glow.Color),
               glow.Size, kAllSides, flags);
}

}  // namespace

void PaintTitleItem(TsSkinProvider& provider, TsTitleBar& bar, TacTitleBarItem& item, TBitmap& cache, TBitmap* band,
                    int wanted) {
  const RECT r = item.Data.Rect;
  TsSkinManager* manager = provider.SkinData.SkinManager();
  if (!manager || !item.Visible || IsRectEmpty(&r)) return;
  const bool chosenTab = item.Style == bsTab && item.Down;
  const int shown = wanted >= 0 ? wanted : item.Data.Timer ? 0 : item.Data.State;
  const int state = !item.Enabled ? 0 : chosenTab ? 2 : shown;
  std::string name;
  const int section = ItemSection(*manager, item, name);
  if (section >= 0) {
    zelvan::paint::TCacheInfo behind;
    if (band && !band->Empty()) behind = zelvan::paint::TCacheInfo{&band->Image(), 0, 0, zelvan::paint::kKeyColor, true};
    // The band has the cache's coordinates: the item's corner lies at its own place in it.
    zelvan::paint::PaintItemByIndex(section, name, behind, -1, -1, manager, cache.Image(), {r.left, r.top},
                                    {r.left, r.top, r.right, r.bottom}, state);
  }

  // Content: image, caption, arrow, centred; pressed buttons move by a pixel.
  TCanvas& canvas = cache.Canvas();
  TFont font;
  item.FontData.UsedFont(font);
  canvas.Font().Assign(font);
  const SIZE text = TextSize(canvas, item.Caption);
  SIZE image{};
  TImageList* images = bar.Images();
  const int imageIndex = ImageFor(item, state);
  const bool listImage = images && imageIndex >= 0 && imageIndex < images->Count();
  if (listImage) {
    image = SIZE{images->Width(), images->Height()};
  } else if (!item.Glyph.Empty()) {
    image = SIZE{item.Glyph.Width() / std::max(1, item.NumGlyphs), item.Glyph.Height()};
  }
  const int shift = state == 2 && item.Style != bsTab ? 1 : 0;
  const int contentWidth = image.cx + (text.cx > 0 ? text.cx + (image.cx > 0 ? item.Spacing : 0) : 0);
  const int arrowWidth = item.DropdownMenu() ? 12 : 0;
  int x = (r.left + r.right - arrowWidth - contentWidth) / 2 + shift;
  const int middle = (r.top + r.bottom) / 2 + shift;
  GdiFlush();
  if (listImage) {
    images->Draw(canvas, x, middle - image.cy / 2, imageIndex, item.Enabled);
  } else if (image.cx > 0) {
    const int piece = std::min(state, std::max(1, item.NumGlyphs) - 1);
    auto part = zelvan::paint::CopyOutBlock(item.Glyph.Image(), {piece * image.cx, 0, (piece + 1) * image.cx, image.cy});
    if (part) {
      const uint32_t topLeft = part->Row32(0)[0];
      const auto key = static_cast<zelvan::paint::TColor>(((topLeft >> 16) & 0xFF) | (topLeft & 0xFF00) |
                                                          ((topLeft & 0xFF) << 16));
      zelvan::paint::CopyWithKey(cache.Image(), *part, x, middle - image.cy / 2, key);
    }
  }
  if (image.cx > 0) x += image.cx + (text.cx > 0 ? item.Spacing : 0);
  const int textSection = section >= 0 ? section : provider.TitleSkinIndex();
  const UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX;
  if (text.cx > 0) {
    PaintCaptionGlow(provider, item, cache, RECT{x, r.top + shift, x + text.cx, r.bottom + shift}, flags);
    WriteSectionText(canvas, item.Caption, item.Enabled, manager, state, textSection, flags,
                     RECT{x, r.top + shift, x + text.cx, r.bottom + shift});
  }
  if (item.DropdownMenu()) {
    TFont marlett;
    marlett.SetName(L"Marlett");
    marlett.SetCharset(SYMBOL_CHARSET);
    marlett.SetHeight(font.Height());
    canvas.Font().Assign(marlett);
    const int right = r.right - bar.ItemsMargin - (item.Style == bsMenu ? 4 : 0) + shift;
    WriteSectionText(canvas, L"u", item.Enabled, manager, state, textSection, flags,
                     RECT{right - arrowWidth, r.top + shift, right, r.bottom + shift});
  }
  GdiFlush();
  if (item.OnDrawItem) item.OnDrawItem(&item, cache, r);
}
