#include "runs/jackknife_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "resampling/show_freq_c0.h"
#include "runs/basic_run.h"
#include "runs/handler_boundary.h"
#include "runs/open_data_file.h"
#include "support/cohort_text.h"
#include "support/inline_background_work.h"
#include "support/life_table_run.h"
#include "support/report_on_file.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

using testing::atColumns;
using testing::crlfLines;
using testing::readFile;
using testing::sp;

// Four females alike but for their adult consumption, 6, 12, 15 and 66 in
// all, in amounts that every sum and quotient of the passes keeps exact:
// C0 = 99 / 4 = 24.75, and without k it is (99 - t_k) / 3, so that the
// pseudo-value of k is t_k itself.
const std::vector<std::string> FourFemales = {
    "1,F,1,1,2,-1,-1,3,3,-1", "2,F,1,1,2,-1,-1,6,6,-1",
    "3,F,1,1,2,-1,-1,9,6,-1", "4,F,1,1,2,-1,-1,30,36,-1"};

struct Session {
  testing::TempDir dir;
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  testing::InlineBackgroundWork background;
  AnalysisState state;

  // Open data file and Basic Run of the records.
  explicit Session(const std::vector<std::string>& records) {
    script.inputAnswers = {"1"};
    script.chosenFiles = {dir.write("cohort.txt", testing::cohortFile(testing::ThreeStages, records))};
    EXPECT_TRUE(OpenDataFile(state, platform));
    EXPECT_EQ(BasicRun(state, platform), BasicRunOutcome::Computed);
  }
  std::string file(const std::string& suffix) const { return readFile(state.report.BaseFileName + suffix); }
  bool exists(const std::string& suffix) const {
    return std::filesystem::exists(state.report.BaseFileName + suffix);
  }
};

TEST(JackknifeRun, WritesTheReportTheTtestFileAndTheFrequencyFile) {
  Session s(FourFemales);
  const int page = s.state.report.PageNo + 1;
  const int table = s.state.report.TableNo + 1;
  ASSERT_TRUE(cmdJackknife_Click(s.state, s.platform, s.background));
  EXPECT_TRUE(s.script.messages().empty());
  EXPECT_EQ(s.background.runs, 1);
  EXPECT_EQ(s.background.reports.back(), (std::pair<std::int64_t, std::int64_t>{4, 4}));
  EXPECT_FALSE(s.state.run.ResamplingRunning);

  // Mean 24.75; variance (4761 - 99^2 / 4) / 3 = 770.25; S.D. 27.7533...;
  // S.E. 13.8766...
  const std::string rule = sp(4) + std::string(42, '-');
  EXPECT_EQ(s.file("_0_Jackknife_Output.txt"),
            crlfLines({
                "\b" + sp(68) + "Page " + std::to_string(page) + " ",
                sp(4) + "Test project",
                sp(4) + "Tester",
                sp(4) + "2026-01-01",
                sp(4) + "Analyzed on : 2026-01-01",
                " ",
                sp(4) + "Table " + std::to_string(table) + ". Table of Jackknife pseudo-values",
                sp(4) + std::string(42, '='),
                atColumns({{5, "Omitted no."}, {20, "Pseudo-net predation rate"}}),
                rule,
                atColumns({{5, " 1 "}, {30, " 6 "}}),
                atColumns({{5, " 2 "}, {30, " 12 "}}),
                atColumns({{5, " 3 "}, {30, " 15 "}}),
                atColumns({{5, " 4 "}, {30, " 66 "}}),
                rule,
                atColumns({{5, "Mean"}, {30, " 24.75 "}}),
                atColumns({{5, "Variance"}, {30, " 770.25 "}}),
                atColumns({{5, "S.D."}, {30, " 27.75 "}}),
                atColumns({{5, "S.E."}, {30, " 13.88 "}}),
                rule,
                atColumns({{5, "Original"}, {30, " 24.75 "}}),
                rule,
                "    Original are the parameters calculated using all individuals.",
            }));
  EXPECT_EQ(s.file("_5_Pseudo_Consumption_Rate_For_t-test.txt"),
            crlfLines({"\"Test project\"", "\"2026-01-01\"", "\"Tester\"", "1,6", "2,12", "3,15", "4,66"}));

  // Width (66 - 6) / 20 = 3: classes from 6, 9, 12, ...; 12 and 15 open
  // classes 2 and 3, 66 class 20.
  std::vector<std::string> frequency = {
      "\"Project: Test project\"", "\"User: Tester\"", "\"Date: 2026-01-01\"",
      "\"Total individual =4\"", "\"Net predation rate (Co)\"",
      "\"Max of pseudo-Co =\",66,\".  Min of pseudo-Co =\",6", "\"Sum of frequency of Co =\",4",
      "\"Class begin\",\"Class center\",\"Frequency\""};
  for (int i = 0; i <= 21; ++i) {
    const bool holds = i == 0 || i == 2 || i == 3 || i == 20;
    frequency.push_back(std::to_string(6 + 3 * i) + "," + std::to_string(7 + 3 * i) + ".5," + (holds ? "1" : "0"));
  }
  std::string expected;
  for (const auto& line : frequency) expected += line + "\r\n";
  EXPECT_EQ(s.file("_9_Fig_Jackknife-Co frequency.txt"), expected);

  const auto histogram = ShowFreqC0(s.state);
  ASSERT_TRUE(histogram);
  EXPECT_EQ(histogram->title, "Frequency of pseudo-Co (interval =3).");
  EXPECT_EQ(histogram->labels[1], "10.5");

  EXPECT_EQ(s.state.run.ResamplingDone, "yes");
  EXPECT_EQ(s.state.run.ResampleMethod, "j");
  EXPECT_EQ(s.state.jackknife.JackOmitted, 4);
  EXPECT_EQ(s.state.header.NumIndividuals, 3);
  EXPECT_EQ(s.state.header.NumIndividualsInFile, 4);
  EXPECT_EQ(s.state.report.ReportFileName, s.state.report.BaseFileName + "_0_Jackknife_Output.txt");
  EXPECT_FALSE(s.state.files.file3.isOpen());
  EXPECT_FALSE(s.state.files.file1.isOpen());
}

TEST(JackknifeRun, ACohortOfOneIsRefusedBeforeAnythingChanges) {
  Session s({"1,F,1,1,2,-1,-1,3,3,-1"});
  const std::string report = s.state.report.ReportFileName;
  EXPECT_FALSE(cmdJackknife_Click(s.state, s.platform, s.background));
  ASSERT_EQ(s.script.messages().size(), 1u);
  EXPECT_EQ(s.script.messages()[0].title, "Jackknife");
  EXPECT_NE(s.script.messages()[0].text.find("at least 2"), std::string::npos);
  EXPECT_FALSE(s.exists("_0_Jackknife_Output.txt"));
  EXPECT_FALSE(s.exists("_5_Pseudo_Consumption_Rate_For_t-test.txt"));
  EXPECT_FALSE(s.exists("_9_Fig_Jackknife-Co frequency.txt"));
  EXPECT_EQ(s.state.report.ReportFileName, report);
  EXPECT_EQ(s.state.run.ResamplingDone, "");
  EXPECT_EQ(s.state.jackknife.JackOmitted, 0);
  EXPECT_EQ(s.state.header.NumIndividuals, 1);
  EXPECT_EQ(s.state.jackknife.JackPseudoC0(1), 0);
}

// A record made faulty after the Basic Run is no longer what the Basic Run
// analysed: the run is refused with a message naming the file, before the
// report is created, and the program goes on.
TEST(JackknifeRun, AFaultyRecordWrittenAfterTheBasicRunIsRefusedBeforeTheReportIsCreated) {
  Session s(FourFemales);
  std::vector<std::string> damaged = FourFemales;
  damaged[1] = "2,X,1,1,2,-1,-1,6,6,-1";
  const std::string data = s.dir.write("cohort.txt", testing::cohortFile(testing::ThreeStages, damaged));
  s.script.boxes.clear();
  EXPECT_TRUE(runHandler(s.state, s.platform,
                         [&] { EXPECT_FALSE(cmdJackknife_Click(s.state, s.platform, s.background)); }));
  ASSERT_EQ(s.script.messages().size(), 1u);
  EXPECT_EQ(s.script.messages()[0].title, "Data file changed");
  EXPECT_NE(s.script.messages()[0].text.find(data + "\nhas changed since the Basic Run."), std::string::npos);
  EXPECT_EQ(s.script.endProgramCalls, 0);
  EXPECT_FALSE(s.exists("_0_Jackknife_Output.txt"));
}

// Sees the run's phase while the passes run.
struct WatchingWork : BackgroundWork {
  explicit WatchingWork(const AnalysisState& watched) : state(watched) {}
  WorkOutcome run(const std::function<void(WorkProgress&)>& work) override {
    runningSeen = state.run.ResamplingRunning;
    return inPlace.run(work);
  }
  const AnalysisState& state;
  testing::InlineBackgroundWork inPlace;
  bool runningSeen = false;
};

TEST(JackknifeRun, ThePassesRunWhileTheRunIsMarkedGoing) {
  Session s(FourFemales);
  WatchingWork watching(s.state);
  ASSERT_TRUE(cmdJackknife_Click(s.state, s.platform, watching));
  EXPECT_TRUE(watching.runningSeen);
  EXPECT_FALSE(s.state.run.ResamplingRunning);
}

TEST(JackknifeRun, AStoppedRunLeavesNoReportAndIsNotDone) {
  Session s(FourFemales);
  s.background.stopAfter = 2;
  EXPECT_FALSE(cmdJackknife_Click(s.state, s.platform, s.background));
  EXPECT_FALSE(s.exists("_0_Jackknife_Output.txt"));
  EXPECT_FALSE(s.exists("_5_Pseudo_Consumption_Rate_For_t-test.txt"));
  EXPECT_FALSE(s.exists("_9_Fig_Jackknife-Co frequency.txt"));
  EXPECT_FALSE(s.state.files.file3.isOpen());
  EXPECT_EQ(s.state.run.ResamplingDone, "");
  EXPECT_FALSE(s.state.run.ResamplingRunning);
}

TEST(JackknifeRun, NoSecondResamplingRun) {
  Session s(FourFemales);
  s.state.run.ResamplingDone = "yes";
  EXPECT_FALSE(cmdJackknife_Click(s.state, s.platform, s.background));
  EXPECT_FALSE(s.exists("_0_Jackknife_Output.txt"));
  EXPECT_EQ(s.state.jackknife.JackOmitted, 0);
}

}  // namespace
}  // namespace vorelan

namespace vorelan {
namespace {

// Once a stable distribution has been read, its two tables open the report,
// before the table of the pseudo-values.
TEST(JackknifeRun, TheTablesOfAReadDistributionOpenTheReport) {
  Session s(FourFemales);
  s.state.run.SASDRead = "Yes";
  ASSERT_TRUE(cmdJackknife_Click(s.state, s.platform, s.background));
  const std::string report = s.file("_0_Jackknife_Output.txt");
  const auto distribution = report.find("Stable age-stage distribution (Total population = 1)");
  const auto product = report.find("Product of SASD*Cxj (Total population = 1)");
  const auto pseudoValues = report.find("Analyzed on : ");
  ASSERT_NE(distribution, std::string::npos);
  ASSERT_NE(product, std::string::npos);
  ASSERT_NE(pseudoValues, std::string::npos);
  EXPECT_LT(distribution, product);
  EXPECT_LT(product, pseudoValues);
}

}  // namespace
}  // namespace vorelan
