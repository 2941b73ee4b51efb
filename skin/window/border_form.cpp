#include "skin/window/border_form.h"

#include <windowsx.h>

#include "core/paint/extended_frame.h"
#include "core/paint/shadow_frame.h"
#include "framework/application/application.h"
#include "framework/graphics/bitmap.h"
#include "framework/system/flag_scope.h"
#include "skin/core/animation_window.h"
#include "skin/core/skinned_windows.h"
#include "skin/store/skin_manager.h"
#include "skin/window/frame_paint_helpers.h"
#include "skin/window/private_window_class.h"
#include "skin/window/skin_provider.h"

using zelvan::paint::TRect;

namespace {

constexpr wchar_t kClassName[] = L"TacBorderForm";

// Both pictures and some width to show them in.
bool HasShadow(const TsSkinManager& manager) {
  const TRect& size = manager.FormShadowSize();
  return manager.Shadows.Active && manager.Shadows.Inactive &&
         (size.Left > 0 || size.Top > 0 || size.Right > 0 || size.Bottom > 0);
}

bool Topmost(HWND window) { return (GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

LPCWSTR CursorName(zelvan::paint::TFrameCursor cursor) {
  switch (cursor) {
    case zelvan::paint::TFrameCursor::SizeWE:
      return IDC_SIZEWE;
    case zelvan::paint::TFrameCursor::SizeNS:
      return IDC_SIZENS;
    case zelvan::paint::TFrameCursor::SizeNWSE:
      return IDC_SIZENWSE;
    case zelvan::paint::TFrameCursor::SizeNESW:
      return IDC_SIZENESW;
    default:
      return IDC_ARROW;
  }
}

}  // namespace

TacBorderForm::TacBorderForm(HWND form, TsSkinManager* manager, TsSkinProvider* provider)
    : FForm(form), FManager(manager), sp(provider) {
  static const bool registered = RegisterPrivateWindowClass(kClassName, WindowProc);
  if (!registered) return;
  // Only the shadow lets the mouse through everywhere; a frame takes it.
  DWORD exStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE;
  if (!sp) exStyle |= WS_EX_TRANSPARENT;
  // Owned by the form's owner, not the form: an owned window would lie above it.
  FWindow = CreateWindowExW(exStyle, kClassName, L"", WS_POPUP, 0, 0, 0, 0, GetWindow(form, GW_OWNER), nullptr,
                            GetModuleHandleW(nullptr), this);
}

TacBorderForm::~TacBorderForm() {
  if (!FWindow) return;
  SetWindowLongPtrW(FWindow, GWLP_USERDATA, 0);
  DestroyWindow(FWindow);
}

LRESULT CALLBACK TacBorderForm::WindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  auto* self = reinterpret_cast<TacBorderForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self || self->FWindow != window) {
    if (msg == WM_NCHITTEST) return HTTRANSPARENT;
    if (msg == WM_MOUSEACTIVATE) return MA_NOACTIVATE;
    return DefWindowProcW(window, msg, wParam, lParam);
  }
  return self->Message(msg, wParam, lParam);
}

LRESULT TacBorderForm::Message(UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_NCHITTEST:
      return Ex_WMNCHitTest(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;  // a click activates the form, not this window
    case WM_SETCURSOR:
      if (Ex_WMSetCursor(LOWORD(lParam))) return TRUE;
      break;
    case WM_NCMOUSEMOVE:
      if (!sp) break;
      if (!FTracking) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE | TME_NONCLIENT, FWindow, 0};
        FTracking = TrackMouseEvent(&track) != FALSE;
      }
      return PassToForm(msg, wParam, lParam);
    case WM_NCMOUSELEAVE:
      FTracking = false;
      if (!sp) break;
      return PassToForm(msg, wParam, lParam);
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
      if (!sp) break;
      if (IsWindowEnabled(FForm) && GetActiveWindow() != FForm) SetForegroundWindow(FForm);
      return PassToForm(msg, wParam, lParam);
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
      if (!sp) break;
      return PassToForm(msg, wParam, lParam);
    default:
      break;
  }
  return DefWindowProcW(FWindow, msg, wParam, lParam);
}

// A disabled form (a modal window of its own is open) takes no clicks.
LRESULT TacBorderForm::PassToForm(UINT msg, WPARAM wParam, LPARAM lParam) {
  if (!IsWindow(FForm) || !IsWindowEnabled(FForm)) return 0;
  TFlagScope inMouse(FInMouseMsg, true);
  return SendMessageW(FForm, msg, wParam, lParam);
}

zelvan::paint::TRect TacBorderForm::ShadowSize() const {
  return FManager ? FManager->FormShadowSize() : TRect{};
}

TRect TacBorderForm::Bounds() const {
  const TRect shadow = ShadowSize();
  if (sp) {
    const POINT at = sp->CacheToScreen(POINT{0, 0});
    return zelvan::paint::ShadowBounds({at.x, at.y, at.x + sp->CaptionWidth(), at.y + sp->CacheHeight()}, shadow);
  }
  RECT form{};
  if (!GetWindowRect(FForm, &form)) return {};
  return zelvan::paint::ShadowBounds({form.left, form.top, form.right, form.bottom}, shadow);
}

bool TacBorderForm::MouseAboveTheShadow(POINT point) const {
  if (!sp) return true;
  return zelvan::paint::MouseAboveTheShadow({point.x, point.y}, ShadowSize(), sp->CaptionWidth(), sp->CacheHeight(),
                                            sp->RegionRects());
}

LRESULT TacBorderForm::Ex_WMNCHitTest(POINT screen) {
  if (!sp || !IsWindowVisible(FWindow)) return HTTRANSPARENT;
  RECT window{};
  GetWindowRect(FWindow, &window);
  if (MouseAboveTheShadow(POINT{screen.x - window.left, screen.y - window.top})) return HTTRANSPARENT;
  const int code = sp->FrameHitTest(sp->ScreenToCache(screen));
  // The form lies over its client area: what reaches this window there goes on.
  return code == HTCLIENT || code == HTNOWHERE ? HTTRANSPARENT : code;
}

bool TacBorderForm::Ex_WMSetCursor(int hitCode) {
  if (!sp) return false;
  SetCursor(LoadCursorW(nullptr, CursorName(zelvan::paint::CursorForHitCode(hitCode))));
  return true;
}

void TacBorderForm::Paint(int width, int height, const TRect& hole) {
  if (!FPicture || FPicture->Width() != width || FPicture->Height() != height) {
    FPicture = std::make_unique<TBitmap>(width, height, pf32bit);
  }
  GdiFlush();
  const auto& shadows = FManager->Shadows;
  const zelvan::image::TWorkingBitmap* shadow = FActive ? shadows.Active.get() : shadows.Inactive.get();
  // The skin's border part is cut at its own margins; the built-in template at the shadow's.
  TRect slices = shadows.Size;
  if (FManager->IsValidImgIndex(FManager->ConstData.ExBorder)) {
    const auto& part = FManager->ma[static_cast<size_t>(FManager->ConstData.ExBorder)];
    slices = {part.WL, part.WT, part.WR, part.WB};
  }
  if (!HasShadow(*FManager)) shadow = nullptr;
  TBitmap* cache = sp ? sp->SkinData.CacheBmp() : nullptr;
  if (cache && !cache->Empty()) {
    zelvan::paint::ComposeExtendedBorder(FPicture->Image(), shadow, slices, {hole.Left, hole.Top}, cache->Image(),
                                         sp->RegionRects(), TRect{});  // the client area too: under the form, opaque
  } else if (shadow) {
    zelvan::paint::PaintShadowFrame(FPicture->Image(), *shadow, slices, hole);
  }
  ++FPaints;
}

std::vector<TRect> TacBorderForm::RegionSource(int width, int height) const {
  if (!sp || !FPicture) return {};
  const zelvan::paint::TBorderRegion made = zelvan::paint::MakeBorderRegion(width, height, ShadowSize(), sp->FrameWidth(),
                                                                            FMaximized, FPicture->Image());
  std::vector<TRect> source{made.Whole};
  source.insert(source.end(), made.Cut.begin(), made.Cut.end());
  return source;
}

// The first rectangle of a source is the whole, the others are cut out of it.
HRGN TacBorderForm::MakeRgn(int width, int height) const {
  const std::vector<TRect> source = RegionSource(width, height);
  if (source.empty()) return nullptr;
  HRGN region = CreateRectRgn(source[0].Left, source[0].Top, source[0].Right, source[0].Bottom);
  if (!region || source.size() == 1) return region;
  if (HRGN cut = frame_paint::RectsRegion(std::vector<TRect>(source.begin() + 1, source.end()))) {
    CombineRgn(region, region, cut, RGN_DIFF);
    DeleteObject(cut);
  }
  return region;
}

void TacBorderForm::UpdateRgn() {
  if (!sp || !FPicture) return;
  std::vector<TRect> source = RegionSource(FPicture->Width(), FPicture->Height());
  if (FRegionSet && source == FRegion) return;
  HRGN region = MakeRgn(FPicture->Width(), FPicture->Height());
  if (!region) return;
  if (!SetWindowRgn(FWindow, region, FALSE)) {
    DeleteObject(region);  // the system owns it only after success
    return;
  }
  FRegion = std::move(source);
  FRegionSet = true;
}

zelvan::paint::TRect TacBorderForm::ClientInFrame() const {
  const RECT client = sp->ClientInCache();
  return {client.left, client.top, client.right, client.bottom};
}

// Only the frame changed (a caption, a button): the shadow, the clear parts
// and so the region stay as they are, and the client area under the form too.
void TacBorderForm::PaintFrame() {
  TBitmap* cache = sp->SkinData.CacheBmp();
  if (!cache || cache->Empty()) return;
  GdiFlush();
  const TRect shadow = ShadowSize();
  zelvan::paint::CopyFrameOpaque(FPicture->Image(), {shadow.Left, shadow.Top}, cache->Image(), sp->RegionRects(),
                                 ClientInFrame());
  ++FPaints;
}

void TacBorderForm::PaintAll() { UpdateExBordersPos(true, FBlend); }

void TacBorderForm::UpdateExBordersPos(bool redraw, BYTE blend) {
  if (!FWindow || !FManager || FUpdating) return;
  TFlagScope updating(FUpdating, true);
  if (sp) {
    if (!sp->UpdateCache()) return;
    if (sp->RgnChanged) sp->BuildRegionRects();  // the cut corners of this cache
  }
  const TRect bounds = Bounds();
  if (bounds.IsEmpty()) return;
  const TRect shadow = ShadowSize();
  const bool maximized = IsZoomed(FForm) != FALSE;
  const bool resized = !FPicture || FPicture->Width() != bounds.Width() || FPicture->Height() != bounds.Height();
  const bool frameChanged = sp && sp->FrameStamp() != FFrameStamp;
  if (redraw || resized || !FPictureValid || FActive != FPaintedActive || blend != FBlend ||
      maximized != FMaximized) {
    Paint(bounds.Width(), bounds.Height(),
          {shadow.Left, shadow.Top, bounds.Width() - shadow.Right, bounds.Height() - shadow.Bottom});
    FPictureValid = true;
    FPaintedActive = FActive;
    FBlend = blend;
    FFrameStamp = sp ? sp->FrameStamp() : 0;
    FMaximized = maximized;
    if (sp) sp->TakeFrameDirty();
    PushLayeredPicture(FWindow, *FPicture, POINT{bounds.Left, bounds.Top}, blend);
    UpdateRgn();
  } else if (frameChanged) {
    PaintFrame();
    FFrameStamp = sp->FrameStamp();
    RECT dirty = sp->TakeFrameDirty();
    OffsetRect(&dirty, shadow.Left, shadow.Top);
    const RECT whole{0, 0, FPicture->Width(), FPicture->Height()};
    if (IntersectRect(&dirty, &dirty, &whole)) {
      PushLayeredPicture(FWindow, *FPicture, POINT{bounds.Left, bounds.Top}, blend, &dirty);
    }
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
                          bool active, TsSkinProvider* sp) {
  // A shadow alone is left out where it would show nothing or lie off the
  // screen; a frame is needed whenever the form shows one.
  const bool wanted = allowed && manager && manager->Active() && manager->ExtendedBordersInEffect() &&
                      IsWindow(form) && IsWindowVisible(form) && !IsIconic(form) &&
                      !(GetWindowLongPtrW(form, GWL_STYLE) & WS_CHILD) &&
                      (sp || (!IsZoomed(form) && HasShadow(*manager)));
  if (!wanted) {
    border.reset();
    return;
  }
  if (FormsLocked || (Application && Application->Terminated())) return;
  if (!border) border = std::make_unique<TacBorderForm>(form, manager, sp);
  border->SetFormActive(active);
  border->UpdateExBordersPos();
}
