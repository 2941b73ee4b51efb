#include "design_skin_folder.h"

#include <windows.h>

#include <stdexcept>
#include <vector>

#include "app/rename_main.h"

namespace {

const std::wstring kSkins = kDesignSkinDirectory;
const std::wstring kCommitted = ZELVAN_SKINS;

std::vector<std::wstring> FilesIn(const std::wstring& folder) {
  std::vector<std::wstring> names;
  WIN32_FIND_DATAW found{};
  HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return names;
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return names;
}

void Copy(const std::wstring& from, const std::wstring& to) {
  if (!CopyFileW(from.c_str(), to.c_str(), FALSE)) throw std::runtime_error("a skin file could not be copied to F:");
}

void CopyFolder() {
  CreateDirectoryW((kSkins + L"\\Air").c_str(), nullptr);
  for (const std::wstring& name : FilesIn(kCommitted + L"\\Air")) {
    Copy(kCommitted + L"\\Air\\" + name, kSkins + L"\\Air\\" + name);
  }
}

// The folder's description line says which copy was loaded.
void MarkFolder() {
  const std::wstring path = kSkins + L"\\Air\\Options.dat";
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) throw std::runtime_error("the copied description is missing");
  std::string text(GetFileSize(file, nullptr), '\0');
  DWORD done = 0;
  ReadFile(file, text.data(), static_cast<DWORD>(text.size()), &done, nullptr);
  CloseHandle(file);
  const size_t at = text.find("DESCRIPTION=");
  if (at == std::string::npos) throw std::runtime_error("the skin has no description line");
  text.replace(at, text.find_first_of("\r\n", at) - at, std::string("DESCRIPTION=") + kFolderDescription);
  file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &done, nullptr);
  CloseHandle(file);
}

void Empty() {
  for (const std::wstring& name : FilesIn(kSkins + L"\\Air")) DeleteFileW((kSkins + L"\\Air\\" + name).c_str());
  RemoveDirectoryW((kSkins + L"\\Air").c_str());
  DeleteFileW((kSkins + L"\\Air.asz").c_str());
}

}  // namespace

std::string SkinCaseName(TSkinOnDriveF kind) {
  switch (kind) {
    case TSkinOnDriveF::None: return "NoSkin";
    case TSkinOnDriveF::Folder: return "AirFolder";
    case TSkinOnDriveF::Archive: return "AirArchive";
    case TSkinOnDriveF::ArchiveAndFolder: return "ArchiveAndFolder";
  }
  return "?";
}

bool TDesignSkinFolder::DriveMapped() { return GetFileAttributesW(L"F:\\") != INVALID_FILE_ATTRIBUTES; }

TDesignSkinFolder::TDesignSkinFolder(TSkinOnDriveF kind) : FKind(kind) {
  if (!DriveMapped()) throw std::runtime_error("drive F: is not mapped: run the tests through scripts/wine-run");
  CreateDirectoryW(L"F:\\Zelvan", nullptr);
  CreateDirectoryW(kSkins.c_str(), nullptr);
  Empty();
  switch (kind) {
    case TSkinOnDriveF::None:
      break;
    case TSkinOnDriveF::Folder:
      CopyFolder();
      break;
    case TSkinOnDriveF::ArchiveAndFolder:
      CopyFolder();
      MarkFolder();
      [[fallthrough]];
    case TSkinOnDriveF::Archive:
      Copy(kCommitted + L"\\Air.asz", kSkins + L"\\Air.asz");
      break;
  }
}

TDesignSkinFolder::~TDesignSkinFolder() { Empty(); }
