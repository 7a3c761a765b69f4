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

}  // namespace
}  // namespace vorelan
