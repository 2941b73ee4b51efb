#include "skin/controls/selection_label.h"

#include "core/paint/fill.h"
#include "core/paint/weighted_blend.h"
#include "framework/graphics/bitmap.h"
#include "skin/paint/control_paint.h"
#include "skin/paint/skinned_text.h"
#include "skin/store/skin_manager.h"

bool PaintSelectionLabel(HDC dc, const TSelectionLabel& label, TFont& font, TsSkinManager* manager) {
  const int width = label.Rect.right - label.Rect.left, height = label.Rect.bottom - label.Rect.top;
  if (!manager || !dc || width <= 0 || height <= 0) return false;
  const TColor background = ColorToRGB(label.Background);
  TBitmap picture(width, height, pf32bit);
  zelvan::paint::FillRect32(picture.Image(), {0, 0, width, height}, background, 255);
  const int selection = manager->GetSkinIndex("SELECTION");
  const bool withSection = manager->IsValidSkinIndex(selection);
  TCanvas& canvas = picture.Canvas();
  if (withSection) {
    zelvan::paint::TCacheInfo behind;
    behind.FillColor = background;
    PaintItemToDC(selection, "SELECTION", behind, manager, canvas.Handle(), {0, 0}, RECT{0, 0, width, height},
                  label.Focused ? 1 : 0);
  } else {
    zelvan::paint::FillRect32(picture.Image(), {0, 0, width, height},
                              ColorToRGB(manager->GetHighLightColor(label.FocusState)), 255);
  }
  GdiFlush();
  canvas.Font().Assign(font);
  canvas.Brush().SetStyle(bsClear);
  if (withSection) {
    WriteSectionText(canvas, label.Text, label.Enabled, manager, label.Focused ? 1 : 0, selection, label.Format,
                     label.TextRect);
  } else {
    canvas.Font().SetColor(ColorToRGB(manager->GetHighLightFontColor(label.Focused)));
    SetBkMode(canvas.Handle(), TRANSPARENT);
    RECT textRect = label.TextRect;
    canvas.TextRect(textRect, label.Text, label.Format);
    if (label.Focused) {
      RECT whole{0, 0, width, height};
      DrawFocusRect(canvas.Handle(), &whole);
    }
  }
  GdiFlush();
  if (!label.Enabled) {
    TBitmap plain(width, height, pf32bit);
    zelvan::paint::FillRect32(plain.Image(), {0, 0, width, height}, background, 255);
    zelvan::paint::BlendBitmaps(picture.Image(), plain.Image(), 128);
  }
  CopyBitmapToDC(picture, dc, label.Rect, POINT{0, 0});
  return true;
}
