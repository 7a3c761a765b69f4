// The title animation: which form of the title shows after each tick.
#include <gtest/gtest.h>

#include "guidance/title_animation.h"

namespace vorelan {
namespace {

// Plays the ticks on eight hidden forms, as the window does; the visible form
// after each tick, or -1 when none is.
std::vector<int> visibleFormAfterEachTick(int ticks) {
  TitleAnimation animation;
  std::array<bool, TitleForms> shown{};
  std::vector<int> visible;
  for (int t = 0; t < ticks; ++t) {
    const TitleStep step = titleTimerTick(animation);
    if (step.hide) shown[static_cast<std::size_t>(*step.hide)] = false;
    if (step.show) shown[static_cast<std::size_t>(*step.show)] = true;
    EXPECT_LE(std::count(shown.begin(), shown.end(), true), 1) << "tick " << t + 1;
    const auto it = std::find(shown.begin(), shown.end(), true);
    visible.push_back(it == shown.end() ? -1 : static_cast<int>(it - shown.begin()));
  }
  return visible;
}

TEST(TitleAnimation, FormsLightUpOneAfterAnotherThenTheLastStandsThroughThePause) {
  // Ticks 1 to 7 show forms 1 to 7; form 7 stands for ticks 7 to 14; the 15th
  // shows form 0, the 16th form 1, and the cycle repeats every 15 ticks.
  const std::vector<int> expected{1, 2, 3, 4, 5, 6, 7, 7, 7, 7, 7, 7, 7, 7, 0,
                                  1, 2, 3, 4, 5, 6, 7, 7, 7, 7, 7, 7, 7, 7, 0, 1};
  EXPECT_EQ(visibleFormAfterEachTick(31), expected);
}

TEST(TitleAnimation, TheFifteenthTickHidesFormSevenAndShowsFormZero) {
  TitleAnimation animation;
  for (int t = 1; t < 15; ++t) titleTimerTick(animation);
  EXPECT_EQ(animation.TitleTick, 14);
  const TitleStep step = titleTimerTick(animation);
  EXPECT_EQ(step.hide, 7);
  EXPECT_EQ(step.show, 0);
  EXPECT_EQ(animation.TitleTick, 0);
  EXPECT_EQ(animation.TitleLastLabel, 0);
}

TEST(TitleAnimation, ThePauseChangesNothing) {
  TitleAnimation animation;
  for (int t = 1; t <= 8; ++t) titleTimerTick(animation);
  const TitleStep pause = titleTimerTick(animation);
  EXPECT_FALSE(pause.hide);
  EXPECT_FALSE(pause.show);
  EXPECT_EQ(animation.TitleLastLabel, 7);
}

}  // namespace
}  // namespace vorelan
