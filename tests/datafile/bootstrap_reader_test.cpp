#include "datafile/bootstrap_reader.h"

#include <gtest/gtest.h>

#include "support/five_individuals.h"
#include "runs/handler_boundary.h"
#include "datafile/raw_data_reader.h"
#include "model/limits.h"
#include "support/cohort_text.h"
#include "support/fixture_path.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

using testing::FiveIndividuals;
using testing::ScriptedPlatform;

constexpr int Ages = limits::MaxAgeIndex + 1;

TEST(InputDataForBootstrap, FillsTheSourceCohortFromTheFile) {
  ScriptedPlatform script;
  Platform platform = script.platform();
  AnalysisState state;
  state.report.DataFileName = testing::fixturePath("five_individuals.txt");
  // As after a Basic Run and a cut of the names of row 1.
  InputData(state, platform);
  state.header.StageName(1, 5) = "Male";
  state.header.StageName(1, 4) = "Fema";
  state.header.NumIndividuals = 4;
  state.matrices.Cxj(3, 2) = 1.5;

  InputDataForBootstrap(state, platform);

  const SourceCohort& source = state.source;
  EXPECT_EQ(source.NumSourceIndividuals, 5);
  EXPECT_EQ(state.bootstrap.BootSampleSize, 5);
  EXPECT_EQ(source.SourceMaxAge, 11);
  for (const auto& r : FiveIndividuals) {
    const int i = r.serial;
    SCOPED_TRACE("individual " + std::to_string(i));
    EXPECT_EQ(source.SourceSerialNo(i), i);
    EXPECT_EQ(source.SourceSex(i), r.sex);
    for (int j = 1; j <= 4; ++j) {
      EXPECT_EQ(source.SourceStageDuration(i, j), r.duration[j]);
      EXPECT_EQ(source.SourceStageConsumption(i, j), r.stageConsumption[j]);
    }
    const int lastAge = static_cast<int>(r.days.size());
    for (int x = 0; x < Ages; ++x) {
      const double want = x < lastAge ? r.days[x] : x == lastAge + 1 ? -1 : 0;
      EXPECT_EQ(source.SourceDailyConsumption(i, x), want) << "age " << x;
    }
    Array2<double> filed(Ages, limits::StageColumns);
    for (const auto& cell : r.txj) filed(cell.age, cell.column) = cell.value;
    for (int x = 0; x < Ages; ++x) {
      for (int c = 0; c < limits::StageColumns; ++c) {
        EXPECT_EQ(source.SourceStageDailyConsumption(i, x, c), filed(x, c)) << x << "," << c;
      }
    }
  }

  // The header is read again, which restores the names as read; the male
  // adult column, which no header line names, keeps "Male" for the
  // bootstrap's tables; the counts of the working cohort are not touched.
  EXPECT_EQ(state.header.StageName(1, 4), "Female");
  EXPECT_EQ(state.header.StageName(1, 5), "Male");
  EXPECT_EQ(state.header.NumIndividuals, 4);
  EXPECT_EQ(state.header.NumIndividualsInFile, 5);
  // The working cohort, T(x,j), c(x,j) and MaxAgeRead are cleared for the replicates.
  EXPECT_EQ(state.header.MaxAgeRead, 0);
  EXPECT_EQ(state.cohort.Sex(1), "");
  EXPECT_EQ(state.cohort.StageDuration(4, 4), 0);
  EXPECT_EQ(state.cohort.DailyConsumption(1, 8), 0);
  EXPECT_EQ(state.cohort.StageConsumption(1, 4), 0);
  EXPECT_EQ(state.cohort.Txj(6, 4), 0);
  EXPECT_EQ(state.matrices.Cxj(3, 2), 0);
  EXPECT_TRUE(script.boxes.empty());
}

TEST(InputDataForBootstrap, ARecordErrorEndsTheProgramWithEveryFileClosed) {
  testing::TempDir dir;
  ScriptedPlatform script;
  Platform platform = script.platform();
  AnalysisState state;
  state.report.DataFileName =
      dir.write("cohort.txt", testing::cohortFile({"Egg", "Adult"}, {"1,F,1,1,-1,-1", "3,M,1,1,-1,-1"}));
  state.files.file3.open((dir.path() / "cohort_0_Bootstrap_Output.txt").string());
  EXPECT_FALSE(runHandler(state, platform, [&] { InputDataForBootstrap(state, platform); }));
  EXPECT_EQ(script.endProgramCalls, 1);
  EXPECT_FALSE(state.files.file3.isOpen());
  ASSERT_EQ(script.messages().size(), 1u);
  EXPECT_EQ(script.messages()[0].title, "Error in data file");
  EXPECT_EQ(script.messages()[0].text,
            "Check data of individual no. 1 or 2\nPlease correct your data and rerun this program.");
}

}  // namespace
}  // namespace vorelan
