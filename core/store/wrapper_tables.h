#pragma once
// Which wrapper skins a foreign control from outside, and with which
// section: by the index of the manager's class-name list that names the
// control's class, and, for the child windows of a system dialog, by window
// class and style.

#include <cstdint>
#include <string>

namespace zelvan::store {

enum class TWrapperKind {
  None,
  Edit,            // edits, list boxes and the scroll-carrying kinds
  Button,          // a framework button
  Btn,             // a push button window
  BitBtn,
  CheckBox,        // check boxes and radio buttons
  ComboBox,
  Grid,
  GroupBox,
  ListView,
  Panel,
  TreeView,
  WWComboBox,
  GridEh,
  VirtualTreeView,
  PageControl,
  TabControl,
  ToolBarVCL,
  StatusBar,
  SpeedButton,     // windowless: a handler, not a wrapper
  Spin,
  ScrollBar,
  Static,
  Edge,            // a static picture frame with the static-edge style
  Icon,
  TransPanel,      // a nested dialog, made see-through
  Sizer,
  Track,
  Link,
  ToolBar,
};

struct TWrapperChoice {
  TWrapperKind Kind = TWrapperKind::None;
  std::string Section;  // empty: the caller's choice stands
  bool DialogMode = false;
  int SpinOffset = 0;
};

// The wrapper of the class list at index (0 ThirdEdits .. 20 ThirdScrollBar)
// and its section when the item has none.
TWrapperChoice WrapperOfList(int listIndex);

// A panel's section from its bevels when none was given.
enum TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };
std::string PanelSection(TPanelBevel outer, TPanelBevel inner, bool hasBorder);

// The wrapper of a system dialog's child window: class name in any case,
// its style and extended style, and whether it is visible.
TWrapperChoice WrapperOfDialogChild(const std::u16string& className, uint32_t style, uint32_t exStyle, bool visible);

}  // namespace zelvan::store
