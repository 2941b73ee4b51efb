// TsSkinableMenus: measuring and drawing owner-drawn popup items from the
// skin, the prepared background of each open popup and its window region.
#include "skin/menus/skinable_menus.h"

#include <algorithm>
#include <map>
#include <string>

#include "core/image/bitmap32.h"
#include "core/paint/block_transfer.h"
#include "core/paint/fill.h"
#include "core/paint/image_part.h"
#include "core/paint/item_paint.h"
#include "core/paint/mask_painting.h"
#include "core/paint/menu_layout.h"
#include "core/paint/weighted_blend.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/image_list.h"
#include "skin/core/skin_messages.h"
#include "skin/menus/menu_wnd.h"
#include "skin/paint/control_paint.h"
#include "skin/paint/skinned_text.h"
#include "skin/store/manager_seams.h"
#include "skin/store/skin_manager.h"

using zelvan::paint::TCacheInfo;
using zelvan::paint::TMenuItemKind;
using zelvan::paint::TRect;

namespace {

constexpr int kMeasureBoxWidth = 800;
constexpr uint8_t kDisabledKeep = 153;  // 60 % of the item kept: 40 % toward the background

std::vector<std::unique_ptr<TacMenuInfo>>& MenuInfoList() {
  // Never destroyed: bitmaps must not be freed after the graphics layer's own statics.
  static auto* list = new std::vector<std::unique_ptr<TacMenuInfo>>();
  return *list;
}

std::map<TsSkinManager*, std::unique_ptr<TsSkinableMenus>>& Painters() {
  // Never destroyed: a painter's end looks at menu items, which may be gone at exit.
  static auto* painters = new std::map<TsSkinManager*, std::unique_ptr<TsSkinableMenus>>();
  return *painters;
}

const zelvan::store::TsMaskData* Part(const TsSkinManager* manager, int index) {
  return manager && manager->IsValidImgIndex(index) ? &manager->ma[static_cast<size_t>(index)] : nullptr;
}

int GlobalPart(const TsSkinManager* manager, const char* name) {
  return manager->GetMaskIndex(manager->ConstData.IndexGLobalInfo, "GLOBALINFO", name);
}

// The first visible item of the item's popup: the key of its background.
TMenuItem* FirstOfPopup(TMenuItem* item) {
  TMenuItem* parent = item ? item->Parent() : nullptr;
  if (!parent) return item;
  for (int i = 0; i < parent->Count(); ++i) {
    if (parent->Items(i)->Visible) return parent->Items(i);
  }
  return item;
}

TMenuItem* LastOfPopup(TMenuItem* item) {
  TMenuItem* parent = item->Parent();
  if (!parent) return item;
  for (int i = parent->Count() - 1; i >= 0; --i) {
    if (parent->Items(i)->Visible) return parent->Items(i);
  }
  return item;
}

bool IsSysMenuItem(TMenuItem* item) {
  TMenu* menu = item->GetParentMenu();
  return menu && menu->Name().rfind(L"acSysMenu", 0) == 0;
}

// The client area's origin in window coordinates: where item rects start.
bool IsRightToLeftItem(const TMenuItem* item) {
  const TMenu* menu = item->GetParentMenu();
  return menu && menu->IsRightToLeft();
}

POINT ClientOffset(HWND window) {
  RECT bounds{};
  GetWindowRect(window, &bounds);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  return POINT{origin.x - bounds.left, origin.y - bounds.top};
}

void CopyBlock(TBitmap& bitmap, HDC dc, const RECT& destination, POINT source) {
  if (destination.right <= destination.left || destination.bottom <= destination.top) return;
  CopyBitmapToDC(bitmap, dc, destination, source);
}

}  // namespace

TsSkinableMenus* SkinableMenusOf(TsSkinManager* manager) {
  if (!manager) return nullptr;
  auto& painters = Painters();
  auto it = painters.find(manager);
  if (it == painters.end()) it = painters.emplace(manager, std::make_unique<TsSkinableMenus>(manager)).first;
  return it->second.get();
}

void ForgetSkinableMenus(TsSkinManager* manager) {
  // Wrappers keep skin data that refers to their manager: they go with it.
  FreeMenuWrappersOf(manager);
  TsSkinableMenus::ClearMenuInfo();
  Painters().erase(manager);
}

void ResetMenuBorderWidth(TsSkinManager& manager) {
  TsSkinableMenus* painter = SkinableMenusOf(&manager);
  painter->SkinBorderWidth = -1;
  TsSkinableMenus::ClearMenuInfo();
}

void ReskinExistingMenus(TsSkinManager& manager) { SkinableMenusOf(&manager)->InitItems(true); }

void InstallPopupSkinning() {
  auto& hook = TPopupMenu::BeforePopup();
  if (hook) return;
  hook = [](TPopupMenu& menu) {
    TsSkinManager* manager = DefaultManager();
    if (TsSkinableMenus* painter = SkinableMenusOf(manager)) painter->HookPopupMenu(menu, painter->Active());
  };
}

TsSkinableMenus::TsSkinableMenus(TsSkinManager* owner) : FOwner(owner) {}

TsSkinableMenus::~TsSkinableMenus() {
  // The handlers point here: items that outlive the painter drop them.
  for (TMenuItem* item : FHooked) {
    if (!TMenuItem::IsAlive(item)) continue;
    item->OnMeasureItem = nullptr;
    item->OnAdvancedDrawItem = nullptr;
  }
}

bool TsSkinableMenus::Active() const {
  return FOwner && FOwner->SkinnedPopups() && FOwner->Active() && FOwner->SkinData && !FOwner->SkinRemoving;
}

bool& TsSkinableMenus::SkinnedPopupFlag() {
  static bool flag = false;
  return flag;
}

// ---------------------------------------------------------------- hooking

void TsSkinableMenus::HookPopupMenu(TMenu& menu, bool active) {
  const bool on = active && FOwner && FOwner->SkinnedPopups();
  ReadMenuFont();  // the platform's settings may have changed since the last menu
  menu.SetOwnerDraw(on);
  if (auto* popup = dynamic_cast<TPopupMenu*>(&menu); popup && on) popup->MenuAnimation = TMenuAnimation{maNone};
  for (int i = 0; i < menu.Items().Count(); ++i) HookItem(*menu.Items().Items(i), on);
}

void TsSkinableMenus::HookItem(TMenuItem& item, bool active) {
  InitItem(item, active);
  for (int i = 0; i < item.Count(); ++i) HookItem(*item.Items(i), active);
}

void TsSkinableMenus::InitItem(TMenuItem& item, bool active) {
  const bool ours = FHooked.count(&item) != 0;
  if (active) {
    if (ours || (!item.OnMeasureItem && !item.OnAdvancedDrawItem)) {
      item.OnMeasureItem = [this](TMenuItem* sender, HDC dc, int& width, int& height) {
        sMeasureItem(sender, dc, width, height);
      };
      item.OnAdvancedDrawItem = [this](TMenuItem* sender, HDC dc, const RECT& rect, TOwnerDrawState state) {
        sAdvancedDrawItem(sender, dc, rect, state);
      };
      FHooked.insert(&item);
    }
  } else if (ours) {
    item.OnMeasureItem = nullptr;
    item.OnAdvancedDrawItem = nullptr;
    FHooked.erase(&item);
  }
}

void TsSkinableMenus::InitItems(bool active) {
  // Items that died since their hooking are forgotten first.
  for (auto it = FHooked.begin(); it != FHooked.end();) it = TMenuItem::IsAlive(*it) ? std::next(it) : FHooked.erase(it);
  ForEachMenu([&](TMenu& menu) { HookPopupMenu(menu, active); });
}

void TsSkinableMenus::UpdateMenus() {
  ClearMenuInfo();
  SkinBorderWidth = -1;
  InitItems(Active());
}

bool TsSkinableMenus::IsPopupItem(const TMenuItem* item) const {
  TMenu* menu = item ? item->GetParentMenu() : nullptr;
  return dynamic_cast<TPopupMenu*>(menu) != nullptr;
}

// ---------------------------------------------------------------- measuring

void TsSkinableMenus::ReadMenuFont() {
  NONCLIENTMETRICSW metrics{};
  metrics.cbSize = sizeof(metrics);
  FMenuFontRead = SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0) != FALSE;
  if (FMenuFontRead) FMenuFont = metrics.lfMenuFont;
}

bool TsSkinableMenus::MakeFont(TMenuItem* item, int state, TFont& font) {
  if (!FMenuFontRead) ReadMenuFont();
  if (FMenuFontRead) {
    font.SetName(FMenuFont.lfFaceName);
    font.SetHeight(FMenuFont.lfHeight);
  }
  BYTE charset = DEFAULT_CHARSET;
  if (TMenu* menu = item->GetParentMenu()) {
    for (TComponent* owner = menu->Owner(); owner; owner = owner->Owner()) {
      if (auto* control = dynamic_cast<TControl*>(owner)) {
        charset = control->Font().Charset();
        break;
      }
    }
  }
  font.SetCharset(charset);
  font.SetStyle(item->Default ? TFontStyles{fsBold} : TFontStyles{});
  const TColor before = font.Color();
  if (FOwner && FOwner->OnGetPopupItemData) FOwner->OnGetPopupItemData(item, state, font);
  return font.Color() != before;
}

SIZE TsSkinableMenus::GlyphSize(TMenuItem* item) const {
  if (TBitmap* bitmap = item->Bitmap(); bitmap && !bitmap->Empty()) return SIZE{bitmap->Width(), bitmap->Height()};
  if (TMenuItem* parent = item->Parent(); parent && parent->SubMenuImages) {
    return SIZE{parent->SubMenuImages->Width(), parent->SubMenuImages->Height()};
  }
  if (TMenu* menu = item->GetParentMenu(); menu && menu->Images) return SIZE{menu->Images->Width(), menu->Images->Height()};
  return SIZE{16, 16};
}

void TsSkinableMenus::sMeasureItem(TMenuItem* item, HDC dc, int& width, int& height) {
  const TMenuItemKind kind = zelvan::paint::MenuItemKind(item->Caption);
  TFont font;
  MakeFont(item, 0, font);
  zelvan::paint::TMenuMeasureInput in;
  in.Kind = kind;
  if (kind != TMenuItemKind::Separator) {
    std::wstring text = item->Caption;
    if (kind == TMenuItemKind::Normal && !item->ShortCutText.empty()) text += L"\t" + item->ShortCutText;
    RECT box{0, 0, kind == TMenuItemKind::Normal ? kMeasureBoxWidth : 1, 0};
    HGDIOBJ old = SelectObject(dc, font.Handle());
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &box, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
    SelectObject(dc, old);
    in.TextWidth = box.right - box.left;
    in.TextHeight = box.bottom - box.top;
  }
  const SIZE glyph = GlyphSize(item);
  in.GlyphWidth = glyph.cx;
  in.GlyphHeight = glyph.cy;
  in.Margin = Margin;
  in.Spacing = Spacing;
  if (FOwner && FOwner->MenuSupport.UseExtraLine) {
    // Items before the popup's first column break carry the extra line.
    TMenuItem* parent = item->Parent();
    bool beforeBreak = true;
    for (int i = 0; parent && i <= item->MenuIndex(); ++i) {
      if (parent->Items(i)->Break != mbNone) beforeBreak = false;
    }
    if (beforeBreak) in.ExtraLineWidth = FOwner->MenuSupport.ExtraLineWidth;
  }
  const zelvan::paint::TMenuItemSize size = zelvan::paint::MeasureMenuItem(in);
  width = size.Width;
  height = size.Height;
}

// ---------------------------------------------------------------- background

int TsSkinableMenus::GetSkinBorderWidth() {
  if (SkinBorderWidth >= 0) return SkinBorderWidth;
  if (!FOwner || !FOwner->SkinData) return 0;
  const int part = FOwner->GetMaskIndex(FOwner->GetSkinIndex("MAINMENU"), "MAINMENU", "BORDERSMASK");
  const auto* mask = Part(FOwner, part);
  SkinBorderWidth = mask ? std::max<int>(mask->WL, 0) : 0;
  return SkinBorderWidth;
}

int TsSkinableMenus::ExtraWidth(const TacMenuInfo& info) const {
  return info.HaveExtraLine && FOwner ? FOwner->MenuSupport.ExtraLineWidth : 0;
}

TacMenuInfo* TsSkinableMenus::MenuInfoOf(HWND window) {
  for (auto& info : MenuInfoList()) {
    if (window && info->Wnd == window) return info.get();
  }
  return nullptr;
}

void TsSkinableMenus::ClearMenuInfo() { MenuInfoList().clear(); }

TacMenuInfo* TsSkinableMenus::GetMenuInfo(TMenuItem* item, int width, HWND window, int height) {
  TMenuItem* first = FirstOfPopup(item);
  for (auto& info : MenuInfoList()) {
    if (info->FirstItem == first && (!window || info->Wnd == window)) return info.get();
  }
  return PrepareMenuBG(first, width, window, height);
}

TacMenuInfo* TsSkinableMenus::PrepareMenuBG(TMenuItem* firstItem, int width, HWND window, int height) {
  if (!FOwner || !FOwner->SkinData || width <= 0 || height <= 0) return nullptr;
  auto info = std::make_unique<TacMenuInfo>();
  info->FirstItem = firstItem;
  info->Wnd = window;
  info->Bmp = std::make_unique<TBitmap>(width, height, pf32bit);
  TBitmap& bmp = *info->Bmp;
  const RECT whole{0, 0, width, height};
  const int menuIndex = FOwner->GetSkinIndex("MAINMENU");
  PaintSection(bmp.Image(), "MAINMENU", "", nullptr, FOwner->IsValidSkinIndex(menuIndex)
                                                         ? FOwner->gd[static_cast<size_t>(menuIndex)].Props[0].Color
                                                         : static_cast<zelvan::paint::TColor>(GetSysColor(COLOR_MENU)),
               whole, FOwner, 0);
  const int border = GetSkinBorderWidth();

  // Extra line: shown for every popup but the system menu's skin list.
  bool extra = FOwner->MenuSupport.UseExtraLine && firstItem && firstItem->Name() != L"SkinSelectItem0";
  const int extraWidth = extra ? FOwner->MenuSupport.ExtraLineWidth : 0;

  const bool rightAligned = window && (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_RIGHT);
  if (!rightAligned && firstItem) {
    const SIZE glyph = GlyphSize(firstItem);
    const std::string icoLine(FOwner->MenuSupport.IcoLineSkin.begin(), FOwner->MenuSupport.IcoLineSkin.end());
    const int icoIndex = FOwner->GetSkinIndex(icoLine);
    if (FOwner->IsValidSkinIndex(icoIndex)) {
      const TRect band = zelvan::paint::ClipToSize(
          {border + extraWidth, border, border + extraWidth + Margin + glyph.cx + Spacing, height - border}, width,
          height);
      if (!band.IsEmpty()) {
        TCacheInfo behind{&bmp.Image(), 0, 0, 0, true};
        auto copy = zelvan::image::CreateBmp32(width, height);
        zelvan::paint::CopyBlock(*copy, {0, 0}, bmp.Image(), {0, 0, width, height});
        behind.Bmp = copy.get();
        zelvan::paint::PaintItemByIndex(icoIndex, icoLine, behind, -1, -1, FOwner, bmp.Image(), {0, 0}, band, 0);
      }
    }
  }
  ArOR.clear();
  const int maskIndex = FOwner->GetMaskIndex(menuIndex, "MAINMENU", "BORDERSMASK");
  if (const auto* mask = Part(FOwner, maskIndex)) zelvan::paint::DrawMaskRectRegion(bmp.Image(), ArOR, 0, *mask);
  if (extra) {
    DrawExtraLine(bmp, firstItem, border, height);
    extra = info->HaveExtraLine = true;
  }
  // A right-to-left menu has its icon column and extra line on the right.
  if (firstItem && IsRightToLeftItem(firstItem)) {
    zelvan::paint::MirrorHorizontally(bmp.Image());
    for (zelvan::paint::TRect& cut : ArOR) cut = zelvan::paint::MirroredRect(cut, width);
  }
  TacMenuInfo* result = info.get();
  MenuInfoList().push_back(std::move(info));
  if (window) DrawWndBorder(window, bmp);
  return result;
}

void TsSkinableMenus::DrawExtraLine(TBitmap& bmp, TMenuItem* firstItem, int border, int height) {
  std::wstring section = L"EXTRALINE", text = L"Use OnGetExtraLineData event";
  HBITMAP glyph = nullptr;
  bool shown = true;
  if (FOwner->OnGetMenuExtraLineData) FOwner->OnGetMenuExtraLineData(firstItem, section, text, glyph, shown);
  if (!shown) return;
  text = zelvan::paint::StripAccelerators(text);
  const int lineWidth = FOwner->MenuSupport.ExtraLineWidth;
  const TRect band = zelvan::paint::ClipToSize({border, border, border + lineWidth, height - border}, bmp.Width(),
                                               bmp.Height());
  if (band.IsEmpty()) return;
  const std::string name(section.begin(), section.end());
  const int index = FOwner->GetSkinIndex(name);
  if (FOwner->IsValidSkinIndex(index)) {
    TCacheInfo behind;
    behind.FillColor = FOwner->gd[static_cast<size_t>(index)].Props[0].Color;
    zelvan::paint::PaintItemByIndex(index, name, behind, -1, -1, FOwner, bmp.Image(), {0, 0}, band, 0);
  }
  HDC dc = bmp.Canvas().Handle();
  int bottom = band.Bottom - 12;
  BITMAP info{};
  if (glyph && GetObjectW(glyph, sizeof(info), &info)) {
    HDC source = CreateCompatibleDC(dc);
    HGDIOBJ old = SelectObject(source, glyph);
    BitBlt(dc, band.Left + (lineWidth - info.bmWidth) / 2, bottom - info.bmHeight, info.bmWidth, info.bmHeight, source,
           0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    bottom -= info.bmHeight + 32 - 12;
  }
  // Reads upward from the band's bottom, so a long text stays inside the band.
  LOGFONTW logFont{};
  GetObjectW(FOwner->MenuSupport.ExtraLineFont.Handle(), sizeof(logFont), &logFont);
  logFont.lfEscapement = logFont.lfOrientation = 900;
  HFONT rotated = CreateFontIndirectW(&logFont);
  HGDIOBJ oldFont = SelectObject(dc, rotated);
  SIZE extent{};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, FOwner->IsValidSkinIndex(index) ? FOwner->gd[static_cast<size_t>(index)].Props[0].FontColor.Color
                                                   : FOwner->MenuSupport.ExtraLineFont.Color());
  TextOutW(dc, band.Left + (lineWidth - extent.cy) / 2, bottom, text.c_str(), static_cast<int>(text.size()));
  SelectObject(dc, oldFont);
  DeleteObject(rotated);
  GdiFlush();
}

void TsSkinableMenus::DrawWndBorder(HWND window, TBitmap& bitmap) {
  if (BorderDrawing || !window || !IsWindow(window)) return;
  BorderDrawing = true;
  const bool inPlace = SendMessageW(window, SKM_COMMAND, SkinCommandWParam(SKC_SET_UPDATING, 0), 0) != 0;
  if (!inPlace) {
    SendMessageW(window, SKM_COMMAND, SkinCommandWParam(SKC_MENU_BORDER, 0), 0);
    HRGN region = CreateRectRgn(0, 0, bitmap.Width(), bitmap.Height());
    // At least one pixel goes, so the region is never a plain rectangle the
    // platform would drop (the top-left corner pixel).
    const std::vector<TRect> cut = ArOR.empty() ? std::vector<TRect>{TRect{0, 0, 1, 1}} : ArOR;
    for (const TRect& r : cut) {
      HRGN piece = CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom);
      CombineRgn(region, region, piece, RGN_DIFF);
      DeleteObject(piece);
    }
    if (!SetWindowRgn(window, region, TRUE)) DeleteObject(region);  // the system owns it after success
    HDC dc = GetWindowDC(window);
    if (dc) {
      CopyBlock(bitmap, dc, RECT{0, 0, bitmap.Width(), bitmap.Height()}, POINT{0, 0});
      ReleaseDC(window, dc);
    }
  }
  BorderDrawing = false;
}

// ---------------------------------------------------------------- drawing

void TsSkinableMenus::CopyFrameParts(HDC dc, const TacMenuInfo& info, TMenuItem* item, const RECT& rect, POINT offset) {
  TBitmap& bmp = *info.Bmp;
  // Client coordinates in dc; the background is in window coordinates.
  const int width = bmp.Width() - offset.x, height = bmp.Height() - offset.y;
  const auto copy = [&](const RECT& r) { CopyBlock(bmp, dc, r, POINT{r.left + offset.x, r.top + offset.y}); };
  // A right-to-left popup has its extra line on the right and its last column on the left.
  const bool rtl = IsRightToLeftItem(item);
  if (item == info.FirstItem) {
    copy(RECT{-offset.x, -offset.y, width, rect.top});
    if (rtl) {
      copy(RECT{rect.right - ExtraWidth(info), rect.top, width, height});
    } else {
      copy(RECT{-offset.x, rect.top, rect.left + ExtraWidth(info), height});
    }
  }
  if (item == LastOfPopup(item)) copy(RECT{-offset.x, rect.bottom, width, height});
  // Beside the item up to the border, unless a later column lies there.
  bool lastColumn = true;
  if (TMenuItem* parent = item->Parent()) {
    for (int i = item->MenuIndex() + 1; i < parent->Count(); ++i) {
      if (parent->Items(i)->Visible && parent->Items(i)->Break != mbNone) lastColumn = false;
    }
  }
  if (!lastColumn) return;
  if (rtl) {
    copy(RECT{-offset.x, rect.top, rect.left, rect.bottom});
  } else {
    copy(RECT{rect.right, rect.top, width, rect.bottom});
  }
}

void TsSkinableMenus::sAdvancedDrawItem(TMenuItem* item, HDC dc, const RECT& rect, TOwnerDrawState state) {
  if (!Active()) return item->DrawDefault(dc, rect, state);
  HWND window = WindowFromDC(dc);
  RECT bounds{};
  if (window) {
    GetWindowRect(window, &bounds);
  } else if (BITMAP target{}; GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof(target), &target)) {
    bounds = RECT{0, 0, target.bmWidth, target.bmHeight};  // a memory context: the popup is its bitmap
  }
  if (window) WrapMenuWindow(window, FOwner);
  SkinnedPopupFlag() = true;
  TacMenuInfo* info = GetMenuInfo(item, bounds.right - bounds.left, window, bounds.bottom - bounds.top);
  if (!info) return;
  const POINT offset = window ? ClientOffset(window) : POINT{0, 0};
  CopyFrameParts(dc, *info, item, rect, offset);

  RECT place = rect;
  if (IsRightToLeftItem(item)) {
    const int clientWidth = (bounds.right - bounds.left) - 2 * offset.x;
    place.right = std::min<LONG>(rect.right, clientWidth - ExtraWidth(*info));
  } else if (rect.left < ExtraWidth(*info)) {
    place.left = ExtraWidth(*info);
  }
  const int w = place.right - place.left, h = place.bottom - place.top;
  if (w <= 0 || h <= 0) return;
  // One picture serves every item: a new bitmap and context per item would
  // cost more than drawing it.
  if (!FPicture) FPicture = std::make_unique<TBitmap>(w, h, pf32bit);
  FPicture->SetSize(w, h);
  TBitmap& picture = *FPicture;
  const TRect source{place.left + offset.x, place.top + offset.y, place.left + offset.x + w, place.top + offset.y + h};
  zelvan::paint::CopyBlock(picture.Image(), {0, 0}, info->Bmp->Image(), source);
  const bool selected = state.Contains(odSelected) && item->Enabled;
  TFont font;
  const bool colorChanged = MakeFont(item, selected ? 1 : 0, font);
  picture.Canvas().Font().Assign(font);

  switch (zelvan::paint::MenuItemKind(item->Caption)) {
    case TMenuItemKind::Separator:
      DrawSeparator(picture, *info, item, w);
      break;
    case TMenuItemKind::Caption:
      DrawCaptionItem(picture, item);
      break;
    case TMenuItemKind::Normal:
      DrawNormalItem(picture, item, selected, colorChanged);
      break;
  }
  if (OnDrawItem) OnDrawItem(item, picture, place, state);
  if (!item->Enabled) {
    auto background = zelvan::image::CreateBmp32(w, h);
    zelvan::paint::CopyBlock(*background, {0, 0}, info->Bmp->Image(), source);
    zelvan::paint::BlendBitmaps(picture.Image(), *background, kDisabledKeep);
  }
  GdiFlush();
  CopyBlock(picture, dc, place, POINT{0, 0});
}

void TsSkinableMenus::DrawSeparator(TBitmap& picture, const TacMenuInfo& info, TMenuItem* item, int width) {
  const int divider = FOwner->GetSkinIndex("DIVIDERV");
  const auto* mask = Part(FOwner, FOwner->GetMaskIndex(divider, "DIVIDERV", "BORDERSMASK"));
  const SIZE glyph = GlyphSize(item);
  (void)info;
  const int left = std::max<int>(Margin + Spacing, Margin + glyph.cx + Spacing + 2);
  const int right = width - (2 * Margin + Spacing);
  // The mask where the row can hold it; a plain line in a row thinner than its corners.
  if (mask && right > left && picture.Height() >= zelvan::paint::StateHeight(*mask)) {
    const TRect row{left, 0, right, picture.Height()};
    TCacheInfo behind{&picture.Image(), 0, 0, 0, true};
    auto copy = zelvan::image::CreateBmp32(picture.Width(), picture.Height());
    zelvan::paint::CopyBlock(*copy, {0, 0}, picture.Image(), {0, 0, picture.Width(), picture.Height()});
    behind.Bmp = copy.get();
    zelvan::paint::DrawMaskRect(picture.Image(), row, true, 0, *mask, behind);
    return;
  }
  zelvan::paint::FillRect32(picture.Image(), {left, 0, std::max(left, right), 1},
                            static_cast<zelvan::paint::TColor>(GetSysColor(COLOR_BTNSHADOW)), 255);
}

void TsSkinableMenus::DrawCaptionItem(TBitmap& picture, TMenuItem* item) {
  int index = FOwner->GetSkinIndex("MENUCAPTION");
  std::string name = "MENUCAPTION";
  if (!FOwner->IsValidSkinIndex(index)) {
    index = FOwner->GetSkinIndex("TOOLBAR");
    name = "TOOLBAR";
  }
  const TRect whole{0, 0, picture.Width(), picture.Height()};
  if (FOwner->IsValidSkinIndex(index)) {
    auto copy = zelvan::image::CreateBmp32(picture.Width(), picture.Height());
    zelvan::paint::CopyBlock(*copy, {0, 0}, picture.Image(), whole);
    TCacheInfo behind{copy.get(), 0, 0, 0, true};
    zelvan::paint::PaintItemByIndex(index, name, behind, -1, -1, FOwner, picture.Image(), {0, 0}, whole, 0);
  }
  WriteSectionText(picture.Canvas(), zelvan::paint::MenuCaptionText(item->Caption), true, FOwner, 0, index,
                   DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_HIDEPREFIX, RECT{0, 0, picture.Width(), picture.Height()});
}

void TsSkinableMenus::DrawCheckAndGlyph(TBitmap& picture, TMenuItem* item, bool selected) {
  const bool rtl = IsRightToLeftItem(item);
  const int h = picture.Height();
  TMenu* menu = item->GetParentMenu();
  TImageList* images = item->Parent() && item->Parent()->SubMenuImages ? item->Parent()->SubMenuImages
                       : menu                                          ? menu->Images
                                                                       : nullptr;
  const bool hasImage = (images && item->ImageIndex >= 0 && item->ImageIndex < images->Count()) ||
                        (item->Bitmap() && !item->Bitmap()->Empty());
  if (item->Checked && !hasImage) {
    int part = GlobalPart(FOwner, item->RadioItem ? "RADIOCHECKED" : "CHECK");
    if (!Part(FOwner, part)) part = GlobalPart(FOwner, "BOXCHECKED");
    if (const auto* mask = Part(FOwner, part)) {
      const int pw = zelvan::paint::StateWidth(*mask), ph = zelvan::paint::StateHeight(*mask);
      const int left = rtl ? picture.Width() - zelvan::paint::MenuCheckLeft(Margin) - pw : zelvan::paint::MenuCheckLeft(Margin);
      zelvan::paint::DrawMaskGlyph(picture.Image(), {left, (h - ph) / 2}, selected ? 1 : 0, TCacheInfo{}, *mask, 1);
    }
  }
  const SIZE glyph = GlyphSize(item);
  const int top = (h - glyph.cy) / 2;
  const int left = std::min(3, std::max(0, top));
  if (images && item->ImageIndex >= 0 && item->ImageIndex < images->Count()) {
    if (item->Checked) {
      const int speed = FOwner->GetSkinIndex("SPEEDBUTTON_SMALL");
      if (FOwner->IsValidSkinIndex(speed)) {
        TCacheInfo behind;
        zelvan::paint::PaintItemByIndex(speed, "SPEEDBUTTON_SMALL", behind, -1, -1, FOwner, picture.Image(), {0, 0},
                                        {left, top, left + glyph.cx, top + glyph.cy}, 2);
      }
    }
    images->Draw(picture.Canvas(), left, top, item->ImageIndex, item->Enabled);
  } else if (TBitmap* bitmap = item->Bitmap(); bitmap && !bitmap->Empty()) {
    picture.Canvas().Draw(left, top, *bitmap);
  } else if (IsSysMenuItem(item)) {
    const wchar_t* symbol = nullptr;
    switch (item->Tag()) {
      case SC_MINIMIZE: symbol = L"0"; break;
      case SC_MAXIMIZE: symbol = L"1"; break;
      case SC_CLOSE: symbol = L"r"; break;
      case SC_RESTORE: symbol = L"2"; break;
      default: break;
    }
    if (symbol) {
      TFont marlett;
      marlett.SetName(L"Marlett");
      marlett.SetSize(10);
      marlett.SetCharset(SYMBOL_CHARSET);
      const int index = FOwner->GetSkinIndex("MENUITEM");
      marlett.SetColor(FOwner->IsValidSkinIndex(index)
                           ? static_cast<TColor>(FOwner->gd[static_cast<size_t>(index)].Props[selected ? 1 : 0].FontColor.Color)
                           : static_cast<TColor>(GetSysColor(COLOR_MENUTEXT)));
      HDC dc = picture.Canvas().Handle();
      HGDIOBJ old = SelectObject(dc, marlett.Handle());
      RECT box{left, top, left + glyph.cx, top + glyph.cy};
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, marlett.Color());
      DrawTextW(dc, symbol, 1, &box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
      SelectObject(dc, old);
    }
  }
}

void TsSkinableMenus::DrawNormalItem(TBitmap& picture, TMenuItem* item, bool selected, bool fontColorChanged) {
  const int index = FOwner->GetSkinIndex("MENUITEM");
  const TRect whole{0, 0, picture.Width(), picture.Height()};
  if (FOwner->IsValidSkinIndex(index)) {
    auto copy = zelvan::image::CreateBmp32(picture.Width(), picture.Height());
    zelvan::paint::CopyBlock(*copy, {0, 0}, picture.Image(), whole);
    TCacheInfo behind{copy.get(), 0, 0, 0, true};
    zelvan::paint::PaintItemByIndex(index, "MENUITEM", behind, -1, -1, FOwner, picture.Image(), {0, 0}, whole,
                                    selected ? 1 : 0);
  }
  DrawCheckAndGlyph(picture, item, selected);
  const SIZE glyph = GlyphSize(item);
  const bool rtl = IsRightToLeftItem(item);
  RECT text{Margin + glyph.cx + Spacing + Margin, 0, picture.Width() - Margin - 8, picture.Height()};
  std::wstring caption = item->Caption;
  std::wstring tail;
  if (const size_t tab = caption.find(L'\t'); tab != std::wstring::npos) {
    tail = caption.substr(tab + 1);
    caption.resize(tab);
  }
  UINT flags = DT_VCENTER | DT_EXPANDTABS;
  if (caption.find(L'\n') == std::wstring::npos) flags |= DT_SINGLELINE;
  if (!caption.empty() && caption[0] == L'\b') {
    caption.erase(0, 1);
    flags |= DT_RIGHT;
  } else {
    flags |= Alignment == taCenter ? DT_CENTER : Alignment == taRightJustify ? DT_RIGHT : DT_LEFT;
  }
  if (rtl) flags |= DT_RTLREADING;
  const int state = fontColorChanged ? 0 : selected ? 1 : 0;
  TCanvas& canvas = picture.Canvas();
  WriteSectionText(canvas, caption, true, FOwner, state, index, flags, text);
  const UINT right = DT_RIGHT | DT_VCENTER | DT_SINGLELINE;
  if (!tail.empty()) WriteSectionText(canvas, tail, true, FOwner, state, index, right, text);
  if (!item->ShortCutText.empty()) WriteSectionText(canvas, item->ShortCutText, true, FOwner, state, index, right, text);
}
