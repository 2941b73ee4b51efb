#include "skin/window/title_bar.h"

#include <algorithm>

#include "framework/forms/custom_form.h"
#include "framework/graphics/image_list.h"
#include "framework/menus/menu.h"
#include "framework/system/exception.h"
#include "skin/window/skin_provider.h"

namespace {

TCustomForm* OwnerForm(TComponent* owner) {
  auto* form = dynamic_cast<TCustomForm*>(owner);
  if (!form) throw Exception(L"TsTitleBar component may be used with forms only!");
  return form;
}

SIZE TextSize(const std::wstring& text, TFont& font) {
  SIZE size{};
  if (text.empty()) return size;
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font.Handle());
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return size;
}

// The width of the drop-down arrow: "u" of the symbol font.
int ArrowWidth(int height) {
  TFont marlett;
  marlett.SetName(L"Marlett");
  marlett.SetCharset(SYMBOL_CHARSET);
  marlett.SetHeight(height);
  return static_cast<int>(TextSize(L"u", marlett).cx);
}

zelvan::paint::TTitleItemStyle CoreStyle(TacTitleItemStyle style) {
  switch (style) {
    case bsMenu: return zelvan::paint::TTitleItemStyle::Menu;
    case bsTab: return zelvan::paint::TTitleItemStyle::Tab;
    case bsSpacing: return zelvan::paint::TTitleItemStyle::Spacing;
    case bsInfo: return zelvan::paint::TTitleItemStyle::Info;
    case bsButton: break;
  }
  return zelvan::paint::TTitleItemStyle::Button;
}

}  // namespace

void TacFontData::UsedFont(TFont& font) const {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  if (SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    const LOGFONTW& caption = metrics.lfCaptionFont;
    font.SetName(caption.lfFaceName);
    font.SetHeight(caption.lfHeight);
    font.SetStyle(caption.lfWeight >= FW_BOLD ? TFontStyles{fsBold} : TFontStyles{});
    font.SetColor(static_cast<TColor>(GetSysColor(COLOR_CAPTIONTEXT)));
  }
  if (!UseSysFontName) font.SetName(Font.Name());
  if (!UseSysSize) font.SetHeight(Font.Height());
  if (!UseSysStyle) font.SetStyle(Font.Style());
  if (!UseSysColor) font.SetColor(Font.Color());
}

void TacTitleBarItem::SetDropdownMenu(TPopupMenu* menu) {
  if (menu == FDropdownMenu) return;
  if (FDropdownMenu) FOwner.RemoveFreeNotification(FDropdownMenu);
  FDropdownMenu = menu;
  if (menu) FOwner.FreeNotification(menu);
  Changed();
}

int TacTitleBarItem::Index() const { return FOwner.IndexOf(this); }

void TacTitleBarItem::Changed() {
  if (OnChanged) OnChanged(this);
  FOwner.Invalidate();
}

TsTitleBar::TsTitleBar(TComponent* owner) : TComponent(OwnerForm(owner)), FForm(static_cast<TCustomForm*>(owner)) {}

TsTitleBar::~TsTitleBar() {
  FItems.clear();
  Invalidate();
}

void TsTitleBar::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != opRemove) return;
  if (component == FImages) FImages = nullptr;
  for (auto& item : FItems) {
    if (item->FDropdownMenu == component) item->FDropdownMenu = nullptr;
  }
}

void TsTitleBar::SetImages(TImageList* images) {
  if (images == FImages) return;
  if (FImages) RemoveFreeNotification(FImages);
  FImages = images;
  if (images) FreeNotification(images);
  Invalidate();
}

TacTitleBarItem* TsTitleBar::Add() {
  FItems.push_back(std::make_unique<TacTitleBarItem>(*this));
  Invalidate();
  return FItems.back().get();
}

void TsTitleBar::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  FItems.erase(FItems.begin() + index);
  Invalidate();
}

TacTitleBarItem* TsTitleBar::Items(int index) const {
  return index >= 0 && index < Count() ? FItems[static_cast<size_t>(index)].get() : nullptr;
}

int TsTitleBar::IndexOf(const TacTitleBarItem* item) const {
  const auto it = std::find_if(FItems.begin(), FItems.end(), [item](const auto& each) { return each.get() == item; });
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

void TsTitleBar::Invalidate() {
  FSizesValid = false;
  if (ComponentState().Contains(csDestroying)) return;
  if (TsSkinProvider* provider = SkinProviderOf(FForm)) provider->TitleChanged();
}

// Each item's size from its content; AutoSize items (and spacers) take it.
void TsTitleBar::Measure() {
  FSizesValid = true;
  for (int i = 0; i < Count(); ++i) {
    TacTitleBarItem& item = *Items(i);
    zelvan::paint::TTitleItemContent content;
    content.Style = CoreStyle(item.Style);
    content.Spacing = item.Spacing;
    content.Own = {item.Width, item.Height};
    if (FImages && item.ImageIndex >= 0 && item.ImageIndex < FImages->Count()) {
      content.Image = {FImages->Width(), FImages->Height()};
    } else if (!item.Glyph.Empty()) {
      content.Image = {item.Glyph.Width() / std::max(1, item.NumGlyphs), item.Glyph.Height()};
    }
    TFont font;
    item.FontData.UsedFont(font);
    const SIZE text = TextSize(item.Caption, font);
    content.Text = {static_cast<int>(text.cx), static_cast<int>(text.cy)};
    if (item.FDropdownMenu) content.ArrowWidth = ArrowWidth(font.Height());
    if (item.AutoSize || item.Style == bsSpacing) {
      const zelvan::paint::TPoint size = zelvan::paint::TitleItemSize(content, ItemsMargin);
      item.Width = size.X;
      item.Height = size.Y;
    }
  }
}

void TsTitleBar::CalcSizes(const zelvan::paint::TTitleBarArea& area) {
  Area = area;
  if (!FSizesValid) Measure();
  std::vector<zelvan::paint::TTitleItemSlot> slots;
  for (int i = 0; i < Count(); ++i) {
    const TacTitleBarItem& item = *Items(i);
    slots.push_back({CoreStyle(item.Style), static_cast<zelvan::paint::TTitleItemAlign>(item.Align),
                     {item.Width, item.Height}, item.Visible});
  }
  FLeftWidth = zelvan::paint::TitleItemsWidth(slots, zelvan::paint::TTitleItemAlign::Left);
  FRightWidth = zelvan::paint::TitleItemsWidth(slots, zelvan::paint::TTitleItemAlign::Right);
  const std::vector<zelvan::paint::TRect> rects = zelvan::paint::LayoutTitleItems(area, slots);
  for (int i = 0; i < Count(); ++i) {
    TacTitleBarItem& item = *Items(i);
    const zelvan::paint::TRect& r = rects[static_cast<size_t>(i)];
    item.Data.Rect = RECT{r.Left, r.Top, r.Right, r.Bottom};
    item.Data.HitCode = item.Clickable() ? kTitleItemCodeFirst + i : 0;
    item.Data.Enabled = item.Enabled;
    if (!item.Visible) item.Data.State = 0;
  }
}

TsTitleBar* TitleBarOf(const TCustomForm* form) {
  if (!form) return nullptr;
  for (int i = 0; i < form->ComponentCount(); ++i) {
    if (auto* bar = dynamic_cast<TsTitleBar*>(form->Components(i))) return bar;
  }
  return nullptr;
}
