#pragma once
// The cells the list host shows: one rule shared by the host and the test
// that reads them from outside its process.

#include <string>

constexpr int kListHostRows = 2000;
constexpr int kListHostColumns = 4;

inline std::wstring ListHostCell(int row, int column) {
  switch (column) {
    case 0: return std::to_wstring(row + 1);
    case 1: return L"照片" + std::to_wstring(row) + L".jpg";
    case 2: return L"假期_" + std::wstring(static_cast<size_t>(row % 7), L'长') + std::to_wstring(row) + L".jpg";
    default: return row % 3 == 0 ? L"√" : L"";
  }
}
