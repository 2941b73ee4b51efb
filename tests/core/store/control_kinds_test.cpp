#include "core/store/control_kinds.h"

#include <gtest/gtest.h>

namespace zelvan::store {
namespace {

TEST(ControlKinds, GroupsAtTheirEdges) {
  const struct {
    int coc;
    bool edit, container, noGlow;
  } cases[] = {
      {1, false, false, false},  {2, true, false, false},   {18, true, false, false},  {19, false, true, false},
      {41, true, false, false},  {51, false, true, true},   {53, false, true, false},  {55, false, true, false},
      {74, false, true, true},   {75, false, false, false}, {84, true, false, false},  {85, false, false, false},
      {110, false, true, true},  {131, true, false, false}, {140, true, false, false}, {141, false, true, true},
      {161, false, true, true},  {162, false, false, false}, {226, false, false, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsEditKind(c.coc), c.edit) << c.coc;
    EXPECT_EQ(IsContainerKind(c.coc), c.container) << c.coc;
    EXPECT_EQ(IsNoGlowKind(c.coc), c.noGlow) << c.coc;
  }
}

TEST(ControlKinds, DefaultSections) {
  const struct {
    int coc;
    const char* section;
  } cases[] = {{2, "EDIT"},        {9, "TSOMETHING"}, {85, "EDIT"},     {227, "EDIT"},      {11, "COMBOBOX"},
               {82, "COMBOBOX"},   {19, "BAR"},       {20, "BARTITLE"}, {152, "CHECKBOX"},  {73, "PANEL"},
               {58, "PANEL_LOW"},  {60, "TOOLBAR"},   {56, "DRAGBAR"},  {57, "TABSHEET"},   {226, "GROUPBOX"},
               {75, "SPLITTER"},   {95, "SPEEDBUTTON"}, {94, "BUTTON"}, {98, "TOOLBUTTON"}, {143, "PAGECONTROL"},
               {151, "STATUSBAR"}, {161, "GAUGE"},    {165, "TRACKBAR"}, {0, "TSOMETHING"}};
  for (const auto& c : cases) EXPECT_EQ(DefaultSection(c.coc, "TSOMETHING"), c.section) << c.coc;
}

}  // namespace
}  // namespace zelvan::store
