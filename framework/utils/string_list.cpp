#include "framework/utils/string_list.h"

#include <windows.h>

#include <algorithm>

#include "framework/system/exception.h"

const TStringList::TItem& TStringList::Item(int index) const {
  if (index < 0 || index >= Count()) throw Exception(L"List index out of bounds");
  return FItems[static_cast<size_t>(index)];
}

int TStringList::Compare(const std::wstring& a, const std::wstring& b) const {
  const int result = CompareStringW(LOCALE_USER_DEFAULT, FCaseSensitive ? 0 : NORM_IGNORECASE,
                                    a.c_str(), static_cast<int>(a.size()), b.c_str(),
                                    static_cast<int>(b.size()));
  return result - CSTR_EQUAL;
}

bool TStringList::SameText(const std::wstring& a, const std::wstring& b) const {
  return Compare(a, b) == 0;
}

void TStringList::Put(int index, const std::wstring& text) {
  if (FSorted) throw Exception(L"Operation not allowed on sorted list");
  Item(index);
  FItems[static_cast<size_t>(index)].Text = text;
  Changed();
}

void TStringList::PutObject(int index, TObject* object) {
  Item(index);
  FItems[static_cast<size_t>(index)].Object = object;
  Changed();
}

void TStringList::Insert(int index, const std::wstring& text) {
  if (FSorted) throw Exception(L"Operation not allowed on sorted list");
  if (index < 0 || index > Count()) throw Exception(L"List index out of bounds");
  FItems.insert(FItems.begin() + index, TItem{text, nullptr});
  Changed();
}

int TStringList::Add(const std::wstring& text) {
  if (!FSorted) return TStrings::Add(text);
  int index = 0;
  if (Find(text, index)) {
    if (FDuplicates == dupIgnore) return index;
    if (FDuplicates == dupError) throw Exception(L"String list does not allow duplicates");
  }
  FItems.insert(FItems.begin() + index, TItem{text, nullptr});
  Changed();
  return index;
}

void TStringList::Delete(int index) {
  Item(index);
  FItems.erase(FItems.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (FItems.empty()) return;
  FItems.clear();
  Changed();
}

int TStringList::IndexOf(const std::wstring& text) const {
  if (!FSorted) return TStrings::IndexOf(text);
  int index = 0;
  return Find(text, index) ? index : -1;
}

bool TStringList::Find(const std::wstring& text, int& index) const {
  int low = 0;
  int high = Count() - 1;
  bool found = false;
  while (low <= high) {
    const int middle = (low + high) / 2;
    const int order = Compare(FItems[static_cast<size_t>(middle)].Text, text);
    if (order < 0) {
      low = middle + 1;
    } else {
      high = middle - 1;
      if (order == 0) found = true;  // keep going left: the first equal one
    }
  }
  index = low;
  return found;
}

void TStringList::Sort() {
  std::stable_sort(FItems.begin(), FItems.end(),
                   [this](const TItem& a, const TItem& b) { return Compare(a.Text, b.Text) < 0; });
  Changed();
}

void TStringList::SetSorted(bool sorted) {
  if (sorted == FSorted) return;
  if (sorted) Sort();
  FSorted = sorted;
}

void TStringList::SetCaseSensitive(bool caseSensitive) {
  if (caseSensitive == FCaseSensitive) return;
  FCaseSensitive = caseSensitive;
  if (FSorted) Sort();
}

void TStringList::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0 && FChangedWhileUpdating) {
    FChangedWhileUpdating = false;
    Changed();
  }
}

void TStringList::Changed() {
  if (FUpdateCount > 0) {
    FChangedWhileUpdating = true;
    return;
  }
  if (OnChange) OnChange(this);
}
