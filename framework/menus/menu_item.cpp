#include "framework/menus/menu_item.h"

#include <algorithm>
#include <unordered_set>

#include "framework/graphics/bitmap.h"
#include "framework/menus/menu.h"

namespace {

// Commands 1 to 0xEFFF, clear of the platform's system commands.
UINT NextCommand() {
  static UINT last = 0;
  last = last % 0xEFFF + 1;
  return last;
}

std::unordered_set<const TMenuItem*>& LiveItems() {
  // Never destroyed: items may outlive any other static at exit.
  static auto* items = new std::unordered_set<const TMenuItem*>();
  return *items;
}

}  // namespace

TMenuItem::TMenuItem(TComponent* owner) : TComponent(owner), FCommand(NextCommand()) { LiveItems().insert(this); }

TMenuItem::~TMenuItem() {
  LiveItems().erase(this);
  FItems.clear();
}

bool TMenuItem::IsAlive(const TMenuItem* item) { return item && LiveItems().count(item) != 0; }

TBitmap& TMenuItem::NewBitmap() {
  if (!FBitmap) FBitmap = std::make_unique<TBitmap>();
  return *FBitmap;
}

int TMenuItem::MenuIndex() const {
  if (!FParent) return -1;
  for (int i = 0; i < FParent->Count(); ++i) {
    if (FParent->Items(i) == this) return i;
  }
  return -1;
}

TMenuItem* TMenuItem::Insert(int index, TMenuItem* item) {
  index = std::clamp(index, 0, Count());
  item->FParent = this;
  FItems.insert(FItems.begin() + index, std::unique_ptr<TMenuItem>(item));
  return item;
}

TMenuItem* TMenuItem::Add(TMenuItem* item) { return Insert(Count(), item); }

TMenuItem* TMenuItem::Add(const std::wstring& caption, TNotifyEvent onClick) {
  auto* item = new TMenuItem();
  item->Caption = caption;
  item->OnClick = std::move(onClick);
  return Add(item);
}

void TMenuItem::Delete(int index) { FItems.erase(FItems.begin() + index); }

void TMenuItem::Clear() { FItems.clear(); }

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* item = this;
  while (item->FParent) item = item->FParent;
  return item->FMenu;
}

TMenuItem* TMenuItem::Find(UINT command) {
  if (FCommand == command && FParent) return this;
  for (auto& child : FItems) {
    if (TMenuItem* found = child->Find(command)) return found;
  }
  return nullptr;
}

TMenuItem* TMenuItem::FindBySubMenu(HMENU menu) {
  if (FSubMenu && FSubMenu == menu) return this;
  for (auto& child : FItems) {
    if (TMenuItem* found = child->FindBySubMenu(menu)) return found;
  }
  return nullptr;
}

void TMenuItem::Click() {
  if (OnClick) OnClick(this);
}

void TMenuItem::BuildInto(HMENU menu, bool ownerDraw) {
  for (auto& child : FItems) {
    TMenuItem& item = *child;
    item.FSubMenu = nullptr;
    if (!item.Visible) continue;
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
    info.wID = item.FCommand;
    info.dwItemData = reinterpret_cast<ULONG_PTR>(&item);
    std::wstring text = item.Caption;
    if (!item.ShortCutText.empty()) text += L"\t" + item.ShortCutText;
    if (ownerDraw) {
      info.fType = MFT_OWNERDRAW;
    } else if (item.IsLine()) {
      info.fType = MFT_SEPARATOR;
    } else {
      info.fType = MFT_STRING;
      info.fMask |= MIIM_STRING;
      info.dwTypeData = text.data();
    }
    if (item.RadioItem) info.fType |= MFT_RADIOCHECK;
    if (item.Break == mbBreak) info.fType |= MFT_MENUBREAK;
    if (item.Break == mbBarBreak) info.fType |= MFT_MENUBARBREAK;
    if (item.Checked) info.fState |= MFS_CHECKED;
    if (!item.Enabled) info.fState |= MFS_DISABLED;
    if (item.Default) info.fState |= MFS_DEFAULT;
    if (item.Count() > 0) {
      item.FSubMenu = CreatePopupMenu();
      item.BuildInto(item.FSubMenu, ownerDraw);
      info.fMask |= MIIM_SUBMENU;
      info.hSubMenu = item.FSubMenu;
    }
    InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &info);
  }
}

// Without handlers an owner-drawn item measures and draws as the platform's own.
void TMenuItem::MeasureItem(HDC dc, int& width, int& height) {
  if (OnMeasureItem) return OnMeasureItem(this, dc, width, height);
  if (IsLine()) {
    height = GetSystemMetrics(SM_CYMENU) / 2;
    width = 10;
    return;
  }
  std::wstring text = Caption;
  if (!ShortCutText.empty()) text += L"\t" + ShortCutText;
  RECT r{0, 0, 0, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE | DT_EXPANDTABS);
  width = r.right + 2 * GetSystemMetrics(SM_CXMENUCHECK);
  height = std::max<int>(r.bottom + 4, GetSystemMetrics(SM_CYMENUCHECK));
}

void TMenuItem::AdvancedDrawItem(HDC dc, const RECT& rect, TOwnerDrawState state) {
  if (OnAdvancedDrawItem) return OnAdvancedDrawItem(this, dc, rect, state);
  DrawDefault(dc, rect, state);
}

void TMenuItem::DrawDefault(HDC dc, const RECT& rect, TOwnerDrawState state) {
  const bool selected = state.Contains(odSelected);
  FillRect(dc, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
  if (IsLine()) {
    RECT line = rect;
    line.top = (rect.top + rect.bottom) / 2 - 1;
    DrawEdge(dc, &line, EDGE_ETCHED, BF_TOP);
    return;
  }
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(!Enabled ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
  RECT text = rect;
  text.left += GetSystemMetrics(SM_CXMENUCHECK) + 4;
  text.right -= 8;
  DrawTextW(dc, Caption.c_str(), static_cast<int>(Caption.size()), &text, DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  if (!ShortCutText.empty()) {
    DrawTextW(dc, ShortCutText.c_str(), static_cast<int>(ShortCutText.size()), &text,
              DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
  }
}
