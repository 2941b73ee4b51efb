// The framework's classes and published properties, as layouts name them.
#include "framework/application/framework_setup.h"
#include "framework/controls/graphic_control.h"
#include "framework/forms/form.h"
#include "framework/forms/property_binding.h"
#include "framework/graphics/image_list.h"
#include "framework/utils/timer.h"

namespace {

const TIdentTable<TAnchorKind> kAnchors{
    {L"akLeft", akLeft}, {L"akTop", akTop}, {L"akRight", akRight}, {L"akBottom", akBottom}};
const TIdentTable<TFormBorderStyle> kBorderStyles{
    {L"bsNone", bsNone}, {L"bsSingle", bsSingle}, {L"bsSizeable", bsSizeable},
    {L"bsDialog", bsDialog}, {L"bsToolWindow", bsToolWindow}, {L"bsSizeToolWin", bsSizeToolWin}};
const TIdentTable<TBorderIcon> kBorderIcons{
    {L"biSystemMenu", biSystemMenu}, {L"biMinimize", biMinimize}, {L"biMaximize", biMaximize},
    {L"biHelp", biHelp}};
const TIdentTable<TPosition> kPositions{
    {L"poDesigned", poDesigned}, {L"poDefault", poDefault}, {L"poDefaultPosOnly", poDefaultPosOnly},
    {L"poDefaultSizeOnly", poDefaultSizeOnly}, {L"poScreenCenter", poScreenCenter}};

void RegisterControls(TClassRegistry& registry) {
  registry.AbstractClass(L"TComponent", L"")
      .Property(L"Tag", IntegerProperty(&TComponent::SetTag));
  auto control = registry.AbstractClass(L"TControl", L"TComponent");
  AddFontProperties(control, L"Font", [](TComponent& c) -> TFont& { return ComponentAs<TControl>(c).Font(); });
  control
      .Property(L"Left", IntegerProperty(&TControl::SetLeft))
      .Property(L"Top", IntegerProperty(&TControl::SetTop))
      .Property(L"Width", IntegerProperty(&TControl::SetWidth))
      .Property(L"Height", IntegerProperty(&TControl::SetHeight))
      .Property(L"ClientWidth", IntegerProperty(&TControl::SetClientWidth))
      .Property(L"ClientHeight", IntegerProperty(&TControl::SetClientHeight))
      .Property(L"Visible", BoolProperty(&TControl::SetVisible))
      .Property(L"Enabled", BoolProperty(&TControl::SetEnabled))
      .Property(L"Caption", StringProperty(&TControl::SetCaption))
      .Property(L"Text", StringProperty(&TControl::SetText))
      .Property(L"Color", ColorProperty(&TControl::SetColor))
      .Property(L"ParentColor", BoolProperty(&TControl::SetParentColor))
      .Property(L"ParentFont", BoolProperty(&TControl::SetParentFont))
      .Property(L"Anchors", SetProperty(&TControl::SetAnchors, kAnchors))
      .Property(L"OnClick", EventProperty(&TControl::OnClick))
      .Property(L"OnDblClick", EventProperty(&TControl::OnDblClick))
      .Property(L"OnMouseEnter", EventProperty(&TControl::OnMouseEnter))
      .Property(L"OnMouseLeave", EventProperty(&TControl::OnMouseLeave))
      .Property(L"OnMouseDown", EventProperty(&TControl::OnMouseDown))
      .Property(L"OnMouseUp", EventProperty(&TControl::OnMouseUp))
      .Property(L"OnMouseMove", EventProperty(&TControl::OnMouseMove));
  registry.AbstractClass(L"TWinControl", L"TControl")
      .Property(L"TabOrder", IntegerProperty(&TWinControl::SetTabOrder))
      .Property(L"TabStop", BoolProperty(&TWinControl::SetTabStop))
      .Property(L"OnEnter", EventProperty(&TWinControl::OnEnter))
      .Property(L"OnExit", EventProperty(&TWinControl::OnExit))
      .Property(L"OnKeyDown", EventProperty(&TWinControl::OnKeyDown))
      .Property(L"OnKeyUp", EventProperty(&TWinControl::OnKeyUp))
      .Property(L"OnKeyPress", EventProperty(&TWinControl::OnKeyPress));
  registry.AbstractClass(L"TGraphicControl", L"TControl")
      .Property(L"OnPaint", EventProperty(&TGraphicControl::OnPaint));
}

void RegisterForms(TClassRegistry& registry) {
  registry.AbstractClass(L"TCustomForm", L"TWinControl")
      .Property(L"BorderStyle", EnumProperty(&TCustomForm::SetBorderStyle, kBorderStyles))
      .Property(L"BorderIcons", SetProperty(&TCustomForm::SetBorderIcons, kBorderIcons))
      .Property(L"Position", EnumProperty(&TCustomForm::SetPosition, kPositions))
      .Property(L"ActiveControl", ComponentProperty(&TCustomForm::SetActiveControl))
      .Property(L"OnCreate", EventProperty(&TCustomForm::OnCreate))
      .Property(L"OnShow", EventProperty(&TCustomForm::OnShow))
      .Property(L"OnHide", EventProperty(&TCustomForm::OnHide))
      .Property(L"OnPaint", EventProperty(&TCustomForm::OnPaint))
      .Property(L"OnActivate", EventProperty(&TCustomForm::OnActivate))
      .Property(L"OnDeactivate", EventProperty(&TCustomForm::OnDeactivate))
      .Property(L"OnDestroy", EventProperty(&TCustomForm::OnDestroy))
      .Property(L"OnClose", EventProperty(&TCustomForm::OnClose))
      .Property(L"OnCloseQuery", EventProperty(&TCustomForm::OnCloseQuery));
  registry.Class<TForm>(L"TForm", L"TCustomForm");
}

void RegisterUtilities(TClassRegistry& registry) {
  registry.Class<TTimer>(L"TTimer", L"TComponent")
      .Property(L"Interval", IntegerProperty(&TTimer::SetInterval))
      .Property(L"Enabled", BoolProperty(&TTimer::SetEnabled))
      .Property(L"OnTimer", EventProperty(&TTimer::OnTimer));
  registry.Class<TImageList>(L"TImageList", L"TComponent")
      .Property(L"Width", IntegerProperty(&TImageList::SetWidth))
      .Property(L"Height", IntegerProperty(&TImageList::SetHeight));
}

}  // namespace

void RegisterFrameworkClasses() {
  TClassRegistry& registry = TClassRegistry::Instance();
  RegisterControls(registry);
  RegisterForms(registry);
  RegisterUtilities(registry);
}
