#include "skin/controls/edit_classes.h"

#include "framework/forms/property_binding.h"
#include "skin/controls/edit.h"
#include "skin/controls/mask_edit.h"
#include "skin/controls/skin_section_property.h"
#include "skin/controls/spin_edit.h"

namespace {

const TIdentTable<TAlignment> kAlignments{
    {L"taLeftJustify", taLeftJustify}, {L"taRightJustify", taRightJustify}, {L"taCenter", taCenter}};

}  // namespace

void RegisterSkinnedEditClasses() {
  TClassRegistry& registry = TClassRegistry::Instance();
  if (registry.IsRegistered(L"TsEdit")) return;
  registry.Class<TsEdit>(L"TsEdit", L"TEdit").Property(L"SkinData.SkinSection", SkinSectionProperty<TsEdit>());
  registry.Class<TsMaskEdit>(L"TsMaskEdit", L"TMaskEdit")
      .Property(L"SkinData.SkinSection", SkinSectionProperty<TsMaskEdit>());
  registry.Class<TsSpinEdit>(L"TsSpinEdit", L"TSpinEdit")
      .Property(L"SkinData.SkinSection", SkinSectionProperty<TsSpinEdit>())
      .Property(L"Alignment", EnumProperty(&TsBaseSpinEdit::SetAlignment, kAlignments))
      .Property(L"AllowNegative", BoolProperty(&TsBaseSpinEdit::SetAllowNegative))
      .Property(L"ShowSpinButtons", BoolProperty(&TsBaseSpinEdit::SetShowSpinButtons));
}
