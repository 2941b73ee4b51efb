#include "skin/window/border_form.h"

#include "core/paint/shadow_frame.h"
#include "framework/application/application.h"
#include "framework/graphics/bitmap.h"
#include "framework/system/flag_scope.h"
#include "skin/core/animation_window.h"
#include "skin/core/skinned_windows.h"
#include "skin/store/skin_manager.h"

namespace {

constexpr wchar_t kClassName[] = L"TacBorderForm";

// The mouse goes through; a click never activates it.
LRESULT CALLBACK BorderWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NCHITTEST:
      return HTTRANSPARENT;
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    default:
      return DefWindowProcW(window, msg, wParam, lParam);
  }
}

bool RegisterBorderClass() {
  static const ATOM atom = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = BorderWindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = kClassName;
    return RegisterClassW(&wc);
  }();
  return atom != 0;
}

// Both pictures and some width to show them in.
bool HasShadow(const TsSkinManager& manager) {
  const zelvan::paint::TRect& size = manager.FormShadowSize();
  return manager.Shadows.Active && manager.Shadows.Inactive &&
         (size.Left > 0 || size.Top > 0 || size.Right > 0 || size.Bottom > 0);
}

bool Topmost(HWND window) { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

}  // namespace

TacBorderForm::TacBorderForm(HWND form, TsSkinManager* manager) : FForm(form), FManager(manager) {
  if (!RegisterBorderClass()) return;
  // Owned by the form's owner, not the form: an owned window would lie above it.
  FWindow = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT, kClassName, L"",
                            WS_POPUP, 0, 0, 0, 0, GetWindow(form, GW_OWNER), nullptr, GetModuleHandleW(nullptr),
                            nullptr);
}

TacBorderForm::~TacBorderForm() {
  if (FWindow) DestroyWindow(FWindow);
}

zelvan::paint::TRect TacBorderForm::ShadowSize() const {
  return FManager ? FManager->FormShadowSize() : zelvan::paint::TRect{};
}

void TacBorderForm::Paint(int width, int height, const zelvan::paint::TRect& hole, bool active) {
  if (!FPicture || FPicture->Width() != width || FPicture->Height() != height) {
    FPicture = std::make_unique<TBitmap>(width, height, pf32bit);
  }
  GdiFlush();
  const auto& shadows = FManager->Shadows;
  const zelvan::image::TWorkingBitmap* shadow = active ? shadows.Active.get() : shadows.Inactive.get();
  // The skin's border part is cut at its own margins; the built-in template at the shadow's.
  zelvan::paint::TRect slices = shadows.Size;
  if (FManager->IsValidImgIndex(FManager->ConstData.ExBorder)) {
    const auto& part = FManager->ma[static_cast<size_t>(FManager->ConstData.ExBorder)];
    slices = {part.WL, part.WT, part.WR, part.WB};
  }
  if (shadow) zelvan::paint::PaintShadowFrame(FPicture->Image(), *shadow, slices, hole);
  ++FPaints;
}

void TacBorderForm::UpdateExBordersPos(bool active, BYTE blend) {
  if (!FWindow || !FManager || FUpdating) return;
  TFlagScope updating(FUpdating, true);
  RECT form{};
  if (!GetWindowRect(FForm, &form)) return;
  const zelvan::paint::TRect shadow = ShadowSize();
  const zelvan::paint::TRect bounds =
      zelvan::paint::ShadowBounds({form.left, form.top, form.right, form.bottom}, shadow);
  const bool resized = !FPicture || FPicture->Width() != bounds.Width() || FPicture->Height() != bounds.Height();
  if (resized || !FPictureValid || active != FActive || blend != FBlend) {
    Paint(bounds.Width(), bounds.Height(),
          {shadow.Left, shadow.Top, shadow.Left + form.right - form.left, shadow.Top + form.bottom - form.top}, active);
    FPictureValid = true;
    FActive = active;
    FBlend = blend;
    PushLayeredPicture(FWindow, *FPicture, POINT{bounds.Left, bounds.Top}, blend);
  }
  if (Topmost(FForm) != Topmost(FWindow)) {
    SetWindowPos(FWindow, Topmost(FForm) ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  // Only what changed: a move of a layered window is dear enough under X.
  RECT now{};
  GetWindowRect(FWindow, &now);
  UINT flags = SWP_NOSIZE | SWP_NOACTIVATE;
  if (GetWindow(FForm, GW_HWNDNEXT) == FWindow) flags |= SWP_NOZORDER;
  if (now.left == bounds.Left && now.top == bounds.Top) flags |= SWP_NOMOVE;
  if (!IsWindowVisible(FWindow)) flags |= SWP_SHOWWINDOW;
  const UINT nothing = SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE;
  if (flags != nothing) SetWindowPos(FWindow, FForm, bounds.Left, bounds.Top, 0, 0, flags);
}

void FollowExtendedBorder(std::unique_ptr<TacBorderForm>& border, HWND form, TsSkinManager* manager, bool allowed,
                          bool active) {
  const bool wanted = allowed && manager && manager->Active() && manager->ExtendedBordersInEffect() &&
                      IsWindow(form) && IsWindowVisible(form) && !IsIconic(form) && !IsZoomed(form) &&
                      !(GetWindowLongPtrW(form, GWL_STYLE) & WS_CHILD) && HasShadow(*manager);
  if (!wanted) {
    border.reset();
    return;
  }
  if (FormsLocked || (Application && Application->Terminated())) return;
  if (!border) border = std::make_unique<TacBorderForm>(form, manager);
  border->UpdateExBordersPos(active);
}
