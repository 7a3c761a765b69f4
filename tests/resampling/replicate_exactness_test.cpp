// A replicate's numbers are those of the Basic Run's own steps applied to the
// replicate's cohort, bit for bit: the replicate's individuals are written as
// a data file of their own, read and computed by life01, life03, the stage
// daily means and life05, and every number the replicate loop stored for it
// must be the same double. This guards every speed-up of the loop.
#include <gtest/gtest.h>

#include <bit>
#include <random>
#include <sstream>

#include "lifetable/life01.h"
#include "lifetable/life03.h"
#include "lifetable/life05.h"
#include "lifetable/stage_daily_mean_consumption.h"
#include "resampling/bootstrap_replicates.h"
#include "resampling/calculate_sasd2.h"
#include "support/bootstrap_cohort.h"

namespace vorelan {
namespace {

using testing::BootstrapCohort;
using testing::CountedProgress;
using testing::generateCohort;

// Equal to the last bit (0 and -0 apart, NaN equal to itself).
::testing::AssertionResult sameDouble(const char* what, double replicate, double reference) {
  if (std::bit_cast<std::uint64_t>(replicate) == std::bit_cast<std::uint64_t>(reference))
    return ::testing::AssertionSuccess();
  std::ostringstream text;
  text.precision(17);
  text << what << ": replicate " << replicate << ", reference " << reference;
  return ::testing::AssertionFailure() << text.str();
}

// The Basic Run's steps on the cohort of the replicate's individuals.
struct ReferenceComputation {
  testing::ScriptedPlatform script;
  AnalysisState state;

  explicit ReferenceComputation(const testing::GeneratedCohort& cohort) {
    Platform platform = script.platform();
    cohort.loadInto(state, platform);
    life01(state, platform);
    life03(state, platform);
    CalculateStageDailyMeanConsumption(state, platform);
    life05(state, platform);
  }
};

void expectReplicateIsReference(const BootstrapCohort& run, std::int32_t b) {
  SCOPED_TRACE("replicate " + std::to_string(b));
  const ReferenceComputation reference(run.cohortOf(run.sample(b)));
  const BootstrapState& boot = run.state.bootstrap;
  const StageStatistics& st = reference.state.stageStats;
  const int k = run.cohort.numStages;
  for (int j = 1; j <= k; ++j) {
    EXPECT_TRUE(sameDouble("stage duration mean", boot.BootStageDurMean(b, j), st.StageDurMean(j)));
    EXPECT_TRUE(sameDouble("cumulative duration mean", boot.BootCumDurMean(b, j), j >= 2 ? st.CumDurMean(j) : 0));
    EXPECT_TRUE(sameDouble("stage consumption mean", boot.BootStageConsMean(b, j), st.StageConsMean(j)));
    for (int s = 1; s <= 3; ++s) {
      EXPECT_TRUE(sameDouble("sex stage consumption mean", boot.BootSexStageConsMean(b, s, j),
                             st.SexStageConsMean(s, j)));
    }
  }
  for (int j = 1; j <= k + 1; ++j) {
    EXPECT_TRUE(sameDouble("stage daily mean", boot.BootStageDailyMeanConsumption(j, b),
                           reference.state.ageVectors.StageDailyMeanConsumption(j)));
  }
  EXPECT_TRUE(sameDouble("C0", boot.BootC0(b), reference.state.ageVectors.NetConsumptionRate));
  if (boot.SameBootSamples != "Yes") return;
  AnalysisState scratch;
  BootstrapState& arrays = scratch.bootstrap;
  const double lambda = boot.BootLambda(b);
  const double psi = stableDistributionOfReplicate(
      reference.state.matrices, reference.state.stageStats.MaxAge, k, run.cohort.timeUnit, lambda,
      {arrays.SASDBootRaw, arrays.SASDBootWork, arrays.SASDBoot, arrays.SASDBootTotal});
  EXPECT_TRUE(sameDouble("psi", boot.BootPsi(b), psi));
  EXPECT_TRUE(sameDouble("finite predation rate", boot.BootOmega(b), psi * lambda));
}

// A sample size of N, of a few individuals, or of up to 400 (so that one
// individual may fill many positions).
int sampleSizeFor(std::uint32_t seed, int cohortSize) {
  switch (seed % 3) {
    case 0:
      return cohortSize;
    case 1:
      return 1 + static_cast<int>(seed % 7);
    default:
      return 1 + static_cast<int>((seed * 7919u) % 400u);
  }
}

TEST(ReplicateExactness, NewSamplesOfGeneratedCohortsAreTheBasicRunsNumbersOfTheirCohorts) {
  for (std::uint32_t seed = 1; seed <= 36; ++seed) {
    SCOPED_TRACE("cohort seed " + std::to_string(seed));
    BootstrapCohort run(generateCohort(seed));
    run.script.fixedRunSeed = seed;
    run.drawSamples(6, sampleSizeFor(seed, run.size()));
    CountedProgress progress;
    ASSERT_EQ(runBootstrapReplicates(run.state, progress, 3), WorkOutcome::Finished);
    for (std::int32_t b = 1; b <= 6; ++b) expectReplicateIsReference(run, b);
  }
}

TEST(ReplicateExactness, SamplesOfTheSiblingProgramGiveTheBasicRunsNumbersAndPsiOfTheirCohorts) {
  for (std::uint32_t seed = 101; seed <= 124; ++seed) {
    SCOPED_TRACE("cohort seed " + std::to_string(seed));
    BootstrapCohort run(generateCohort(seed));
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> individual(1, run.size());
    std::uniform_real_distribution<double> rate(0.7, 1.6);
    std::vector<std::vector<int>> rows(5, std::vector<int>(static_cast<std::size_t>(run.size())));
    std::vector<double> lambdas;
    for (auto& row : rows) {
      for (int& k : row) k = individual(rng);
      lambdas.push_back(rate(rng));
    }
    run.takeSamples(rows, lambdas);
    CountedProgress progress;
    ASSERT_EQ(runBootstrapReplicates(run.state, progress, 2), WorkOutcome::Finished);
    for (std::int32_t b = 1; b <= 5; ++b) expectReplicateIsReference(run, b);
  }
}

// Both time units, at the limits of the cohort.
TEST(ReplicateExactness, CohortsAtTheLimitsInBothTimeUnits) {
  for (const double timeUnit : {1.0, 0.5}) {
    testing::CohortGeneratorOptions options;
    options.minIndividuals = options.maxIndividuals = 400;
    options.minStages = options.maxStages = 11;
    options.minStageDuration = 30;
    options.maxStageDuration = 36;
    options.timeUnit = timeUnit;
    BootstrapCohort run(generateCohort(77, options));
    run.drawSamples(3, 400);
    CountedProgress progress;
    ASSERT_EQ(runBootstrapReplicates(run.state, progress), WorkOutcome::Finished);
    for (std::int32_t b = 1; b <= 3; ++b) expectReplicateIsReference(run, b);
  }
}

// The straightforward path and the fast one store the same doubles for every
// replicate, whatever the number of threads.
TEST(ReplicateExactness, TheFastPathOnAnyNumberOfThreadsEqualsTheStraightforwardPath) {
  for (std::uint32_t seed : {5u, 12u, 31u}) {
    SCOPED_TRACE("cohort seed " + std::to_string(seed));
    BootstrapCohort literal(generateCohort(seed));
    literal.drawSamples(20, literal.size());
    CountedProgress progress;
    runBootstrapReplicatesLiterally(literal.state, progress);
    for (int threads : {1, 4}) {
      BootstrapCohort fast(generateCohort(seed));
      fast.drawSamples(20, fast.size());
      runBootstrapReplicates(fast.state, progress, threads);
      const BootstrapState& a = literal.state.bootstrap;
      const BootstrapState& f = fast.state.bootstrap;
      for (std::int32_t b = 1; b <= 20; ++b) {
        EXPECT_TRUE(sameDouble("C0", f.BootC0(b), a.BootC0(b)));
        for (int j = 0; j < limits::StageColumns; ++j) {
          EXPECT_TRUE(sameDouble("stage duration mean", f.BootStageDurMean(b, j), a.BootStageDurMean(b, j)));
          EXPECT_TRUE(sameDouble("cumulative mean", f.BootCumDurMean(b, j), a.BootCumDurMean(b, j)));
          EXPECT_TRUE(sameDouble("consumption mean", f.BootStageConsMean(b, j), a.BootStageConsMean(b, j)));
          EXPECT_TRUE(sameDouble("daily mean", f.BootStageDailyMeanConsumption(j, b),
                                 a.BootStageDailyMeanConsumption(j, b)));
          for (int s = 0; s <= 3; ++s) {
            EXPECT_TRUE(sameDouble("sex consumption mean", f.BootSexStageConsMean(b, s, j),
                                   a.BootSexStageConsMean(b, s, j)));
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace vorelan
