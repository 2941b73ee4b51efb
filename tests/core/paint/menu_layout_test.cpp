#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/paint/menu_layout.h"
#include "core/paint/system_menu_rules.h"

namespace zelvan::paint {
namespace {

TEST(MenuLayoutTest, KindAndCaptionTextFromTheCaption) {
  struct Case {
    std::wstring Caption;
    TMenuItemKind Kind;
    std::wstring Text;
  };
  const std::vector<Case> cases = {
      {L"-", TMenuItemKind::Separator, L"-"},
      {L"-Options-", TMenuItemKind::Caption, L"Options"},
      {L"--", TMenuItemKind::Caption, L""},
      {L"-Options", TMenuItemKind::Normal, L"-Options"},
      {L"Open\tCtrl+O", TMenuItemKind::Normal, L"Open\tCtrl+O"},
      {L"", TMenuItemKind::Normal, L""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(MenuItemKind(c.Caption), c.Kind) << std::string(c.Caption.begin(), c.Caption.end());
    EXPECT_EQ(MenuCaptionText(c.Caption), c.Text);
  }
}

TEST(MenuLayoutTest, AcceleratorMarksGo) {
  EXPECT_EQ(StripAccelerators(L"&Open"), L"Open");
  EXPECT_EQ(StripAccelerators(L"Save && &Quit"), L"Save & Quit");
  EXPECT_EQ(StripAccelerators(L"End&"), L"End");
}

TEST(MenuLayoutTest, ItemSizes) {
  struct Case {
    TMenuMeasureInput In;
    int Width, Height;
  };
  // glyph 16 x 16, margin 2, spacing 8: width = 32 + text + 6 + 8.
  const std::vector<Case> cases = {
      {{TMenuItemKind::Separator, 1, 0, 16, 16, 2, 8, 0}, 47, 2},
      {{TMenuItemKind::Caption, 60, 13, 16, 16, 2, 8, 0}, 106, 19},
      {{TMenuItemKind::Normal, 60, 13, 16, 16, 2, 8, 0}, 106, 22},   // the glyph is taller than the text
      {{TMenuItemKind::Normal, 60, 30, 16, 16, 2, 8, 0}, 106, 36},   // two lines of text
      {{TMenuItemKind::Normal, 60, 13, 24, 24, 3, 10, 32}, 159, 32},  // big glyph, extra line
  };
  for (const Case& c : cases) {
    const TMenuItemSize size = MeasureMenuItem(c.In);
    EXPECT_EQ(size.Width, c.Width);
    EXPECT_EQ(size.Height, c.Height);
  }
}

TEST(MenuLayoutTest, ColumnsBreakAtEveryTwentiethItem) {
  std::vector<int> breaks;
  for (int i = 0; i < 65; ++i) {
    if (MenuColumnBreakBefore(i)) breaks.push_back(i);
  }
  EXPECT_EQ(breaks, (std::vector<int>{20, 40, 60}));
}

TEST(SystemMenuRulesTest, WhatIsShownAndEnabled) {
  using B = TFormBorderKind;
  struct Case {
    const char* Name;
    TSysMenuFacts F;
    bool VisMax, VisMin, EnMax, EnMin, EnRestore, VisSize, EnSize, EnMove;
  };
  TSysMenuFacts sizeable;
  TSysMenuFacts maximized = sizeable;
  maximized.Maximized = true;
  TSysMenuFacts minimized = sizeable;
  minimized.Minimized = true;
  TSysMenuFacts mainMinimized = minimized;
  mainMinimized.IsMainForm = mainMinimized.MainFormOnTaskbar = true;
  TSysMenuFacts dialog;
  dialog.Border = B::Dialog;
  TSysMenuFacts single;
  single.Border = B::Single;
  single.MaximizeIcon = false;
  TSysMenuFacts noSysMenu;
  noSysMenu.SystemMenu = false;
  TSysMenuFacts tool;
  tool.Border = B::SizeToolWin;
  const std::vector<Case> cases = {
      {"sizeable", sizeable, true, true, true, true, false, true, true, true},
      {"maximised", maximized, true, true, true, true, true, true, true, false},
      {"minimised", minimized, true, true, true, false, true, true, false, true},
      {"main form minimised", mainMinimized, true, true, true, true, true, true, false, true},
      {"dialog", dialog, false, false, false, true, false, false, true, true},
      {"single without maximise", single, false, true, false, true, false, true, false, true},
      {"no system menu", noSysMenu, false, false, true, true, false, true, true, true},
      {"size tool window", tool, false, false, false, true, false, true, true, true},
  };
  for (const Case& c : cases) {
    const TSysMenuState s = SysMenuState(c.F);
    EXPECT_EQ(VisibleMax(c.F), c.VisMax) << c.Name;
    EXPECT_EQ(VisibleMin(c.F), c.VisMin) << c.Name;
    EXPECT_EQ(s.Maximize.Enabled, c.EnMax) << c.Name;
    EXPECT_EQ(s.Minimize.Enabled, c.EnMin) << c.Name;
    EXPECT_EQ(s.Restore.Enabled, c.EnRestore) << c.Name;
    EXPECT_EQ(s.Size.Visible, c.VisSize) << c.Name;
    EXPECT_EQ(s.Size.Enabled, c.EnSize) << c.Name;
    EXPECT_EQ(s.Move.Enabled, c.EnMove) << c.Name;
  }
}

}  // namespace
}  // namespace zelvan::paint
