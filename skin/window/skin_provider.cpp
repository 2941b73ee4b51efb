// TsSkinProvider: life, properties, metrics and skin commands.
#include "skin/window/skin_provider.h"

#include "skin/window/caption_animation.h"
#include "skin/window/system_menu.h"

#include <algorithm>

#include "core/paint/extended_frame.h"
#include "core/paint/system_colors.h"
#include "framework/forms/custom_form.h"
#include "framework/system/exception.h"
#include "skin/core/skin_broadcast.h"
#include "skin/core/window_animation.h"
#include "skin/store/skin_manager.h"
#include "skin/store/skin_preview.h"
#include "skin/window/border_form.h"
#include "skin/window/ctrl_adapter.h"
#include "skin/window/title_bar.h"

TsSkinProvider* SkinProviderOf(TCustomForm* form) { return dynamic_cast<TsSkinProvider*>(ProviderOf(form)); }

namespace {

TCustomForm* OwnerForm(TComponent* owner) {
  auto* form = dynamic_cast<TCustomForm*>(owner);
  if (!form) throw Exception(L"TsSkinProvider component may be used with forms only!");
  return form;
}

LONG_PTR Style(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }

}  // namespace

TsSkinProvider::TsSkinProvider(TComponent* owner)
    : TComponent(OwnerForm(owner)),
      SkinData(this, true),
      AddedTitle([this] { TitleChanged(); }),
      TitleIcon([this] { TitleChanged(); }),
      TitleButtons([this] { TitleChanged(); }),
      FForm(static_cast<TCustomForm*>(owner)) {
  SkinData.ProviderForm = FForm;
  SkinData.COC = 224;
  SkinData.SetSkinSection("FORM");
  PreviewProviderCreated();
  // Asked through the hook chain, so a form without a window answers too.
  const LRESULT answer = FForm->Perform(SKM_COMMAND, SkinCommandWParam(SKC_GET_PROVIDER), 0);
  if (auto* existing = reinterpret_cast<TacProviderLink*>(answer)) {
    auto* automatic = dynamic_cast<TsSkinProvider*>(existing);
    if (!automatic || !automatic->RTInit) {
      RTEmpty = true;  // the form keeps the provider it has
      return;
    }
    delete automatic;
  }
  Hook();
  SkinnedFormList().Add(FForm);
  SetSkinManager(nullptr);
}

TsSkinProvider* TsSkinProvider::CreateRT(TCustomForm* form) {
  auto* provider = new TsSkinProvider(form);
  provider->RTInit = true;
  return provider;
}

TsSkinProvider::~TsSkinProvider() {
  Destroying();
  if (RTEmpty) return;
  SkinnedFormList().Remove(FForm);
  FBorderForm.reset();
  // Item fades tick with this provider: they end before it goes.
  if (TsTitleBar* bar = TitleBarOf(FForm)) {
    for (int i = 0; i < bar->Count(); ++i) bar->Items(i)->Data.Timer.reset();
  }
  // Wrappers hooked through the form go before the form's chain loses this hook.
  FAdapter.reset();
  Unhook();
  RestoreForm();
}

void TsSkinProvider::Hook() {
  FHookToken = FForm->AddWindowHook([this](TMessage& message, const TWndMethod& next) { WndProc(message, next); });
  FHooked = true;
}

void TsSkinProvider::Unhook() {
  if (!FHooked) return;
  FForm->RemoveWindowHook(FHookToken);
  FHooked = false;
}

// The window gets back what skinning took: its system-menu style, its whole
// rectangle, and a frame painted by the platform.
void TsSkinProvider::RestoreForm() {
  if (!FForm->HandleAllocated() || FForm->ComponentState().Contains(csDestroying)) return;
  HWND window = FForm->Handle();
  if (!IsWindow(window)) return;
  SetSysMenuStyle(true);
  SetWindowRgn(window, nullptr, FALSE);
  FRgnApplied = false;
  SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

bool TsSkinProvider::Gone() const {
  return ComponentState().Contains(csDestroying) || FForm->ComponentState().Contains(csDestroying);
}

bool TsSkinProvider::Skinned() const {
  if (RTEmpty || Gone() || !FForm->HandleAllocated()) return false;
  return SkinData.Skinned(true);
}

void TsSkinProvider::SetSysSubMenuPopup(TPopupMenu* menu) {
  if (menu == SysSubMenu.PopupMenu) return;
  if (SysSubMenu.PopupMenu) SysSubMenu.PopupMenu->RemoveFreeNotification(this);
  SysSubMenu.PopupMenu = menu;
  if (menu) menu->FreeNotification(this);
}

void TsSkinProvider::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == SysSubMenu.PopupMenu) SysSubMenu.PopupMenu = nullptr;
}

void TsSkinProvider::TitleChanged() {
  FGlow1 = {};
  FGlow2 = {};
  SkinData.BGChanged = true;
  if (Skinned()) PaintNC();
}

bool TsSkinProvider::RightToLeft() const {
  return FForm->HandleAllocated() && (GetWindowLongPtrW(FForm->Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
}

bool TsSkinProvider::HasCache() const { return SkinData.CacheBmp() && !SkinData.CacheBmp()->Empty(); }

bool TsSkinProvider::FormHasSysMenu() const {
  return FForm->BorderStyle() != bsNone && FForm->BorderIcons().Contains(biSystemMenu);
}

// The platform would draw and hit-test caption buttons of its own with the style.
void TsSkinProvider::SetSysMenuStyle(bool present) {
  if (!FForm->HandleAllocated()) return;
  HWND window = FForm->Handle();
  const LONG_PTR style = Style(window);
  const LONG_PTR wanted = present && FormHasSysMenu() ? style | WS_SYSMENU : style & ~static_cast<LONG_PTR>(WS_SYSMENU);
  if (wanted != style) SetWindowLongPtrW(window, GWL_STYLE, wanted);
}

void TsSkinProvider::PrepareForm() {
  if (RTEmpty || !FForm->HandleAllocated()) return;
  TsSkinManager* manager = SkinData.SkinManager();
  if (!manager || !manager->Active() || manager->SkinRemoving) return;
  SkinData.Loaded();
  FPrepared = true;
  ForbidCompositorTransitions(FForm->Handle(), FDrawNonClientArea);
  FTitleIndex = FCaptionIndex = -2;
  if (FDrawNonClientArea) SetSysMenuStyle(false);
  RgnChanged = true;
  SkinData.BGChanged = true;
  if (UseGlobalColor && !SkinData.CustomColor()) FForm->SetColor(static_cast<TColor>(manager->GetGlobalColor()));
  AttachAdapter();
}

void TsSkinProvider::AttachAdapter() {
  TsSkinManager* manager = SkinData.SkinManager();
  if (!manager || !Skinned()) return;
  if (!FAdapter) FAdapter = std::make_unique<TacCtrlAdapter>(FForm, manager);
  FAdapter->AddAllItems();
}

void TsSkinProvider::SetSkinManager(TsSkinManager* manager) {
  SkinData.SetSkinManager(manager);
  if (RTEmpty || !FForm->HandleAllocated()) return;
  FAdapter.reset();
  PrepareForm();
  if (!Skinned()) return;
  SetWindowPos(FForm->Handle(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  RedrawWindow(FForm->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TsSkinProvider::SetDrawNonClientArea(bool value) {
  if (value == FDrawNonClientArea) return;
  FDrawNonClientArea = value;
  if (RTEmpty || !FForm->HandleAllocated()) return;
  if (value) {
    SetSysMenuStyle(false);
    RgnChanged = true;
    SkinData.BGChanged = true;
    if (Skinned()) RedrawWindow(FForm->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
  } else {
    SetSysMenuStyle(true);
    SetWindowRgn(FForm->Handle(), nullptr, TRUE);
    FRgnApplied = false;
    RedrawWindow(FForm->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
  }
}

// ---------------------------------------------------------------- metrics

TsSkinProvider::TWindowFacts TsSkinProvider::ReadFacts() const {
  TWindowFacts facts;
  HWND window = FForm->Handle();
  GetWindowRect(window, &facts.Bounds);
  GetClientRect(window, &facts.Client);
  POINT origin{0, 0};
  ClientToScreen(window, &origin);
  OffsetRect(&facts.Client, origin.x - facts.Bounds.left, origin.y - facts.Bounds.top);
  facts.Style = Style(window);
  facts.ExStyle = GetWindowLongPtrW(window, GWL_EXSTYLE);
  return facts;
}

const TsSkinProvider::TWindowFacts& TsSkinProvider::Facts() const {
  if (FFactsDepth == 0) FFacts = ReadFacts();
  return FFacts;
}

TsSkinProvider::TFactsScope::TFactsScope(const TsSkinProvider& provider) : FProvider(provider) {
  if (FProvider.FFactsDepth++ == 0) FProvider.FFacts = FProvider.ReadFacts();
}

TsSkinProvider::TFactsScope::~TFactsScope() { --FProvider.FFactsDepth; }

// Kept until the settings change: the platform's call is slow under Wine.
int TsSkinProvider::SystemMetric(int index) const {
  for (const auto& [key, value] : FMetrics) {
    if (key == index) return value;
  }
  const int value = GetSystemMetrics(index);
  FMetrics.emplace_back(index, value);
  return value;
}

RECT TsSkinProvider::ClientInWindow() const { return Facts().Client; }

bool TsSkinProvider::ExBorders() const {
  if (!AllowExtBorders || !FDrawNonClientArea || RTEmpty || Gone() || !FForm->HandleAllocated()) return false;
  const TsSkinManager* manager = SkinData.SkinManager();
  if (!manager || !manager->Active() || !manager->SkinData || !manager->ExtendedBordersInEffect()) return false;
  const TWindowFacts& f = Facts();
  // A minimised form keeps the ordinary frame; a child form has no window of its own to grow.
  if (f.Iconic() || (f.Style & WS_CHILD) || FForm->Parent() || FForm->BorderStyle() == bsNone) return false;
  return (f.Style & WS_CAPTION) == WS_CAPTION && SkinData.Skinned(true);
}

POINT TsSkinProvider::CacheOrigin() const {
  if (!ExBorders()) return POINT{0, 0};
  const RECT& client = Facts().Client;
  const zelvan::store::TsSkinData& info = *SkinData.SkinManager()->SkinData;
  const int title = zelvan::paint::ExtendedTitleHeight(info.ExTitleHeight, info.ExMaxHeight, Facts().Zoomed());
  return POINT{client.left - info.ExBorderWidth, client.top - MenuHeight() - title};
}

RECT TsSkinProvider::ClientInCache() const {
  RECT client = Facts().Client;
  const POINT origin = CacheOrigin();
  OffsetRect(&client, -origin.x, -origin.y);
  return client;
}

POINT TsSkinProvider::ScreenToCache(POINT screen) const {
  const POINT origin = CacheOrigin();
  const RECT& bounds = Facts().Bounds;
  return POINT{screen.x - bounds.left - origin.x, screen.y - bounds.top - origin.y};
}

POINT TsSkinProvider::CacheToScreen(POINT frame) const {
  const POINT origin = CacheOrigin();
  const RECT& bounds = Facts().Bounds;
  return POINT{frame.x + bounds.left + origin.x, frame.y + bounds.top + origin.y};
}

int TsSkinProvider::CaptionWidth() const {
  if (!ExBorders()) return Facts().Width();
  const RECT& client = Facts().Client;
  return client.right - client.left + 2 * FrameWidth();
}

int TsSkinProvider::CacheHeight() const {
  if (!ExBorders()) return Facts().Height();
  return ClientInCache().bottom + FrameWidth();
}

bool TsSkinProvider::HasSkinnedFrame() const { return FForm->BorderStyle() != bsNone || (Facts().Style & WS_CHILD); }

bool TsSkinProvider::HasCaption() const { return (Facts().Style & WS_CAPTION) == WS_CAPTION; }

bool TsSkinProvider::IsSizeable() const {
  const TWindowFacts& f = Facts();
  return (f.Style & WS_THICKFRAME) && !f.Zoomed() && !f.Iconic();
}

// Measured from the window's rectangles, which include any padding the
// platform adds to the metric; the metric serves while minimised.
int TsSkinProvider::FrameWidth() const {
  if (ExBorders()) return SkinData.SkinManager()->SkinData->ExBorderWidth;
  return PlatformFrameWidth();
}

int TsSkinProvider::PlatformFrameWidth() const {
  const TWindowFacts& f = Facts();
  const bool thick = f.Style & WS_THICKFRAME;
  const bool thin = (f.Style & (WS_BORDER | WS_DLGFRAME)) != 0;
  if (!thick && !thin) return 0;
  if (!f.Iconic()) return std::max(0, static_cast<int>(f.Client.left));
  return SystemMetric(thick ? SM_CXFRAME : SM_CXDLGFRAME);
}

// With extended borders the title band takes the top edge in.
int TsSkinProvider::FrameHeight() const { return ExBorders() ? 0 : FrameWidth(); }

int TsSkinProvider::CaptionMetric() const {
  const TWindowFacts& f = Facts();
  const bool tool = f.ExStyle & WS_EX_TOOLWINDOW;
  return SystemMetric(tool && !f.Iconic() ? SM_CYSMCAPTION : SM_CYCAPTION);
}

int TsSkinProvider::CaptionHeight() const {
  if (!HasCaption() && !Facts().Iconic()) return 0;
  if (ExBorders()) {
    const zelvan::store::TsSkinData& info = *SkinData.SkinManager()->SkinData;
    return zelvan::paint::ExtendedTitleHeight(info.ExTitleHeight, info.ExMaxHeight, Facts().Zoomed());
  }
  return CaptionMetric();
}

int TsSkinProvider::HeaderHeight() const {
  if (Facts().Iconic()) return CaptionHeight() + FrameHeight();
  return std::max(0, static_cast<int>(ClientInCache().top));
}

int TsSkinProvider::OffsetX() const { return std::max(0, static_cast<int>(ClientInCache().left)); }
int TsSkinProvider::OffsetY() const { return std::max(0, static_cast<int>(ClientInCache().top)); }

zelvan::paint::TColor TsSkinProvider::FormColor() const { return zelvan::paint::ColorToRGB(FForm->Color()); }

int TsSkinProvider::TitleSkinIndex() {
  if (FTitleIndex == -2) {
    TsSkinManager* manager = SkinData.SkinManager();
    FTitleIndex = manager ? manager->GetSkinIndex(TitleSkin.empty() ? "FORMTITLE" : TitleSkin) : -1;
  }
  return FTitleIndex;
}

int TsSkinProvider::CaptionSkinIndex() {
  if (FCaptionIndex == -2) {
    TsSkinManager* manager = SkinData.SkinManager();
    FCaptionIndex = manager ? manager->GetSkinIndex("CAPTION") : -1;
  }
  return FCaptionIndex;
}

// ---------------------------------------------------------------- skin commands

void TsSkinProvider::ToldChildren(uint16_t code, LPARAM lParam) {
  for (int i = 0; i < FForm->ControlCount(); ++i) {
    TControl* child = FForm->Controls(i);
    if (!child->ComponentState().Contains(csDestroying)) PerformSkinCommand(child, code, lParam);
  }
}

// Manager broadcasts reach the children from the broadcaster itself, so they
// are not passed on from here.
bool TsSkinProvider::SkinCommand(TMessage& message) {
  const uint16_t code = SkinCommandCode(message.WParam);
  if (code == SKC_GET_PROVIDER) {
    message.Result = reinterpret_cast<LRESULT>(static_cast<TacProviderLink*>(this));
    return true;
  }
  if (Gone()) {
    if (code == SKC_IS_SKINNED) message.Result = 1;
    return true;
  }
  const bool own = message.LParam == reinterpret_cast<LPARAM>(SkinData.SkinManager());
  switch (code) {
    case SKC_SKIN_LOADED:
      if (own) SkinLoaded();
      return true;
    case SKC_SKIN_REMOVED:
      if (own) SkinRemoved();
      return true;
    case SKC_REFRESH:
      if (own) Refresh();
      return true;
    case SKC_GET_BG_INFO: {
      auto* request = reinterpret_cast<TBgRequest*>(message.LParam);
      if (!request) return true;
      if (SkinData.BGChanged || !HasCache()) UpdateCache();
      // The cache is the whole window; children ask in client coordinates.
      const int dx = OffsetX(), dy = OffsetY();
      if (request->PaintToDC) request->X += dx, request->Y += dy;
      SkinData.AnswerBgRequest(*request, 0, nullptr);
      if (!request->PaintToDC && request->Kind == bgBitmap) request->X += dx, request->Y += dy;
      return true;
    }
    case SKC_GET_CLIENT_OFFSET:
      message.Result = static_cast<LRESULT>((OffsetX() & 0xFFFF) | ((OffsetY() & 0xFFFF) << 16));
      return true;
    case SKC_TITLE_CHANGED:
      TitleChanged();
      return true;
    case SKC_ADD_CHILDREN:
      if (FAdapter) {
        auto* control = dynamic_cast<TWinControl*>(reinterpret_cast<TComponent*>(message.LParam));
        control ? FAdapter->AddNewItem(control) : FAdapter->AddAllItems();
      }
      return true;
    case SKC_MOVE_NEEDS_REPAINT:
      message.Result = PlainBackground() ? 0 : 1;
      return true;
    case SKC_END_UPDATE:
    case SKC_BEFORE_SCROLL:
    case SKC_AFTER_SCROLL:
      return true;
    default:
      return SkinData.CommandHandler(message);
  }
}

void TsSkinProvider::SkinLoaded() {
  SkinData.UpdateIndexes();
  FTitleIndex = FCaptionIndex = -2;
  if (!FForm->HandleAllocated()) return;
  if (!FPrepared) {
    PrepareForm();
  } else {
    SetSysMenuStyle(!FDrawNonClientArea);
  }
  SkinData.BGChanged = true;
  RgnChanged = true;
  if (IsWindowVisible(FForm->Handle()) && !FormsLocked) PaintNC();
}

void TsSkinProvider::SkinRemoved() {
  TMessage common{SKM_COMMAND, SkinCommandWParam(SKC_SKIN_REMOVED),
                  reinterpret_cast<LPARAM>(SkinData.SkinManager()), 0};
  SkinData.CommandHandler(common);
  FTitleIndex = FCaptionIndex = -2;
  FGlow1 = {};
  FGlow2 = {};
  FAdapter.reset();
  FPrepared = false;
  if (FForm->HandleAllocated()) ForbidCompositorTransitions(FForm->Handle(), false);
  if (UseGlobalColor && !SkinData.CustomColor()) FForm->SetColor(clBtnFace);
  RestoreForm();
  SkinData.ClearCache();
}

void TsSkinProvider::Refresh() {
  AttachAdapter();
  RgnChanged = true;
  if (!FForm->HandleAllocated() || !IsWindowVisible(FForm->Handle())) {
    SkinData.SetUpdating(false);
    return;
  }
  SkinData.BGChanged = true;
  if (!FormsLocked) {
    RedrawWindow(FForm->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
  SkinData.SetUpdating(false);
}
