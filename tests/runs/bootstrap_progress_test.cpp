// What the main window shows of the replicates while they run.
#include "runs/bootstrap_progress.h"

#include <gtest/gtest.h>

namespace vorelan {
namespace {

// Label6 changes at replicates 1000, 2000, ... before the last one: the
// last replicate ends the loop before its sign.
TEST(BootstrapProgress, SignsAtEveryThousandthReplicateBeforeTheLast) {
  struct Case {
    std::int64_t done, total, signs;
  };
  const Case cases[] = {{999, 1000, 0}, {1000, 1000, 0}, {1000, 2500, 1}, {2000, 2500, 2},
                        {2500, 2500, 2}, {40000, 40000, 39}, {0, 40000, 0}};
  for (const Case& c : cases) {
    EXPECT_EQ(bootstrapProgress(c.done, c.total).signs, c.signs) << c.done << " of " << c.total;
  }
  EXPECT_EQ(bootstrapProgress(12000, 40000).text, "12000 of 40000 replicates done");
}

TEST(BootstrapProgress, YellowTurnsGreenAndAnyOtherColourYellow) {
  EXPECT_EQ(nextSignColour(ProgressSignColour::Own), ProgressSignColour::Yellow);
  EXPECT_EQ(nextSignColour(ProgressSignColour::Yellow), ProgressSignColour::Green);
  EXPECT_EQ(nextSignColour(ProgressSignColour::Green), ProgressSignColour::Yellow);
}

// From its own colour Label6 turns yellow at the first thousandth, green at
// the second, and so on; from yellow it turns green first.
TEST(BootstrapProgress, TheColourAlternatesAtEveryThousandth) {
  using enum ProgressSignColour;
  const struct {
    ProgressSignColour atBegin;
    std::int64_t signs;
    ProgressSignColour colour;
  } cases[] = {{Own, 0, Own},       {Own, 1, Yellow},    {Own, 2, Green},      {Own, 3, Yellow},
               {Own, 40, Green},    {Yellow, 1, Green},  {Yellow, 2, Yellow},  {Green, 1, Yellow},
               {Green, 2, Green},   {Green, 199, Yellow}};
  for (const auto& c : cases) {
    EXPECT_EQ(signColourAfter(c.atBegin, c.signs), c.colour) << static_cast<int>(c.atBegin) << " " << c.signs;
  }
}

// A delivery that brings one or more thousandths always shows a change.
TEST(BootstrapProgress, EveryDeliveryWithANewThousandthShowsAChange) {
  using enum ProgressSignColour;
  const struct {
    std::int64_t shown, signs;
    bool newSign;
    ProgressSignColour colour;
    std::optional<ProgressSignColour> passing;
  } cases[] = {
      {0, 0, false, Own, std::nullopt},   // nothing yet
      {0, 1, true, Yellow, std::nullopt},
      {1, 1, false, Yellow, std::nullopt},  // the same thousandth again: no new sign
      {1, 2, true, Green, std::nullopt},
      {0, 2, true, Green, std::nullopt},   // two at once from its own colour: green is a change
      {1, 3, true, Yellow, Green},         // two at once from yellow: through green
      {2, 6, true, Green, Yellow},
      {2, 5, true, Yellow, std::nullopt},  // an odd number: the colour changes anyway
      {5, 3, false, Yellow, std::nullopt}, // a late, older count changes nothing
  };
  for (const auto& c : cases) {
    const ProgressSignStep step = progressSignStep(Own, c.shown, c.signs);
    EXPECT_EQ(step.newSign, c.newSign) << c.shown << " to " << c.signs;
    EXPECT_EQ(step.colour, c.colour) << c.shown << " to " << c.signs;
    EXPECT_EQ(step.passingColour, c.passing) << c.shown << " to " << c.signs;
    if (step.newSign) {
      EXPECT_NE(step.passingColour.value_or(step.colour), signColourAfter(Own, c.shown));
    }
  }
}

TEST(BootstrapProgress, TheGreetingTimerLeavesLabel6ToTheBootstrapsReplicates) {
  RunFlags run;
  EXPECT_TRUE(greetingTimerWritesLabel6(run));
  run.ResampleMethod = "b";
  EXPECT_TRUE(greetingTimerWritesLabel6(run));  // before and after the replicates
  run.ResamplingRunning = true;
  EXPECT_FALSE(greetingTimerWritesLabel6(run));
  run.ResampleMethod = "j";  // the jackknife gives Label6 no sign
  EXPECT_TRUE(greetingTimerWritesLabel6(run));
}

}  // namespace
}  // namespace vorelan
