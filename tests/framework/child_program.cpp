#include "child_program.h"

#include "framework/system/wide_text.h"

namespace {

std::wstring WindowsPath(const char* hostPath) {
  std::wstring path = Utf8ToWide(hostPath);
  if (!path.empty() && path[0] == L'/') {
    for (wchar_t& c : path) {
      if (c == L'/') c = L'\\';
    }
    path = L"Z:" + path;
  }
  return path;
}

struct TWindowSearch {
  DWORD Process;
  const wchar_t* ClassName;
  HWND Found = nullptr;
};

BOOL CALLBACK FindVisible(HWND window, LPARAM data) {
  auto* search = reinterpret_cast<TWindowSearch*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(window, &process);
  if (process != search->Process || !IsWindowVisible(window)) return TRUE;
  if (search->ClassName) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    if (lstrcmpW(name, search->ClassName) != 0) return TRUE;
  }
  search->Found = window;
  return FALSE;
}

}  // namespace

TChildProgram::TChildProgram(const char* hostPath, const std::wstring& parameters)
    : FCommandLine(L"\"" + WindowsPath(hostPath) + L"\"" + (parameters.empty() ? L"" : L" " + parameters)) {
  STARTUPINFOW startup{};
  startup.cb = sizeof(startup);
  std::wstring commandLine = FCommandLine;
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &FInfo)) {
    FInfo = {};
  }
}

TChildProgram::~TChildProgram() {
  if (!Started()) return;
  if (WaitForSingleObject(FInfo.hProcess, 0) == WAIT_TIMEOUT) {
    TerminateProcess(FInfo.hProcess, 1);
    WaitForSingleObject(FInfo.hProcess, 5000);
  }
  CloseHandle(FInfo.hThread);
  CloseHandle(FInfo.hProcess);
}

std::optional<DWORD> TChildProgram::WaitForExit(DWORD timeoutMs) {
  if (!Started() || WaitForSingleObject(FInfo.hProcess, timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
  DWORD code = 0;
  GetExitCodeProcess(FInfo.hProcess, &code);
  return code;
}

HWND TChildProgram::VisibleWindow(const wchar_t* className) const {
  TWindowSearch search{FInfo.dwProcessId, className};
  EnumWindows(FindVisible, reinterpret_cast<LPARAM>(&search));
  return search.Found;
}
