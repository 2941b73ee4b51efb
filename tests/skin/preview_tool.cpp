#include "preview_tool.h"

#include "skin/store/skin_preview.h"

namespace {

constexpr wchar_t kToolClass[] = L"ZelvanTestPreviewTool";

}  // namespace

const std::string kHandedName(128, 'h');
const std::string kHandedText =
    "[GLOBALINFO]\r\nVERSION=8\r\nMASTERBITMAP=hand.bmp\r\n[FORM]\r\nCOLOR=$C0C0C0\r\n[HANDED]\r\nCOLOR=$123456\r\n";

void WritePreviewSkins(const zelvan::store::testing::TempFolder& dir) {
  using zelvan::store::testing::SolidBmp;
  dir.Write("Base/Options.dat", "[GLOBALINFO]\r\nVERSION=8\r\nMASTERBITMAP=base.bmp\r\n[FORM]\r\nCOLOR=$C0C0C0\r\n"
                                "[BASE]\r\nCOLOR=$808080\r\n");
  dir.Write("Base/base.bmp", SolidBmp(16, 16, 0x808080));
  dir.Write(kHandedName + "/hand.bmp", SolidBmp(kHandedImageWidth, 10, 0x123456));
}

TPreviewToolWindow::TPreviewToolWindow() {
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = WndProc;
  wc.hInstance = GetModuleHandleW(nullptr);
  wc.lpszClassName = kToolClass;
  if (!GetClassInfoExW(wc.hInstance, kToolClass, &wc)) RegisterClassExW(&wc);
  FHandle = CreateWindowExW(0, kToolClass, kPreviewToolTitle, WS_OVERLAPPED, 0, 0, 100, 50, nullptr, nullptr,
                            wc.hInstance, this);
}

TPreviewToolWindow::~TPreviewToolWindow() {
  if (FHandle) DestroyWindow(FHandle);
}

LRESULT CALLBACK TPreviewToolWindow::WndProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    SetWindowLongPtrW(window, GWLP_USERDATA,
                      reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
  }
  auto* tool = reinterpret_cast<TPreviewToolWindow*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (tool && msg == kPreviewMessage && wParam == kPreviewAnnounce) {
    tool->Announced.push_back(reinterpret_cast<HWND>(lParam));
    return tool->Answer;
  }
  return DefWindowProcW(window, msg, wParam, lParam);
}

LRESULT SendHandOver(HWND target, const std::vector<uint8_t>& block, size_t size, WPARAM wParam) {
  COPYDATASTRUCT data{};
  data.dwData = 0;
  data.cbData = static_cast<DWORD>(size);
  data.lpData = size ? const_cast<uint8_t*>(block.data()) : nullptr;
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(target, WM_COPYDATA, wParam, reinterpret_cast<LPARAM>(&data), SMTO_NORMAL, 10000,
                           &answer)) {
    return -1;
  }
  return static_cast<LRESULT>(answer);
}
