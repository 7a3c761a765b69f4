#include "resampling/bootstrap_samples.h"

#include <gtest/gtest.h>

#include <set>

#include "support/bootstrap_cohort.h"

namespace vorelan {
namespace {

using testing::BootstrapCohort;
using testing::CohortGeneratorOptions;
using testing::generateCohort;

testing::GeneratedCohort cohortOf(int individuals) {
  CohortGeneratorOptions options;
  options.minIndividuals = options.maxIndividuals = individuals;
  return generateCohort(4, options);
}

TEST(DrawBootstrapSamples, TwoRunsWithOneSeedDrawTheSameSamples) {
  BootstrapCohort first(cohortOf(30));
  BootstrapCohort second(cohortOf(30));
  first.drawSamples(100, 30);
  second.drawSamples(100, 30);
  for (std::int32_t b = 1; b <= 100; ++b) EXPECT_EQ(first.sample(b), second.sample(b));
  second.script.fixedRunSeed += 1;
  second.drawSamples(100, 30);
  EXPECT_NE(first.sample(1), second.sample(1));
}

TEST(DrawBootstrapSamples, ConsecutiveSamplesDifferAndEveryIndividualCanBeDrawn) {
  BootstrapCohort run(cohortOf(10));
  run.drawSamples(400, 10);
  std::set<int> drawn;
  for (std::int32_t b = 1; b <= 400; ++b) {
    const auto sample = run.sample(b);
    if (b > 1) {
      EXPECT_NE(sample, run.sample(b - 1)) << "replicate " << b;
    }
    for (int k : sample) {
      ASSERT_GE(k, 1);
      ASSERT_LE(k, 10);
      drawn.insert(k);
    }
  }
  EXPECT_EQ(drawn.size(), 10u);
  EXPECT_EQ(run.state.bootstrap.SameBootSamples, "No");
  EXPECT_EQ(run.state.bootstrap.NumBootstrap, 400);
  EXPECT_EQ(run.state.bootstrap.BootSampleSize, 10);
}

TEST(DrawBootstrapSamples, ACohortOfOneGivesThatIndividualAtEveryPosition) {
  BootstrapCohort run(cohortOf(1));
  run.drawSamples(3, 5);
  for (std::int32_t b = 1; b <= 3; ++b) EXPECT_EQ(run.sample(b), std::vector<int>(5, 1));
}

}  // namespace
}  // namespace vorelan
