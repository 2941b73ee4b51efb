#pragma once
// TStringList: TStrings kept in memory, optionally sorted (insertion then
// keeps the order and Find searches by halves), compared with or without
// regard to case, with a duplicates rule for sorted lists and change events.

#include <functional>
#include <string>
#include <vector>

#include "framework/controls/control_types.h"
#include "framework/utils/strings.h"

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
 public:
  std::wstring ClassName() const override { return L"TStringList"; }

  int Count() const override { return static_cast<int>(FItems.size()); }
  std::wstring Get(int index) const override { return Item(index).Text; }
  void Put(int index, const std::wstring& text) override;
  TObject* Objects(int index) const override { return Item(index).Object; }
  void PutObject(int index, TObject* object) override;
  void Insert(int index, const std::wstring& text) override;
  void Delete(int index) override;
  void Clear() override;
  int Add(const std::wstring& text) override;
  int IndexOf(const std::wstring& text) const override;

  // Sorted lists only: true when found; `index` is where it is or would go.
  bool Find(const std::wstring& text, int& index) const;
  void Sort();

  bool Sorted() const { return FSorted; }
  void SetSorted(bool sorted);
  bool CaseSensitive() const { return FCaseSensitive; }
  void SetCaseSensitive(bool caseSensitive);
  TDuplicates Duplicates() const { return FDuplicates; }
  void SetDuplicates(TDuplicates duplicates) { FDuplicates = duplicates; }

  TNotifyEvent OnChange;
  void BeginUpdate() override { ++FUpdateCount; }
  void EndUpdate() override;

 protected:
  bool SameText(const std::wstring& a, const std::wstring& b) const override;
  int Compare(const std::wstring& a, const std::wstring& b) const;

 private:
  struct TItem {
    std::wstring Text;
    TObject* Object = nullptr;
  };
  const TItem& Item(int index) const;
  void Changed();

  std::vector<TItem> FItems;
  bool FSorted = false;
  bool FCaseSensitive = false;
  TDuplicates FDuplicates = dupIgnore;
  int FUpdateCount = 0;
  bool FChangedWhileUpdating = false;
};
