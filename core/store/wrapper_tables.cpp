#include "core/store/wrapper_tables.h"

#include <algorithm>
#include <array>

namespace zelvan::store {

namespace {

using K = TWrapperKind;

// Type fields of the static and button styles: compared whole, never as bits.
constexpr uint32_t kStaticTypeMask = 0x1F;
constexpr uint32_t kButtonTypeMask = 0x0F;
constexpr uint32_t kStaticEdge = 0x00020000;

std::u16string Lower(std::u16string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](char16_t c) { return c >= u'A' && c <= u'Z' ? c + 32 : c; });
  return s;
}

TWrapperChoice Static(uint32_t style, uint32_t exStyle) {
  switch (style & kStaticTypeMask) {
    case 3:   // icon
    case 14:  // bitmap
    case 15:  // enhanced metafile
      if (exStyle & kStaticEdge) return {K::Edge, "EDIT"};
      return {K::Icon, "CHECKBOX"};
    case 4: case 5: case 6: case 7: case 8: case 9:  // rectangles and frames
    case 11:                                          // simple
    case 13:                                          // owner-drawn
    case 16: case 17: case 18:                        // etched lines and frame
      return {};
    default:
      return {K::Static, "CHECKBOX"};
  }
}

TWrapperChoice Button(uint32_t style) {
  switch (style & kButtonTypeMask) {
    case 7: return {K::GroupBox, "GROUPBOX"};
    case 2: case 3: case 4: case 5: case 6: case 9:  // check boxes, radio buttons
    case 11:                                          // owner-drawn
      return {K::CheckBox, "CHECKBOX"};
    default: return {K::Btn, "BUTTON"};
  }
}

}  // namespace

TWrapperChoice WrapperOfList(int listIndex) {
  static const std::array<TWrapperChoice, 21> kTable = {{
      {K::Edit, "EDIT"},
      {K::Button, "BUTTON"},
      {K::BitBtn, "BUTTON"},
      {K::CheckBox, "CHECKBOX"},
      {K::ComboBox, "EDIT"},
      {K::Grid, "EDIT"},
      {K::GroupBox, "GROUPBOX"},
      {K::ListView, "EDIT"},
      {K::Panel, ""},  // from the panel's bevels
      {K::TreeView, "EDIT"},
      {K::WWComboBox, "EDIT"},
      {K::GridEh, "EDIT"},
      {K::VirtualTreeView, "EDIT"},
      {K::PageControl, "PAGECONTROL"},
      {K::TabControl, "PAGECONTROL"},
      {K::ToolBarVCL, "TOOLBAR"},
      {K::StatusBar, "STATUSBAR"},
      {K::SpeedButton, "SPEEDBUTTON"},
      {K::Edit, "PANEL_LOW"},
      {K::Spin, ""},
      {K::ScrollBar, "CHECKBOX"},
  }};
  if (listIndex < 0 || listIndex >= static_cast<int>(kTable.size())) return {};
  return kTable[static_cast<size_t>(listIndex)];
}

std::string PanelSection(TPanelBevel outer, TPanelBevel inner, bool hasBorder) {
  if (outer == bvLowered) return inner == bvRaised ? "GROUPBOX" : "PANEL_LOW";
  if (outer == bvRaised) return inner == bvLowered ? "GROUPBOX" : "PANEL";
  return hasBorder ? "PANEL_LOW" : "CHECKBOX";
}

TWrapperChoice WrapperOfDialogChild(const std::u16string& className, uint32_t style, uint32_t exStyle, bool visible) {
  const std::u16string name = Lower(className);
  if (name == u"static") return Static(style, exStyle);
  if (name == u"button") return Button(style);
  if (name == u"#32770" || name == u"shbrowseforfolder") return {K::TransPanel, "CHECKBOX"};
  if (name == u"tpanel") return {K::Panel, "CHECKBOX"};
  if (name == u"tsilentpaintpanel") return {K::Panel, "GROUPBOX"};
  if (name == u"edit") return visible ? TWrapperChoice{K::Edit, "EDIT", true} : TWrapperChoice{};
  if (name == u"combobox") return {K::ComboBox, "COMBOBOX", true};
  if (name == u"combolbox") return {K::Edit, "COMBOBOX"};
  if (name == u"comboboxex32") return {K::ComboBox, "COMBOBOX"};
  if (name == u"scrollbar") return (style & 0x10) ? TWrapperChoice{K::Sizer, "CHECKBOX"} : TWrapperChoice{};
  if (name == u"systabcontrol32") return (style & 0x2000) ? TWrapperChoice{} : TWrapperChoice{K::TabControl, "PAGECONTROL"};
  if (name == u"syslistview32") return {K::ListView, "EDIT", true};
  if (name == u"msctls_updown32") return {K::Spin, "SPEEDBUTTON_SMALL", false, 2};
  if (name == u"msctls_trackbar32") return {K::Track, "TRACKBAR"};
  if (name == u"listbox") return {K::Edit, "EDIT", true};
  if (name == u"link window" || name == u"syslink") return {K::Link, "CHECKBOX"};
  if (name == u"toolbarwindow32") return {K::ToolBar, (style & 0x200) ? "BAR" : "CHECKBOX"};
  if (name == u"systreeview32") return {K::TreeView, "EDIT", true};
  return {};
}

}  // namespace zelvan::store
