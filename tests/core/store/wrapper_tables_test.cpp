#include "core/store/wrapper_tables.h"

#include <gtest/gtest.h>

namespace zelvan::store {
namespace {

using K = TWrapperKind;

TEST(WrapperTables, ClassListsGiveTheirWrapperAndSection) {
  EXPECT_EQ(WrapperOfList(1).Kind, K::Button);
  EXPECT_EQ(WrapperOfList(1).Section, "BUTTON");
  EXPECT_EQ(WrapperOfList(18).Kind, K::Edit);
  EXPECT_EQ(WrapperOfList(18).Section, "PANEL_LOW");
  EXPECT_EQ(WrapperOfList(20).Kind, K::ScrollBar);
  EXPECT_EQ(WrapperOfList(19).Section, "");
  EXPECT_EQ(WrapperOfList(21).Kind, K::None);
  EXPECT_EQ(WrapperOfList(-1).Kind, K::None);
}

TEST(WrapperTables, PanelSectionsFromBevels) {
  EXPECT_EQ(PanelSection(bvLowered, bvRaised, false), "GROUPBOX");
  EXPECT_EQ(PanelSection(bvLowered, bvNone, false), "PANEL_LOW");
  EXPECT_EQ(PanelSection(bvRaised, bvLowered, false), "GROUPBOX");
  EXPECT_EQ(PanelSection(bvRaised, bvNone, false), "PANEL");
  EXPECT_EQ(PanelSection(bvNone, bvNone, true), "PANEL_LOW");
  EXPECT_EQ(PanelSection(bvSpace, bvNone, false), "CHECKBOX");
}

TEST(WrapperTables, DialogChildrenByClassAndStyleType) {
  struct Case {
    const char16_t* cls;
    uint32_t style, exStyle;
    bool visible;
    K kind;
    const char* section;
  } cases[] = {
      // Static types are compared whole: simple (11) and black frame (7)
      // keep their own painting instead of becoming icons.
      {u"Static", 0x0, 0, true, K::Static, "CHECKBOX"},            // left-aligned text
      {u"STATIC", 0x1 | 0x80, 0, true, K::Static, "CHECKBOX"},     // centred, no prefix
      {u"static", 0x3, 0, true, K::Icon, "CHECKBOX"},
      {u"static", 0xE, 0x20000, true, K::Edge, "EDIT"},             // bitmap with a static edge
      {u"static", 0xB, 0, true, K::None, ""},                      // simple
      {u"static", 0x7, 0, true, K::None, ""},                      // black frame
      {u"static", 0x10, 0, true, K::None, ""},                     // etched horizontal line
      // Button types likewise: a default push button (1) is a button.
      {u"Button", 0x1, 0, true, K::Btn, "BUTTON"},
      {u"button", 0x0, 0, true, K::Btn, "BUTTON"},
      {u"button", 0x7, 0, true, K::GroupBox, "GROUPBOX"},
      {u"button", 0x3, 0, true, K::CheckBox, "CHECKBOX"},
      {u"button", 0x9, 0, true, K::CheckBox, "CHECKBOX"},          // auto radio button
      {u"button", 0xB, 0, true, K::CheckBox, "CHECKBOX"},          // owner-drawn
      {u"edit", 0, 0, true, K::Edit, "EDIT"},
      {u"edit", 0, 0, false, K::None, ""},
      {u"ScrollBar", 0x10, 0, true, K::Sizer, "CHECKBOX"},
      {u"scrollbar", 0x1, 0, true, K::None, ""},
      {u"SysTabControl32", 0x2000, 0, true, K::None, ""},
      {u"ToolbarWindow32", 0x200, 0, true, K::ToolBar, "BAR"},
      {u"msctls_updown32", 0, 0, true, K::Spin, "SPEEDBUTTON_SMALL"},
      {u"#32770", 0, 0, true, K::TransPanel, "CHECKBOX"},
      {u"SomethingElse", 0, 0, true, K::None, ""},
  };
  for (const auto& c : cases) {
    const TWrapperChoice choice = WrapperOfDialogChild(c.cls, c.style, c.exStyle, c.visible);
    const std::u16string cls = c.cls;
    EXPECT_EQ(choice.Kind, c.kind) << std::string(cls.begin(), cls.end()) << " style " << c.style;
    EXPECT_EQ(choice.Section, c.section) << std::string(cls.begin(), cls.end()) << " style " << c.style;
  }
  EXPECT_TRUE(WrapperOfDialogChild(u"SysListView32", 0, 0, true).DialogMode);
  EXPECT_EQ(WrapperOfDialogChild(u"msctls_updown32", 0, 0, true).SpinOffset, 2);
}

}  // namespace
}  // namespace zelvan::store
