#pragma once
// A program built beside the tests, started in a process of its own and
// ended on every path, so that a failed check never leaves it running.

#include <windows.h>

#include <optional>
#include <string>

class TChildProgram {
 public:
  // hostPath: the path the build gives; a Linux path becomes Wine's "Z:\...".
  TChildProgram(const char* hostPath, const std::wstring& parameters = L"");
  ~TChildProgram();
  TChildProgram(const TChildProgram&) = delete;
  TChildProgram& operator=(const TChildProgram&) = delete;

  bool Started() const { return FInfo.hProcess != nullptr; }
  DWORD Id() const { return FInfo.dwProcessId; }
  HANDLE Process() const { return FInfo.hProcess; }
  const std::wstring& CommandLine() const { return FCommandLine; }
  // The exit code, or nothing while it still runs after timeoutMs.
  std::optional<DWORD> WaitForExit(DWORD timeoutMs);
  // A visible top-level window of the process (of that window class when one
  // is named), or null.
  HWND VisibleWindow(const wchar_t* className = nullptr) const;

 private:
  std::wstring FCommandLine;
  PROCESS_INFORMATION FInfo{};
};
