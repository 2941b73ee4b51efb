#include "skin/core/common_data.h"

#include "skin/core/glow.h"

#include <algorithm>

#include "core/paint/color_mix.h"
#include "core/paint/hue_saturation.h"
#include "core/paint/system_colors.h"
#include "core/store/control_kinds.h"
#include "framework/controls/win_control.h"
#include "framework/forms/custom_form.h"
#include "skin/core/glow.h"
#include "skin/core/skin_broadcast.h"
#include "skin/core/state_fade.h"
#include "skin/store/skin_manager.h"

using zelvan::paint::TColor;
using zelvan::store::TsGeneralData;

namespace {

std::string Upper(std::string text) {
  for (char& c : text) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return text;
}

}  // namespace

TsCommonData::TsCommonData(TObject* owner, bool createCacheBmp)
    : FOwnerControl(dynamic_cast<TControl*>(owner)), FOwnerObject(owner) {
  if (createCacheBmp) FCacheBmp = std::make_unique<TBitmap>(0, 0, pf32bit);
}

void TsCommonData::SetOwner(TObject* owner) {
  FOwnerControl = dynamic_cast<TControl*>(owner);
  FOwnerObject = owner;
}

TsCommonData::~TsCommonData() {
  StopFadesOf(*this);  // a fade must not outlive the data it paints from
  SkinIndex = BorderIndex = Texture = HotTexture = -1;
  RemoveGlow();
  FOwnerControl = nullptr;
  FOwnerObject = nullptr;
  FSkinManager = nullptr;
}

// ---------------------------------------------------------------- owner

bool TsCommonData::OwnerGone() const {
  const auto* component = dynamic_cast<const TComponent*>(FOwnerObject);
  // A wrapper's data for a raw window has no object: the window stands for it.
  if (!FOwnerObject) return !OwnerWindow || !IsWindow(OwnerWindow);
  return component && component->ComponentState().Contains(csDestroying);
}

bool TsCommonData::OwnerLoading() const {
  const auto* component = dynamic_cast<const TComponent*>(FOwnerObject);
  return component && (component->ComponentState().Contains(csLoading) ||
                       component->ComponentState().Contains(csReading));
}

TsSkinManager* TsCommonData::SkinManager() const { return FSkinManager ? FSkinManager : DefaultManager(); }

// ---------------------------------------------------------------- published setters

void TsCommonData::SetSkinSection(const std::string& section) {
  if (section == FSkinSection) return;
  FSkinSection = section.empty() ? "UNKNOWN" : Upper(section);
  TsSkinManager* manager = SkinManager();
  if (!manager || manager->gd.empty()) {
    SkinIndex = -1;
  } else {
    UpdateIndexes();
  }
  if (ProviderForm) {
    BGChanged = true;
    return;
  }
  if (FOwnerControl && FOwnerControl->Parent() && !OwnerLoading() && !OwnerGone()) {
    if (!FUpdating) {
      const bool valid = manager && manager->IsValidSkinIndex(SkinIndex);
      PerformSkinCommand(FOwnerControl, valid ? SKC_REFRESH : SKC_SKIN_REMOVED, reinterpret_cast<LPARAM>(manager));
    }
    RemoveGlow();
  }
}

void TsCommonData::SetSkinManager(TsSkinManager* manager) {
  if (manager == DefaultManager()) manager = nullptr;  // follow later changes of the default
  if (manager == FSkinManager) return;
  FSkinManager = manager;
  if (OwnerLoading()) return;
  TsSkinManager* now = SkinManager();
  if (now && now->Active() && !now->gd.empty()) {
    UpdateIndexes();
  } else {
    SkinIndex = -1;
  }
  if (!ProviderForm && FOwnerControl && FOwnerControl->Parent() && !OwnerGone()) {
    const bool valid = now && now->IsValidSkinIndex(SkinIndex);
    PerformSkinCommand(FOwnerControl, valid ? SKC_REFRESH : SKC_SKIN_REMOVED, reinterpret_cast<LPARAM>(now));
  }
}

void TsCommonData::SetCustomColor(bool value) {
  if (value == FCustomColor) return;
  FCustomColor = value;
  if (!OwnerLoading()) ApplySkinColors(true);
}

void TsCommonData::SetCustomFont(bool value) {
  if (value == FCustomFont) return;
  FCustomFont = value;
  if (!OwnerLoading()) ApplySkinColors(true);
}

void TsCommonData::SetHUEOffset(int value) {
  if (value == FHUEOffset) return;
  FHUEOffset = value;
  Loaded();
  Invalidate();
}

void TsCommonData::SetSaturation(int value) {
  if (value == FSaturation) return;
  FSaturation = value;
  Loaded();
  Invalidate();
}

// ---------------------------------------------------------------- section and indexes

void TsCommonData::UpdateIndexes() {
  BGChanged = true;
  TsSkinManager* manager = SkinManager();
  SkinIndex = manager && manager->Active() ? manager->GetSkinIndex(FSkinSection) : -1;
  UpdateBGType();
  // Only the plain class is forgotten: printing, a waiting menu change and an
  // open update block stay as they are.
  CtrlSkinState = static_cast<uint16_t>((CtrlSkinState | kStateUnknown) & ~kStatePlain);
  if (manager && manager->IsValidSkinIndex(SkinIndex)) {
    BorderIndex = manager->gd[static_cast<size_t>(SkinIndex)].BorderIndex;
    Texture = manager->GetTextureIndex(SkinIndex, FSkinSection, "PATTERN");
    HotTexture = manager->GetTextureIndex(SkinIndex, FSkinSection, "HOTPATTERN");
    UpdatePlainState(false);
  } else {
    Texture = HotTexture = -1;
  }
}

void TsCommonData::UpdateBGType() {
  BGType = 0;
  const TsGeneralData* g = Section();
  if (!g) return;
  if (g->ImagePercent > 0) BGType |= 4;
  if (g->GradientPercent > 0 && !g->GradientArray.empty()) {
    switch (g->GradientArray.front().Mode1) {
      case 0: BGType += 2; break;  // vertical
      case 1: BGType += 1; break;  // horizontal
      case 2: BGType += 3; break;  // triangles
      default: break;
    }
  }
}

void TsCommonData::DefaultSection() {
  std::string className;
  if (FOwnerObject) {
    const std::wstring name = FOwnerObject->ClassName();
    className.assign(name.begin(), name.end());
  }
  SetSkinSection(zelvan::store::DefaultSection(COC, Upper(className)));
}

void TsCommonData::Loaded() {
  if (!FSkinSection.empty()) {
    UpdateIndexes();
  } else {
    DefaultSection();
  }
  if (!Skinned()) return;
  if (FOwnerControl && FOwnerControl->Parent() && !OwnerLoading()) {
    if (dynamic_cast<TWinControl*>(FOwnerControl)) {
      if (TCustomForm* form = GetParentForm(FOwnerControl)) {
        PerformSkinCommand(form, SKC_ADD_CHILDREN, reinterpret_cast<LPARAM>(FOwnerControl));
      }
    }
  }
  ApplySkinColors(false);
}

bool TsCommonData::Skinned(bool checkSkinActive) const {
  TsSkinManager* manager = SkinManager();
  if (FSkinSection.empty() || !manager || manager->ComponentState().Contains(csDestroying)) return false;
  if (!manager->IsValidSkinIndex(SkinIndex) || OwnerGone()) return false;
  return !checkSkinActive || manager->SkinData->Active;
}

const TsGeneralData* TsCommonData::Section() const {
  TsSkinManager* manager = SkinManager();
  if (!manager || !manager->IsValidSkinIndex(SkinIndex)) return nullptr;
  return &manager->gd[static_cast<size_t>(SkinIndex)];
}

int TsCommonData::PropsIndex(int state) const {
  const TsGeneralData* g = Section();
  // A hostile skin may give no states at all: the normal values serve.
  return g && state > 0 && g->States > 1 ? 1 : 0;
}

void TsCommonData::ApplySkinColors(bool repaint) {
  const TsGeneralData* g = Section();
  if (!g || !Skinned() || !zelvan::store::IsEditKind(COC) || !FOwnerControl) return;
  if (auto* windowed = dynamic_cast<TWinControl*>(FOwnerControl); windowed && !windowed->HandleAllocated()) return;
  const auto transform = [this](TColor c) {
    return zelvan::paint::ChangeColorSaturation(zelvan::paint::ChangeColorHue(c, FHUEOffset), FSaturation);
  };
  if (!FCustomColor) {
    const TColor color = transform(g->Props[0].Color);
    if (FOwnerControl->Color() != color) FOwnerControl->SetColor(color);
  }
  if (!FCustomFont) {
    const TColor color = transform(g->Props[0].FontColor.Color);
    if (FOwnerControl->Font().Color() != color) FOwnerControl->Font().SetColor(color);
  }
  if (repaint) Invalidate();
}

// ---------------------------------------------------------------- cache bitmap

void TsCommonData::InitCacheBmp() {
  if (!FCacheBmp) FCacheBmp = std::make_unique<TBitmap>(0, 0, pf32bit);
  int width = 0, height = 0;
  if (FOwnerControl) {
    width = std::max(0, FOwnerControl->Width());
    height = std::max(0, FOwnerControl->Height());
  } else if (ProviderForm) {
    width = std::max(0, ProviderForm->Width());
    height = std::max(0, ProviderForm->Height());
  } else if (OwnerWindow && IsWindow(OwnerWindow)) {
    RECT r{};
    GetWindowRect(OwnerWindow, &r);
    width = std::max(0L, r.right - r.left);
    height = std::max(0L, r.bottom - r.top);
  }
  if (FCacheBmp->Width() != width || FCacheBmp->Height() != height) FCacheBmp->SetSize(width, height);
}

void TsCommonData::ClearCache() {
  if (FCacheBmp) FCacheBmp->SetSize(0, 0);
}

// ---------------------------------------------------------------- painting decisions

bool TsCommonData::IsHot() const {
  if (!FOwnerControl || OwnerGone() || !FOwnerControl->Enabled()) return false;
  if (FFocused) return true;
  if (auto* windowed = dynamic_cast<TWinControl*>(FOwnerControl)) {
    if (windowed->HandleAllocated() && GetFocus() == windowed->Handle() && !zelvan::store::IsPanelKind(COC)) {
      return true;
    }
  }
  return FMouseAbove && !zelvan::store::IsContainerKind(COC);
}

bool TsCommonData::CanPaintNow() const {
  if (!FOwnerControl || OwnerGone() || OwnerLoading() || !FOwnerControl->Parent()) return false;
  if (FOwnerControl->ControlState().Contains(csCreating)) return false;
  auto* windowed = dynamic_cast<TWinControl*>(FOwnerControl);
  return !windowed || windowed->HandleAllocated();
}

void TsCommonData::Invalidate(bool updateNow) {
  if (ProviderForm) {
    BGChanged = true;
    if (ProviderForm->HandleAllocated()) {
      RedrawWindow(ProviderForm->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    return;
  }
  if (!FOwnerControl || OwnerGone() || OwnerLoading()) return;
  BGChanged = true;
  if (!CanPaintNow()) return;
  if (auto* windowed = dynamic_cast<TWinControl*>(FOwnerControl)) {
    RedrawWindow(windowed->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | (updateNow ? RDW_UPDATENOW : 0));
  } else {
    FOwnerControl->Repaint();
  }
}

bool TsCommonData::RepaintIfMoved() const {
  if (UrgentPainting || !Skinned() || !FOwnerControl || !FOwnerControl->Enabled()) return true;
  const TsGeneralData* g = Section();
  if (g->Transparency <= 0) return false;
  return ParentCommand(SKC_MOVE_NEEDS_REPAINT, 0) == 1;
}

bool TsCommonData::Updating() const {
  if (!SkinManager()) return false;
  if (OwnerGone()) return FUpdating;
  if (!ComplexPainting()) return FUpdating;
  if (FUpdating) return true;
  return ParentCommand(SKC_GET_UPDATING, 0) == 1;
}

void TsCommonData::BeginUpdate() {
  ++FUpdateCount;
  FUpdating = true;
  CtrlSkinState |= kStateUpdating;
  if (ProviderForm) {
    PerformSkinCommand(ProviderForm, SKC_BEGIN_UPDATE);
  } else if (FOwnerControl) {
    PerformSkinCommand(FOwnerControl, SKC_BEGIN_UPDATE);
  }
}

void TsCommonData::EndUpdate(bool repaint) {
  if (FUpdateCount <= 0) return;
  // An outer update still holds painting back: only the last end lets it through.
  if (--FUpdateCount > 0) return;
  FUpdating = false;
  CtrlSkinState &= static_cast<uint16_t>(~kStateUpdating);
  if (ProviderForm) {
    PerformSkinCommand(ProviderForm, SKC_END_UPDATE);
  } else if (FOwnerControl) {
    PerformSkinCommand(FOwnerControl, SKC_END_UPDATE);
  }
  if (repaint) Invalidate(false);
}

int TsCommonData::MaxBorderWidth() const {
  TsSkinManager* manager = SkinManager();
  if (!manager || !manager->IsValidImgIndex(BorderIndex)) return 0;
  if (manager->ma[static_cast<size_t>(BorderIndex)].DrawMode & 2) return 0;
  return std::max({manager->MaskWidthTop(BorderIndex), manager->MaskWidthLeft(BorderIndex),
                   manager->MaskWidthRight(BorderIndex), manager->MaskWidthBottom(BorderIndex)});
}

namespace {

// The owner's screen rectangle and the part of it its parents show.
bool ScreenPlace(TControl& control, RECT& whole, RECT& visible) {
  HWND cutBy = nullptr;  // the first window whose client area cuts the owner
  if (auto* windowed = dynamic_cast<TWinControl*>(&control); windowed && windowed->HandleAllocated()) {
    HWND window = windowed->Handle();
    GetWindowRect(window, &whole);
    cutBy = (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) ? GetParent(window) : nullptr;
  } else if (TWinControl* parent = control.Parent(); parent && parent->HandleAllocated()) {
    whole = RECT{control.Left(), control.Top(), control.Left() + control.Width(), control.Top() + control.Height()};
    MapWindowPoints(parent->Handle(), nullptr, reinterpret_cast<POINT*>(&whole), 2);
    cutBy = parent->Handle();
  } else {
    return false;
  }
  visible = whole;
  for (HWND up = cutBy; up; up = (GetWindowLongPtrW(up, GWL_STYLE) & WS_CHILD) ? GetParent(up) : nullptr) {
    RECT client{};
    GetClientRect(up, &client);
    MapWindowPoints(up, nullptr, reinterpret_cast<POINT*>(&client), 2);
    if (!IntersectRect(&visible, &visible, &client)) break;  // nothing of it shows
  }
  return true;
}

}  // namespace

void TsCommonData::ShowGlow(bool repeated) {
  TsSkinManager* manager = SkinManager();
  if (!manager || !manager->Effects.AllowGlowing() || !manager->IsValidSkinIndex(SkinIndex)) return;
  const zelvan::store::TsGeneralData& section = manager->gd[static_cast<size_t>(SkinIndex)];
  if (section.GlowCount < 1) return;
  const bool leftDown = FOwnerControl && FOwnerControl->ControlState().Contains(csLButtonDown);
  if (!FMouseAbove || leftDown || (GlowID >= 0 && repeated) || !FOwnerControl || OwnerGone()) return RemoveGlow();
  RemoveGlow();  // one glow per control
  RECT whole{}, visible{};
  if (!ScreenPlace(*FOwnerControl, whole, visible)) return;
  HWND form = nullptr;
  if (auto* windowed = dynamic_cast<TWinControl*>(FOwnerControl); windowed && windowed->HandleAllocated()) {
    form = GetAncestor(windowed->Handle(), GA_ROOT);
  } else if (FOwnerControl->Parent() && FOwnerControl->Parent()->HandleAllocated()) {
    form = GetAncestor(FOwnerControl->Parent()->Handle(), GA_ROOT);
  }
  GlowID = CreateGlow(whole, visible, FSkinSection, manager, form, 255, section.GlowMargin);
}

void TsCommonData::RemoveGlow() {
  if (GlowID >= 0) ::RemoveGlow(GlowID);
  GlowID = -1;
}
