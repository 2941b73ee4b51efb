#include "core/paint/dialog_frame.h"

#include <gtest/gtest.h>

#include <vector>

namespace zelvan::paint {
namespace {

constexpr uint32_t kWsBorder = 0x00800000;
constexpr uint32_t kMessageBox = kWsPopup | kWsCaption | kWsSysMenu | kDsModalFrame;

TEST(DialogBorderStyle, FollowsCaptionSizingAndModalFrame) {
  struct Case {
    uint32_t style;
    TacBorderStyle expected;
  };
  const std::vector<Case> cases = {
      {kMessageBox, acbsDialog},
      {kWsPopup | kWsBorder | kDsModalFrame, acbsNone},  // a popup without the whole caption
      {kWsCaption | kWsThickFrame | kDsModalFrame, acbsSizeable},
      {kWsPopup | kWsCaption, acbsSizeable},
      {kWsCaption | kDsModalFrame, acbsDialog},
  };
  for (const Case& c : cases) EXPECT_EQ(DialogBorderStyle(c.style), c.expected) << std::hex << c.style;
}

TEST(DialogRules, CloseIsInertWhereTheClassOrThePlatformMenuForbidsIt) {
  TDialogFacts box{kMessageBox, 0};
  EXPECT_TRUE(VisibleClose(box));
  EXPECT_TRUE(EnabledClose(box));
  TDialogFacts noCancel = box;
  noCancel.CloseGrayed = true;  // MB_YESNO: the platform greys Close
  EXPECT_TRUE(VisibleClose(noCancel));
  EXPECT_FALSE(EnabledClose(noCancel));
  TDialogFacts noCloseClass = box;
  noCloseClass.ClassNoClose = true;
  EXPECT_FALSE(EnabledClose(noCloseClass));
  TDialogFacts bare{kWsPopup | kWsCaption | kDsModalFrame, 0};
  EXPECT_FALSE(VisibleClose(bare));
  EXPECT_FALSE(EnabledClose(bare));
}

TEST(DialogRules, MaximiseAndMinimiseFollowBorderAndState) {
  struct Case {
    uint32_t style;
    bool minimized, maximized;
    bool enabledMax, enabledMin, enabledRestore, visibleRestore;
  };
  const uint32_t sizeable = kWsCaption | kWsSysMenu | kWsThickFrame | kWsMaximizeBox | kWsMinimizeBox;
  const std::vector<Case> cases = {
      {kMessageBox | kWsMaximizeBox | kWsMinimizeBox, false, false, false, true, false, false},
      {sizeable, false, false, true, true, false, true},
      {sizeable, false, true, false, true, true, true},
      {sizeable, true, false, true, false, true, true},
      {sizeable & ~kWsMaximizeBox, true, false, false, false, false, true},
  };
  for (const Case& c : cases) {
    TDialogFacts f{c.style, 0, c.minimized, c.maximized};
    EXPECT_EQ(EnabledMax(f), c.enabledMax) << std::hex << c.style << c.minimized << c.maximized;
    EXPECT_EQ(EnabledMin(f), c.enabledMin) << std::hex << c.style << c.minimized << c.maximized;
    EXPECT_EQ(EnabledRestore(f), c.enabledRestore) << std::hex << c.style << c.minimized << c.maximized;
    EXPECT_EQ(VisibleRestore(f), c.visibleRestore) << std::hex << c.style;
  }
}

TEST(DialogSysMenuState, ADialogBorderHidesSizeAndRestore) {
  const TSysMenuState box = DialogSysMenuState(TDialogFacts{kMessageBox, 0});
  EXPECT_FALSE(box.Size.Visible);
  EXPECT_FALSE(box.Restore.Visible);
  EXPECT_FALSE(box.Minimize.Visible);
  EXPECT_TRUE(box.Move.Visible && box.Move.Enabled);
  EXPECT_TRUE(box.Close.Visible && box.Close.Enabled);
  TDialogFacts noCancel{kMessageBox, 0};
  noCancel.CloseGrayed = true;
  EXPECT_TRUE(DialogSysMenuState(noCancel).Close.Visible);
  EXPECT_FALSE(DialogSysMenuState(noCancel).Close.Enabled);
  TDialogFacts zoomed{kWsCaption | kWsSysMenu | kWsThickFrame | kWsMaximizeBox, 0, false, true};
  const TSysMenuState sizeable = DialogSysMenuState(zoomed);
  EXPECT_TRUE(sizeable.Size.Visible && sizeable.Size.Enabled);
  EXPECT_TRUE(sizeable.Restore.Visible && sizeable.Restore.Enabled);
  EXPECT_FALSE(sizeable.Move.Enabled);
  EXPECT_FALSE(sizeable.Maximize.Enabled);
}

TDialogButtonRow Row() {
  TDialogButtonRow row;
  row.Right = 296;
  row.Spacing = 2;
  row.BandHeight = 26;
  const int widths[4] = {25, 20, 19, 16};
  const int heights[4] = {18, 18, 18, 14};
  for (int i = 0; i < 4; ++i) row.Widths[i] = widths[i], row.Heights[i] = heights[i];
  return row;
}

TEST(DialogButtonRects, PlacedFromTheRightInCloseMaxMinHelpOrder) {
  TDialogFacts f{kWsCaption | kWsSysMenu | kWsMaximizeBox | kWsMinimizeBox, kWsExContextHelp};
  const std::vector<TRect> r = DialogButtonRects(f, Row());
  ASSERT_EQ(r.size(), 4u);
  EXPECT_EQ(r[0], (TRect{271, 4, 296, 22}));
  EXPECT_EQ(r[1], (TRect{249, 4, 269, 22}));
  EXPECT_EQ(r[2], (TRect{228, 4, 247, 22}));
  EXPECT_EQ(r[3], (TRect{210, 6, 226, 20}));
  TDialogButtonRow top = Row();
  top.TopAlignedY = 0;
  EXPECT_EQ(DialogButtonRects(f, top)[0].Top, 0);
  EXPECT_EQ(DialogButtonRects(f, top)[3].Top, 6) << "help is never aligned to the top";
  const std::vector<TRect> none = DialogButtonRects(TDialogFacts{kWsCaption | kWsMaximizeBox, 0}, Row());
  for (const TRect& rect : none) EXPECT_TRUE(rect.IsEmpty());
}

TEST(DialogHitTest, AnswersTheBandAndLeavesTheRestToThePlatform) {
  TDialogFacts f{kWsCaption | kWsSysMenu | kWsMaximizeBox | kWsMinimizeBox | kDsModalFrame, 0};
  TDialogHitFacts frame;
  frame.Width = 300;
  frame.Height = 200;
  frame.FrameWidth = 3;
  frame.BandTop = 4;
  frame.BandHeight = 18;
  frame.Buttons = DialogButtonRects(f, Row());
  struct Case {
    int x, y, expected;
  };
  const std::vector<Case> cases = {
      {5, 10, htSysMenu},     {18, 21, htSysMenu}, {19, 10, htCaption},  {280, 10, htClose},
      {260, 10, htCaption},  // a dialog border cannot maximise
      {240, 10, htMinButton}, {280, 3, htNowhere}, {280, 22, htNowhere}, {150, 100, htNowhere},
  };
  for (const Case& c : cases) EXPECT_EQ(DialogHitTest(f, frame, {c.x, c.y}), c.expected) << c.x << "," << c.y;
  TDialogFacts grayed = f;
  grayed.CloseGrayed = true;
  EXPECT_EQ(DialogHitTest(grayed, frame, {280, 10}), htNowhere) << "an inert close is the platform's to answer";
  TDialogFacts zoomed = f;
  zoomed.Maximized = true;
  EXPECT_EQ(DialogHitTest(zoomed, frame, {1, 100}), htTransparent);
  EXPECT_EQ(DialogHitTest(zoomed, frame, {297, 100}), htTransparent);
  EXPECT_EQ(DialogHitTest(zoomed, frame, {150, 100}), htNowhere);
  EXPECT_EQ(DialogHitTest(zoomed, frame, {260, 10}), htMaxButton) << "restore is enabled when maximised";
}

}  // namespace
}  // namespace zelvan::paint
