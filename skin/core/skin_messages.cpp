#include "skin/core/skin_messages.h"

#include "core/paint/system_colors.h"
#include "framework/controls/win_control.h"

zelvan::paint::TCacheInfo CacheInfoFromRequest(const TBgRequest& request) {
  zelvan::paint::TCacheInfo info;
  info.X = request.X;
  info.Y = request.Y;
  if (request.Kind == bgBitmap && request.Bmp) {
    info.Bmp = request.Bmp;
    info.Ready = true;
  } else {
    info.FillColor = zelvan::paint::ColorToRGB(request.Color);
  }
  return info;
}

LRESULT SendSkinCommand(HWND window, uint16_t code, LPARAM lParam) {
  if (!window) return 0;
  return SendMessageW(window, SKM_COMMAND, SkinCommandWParam(code), lParam);
}

LRESULT PerformSkinCommand(TControl* control, WPARAM wParam, LPARAM lParam) {
  if (!control || control->ComponentState().Contains(csDestroying)) return 0;
  if (auto* windowed = dynamic_cast<TWinControl*>(control)) {
    if (!windowed->HandleAllocated()) return 0;
    return SendMessageW(windowed->Handle(), SKM_COMMAND, wParam, lParam);
  }
  return control->Perform(SKM_COMMAND, wParam, lParam);
}

LRESULT PerformSkinCommand(TControl* control, uint16_t code, LPARAM lParam) {
  return PerformSkinCommand(control, SkinCommandWParam(code), lParam);
}

bool QuerySkinCommand(HWND window, uint16_t code) { return SendSkinCommand(window, code, 0) == 1; }

std::string& ChangedSectionName() {
  static std::string name;
  return name;
}
