#include "resampling/jackknife_passes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "datafile/jackknife_reader.h"
#include "lifetable/life01.h"
#include "lifetable/life03.h"
#include "lifetable/life05.h"
#include "resampling/jack01.h"
#include "support/cohort_generator.h"
#include "support/inline_background_work.h"
#include "support/life_table_run.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

using testing::GeneratedCohort;
using testing::ScriptedPlatform;
using testing::TempDir;

// A Basic Run's computations on a data file written to `dir`, with the
// file's name in the state as Open data file leaves it.
struct AnalysedFile {
  ScriptedPlatform script;
  Platform platform = script.platform();
  AnalysisState state;

  AnalysedFile(const TempDir& dir, const std::string& text, double timeUnit) {
    state.report.DataFileName = dir.write("cohort.txt", text);
    testing::readInto(state, text, timeUnit, script);
    testing::runLifeTableSteps(state, script);
  }
};

// C0 of a Basic Run on the file text.
double basicRunC0(const std::string& text, double timeUnit) {
  ScriptedPlatform script;
  AnalysisState state;
  testing::readInto(state, text, timeUnit, script);
  testing::runLifeTableSteps(state, script);
  return state.ageVectors.NetConsumptionRate;
}

GeneratedCohort without(GeneratedCohort cohort, int k) {
  cohort.individuals.erase(cohort.individuals.begin() + (k - 1));
  return cohort;
}

TEST(JackknifePasses, EachPassGivesBitForBitTheC0OfABasicRunWithoutThatIndividual) {
  testing::CohortGeneratorOptions options;
  options.minIndividuals = 2;
  options.maxIndividuals = 24;
  options.maxStageDuration = 12;
  for (std::uint32_t seed = 1; seed <= 16; ++seed) {
    const GeneratedCohort cohort = testing::generateCohort(seed, options);
    TempDir dir;
    AnalysedFile full(dir, cohort.fileText(), cohort.timeUnit);
    const LeaveOneOutSource source = readLeaveOneOutSource(full.state, full.platform);
    runJackknifePasses(full.state, full.platform, source);

    const int n = static_cast<int>(cohort.individuals.size());
    EXPECT_EQ(full.state.jackknife.JackOmitted, n) << "seed " << seed;
    for (int k = 1; k <= n; ++k) {
      const double c0 = basicRunC0(without(cohort, k).fileText(), cohort.timeUnit);
      EXPECT_EQ(full.state.jackknife.JackC0(k), c0) << "seed " << seed << ", without " << k;
      EXPECT_EQ(full.state.jackknife.JackPseudoC0(k),
                n * full.state.jackknife.JackFullC0 - (n - 1) * c0)
          << "seed " << seed << ", without " << k;
    }
  }
}

template <class Array>
void expectSameArray(const Array& a, const Array& b, const char* what) {
  ASSERT_EQ(a.rows(), b.rows()) << what;
  ASSERT_EQ(a.cols(), b.cols()) << what;
  for (std::size_t r = 0; r < a.rows(); ++r) {
    for (std::size_t c = 0; c < a.cols(); ++c) ASSERT_EQ(a(r, c), b(r, c)) << what << " " << r << "," << c;
  }
}

template <class T>
void expectSameVector(const Array1<T>& a, const Array1<T>& b, const char* what) {
  ASSERT_EQ(a.size(), b.size()) << what;
  for (std::size_t i = 0; i < a.size(); ++i) ASSERT_EQ(a(i), b(i)) << what << " " << i;
}

// The passes as the leave-one-out reader makes them: the whole file read
// again for every omitted individual.
void literalPasses(AnalysisState& state, Platform& platform) {
  const int n = state.header.NumIndividualsInFile;
  for (int k = 1; k <= n; ++k) {
    state.jackknife.JackOmitted = k;
    state.matrices.Cxj.clear();
    state.ageVectors.Kx.clear();
    InputDataForJackknife(state, platform);
    life01(state, platform);
    life03(state, platform);
    life05(state, platform);
  }
}

void expectSameStageStatistics(const StageStatistics& a, const StageStatistics& b) {
#define SAME_VECTOR(member) expectSameVector(a.member, b.member, #member)
#define SAME_ARRAY(member) expectSameArray(a.member, b.member, #member)
  SAME_VECTOR(StageDurN);
  SAME_VECTOR(StageDurSum);
  SAME_VECTOR(StageDurSumSq);
  SAME_VECTOR(StageDurMean);
  SAME_VECTOR(StageDurSD);
  SAME_VECTOR(CumDurN);
  SAME_VECTOR(CumDurMean);
  SAME_VECTOR(CumDurVar);
  SAME_VECTOR(CumDurSD);
  SAME_VECTOR(CumDurSE);
  SAME_ARRAY(SexStageDurN);
  SAME_ARRAY(SexStageDurMean);
  SAME_ARRAY(SexStageDurSD);
  SAME_ARRAY(SexCumDurN);
  SAME_ARRAY(SexCumDurMean);
  SAME_ARRAY(SexCumDurSD);
  SAME_VECTOR(StageConsN);
  SAME_VECTOR(StageConsMean);
  SAME_VECTOR(StageConsSD);
  SAME_VECTOR(StageConsMin);
  SAME_VECTOR(StageConsMax);
  SAME_ARRAY(SexStageConsN);
  SAME_ARRAY(SexStageConsMean);
  SAME_ARRAY(SexStageConsSD);
  SAME_ARRAY(CumDuration);
  SAME_VECTOR(PreadultDuration);
#undef SAME_VECTOR
#undef SAME_ARRAY
  EXPECT_EQ(a.MaxAge, b.MaxAge);
  EXPECT_EQ(a.OrigMaxAge, b.OrigMaxAge);
}

void expectSameStateAfterPasses(const AnalysisState& a, const AnalysisState& b) {
  expectSameVector(a.jackknife.JackC0, b.jackknife.JackC0, "JackC0");
  expectSameVector(a.jackknife.JackPseudoC0, b.jackknife.JackPseudoC0, "JackPseudoC0");
  EXPECT_EQ(a.jackknife.JackOmitted, b.jackknife.JackOmitted);
  EXPECT_EQ(a.header.NumIndividuals, b.header.NumIndividuals);
  EXPECT_EQ(a.header.NumIndividualsInFile, b.header.NumIndividualsInFile);
  EXPECT_EQ(a.header.MaxAgeRead, b.header.MaxAgeRead);
  for (int j = 1; j <= a.header.NumStages + 1; ++j) EXPECT_EQ(a.header.StageName(1, j), b.header.StageName(1, j));
  expectSameVector(a.cohort.Sex, b.cohort.Sex, "Sex");
  expectSameVector(a.cohort.SerialNo, b.cohort.SerialNo, "SerialNo");
  expectSameArray(a.cohort.StageDuration, b.cohort.StageDuration, "StageDuration");
  expectSameArray(a.cohort.DailyConsumption, b.cohort.DailyConsumption, "DailyConsumption");
  expectSameArray(a.cohort.StageConsumption, b.cohort.StageConsumption, "StageConsumption");
  expectSameArray(a.cohort.Txj, b.cohort.Txj, "Txj");
  EXPECT_EQ(a.cohort.AgeCounter, b.cohort.AgeCounter);
  expectSameStageStatistics(a.stageStats, b.stageStats);
  expectSameArray(a.matrices.Nxj, b.matrices.Nxj, "Nxj");
  expectSameArray(a.matrices.Sxj, b.matrices.Sxj, "Sxj");
  expectSameArray(a.matrices.Gxj, b.matrices.Gxj, "Gxj");
  expectSameArray(a.matrices.Dxj, b.matrices.Dxj, "Dxj");
  expectSameArray(a.matrices.Cxj, b.matrices.Cxj, "Cxj");
  expectSameVector(a.matrices.Sj, b.matrices.Sj, "Sj");
  expectSameArray(a.matrices.StageAgeRange, b.matrices.StageAgeRange, "StageAgeRange");
  expectSameVector(a.ageVectors.Qx, b.ageVectors.Qx, "Qx");
  expectSameVector(a.ageVectors.Kx, b.ageVectors.Kx, "Kx");
  expectSameVector(a.ageVectors.AgeValue, b.ageVectors.AgeValue, "AgeValue");
  EXPECT_EQ(a.ageVectors.NetConsumptionRate, b.ageVectors.NetConsumptionRate);
}

TEST(JackknifePasses, LeaveTheStateAsPassesThatReadTheFileEachTime) {
  testing::CohortGeneratorOptions options;
  options.minIndividuals = 2;
  options.maxIndividuals = 30;
  for (std::uint32_t seed = 40; seed <= 45; ++seed) {
    const GeneratedCohort cohort = testing::generateCohort(seed, options);
    TempDir dir;
    AnalysedFile literal(dir, cohort.fileText(), cohort.timeUnit);
    literalPasses(literal.state, literal.platform);
    for (int threads : {1, 3}) {
      SCOPED_TRACE("seed " + std::to_string(seed) + ", threads " + std::to_string(threads));
      AnalysedFile fast(dir, cohort.fileText(), cohort.timeUnit);
      runJackknifePasses(fast.state, fast.platform, readLeaveOneOutSource(fast.state, fast.platform), nullptr,
                         threads);
      expectSameStateAfterPasses(fast.state, literal.state);
    }
  }
}

// The individual whose omission shortens the table stands last, last but
// one, or first; the cohorts hold 2, 3 and more individuals.
TEST(JackknifePasses, LeaveTheStateAsLiteralPassesWhereverTheLongestLifeStands) {
  std::string longLife = "F,1,1,30,-1,-1,";
  for (int x = 0; x < 30; ++x) longLife += "2,";
  longLife += "-1";
  const std::vector<std::string> others = {"F,1,1,2,-1,-1,3,3,-1", "M,2,1,4,-1,6,-1,1,1,-1", "N,1,-2,-1,5,5,-1",
                                           "F,2,1,4,1,-1,8,-1,2,2,2,2,-1"};
  for (std::size_t size : {2u, 3u, 5u}) {
    for (std::size_t at : {size, size - 1, std::size_t{1}}) {
      std::vector<std::string> records;
      std::size_t next = 0;
      for (std::size_t i = 1; i <= size; ++i) {
        const std::string& body = i == at ? longLife : others[next++ % others.size()];
        records.push_back(std::to_string(i) + "," + body);
      }
      SCOPED_TRACE("size " + std::to_string(size) + ", longest at " + std::to_string(at));
      const std::string text = testing::cohortFile(testing::ThreeStages, records);
      TempDir dir;
      AnalysedFile literal(dir, text, 1);
      literalPasses(literal.state, literal.platform);
      AnalysedFile fast(dir, text, 1);
      runJackknifePasses(fast.state, fast.platform, readLeaveOneOutSource(fast.state, fast.platform), nullptr, 2);
      expectSameStateAfterPasses(fast.state, literal.state);
    }
  }
}

// The passes one after another on the state, each cohort built from one
// reading of the file (whose every cohort equals the leave-one-out
// reader's, as the tests above show).
void literalPassesFromOneReading(AnalysisState& state, Platform& platform) {
  const LeaveOneOutSource source = readLeaveOneOutSource(state, platform);
  for (int k = 1; k <= static_cast<int>(source.records.size()); ++k) {
    state.jackknife.JackOmitted = k;
    state.matrices.Cxj.clear();
    state.ageVectors.Kx.clear();
    storeLeaveOneOutCohort(state, source, k);
    life01(state, platform);
    life03(state, platform);
    life05(state, platform);
  }
}

// 400 individuals of 11 stages living up to about 400 time units, of half
// a day each: the counts, sums and ages reach the limits of the arrays.
TEST(JackknifePasses, AtTheLimitsTheStateIsThatOfPassesMadeOneAfterAnother) {
  testing::CohortGeneratorOptions options;
  options.minIndividuals = options.maxIndividuals = 400;
  options.minStages = options.maxStages = 11;
  options.minStageDuration = 30;
  options.maxStageDuration = 36;
  options.timeUnit = 0.5;
  const GeneratedCohort cohort = testing::generateCohort(91, options);
  TempDir dir;
  AnalysedFile literal(dir, cohort.fileText(), cohort.timeUnit);
  literalPassesFromOneReading(literal.state, literal.platform);
  AnalysedFile fast(dir, cohort.fileText(), cohort.timeUnit);
  runJackknifePasses(fast.state, fast.platform, readLeaveOneOutSource(fast.state, fast.platform));
  expectSameStateAfterPasses(fast.state, literal.state);
}

TEST(JackknifePasses, NoAgeBeyondTheLastPassKeepsTheBasicRunsConsumptionRates) {
  // The longest-lived individual is the last: its omission shortens the table.
  std::string longLife = "3,F,1,1,400,-1,-1,";
  for (int x = 0; x < 400; ++x) longLife += "1,";
  const std::vector<std::string> records = {"1,F,1,1,2,-1,-1,3,3,-1", "2,F,1,1,2,-1,-1,6,6,-1",
                                            longLife + "-1"};
  TempDir dir;
  AnalysedFile run(dir, testing::cohortFile(testing::ThreeStages, records), 1);
  ASSERT_GT(run.state.matrices.Cxj(350, 3), 0);
  runJackknifePasses(run.state, run.platform, readLeaveOneOutSource(run.state, run.platform));
  EXPECT_EQ(run.state.stageStats.MaxAge, 3);
  for (int x = 4; x <= limits::MaxAgeIndex; ++x) {
    EXPECT_EQ(run.state.matrices.Cxj(x, 3), 0) << x;
    EXPECT_EQ(run.state.ageVectors.Kx(x), 0) << x;
  }
}

TEST(JackknifePasses, ProgressIsToldAfterEveryPass) {
  const std::vector<std::string> records = {"1,F,1,1,2,-1,-1,3,3,-1", "2,M,1,1,2,-1,-1,6,6,-1",
                                            "3,N,1,-1,-1,-1"};
  TempDir dir;
  AnalysedFile run(dir, testing::cohortFile(testing::ThreeStages, records), 1);
  testing::InlineBackgroundWork background;
  background.run([&](WorkProgress& progress) {
    EXPECT_TRUE(runJackknifePasses(run.state, run.platform,
                                   readLeaveOneOutSource(run.state, run.platform), &progress, 1));
  });
  EXPECT_EQ(background.reports, (std::vector<std::pair<std::int64_t, std::int64_t>>{{1, 3}, {2, 3}, {3, 3}}));
}

TEST(JackknifePasses, ProgressOnSeveralThreadsCountsUpToAllPasses) {
  testing::CohortGeneratorOptions options;
  options.minIndividuals = 60;
  options.maxIndividuals = 60;
  const GeneratedCohort cohort = testing::generateCohort(7, options);
  TempDir dir;
  AnalysedFile run(dir, cohort.fileText(), cohort.timeUnit);
  testing::InlineBackgroundWork background;
  background.run([&](WorkProgress& progress) {
    EXPECT_TRUE(runJackknifePasses(run.state, run.platform,
                                   readLeaveOneOutSource(run.state, run.platform), &progress, 4));
  });
  ASSERT_FALSE(background.reports.empty());
  std::int64_t before = 0;
  for (const auto& [done, total] : background.reports) {
    EXPECT_EQ(total, 60);
    EXPECT_GE(done, before);
    before = done;
  }
  EXPECT_EQ(background.reports.back().first, 60);
}

TEST(JackknifePasses, AStopRequestedEndsThePassesBeforeTheNext) {
  const std::vector<std::string> records = {"1,F,1,1,2,-1,-1,3,3,-1", "2,M,1,1,2,-1,-1,6,6,-1",
                                            "3,N,1,-1,-1,-1"};
  TempDir dir;
  AnalysedFile run(dir, testing::cohortFile(testing::ThreeStages, records), 1);
  testing::InlineBackgroundWork background;
  background.stopAfter = 1;
  const WorkOutcome outcome = background.run([&](WorkProgress& progress) {
    EXPECT_FALSE(runJackknifePasses(run.state, run.platform,
                                    readLeaveOneOutSource(run.state, run.platform), &progress, 1));
  });
  EXPECT_EQ(outcome, WorkOutcome::Stopped);
  EXPECT_NE(run.state.jackknife.JackC0(1), 0);
  EXPECT_EQ(run.state.jackknife.JackC0(2), 0);
  EXPECT_EQ(run.state.jackknife.JackC0(3), 0);
}

// When no omission changes MaxAge, C0 without k is (total - t_k) / (N - 1)
// and the pseudo-value of k is t_k, its lifetime consumption: the jackknife
// mean and S.E. are those of the lifetime consumption.
TEST(JackknifePasses, PseudoValuesAreLifetimeConsumptionsWhenNoOmissionShortensTheTable) {
  const std::vector<std::string> records = {
      "1,F,2,3,4,0.5,-1,1,2,3.5,-1,4,4,4,4,-1",  "2,M,2,3,4,-1,2,2,2,-1,1.5,1.5,-1",
      "3,F,2,3,4,1,1,-1,-1,7,0,7,7,-1",          "4,N,2,-3,-1,9.5,-1",
      "5,M,2,3,4,-1,-1,2.25,2.25,2.25,2.25,-1",  "6,F,1,1,7,-1,3,-1,1,2,3,4,5,6,7,-1",
  };
  TempDir dir;
  AnalysedFile run(dir, testing::cohortFile(testing::ThreeStages, records), 1);
  const int maxAge = run.state.stageStats.MaxAge;
  std::vector<double> lifetime;
  for (int i = 1; i <= 6; ++i) lifetime.push_back(run.state.longevity.TotalConsumption(i));
  const double mean = run.state.span.LifetimeConsMean;
  const double se = run.state.span.LifetimeConsSE;

  runJackknifePasses(run.state, run.platform, readLeaveOneOutSource(run.state, run.platform));
  jack01(run.state, run.platform);
  EXPECT_EQ(run.state.stageStats.MaxAge, maxAge);
  for (int k = 1; k <= 6; ++k) {
    EXPECT_NEAR(run.state.jackknife.JackPseudoC0(k), lifetime[k - 1], 1e-9 * lifetime[k - 1]) << k;
  }
  EXPECT_NEAR(run.state.jackknife.JackMean, mean, 1e-9 * mean);
  EXPECT_NEAR(run.state.jackknife.JackSE, se, 1e-9 * se);
}

TEST(JackknifePasses, EqualPseudoValuesHaveNoSpreadAndAllFallIntoTheFirstClass) {
  // Identical individuals whose sums are exact: leaving out any one gives
  // the whole cohort's C0, so every pseudo-value equals it.
  std::vector<std::string> records;
  for (int i = 1; i <= 5; ++i) records.push_back(std::to_string(i) + ",F,1,1,3,-1,-1,0.5,1.25,3,-1");
  TempDir dir;
  AnalysedFile run(dir, testing::cohortFile(testing::ThreeStages, records), 1);
  runJackknifePasses(run.state, run.platform, readLeaveOneOutSource(run.state, run.platform));
  jack01(run.state, run.platform);
  const JackknifeState& jack = run.state.jackknife;
  for (int k = 1; k <= 5; ++k) EXPECT_EQ(jack.JackPseudoC0(k), 4.75) << k;
  EXPECT_EQ(jack.JackVar, 0);
  EXPECT_EQ(jack.JackSE, 0);
  EXPECT_EQ(jack.JackClasses.ClassWidth, 0);
  EXPECT_EQ(jack.JackClasses.Frequency(0), 5);
}

}  // namespace
}  // namespace vorelan
