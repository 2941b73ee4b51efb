#include "framework/stdctrls/list_groups.h"

#include <commctrl.h>

#include "framework/stdctrls/list_view.h"

void TListGroup::Describe(LVGROUP& group) const {
  group.cbSize = sizeof(group);
  group.mask = LVGF_HEADER | LVGF_GROUPID | LVGF_ALIGN;
  group.pszHeader = const_cast<wchar_t*>(FHeader.c_str());
  group.iGroupId = FGroupID;
  group.uAlign = LVGA_HEADER_LEFT;
  if (FTitleImage >= 0) {
    group.mask |= LVGF_TITLEIMAGE;
    group.iTitleImage = FTitleImage;
  }
}

void TListGroup::SetHeader(const std::wstring& header) {
  if (header == FHeader) return;
  FHeader = header;
  if (!FOwner.HandleAllocated()) return;
  LVGROUP group{};
  Describe(group);
  SendMessageW(FOwner.Handle(), LVM_SETGROUPINFO, static_cast<WPARAM>(FGroupID), reinterpret_cast<LPARAM>(&group));
}

void TListGroup::SetTitleImage(int index) {
  if (index == FTitleImage) return;
  FTitleImage = index < 0 ? -1 : index;
  if (!FOwner.HandleAllocated()) return;
  LVGROUP group{};
  Describe(group);
  SendMessageW(FOwner.Handle(), LVM_SETGROUPINFO, static_cast<WPARAM>(FGroupID), reinterpret_cast<LPARAM>(&group));
}

void TListGroup::Insert(HWND window) const {
  LVGROUP group{};
  Describe(group);
  SendMessageW(window, LVM_INSERTGROUP, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&group));
}

TListGroup& TListGroups::Add() {
  FGroups.push_back(std::make_unique<TListGroup>(FOwner, FNextID++));
  if (FOwner.HandleAllocated()) FGroups.back()->Insert(FOwner.Handle());
  return *FGroups.back();
}

TListGroup* TListGroups::FindByID(int groupId) {
  for (auto& group : FGroups) {
    if (group->GroupID() == groupId) return group.get();
  }
  return nullptr;
}

void TListGroups::Clear() {
  if (FOwner.HandleAllocated()) SendMessageW(FOwner.Handle(), LVM_REMOVEALLGROUPS, 0, 0);
  FGroups.clear();
}

void TListGroups::InsertAll(HWND window) const {
  for (const auto& group : FGroups) group->Insert(window);
}
