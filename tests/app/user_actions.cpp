#include "user_actions.h"

#include <map>

namespace {

std::map<UINT_PTR, TUserScript*>& Scripts() {
  static std::map<UINT_PTR, TUserScript*> scripts;
  return scripts;
}

void RemoveTree(const std::wstring& path) {
  WIN32_FIND_DATAW data;
  HANDLE find = FindFirstFileW((path + L"\\*").c_str(), &data);
  if (find != INVALID_HANDLE_VALUE) {
    do {
      const std::wstring name = data.cFileName;
      if (name == L"." || name == L"..") continue;
      const std::wstring full = path + L"\\" + name;
      if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(full);
      } else {
        SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(full.c_str());
      }
    } while (FindNextFileW(find, &data));
    FindClose(find);
  }
  RemoveDirectoryW(path.c_str());
}

}  // namespace

void PostClick(HWND window, int x, int y) {
  const LPARAM point = MAKELPARAM(x, y);
  PostMessageW(window, WM_MOUSEMOVE, 0, point);
  PostMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, point);
  PostMessageW(window, WM_LBUTTONUP, 0, point);
}

void PostClick(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  PostClick(window, r.right / 2, r.bottom / 2);
}

void PostKey(HWND window, WORD key) {
  const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC);
  PostMessageW(window, WM_KEYDOWN, key, 1 | (scan << 16));
  PostMessageW(window, WM_KEYUP, key, 1 | (scan << 16) | 0xC0000000u);
}

void PostText(HWND window, const std::wstring& text) {
  for (wchar_t c : text) PostMessageW(window, WM_CHAR, c, 1);
}

TUserScript::TUserScript(std::deque<std::function<bool()>> steps, UINT timeoutMs, UINT tickMs)
    : FSteps(std::move(steps)), FDeadline(GetTickCount() + timeoutMs) {
  FTimer = SetTimer(nullptr, 0, tickMs, &TUserScript::Tick);
  Scripts()[FTimer] = this;
}

TUserScript::~TUserScript() {
  KillTimer(nullptr, FTimer);
  Scripts().erase(FTimer);
}

void CALLBACK TUserScript::Tick(HWND, UINT, UINT_PTR id, DWORD) {
  auto found = Scripts().find(id);
  if (found == Scripts().end()) return;
  TUserScript& script = *found->second;
  // A step may run a modal loop of its own: no second step meanwhile.
  if (script.FRunning || script.FTimedOut || script.FSteps.empty()) return;
  script.FRunning = true;
  if (static_cast<LONG>(GetTickCount() - script.FDeadline) > 0) {
    script.FTimedOut = true;
    if (script.OnTimeout) script.OnTimeout();
    script.FRunning = false;
    return;
  }
  const bool done = script.FSteps.front()();
  script.FRunning = false;
  if (done && !script.FSteps.empty()) script.FSteps.pop_front();
}

TTempFolder::TTempFolder() {
  wchar_t base[MAX_PATH];
  GetTempPathW(MAX_PATH, base);
  FPath = std::wstring(base) + L"zelvan_picker_" + std::to_wstring(GetCurrentProcessId()) + L"_" +
          std::to_wstring(GetTickCount());
  CreateDirectoryW(FPath.c_str(), nullptr);
}

TTempFolder::~TTempFolder() { RemoveTree(FPath); }

std::wstring TTempFolder::Make(const std::wstring& name) const {
  const std::wstring path = FPath + L"\\" + name;
  CreateDirectoryW(path.c_str(), nullptr);
  return path;
}

std::wstring TTempFolder::File(const std::wstring& name) const {
  const std::wstring path = FPath + L"\\" + name;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  CloseHandle(file);
  return path;
}
