#include "skin/controls/skinned_classes.h"

#include "framework/folder_picker/directory_edit.h"
#include "framework/forms/property_binding.h"
#include "skin/controls/bit_btn.h"
#include "skin/controls/button.h"
#include "skin/controls/directory_edit.h"
#include "skin/controls/edit_classes.h"
#include "skin/controls/group_box.h"
#include "skin/controls/label.h"
#include "skin/controls/list_view.h"
#include "skin/controls/radio_button.h"
#include "skin/controls/scroll_box.h"
#include "skin/controls/shell_tree_view.h"
#include "skin/controls/skin_section_property.h"
#include "skin/controls/speed_button.h"
#include "skin/controls/tree_view.h"
#include "skin/store/skin_manager.h"
#include "skin/window/skin_provider.h"

namespace {

std::string Narrow(const std::wstring& text) { return std::string(text.begin(), text.end()); }

}  // namespace

void RegisterSkinnedControlClasses() {
  TClassRegistry& registry = TClassRegistry::Instance();
  if (registry.IsRegistered(L"TsButton")) return;
  RegisterFolderPickerClasses();
  RegisterSkinnedEditClasses();
  RegisterSkinManagerClass();
  registry.Class<TsLabel>(L"TsLabel", L"TLabel")
      .Property(L"SkinSection", CustomProperty<TsLabel>([](TsLabel& label, const TPropertyValue& v, TLayoutReader&) {
                  label.SetSkinSection(Narrow(ValueAsString(v)));
                }));
  registry.Class<TsButton>(L"TsButton", L"TButton")
      .Property(L"SkinData.SkinSection", SkinSectionProperty<TsButton>())
      .Property(L"ShowFocus", BoolProperty(&TsButton::SetShowFocus));
  registry.Class<TsBitBtn>(L"TsBitBtn", L"TBitBtn")
      .Property(L"SkinData.SkinSection", SkinSectionProperty<TsBitBtn>())
      .Property(L"ShowFocus", BoolProperty(&TsBitBtn::SetShowFocus));
  registry.Class<TsSpeedButton>(L"TsSpeedButton", L"TSpeedButton")
      .Property(L"SkinData.SkinSection", SkinSectionProperty<TsSpeedButton>());
  registry.Class<TsRadioButton>(L"TsRadioButton", L"TRadioButton")
      .Property(L"SkinData.SkinSection", SkinSectionProperty<TsRadioButton>())
      .Property(L"ShowFocus", BoolProperty(&TsRadioButton::SetShowFocus));
  registry.Class<TsGroupBox>(L"TsGroupBox", L"TGroupBox")
      .Property(L"SkinData.SkinSection", SkinSectionProperty<TsGroupBox>());
  registry.Class<TsListView>(L"TsListView", L"TListView")
      .Property(L"SkinData.SkinSection", SkinSectionProperty<TsListView>());
  registry.Class<TsTreeView>(L"TsTreeView", L"TTreeView")
      .Property(L"SkinData.SkinSection", SkinSectionProperty<TsTreeView>());
  registry.Class<TsShellTreeView>(L"TsShellTreeView", L"TShellTreeView")
      .Property(L"SkinData.SkinSection", SkinSectionProperty<TsShellTreeView>());
  registry.Class<TsScrollBox>(L"TsScrollBox", L"TScrollBox")
      .Property(L"SkinData.SkinSection", SkinSectionProperty<TsScrollBox>())
      .Property(L"VertScrollBar.Tracking",
                CustomProperty<TsScrollBox>([](TsScrollBox& box, const TPropertyValue& v, TLayoutReader&) {
                  box.VertScrollBar().Tracking = ValueAsBool(v);
                }));
  registry.Class<TsDirectoryEdit>(L"TsDirectoryEdit", L"TDirectoryEdit")
      .Property(L"SkinData.SkinSection", SkinSectionProperty<TsDirectoryEdit>());
  registry.Class<TsSkinProvider>(L"TsSkinProvider", L"TComponent")
      .Property(L"SkinData.SkinSection", SkinSectionProperty<TsSkinProvider>())
      .Property(L"GripMode", CustomProperty<TsSkinProvider>([](TsSkinProvider& p, const TPropertyValue& v, TLayoutReader&) {
                  p.GripMode = IdentToValue(ValueAsIdent(v), TIdentTable<TGripMode>{{L"gmNone", gmNone},
                                                                                     {L"gmRightBottom", gmRightBottom}});
                }))
      .Property(L"ShowAppIcon", CustomProperty<TsSkinProvider>([](TsSkinProvider& p, const TPropertyValue& v,
                                                                   TLayoutReader&) { p.ShowAppIcon = ValueAsBool(v); }));
}
