#include "lifetable/life10.h"

#include <gtest/gtest.h>

#include <cmath>

#include "lifetable/life01.h"
#include "support/life_table_run.h"
#include "support/test_name.h"

namespace vorelan {
namespace {

using testing::cohortFile;
using testing::FourStages;
using testing::readInto;
using testing::ScriptedPlatform;

AnalysisState longevityOf(const std::vector<std::string>& stages, const std::vector<std::string>& records,
                          double timeUnit) {
  ScriptedPlatform script;
  AnalysisState state;
  readInto(state, cohortFile(stages, records), timeUnit, script);
  Platform platform = script.platform();
  life01(state, platform);
  life10(state, platform);
  return state;
}

class Life10TimeUnit : public ::testing::TestWithParam<double> {};

TEST_P(Life10TimeUnit, AFemaleIsAliveOnEveryTimeUnitOfHerLife) {
  const double timeUnit = GetParam();
  const auto state = longevityOf(FourStages, {"1,F,2,3,6,9,-1,-1,-1,-1"}, timeUnit);
  EXPECT_DOUBLE_EQ(state.longevity.Longevity(1), 20 * timeUnit);
  EXPECT_EQ(state.longevity.LastAge(1), 20);
  ASSERT_EQ(state.stageStats.MaxAge, 19);
  for (int x = 0; x <= 19; ++x) EXPECT_EQ(state.longevity.AgeN(x), 1) << "age " << x;
  EXPECT_EQ(state.longevity.AgeN(20), 0);
}

INSTANTIATE_TEST_SUITE_P(TimeUnits, Life10TimeUnit, ::testing::Values(1.0, 0.5), [](const auto& info) {
  return "TimeUnit_" + testing::testNameOfNumber(info.param);
});

TEST(Life10, LongevityStatisticsAndStageExtremes) {
  const auto state = longevityOf(FourStages, {"1,F,1,1,1,1,-1,-1,-1,-1", "2,N,3,2,-4,-1,-1,-1"}, 0.5);
  const LongevityStatistics& lg = state.longevity;
  EXPECT_EQ(lg.Longevity(1), 2);
  EXPECT_EQ(lg.Longevity(2), 4.5);  // 9 time units
  EXPECT_EQ(lg.LastAge(2), 9);
  EXPECT_DOUBLE_EQ(lg.MeanLongevity, 3.25);
  EXPECT_DOUBLE_EQ(lg.SDLongevity, std::sqrt(3.125));
  EXPECT_DOUBLE_EQ(lg.SELongevity, 1.25);
  EXPECT_EQ(lg.MinLongevity, 2);
  EXPECT_EQ(lg.MaxLongevity, 4.5);
  EXPECT_EQ(lg.StageDurMin(1), 0.5);
  EXPECT_EQ(lg.StageDurMax(1), 1.5);
  EXPECT_EQ(lg.StageDurMin(3), 0.5);  // the pupa that died does not enter
  EXPECT_EQ(lg.StageDurMax(3), 0.5);
  EXPECT_EQ(lg.MaxFemaleLongevity, 0.5);
  EXPECT_EQ(lg.MaxMaleLongevity, 0);
}

TEST(Life10, AStageNobodyCompletedKeepsItsExtremes) {
  ScriptedPlatform script;
  AnalysisState state;
  // Two larvae that die: nobody completes the larval stage or reaches the adult stage.
  readInto(state, cohortFile(FourStages, {"1,N,1,-2,-1,-1", "2,N,3,-1,-1,-1"}), 1, script);
  state.longevity.StageDurMin(2) = 7;
  state.longevity.StageDurMax(2) = 8;
  Platform platform = script.platform();
  life01(state, platform);
  life10(state, platform);
  const LongevityStatistics& lg = state.longevity;
  EXPECT_EQ(lg.StageDurMin(1), 1);
  EXPECT_EQ(lg.StageDurMax(1), 3);
  EXPECT_EQ(lg.StageDurMin(2), 7);
  EXPECT_EQ(lg.StageDurMax(2), 8);
  EXPECT_EQ(lg.StageDurMax(4), 0);
  EXPECT_EQ(lg.MaxFemaleLongevity, 0);  // no female reached the adult stage
  EXPECT_EQ(lg.MaxMaleLongevity, 0);
  EXPECT_EQ(lg.MinLongevity, 3);
  EXPECT_EQ(lg.MaxLongevity, 4);
}

TEST(Life10, DailyConsumptionByAgeAndTheEffectiveConsumers) {
  // Ate on its first day only; never ate; ate 1 then 2 as it died.
  const auto state = longevityOf({"Egg", "Adult"}, {"1,F,2,1,5,-1,-1", "2,M,2,1,-1,-1", "3,N,-2,1,2,-1"}, 1);
  const LongevityStatistics& lg = state.longevity;
  EXPECT_EQ(lg.AgeN(0), 3);
  EXPECT_DOUBLE_EQ(lg.AgeMeanDailyConsumption(0), 2);  // (5 + 0 + 1) / 3
  EXPECT_DOUBLE_EQ(lg.AgeDailyConsumptionSD(0), std::sqrt(7.0));
  EXPECT_DOUBLE_EQ(lg.AgeDailyConsumptionSE(0), std::sqrt(7.0 / 3));
  EXPECT_EQ(lg.AgeN(2), 2);
  EXPECT_EQ(lg.MaxDailyConsumption, 5);
  EXPECT_EQ(lg.TotalConsumption(1), 5);
  EXPECT_EQ(lg.TotalConsumption(2), 0);
  EXPECT_EQ(lg.TotalConsumption(3), 3);
  EXPECT_EQ(lg.MaxLifetimeConsumption, 5);
  EXPECT_EQ(lg.Nc, 2);
  EXPECT_DOUBLE_EQ(lg.Cbar, 4);
}

TEST(Life10, NobodyConsumedAnything) {
  const auto state = longevityOf({"Egg", "Adult"}, {"1,N,-1,-1"}, 1);
  EXPECT_EQ(state.longevity.Nc, 0);
  EXPECT_EQ(state.longevity.Cbar, 0);
  EXPECT_EQ(state.longevity.MeanLongevity, 1);
  EXPECT_EQ(state.longevity.SDLongevity, 0);  // one individual: no spread
  EXPECT_EQ(state.longevity.SELongevity, 0);
}

}  // namespace
}  // namespace vorelan
