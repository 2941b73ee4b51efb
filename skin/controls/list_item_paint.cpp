// TsListView's rows in report view: each row is composed in a bitmap of its
// bounds (background, selection or half-strength hot mark, check box, image,
// caption, cells, grid lines) and copied to the list in one block, so a row
// never flickers between the platform's drawing and ours. In the icon,
// small-icon and list views the selected label is laid over the platform's
// drawing of the item.
#include <algorithm>
#include <string>

#include "core/paint/color_mix.h"
#include "core/paint/fill.h"
#include "core/paint/weighted_blend.h"
#include "framework/graphics/bitmap.h"
#include "skin/controls/list_view.h"
#include "skin/controls/selection_label.h"
#include "skin/image/button_glyphs.h"
#include "skin/paint/control_paint.h"
#include "skin/paint/skinned_text.h"
#include "skin/store/skin_manager.h"

namespace {

std::wstring ItemText(HWND list, int index, int column) {
  wchar_t buffer[261]{};
  LVITEMW item{};
  item.iSubItem = column;
  item.pszText = buffer;
  item.cchTextMax = 260;
  SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
  return buffer;
}

UINT AlignFlags(HWND header, int column) {
  HDITEMW item{};
  item.mask = HDI_FORMAT;
  if (!header || !SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item))) {
    return DT_LEFT;
  }
  switch (item.fmt & HDF_JUSTIFYMASK) {
    case HDF_RIGHT: return DT_RIGHT;
    case HDF_CENTER: return DT_CENTER;
    default: return DT_LEFT;
  }
}

}  // namespace

void TsListView::ListCustomDraw(NMLVCUSTOMDRAW& draw, TCustomDrawStage stage, bool& defaultDraw) {
  if (stage == cdPrePaint) ReadPaintState();
  if (FOldAdvancedCustomDraw) FOldAdvancedCustomDraw(this, draw, stage, defaultDraw);
}

void TsListView::ReadPaintState() {
  ReadColumns();
  HWND window = Handle();
  FPaintFocused = GetFocus() == window;
  FPaintCaptured = GetCapture() != nullptr;
  // One look at the mouse serves every row: under Wine each costs a round
  // trip to the display, more than drawing the row.
  GetCursorPos(&FPaintCursor);
  ::ScreenToClient(window, &FPaintCursor);
  RECT client{};
  GetClientRect(window, &client);
  FPaintCursorInClient = PtInRect(&client, FPaintCursor) != 0;
}

void TsListView::ReadColumns() {
  FColumns.clear();
  const int count = FhWndHeader ? static_cast<int>(SendMessageW(FhWndHeader, HDM_GETITEMCOUNT, 0, 0)) : 0;
  for (int column = 0; column < count; ++column) {
    FColumns.push_back({ColumnLeft(column),
                        static_cast<int>(SendMessageW(Handle(), LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(column), 0)),
                        AlignFlags(FhWndHeader, column)});
  }
}

void TsListView::ItemCustomDraw(NMLVCUSTOMDRAW& draw, TCustomDrawStage stage, bool& defaultDraw) {
  if (FOldAdvancedCustomDrawItem) {
    FOldAdvancedCustomDrawItem(this, draw, stage, defaultDraw);
    return;
  }
  if (!SkinActive()) return;
  if (ViewStyle() != vsReport) {
    // The platform draws the icons, state images and check boxes of these
    // views; the selected label is then laid over in the skin's look.
    if (stage == cdPostPaint) DrawSelectedLabel(draw);
    return;
  }
  if (stage != cdPrePaint) return;
  RECT clip{};
  GetClipBox(draw.nmcd.hdc, &clip);
  DrawRow(draw.nmcd.hdc, static_cast<int>(draw.nmcd.dwItemSpec), clip);
  defaultDraw = false;
}

void TsListView::DrawSelectedLabel(NMLVCUSTOMDRAW& draw) {
  HWND window = Handle();
  const int index = static_cast<int>(draw.nmcd.dwItemSpec);
  const UINT state = static_cast<UINT>(
      SendMessageW(window, LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_SELECTED | LVIS_FOCUSED));
  const bool focused = GetFocus() == window;
  if (!(state & LVIS_SELECTED) || (!focused && HideSelection())) return;
  RECT whole{LVIR_LABEL, 0, 0, 0};
  if (!SendMessageW(window, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&whole))) return;
  if (IsRectEmpty(&whole)) return;
  HDC dc = draw.nmcd.hdc;
  // The platform's own mark goes first: ours may be narrower than its.
  HBRUSH plain = CreateSolidBrush(ColorToRGB(Color()));
  FillRect(dc, &whole, plain);
  DeleteObject(plain);
  TSelectionLabel label;
  label.Text = ItemText(window, index, 0);
  label.Rect = whole;
  HGDIOBJ oldFont = SelectObject(dc, Font().Handle());
  if (ViewStyle() == vsIcon) {
    // Centred and wrapped; the mark reaches down to the text's height.
    label.Format = DT_CENTER | DT_WORDBREAK | DT_WORD_ELLIPSIS | DT_END_ELLIPSIS | DT_NOPREFIX | DT_EDITCONTROL;
    RECT measure{0, 0, whole.right - whole.left - 4, 0};
    DrawTextW(dc, label.Text.c_str(), static_cast<int>(label.Text.size()), &measure, label.Format | DT_CALCRECT);
    label.Rect.bottom = std::max<LONG>(whole.bottom, whole.top + measure.bottom + 2);
    label.TextRect = RECT{2, 1, whole.right - whole.left - 2, label.Rect.bottom - label.Rect.top};
  } else {
    label.Format = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | DT_NOPREFIX | DT_END_ELLIPSIS;
    const int textWidth = TextSizeOnDC(dc, label.Text).cx + 5;
    label.Rect.right = std::min<LONG>(whole.right, whole.left + textWidth);
    label.TextRect = RECT{2, 0, label.Rect.right - label.Rect.left, label.Rect.bottom - label.Rect.top};
  }
  SelectObject(dc, oldFont);
  if (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_RTLREADING) label.Format |= DT_RTLREADING;
  label.Focused = focused;
  label.FocusState = (state & LVIS_FOCUSED) != 0;
  label.Enabled = Enabled();
  label.Background = Color();
  if (PaintSelectionLabel(dc, label, Font(), SkinData.SkinManager())) ++ItemPaints;
}

bool TsListView::RowIsHot(int index, const RECT& bounds, const RECT& clip) {
  if (!NewStyleItems || FPaintCaptured) return false;
  RECT visible{};
  IntersectRect(&visible, &bounds, &clip);
  const bool under = FPaintCursorInClient && PtInRect(&visible, FPaintCursor);
  if (under && index != HotItem) {
    // Only a change of hot row repaints the old one: painting the same row
    // again here would repaint it for ever while the mouse rests on it.
    ForgetHotItem();
    HotItem = index;
  } else if (!under && index == HotItem) {
    HotItem = -1;  // painted plain right now
  }
  return under;
}

void TsListView::DrawRow(HDC dc, int index, const RECT& clip) {
  HWND window = Handle();
  RECT bounds{LVIR_BOUNDS, 0, 0, 0};
  if (!SendMessageW(window, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&bounds))) return;
  const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
  if (width <= 0 || height <= 0) return;
  ++ItemPaints;
  TsSkinManager* manager = SkinData.SkinManager();
  const bool focused = FPaintFocused;
  const UINT state = static_cast<UINT>(SendMessageW(window, LVM_GETITEMSTATE, static_cast<WPARAM>(index),
                                                    LVIS_SELECTED | LVIS_FOCUSED | LVIS_STATEIMAGEMASK));
  const bool selected = (state & LVIS_SELECTED) && (focused || !HideSelection());
  const bool hot = !selected && RowIsHot(index, bounds, clip);
  const bool marked = selected || hot;
  const bool focusedItem = (state & LVIS_FOCUSED) != 0;
  const TColor listColor = ColorToRGB(Color());

  // Rows of a report list share one size: one picture serves them all.
  if (!FRowBmp || FRowBmp->Width() != width || FRowBmp->Height() != height) {
    FRowBmp = std::make_unique<TBitmap>(width, height, pf32bit);
  }
  TBitmap& row = *FRowBmp;
  zelvan::paint::FillRect32(row.Image(), {0, 0, width, height}, listColor, 255);
  RECT icon{LVIR_ICON, 0, 0, 0};
  SendMessageW(window, LVM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&icon));
  OffsetRect(&icon, -bounds.left, -bounds.top);
  if (FColumns.empty()) ReadPaintState();  // drawn outside a paint of the list
  const int column0 = FColumns.empty() ? static_cast<int>(SendMessageW(window, LVM_GETCOLUMNWIDTH, 0, 0))
                                       : FColumns.front().Width;
  const std::wstring caption = ItemText(window, index, 0);
  TCanvas& canvas = row.Canvas();
  // The cells change only the colour: the font handle is made once, not per row.
  canvas.Font().SetColor(Font().Color());
  canvas.Font().Assign(Font());
  canvas.Brush().SetStyle(bsClear);
  RECT captionRect{icon.right + 2, 0, std::min<LONG>(column0, width), height};

  // The mark: the whole row with row select, else the caption's label.
  RECT mark{0, 0, width, height};
  if (!RowSelect()) {
    const int textWidth = TextSizeOnDC(canvas.Handle(), caption).cx + 5;
    mark = RECT{captionRect.left - 2, 0, std::min<LONG>(captionRect.left - 2 + textWidth, captionRect.right), height};
  }
  const bool withSection = manager && manager->IsValidSkinIndex(iSelectIndex);
  if (marked && !IsRectEmpty(&mark)) {
    if (withSection) {
      zelvan::paint::TCacheInfo behind;
      behind.FillColor = listColor;
      PaintItemToDC(iSelectIndex, "SELECTION", behind, manager, canvas.Handle(), {0, 0}, mark,
                    focused && focusedItem ? 1 : 0);
      GdiFlush();
    } else if (manager) {
      zelvan::paint::FillRect32(row.Image(), {mark.left, mark.top, mark.right, mark.bottom},
                                ColorToRGB(manager->GetHighLightColor(focused)), 255);
    }
    if (hot) {
      // Half selected: the mark blended with the list's plain background.
      TBitmap plain(width, height, pf32bit);
      zelvan::paint::FillRect32(plain.Image(), {0, 0, width, height}, listColor, 255);
      zelvan::paint::BlendBitmaps(row.Image(), plain.Image(), 128);
    }
  }
  if (Checkboxes() && manager) {
    const int checkState = ((state & LVIS_STATEIMAGEMASK) >> 12) == 2 ? 1 : 0;
    zelvan::paint::TCacheInfo behind;
    behind.FillColor = listColor;
    if (marked && RowSelect()) {
      behind.Bmp = &row.Image();
      behind.Ready = true;
    }
    const int boxWidth = SmallCheckBoxWidth(manager);
    DrawSmallCheckBox(RECT{3, 0, 3 + boxWidth, height}, checkState, Enabled(), manager, behind, row);
  } else if (const int stateImage = static_cast<int>((state & LVIS_STATEIMAGEMASK) >> 12); stateImage > 0) {
    // The item's own state image (its index counts from 1), where the platform puts it.
    HIMAGELIST states = reinterpret_cast<HIMAGELIST>(SendMessageW(window, LVM_GETIMAGELIST, LVSIL_STATE, 0));
    if (states && stateImage <= ImageList_GetImageCount(states)) {
      int w = 0, h = 0;
      ImageList_GetIconSize(states, &w, &h);
      GdiFlush();
      ImageList_Draw(states, stateImage - 1, canvas.Handle(), 3, (height - h) / 2, ILD_TRANSPARENT);
    }
  }
  LVITEMW item{};
  item.mask = LVIF_IMAGE;
  item.iItem = index;
  HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageW(window, LVM_GETIMAGELIST, LVSIL_SMALL, 0));
  if (images && SendMessageW(window, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)) && item.iImage >= 0) {
    int w = 0, h = 0;
    ImageList_GetIconSize(images, &w, &h);
    ImageList_Draw(images, item.iImage, canvas.Handle(), icon.left + (icon.right - icon.left - w) / 2,
                   icon.top + (icon.bottom - icon.top - h) / 2, ILD_TRANSPARENT);
  }
  UINT flags = DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | DT_NOCLIP | DT_NOPREFIX | DT_END_ELLIPSIS;
  if (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_RTLREADING) flags |= DT_RTLREADING;
  TColor plainText = ColorToRGB(Font().Color());
  if (!Enabled()) plainText = zelvan::paint::MixColors(plainText, listColor, 0.5);
  const auto writeText = [&](const std::wstring& text, RECT r, UINT format, bool inMark) {
    if (inMark && withSection && !SkinData.CustomFont()) {
      WriteSectionText(canvas, text, Enabled(), manager, focused && !hot ? 1 : 0, iSelectIndex, format, r);
      return;
    }
    TColor color = plainText;
    if (inMark && !hot && manager && !SkinData.CustomFont()) color = ColorToRGB(manager->GetHighLightFontColor(focused));
    canvas.Font().SetColor(color);
    SetBkMode(canvas.Handle(), TRANSPARENT);
    canvas.TextRect(r, text, format);
  };
  writeText(caption, captionRect, flags, marked);
  DrawCells(row, index, bounds, marked && RowSelect(), selected, focusedItem);
  if (selected && focused && focusedItem && !withSection) DrawFocusRect(canvas.Handle(), &mark);
  GdiFlush();
  CopyBitmapToDC(row, dc, bounds, POINT{0, 0});
}

void TsListView::DrawCells(TBitmap& row, int index, const RECT& bounds, bool marked, bool selected, bool) {
  HWND window = Handle();
  TsSkinManager* manager = SkinData.SkinManager();
  const int columns = static_cast<int>(FColumns.size());
  const int height = bounds.bottom - bounds.top;
  const bool focused = FPaintFocused;
  const bool withSection = manager && manager->IsValidSkinIndex(iSelectIndex);
  const TColor listColor = ColorToRGB(Color());
  TCanvas& canvas = row.Canvas();
  TColor plainText = ColorToRGB(Font().Color());
  if (!Enabled()) plainText = zelvan::paint::MixColors(plainText, listColor, 0.5);
  for (int column = 1; column < columns; ++column) {
    const int left = FColumns[static_cast<size_t>(column)].Left;
    const int width = FColumns[static_cast<size_t>(column)].Width;
    RECT cell{left + 3, 0, left + width - 2, height};
    if (cell.right <= cell.left) continue;
    const std::wstring text = ItemText(window, index, column);
    const UINT flags = FColumns[static_cast<size_t>(column)].Align | DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS | DT_NOPREFIX |
                       DT_END_ELLIPSIS;
    SetBkMode(canvas.Handle(), TRANSPARENT);
    if (marked && withSection && !SkinData.CustomFont()) {
      WriteSectionText(canvas, text, Enabled(), manager, focused && selected ? 1 : 0, iSelectIndex, flags, cell);
      continue;
    }
    TColor color = plainText;
    if (marked && selected && manager && !SkinData.CustomFont()) {
      color = ColorToRGB(manager->GetHighLightFontColor(focused));
    }
    canvas.Font().SetColor(color);
    canvas.TextRect(cell, text, flags);
  }
  GdiFlush();
  if (GridLines() && !FPaintCaptured) {
    const TColor grid = ColorToRGB(GridColor);
    const int width = bounds.right - bounds.left;
    zelvan::paint::FillRect32(row.Image(), {0, height - 1, width, height}, grid, 255);
    for (int column = 0; column < columns; ++column) {
      const int right = FColumns[static_cast<size_t>(column)].Left + FColumns[static_cast<size_t>(column)].Width;
      if (right - 1 >= 0 && right - 1 < width) {
        zelvan::paint::FillRect32(row.Image(), {right - 1, 0, right, height}, grid, 255);
      }
    }
  }
}
