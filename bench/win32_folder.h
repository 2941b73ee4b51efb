#pragma once
// A folder of empty files under the temporary folder, for the Windows
// benchmarks, and its removal.
#include <windows.h>

#include <string>

inline std::wstring MakeFolder(const wchar_t* name, int files) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + name;
  CreateDirectoryW(folder.c_str(), nullptr);
  for (int i = 0; i < files; ++i) {
    const std::wstring path = folder + L"\\photo_" + std::to_wstring(i) + L".jpg";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
  }
  return folder;
}

inline void RemoveFolder(const std::wstring& folder) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((folder + L"\\*.*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
        DeleteFileW((folder + L"\\" + data.cFileName).c_str());
      }
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }
  RemoveDirectoryW(folder.c_str());
}
