// A cohort at every limit at once: 400 individuals, 11 stages, lives of 404
// time units and the largest daily values accepted. It passes the checks,
// is read by every reader and carried through the whole Basic Run without
// any index beyond an array or any sum overflowing.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "runs/basic_run.h"
#include "datafile/bootstrap_reader.h"
#include "runs/handler_boundary.h"
#include "datafile/jackknife_reader.h"
#include "runs/open_data_file.h"
#include "model/limits.h"
#include "support/cohort_text.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

using testing::ScriptedPlatform;
using testing::TempDir;

// Ten pre-adult stages of 36 time units and an adult stage of 44: 404 in all.
std::string recordAtTheLimits(int i) {
  const char* sex = i % 2 == 0 ? "M" : "F";
  std::string record = std::to_string(i) + "," + sex;
  for (int j = 1; j <= 10; ++j) record += ",36";
  record += ",44";
  const std::string value = i % 3 == 0 ? "1e12" : "0.5";
  for (int j = 1; j <= 11; ++j) {
    const int d = j < 11 ? 36 : 44;
    for (int k = 0; k < d; ++k) record += "," + value;
    record += ",-1";
  }
  return record;
}

TEST(CohortAtTheLimits, IsCheckedReadAndRunWithoutFault) {
  std::vector<std::string> stages;
  for (int j = 1; j <= 11; ++j) stages.push_back("S" + std::to_string(j));
  std::vector<std::string> records;
  for (int i = 1; i <= limits::MaxIndividuals; ++i) records.push_back(recordAtTheLimits(i));
  TempDir dir;
  const std::string data = dir.write("limits.txt", testing::cohortFile(stages, records, 2));

  AnalysisState state;
  ScriptedPlatform script;
  Platform platform = script.platform();
  script.inputAnswers = {"1"};
  script.chosenFiles = {data};
  ASSERT_TRUE(runHandler(state, platform, [&] {
    ASSERT_TRUE(OpenDataFile(state, platform));
    ASSERT_EQ(BasicRun(state, platform), BasicRunOutcome::Computed);
  }));
  EXPECT_TRUE(script.messages().empty()) << script.messages().at(0).text;
  EXPECT_EQ(state.header.NumIndividuals, 400);
  EXPECT_EQ(state.header.MaxAgeRead, 404);
  EXPECT_EQ(state.cohort.DailyConsumption(400, 403), 0.5);
  EXPECT_EQ(state.cohort.DailyConsumption(400, 405), -1);
  // Individual 399 is a female (odd) eating 1e12 a day as an adult.
  EXPECT_EQ(state.cohort.StageConsumption(399, 11), 44e12);
  EXPECT_TRUE(std::isfinite(state.ageVectors.TotalNetConsumptionRate));

  state.jackknife.JackOmitted = 400;
  ASSERT_TRUE(runHandler(state, platform, [&] { InputDataForJackknife(state, platform); }));
  EXPECT_EQ(state.header.NumIndividuals, 399);
  EXPECT_EQ(state.cohort.DailyConsumption(399, 405), -1);
  ASSERT_TRUE(runHandler(state, platform, [&] { InputDataForBootstrap(state, platform); }));
  EXPECT_EQ(state.source.NumSourceIndividuals, 400);
  // Individual 400 is a male: its adult values stand in the male adult column.
  EXPECT_EQ(state.source.SourceStageDailyConsumption(400, 403, 12), 0.5);
  EXPECT_TRUE(script.messages().empty());
}

}  // namespace
}  // namespace vorelan
