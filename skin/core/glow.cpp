#include "skin/core/glow.h"

#include <algorithm>
#include <climits>
#include <memory>
#include <vector>

#include "core/image/bitmap32.h"
#include "core/paint/block_transfer.h"
#include "core/paint/glow_geometry.h"
#include "core/paint/mask_painting.h"
#include "framework/forms/custom_form.h"
#include "skin/core/animation_window.h"
#include "skin/store/skin_manager.h"

namespace {

// The mouse goes through it; it is never activated nor skinned.
class TacGlowWindow : public TCustomForm {
 public:
  TacGlowWindow() : TCustomForm(nullptr, L"TacGlowWindow") {
    SetTag(kNeverSkinnedTag);
    SetBorderStyle(bsNone);
  }
  void WndProc(TMessage& message) override {
    switch (message.Msg) {
      case WM_NCHITTEST:
        message.Result = HTTRANSPARENT;
        return;
      case WM_MOUSEACTIVATE:
        message.Result = MA_NOACTIVATEANDEAT;
        return;
      default:
        TCustomForm::WndProc(message);
    }
  }

 protected:
  void CreateParams(TCreateParams& params) override {
    TCustomForm::CreateParams(params);
    params.Style = WS_POPUP;
    params.ExStyle = WS_EX_LAYERED | WS_EX_TOOLWINDOW | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE;
  }
};

struct TacGlowEffect {
  int Id = -1;
  int MaskIndex = -1;
  int Margin = 0;
  std::unique_ptr<TacGlowWindow> Wnd;
};

std::vector<std::unique_ptr<TacGlowEffect>>& GlowList() {
  static std::vector<std::unique_ptr<TacGlowEffect>> list;
  return list;
}

int NextGlowId = 0;

std::vector<std::unique_ptr<TacGlowEffect>>::iterator FindGlow(int id) {
  auto& list = GlowList();
  return std::find_if(list.begin(), list.end(), [id](const auto& effect) { return effect->Id == id; });
}

zelvan::paint::TRect FromRect(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// The glow goes directly above its owner in the z-order.
HWND InsertAfter(HWND owner) {
  if (!owner) return HWND_TOP;
  if (GetWindowLongPtrW(owner, GWL_EXSTYLE) & WS_EX_TOPMOST) return HWND_TOPMOST;
  HWND above = GetWindow(owner, GW_HWNDPREV);
  return above ? above : HWND_TOP;
}

}  // namespace

int CreateGlow(const RECT& control, const RECT& visible, const std::string& section, TsSkinManager* manager,
               HWND owner, uint8_t alpha, int margin, const std::string& partBase) {
  if (!manager || !manager->Effects.AllowGlowing()) return -1;
  const int mask = manager->GetMaskIndex(section, partBase + "0");
  if (!manager->IsValidImgIndex(mask)) return -1;
  const zelvan::store::TsMaskData& part = manager->ma[static_cast<size_t>(mask)];
  const zelvan::paint::TGlowPlacement place = zelvan::paint::PlaceGlow(
      FromRect(control), FromRect(visible), {part.WL, part.WT, part.WR, part.WB}, margin);
  if (place.Empty()) return -1;

  TBitmap whole(place.Width, place.Height, pf32bit);  // cleared: the glow is all the picture holds
  zelvan::paint::DrawMaskRect(whole.Image(), {0, 0, place.Width, place.Height}, false, 0, part, {});
  TBitmap shown(place.Crop.Width(), place.Crop.Height(), pf32bit);
  zelvan::paint::CopyBlock(shown.Image(), {0, 0}, whole.Image(), place.Crop);

  auto effect = std::make_unique<TacGlowEffect>();
  effect->Id = NextGlowId;
  NextGlowId = NextGlowId == INT_MAX ? 0 : NextGlowId + 1;
  effect->MaskIndex = mask;
  effect->Margin = margin;
  effect->Wnd = std::make_unique<TacGlowWindow>();
  HWND window = effect->Wnd->Handle();
  if (owner) SetWindowLongPtrW(window, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner));
  PushLayeredPicture(window, shown, POINT{place.Position.X, place.Position.Y}, alpha);
  SetWindowPos(window, InsertAfter(owner), 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  const int id = effect->Id;
  GlowList().push_back(std::move(effect));
  return id;
}

void RemoveGlow(int id) {
  if (id < 0) return;
  auto it = FindGlow(id);
  if (it != GlowList().end()) GlowList().erase(it);
}

void RemoveAllGlows() { GlowList().clear(); }

HWND GlowWindow(int id) {
  auto it = FindGlow(id);
  return it == GlowList().end() ? nullptr : (*it)->Wnd->Handle();
}

int ShownGlowCount() { return static_cast<int>(GlowList().size()); }
