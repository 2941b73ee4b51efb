#pragma once
// The rows of a list view. The texts live here and the window asks for them
// when it paints (text callbacks), so rewriting a column of every row costs
// string assignments and one repaint, not a message per cell.

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

class TListView;

class TListItem {
 public:
  TListItem(TListView& owner, int index) : FOwner(owner), FIndex(index) {}
  int Index() const { return FIndex; }
  const std::wstring& Caption() const { return FCaption; }
  void SetCaption(const std::wstring& caption);
  int SubItemCount() const { return static_cast<int>(FSubItems.size()); }
  // The sub-item's text; empty for one not set.
  const std::wstring& SubItem(int index) const;
  // Sets the sub-item, adding empty ones before it as needed.
  void SetSubItem(int index, const std::wstring& text);
  void AddSubItem(const std::wstring& text) { SetSubItem(SubItemCount(), text); }
  // The text of a column: 0 the caption, 1.. the sub-items.
  const std::wstring& ColumnText(int column) const;
  void* Data() const { return FData; }
  void SetData(void* data) { FData = data; }
  bool Selected() const { return State(LVIS_SELECTED) != 0; }
  void SetSelected(bool selected) { SetState(LVIS_SELECTED, selected ? LVIS_SELECTED : 0); }
  bool Checked() const;
  void SetChecked(bool checked);
  TListView& Owner() const { return FOwner; }
  // The group the row shows in while the list's GroupView is on; -1 none.
  int GroupID() const { return FGroupID; }
  void SetGroupID(int groupId);

 private:
  friend class TListItems;
  UINT State(UINT mask) const;
  void SetState(UINT mask, UINT state);
  // Puts the row into the window at `index`, its texts as callbacks.
  void Insert(HWND window, int index) const;
  void Redraw() const;

  TListView& FOwner;
  int FIndex;
  std::wstring FCaption;
  std::vector<std::wstring> FSubItems;
  void* FData = nullptr;
  int FGroupID = -1;
  // Selection and check marks while the window does not exist.
  UINT FStoredState = 0;
};

class TListItems {
 public:
  explicit TListItems(TListView& owner) : FOwner(owner) {}
  TListItem& Add();
  int Count() const { return static_cast<int>(FItems.size()); }
  TListItem& operator[](int index) { return *FItems.at(static_cast<size_t>(index)); }
  void Delete(int index);
  void Clear();
  // Painting is held back between these; calls nest.
  void BeginUpdate();
  void EndUpdate();
  bool Updating() const { return FUpdateCount > 0; }
  // Puts every row into a newly made window.
  void InsertAll(HWND window);
  // Keeps the rows' states before the window goes.
  void StoreStates(HWND window);

 private:
  // An owner-data window learns the row count only (now, or at the update's end).
  void CountChanged();
  bool OwnerData() const;

  TListView& FOwner;
  std::vector<std::unique_ptr<TListItem>> FItems;
  int FUpdateCount = 0;
  bool FCountStale = false;
};
