// Layout rules of the figure data, statistics and export files shown on
// small states set by hand: line breaks by the number of ages of a stage,
// ages in half time units, which individuals each statistics file lists,
// file names from awkward stage names, quotes in texts, and files that
// cannot be written.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "report/export_files.h"
#include "report/figure_data_files.h"
#include "report/file_failure.h"
#include "report/statistics_files.h"
#include "support/own_device.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"
#include "support/written_text.h"

namespace vorelan {
namespace {

using testing::readFile;

// Text after the last line end shows as one more line.
std::vector<std::string> linesOf(const std::string& text) { return testing::crlfLinesOf(text); }

// The lines after the line `from` up to, not including, the line `to`.
std::vector<std::string> linesBetween(const std::string& text, const std::string& from,
                                      const std::string& to) {
  const std::vector<std::string> lines = linesOf(text);
  std::vector<std::string> block;
  bool inside = false;
  for (const std::string& line : lines) {
    if (line == to && inside) return block;
    if (inside) block.push_back(line);
    if (line == from) inside = true;
  }
  ADD_FAILURE() << "no block between " << from << " and " << to;
  return block;
}

std::set<std::string> filesIn(const std::filesystem::path& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

struct Session {
  testing::TempDir dir;
  AnalysisState state;
  testing::ScriptedPlatform script;
  Platform platform = script.platform();

  explicit Session(int stages) {
    state.header.ProjectName = "P";
    state.header.ExperimentDate = "D";
    state.header.ResearcherName = "R";
    state.header.NumStages = static_cast<std::int16_t>(stages);
    state.report.BaseFileName = (dir.path() / "c").string();
    for (int j = 1; j <= stages + 1; ++j) {
      state.header.StageName(1, j) = "S" + std::to_string(j);
      state.matrices.StageAgeRange(j, 1) = 0;  // nobody in the stage: 0..-1
      state.matrices.StageAgeRange(j, 2) = -1;
    }
  }
  std::string file(const std::string& suffix) const {
    return readFile((dir.path() / ("c" + suffix)).string());
  }
  // The boxes shown once the step has ended and told what it could not write.
  std::vector<testing::ShownBox> toldAtTheEnd() {
    tellUnwrittenFiles(state, platform);
    return script.messages();
  }
};

// ---- Line breaks by the number of ages of a stage --------------------------

struct StageLengthCase {
  int ages;
  std::vector<std::string> cxjLines;          // c(x,j) for the predation program
  std::vector<std::string> predatorGrowth;    // five values a line
  std::vector<std::string> lorvimenteGrowth;  // ten values a line
};

void PrintTo(const StageLengthCase& c, std::ostream* os) { *os << c.ages << " ages"; }

class StageLength : public ::testing::TestWithParam<StageLengthCase> {};

// Stage 1 occupies ages 0..n-1 with c(x,1) = g(x,1) = x + 1; the other two
// stage columns are empty.
TEST_P(StageLength, BreaksTheLinesOfAStage) {
  const StageLengthCase& c = GetParam();
  Session s(2);
  s.state.stageStats.MaxAge = static_cast<std::int16_t>(c.ages - 1);
  s.state.matrices.StageAgeRange(1, 2) = c.ages - 1;
  for (int x = 0; x < c.ages; ++x) {
    s.state.matrices.Cxj(x, 1) = x + 1;
    s.state.matrices.Gxj(x, 1) = x + 1;
  }
  life07(s.state, s.platform);
  WritePredatorDataFile(s.state, s.platform);
  WriteDatafileForLorvimente(s.state, s.platform);

  EXPECT_EQ(linesOf(s.file("_17_Cxj_For_Predation_Prog.txt")), c.cxjLines);
  // Each empty stage column still ends a line of its own.
  std::vector<std::string> predator = c.predatorGrowth;
  predator.insert(predator.end(), {" ", " "});
  EXPECT_EQ(linesBetween(s.file("_predator.txt"),
                         "\"Description: the next lines are the growth rates for each stage.\"",
                         "\"Description: next lines are developmental rates\""),
            predator);
  std::vector<std::string> lorvimente = c.lorvimenteGrowth;
  lorvimente.insert(lorvimente.end(), {"", ""});
  EXPECT_EQ(linesBetween(s.file("_Lorvimente.txt"),
                         "\"Description: the next lines are the growth rates for each stage.\"",
                         "\"Description: next lines are developmental rates\""),
            lorvimente);
}

INSTANTIATE_TEST_SUITE_P(
    Ages, StageLength,
    ::testing::Values(
        StageLengthCase{1, {" 1 "}, {" 1  "}, {"1"}},
        StageLengthCase{4, {" 1 , 2 , 3 , 4 "}, {" 1 , 2 , 3 , 4  "}, {"1,2,3,4"}},
        StageLengthCase{5, {" 1 , 2 , 3 , 4 , 5 "}, {" 1 , 2 , 3 , 4 , 5  ", " "}, {"1,2,3,4,5"}},
        StageLengthCase{
            6, {" 1 , 2 , 3 , 4 , 5 ", " 6 "}, {" 1 , 2 , 3 , 4 , 5  ", " 6  "}, {"1,2,3,4,5,6"}},
        StageLengthCase{10,
                        {" 1 , 2 , 3 , 4 , 5 ", " 6 , 7 , 8 , 9 , 10 "},
                        {" 1 , 2 , 3 , 4 , 5  ", " 6 , 7 , 8 , 9 , 10  ", " "},
                        {"1,2,3,4,5,6,7,8,9,10", ""}},
        StageLengthCase{11,
                        {" 1 , 2 , 3 , 4 , 5 ", " 6 , 7 , 8 , 9 , 10 ", " 11 "},
                        {" 1 , 2 , 3 , 4 , 5  ", " 6 , 7 , 8 , 9 , 10  ", " 11  "},
                        {"1,2,3,4,5,6,7,8,9,10", "11"}}),
    [](const auto& info) { return std::to_string(info.param.ages) + "_ages"; });

// The males' maturation, column m of d(x,j), runs over the ages of the last
// pre-adult stage, with no blank after the last value; Brusko rounds to four
// decimals and breaks its lines after ten values.
TEST(ExportFiles, DevelopmentTailUsesTheAgesOfTheLastPreadultStage) {
  Session s(3);
  s.state.stageStats.MaxAge = 15;
  s.state.matrices.StageAgeRange(1, 2) = 2;  // stage 1: ages 0..2
  s.state.matrices.StageAgeRange(2, 1) = 3;  // stage 2: ages 3..13
  s.state.matrices.StageAgeRange(2, 2) = 13;
  for (int x = 0; x <= 13; ++x) {
    s.state.matrices.Dxj(x, 1) = x / 8.0;
    s.state.matrices.Dxj(x, 2) = 1.0 / (x + 1);
    s.state.matrices.Dxj(x, 3) = x;  // the males' column
  }
  WriteDataFileForBrusko(s.state, s.platform);
  const std::vector<std::string> expected = {"0,.125,.25 ",
                                             ".25,.2,.1667,.1429,.125,.1111,.1,.0909,.0833,.0769 ",
                                             ".0714 ", "3,4,5,6,7,8,9,10,11,12,13"};
  EXPECT_EQ(
      linesBetween(s.file("_Brusko.txt"), "\"Description: next lines are developmental rates\"",
                   "\"Description: next lines are initial population structure, end with "
                   "0,0,0\""),
      expected);
}

// Without a Basic Run the state holds no stage: one stage column whose age
// range is 0..0, all rates 0.
TEST(ExportFiles, WithoutABasicRunTheFileFollowsFromTheEmptyState) {
  testing::TempDir dir;
  AnalysisState state;
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  state.report.BaseFileName = (dir.path() / "c").string();
  WritePredatorDataFile(state, platform);
  EXPECT_EQ(
      linesOf(readFile((dir.path() / "c_predator.txt").string())),
      (std::vector<std::string>{
          "\"Description: the next three lines are project, date and user name.\"", "\"\"", "\"\"",
          "\"\"", "\"Description: Last age group is  0, number of stages is  1\"", "0,1",
          "\"Description: next lines are age intervals, stage name, vulnerability, "
          "susceptibility\"",
          "0,0,\"\",0,0", "\"Description: the next lines are the growth rates for each stage.\"",
          " 0  ", "\"Description: next lines are developmental rates\"",
          "\"Description: the next lines are the consumption (predation or parasitism) "
          "rates for each stage.\"",
          " 1  ", "\"Description: next lines are initial population structure, end with 0,0,0\"",
          "0,1,10", "0,0,0"}));
  EXPECT_TRUE(script.messages().empty());
}

// ---- Ages in half time units -----------------------------------------------

TEST(FigureDataFiles, AgesAdvanceByTheTimeUnitClosingRowsIncluded) {
  Session s(2);
  s.state.run.TimeUnit = 0.5;
  s.state.stageStats.MaxAge = 2;
  for (int x = 0; x <= 2; ++x) {
    s.state.ageVectors.Lx(x) = 1;
    s.state.ageVectors.Tx(x) = 2;
    s.state.matrices.Cxj(x, 1) = 2;
  }
  s.state.ageVectors.CumQx(2) = 6;
  life07(s.state, s.platform);

  EXPECT_EQ(linesOf(s.file("_2_Fig_Age_lx_Kx_qx.txt")),
            (std::vector<std::string>{"\"P\"", "\"D\"", "\"R\"",
                                      "\"Age\",\"l(x)\",\"k(x)\",\"q(x)\",\"cumu. Co\",\"SD of "
                                      "k(x)\",\"SE of k(x)\"",
                                      "0,1,0,0,0,0,0", "0.5,1,0,0,0,0,0", "1,1,0,0,6,0,0",
                                      "1.5,0,0,0,6,0,0"}));
  EXPECT_EQ(linesOf(s.file("_1_Fig_Cxj.txt")),
            (std::vector<std::string>{"Age,S1,S2,S3 ", "0, 2 , 0 , 0  ", ".5, 2 , 0 , 0  ",
                                      "1, 2 , 0 , 0  ", "1.5, 0 , 0 , 0  "}));
  EXPECT_EQ(linesOf(s.file("_Age_Total_Consumption.txt")),
            (std::vector<std::string>{"\"P\"", "\"D\"", "\"R\"", "0,2", "0.5,2", "1,2", "1.5,0"}));
  EXPECT_EQ(linesOf(s.file("_3_Fig_Total_age-stage consumption.txt")),
            (std::vector<std::string>{"Age,S1,S2,S3 ", "0, 0 , 0 , 0  ", ".5, 0 , 0 , 0  ",
                                      "1, 0 , 0 , 0  ", "1.5, 0 , 0 , 0  "}));
}

TEST(FigureDataFiles, ThousandthsOfAFigureValueGoHalfToEven) {
  Session s(2);
  s.state.stageStats.MaxAge = 0;
  const double values[] = {2.34567, 2.0625, 2.1875};
  for (int j = 1; j <= 3; ++j) s.state.matrices.Cxj(0, j) = values[j - 1];
  life07(s.state, s.platform);
  EXPECT_EQ(linesOf(s.file("_1_Fig_Cxj.txt")).at(1), "0, 2.346 , 2.062 , 2.188  ");
}

// ---- Which individuals the statistics files list ---------------------------

// Stages S1 and S3 without food, Nymp and the adult stage; no males. The
// individuals, in order:
//   1 N  died as a nymph
//   2 F  adult
//   3 N  completed the nymph stage, died in stage 3
//   4 F  adult that ate nothing as an adult
void fillFemalesAndUnsexed(AnalysisState& st) {
  st.header.NumIndividuals = 4;
  st.header.StageName(1, 2) = "Nymp";
  st.cohort.resizeFor(4);
  st.longevity.TotalConsumption.reset(5);
  const char* sexes[] = {"", "N", "F", "N", "F"};
  const double durations[5][5] = {{}, {0, 2, -1}, {0, 2, 3, 1, 4}, {0, 2, 3, -2}, {0, 1, 2, 1, 5}};
  const double consumption[5][5] = {{}, {0, 0, 1.5}, {0, 0, 4, 0, 6}, {0, 0, 2}, {0, 0, 3, 0, 0}};
  for (int i = 1; i <= 4; ++i) {
    st.cohort.Sex(i) = sexes[i];
    double total = 0;
    for (int j = 1; j <= 4; ++j) {
      st.cohort.StageDuration(i, j) = durations[i][j];
      st.cohort.StageConsumption(i, j) = consumption[i][j];
      total += consumption[i][j];
    }
    st.longevity.TotalConsumption(i) = total;
  }
}

TEST(StatisticsFiles, EachFileListsItsIndividuals) {
  Session s(4);
  fillFemalesAndUnsexed(s.state);
  WriteStageConsumptionRawDataInColumnForStatistics(s.state, s.platform);
  WriteStageConsumptionForTukeyKramer(s.state, s.platform);

  const std::set<std::string> expectedFiles = {"c_W_Nymp_All sexes_consumption.txt",
                                               "c_W_Adult_All sexes_consumption.txt",
                                               "c_W_Nymp_Female_consumption.txt",
                                               "c_W_Adult_Female_consumption.txt",
                                               "c_W_Nymp_Male_consumption.txt",
                                               "c_W_Adult_Male_consumption.txt",
                                               "c_W_Female adult consumption.txt",
                                               "c_Lifelong consumption_All sexes.txt",
                                               "c_W_Nymp_All sexes_consumption_in column.txt",
                                               "c_W_Adult_All sexes_consumption_in column.txt",
                                               "c_W_Nymp_Female_consumption_in column.txt",
                                               "c_W_Adult_Female_consumption_in column.txt",
                                               "c_W_Nymp_Male_consumption_in column.txt",
                                               "c_W_Adult_Male_consumption_in column.txt",
                                               "c_W_Female adult consumption_in column.txt"};
  EXPECT_EQ(filesIn(s.dir.path()), expectedFiles);

  // The unsexed individual 3 completed the nymph stage: only in the files of
  // all sexes; individual 1 died in it and stands in none.
  EXPECT_EQ(linesOf(s.file("_W_Nymp_All sexes_consumption.txt")),
            (std::vector<std::string>{"Project: P", "\"Ind. no.\",\"Consumption rate\"",
                                      "\"Nymp-all sexes\"", "2,4", "3,2", "4,3"}));
  EXPECT_EQ(linesOf(s.file("_W_Nymp_Female_consumption.txt")),
            (std::vector<std::string>{"Project: P", "\"Ind. no.\",\"Consumption rate\"",
                                      "\"Nymp (female)\"", "2,4", "4,3"}));
  // Without males the male files of a stage list nobody.
  EXPECT_EQ(linesOf(s.file("_W_Nymp_Male_consumption.txt")),
            (std::vector<std::string>{"Project: P", "\"Ind. no.\",\"Consumption rate\"",
                                      "\"Nymp (male)\""}));
  EXPECT_EQ(linesOf(s.file("_W_Adult_Male_consumption_in column.txt")),
            (std::vector<std::string>{"Project: P", "\"Consumption rate\"", "-1"}));
  // Every female, also one that ate nothing as an adult.
  EXPECT_EQ(linesOf(s.file("_W_Female adult consumption.txt")),
            (std::vector<std::string>{
                "Project: P", "\"Ind. no.\",\"Female adult consumption rate\"", "2,6", "4,0"}));
  EXPECT_EQ(linesOf(s.file("_W_Adult_All sexes_consumption_in column.txt")),
            (std::vector<std::string>{"Project: P", "\"Consumption rate\"", "6", "0", "-1"}));
  EXPECT_EQ(linesOf(s.file("_Lifelong consumption_All sexes.txt")),
            (std::vector<std::string>{"Project: P", "\"Lifelong consumption rate\"", "1.5", "10",
                                      "2", "3", "-1"}));
}

// ---- File names from stage names --------------------------------------------

TEST(StatisticsFiles, StageNamesThatCoincideOrCannotStandInAFileNameKeepTheirFiles) {
  Session s(4);
  AnalysisState& st = s.state;
  st.header.NumIndividuals = 1;
  // Instar1 and Instar2 cut to four characters; a name with a slash.
  st.header.StageName(1, 1) = "Inst";
  st.header.StageName(1, 2) = "Inst";
  st.header.StageName(1, 3) = "L/2:";
  st.cohort.resizeFor(1);
  st.longevity.TotalConsumption.reset(2);
  st.cohort.Sex(1) = "F";
  for (int j = 1; j <= 4; ++j) {
    st.cohort.StageDuration(1, j) = 1;
    st.cohort.StageConsumption(1, j) = j;
  }
  WriteStageConsumptionRawDataInColumnForStatistics(st, s.platform);

  const std::set<std::string> files = filesIn(s.dir.path());
  for (const char* name :
       {"c_W_Inst1_All sexes_consumption.txt", "c_W_Inst2_All sexes_consumption.txt",
        "c_W_L_2__All sexes_consumption.txt", "c_W_Adult_All sexes_consumption.txt",
        "c_W_Inst1_Female_consumption.txt", "c_W_Inst2_Male_consumption.txt"}) {
    EXPECT_EQ(files.count(name), 1u) << name;
  }
  EXPECT_EQ(files.size(), 13u);  // 4 stages x 3 groups and the adult female file
  // Inside the file the stage keeps its name.
  EXPECT_EQ(linesOf(s.file("_W_L_2__All sexes_consumption.txt")).at(2), "\"L/2:-all sexes\"");
  EXPECT_EQ(linesOf(s.file("_W_Inst2_All sexes_consumption.txt")),
            (std::vector<std::string>{"Project: P", "\"Ind. no.\",\"Consumption rate\"",
                                      "\"Inst-all sexes\"", "1,2"}));
}

// ---- Quotes inside quoted texts ----------------------------------------------

TEST(OutputFiles, ADoubleQuoteInsideAQuotedTextIsWrittenAsASingleQuote) {
  Session s(2);
  s.state.header.ProjectName = "Mites \"A\"";
  s.state.header.StageName(1, 1) = "E\"g";
  WriteAgeTotalConsumption(s.state, s.platform);
  WritePreyDataFile(s.state, s.platform);
  EXPECT_EQ(linesOf(s.file("_Age_Total_Consumption.txt")).at(0), "\"Mites 'A'\"");
  const std::vector<std::string> prey = linesOf(s.file("_prey.txt"));
  EXPECT_EQ(prey.at(1), "\"Mites 'A'\"");
  EXPECT_EQ(prey.at(7), "0,-1,\"E'g\",0,0");
}

// ---- Files that cannot be written ----------------------------------------------

TEST(OutputFiles, AFileInAFolderThatDoesNotExistIsNamedToTheUser) {
  Session s(2);
  s.state.report.BaseFileName = (s.dir.path() / "gone" / "c").string();
  WritePredatorDataFile(s.state, s.platform);
  const auto boxes = s.toldAtTheEnd();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, OutputFileErrorTitle);
  EXPECT_NE(boxes[0].text.find((s.dir.path() / "gone").string() + " (the folder does not exist):\nc_predator.txt\n"),
            std::string::npos)
      << boxes[0].text;
  EXPECT_FALSE(std::filesystem::exists(s.dir.path() / "gone"));
}

TEST(OutputFiles, AFileThatCannotBeWrittenToTheEndIsNamedAndTheEarlierOneKept) {
  Session s(2);
  const std::string earlier = s.dir.write("c_Brusko.txt", "an earlier export");
  // The disk fills after the first bytes.
  s.state.files.writeFault = [](const std::string&, std::uintmax_t offset, std::size_t& size) {
    size = offset < 10 ? 10 - static_cast<std::size_t>(offset) : 0;
    return ENOSPC;
  };
  WriteDataFileForBrusko(s.state, s.platform);
  const auto boxes = s.toldAtTheEnd();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, OutputFileErrorTitle);
  EXPECT_NE(boxes[0].text.find(s.dir.path().string() + " (the disk is full):\nc_Brusko.txt\n"), std::string::npos)
      << boxes[0].text;
  EXPECT_EQ(readFile(earlier), "an earlier export");
}

// A device that a result's name leads to (here one on which every write
// fails, the test's own; a named pipe for a user who may make no device) is
// never taken for a file to replace: it is named, and stays what it was.
TEST(OutputFiles, ADeviceInAResultsPlaceIsNamedAndLeftAlone) {
  Session s(2);
  const std::filesystem::path device = s.dir.path() / "full";
  ASSERT_TRUE(testing::makeDeviceOrPipe(device, "/dev/full"));
  const std::filesystem::file_type deviceKind = std::filesystem::symlink_status(device).type();
  std::filesystem::create_symlink("full", s.dir.path() / "c_Brusko.txt");
  WriteDataFileForBrusko(s.state, s.platform);
  const auto boxes = s.toldAtTheEnd();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_NE(boxes[0].text.find("(something other than a file stands in its place):\nc_Brusko.txt\n"),
            std::string::npos)
      << boxes[0].text;
  EXPECT_EQ(std::filesystem::symlink_status(device).type(), deviceKind);
  EXPECT_TRUE(std::filesystem::is_symlink(s.dir.path() / "c_Brusko.txt"));
}

TEST(OutputFiles, ANameTakenByAFolderFailsThatFileAloneAndTheOthersAreWritten) {
  Session s(2);
  std::filesystem::create_directory(s.dir.path() / "c_1_Fig_Cxj.txt");
  life07(s.state, s.platform);
  const auto boxes = s.toldAtTheEnd();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].title, OutputFileErrorTitle);
  EXPECT_NE(boxes[0].text.find(s.dir.path().string() + " (a folder of that name stands in the way):\nc_1_Fig_Cxj.txt\n"),
            std::string::npos)
      << boxes[0].text;
  for (const char* suffix :
       {"_2_Fig_Age_lx_Kx_qx.txt", "_17_Cxj_For_Predation_Prog.txt", "_Age_Total_Consumption.txt",
        "_3_Fig_Total_age-stage consumption.txt"}) {
    EXPECT_TRUE(std::filesystem::is_regular_file(s.dir.path() / ("c" + std::string(suffix))))
        << suffix;
  }
}

TEST(OutputFiles, EveryStatisticsFileThatCannotBeWrittenIsNamed) {
  Session s(4);
  fillFemalesAndUnsexed(s.state);
  s.state.report.BaseFileName = (s.dir.path() / "gone" / "c").string();
  WriteStageConsumptionForTukeyKramer(s.state, s.platform);
  const auto boxes = s.toldAtTheEnd();
  ASSERT_EQ(boxes.size(), 1u);  // one box for lifelong, 2 stages x 3 groups, adult females
  const std::string& text = boxes[0].text;
  EXPECT_NE(text.find("(the folder does not exist):\nc_Lifelong consumption_All sexes.txt\n"), std::string::npos)
      << text;
  EXPECT_NE(text.find("\nc_W_Female adult consumption_in column.txt\n\n"), std::string::npos) << text;
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 1 + 8 + 1);
}

}  // namespace
}  // namespace vorelan
