#pragma once
// The columns of a list view in report view: caption and width, kept by the
// framework and copied into the window whenever it is made.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

class TListView;

class TListColumn {
 public:
  TListColumn(TListView& owner, int index) : FOwner(owner), FIndex(index) {}
  const std::wstring& Caption() const { return FCaption; }
  void SetCaption(const std::wstring& caption);
  int Width() const { return FWidth; }
  void SetWidth(int width);
  int Index() const { return FIndex; }
  // Puts the column into the window (at its index).
  void Insert(HWND window) const;

 private:
  TListView& FOwner;
  int FIndex;
  std::wstring FCaption;
  int FWidth = 50;
};

class TListColumns {
 public:
  explicit TListColumns(TListView& owner) : FOwner(owner) {}
  TListColumn& Add();
  int Count() const { return static_cast<int>(FColumns.size()); }
  TListColumn& operator[](int index) { return *FColumns.at(static_cast<size_t>(index)); }
  void Clear();
  void InsertAll(HWND window) const;

 private:
  TListView& FOwner;
  std::vector<std::unique_ptr<TListColumn>> FColumns;
};
