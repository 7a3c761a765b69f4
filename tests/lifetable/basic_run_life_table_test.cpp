#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "runs/basic_run.h"
#include "runs/open_data_file.h"
#include "datafile/raw_data_reader.h"
#include "support/life_table_run.h"
#include "support/fixture_path.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"
#include "support/test_name.h"

namespace vorelan {
namespace {

using testing::ScriptedPlatform;

TEST(BasicRunOrder, RunsTheLifeTableComputationsInTheirOrder) {
  std::vector<std::string> names;
  for (const NamedStep& step : basicRunOrder()) names.emplace_back(step.name);
  const std::vector<std::string> computations = {
      "InputData", "life01", "life02", "life10",
      "life03",    "life04", "life05", "CalculateStageDailyMeanConsumption"};
  auto from = names.begin();
  for (const auto& name : computations) {
    EXPECT_EQ(std::count(names.begin(), names.end(), name), 1) << name;
    const auto found = std::find(from, names.end(), name);
    ASSERT_NE(found, names.end()) << name << " missing or out of order";
    from = found;
  }
}

// The three individuals of the fixture: a male living 13 time units and
// eating 19, a female living 14 and eating 25, an unsexed pupa dying after 9
// time units, having eaten 8.
TEST(BasicRun, ComputesTheLifeTableOfTheFixtureCohort) {
  testing::TempDir dir;
  const std::string data =
      dir.write("cohort.txt", testing::readFile(testing::fixturePath("three_individuals.txt")));
  ScriptedPlatform script;
  Platform platform = script.platform();
  AnalysisState state;
  script.inputAnswers = {"0.5"};
  script.chosenFiles = {data};
  ASSERT_TRUE(OpenDataFile(state, platform));
  ASSERT_EQ(BasicRun(state, platform), BasicRunOutcome::Computed);

  EXPECT_EQ(state.stageStats.MaxAge, 13);
  EXPECT_DOUBLE_EQ(state.ageVectors.NetConsumptionRate, 52.0 / 3);
  EXPECT_DOUBLE_EQ(state.span.LifetimeConsMean, 52.0 / 3);
  EXPECT_EQ(state.longevity.Nc, 3);
  EXPECT_DOUBLE_EQ(state.longevity.Cbar, 52.0 / 3);
  EXPECT_DOUBLE_EQ(state.longevity.MeanLongevity, 6);  // (13 + 14 + 9) / 3 time units of half a day
  EXPECT_EQ(state.matrices.Nxj(0, 1), 3);
  EXPECT_EQ(state.matrices.Nxj(13, 4), 1);
  EXPECT_DOUBLE_EQ(state.ageVectors.Lx(13), 1.0 / 3);
  EXPECT_DOUBLE_EQ(state.ageVectors.StageDailyMeanConsumption(2), 31.0 / 8);
  EXPECT_DOUBLE_EQ(state.ageVectors.StageDailyMeanConsumption(4), 14.0 / 3);
  EXPECT_DOUBLE_EQ(state.ageVectors.StageDailyMeanConsumption(5), 3.5);
  EXPECT_EQ(state.header.StageName(1, 2), "Larv");
  EXPECT_EQ(state.header.StageName(1, 4), "Fema");
  EXPECT_EQ(state.header.StageName(1, 5), "Male");
  EXPECT_EQ(state.header.StageNameAsRead(1, 4), "Female");
  EXPECT_TRUE(script.windowLines.empty());
}

// The example shipped for new users, at both time units: the consistent
// relationships that the report states hold.
class ExampleCohort : public ::testing::TestWithParam<double> {};

TEST_P(ExampleCohort, SatisfiesTheIdentitiesOfTheLifeTable) {
  ScriptedPlatform script;
  Platform platform = script.platform();
  AnalysisState state;
  state.run.TimeUnit = GetParam();
  state.report.DataFileName = std::string(VORELAN_EXAMPLES_DIR) + "/predatory_mite.txt";
  InputData(state, platform);
  testing::runLifeTableSteps(state, script);

  const int n = state.header.NumIndividuals;
  const int maxAge = state.stageStats.MaxAge;
  const double c0 = state.ageVectors.NetConsumptionRate;
  double lSum = 0;
  for (int x = 0; x <= maxAge; ++x) {
    lSum += state.ageVectors.Lx(x);
    EXPECT_NEAR(state.longevity.AgeN(x), n * state.ageVectors.Lx(x), 1e-9) << "age " << x;
  }
  EXPECT_GT(state.ageVectors.Lx(maxAge), 0);
  EXPECT_NEAR(c0, state.span.LifetimeConsMean, 1e-9);
  EXPECT_NEAR(n * c0, state.longevity.Nc * state.longevity.Cbar, 1e-9);
  EXPECT_NEAR(state.ageVectors.CumQx(maxAge), c0, 1e-9);
  EXPECT_NEAR(lSum * GetParam(), state.longevity.MeanLongevity, 1e-9);
  EXPECT_TRUE(script.windowLines.empty());
}

INSTANTIATE_TEST_SUITE_P(TimeUnits, ExampleCohort, ::testing::Values(1.0, 0.5), [](const auto& info) {
  return "TimeUnit_" + testing::testNameOfNumber(info.param);
});

}  // namespace
}  // namespace vorelan
