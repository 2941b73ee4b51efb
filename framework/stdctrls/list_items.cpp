#include "framework/stdctrls/list_items.h"

#include "framework/stdctrls/list_view.h"

namespace {
const std::wstring kEmpty;
}

// ---------------------------------------------------------------- TListItem

void TListItem::SetCaption(const std::wstring& caption) {
  if (caption == FCaption) return;
  FCaption = caption;
  Redraw();
}

const std::wstring& TListItem::SubItem(int index) const {
  if (index < 0 || index >= SubItemCount()) return kEmpty;
  return FSubItems[static_cast<size_t>(index)];
}

void TListItem::SetSubItem(int index, const std::wstring& text) {
  if (index < 0) return;
  const int before = SubItemCount();
  if (index < before) {
    if (FSubItems[static_cast<size_t>(index)] == text) return;
    FSubItems[static_cast<size_t>(index)] = text;
    return Redraw();
  }
  FSubItems.resize(static_cast<size_t>(index) + 1);
  FSubItems.back() = text;
  if (!FOwner.HandleAllocated()) return;
  // New cells ask the framework for their text, like the caption.
  LVITEMW cell{};
  cell.pszText = LPSTR_TEXTCALLBACKW;
  for (int i = before; i <= index; ++i) {
    cell.iSubItem = i + 1;
    SendMessageW(FOwner.Handle(), LVM_SETITEMTEXTW, static_cast<WPARAM>(Index()),
                 reinterpret_cast<LPARAM>(&cell));
  }
}

const std::wstring& TListItem::ColumnText(int column) const {
  return column == 0 ? FCaption : SubItem(column - 1);
}

bool TListItem::Checked() const { return (State(LVIS_STATEIMAGEMASK) >> 12) == 2; }

void TListItem::SetChecked(bool checked) {
  SetState(LVIS_STATEIMAGEMASK, INDEXTOSTATEIMAGEMASK(checked ? 2 : 1));
}

void TListItem::SetGroupID(int groupId) {
  if (groupId < 0) groupId = -1;
  if (groupId == FGroupID) return;
  FGroupID = groupId;
  if (!FOwner.HandleAllocated() || FOwner.OwnerData()) return;
  LVITEMW item{};
  item.mask = LVIF_GROUPID;
  item.iItem = Index();
  item.iGroupId = FGroupID < 0 ? I_GROUPIDNONE : FGroupID;
  SendMessageW(FOwner.Handle(), LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&item));
}

UINT TListItem::State(UINT mask) const {
  if (!FOwner.HandleAllocated()) return FStoredState & mask;
  return static_cast<UINT>(
      SendMessageW(FOwner.Handle(), LVM_GETITEMSTATE, static_cast<WPARAM>(Index()), mask));
}

void TListItem::SetState(UINT mask, UINT state) {
  FStoredState = (FStoredState & ~mask) | (state & mask);
  if (!FOwner.HandleAllocated()) return;
  LVITEMW item{};
  item.stateMask = mask;
  item.state = state;
  SendMessageW(FOwner.Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(Index()),
               reinterpret_cast<LPARAM>(&item));
}

void TListItem::Insert(HWND window, int index) const {
  LVITEMW item{};
  item.mask = LVIF_TEXT | LVIF_PARAM;
  item.iItem = index;
  item.pszText = LPSTR_TEXTCALLBACKW;
  item.lParam = reinterpret_cast<LPARAM>(this);
  if (FGroupID >= 0) {
    item.mask |= LVIF_GROUPID;
    item.iGroupId = FGroupID;
  }
  SendMessageW(window, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
  LVITEMW cell{};
  cell.pszText = LPSTR_TEXTCALLBACKW;
  for (int i = 0; i < SubItemCount(); ++i) {
    cell.iSubItem = i + 1;
    SendMessageW(window, LVM_SETITEMTEXTW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&cell));
  }
  if (FStoredState) {
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_STATEIMAGEMASK;
    state.state = FStoredState;
    SendMessageW(window, LVM_SETITEMSTATE, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&state));
  }
}

void TListItem::Redraw() const {
  if (!FOwner.HandleAllocated() || FOwner.Items().Updating()) return;
  const int index = Index();
  SendMessageW(FOwner.Handle(), LVM_REDRAWITEMS, static_cast<WPARAM>(index), index);
}

// ---------------------------------------------------------------- TListItems

bool TListItems::OwnerData() const { return FOwner.OwnerData(); }

void TListItems::CountChanged() {
  if (!FOwner.HandleAllocated()) return;
  if (Updating()) {
    FCountStale = true;
    return;
  }
  FCountStale = false;
  SendMessageW(FOwner.Handle(), LVM_SETITEMCOUNT, static_cast<WPARAM>(Count()), LVSICF_NOSCROLL);
}

TListItem& TListItems::Add() {
  FItems.push_back(std::make_unique<TListItem>(FOwner, Count()));
  if (OwnerData()) {
    CountChanged();
  } else if (FOwner.HandleAllocated()) {
    FItems.back()->Insert(FOwner.Handle(), Count() - 1);
  }
  return *FItems.back();
}

void TListItems::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  if (FOwner.HandleAllocated() && !OwnerData()) {
    SendMessageW(FOwner.Handle(), LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
  }
  FItems.erase(FItems.begin() + index);
  for (int i = index; i < Count(); ++i) FItems[static_cast<size_t>(i)]->FIndex = i;
  if (OwnerData()) CountChanged();
}

void TListItems::Clear() {
  if (FOwner.HandleAllocated()) SendMessageW(FOwner.Handle(), LVM_DELETEALLITEMS, 0, 0);
  FItems.clear();
}

void TListItems::BeginUpdate() {
  if (FUpdateCount++ == 0 && FOwner.HandleAllocated()) {
    SendMessageW(FOwner.Handle(), WM_SETREDRAW, FALSE, 0);
  }
}

void TListItems::EndUpdate() {
  if (FUpdateCount == 0 || --FUpdateCount > 0) return;
  if (!FOwner.HandleAllocated()) return;
  if (FCountStale) CountChanged();
  SendMessageW(FOwner.Handle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(FOwner.Handle(), nullptr, TRUE);
}

void TListItems::InsertAll(HWND window) {
  FCountStale = false;
  SendMessageW(window, LVM_SETITEMCOUNT, static_cast<WPARAM>(Count()), 0);
  if (!OwnerData()) {
    for (int i = 0; i < Count(); ++i) FItems[static_cast<size_t>(i)]->Insert(window, i);
    return;
  }
  for (int i = 0; i < Count(); ++i) {
    const TListItem& item = *FItems[static_cast<size_t>(i)];
    if (!(item.FStoredState & LVIS_SELECTED)) continue;
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED;
    state.state = LVIS_SELECTED;
    SendMessageW(window, LVM_SETITEMSTATE, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&state));
  }
}

void TListItems::StoreStates(HWND window) {
  for (int i = 0; i < Count(); ++i) {
    FItems[static_cast<size_t>(i)]->FStoredState = static_cast<UINT>(
        SendMessageW(window, LVM_GETITEMSTATE, static_cast<WPARAM>(i), LVIS_SELECTED | LVIS_STATEIMAGEMASK));
  }
}
