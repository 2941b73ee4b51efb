#include <gtest/gtest.h>

#include "core/paint/window_animation_steps.h"

namespace zelvan::paint {
namespace {

TEST(WindowAnimationSteps, StepCountsByTime) {
  EXPECT_EQ(WindowAnimationSteps(11), 0);
  EXPECT_EQ(WindowAnimationSteps(12), 1);
  EXPECT_EQ(WindowAnimationSteps(120), 10);
  EXPECT_EQ(MinimizeAnimationSteps(10), 1);
  EXPECT_EQ(MinimizeAnimationSteps(200), 13);
}

TEST(WindowAnimationSteps, ShowingZoomsFromAnEighthInAndFadesIn) {
  const TAnimFrame first = ShowAnimationFrame(0, 10, 800, 400, 200, true);
  EXPECT_DOUBLE_EQ(first.Left, 100);
  EXPECT_DOUBLE_EQ(first.Top, 50);
  EXPECT_DOUBLE_EQ(first.Right, 700);
  EXPECT_DOUBLE_EQ(first.Bottom, 350);
  EXPECT_DOUBLE_EQ(first.Alpha, 0);
  const TAnimFrame middle = ShowAnimationFrame(4, 10, 800, 400, 200, true);
  EXPECT_DOUBLE_EQ(middle.Left, 60);  // 100 - 4 * 800 / 80
  EXPECT_DOUBLE_EQ(middle.Alpha, 80);
  const TAnimFrame last = ShowAnimationFrame(10, 10, 800, 400, 200, true);
  EXPECT_DOUBLE_EQ(last.Left, 0);
  EXPECT_DOUBLE_EQ(last.Bottom, 400);
  EXPECT_DOUBLE_EQ(last.Alpha, 200);
  // Fading alone keeps the picture's size.
  EXPECT_DOUBLE_EQ(ShowAnimationFrame(0, 10, 800, 400, 255, false).Left, 0);
}

TEST(WindowAnimationSteps, HidingFadesOutNeverBelowZero) {
  EXPECT_DOUBLE_EQ(HideAnimationFrame(0, 3, 80, 80, 255, true).Alpha, 255);
  EXPECT_DOUBLE_EQ(HideAnimationFrame(0, 3, 80, 80, 255, true).Left, 0);
  EXPECT_DOUBLE_EQ(HideAnimationFrame(3, 3, 80, 80, 255, true).Alpha, 0);
  EXPECT_DOUBLE_EQ(HideAnimationFrame(3, 3, 80, 80, 255, true).Left, 10);
  EXPECT_DOUBLE_EQ(HideAnimationFrame(5, 3, 80, 80, 255, true).Alpha, 0);
}

TEST(WindowAnimationSteps, MinimisingEndsOnTheTarget) {
  const TRect form{100, 100, 300, 200};
  const TRect point{200, 580, 200, 580};
  const TAnimFrame first = MinimizeAnimationFrame(0, 5, form, point, 255, 0);
  EXPECT_DOUBLE_EQ(first.Left, 100);
  EXPECT_DOUBLE_EQ(first.Alpha, 255);
  const TAnimFrame last = MinimizeAnimationFrame(4, 5, form, point, 255, 0);
  EXPECT_DOUBLE_EQ(last.Left, 200);
  EXPECT_DOUBLE_EQ(last.Bottom, 580);
  EXPECT_DOUBLE_EQ(last.Alpha, 0);
  EXPECT_DOUBLE_EQ(MinimizeAnimationFrame(0, 1, form, point, 255, 0).Alpha, 255);
}

TEST(WindowAnimationSteps, MinimizeTargetLiesOnTheTaskbarsInnerEdge) {
  const TRect screen{0, 0, 1000, 800}, form{100, 200, 300, 400};
  struct Case {
    const char* where;
    TRect taskbar;
    int x, y;
  } cases[] = {
      {"bottom", {0, 770, 1000, 800}, 200, 770},
      {"top", {0, 0, 1000, 30}, 200, 30},
      {"left", {0, 0, 60, 800}, 60, 300},
      {"right", {940, 0, 1000, 800}, 940, 300},
      {"none: middle of the work area's bottom", {}, 500, 760},
  };
  for (const auto& c : cases) {
    const TPoint p = MinimizeTarget(c.taskbar, screen, {0, 0, 1000, 760}, form);
    EXPECT_EQ(p.X, c.x) << c.where;
    EXPECT_EQ(p.Y, c.y) << c.where;
  }
}

TEST(WindowAnimationSteps, MovingBlendReachesItsTargetAndStops) {
  TMoveBlend quick = TMoveBlend::ForForm(255, 170, true, 0);
  EXPECT_EQ(quick.Step, 85);
  quick.Advance();
  EXPECT_EQ(quick.Current, 170);
  quick.Advance();
  EXPECT_EQ(quick.Current, 170);

  TMoveBlend slow = TMoveBlend::ForForm(255, 170, true, 120);  // 85 over 10 ticks
  EXPECT_EQ(slow.Step, 9);
  for (int i = 0; i < 9; ++i) slow.Advance();
  EXPECT_EQ(slow.Current, 174);
  slow.Advance();
  EXPECT_EQ(slow.Current, 170);  // not 165

  EXPECT_EQ(TMoveBlend::ForForm(255, 170, false, 120).Target, 255);

  // Near opaque a dialog still gets there.
  TMoveBlend dialog = TMoveBlend::ForDialog(240);
  EXPECT_EQ(dialog.Step, 1);
  for (int i = 0; i < 20; ++i) dialog.Advance();
  EXPECT_EQ(dialog.Current, 240);
}

}  // namespace
}  // namespace zelvan::paint
