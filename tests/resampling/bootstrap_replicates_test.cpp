#include "resampling/bootstrap_replicates.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include "support/bootstrap_cohort.h"

namespace vorelan {
namespace {

using testing::BootstrapCohort;
using testing::CountedProgress;
using testing::FourStages;
using testing::GeneratedCohort;
using testing::generateCohort;

// A female eating 1, 2 and 3 a day in her three stages (2, 3 and 4 time
// units, 2 + 6 + 12 = 20 in all), a male, and one that dies as a larva.
GeneratedCohort smallCohort() {
  GeneratedCohort cohort;
  cohort.numStages = 3;
  cohort.stageNames = {"Egg", "Larva", "Adult"};
  cohort.individuals = {
      {"F", {2, 3, 4}, {{1, 1}, {2, 2, 2}, {3, 3, 3, 3}}},
      {"M", {3, 2, 5}, {{0, 0, 0}, {4, 4}, {1, 1, 1, 1, 1}}},
      {"N", {2, -2}, {{}, {5}}},
  };
  return cohort;
}

void runFast(BootstrapCohort& run, int threads = 0) {
  CountedProgress progress;
  ASSERT_EQ(runBootstrapReplicates(run.state, progress, threads), WorkOutcome::Finished);
}

TEST(BootstrapReplicates, CopiesOfOneFemaleConsumeHerLifetimeConsumption) {
  BootstrapCohort run(smallCohort());
  run.takeSamples({{1, 1, 1}, {1, 1, 1}}, {1, 1});
  runFast(run);
  EXPECT_DOUBLE_EQ(run.state.bootstrap.BootC0(1), 20);
  EXPECT_DOUBLE_EQ(run.state.bootstrap.BootC0(2), 20);
  // Her stages as the only ones of the replicate.
  EXPECT_DOUBLE_EQ(run.state.bootstrap.BootStageDurMean(1, 3), 4);
  EXPECT_DOUBLE_EQ(run.state.bootstrap.BootStageDailyMeanConsumption(3, 1), 3);
  EXPECT_EQ(run.state.bootstrap.BootStageDailyMeanConsumption(4, 1), 0);  // no male adult
}

TEST(BootstrapReplicates, APermutedSampleGivesTheSameC0UpToRounding) {
  BootstrapCohort run(generateCohort(8));
  std::vector<int> forward(static_cast<std::size_t>(run.size()));
  std::iota(forward.begin(), forward.end(), 1);
  const std::vector<int> backward(forward.rbegin(), forward.rend());
  run.takeSamples({forward, backward}, {1, 1});
  runFast(run);
  const double c0 = run.state.bootstrap.BootC0(1);
  EXPECT_NEAR(run.state.bootstrap.BootC0(2), c0, 1e-12 * std::fabs(c0));
}

TEST(BootstrapReplicates, TheIdentitySampleReproducesTheBasicRunsC0BitForBit) {
  for (std::uint32_t seed : {3u, 21u, 40u}) {
    BootstrapCohort run(generateCohort(seed));
    const double basicRunC0 = run.state.ageVectors.NetConsumptionRate;
    std::vector<int> identity(static_cast<std::size_t>(run.size()));
    std::iota(identity.begin(), identity.end(), 1);
    run.takeSamples({identity, identity}, {1, 1});
    runFast(run);
    EXPECT_EQ(run.state.bootstrap.BootC0(1), basicRunC0) << "seed " << seed;
  }
}

TEST(BootstrapReplicates, SameSamplesReplicatesHoldTheListedIndividualsInOrder) {
  BootstrapCohort run(smallCohort());
  run.takeSamples({{1, 2, 3}, {3, 1, 3}}, {1.1, 1.2});
  runFast(run);
  // The working cohort holds the last replicate, position by position.
  const CohortRecords& cohort = run.state.cohort;
  EXPECT_EQ(run.state.header.NumIndividuals, 3);
  EXPECT_EQ(cohort.Sex(1), "N");
  EXPECT_EQ(cohort.Sex(2), "F");
  EXPECT_EQ(cohort.Sex(3), "N");
  EXPECT_EQ(cohort.StageDuration(1, 2), -2);
  EXPECT_EQ(cohort.StageDuration(2, 3), 4);
  EXPECT_EQ(cohort.SerialNo(1), 0);
  // T(x,j) of the replicate: the larva's 5 at age 2 twice, the female's 1 at age 0.
  EXPECT_EQ(cohort.Txj(2, 2), 5 + 5 + 2);
  EXPECT_EQ(cohort.Txj(0, 1), 1);
}

// With lambda = 1 the stable distribution is the replicate's own s(x,j)
// normalised, so psi = C0 / the sum of l(x) over ages.
TEST(BootstrapReplicates, StableDistributionSumsToOneAndGivesC0OverTheSumOfSurvivalAtLambdaOne) {
  for (std::uint32_t seed : {2u, 9u, 17u, 30u}) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    BootstrapCohort run(generateCohort(seed));
    std::vector<int> sample(static_cast<std::size_t>(run.size()));
    for (std::size_t i = 0; i < sample.size(); ++i) sample[i] = 1 + static_cast<int>((i * 7) % sample.size());
    run.takeSamples({sample, sample}, {1.3, 1});
    runFast(run);
    const AnalysisState& state = run.state;  // holds replicate 2
    const int m = state.header.NumStages;
    double normalised = 0;
    double survival = 0;
    for (int x = 0; x <= state.stageStats.MaxAge; ++x) {
      for (int j = 1; j <= m + 1; ++j) {
        normalised += state.bootstrap.SASDBoot(x, j);
        survival += state.matrices.Sxj(x, j);
      }
    }
    EXPECT_NEAR(normalised, 1, 1e-12);
    const double psi = state.bootstrap.BootPsi(2);
    EXPECT_NEAR(psi, state.bootstrap.BootC0(2) / survival, 1e-12 * std::fabs(psi) + 1e-300);
    EXPECT_EQ(state.bootstrap.BootOmega(2), psi);
    EXPECT_EQ(state.bootstrap.BootOmega(1), state.bootstrap.BootPsi(1) * 1.3);
  }
}

TEST(BootstrapReplicates, AfterTheLoopTheSharedStateHoldsTheLastReplicateWithTheBasicRunsMeans) {
  BootstrapCohort run(generateCohort(14));
  const StageStatistics basic = run.state.stageStats;
  run.drawSamples(5, run.size());
  runFast(run);
  const AnalysisState& state = run.state;
  const StageStatistics& st = state.stageStats;
  EXPECT_EQ(state.bootstrap.BootNo, 5);
  EXPECT_EQ(st.OrigMaxAge, basic.OrigMaxAge);
  for (int j = 1; j <= state.header.NumStages; ++j) {
    EXPECT_EQ(st.StageDurMean(j), basic.StageDurMean(j));
    EXPECT_EQ(st.StageDurSampleSize(j), basic.StageDurSampleSize(j));
    EXPECT_EQ(st.StageConsMean(j), basic.StageConsMean(j));
  }
  // The counts are replicate 5's: its stage 1 as the replicate's own statistics.
  int completedStageOne = 0;
  for (int i = 1; i <= state.header.NumIndividuals; ++i) completedStageOne += state.cohort.StageDuration(i, 1) > 0;
  EXPECT_EQ(st.StageDurN(1), completedStageOne);
  EXPECT_EQ(state.ageVectors.NetConsumptionRate, state.bootstrap.BootC0(5));
}

TEST(BootstrapReplicates, EachReplicateClearsTheConsumptionRatesOfTheOneBefore) {
  BootstrapCohort run(smallCohort());
  run.drawSamples(2, 1);
  // Replicate 1 is the long-lived male, replicate 2 the larva that dies at age 3.
  run.state.bootstrap.BootSample(1, 1) = 2;
  run.state.bootstrap.BootSample(2, 1) = 3;
  run.state.bootstrap.sizeResultsFor(2);
  for (std::int32_t b = 1; b <= 2; ++b) {
    run.state.bootstrap.BootNo = b;
    computeReplicateLiterally(run.state);
  }
  EXPECT_EQ(run.state.stageStats.MaxAge, 3);
  for (int x = 4; x <= limits::MaxAgeIndex; ++x) {
    for (int j = 0; j < limits::StageColumns; ++j) EXPECT_EQ(run.state.matrices.Cxj(x, j), 0) << x << "," << j;
  }
}

TEST(BootstrapReplicates, ResultsDoNotDependOnTheNumberOfThreads) {
  BootstrapCohort one(generateCohort(23));
  BootstrapCohort many(generateCohort(23));
  one.drawSamples(50, one.size());
  many.drawSamples(50, many.size());
  runFast(one, 1);
  runFast(many, 7);
  for (std::int32_t b = 1; b <= 50; ++b) EXPECT_EQ(one.state.bootstrap.BootC0(b), many.state.bootstrap.BootC0(b));
}

TEST(BootstrapReplicates, ProgressCountsTheReplicatesAndAStopEndsTheLoopUnfinished) {
  BootstrapCohort run(generateCohort(11));
  run.drawSamples(200, run.size());
  CountedProgress progress;
  ASSERT_EQ(runBootstrapReplicates(run.state, progress, 2), WorkOutcome::Finished);
  EXPECT_EQ(progress.lastDone, 200);
  EXPECT_EQ(progress.lastTotal, 200);

  BootstrapCohort stopped(generateCohort(11));
  stopped.drawSamples(40000, stopped.size());
  CountedProgress stopAtOnce(0);
  EXPECT_EQ(runBootstrapReplicates(stopped.state, stopAtOnce, 2), WorkOutcome::Stopped);
  EXPECT_LT(stopAtOnce.lastDone, 40000);
  CountedProgress stopLiteral(0);
  EXPECT_EQ(runBootstrapReplicatesLiterally(stopped.state, stopLiteral), WorkOutcome::Stopped);
}

}  // namespace
}  // namespace vorelan
