#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "cohort/basic_run.h"
#include "cohort/open_data_file.h"
#include "support/fixture_path.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

using testing::ScriptedPlatform;

TEST(BasicRunOrder, RunsTheLifeTableComputationsInTheirOrder) {
  std::vector<std::string> names;
  for (const NamedStep& step : basicRunOrder()) names.emplace_back(step.name);
  const std::vector<std::string> computations = {"InputData", "life01", "life02", "life10", "life03",
                                                 "life04",    "life05", "CalculateStageDailyMeanConsumption"};
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

}  // namespace
}  // namespace vorelan
