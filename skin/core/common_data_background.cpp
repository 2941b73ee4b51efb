// TsCommonData: the owner's background colour, what its parent shows behind
// it, whether its background is one plain colour, and the answers to its
// children's background requests.
#include <algorithm>

#include "core/paint/color_mix.h"
#include "core/paint/system_colors.h"
#include "core/store/control_kinds.h"
#include "framework/controls/win_control.h"
#include "framework/forms/custom_form.h"
#include "skin/core/common_data.h"
#include "skin/paint/control_paint.h"
#include "skin/store/skin_manager.h"

using zelvan::paint::kKeyColor;
using zelvan::paint::TColor;
using zelvan::store::TsGeneralData;

namespace {

int Clamp100(int value) { return std::clamp(value, 0, 100); }

TWinControl* ParentOf(TControl* control) { return control ? control->Parent() : nullptr; }

HWND ParentWindow(HWND window) { return window ? GetParent(window) : nullptr; }

}  // namespace

// A command to the owner's parent: sent to its window, dispatched to a parent
// without one; 0 without parent.
LRESULT TsCommonData::ToParent(WPARAM wParam, LPARAM lParam) const {
  TWinControl* parent = ParentOf(FOwnerControl);
  if (!parent && ProviderForm) parent = ProviderForm->Parent();
  if (!parent) return 0;
  if (parent->HandleAllocated()) return SendMessageW(parent->Handle(), SKM_COMMAND, wParam, lParam);
  return parent->Perform(SKM_COMMAND, wParam, lParam);
}

LRESULT TsCommonData::ParentCommand(uint16_t code, LPARAM lParam) const {
  return ToParent(SkinCommandWParam(code), lParam);
}

TColor TsCommonData::OwnColor() const {
  if (ProviderForm) return ColorToRGB(ProviderForm->Color());
  if (FOwnerControl) return ColorToRGB(FOwnerControl->Color());
  return ColorToRGB(clBtnFace);
}

// The colour behind the owner: a skinned parent's answer, else its colour.
TColor TsCommonData::ParentColor(HWND window) const {
  TWinControl* parent = ParentOf(FOwnerControl);
  if (parent) {
    if (parent->HandleAllocated() && QuerySkinCommand(parent->Handle(), SKC_IS_SKINNED)) {
      return static_cast<TColor>(SendSkinCommand(parent->Handle(), SKC_GET_BG_COLOR));
    }
    return ColorToRGB(parent->Color());
  }
  if (FOwnerControl) return kKeyColor;
  if (HWND parentWindow = ParentWindow(window)) {
    if (QuerySkinCommand(parentWindow, SKC_IS_SKINNED)) {
      return static_cast<TColor>(SendSkinCommand(parentWindow, SKC_GET_BG_COLOR));
    }
  }
  return ColorToRGB(clBtnFace);
}

TColor TsCommonData::BackgroundColor(int state, HWND window) const {
  const TsGeneralData* g = Skinned() ? Section() : nullptr;
  if (!g) return OwnColor();
  const auto& values = g->Props[PropsIndex(state)];
  const int t = Clamp100(values.Transparency);
  if (t == 100) return ParentColor(window);
  if (t > 0) return zelvan::paint::MixColors(ParentColor(window), values.Color, t / 100.0);
  return FCustomColor ? OwnColor() : values.Color;
}

void TsCommonData::GetParentCache(zelvan::paint::TCacheInfo& info) const {
  info = {};
  TWinControl* parent = ParentOf(FOwnerControl);
  if (!Skinned() || !parent) {
    info.FillColor = BackgroundColor(0);
    return;
  }
  TBgRequest request;
  request.R = RECT{0, 0, FOwnerControl->Width(), FOwnerControl->Height()};
  ToParent(SkinCommandWParam(SKC_GET_BG_INFO), reinterpret_cast<LPARAM>(&request));
  switch (request.Kind) {
    case bgNoAnswer: {
      // A parent that knows nothing of skins: its colour.
      request.Kind = bgColor;
      TColor color = 0;
      if (parent->HandleAllocated()) color = static_cast<TColor>(SendSkinCommand(parent->Handle(), SKC_GET_BG_COLOR));
      request.Color = color ? color : ColorToRGB(parent->Color());
      break;
    }
    case bgHoldBack:
      info.FillColor = kKeyColor;
      return;
    default:
      break;
  }
  info = CacheInfoFromRequest(request);
  if (info.Ready) {
    info.X += FOwnerControl->Left();
    info.Y += FOwnerControl->Top();
  }
}

int TsCommonData::CalcPlainBackground() const {
  TsSkinManager* manager = SkinManager();
  const TsGeneralData* g = Section();
  if (!manager || FSkinSection.empty() || !g) return 1;
  if (manager->IsValidImgIndex(BorderIndex)) {
    const auto& border = manager->ma[static_cast<size_t>(BorderIndex)];
    if (border.DrawMode & 4) return 0;
    if (manager->MaskWidthLeft(BorderIndex) + manager->MaskWidthRight(BorderIndex) > 30) return 0;
    if (manager->MaskWidthTop(BorderIndex) + manager->MaskWidthBottom(BorderIndex) > 30) return 0;
  }
  const int t = Clamp100(g->Transparency);
  if (t == 100) {
    if (manager->IsValidImgIndex(g->TextureNormal) && manager->ma[static_cast<size_t>(g->TextureNormal)].DrawMode == 10) {
      return 0;
    }
    TWinControl* parent = ParentOf(FOwnerControl);
    if (!parent) return 0;
    if (!parent->HandleAllocated()) return 2;
    // The parent answers with its whole state; only the plain class is wanted here.
    const auto state = static_cast<uint16_t>(SendSkinCommand(parent->Handle(), SKC_GET_SKIN_STATE));
    if (state & kStateUnknown) return 2;
    return state & kStatePlain ? 1 : 0;
  }
  if (t > 0 || g->ImagePercent > 0 || g->GradientPercent > 0) return 0;
  for (const int corner : {g->ImgTL, g->ImgTR, g->ImgBL, g->ImgBR}) {
    if (manager->IsValidImgIndex(corner)) return 0;
  }
  return 1;
}

void TsCommonData::UpdatePlainState(bool passToChildren) {
  CtrlSkinState &= static_cast<uint16_t>(~kStatePlain);
  if (ProviderForm || zelvan::store::IsContainerKind(COC)) {
    const int plain = CalcPlainBackground();
    if (plain != 2) {
      if (plain == 1) CtrlSkinState |= kStatePlain;
      CtrlSkinState &= static_cast<uint16_t>(~kStateUnknown);
    }
  }
  if (!passToChildren) return;
  auto* container = dynamic_cast<TWinControl*>(FOwnerControl ? FOwnerControl : ProviderForm);
  if (!container) return;
  for (int i = 0; i < container->ControlCount(); ++i) {
    PerformSkinCommand(container->Controls(i), SKC_GET_SKIN_STATE, 1);
  }
}

void TsCommonData::AnswerBgRequest(TBgRequest& request, int state, HWND window) {
  const TsGeneralData* g = Skinned() ? Section() : nullptr;
  if (!g || FCustomColor) {
    request.Kind = bgColor;
    request.Color = OwnColor();
    return;
  }
  const auto& values = g->Props[PropsIndex(state)];
  const int t = Clamp100(values.Transparency);
  zelvan::image::TWorkingBitmap* cache = FCacheBmp && !FCacheBmp->Empty() ? &FCacheBmp->Image() : nullptr;
  const auto answerWithPicture = [&] {
    if (!cache) {
      request.Kind = bgColor;
      request.Color = kKeyColor;
      return;
    }
    request.Kind = bgBitmap;
    if (request.PaintToDC) {
      if (request.DC) CopyBitmapToDC(*FCacheBmp, request.DC, request.R, POINT{request.X, request.Y});
    } else {
      request.Bmp = cache;
      request.X = request.Y = 0;
    }
  };
  if (t == 0 && values.GradientPercent <= 0 && values.ImagePercent <= 0) {
    request.Kind = bgColor;
    request.Bmp = cache;
    request.Color = BackgroundColor(state, window);
    if (request.PaintToDC && request.DC) {
      HBRUSH brush = CreateSolidBrush(ColorToRGB(request.Color));
      FillRect(request.DC, &request.R, brush);
      DeleteObject(brush);
    }
    return;
  }
  if (t < 100) return answerWithPicture();
  if ((CtrlSkinState & kStatePlain) && cache && !BGChanged) return answerWithPicture();
  // Fully see-through with nothing of its own: the parent behind answers.
  TWinControl* parent = ParentOf(FOwnerControl);
  POINT place{FOwnerControl ? FOwnerControl->Left() : 0, FOwnerControl ? FOwnerControl->Top() : 0};
  if (!parent && window) {
    if (HWND parentWindow = ParentWindow(window)) {
      RECT r{};
      GetWindowRect(window, &r);
      place = POINT{r.left, r.top};
      ScreenToClient(parentWindow, &place);
      // With a picture to paint, the position goes in before the request climbs.
      if (request.PaintToDC) request.X += place.x, request.Y += place.y;
      SendMessageW(parentWindow, SKM_COMMAND, SkinCommandWParam(SKC_GET_BG_INFO), reinterpret_cast<LPARAM>(&request));
      if (!request.PaintToDC && request.Kind == bgBitmap) request.X += place.x, request.Y += place.y;
      return;
    }
  }
  if (!parent) {
    TsSkinManager* manager = SkinManager();
    request.Kind = bgColor;
    request.Color = manager ? manager->GetGlobalColor() : ColorToRGB(clBtnFace);
    return;
  }
  if (request.PaintToDC) request.X += place.x, request.Y += place.y;
  ParentCommand(SKC_GET_BG_INFO, reinterpret_cast<LPARAM>(&request));
  if (!request.PaintToDC && request.Kind == bgBitmap) request.X += place.x, request.Y += place.y;
}

int TsCommonData::ParentFontSectionIndex(TControl* control, int fallback, TsSkinManager* manager, int state) {
  if (!manager) manager = DefaultManager();
  if (!manager) return fallback;
  for (TWinControl* parent = control ? control->Parent() : nullptr; parent; parent = parent->Parent()) {
    int index = -1;
    if (parent->HandleAllocated()) {
      TacSectionInfo info;
      SendSkinCommand(parent->Handle(), SKC_GET_SKIN_INDEX, reinterpret_cast<LPARAM>(&info));
      index = info.SkinIndex;
    }
    if (!manager->IsValidSkinIndex(index)) return fallback;
    const TsGeneralData& g = manager->gd[static_cast<size_t>(index)];
    const int s = state > 0 && g.States > 1 ? 1 : 0;
    if (g.Props[s].Transparency > 50 && parent->Parent()) continue;
    return g.GiveOwnFont ? index : fallback;
  }
  return fallback;
}

void TsCommonData::CopyCacheToDC(const RECT& source, int dy, int dx, bool updateFirst, HDC dc, const RECT& destination) {
  if (!FCacheBmp || FCacheBmp->Empty()) return;
  if (updateFirst && FOwnerControl) PerformSkinCommand(FOwnerControl, SKC_PREPARE_CACHE);
  const int saved = SaveDC(dc);
  IntersectClipRect(dc, destination.left, destination.top, destination.right, destination.bottom);
  if (auto* container = dynamic_cast<TWinControl*>(FOwnerControl)) {
    for (int i = 0; i < container->ControlCount(); ++i) {
      TControl* child = container->Controls(i);
      const bool opaque = dynamic_cast<TWinControl*>(child) || child->ControlStyle().Contains(csOpaque);
      if (!child->Visible() || !opaque) continue;
      RECT r = child->BoundsRect();
      OffsetRect(&r, dx, dy);
      RECT common{};
      if (IntersectRect(&common, &r, &destination)) ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
  }
  CopyBitmapToDC(*FCacheBmp, dc, destination, POINT{source.left, source.top});
  RestoreDC(dc, saved);
}
