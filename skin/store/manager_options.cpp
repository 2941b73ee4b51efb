#include "skin/store/manager_options.h"

#include <windows.h>

namespace {

using TDwmIsCompositionEnabled = HRESULT(WINAPI*)(BOOL*);

// Read once, as the platform stood when the engine started.
struct TPlatformEffects {
  bool LayeredWindows = false;
  bool Wow64WithoutComposition = false;

  TPlatformEffects() {
    HMODULE user32 = GetModuleHandleW(L"user32.dll");
    LayeredWindows = user32 && GetProcAddress(user32, "UpdateLayeredWindow") != nullptr;
    BOOL wow64 = FALSE;
    if (IsWow64Process(GetCurrentProcess(), &wow64) && wow64) {
      BOOL composition = FALSE;
      if (HMODULE dwm = LoadLibraryW(L"dwmapi.dll")) {
        auto query = reinterpret_cast<TDwmIsCompositionEnabled>(
            reinterpret_cast<void*>(GetProcAddress(dwm, "DwmIsCompositionEnabled")));
        if (query) query(&composition);
        FreeLibrary(dwm);
      }
      Wow64WithoutComposition = !composition;
    }
  }
};

const TPlatformEffects& PlatformEffects() {
  static const TPlatformEffects effects;
  return effects;
}

}  // namespace

bool TacSkinEffects::AllowGlowing() const {
  return FAllowGlowing && PlatformEffects().LayeredWindows && !PlatformEffects().Wow64WithoutComposition;
}

const std::array<const wchar_t*, ThirdPartyList::kCount>& ThirdPartyList::Names() {
  static const std::array<const wchar_t*, kCount> names{
      L"ThirdEdits",       L"ThirdButtons",     L"ThirdBitBtns",       L"ThirdCheckBoxes",  L"ThirdComboBoxes",
      L"ThirdGrids",       L"ThirdGroupBoxes",  L"ThirdListViews",     L"ThirdPanels",      L"ThirdTreeViews",
      L"ThirdWWEdits",     L"ThirdGridEh",      L"ThirdVirtualTrees",  L"ThirdPageControl", L"ThirdTabControl",
      L"ThirdToolBar",     L"ThirdStatusBar",   L"ThirdSpeedButton",   L"ThirdScrollControl", L"ThirdUpDown",
      L"ThirdScrollBar"};
  return names;
}

const std::array<const wchar_t*, ThirdPartyList::kCount>& ThirdPartyList::Defaults() {
  static const std::array<const wchar_t*, kCount> defaults{L" ", L"TButton", L" ", L" ", L" ", L" ", L" ",
                                                           L" ", L" ", L" ",  L" ",       L" ", L" ", L" ",
                                                           L" ", L" ", L" ",  L" ",       L" ", L" ", L" "};
  return defaults;
}

int ThirdPartyList::IndexOf(const std::wstring& name) {
  for (int i = 0; i < kCount; ++i) {
    if (name == Names()[static_cast<size_t>(i)]) return i;
  }
  return -1;
}
