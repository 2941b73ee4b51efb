#include "skin/window/caption_animation.h"

#include <map>

#include "core/paint/block_transfer.h"
#include "core/paint/caption_fade.h"
#include "core/paint/glow_geometry.h"
#include "core/paint/image_part.h"
#include "core/paint/mask_painting.h"
#include "framework/forms/custom_form.h"
#include "framework/graphics/bitmap.h"
#include "skin/core/animation_window.h"
#include "skin/paint/control_paint.h"
#include "skin/store/skin_manager.h"
#include "skin/window/private_window_class.h"
#include "skin/window/skin_provider.h"

namespace {

constexpr UINT kTickMs = 12;
constexpr wchar_t kClassName[] = L"TacSBAnimation";

std::map<UINT_PTR, TacSBAnimation*>& Running() {
  static std::map<UINT_PTR, TacSBAnimation*> timers;
  return timers;
}

LRESULT CALLBACK AnimationWindowProc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_PAINT) {
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(window, &ps);
    if (auto* image = reinterpret_cast<TBitmap*>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
      CopyBitmapToDC(*image, dc, RECT{0, 0, image->Width(), image->Height()}, POINT{0, 0});
    }
    EndPaint(window, &ps);
    return 0;
  }
  if (msg == WM_NCHITTEST) return HTTRANSPARENT;
  return DefWindowProcW(window, msg, wParam, lParam);
}

bool RegisterAnimationClass() {
  static const bool registered = RegisterPrivateWindowClass(kClassName, AnimationWindowProc);
  return registered;
}

}  // namespace

TacSBAnimation::TacSBAnimation(TsSkinProvider& provider, TsCaptionButton& button) : FProvider(provider), FButton(button) {}

TacSBAnimation::~TacSBAnimation() {
  if (FTimer) {
    KillTimer(nullptr, FTimer);
    Running().erase(FTimer);
  }
  DestroyWindows();
}

void TacSBAnimation::DestroyWindows() {
  if (FWindow) DestroyWindow(FWindow);
  if (FGlowWindow) DestroyWindow(FGlowWindow);
  FWindow = FGlowWindow = nullptr;
}

int TacSBAnimation::GlowPart() const {
  const TsSkinManager* manager = FProvider.SkinData.SkinManager();
  if (State != 1 || !manager || !manager->Effects.AllowGlowing() || !manager->IsValidImgIndex(FButton.ImageIndex)) return -1;
  if (FButton.HitCode != HTMINBUTTON && FButton.HitCode != HTMAXBUTTON && FButton.HitCode != HTCLOSE) return -1;
  const std::string& name = manager->ma[static_cast<size_t>(FButton.ImageIndex)].PropertyName;
  const int part = manager->GetMaskIndex("GLOBALINFO", name + "GLOW0");
  return manager->IsValidImgIndex(part) ? part : -1;
}

// The glow part nine-sliced around the button, by the skin's margin for it.
void TacSBAnimation::ShowGlow(int part) {
  const TsSkinManager* manager = FProvider.SkinData.SkinManager();
  const zelvan::store::TsMaskData& mask = manager->ma[static_cast<size_t>(part)];
  const zelvan::store::TsSkinData& info = *manager->SkinData;
  const int margin = FButton.HitCode == HTCLOSE       ? info.BICloseGlowMargin
                     : FButton.HitCode == HTMAXBUTTON ? info.BIMaxGlowMargin
                                                      : info.BIMinGlowMargin;
  const RECT& r = FButton.Rect;
  const POINT at = FProvider.CacheToScreen(POINT{r.left, r.top});
  const zelvan::paint::TRect control{at.x, at.y, at.x + r.right - r.left, at.y + r.bottom - r.top};
  const zelvan::paint::TGlowPlacement place =
      zelvan::paint::PlaceGlow(control, control, {mask.WL, mask.WT, mask.WR, mask.WB}, margin);
  if (place.Empty()) return;
  FGlowImage = std::make_unique<TBitmap>(place.Width, place.Height, pf32bit);  // cleared: only the glow shows
  zelvan::paint::DrawMaskRect(FGlowImage->Image(), {0, 0, place.Width, place.Height}, false, 0, mask, {});
  FGlowAt = POINT{place.Position.X, place.Position.Y};
  if (FWindow) {
    DestroyWindow(FWindow);
    FWindow = nullptr;
  }
  if (!FGlowWindow) {
    if (!RegisterAnimationClass()) return;
    FGlowWindow = CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClassName,
                                  L"", WS_POPUP, FGlowAt.x, FGlowAt.y, place.Width, place.Height,
                                  FProvider.ProviderForm()->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!FGlowWindow) return;
  }
  PushGlow();
  SetWindowPos(FGlowWindow, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

void TacSBAnimation::PushGlow() {
  if (FGlowWindow && FGlowImage) PushLayeredPicture(FGlowWindow, *FGlowImage, FGlowAt, Opacity());
}

uint8_t TacSBAnimation::Opacity() const { return zelvan::paint::CaptionFadeOpacity(Level, Steps); }

void TacSBAnimation::BuildImage() {
  const RECT& r = FButton.Rect;
  const int w = r.right - r.left, h = r.bottom - r.top;
  if (w <= 0 || h <= 0) return;
  if (!FImage) FImage = std::make_unique<TBitmap>();
  FImage->SetSize(w, h);
  TBitmap* cache = FProvider.SkinData.CacheBmp();
  if (cache && !cache->Empty()) zelvan::paint::CopyBlock(FImage->Image(), {0, 0}, cache->Image(), {r.left, r.top, r.right, r.bottom});
  const TsSkinManager* manager = FProvider.SkinData.SkinManager();
  if (manager && manager->IsValidImgIndex(FButton.ImageIndex)) {
    zelvan::paint::DrawMaskGlyph(FImage->Image(), {0, 0}, State, zelvan::paint::TCacheInfo{},
                                 manager->ma[static_cast<size_t>(FButton.ImageIndex)], 1);
  }
  GdiFlush();
}

void TacSBAnimation::Show() {
  HWND form = FProvider.ProviderForm()->Handle();
  const RECT& r = FButton.Rect;
  // Where the element shows: on the form, or on its border window.
  const POINT at = FProvider.CacheToScreen(POINT{r.left, r.top});
  const RECT bounds{at.x - r.left, at.y - r.top, 0, 0};
  if (FGlowWindow) {
    DestroyWindow(FGlowWindow);
    FGlowWindow = nullptr;
  }
  if (!FWindow) {
    if (!RegisterAnimationClass()) return;
    FWindow = CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE, kClassName, L"",
                              WS_POPUP, bounds.left + r.left, bounds.top + r.top, r.right - r.left, r.bottom - r.top,
                              form, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!FWindow) return;
  }
  SetWindowLongPtrW(FWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(FImage.get()));
  SetLayeredWindowAttributes(FWindow, 0, Opacity(), LWA_ALPHA);
  SetWindowPos(FWindow, HWND_TOP, bounds.left + r.left, bounds.top + r.top, r.right - r.left, r.bottom - r.top,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(FWindow, nullptr, FALSE);
}

void TacSBAnimation::ChangeState(int state) {
  if (state > 0) {
    State = state;
    Steps = state == 2 ? 1 : 10;
    FadingIn = true;
    if (state == 2) Level = Steps;  // pressed shows at once
    if (Level > Steps) Level = Steps;
    if (const int glow = GlowPart(); glow >= 0) {
      ShowGlow(glow);
    } else {
      BuildImage();
      Show();
    }
  } else {
    FadingIn = false;
  }
  if (!FTimer) {
    FTimer = SetTimer(nullptr, 0, kTickMs, TimerProc);
    if (FTimer) Running()[FTimer] = this;
  }
}

void CALLBACK TacSBAnimation::TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
  auto it = Running().find(id);
  if (it == Running().end()) {
    KillTimer(nullptr, id);
    return;
  }
  it->second->Tick();
}

void TacSBAnimation::Tick() {
  if (FadingIn) {
    if (Level < Steps) ++Level;
    if (FWindow) SetLayeredWindowAttributes(FWindow, 0, Opacity(), LWA_ALPHA);
    PushGlow();
    if (Level >= Steps && FTimer) {
      KillTimer(nullptr, FTimer);
      Running().erase(FTimer);
      FTimer = 0;
    }
    return;
  }
  if (Level > 0) --Level;
  if (FWindow) SetLayeredWindowAttributes(FWindow, 0, Opacity(), LWA_ALPHA);
  PushGlow();
  if (Level > 0) return;
  // Faded out: the animation ends and frees itself (nothing of it is used after).
  TsSkinProvider& provider = FProvider;
  TsCaptionButton& button = FButton;
  button.Timer.reset();
  provider.RepaintButton(button);
}
