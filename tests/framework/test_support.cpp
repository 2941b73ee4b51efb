#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class TFrameworkEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    Application->Initialize();
    Application->SetTitle(L"framework tests");
  }
};

const auto* gEnvironment = ::testing::AddGlobalTestEnvironment(new TFrameworkEnvironment);

}  // namespace

void TMessageLog::Watch(TControl& control, std::vector<UINT> watched) {
  TWndMethod previous = control.WindowProc;
  TControl* target = &control;
  control.WindowProc = [this, target, previous, watched](TMessage& message) {
    if (std::find(watched.begin(), watched.end(), message.Msg) != watched.end()) {
      Entries.push_back(TEntry{target, message.Msg, message.WParam, message.LParam});
    }
    previous(message);
  };
}

std::vector<TMessageLog::TEntry> TMessageLog::Of(const TControl& control) const {
  std::vector<TEntry> result;
  for (const TEntry& entry : Entries) {
    if (entry.Control == &control) result.push_back(entry);
  }
  return result;
}

int TMessageLog::Count(const TControl& control, UINT msg) const {
  return static_cast<int>(std::count_if(Entries.begin(), Entries.end(), [&](const TEntry& e) {
    return e.Control == &control && e.Msg == msg;
  }));
}

TForm* NewForm(int clientWidth, int clientHeight) {
  auto* form = new TForm(Application);
  // Plain for every test: a skin engine's window hook leaves forms with this
  // tag alone (tests of automatic skinning make their own forms).
  form->SetTag(-98);
  form->SetClientWidth(clientWidth);
  form->SetClientHeight(clientHeight);
  form->Show();
  return form;
}

void Pump(int ms) {
  const DWORD start = GetTickCount();
  do {
    Application->ProcessMessages();
    Sleep(1);
  } while (GetTickCount() - start < static_cast<DWORD>(ms));
}

bool PumpUntil(const std::function<bool()>& done, int timeoutMs) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start > static_cast<DWORD>(timeoutMs)) return false;
    Application->ProcessMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
  return true;
}

namespace {

// The GDI handle table the platform shares with the process (PEB field
// GdiSharedHandleTable); entries of 24 bytes with the object type at byte 14
// and the owning process id at byte 8 (0 where the table is the process's own).
unsigned CountGdiTableEntries() {
  struct TBasicInformation {
    LONG_PTR ExitStatus;
    uint8_t* PebBaseAddress;
    ULONG_PTR Reserved[4];
  } info{};
  using TQuery = LONG(WINAPI*)(HANDLE, int, void*, ULONG, ULONG*);
  auto query = reinterpret_cast<TQuery>(reinterpret_cast<void*>(
      GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
  if (!query || query(GetCurrentProcess(), 0, &info, sizeof(info), nullptr) != 0) return 0;
  const bool wide = sizeof(void*) == 8;
  auto* table = *reinterpret_cast<uint8_t**>(info.PebBaseAddress + (wide ? 0xF8 : 0x94));
  if (!table) return 0;
  const auto pid = static_cast<uint16_t>(GetCurrentProcessId());
  unsigned live = 0;
  for (size_t i = 0; i < 0x10000; ++i) {
    const uint8_t* entry = table + i * 24;
    const uint16_t owner = *reinterpret_cast<const uint16_t*>(entry + 8);
    if (entry[14] != 0 && (owner == 0 || owner == pid)) ++live;
  }
  return live;
}

BOOL CALLBACK CountChildWindow(HWND, LPARAM count) {
  ++*reinterpret_cast<unsigned*>(count);
  return TRUE;
}

BOOL CALLBACK CountWindow(HWND window, LPARAM count) {
  ++*reinterpret_cast<unsigned*>(count);
  EnumChildWindows(window, CountChildWindow, count);
  return TRUE;
}

}  // namespace

unsigned GdiObjectCount() {
  const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
  return reported ? reported : CountGdiTableEntries();
}

unsigned UserObjectCount() {
  const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  if (reported) return reported;
  unsigned windows = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountWindow, reinterpret_cast<LPARAM>(&windows));
  return windows;
}
