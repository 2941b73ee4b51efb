#include "framework/stdctrls/list_columns.h"

#include <commctrl.h>

#include "framework/stdctrls/list_view.h"

void TListColumn::SetCaption(const std::wstring& caption) {
  FCaption = caption;
  if (!FOwner.HandleAllocated()) return;
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT;
  column.pszText = const_cast<wchar_t*>(FCaption.c_str());
  SendMessageW(FOwner.Handle(), LVM_SETCOLUMNW, static_cast<WPARAM>(FIndex),
               reinterpret_cast<LPARAM>(&column));
}

void TListColumn::SetWidth(int width) {
  FWidth = width;
  if (FOwner.HandleAllocated()) {
    SendMessageW(FOwner.Handle(), LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(FIndex), width);
  }
}

void TListColumn::Insert(HWND window) const {
  LVCOLUMNW column{};
  column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
  column.pszText = const_cast<wchar_t*>(FCaption.c_str());
  column.cx = FWidth;
  column.iSubItem = FIndex;
  SendMessageW(window, LVM_INSERTCOLUMNW, static_cast<WPARAM>(FIndex),
               reinterpret_cast<LPARAM>(&column));
}

TListColumn& TListColumns::Add() {
  FColumns.push_back(std::make_unique<TListColumn>(FOwner, Count()));
  if (FOwner.HandleAllocated()) FColumns.back()->Insert(FOwner.Handle());
  return *FColumns.back();
}

void TListColumns::Clear() {
  if (FOwner.HandleAllocated()) {
    for (int i = Count() - 1; i >= 0; --i) SendMessageW(FOwner.Handle(), LVM_DELETECOLUMN, i, 0);
  }
  FColumns.clear();
}

void TListColumns::InsertAll(HWND window) const {
  for (const auto& column : FColumns) column->Insert(window);
}
