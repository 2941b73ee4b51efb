#pragma once
// The named roots a shell tree can start at, and the platform's special
// folder number (CSIDL) of each. A root is given as one of these names or as
// a folder path.

#include <optional>
#include <string>

enum TacRootFolder {
  rfDesktop, rfMyComputer, rfNetwork, rfRecycleBin, rfAppData, rfCommonDesktopDirectory,
  rfCommonPrograms, rfCommonStartMenu, rfCommonStartup, rfControlPanel, rfDesktopDirectory,
  rfFavorites, rfFonts, rfInternet, rfPersonal, rfPrinters, rfPrintHood, rfPrograms, rfRecent,
  rfSendTo, rfStartMenu, rfStartup, rfTemplates
};
using TacRoot = std::wstring;

int RootFolderCsidl(TacRootFolder folder);
const wchar_t* RootFolderName(TacRootFolder folder);
// The root of that name (exact spelling), or nothing for a path.
std::optional<TacRootFolder> RootFolderByName(const std::wstring& name);
// The root whose CSIDL this is, or nothing.
std::optional<TacRootFolder> RootFolderByCsidl(int csidl);
