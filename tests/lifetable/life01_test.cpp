#include "lifetable/life01.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/life_table_run.h"

namespace vorelan {
namespace {

using testing::cohortFile;
using testing::FourStages;
using testing::readInto;
using testing::ScriptedPlatform;
using testing::ThreeStages;

// A female and a male that reach the adult stage, an unsexed individual that
// dies as a pupa (after eating 7 there) and one that dies as an egg.
const std::vector<std::string> MixedCohort = {
    "1,F,2,3,4,5,-1,1,2,3,-1,1,-1,4,-1",
    "2,M,2,5,4,6,-1,2,2,-1,-1,3,3,-1",
    "3,N,3,4,-2,-1,5,-1,7,-1",
    "4,N,-2,-1",
};

AnalysisState stageStatisticsOf(const std::vector<std::string>& stages,
                                const std::vector<std::string>& records, double timeUnit) {
  ScriptedPlatform script;
  AnalysisState state;
  readInto(state, cohortFile(stages, records), timeUnit, script);
  Platform platform = script.platform();
  life01(state, platform);
  return state;
}

TEST(Life01, StageDurationsCountOnlyTheIndividualsThatCompletedTheStage) {
  const auto state = stageStatisticsOf(FourStages, MixedCohort, 1);
  const StageStatistics& st = state.stageStats;
  const int expectedN[] = {0, 3, 3, 2, 2};
  for (int j = 1; j <= 4; ++j) {
    EXPECT_EQ(st.StageDurN(j), expectedN[j]) << "stage " << j;
    EXPECT_EQ(st.StageDurSampleSize(j), expectedN[j]) << "stage " << j;
  }
  EXPECT_DOUBLE_EQ(st.StageDurMean(1), 7.0 / 3);  // 2, 2, 3
  EXPECT_NEAR(st.StageDurSD(1), std::sqrt(1.0 / 3), 1e-12);
  EXPECT_DOUBLE_EQ(st.StageDurMean(2), 4);  // 3, 5, 4
  EXPECT_DOUBLE_EQ(st.StageDurSD(2), 1);
  EXPECT_DOUBLE_EQ(st.StageDurMean(3), 4);  // the pupa that died is left out
  EXPECT_EQ(st.StageDurSD(3), 0);
  EXPECT_DOUBLE_EQ(st.StageDurMean(4), 5.5);
  EXPECT_NEAR(st.StageDurSD(4), std::sqrt(0.5), 1e-12);
}

TEST(Life01, CumulativeDurationsAndTheirStandardErrors) {
  const auto state = stageStatisticsOf(FourStages, MixedCohort, 1);
  const StageStatistics& st = state.stageStats;
  EXPECT_EQ(st.CumDurN(2), 3);
  EXPECT_DOUBLE_EQ(st.CumDurMean(2), 19.0 / 3);  // 5, 7, 7
  EXPECT_EQ(st.CumDurN(3), 2);
  EXPECT_DOUBLE_EQ(st.CumDurMean(3), 10);  // 9, 11
  EXPECT_DOUBLE_EQ(st.CumDurVar(3), 2);
  EXPECT_DOUBLE_EQ(st.CumDurSE(3), 1);
  EXPECT_DOUBLE_EQ(st.CumDurMean(4), 15.5);  // 14, 17
  EXPECT_DOUBLE_EQ(st.CumDurSD(4), std::sqrt(4.5));
  EXPECT_DOUBLE_EQ(st.CumDurSE(4), 1.5);
  // The pupa that died keeps the age at the end of the last stage it completed.
  EXPECT_EQ(st.CumDuration(3, 3), 7);
  EXPECT_EQ(st.CumDuration(3, 4), 7);
  EXPECT_EQ(st.CumDuration(4, 2), 0);
  EXPECT_EQ(st.MaxAge, 16);  // the male lives 17 time units
  EXPECT_EQ(st.OrigMaxAge, 16);
}

TEST(Life01, HalfDayTimeUnitScalesDurationsButNotAges) {
  const auto state = stageStatisticsOf(FourStages, MixedCohort, 0.5);
  const StageStatistics& st = state.stageStats;
  EXPECT_DOUBLE_EQ(st.StageDurMean(2), 2);
  EXPECT_DOUBLE_EQ(st.StageDurSD(2), 0.5);
  EXPECT_DOUBLE_EQ(st.CumDurMean(4), 7.75);
  EXPECT_DOUBLE_EQ(st.SexCumDurMean(1, 3), 4.5);
  EXPECT_EQ(st.CumDuration(1, 4), 14);
  EXPECT_EQ(st.MaxAge, 16);
  EXPECT_DOUBLE_EQ(st.PreadultDuration(1), 4.5);
  EXPECT_DOUBLE_EQ(st.PreadultDuration(2), 5.5);
}

TEST(Life01, StageConsumptionLeavesOutTheStageOfDeathAndTheStagesNotEntered) {
  const auto state = stageStatisticsOf(FourStages, MixedCohort, 1);
  const StageStatistics& st = state.stageStats;
  EXPECT_EQ(st.StageConsN(2), 3);
  EXPECT_DOUBLE_EQ(st.StageConsMean(2), 5);  // 6, 4, 5
  EXPECT_DOUBLE_EQ(st.StageConsSD(2), 1);
  EXPECT_EQ(st.StageConsMin(2), 4);  // not the 0 of the egg that died
  EXPECT_EQ(st.StageConsMax(2), 6);
  EXPECT_EQ(st.StageConsN(3), 2);
  EXPECT_DOUBLE_EQ(st.StageConsMean(3), 0.5);  // not the 7 eaten by the pupa that died
  EXPECT_EQ(st.StageConsMax(3), 1);
  EXPECT_EQ(st.StageConsSampleSize(3), 2);
  // By sex line: the unsexed line completed the egg and larval stages once.
  EXPECT_EQ(st.SexStageConsN(3, 2), 1);
  EXPECT_DOUBLE_EQ(st.SexStageConsMean(3, 2), 5);
  EXPECT_EQ(st.SexStageConsSampleSize(3, 2), 1);
  EXPECT_EQ(st.SexStageConsN(3, 3), 0);
}

TEST(Life01, ConsumptionExtremesComeFromTheIndividualsThatCompletedTheStage) {
  // Individual 1 dies as an egg after eating 9 there; the larvae eat 7, 2 and 10.
  const auto state = stageStatisticsOf(
      ThreeStages, {"1,N,-1,9,-1", "2,F,1,2,1,-1,3,4,-1,-1", "3,M,1,2,1,-1,1,1,-1,-1", "4,F,1,2,1,-1,5,5,-1,-1"},
      1);
  const StageStatistics& st = state.stageStats;
  EXPECT_EQ(st.StageConsN(1), 3);
  EXPECT_EQ(st.StageConsMin(1), 0);
  EXPECT_EQ(st.StageConsMax(1), 0);  // not the 9 of the egg that died
  EXPECT_EQ(st.StageConsMin(2), 2);  // not the 0 of the egg that never became a larva
  EXPECT_EQ(st.StageConsMax(2), 10);
  EXPECT_DOUBLE_EQ(st.StageConsMean(2), 19.0 / 3);
}

TEST(Life01, PreadultDurationOfThoseThatCompletedThePreadultStages) {
  const auto state = stageStatisticsOf(FourStages, MixedCohort, 1);
  EXPECT_EQ(state.stageStats.PreadultDuration(1), 9);
  EXPECT_EQ(state.stageStats.PreadultDuration(2), 11);
  EXPECT_EQ(state.stageStats.PreadultDuration(3), 0);
  EXPECT_EQ(state.stageStats.PreadultDuration(4), 0);
}

TEST(Life01, WithTwoStagesThePreadultDurationIsStageOneInDays) {
  const auto state =
      stageStatisticsOf({"Nymph", "Adult"}, {"1,F,4,2,-1,-1", "2,N,-3,-1", "3,M,6,1,-1,-1"}, 0.5);
  EXPECT_EQ(state.stageStats.PreadultDuration(1), 2);
  EXPECT_EQ(state.stageStats.PreadultDuration(2), 0);  // died as a nymph: none
  EXPECT_EQ(state.stageStats.PreadultDuration(3), 3);
}

TEST(Life01, AStageCompletedByOneIndividualKeepsItsEarlierStandardDeviation) {
  ScriptedPlatform script;
  AnalysisState state;
  readInto(state, cohortFile(ThreeStages, {"1,F,1,3,2,-1,-1,-1", "2,N,1,-2,-1,-1"}), 1, script);
  state.stageStats.StageDurSD(2) = 42;
  state.stageStats.CumDurSE(2) = 42;
  Platform platform = script.platform();
  life01(state, platform);
  EXPECT_EQ(state.stageStats.StageDurN(2), 1);
  EXPECT_EQ(state.stageStats.StageDurMean(2), 3);
  EXPECT_EQ(state.stageStats.StageDurSD(2), 42);
  EXPECT_EQ(state.stageStats.CumDurSE(2), 42);
  EXPECT_EQ(state.stageStats.CumDurMean(2), 4);
}

TEST(Life01, ASexLineWithNobodyCompletingAStageSkipsItsLaterStages) {
  ScriptedPlatform script;
  AnalysisState state;
  readInto(state, cohortFile(FourStages, {"1,F,1,1,1,1,-1,-1,-1,-1", "2,N,2,-1,-1,-1", "3,N,3,-2,-1,-1"}), 1,
           script);
  StageStatistics& st = state.stageStats;
  st.SexStageDurN(3, 3) = 5;
  st.SexStageDurMean(3, 3) = 9;
  st.SexStageDurMean(3, 2) = 8;
  st.SexCumDurN(3, 3) = 5;
  st.SexStageConsN(3, 4) = 5;
  Platform platform = script.platform();
  life01(state, platform);
  EXPECT_EQ(st.SexStageDurN(3, 1), 2);
  EXPECT_DOUBLE_EQ(st.SexStageDurMean(3, 1), 2.5);
  EXPECT_EQ(st.SexStageDurN(3, 2), 0);
  EXPECT_EQ(st.SexStageDurMean(3, 2), 8);  // not computed for a count of 0
  EXPECT_EQ(st.SexStageDurN(3, 3), 5);     // not reached in this call
  EXPECT_EQ(st.SexStageDurMean(3, 3), 9);
  EXPECT_EQ(st.SexCumDurN(3, 2), 0);
  EXPECT_EQ(st.SexCumDurN(3, 3), 5);
  EXPECT_EQ(st.SexStageConsN(3, 4), 5);
  EXPECT_EQ(st.SexStageDurN(1, 4), 1);  // the female line goes on
}

// MaxAge from stage durations filled in directly (the reader takes whole
// numbers only): the longest life rounded half to even, less 1.
struct MaxAgeCase {
  const char* name;
  std::vector<std::pair<std::string, std::vector<double>>> individuals;
  int maxAge;
};

void PrintTo(const MaxAgeCase& c, std::ostream* out) { *out << c.name; }

class Life01MaxAge : public ::testing::TestWithParam<MaxAgeCase> {};

TEST_P(Life01MaxAge, IsTheLongestLifeLessOne) {
  const MaxAgeCase& c = GetParam();
  AnalysisState state;
  state.header.NumIndividuals = static_cast<int>(c.individuals.size());
  state.header.NumSexes = 3;
  state.header.NumStages = 3;
  state.header.SexName(1) = "F";
  state.header.SexName(2) = "M";
  state.header.SexName(3) = "N";
  state.cohort.resizeFor(state.header.NumIndividuals);
  for (std::size_t i = 0; i < c.individuals.size(); ++i) {
    state.cohort.Sex(i + 1) = c.individuals[i].first;
    for (std::size_t j = 0; j < c.individuals[i].second.size(); ++j) {
      state.cohort.StageDuration(i + 1, j + 1) = c.individuals[i].second[j];
    }
  }
  ScriptedPlatform script;
  Platform platform = script.platform();
  life01(state, platform);
  EXPECT_EQ(state.stageStats.MaxAge, c.maxAge);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Life01MaxAge,
    ::testing::Values(MaxAgeCase{"adult_of_30_5_rounds_to_30", {{"F", {10, 10, 10.5}}, {"M", {5, 5, 5}}}, 29},
                      MaxAgeCase{"adult_of_31_5_rounds_to_32", {{"M", {10, 10, 11.5}}}, 31},
                      MaxAgeCase{"preadult_outliving_every_adult", {{"F", {1, 1, 2}}, {"N", {2, -6}}}, 7},
                      MaxAgeCase{"egg_that_died_after_one_unit", {{"N", {-1}}}, 0},
                      MaxAgeCase{"longest_is_the_adult", {{"N", {3, -4}}, {"F", {2, 3, 4}}}, 8}),
    [](const auto& info) { return std::string(info.param.name); });

// Standard deviations of small and equal consumption values: no floor, and
// equal values give 0 rather than the root of a rounding residue.
struct SpreadCase {
  const char* name;
  std::vector<std::string> eggValues;
  double sd;
};

void PrintTo(const SpreadCase& c, std::ostream* out) { *out << c.name; }

class Life01ConsumptionSpread : public ::testing::TestWithParam<SpreadCase> {};

TEST_P(Life01ConsumptionSpread, OverallAndBySexLine) {
  std::vector<std::string> records;
  for (const auto& v : GetParam().eggValues) {
    records.push_back(std::to_string(records.size() + 1) + ",F,1,1," + v + ",-1,-1");
  }
  const auto state = stageStatisticsOf({"Egg", "Adult"}, records, 1);
  const double overall = state.stageStats.StageConsSD(1);
  const double female = state.stageStats.SexStageConsSD(1, 1);
  EXPECT_FALSE(std::isnan(overall));
  EXPECT_FALSE(std::isnan(female));
  EXPECT_NEAR(overall, GetParam().sd, 1e-9);
  EXPECT_NEAR(female, GetParam().sd, 1e-9);
  EXPECT_GE(overall, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Life01ConsumptionSpread,
    ::testing::Values(SpreadCase{"one_and_one_point_one", {"1.0", "1.1"}, std::sqrt(0.005)},
                      SpreadCase{"milligram_tenths", {"0.1", "0.2"}, std::sqrt(0.005)},
                      SpreadCase{"three_equal_tenths", {"0.1", "0.1", "0.1"}, 0},
                      SpreadCase{"five_equal_values", {"0.3", "0.3", "0.3", "0.3", "0.3"}, 0},
                      SpreadCase{"spread_of_whole_numbers", {"2", "4", "6"}, 2}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vorelan
