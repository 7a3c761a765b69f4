// Every figure data file, statistics file and export file of a Basic Run on
// tests/fixtures/four_feeders.txt, byte for byte. The expected files are
// worked out by hand from the cohort:
//
//   1 F  egg 2, larva 3, adult 4   larva 1 2 1      adult 2.0625 4 3 (0)
//   2 M  egg 2, larva 4, adult 2   larva 1 1 2 3    adult 3.5 1
//   3 N  egg 2, died after 2 as larva               larva 2 1
//   4 F  egg 3, larva 3, adult 3   larva 2 3 0.9375 adult 0.375 2 1
//
// MaxAge = 9 - 1 = 8. Occupation n(x,j) (columns Egg, Larv, Fema, Male) and
// consumption T(x,j):
//   x  n            T
//   0  4 0 0 0      0 0 0 0
//   1  4 0 0 0      0 0 0 0
//   2  1 3 0 0      0 4 0 0
//   3  0 4 0 0      0 6 0 0
//   4  0 3 0 0      0 6 0 0
//   5  0 2 1 0      0 3.9375 2.0625 0
//   6  0 0 2 1      0 0 4.375 3.5
//   7  0 0 2 1      0 0 5 1
//   8  0 0 2 0      0 0 1 0
// so c(x,j) = T/n, l(x) = alive/4, q(x) = T(x)/4, k(x) = T(x)/alive.
// Stage ages: Egg 0..2, Larv 2..5, Fema 5..8, Male 6..7.
// g(x,j): Egg 1 .25 0; Larv 1 .75 2/3 0; Fema 1 1 1 0; Male 1 0.
// d(x,j): Egg 0 .75 1; Larv 0 0 1/3 .5 (the female moving at 5); the male
// maturing at 5 stands in column Fema: d(5,3) = .5.
// Daily values of the individuals alive at x give the S.D. and S.E. of file 1,
// e.g. x = 2: 1 1 2 0, variance (6 - 16/4)/3 = 2/3.
#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <set>
#include <string>

#include "runs/basic_run.h"
#include "runs/open_data_file.h"
#include "report/export_files.h"
#include "support/fixture_path.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

using testing::readFile;

// The lines, each ended by CR LF.
std::string crlf(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) text += std::string(line) + "\r\n";
  return text;
}

class FourFeeders : public ::testing::Test {
 protected:
  void SetUp() override {
    data = dir.write("cohort.txt", readFile(testing::fixturePath("four_feeders.txt")));
    script.inputAnswers = {"1"};
    script.chosenFiles = {data};
    ASSERT_TRUE(OpenDataFile(state, platform));
    ASSERT_EQ(BasicRun(state, platform), BasicRunOutcome::Computed);
  }
  std::string file(const std::string& suffix) const {
    return readFile((dir.path() / ("cohort" + suffix)).string());
  }

  testing::TempDir dir;
  std::string data;
  AnalysisState state;
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
};

// The expected files keep one line of the file a line here.
// clang-format off
TEST_F(FourFeeders, SurvivalAndConsumptionByAge) {
  EXPECT_EQ(file("_2_Fig_Age_lx_Kx_qx.txt"),
            crlf({"\"Fixture cohort\"",
                  "\"2026-01-02\"",
                  "\"Tester\"",
                  "\"Age\",\"l(x)\",\"k(x)\",\"q(x)\",\"cumu. Co\",\"SD of k(x)\",\"SE of k(x)\"",
                  "0,1,0,0,0,0,0",
                  "1,1,0,0,0,0,0",
                  "2,1,1,1,1,0.816496580927726,0.408248290463863",
                  "3,1,1.5,1.5,2.5,0.577350269189626,0.288675134594813",
                  "4,0.75,2,1.5,4,1,0.577350269189626",
                  "5,0.75,2,1.5,5.5,1.03266947761614,0.596212000885591",
                  "6,0.75,2.625,1.96875,7.46875,1.96452920568771,1.13422146573468",
                  "7,0.75,2,1.5,8.96875,1,0.577350269189626",
                  "8,0.5,0.5,0.25,9.21875,0.707106781186548,0.5",
                  "9,0,0,0,9.21875,0,0"}));
}

TEST_F(FourFeeders, AgeStageConsumptionRateForFigures) {
  EXPECT_EQ(file("_1_Fig_Cxj.txt"), crlf({"Age,Egg,Larv,Fema,Male ",
                                          "0, 0 , 0 , 0 , 0  ",
                                          "1, 0 , 0 , 0 , 0  ",
                                          "2, 0 , 1.333 , 0 , 0  ",
                                          "3, 0 , 1.5 , 0 , 0  ",
                                          "4, 0 , 2 , 0 , 0  ",
                                          "5, 0 , 1.969 , 2.062 , 0  ",
                                          "6, 0 , 0 , 2.188 , 3.5  ",
                                          "7, 0 , 0 , 2.5 , 1  ",
                                          "8, 0 , 0 , .5 , 0  ",
                                          "9, 0 , 0 , 0 , 0  "}));
}

TEST_F(FourFeeders, AgeStageConsumptionRateForThePredationProgram) {
  EXPECT_EQ(file("_17_Cxj_For_Predation_Prog.txt"), crlf({" 0 , 0 , 0 ",
                                                          " 1.33333333333333 , 1.5 , 2 , 1.96875 ",
                                                          " 2.0625 , 2.1875 , 2.5 , .5 ",
                                                          " 3.5 , 1 "}));
}

TEST_F(FourFeeders, TotalConsumptionByAge) {
  EXPECT_EQ(file("_Age_Total_Consumption.txt"),
            crlf({"\"Fixture cohort\"",
                  "\"2026-01-02\"",
                  "\"Tester\"",
                  "0,0",
                  "1,0",
                  "2,4",
                  "3,6",
                  "4,6",
                  "5,6",
                  "6,7.875",
                  "7,6",
                  "8,1",
                  "9,0"}));
}

TEST_F(FourFeeders, TotalAgeStageConsumptionForFigures) {
  EXPECT_EQ(file("_3_Fig_Total_age-stage consumption.txt"), crlf({"Age,Egg,Larv,Fema,Male ",
                                                                  "0, 0 , 0 , 0 , 0  ",
                                                                  "1, 0 , 0 , 0 , 0  ",
                                                                  "2, 0 , 4 , 0 , 0  ",
                                                                  "3, 0 , 6 , 0 , 0  ",
                                                                  "4, 0 , 6 , 0 , 0  ",
                                                                  "5, 0 , 3.938 , 2.062 , 0  ",
                                                                  "6, 0 , 0 , 4.375 , 3.5  ",
                                                                  "7, 0 , 0 , 5 , 1  ",
                                                                  "8, 0 , 0 , 1 , 0  ",
                                                                  "9, 0 , 0 , 0 , 0  "}));
}

struct StatisticsFile {
  const char* suffix;
  std::string content;
};

// The egg stage has no consumption and gets no file; individual 3 died as a
// larva and stands in no per-stage file of all sexes.
const StatisticsFile TwoColumnFiles[] = {
    {"_W_Larv_All sexes_consumption.txt",
     crlf({"Project: Fixture cohort", "\"Ind. no.\",\"Consumption rate\"", "\"Larv-all sexes\"",
           "1,4", "2,7", "4,5.9375"})},
    {"_W_Adult_All sexes_consumption.txt",
     crlf({"Project: Fixture cohort", "\"Ind. no.\",\"Consumption rate\"",
           "\"Adult (All sexes)\"", "1,9.0625", "2,4.5", "4,3.375"})},
    {"_W_Larv_Female_consumption.txt",
     crlf({"Project: Fixture cohort", "\"Ind. no.\",\"Consumption rate\"", "\"Larv (female)\"",
           "1,4", "4,5.9375"})},
    {"_W_Adult_Female_consumption.txt",
     crlf({"Project: Fixture cohort", "\"Ind. no.\",\"Consumption rate\"", "\"female adult\"",
           "1,9.0625", "4,3.375"})},
    {"_W_Larv_Male_consumption.txt",
     crlf({"Project: Fixture cohort", "\"Ind. no.\",\"Consumption rate\"", "\"Larv (male)\"",
           "2,7"})},
    {"_W_Adult_Male_consumption.txt",
     crlf({"Project: Fixture cohort", "\"Ind. no.\",\"Consumption rate\"", "\"male adult\"",
           "2,4.5"})},
    {"_W_Male adult consumption.txt",
     crlf({"Project: Fixture cohort", "\"Ind. no.\",\"Male adult consumption rate\"", "2,4.5"})},
    {"_W_Female adult consumption.txt",
     crlf({"Project: Fixture cohort", "\"Ind. no.\",\"Female adult consumption rate\"",
           "1,9.0625", "4,3.375"})},
};

const StatisticsFile OneColumnFiles[] = {
    {"_Lifelong consumption_All sexes.txt",
     crlf({"Project: Fixture cohort", "\"Lifelong consumption rate\"", "13.0625", "11.5", "3",
           "9.3125", "-1"})},
    {"_W_Larv_All sexes_consumption_in column.txt",
     crlf({"Project: Fixture cohort", "\"Consumption rate\"", "4", "7", "5.9375", "-1"})},
    {"_W_Adult_All sexes_consumption_in column.txt",
     crlf({"Project: Fixture cohort", "\"Consumption rate\"", "9.0625", "4.5", "3.375", "-1"})},
    {"_W_Larv_Female_consumption_in column.txt",
     crlf({"Project: Fixture cohort", "\"Consumption rate\"", "4", "5.9375", "-1"})},
    {"_W_Adult_Female_consumption_in column.txt",
     crlf({"Project: Fixture cohort", "\"Consumption rate\"", "9.0625", "3.375", "-1"})},
    {"_W_Larv_Male_consumption_in column.txt",
     crlf({"Project: Fixture cohort", "\"Consumption rate\"", "7", "-1"})},
    {"_W_Adult_Male_consumption_in column.txt",
     crlf({"Project: Fixture cohort", "\"Consumption rate\"", "4.5", "-1"})},
    {"_W_Male adult consumption_in column.txt",
     crlf({"Project: Fixture cohort", "\"Male adult consumption rate\"", "4.5", "-1"})},
    {"_W_Female adult consumption_in column.txt",
     crlf({"Project: Fixture cohort", "\"Female adult consumption rate\"", "9.0625", "3.375",
           "-1"})},
};

TEST_F(FourFeeders, StageConsumptionInTwoColumns) {
  for (const StatisticsFile& expected : TwoColumnFiles) {
    EXPECT_EQ(file(expected.suffix), expected.content) << expected.suffix;
  }
}

TEST_F(FourFeeders, ConsumptionInOneColumnForTukeyKramer) {
  for (const StatisticsFile& expected : OneColumnFiles) {
    EXPECT_EQ(file(expected.suffix), expected.content) << expected.suffix;
  }
}

TEST_F(FourFeeders, TheRunLeavesExactlyItsFilesBesideTheDataFile) {
  std::set<std::string> expected = {"cohort.txt",
                                    "cohort_0_Basic_Output.txt",
                                    "cohort_2_Fig_Age_lx_Kx_qx.txt",
                                    "cohort_1_Fig_Cxj.txt",
                                    "cohort_17_Cxj_For_Predation_Prog.txt",
                                    "cohort_Age_Total_Consumption.txt",
                                    "cohort_3_Fig_Total_age-stage consumption.txt"};
  for (const StatisticsFile& f : TwoColumnFiles) expected.insert(std::string("cohort") + f.suffix);
  for (const StatisticsFile& f : OneColumnFiles) expected.insert(std::string("cohort") + f.suffix);
  std::set<std::string> written;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    written.insert(entry.path().filename().string());
  }
  EXPECT_EQ(written, expected);
  EXPECT_TRUE(script.messages().empty());
}

TEST_F(FourFeeders, PredatorTemplate) {
  WritePredatorDataFile(state, platform);
  EXPECT_EQ(file("_predator.txt"),
            crlf({"\"Description: the next three lines are project, date and user name.\"",
                  "\"Fixture cohort\"",
                  "\"2026-01-02\"",
                  "\"Tester\"",
                  "\"Description: Last age group is  8, number of stages is  4\"",
                  "8,4",
                  "\"Description: next lines are age intervals, stage name, vulnerability, "
                  "susceptibility\"",
                  "0,2,\"Egg\",0,0",
                  "2,5,\"Larv\",1,0.5",
                  "5,8,\"Fema\",1,0.5",
                  "6,7,\"Male\",1,0.5",
                  "\"Description: the next lines are the growth rates for each stage.\"",
                  " 1 , .25 , 0  ",
                  " 1 , .75 , .666666666666667 , 0  ",
                  " 1 , 1 , 1 , 0  ",
                  " 1 , 0  ",
                  "\"Description: next lines are developmental rates\"",
                  " 0 , .75 , 1  ",
                  " 0 , 0 , .333333333333333 , .5  ",
                  " 0 , 0 , 0 , .5 ",
                  "\"Description: the next lines are the consumption (predation or parasitism) "
                  "rates for each stage.\"",
                  " 1 , 1 , 1  ",
                  " 1 , 1 , 1 , 1  ",
                  " 1 , 1 , 1 , 1  ",
                  " 1 , 1  ",
                  "\"Description: next lines are initial population structure, end with 0,0,0\"",
                  "0,1,10",
                  "0,0,0"}));
}

TEST_F(FourFeeders, PreyTemplate) {
  WritePreyDataFile(state, platform);
  EXPECT_EQ(file("_prey.txt"),
            crlf({"\"Description: the next three lines are project, date and user name.\"",
                  "\"Fixture cohort\"",
                  "\"2026-01-02\"",
                  "\"Tester\"",
                  "\"Description: Last age group is  8, number of stages is  4\"",
                  "8,4",
                  "\"Description: next lines are age intervals, stage name, vulnerability, "
                  "susceptibility\"",
                  "0,2,\"Egg\",0,0",
                  "2,5,\"Larv\",1,0.5",
                  "5,8,\"Fema\",1,0.5",
                  "6,7,\"Male\",1,0.5",
                  "\"Description: the next lines are the growth rates for each stage.\"",
                  " 1 , .25 , 0  ",
                  " 1 , .75 , .666666666666667 , 0  ",
                  " 1 , 1 , 1 , 0  ",
                  " 1 , 0  ",
                  "\"Description: next lines are developmental rates\"",
                  " 0 , .75 , 1  ",
                  " 0 , 0 , .333333333333333 , .5  ",
                  " 0 , 0 , 0 , .5 ",
                  "\"Description: next lines are initial population structure, end with 0,0,0\"",
                  "0,1,10",
                  "0,0,0"}));
}

TEST_F(FourFeeders, BruskoInputFile) {
  WriteDataFileForBrusko(state, platform);
  EXPECT_EQ(file("_Brusko.txt"),
            crlf({"\"Description: the next three lines are project, date and user name.\"",
                  "\"Fixture cohort\"",
                  "\"2026-01-02\"",
                  "\"Tester\"",
                  "\"Description: Last age group is  8, number of stages is  4\"",
                  "8,4",
                  "\"Description: next lines are age intervals, stage name, weighing "
                  "coefficient,density-dependent mortality\"",
                  "0,2,\"Egg\",0.1,0.2",
                  "2,5,\"Larv\",0.5,0.8",
                  "5,8,\"Fema\",0.5,0.8",
                  "6,7,\"Male\",0.5,0.8",
                  "\"Description: the next lines are the growth rates for each stage.\"",
                  "1,.25,0 ",
                  "1,.75,.6667,0 ",
                  "1,1,1,0 ",
                  "1,0 ",
                  "\"Description: next lines are developmental rates\"",
                  "0,.75,1 ",
                  "0,0,.3333,.5 ",
                  "0,0,0,.5",
                  "\"Description: next lines are initial population structure, end with 0,0,0\"",
                  "0,1,10",
                  "0,0,0",
                  "\"Description: there is one weakness factor\"",
                  "1",
                  "\"Description: Weakness factor and the weakness coefficients for each stage.\"",
                  "Rainfall, 0 , .5 , .5 , .5 ",
                  "\"Description: i,j,k,l for the economical threshold equation y=i+j*x+k*(x^L)\"",
                  "1,1,1,1",
                  "\"Description: Density-dependent mortality coefficient for density below K "
                  "and over K\"",
                  "0.2,1",
                  "\"Description: number of treatment = 1\"",
                  "1",
                  "\"Description: first treatment at 10th day\"",
                  "10",
                  "\"Description: Critical cumulative insect day is on 15th day\"",
                  "15",
                  "\"Description: Code treatment is DDT, effective duration is one day, interval "
                  "to next treatment is 5 days\"",
                  "\"DDT\",1,5",
                  "\"Description: stage mortality due to treatment\"",
                  " 0 , .9 , .9 , .9 ",
                  "\"Description: time interval between treatment and sampling\"",
                  "7",
                  "\"Description: Sampling stage 1 to  3\"",
                  "3,4"}));
}

TEST_F(FourFeeders, LorvimenteInputFile) {
  WriteDatafileForLorvimente(state, platform);
  EXPECT_EQ(file("_Lorvimente.txt"),
            crlf({"\"Description: the next three lines are project, date and user name.\"",
                  "\"Fixture cohort\"",
                  "\"2026-01-02\"",
                  "\"Tester\"",
                  "\"Description: Last age group is  8, number of stages is  4\"",
                  "8,4",
                  "\"Description: next lines are age intervals, stage name, weighing "
                  "coefficient\"",
                  "0,2,\"Egg\",0.1,0.2",
                  "2,5,\"Larv\",0.5,0.8",
                  "5,8,\"Fema\",0.5,0.8",
                  "6,7,\"Male\",0.5,0.8",
                  "\"Description: the next lines are the growth rates for each stage.\"",
                  "1,.25,0",
                  "1,.75,.6667,0",
                  "1,1,1,0",
                  "1,0",
                  "\"Description: next lines are developmental rates\"",
                  "0,.75,1 ",
                  "0,0,.3333,.5 ",
                  "0,0,0,.5",
                  "\"Description: next lines are initial population structure, end with 0,0,0\"",
                  "0,1,10",
                  "0,0,0",
                  "\"Description: next line is the density-dependent mortality probability for "
                  "density before K and over K\"",
                  "0.2,1"}));
}

// clang-format on

// The example cohort of predatory mites (egg, larva, protonymph, deutonymph,
// adult; no food in the egg stage; females, males and unsexed individuals).
TEST(ExampleCohort, ABasicRunLeavesItsFilesBesideTheDataFile) {
  testing::TempDir dir;
  const std::string data = dir.write(
      "predatory_mite.txt", readFile(std::string(VORELAN_EXAMPLES_DIR) + "/predatory_mite.txt"));
  AnalysisState state;
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  script.inputAnswers = {"1"};
  script.chosenFiles = {data};
  ASSERT_TRUE(OpenDataFile(state, platform));
  ASSERT_EQ(BasicRun(state, platform), BasicRunOutcome::Computed);

  std::set<std::string> expected = {"predatory_mite.txt",
                                    "predatory_mite_0_Basic_Output.txt",
                                    "predatory_mite_2_Fig_Age_lx_Kx_qx.txt",
                                    "predatory_mite_1_Fig_Cxj.txt",
                                    "predatory_mite_17_Cxj_For_Predation_Prog.txt",
                                    "predatory_mite_Age_Total_Consumption.txt",
                                    "predatory_mite_3_Fig_Total_age-stage consumption.txt",
                                    "predatory_mite_Lifelong consumption_All sexes.txt",
                                    "predatory_mite_W_Male adult consumption.txt",
                                    "predatory_mite_W_Female adult consumption.txt",
                                    "predatory_mite_W_Male adult consumption_in column.txt",
                                    "predatory_mite_W_Female adult consumption_in column.txt"};
  for (const char* stage : {"Larv", "Prot", "Deut", "Adult"}) {
    for (const char* group : {"_All sexes", "_Female", "_Male"}) {
      const std::string name = std::string("predatory_mite_W_") + stage + group + "_consumption";
      expected.insert(name + ".txt");
      expected.insert(name + "_in column.txt");
    }
  }
  std::set<std::string> written;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    written.insert(entry.path().filename().string());
  }
  EXPECT_EQ(written, expected);
  EXPECT_TRUE(script.messages().empty());
}

}  // namespace
}  // namespace vorelan
