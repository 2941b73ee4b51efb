#include "framework/folder_picker/root_folders.h"

#include <iterator>

namespace {

struct TRootEntry {
  TacRootFolder Folder;
  const wchar_t* Name;
  int Csidl;
};

constexpr TRootEntry kRoots[] = {
    {rfDesktop, L"rfDesktop", 0},
    {rfMyComputer, L"rfMyComputer", 17},
    {rfNetwork, L"rfNetwork", 18},
    {rfRecycleBin, L"rfRecycleBin", 10},
    {rfAppData, L"rfAppData", 26},
    {rfCommonDesktopDirectory, L"rfCommonDesktopDirectory", 25},
    {rfCommonPrograms, L"rfCommonPrograms", 23},
    {rfCommonStartMenu, L"rfCommonStartMenu", 22},
    {rfCommonStartup, L"rfCommonStartup", 24},
    {rfControlPanel, L"rfControlPanel", 3},
    {rfDesktopDirectory, L"rfDesktopDirectory", 16},
    {rfFavorites, L"rfFavorites", 6},
    {rfFonts, L"rfFonts", 20},
    {rfInternet, L"rfInternet", 1},
    {rfPersonal, L"rfPersonal", 5},
    {rfPrinters, L"rfPrinters", 4},
    {rfPrintHood, L"rfPrintHood", 27},
    {rfPrograms, L"rfPrograms", 2},
    {rfRecent, L"rfRecent", 8},
    {rfSendTo, L"rfSendTo", 9},
    {rfStartMenu, L"rfStartMenu", 11},
    {rfStartup, L"rfStartup", 7},
    {rfTemplates, L"rfTemplates", 21},
};

const TRootEntry& EntryOf(TacRootFolder folder) {
  for (const TRootEntry& entry : kRoots) {
    if (entry.Folder == folder) return entry;
  }
  return kRoots[0];
}

}  // namespace

int RootFolderCsidl(TacRootFolder folder) { return EntryOf(folder).Csidl; }
const wchar_t* RootFolderName(TacRootFolder folder) { return EntryOf(folder).Name; }

std::optional<TacRootFolder> RootFolderByName(const std::wstring& name) {
  for (const TRootEntry& entry : kRoots) {
    if (name == entry.Name) return entry.Folder;
  }
  return std::nullopt;
}

std::optional<TacRootFolder> RootFolderByCsidl(int csidl) {
  for (const TRootEntry& entry : kRoots) {
    if (entry.Csidl == csidl) return entry.Folder;
  }
  return std::nullopt;
}
