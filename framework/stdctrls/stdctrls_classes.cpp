// The ordinary controls' classes and published properties, as layouts name them.
#include "framework/application/framework_setup.h"
#include "framework/forms/property_binding.h"
#include "framework/stdctrls/bit_btn.h"
#include "framework/stdctrls/button.h"
#include "framework/stdctrls/check_box.h"
#include "framework/stdctrls/combo_edit.h"
#include "framework/stdctrls/group_box.h"
#include "framework/stdctrls/label.h"
#include "framework/stdctrls/list_view.h"
#include "framework/stdctrls/mask_edit.h"
#include "framework/stdctrls/panel.h"
#include "framework/stdctrls/radio_button.h"
#include "framework/stdctrls/scroll_box.h"
#include "framework/stdctrls/speed_button.h"
#include "framework/stdctrls/spin_edit.h"
#include "framework/stdctrls/tree_view.h"
#include "framework/graphics/image_list.h"
#include "framework/utils/memory_stream.h"

namespace {

const TIdentTable<TAlignment> kAlignments{
    {L"taLeftJustify", taLeftJustify}, {L"taRightJustify", taRightJustify}, {L"taCenter", taCenter}};
const TIdentTable<TTextLayout> kTextLayouts{
    {L"tlTop", tlTop}, {L"tlCenter", tlCenter}, {L"tlBottom", tlBottom}};
const TIdentTable<TBorderStyle> kEditBorders{{L"bsNone", bsNoBorder}, {L"bsSingle", bsSingleBorder}};
const TIdentTable<TBevelCut> kBevels{{L"bvNone", bvNone}, {L"bvLowered", bvLowered}, {L"bvRaised", bvRaised}};
const TIdentTable<TCheckBoxState> kCheckStates{
    {L"cbUnchecked", cbUnchecked}, {L"cbChecked", cbChecked}, {L"cbGrayed", cbGrayed}};

const TIdentTable<TViewStyle> kViewStyles{
    {L"vsIcon", vsIcon}, {L"vsSmallIcon", vsSmallIcon}, {L"vsList", vsList}, {L"vsReport", vsReport}};

// "Columns": one property list (Caption, Width) per column.
TPropertySetter ColumnsProperty() {
  return CustomProperty<TListView>([](TListView& view, const TPropertyValue& v, TLayoutReader&) {
    const auto* items = std::get_if<TItemsValue>(&v);
    if (!items) throw EReadError(L"Columns must be a collection");
    view.Columns().Clear();
    for (const TPropertyList& properties : items->Items) {
      TListColumn& column = view.Columns().Add();
      for (const TProperty& property : properties) {
        if (property.Name == L"Caption") {
          column.SetCaption(ValueAsString(property.Value));
        } else if (property.Name == L"Width") {
          column.SetWidth(static_cast<int>(ValueAsInteger(property.Value)));
        } else {
          throw EReadError(L"Unknown column property " + property.Name);
        }
      }
    }
  });
}

const TIdentTable<TButtonLayout> kButtonLayouts{
    {L"blGlyphLeft", blGlyphLeft}, {L"blGlyphRight", blGlyphRight}, {L"blGlyphTop", blGlyphTop},
    {L"blGlyphBottom", blGlyphBottom}};
const TIdentTable<TBitBtnKind> kBitBtnKinds{{L"bkCustom", bkCustom}, {L"bkOK", bkOK}, {L"bkCancel", bkCancel}};

// The glyph properties of a button class built on TGlyphButton<Base>.
template <typename Base>
TClassRegistry::TClassBuilder GlyphProperties(TClassRegistry::TClassBuilder builder) {
  using G = TGlyphButton<Base>;
  // "Glyph.Data": the glyph strip as the bytes of a BMP file.
  builder.Property(L"Glyph.Data", CustomProperty<G>([](G& button, const TPropertyValue& v, TLayoutReader&) {
           const auto* bytes = std::get_if<TBinaryValue>(&v);
           if (!bytes) throw EReadError(L"Glyph.Data must be binary");
           TMemoryStream stream;
           stream.WriteBuffer(bytes->Bytes.data(), bytes->Bytes.size());
           stream.Seek(0, soBeginning);
           button.Glyph().LoadFromStream(stream);
           button.Invalidate();
         }))
      .Property(L"NumGlyphs", IntegerProperty<G>(&G::SetNumGlyphs))
      .Property(L"Layout", EnumProperty<G>(&G::SetLayout, kButtonLayouts))
      .Property(L"Margin", IntegerProperty<G>(&G::SetMargin))
      .Property(L"Spacing", IntegerProperty<G>(&G::SetSpacing));
  return builder;
}

TPropertySetter PasswordCharProperty() {
  return CustomProperty<TCustomEdit>([](TCustomEdit& edit, const TPropertyValue& v, TLayoutReader&) {
    const std::wstring text = ValueAsString(v);
    edit.SetPasswordChar(text.empty() ? L'\0' : text[0]);
  });
}

void RegisterLabelsAndEdits(TClassRegistry& registry) {
  registry.AbstractClass(L"TCustomLabel", L"TGraphicControl")
      .Property(L"AutoSize", BoolProperty(&TCustomLabel::SetAutoSize))
      .Property(L"Alignment", EnumProperty(&TCustomLabel::SetAlignment, kAlignments))
      .Property(L"Layout", EnumProperty(&TCustomLabel::SetLayout, kTextLayouts))
      .Property(L"WordWrap", BoolProperty(&TCustomLabel::SetWordWrap))
      .Property(L"Transparent", BoolProperty(&TCustomLabel::SetTransparent))
      .Property(L"ShowAccelChar", BoolProperty(&TCustomLabel::SetShowAccelChar))
      .Property(L"FocusControl", ComponentProperty<TCustomLabel, TWinControl>(&TCustomLabel::SetFocusControl));
  registry.Class<TLabel>(L"TLabel", L"TCustomLabel");
  registry.AbstractClass(L"TCustomEdit", L"TWinControl")
      .Property(L"MaxLength", IntegerProperty(&TCustomEdit::SetMaxLength))
      .Property(L"ReadOnly", BoolProperty(&TCustomEdit::SetReadOnly))
      .Property(L"PasswordChar", PasswordCharProperty())
      .Property(L"BorderStyle", EnumProperty(&TCustomEdit::SetBorderStyle, kEditBorders))
      .Property(L"AutoSelect", BoolProperty(&TCustomEdit::SetAutoSelect))
      .Property(L"OnChange", EventProperty(&TCustomEdit::OnChange));
  registry.Class<TEdit>(L"TEdit", L"TCustomEdit");
  registry.AbstractClass(L"TCustomMaskEdit", L"TCustomEdit")
      .Property(L"EditMask", StringProperty(&TCustomMaskEdit::SetEditMask));
  registry.Class<TMaskEdit>(L"TMaskEdit", L"TCustomMaskEdit");
  registry.AbstractClass(L"TCustomComboEdit", L"TCustomMaskEdit")
      .Property(L"ShowButton", BoolProperty(&TCustomComboEdit::SetShowButton))
      .Property(L"ClickKey", IntegerProperty(&TCustomComboEdit::SetClickKey))
      .Property(L"ReadOnly", BoolProperty(&TCustomComboEdit::SetReadOnly))
      .Property(L"DirectInput", BoolProperty(&TCustomComboEdit::SetDirectInput))
      .Property(L"OnButtonClick", EventProperty(&TCustomComboEdit::OnButtonClick));
  registry.Class<TSpinEdit>(L"TSpinEdit", L"TCustomEdit")
      .Property(L"MinValue", IntegerProperty(&TSpinEdit::SetMinValue))
      .Property(L"MaxValue", IntegerProperty(&TSpinEdit::SetMaxValue))
      .Property(L"Increment", IntegerProperty(&TSpinEdit::SetIncrement))
      .Property(L"EditorEnabled", BoolProperty(&TSpinEdit::SetEditorEnabled))
      .Property(L"Value", IntegerProperty(&TSpinEdit::SetValue));
}

void RegisterButtons(TClassRegistry& registry) {
  registry.Class<TButton>(L"TButton", L"TWinControl")
      .Property(L"Default", BoolProperty(&TButton::SetDefault))
      .Property(L"Cancel", BoolProperty(&TButton::SetCancel))
      .Property(L"ModalResult", IntegerProperty(&TButton::SetModalResult));
  GlyphProperties<TButton>(registry.Class<TBitBtn>(L"TBitBtn", L"TButton"))
      .Property(L"Kind", EnumProperty(&TBitBtn::SetKind, kBitBtnKinds));
  GlyphProperties<TGraphicControl>(registry.Class<TSpeedButton>(L"TSpeedButton", L"TGraphicControl"))
      .Property(L"GroupIndex", IntegerProperty(&TSpeedButton::SetGroupIndex))
      .Property(L"Down", BoolProperty(&TSpeedButton::SetDown))
      .Property(L"AllowAllUp", BoolProperty(&TSpeedButton::SetAllowAllUp))
      .Property(L"Flat", BoolProperty(&TSpeedButton::SetFlat))
      .Property(L"Transparent", BoolProperty(&TSpeedButton::SetTransparent));
  registry.Class<TCheckBox>(L"TCheckBox", L"TWinControl")
      .Property(L"Checked", BoolProperty(&TCheckBox::SetChecked))
      .Property(L"State", EnumProperty(&TCheckBox::SetState, kCheckStates))
      .Property(L"AllowGrayed", BoolProperty(&TCheckBox::SetAllowGrayed));
  registry.Class<TRadioButton>(L"TRadioButton", L"TWinControl")
      .Property(L"Checked", BoolProperty(&TRadioButton::SetChecked));
}

void RegisterContainers(TClassRegistry& registry) {
  registry.Class<TGroupBox>(L"TGroupBox", L"TWinControl");
  registry.Class<TPanel>(L"TPanel", L"TWinControl")
      .Property(L"BevelInner", EnumProperty(&TPanel::SetBevelInner, kBevels))
      .Property(L"BevelOuter", EnumProperty(&TPanel::SetBevelOuter, kBevels))
      .Property(L"ShowCaption", BoolProperty(&TPanel::SetShowCaption));
  registry.Class<TScrollBox>(L"TScrollBox", L"TWinControl")
      .Property(L"AutoScroll", BoolProperty(&TScrollBox::SetAutoScroll))
      .Property(L"BorderStyle", EnumProperty(&TScrollBox::SetBorderSingle, TIdentTable<bool>{{L"bsNone", false}, {L"bsSingle", true}}));
}

void RegisterLists(TClassRegistry& registry) {
  registry.Class<TListView>(L"TListView", L"TWinControl")
      .Property(L"ViewStyle", EnumProperty(&TListView::SetViewStyle, kViewStyles))
      .Property(L"Columns", ColumnsProperty())
      .Property(L"Checkboxes", BoolProperty(&TListView::SetCheckboxes))
      .Property(L"RowSelect", BoolProperty(&TListView::SetRowSelect))
      .Property(L"GridLines", BoolProperty(&TListView::SetGridLines))
      .Property(L"FlatScrollBars", BoolProperty(&TListView::SetFlatScrollBars))
      .Property(L"MultiSelect", BoolProperty(&TListView::SetMultiSelect))
      .Property(L"ReadOnly", BoolProperty(&TListView::SetReadOnly))
      .Property(L"HideSelection", BoolProperty(&TListView::SetHideSelection))
      .Property(L"OnSelectItem", EventProperty(&TListView::OnSelectItem));
  registry.Class<TTreeView>(L"TTreeView", L"TWinControl")
      .Property(L"ShowLines", BoolProperty(&TTreeView::SetShowLines))
      .Property(L"ShowRoot", BoolProperty(&TTreeView::SetShowRoot))
      .Property(L"ShowButtons", BoolProperty(&TTreeView::SetShowButtons))
      .Property(L"ReadOnly", BoolProperty(&TTreeView::SetReadOnly))
      .Property(L"HideSelection", BoolProperty(&TTreeView::SetHideSelection))
      .Property(L"Images", ComponentProperty<TTreeView, TImageList>(&TTreeView::SetImages))
      .Property(L"OnExpanding", EventProperty(&TTreeView::OnExpanding))
      .Property(L"Indent", IntegerProperty(&TTreeView::SetIndent))
      .Property(L"OnChange", EventProperty(&TTreeView::OnChange))
      .Property(L"OnEditing", EventProperty(&TTreeView::OnEditing))
      .Property(L"OnEdited", EventProperty(&TTreeView::OnEdited));
}

}  // namespace

void RegisterStandardControlClasses() {
  TClassRegistry& registry = TClassRegistry::Instance();
  RegisterLabelsAndEdits(registry);
  RegisterButtons(registry);
  RegisterContainers(registry);
  RegisterLists(registry);
}
