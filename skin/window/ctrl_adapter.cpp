#include "skin/window/ctrl_adapter.h"

#include <algorithm>

#include "core/store/control_kinds.h"
#include "core/store/wrapper_tables.h"
#include "framework/forms/custom_form.h"
#include "framework/stdctrls/button.h"
#include "framework/stdctrls/label.h"
#include "framework/stdctrls/panel.h"
#include "skin/core/common_data.h"
#include "skin/core/skin_messages.h"
#include "skin/store/skin_manager.h"
#include "skin/window/btn_wnd.h"
#include "skin/window/check_box_wnd.h"
#include "skin/window/edit_wnd.h"
#include "skin/window/sb_wnd.h"
#include "skin/window/static_wnds.h"

using zelvan::store::TWrapperKind;

namespace {

constexpr intptr_t kNeverWrapped = -98;
constexpr intptr_t kKeepsItsColours = 98;
bool Scanning = false;
bool TearingDown = false;

bool AnswersSkinned(TWinControl* control) {
  return control->HandleAllocated() && (SendSkinCommand(control->Handle(), SKC_IS_SKINNED) & 0xFF) != 0;
}

// The list index naming the class, -1 for none.
int ListOf(TsSkinManager* manager, const std::wstring& className) {
  for (size_t i = 0; i < manager->ThirdLists.size(); ++i) {
    if (manager->ThirdLists[i].IndexOf(className) >= 0) return static_cast<int>(i);
  }
  return -1;
}

// A panel's section from its bevels.
std::string PanelSectionOf(TWinControl* control) {
  const auto* panel = dynamic_cast<TPanel*>(control);
  if (!panel) return "PANEL";
  const auto bevel = [](TBevelCut cut) {
    return cut == TBevelCut::bvLowered  ? zelvan::store::TPanelBevel::bvLowered
           : cut == TBevelCut::bvRaised ? zelvan::store::TPanelBevel::bvRaised
                                        : zelvan::store::TPanelBevel::bvNone;
  };
  return zelvan::store::PanelSection(bevel(panel->BevelOuter()), bevel(panel->BevelInner()), false);
}

// The framework's plain label (the skinned label classes are not wrapped).
bool IsPlainLabel(const TControl* control) { return control && control->ClassName() == L"TLabel"; }

}  // namespace

// ---------------------------------------------------------------- item

TacAdapterItem::TacAdapterItem(TacCtrlAdapter* adapter, TWinControl* control)
    : WinCtrl(control), SkinData(std::make_unique<TsCommonData>(nullptr, true)), Adapter(adapter) {
  SkinData->COC = 227;
  SkinData->SetSkinManager(adapter->Manager());
}

TacAdapterItem::~TacAdapterItem() { ScrollWnd.reset(); }

void TacAdapterItem::DoHook() {
  if (!WinCtrl || WinCtrl->Tag() == kNeverWrapped || !WinCtrl->HandleAllocated() || !WinCtrl->Parent() ||
      AnswersSkinned(WinCtrl)) {
    return;
  }
  SkinData->SetOwner(WinCtrl);
  TsSkinManager* manager = SkinData->SkinManager();
  const int list = ListOf(manager, WinCtrl->ClassName());
  const zelvan::store::TWrapperChoice choice = zelvan::store::WrapperOfList(list);
  std::string section = SkinData->SkinSection();
  if (section.empty()) section = choice.Section;
  HWND window = WinCtrl->Handle();
  TacMainWnd* wrapper = nullptr;
  switch (choice.Kind) {
    case TWrapperKind::Button:
    case TWrapperKind::BitBtn:
      wrapper = Wrap<TacButtonWnd>(window, SkinData.get(), manager, section, true, dynamic_cast<TButton*>(WinCtrl));
      break;
    case TWrapperKind::CheckBox:
      wrapper = Wrap<TacCheckBoxWnd>(window, SkinData.get(), manager, section, true);
      break;
    case TWrapperKind::GroupBox:
      wrapper = Wrap<TacGroupBoxWnd>(window, SkinData.get(), manager, section, true);
      break;
    case TWrapperKind::Panel:
      if (section.empty()) section = PanelSectionOf(WinCtrl);
      wrapper = Wrap<TacPanelWnd>(window, SkinData.get(), manager, section, true);
      break;
    case TWrapperKind::PageControl:
      wrapper = Wrap<TacPageControlWnd>(window, SkinData.get(), manager, section, true);
      break;
    case TWrapperKind::TabControl:
      wrapper = Wrap<TacTabControlWnd>(window, SkinData.get(), manager, section, true);
      break;
    case TWrapperKind::ToolBarVCL:
      wrapper = Wrap<TacToolBarVCLWnd>(window, SkinData.get(), manager, section, true);
      break;
    case TWrapperKind::StatusBar:
      wrapper = Wrap<TacStatusBarWnd>(window, SkinData.get(), manager, section, true);
      break;
    case TWrapperKind::Spin:
      wrapper = Wrap<TacSpinWnd>(window, SkinData.get(), manager, section, true);
      break;
    case TWrapperKind::Edit:
    case TWrapperKind::Grid:
    case TWrapperKind::GridEh:
      wrapper = Wrap<TacEditWnd>(window, SkinData.get(), manager, section, true);
      break;
    case TWrapperKind::ListView:
      wrapper = Wrap<TacListViewWnd>(window, SkinData.get(), manager, section, true);
      break;
    case TWrapperKind::TreeView:
    case TWrapperKind::VirtualTreeView:
      wrapper = Wrap<TacTreeViewWnd>(window, SkinData.get(), manager, section, true);
      break;
    case TWrapperKind::ScrollBar:
      wrapper = Wrap<TacSBWnd>(window, SkinData.get(), manager, section, true);
      break;
    default:
      return;  // combo boxes and the rest are not painted by this engine
  }
  ScrollWnd.reset(wrapper);
}

// ---------------------------------------------------------------- adapter

TacCtrlAdapter::TacCtrlAdapter(TCustomForm* form, TsSkinManager* manager) : FForm(form), FManager(manager) {}

TacCtrlAdapter::~TacCtrlAdapter() {
  CleanItems();
  RemoveAllItems();
  RestoreLabels();
}

bool TacCtrlAdapter::Offer(TControl* control, std::string& section) {
  bool canBeAdded = true;
  if (OnSkinItem) OnSkinItem(control, canBeAdded, section);
  return canBeAdded;
}

bool TacCtrlAdapter::IsControlSupported(TComponent* component) {
  if (!component || component->Tag() == kNeverWrapped) return false;
  auto* windowed = dynamic_cast<TWinControl*>(component);
  if (windowed && !windowed->HandleAllocated()) return false;
  if (windowed && AnswersSkinned(windowed)) return false;
  if (auto* control = dynamic_cast<TControl*>(component); control && !windowed && IsPlainLabel(control)) {
    std::string section;
    return Offer(control, section);
  }
  return FManager && ListOf(FManager, component->ClassName()) >= 0;
}

int TacCtrlAdapter::IndexOf(const TWinControl* control) const {
  for (size_t i = 0; i < FItems.size(); ++i) {
    if (FItems[i]->WinCtrl == control) return static_cast<int>(i);
  }
  return -1;
}

TacAdapterItem* TacCtrlAdapter::GetItem(int index) const {
  return index >= 0 && index < Count() ? FItems[static_cast<size_t>(index)].get() : nullptr;
}

void TacCtrlAdapter::RemoveItem(int index) {
  if (index < 0 || index >= Count()) return;
  FItems[static_cast<size_t>(index)] = std::move(FItems.back());
  FItems.pop_back();
}

void TacCtrlAdapter::CleanItems() {
  std::erase_if(FItems, [](const std::unique_ptr<TacAdapterItem>& item) {
    return !item->ScrollWnd || item->ScrollWnd->Destroyed;
  });
}

void TacCtrlAdapter::RemoveAllItems() {
  if (TearingDown) return;
  TearingDown = true;
  while (!FItems.empty()) FItems.pop_back();  // the last first
  TearingDown = false;
}

void TacCtrlAdapter::TakeLabel(TControl* label) {
  if (!FManager || !FManager->Active()) return;
  label->ControlStyle().Exclude(csOpaque);
  const auto found = std::find_if(FLabels.begin(), FLabels.end(), [label](const TLabelColor& l) { return l.Label == label; });
  if (found == FLabels.end()) FLabels.push_back({label, label->Font().Color()});
  label->Font().SetColor(FManager->GetGlobalFontColor());
}

namespace {

// Whether control is still one of container's (by address only: a freed
// label must not be touched to find out).
bool Holds(TWinControl* container, const TControl* control) {
  for (int i = 0; i < container->ComponentCount(); ++i) {
    if (container->Components(i) == control) return true;
  }
  for (int i = 0; i < container->ControlCount(); ++i) {
    TControl* child = container->Controls(i);
    if (child == control) return true;
    if (auto* inner = dynamic_cast<TWinControl*>(child); inner && Holds(inner, control)) return true;
  }
  return false;
}

}  // namespace

void TacCtrlAdapter::RestoreLabels() {
  for (const TLabelColor& entry : FLabels) {
    if (FForm && Holds(FForm, entry.Label)) entry.Label->Font().SetColor(entry.Color);
  }
  FLabels.clear();
}

void TacCtrlAdapter::ScanChild(TComponent* component, bool ownedScan) {
  auto* control = dynamic_cast<TControl*>(component);
  if (IsControlSupported(component)) {
    if (auto* windowed = dynamic_cast<TWinControl*>(component)) {
      AddNewItem(windowed, "");
    } else if (IsPlainLabel(control) && (!ownedScan || component->Tag() != kKeepsItsColours)) {
      TakeLabel(control);
    }
  }
  auto* windowed = dynamic_cast<TWinControl*>(component);
  if (windowed && windowed->HandleAllocated() && windowed->Parent()) {
    const bool outer = Scanning;
    Scanning = false;
    AddAllItems(windowed);
    Scanning = outer;
  }
}

void TacCtrlAdapter::AddAllItems(TWinControl* owner) {
  if (Scanning || !FManager || !FManager->SkinningRules().Contains(srThirdParty)) return;
  Scanning = true;
  struct Clear {
    ~Clear() { Scanning = false; }
  } clear;
  if (!owner) owner = FForm;
  if (!owner) return;
  CleanItems();
  for (int i = 0; i < owner->ComponentCount(); ++i) ScanChild(owner->Components(i), true);
  for (int i = 0; i < owner->ControlCount(); ++i) {
    TControl* child = owner->Controls(i);
    if (child->Owner() == owner) continue;  // seen among the components
    ScanChild(child, false);
  }
}

void TacCtrlAdapter::AddNewItem(TWinControl* control, const std::string& section) {
  if (!control || control->Tag() == kNeverWrapped || !control->Parent() || AnswersSkinned(control)) return;
  std::string chosen = section;
  if (!Offer(control, chosen)) return;
  int index = IndexOf(control);
  const bool isNew = index < 0;
  if (isNew) {
    FItems.push_back(std::make_unique<TacAdapterItem>(this, control));
    index = Count() - 1;
  }
  TacAdapterItem* item = GetItem(index);
  if (!chosen.empty()) item->SkinData->SetSkinSection(chosen);
  if (!isNew) {
    if (item->ScrollWnd && item->ScrollWnd->Destroyed) {
      item->ScrollWnd.reset();
      if (control->Parent()) item->DoHook();
    }
    return;
  }
  item->DoHook();
  if (!item->ScrollWnd) RemoveItem(index);
}

void TacCtrlAdapter::WndProc(TMessage& message) {
  for (const auto& item : FItems) {
    if (!item->ScrollWnd || item->ScrollWnd->Destroyed || !item->WinCtrl->Parent()) continue;
    SendMessageW(item->ScrollWnd->CtrlHandle, message.Msg, message.WParam, message.LParam);
  }
}
