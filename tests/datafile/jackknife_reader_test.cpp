#include "datafile/jackknife_reader.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/five_individuals.h"
#include "runs/handler_boundary.h"
#include "datafile/raw_data_reader.h"
#include "model/limits.h"
#include "platform/program_termination.h"
#include "support/cohort_text.h"
#include "support/fixture_path.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

using testing::FiveIndividuals;
using testing::HandRecord;
using testing::ScriptedPlatform;

constexpr int Ages = limits::MaxAgeIndex + 1;

// Row `index` of the working cohort holds `expected` and nothing else.
void expectRow(const AnalysisState& state, int index, const HandRecord& expected) {
  const CohortRecords& cohort = state.cohort;
  EXPECT_EQ(cohort.SerialNo(index), expected.serial);
  EXPECT_EQ(cohort.Sex(index), expected.sex);
  for (int j = 0; j < limits::StageColumns; ++j) {
    EXPECT_EQ(cohort.StageDuration(index, j), j < 5 ? expected.duration[j] : 0) << "stage " << j;
    EXPECT_EQ(cohort.StageConsumption(index, j), j < 5 ? expected.stageConsumption[j] : 0)
        << "stage " << j;
  }
  const int lastAge = static_cast<int>(expected.days.size());
  for (int x = 0; x < Ages; ++x) {
    const double want = x < lastAge ? expected.days[x] : x == lastAge + 1 ? -1 : 0;
    EXPECT_EQ(cohort.DailyConsumption(index, x), want) << "age " << x;
  }
}

TEST(InputDataForJackknife, EachPassReadsTheOtherFourInFileOrder) {
  ScriptedPlatform script;
  Platform platform = script.platform();
  AnalysisState state;
  state.report.DataFileName = testing::fixturePath("five_individuals.txt");
  // The passes follow a Basic Run, which cut the names of row 1.
  InputData(state, platform);
  state.header.StageName(1, 4) = "Fema";

  for (int omitted = 1; omitted <= 5; ++omitted) {
    SCOPED_TRACE("omitted " + std::to_string(omitted));
    state.jackknife.JackOmitted = omitted;
    InputDataForJackknife(state, platform);

    EXPECT_EQ(state.header.NumIndividuals, 4);
    EXPECT_EQ(state.header.NumIndividualsInFile, 5);
    EXPECT_EQ(state.header.StageName(1, 4), "Female");
    std::vector<HandRecord> kept;
    for (const HandRecord& r : FiveIndividuals) {
      if (r.serial != omitted) kept.push_back(r);
    }
    // Nothing is left beyond the four rows.
    EXPECT_EQ(state.cohort.StageDuration.rows(), 5u);
    double maxAge = 0;
    Array2<double> txj(Ages, limits::StageColumns);
    for (int index = 1; index <= 4; ++index) {
      const HandRecord& r = kept[index - 1];
      expectRow(state, index, r);
      maxAge = std::max(maxAge, r.maxAgeAtClose);
      for (const auto& cell : r.txj) txj(cell.age, cell.column) += cell.value;
    }
    EXPECT_EQ(state.header.MaxAgeRead, maxAge);
    for (int x = 0; x < Ages; ++x) {
      for (int c = 0; c < limits::StageColumns; ++c) {
        EXPECT_EQ(state.cohort.Txj(x, c), txj(x, c)) << "T(" << x << "," << c << ")";
      }
    }
  }
  EXPECT_TRUE(script.boxes.empty());
}

TEST(InputDataForJackknife, LeavingOutTheLongestLifeLowersMaxAgeRead) {
  ScriptedPlatform script;
  Platform platform = script.platform();
  AnalysisState state;
  state.report.DataFileName = testing::fixturePath("five_individuals.txt");
  state.jackknife.JackOmitted = 4;
  InputDataForJackknife(state, platform);
  EXPECT_EQ(state.header.MaxAgeRead, 7);
  // Record 5 moved down into row 4; the female adult column holds record 1 only.
  EXPECT_EQ(state.cohort.Sex(4), "N");
  EXPECT_EQ(state.cohort.Txj(6, 4), 8);
  EXPECT_EQ(state.cohort.Txj(2, 2), 5 + 3 + 2 + 4);
}

TEST(InputDataForJackknife, SerialNumbersAreNotCompared) {
  testing::TempDir dir;
  ScriptedPlatform script;
  Platform platform = script.platform();
  AnalysisState state;
  state.report.DataFileName = dir.write(
      "cohort.txt", testing::cohortFile({"Egg", "Adult"}, {"7,F,1,1,-1,-1", "7,M,1,1,2,-1,3,-1", "1,N,-1,-1"}));
  state.jackknife.JackOmitted = 1;
  InputDataForJackknife(state, platform);
  EXPECT_EQ(state.cohort.SerialNo(1), 7);
  EXPECT_EQ(state.cohort.Sex(1), "M");
  EXPECT_EQ(state.cohort.SerialNo(2), 1);
  EXPECT_TRUE(script.boxes.empty());
}

TEST(InputDataForJackknife, AFileThatNoLongerHoldsTheOmittedIndividualIsRefused) {
  testing::TempDir dir;
  ScriptedPlatform script;
  Platform platform = script.platform();
  AnalysisState state;
  state.report.DataFileName = dir.write("cohort.txt", testing::cohortFile({"Egg", "Adult"}, {"1,F,1,1,-1,-1"}));
  state.files.file3.open((dir.path() / "cohort_0_Jackknife_Output.txt").string());
  state.jackknife.JackOmitted = 2;
  EXPECT_FALSE(runHandler(state, platform, [&] { InputDataForJackknife(state, platform); }));
  EXPECT_EQ(script.endProgramCalls, 1);
  EXPECT_FALSE(state.files.file3.isOpen());
  ASSERT_EQ(script.messages().size(), 1u);
  EXPECT_EQ(script.messages()[0].text,
            "The data file ends before individual no.2.\nPlease correct your data and rerun this program.");
}

struct JackknifeErrorCase {
  const char* name;
  std::vector<std::string> records;
  int omitted;
  std::string text;
  bool toldOnTheMainWindow;  // only a record read before the omitted one
};

void PrintTo(const JackknifeErrorCase& c, std::ostream* out) { *out << c.name; }

class JackknifeErrors : public ::testing::TestWithParam<JackknifeErrorCase> {};

TEST_P(JackknifeErrors, ShowTheirOwnBoxAndCloseEveryFile) {
  const auto& c = GetParam();
  testing::TempDir dir;
  ScriptedPlatform script;
  Platform platform = script.platform();
  AnalysisState state;
  state.report.DataFileName = dir.write("cohort.txt", testing::cohortFile({"Egg", "Larva", "Adult"}, c.records));
  state.files.file3.open((dir.path() / "cohort_0_Jackknife_Output.txt").string());
  state.files.file1.open((dir.path() / "result.txt").string());
  state.jackknife.JackOmitted = c.omitted;

  EXPECT_THROW(InputDataForJackknife(state, platform), ProgramTermination);
  EXPECT_FALSE(state.files.file3.isOpen());
  EXPECT_FALSE(state.files.file1.isOpen());
  ASSERT_EQ(script.messages().size(), 1u);
  EXPECT_EQ(script.messages()[0].title, "Error in data file!");
  EXPECT_EQ(script.messages()[0].text, c.text);
  if (c.toldOnTheMainWindow) {
    EXPECT_EQ(script.windowLines, std::vector<std::string>{"Error in data file, please correct it!"});
  } else {
    EXPECT_TRUE(script.windowLines.empty());
  }
}

const std::string Good = ",F,1,1,1,-1,-1,-1";

INSTANTIATE_TEST_SUITE_P(
    Records, JackknifeErrors,
    ::testing::Values(
        JackknifeErrorCase{"wrong_letter_before_the_omitted", {"1" + Good, "2,X,1,1,1,-1,-1,-1", "3" + Good}, 3,
                           "Error in data file, please correct it! Individual no.2or3.", true},
        JackknifeErrorCase{"wrong_letter_in_the_omitted", {"1" + Good, "2,X,1,1,1,-1,-1,-1", "3" + Good}, 2,
                           "Error in data file, please correct it! Individual no.2or3.", false},
        JackknifeErrorCase{"N_with_adult_stage_after_the_omitted",
                           {"1" + Good, "2" + Good, "3" + Good, "4" + Good, "5,N,1,1,1,-1,-1,-1"}, 1,
                           "Error in data file, please correct it! Individual no.5or6.", false},
        JackknifeErrorCase{"N_with_adult_stage_before_the_omitted", {"1,N,1,1,1,-1,-1,-1", "2" + Good}, 2,
                           "Error in data file, please correct it! Individual no.1or2.", true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vorelan
