#pragma once
// The groups of a list view: a header text and an id that rows name (their
// GroupID). Kept by the framework and copied into the window whenever it is
// made; the window shows them while the list's GroupView is on.

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

class TListView;

class TListGroup {
 public:
  TListGroup(TListView& owner, int groupId) : FOwner(owner), FGroupID(groupId) {}
  int GroupID() const { return FGroupID; }
  const std::wstring& Header() const { return FHeader; }
  void SetHeader(const std::wstring& header);
  // The group header image (an index into the list's GroupHeaderImages), -1 none.
  int TitleImage() const { return FTitleImage; }
  void SetTitleImage(int index);
  // Puts the group into the window, after those it has.
  void Insert(HWND window) const;

 private:
  void Describe(LVGROUP& group) const;

  TListView& FOwner;
  int FGroupID;
  std::wstring FHeader;
  int FTitleImage = -1;
};

class TListGroups {
 public:
  explicit TListGroups(TListView& owner) : FOwner(owner) {}
  // A new group with an id no other group has.
  TListGroup& Add();
  int Count() const { return static_cast<int>(FGroups.size()); }
  TListGroup& operator[](int index) { return *FGroups.at(static_cast<size_t>(index)); }
  // The group with that id, or null.
  TListGroup* FindByID(int groupId);
  void Clear();
  void InsertAll(HWND window) const;

 private:
  TListView& FOwner;
  std::vector<std::unique_ptr<TListGroup>> FGroups;
  int FNextID = 0;
};
