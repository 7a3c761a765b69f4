#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "datafile/data_file_checks.h"
#include "datafile/raw_data_reader.h"
#include "runs/basic_run.h"
#include "runs/handler_boundary.h"
#include "runs/open_data_file.h"
#include "support/cohort_text.h"
#include "support/fixture_path.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

using testing::ScriptedPlatform;
using testing::TempDir;

struct Session {
  AnalysisState state;
  ScriptedPlatform script;
  Platform platform = script.platform();

  // Copies the three-individual example into `dir` as cohort.txt and scripts
  // the Open step: the time-unit answers, then that copy in the file dialog.
  std::string openCopyOfExample(const TempDir& dir,
                                std::deque<std::optional<std::string>> timeUnitAnswers = {"1"}) {
    const std::string data =
        dir.write("cohort.txt", testing::readFile(testing::fixturePath("three_individuals.txt")));
    script.inputAnswers = std::move(timeUnitAnswers);
    script.chosenFiles = {data};
    return data;
  }
};

TEST(OpenDataFile, OpenAndBasicRunReadTheCohortAndCreateTheReport) {
  TempDir dir;
  Session s;
  const std::string data = s.openCopyOfExample(dir);

  ASSERT_TRUE(OpenDataFile(s.state, s.platform));
  EXPECT_EQ(s.script.boxes.at(0).title, "Each time unit =?");
  EXPECT_EQ(s.script.boxes.at(0).text, "Enter the time unit of your data (1 or 0.5)");
  EXPECT_EQ(s.state.report.DataFileName, data);
  EXPECT_EQ(s.state.report.BaseFileName, (dir.path() / "cohort").string());
  EXPECT_EQ(s.state.report.ReportFileName, (dir.path() / "cohort_0_Basic_Output.txt").string());
  // The report replaces nothing until the Basic Run has written it.
  EXPECT_FALSE(std::filesystem::exists(s.state.report.ReportFileName));
  EXPECT_EQ(s.state.run.TimeUnit, 1);
  // Opening only checks: the cohort is read by the Basic Run.
  EXPECT_EQ(s.state.header.NumIndividuals, 0);

  EXPECT_EQ(BasicRun(s.state, s.platform), BasicRunOutcome::Computed);
  EXPECT_EQ(s.state.header.NumIndividuals, 3);
  EXPECT_EQ(s.state.run.BasicRunDone, "yes");
  EXPECT_EQ(s.state.run.ResampleMethod, "j");
  EXPECT_FALSE(s.state.files.file3.isOpen());
  EXPECT_TRUE(std::filesystem::exists(s.state.report.ReportFileName));
  EXPECT_EQ(s.script.messages().size(), 0u);
}

TEST(OpenDataFile, ASecondBasicRunComputesNothing) {
  TempDir dir;
  Session s;
  s.openCopyOfExample(dir);
  ASSERT_TRUE(OpenDataFile(s.state, s.platform));
  ASSERT_EQ(BasicRun(s.state, s.platform), BasicRunOutcome::Computed);
  s.state.header.ProjectName = "marker";
  EXPECT_EQ(BasicRun(s.state, s.platform), BasicRunOutcome::AlreadyDone);
  EXPECT_EQ(s.state.header.ProjectName, "marker");
}

// Only the file's own name is cut, never into a folder's name, however short
// the file's: a name of four characters or fewer is kept whole.
TEST(OpenDataFile, BaseFileNameDropsTheLastFourCharactersOfTheNameAlone) {
  const struct {
    const char* path;
    const char* base;
  } cases[] = {
      {"D:\\x\\cohort.txt", "D:\\x\\cohort"},
      {"D:\\x\\cohort.data", "D:\\x\\cohort."},
      {"/d/k\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4.txt", "/d/k\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4"},
      {"/d/\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4\xC3\xA4", "/d/\xC3\xA4"},
      // A byte that is no UTF-8 is one character: the name keeps what precedes it.
      {"/d/ab\x80\x80\x80\x80", "/d/ab"},
      {"/d/ab\xC3.txt", "/d/ab\xC3"},
      {"/d/proj.old/mite", "/d/proj.old/mite"},
      {"/d/proj.old/a", "/d/proj.old/a"},
      {"/d/proj.old/mites", "/d/proj.old/m"},
      {"abc", "abc"},
      {"cohort.txt", "cohort"},
  };
  for (const auto& c : cases) EXPECT_EQ(baseFileNameOf(c.path), c.base) << c.path;
}

TEST(OpenDataFile, TimeUnitAnswers) {
  EXPECT_EQ(leadingNumber("0.5"), 0.5);
  EXPECT_EQ(leadingNumber(" 1 day"), 1);
  EXPECT_EQ(leadingNumber(""), std::nullopt);
  EXPECT_EQ(leadingNumber("half"), std::nullopt);
  EXPECT_EQ(leadingNumber("-.5"), -0.5);
  EXPECT_EQ(leadingNumber("2.5e"), 2.5);
  EXPECT_EQ(leadingNumber("1e1x"), 10);
  EXPECT_EQ(leadingNumber("1.5e-1 days"), 0.15);
  EXPECT_EQ(leadingNumber("+"), std::nullopt);
  EXPECT_EQ(leadingNumber(".e5"), std::nullopt);
}

TEST(OpenDataFile, AVeryLongTimeUnitAnswerIsReadAtOnce) {
  // One pass over the answer: a quadratic search would take minutes here.
  const std::string answer = "0.5" + std::string(2'000'000, 'x');
  const auto begin = std::chrono::steady_clock::now();
  EXPECT_EQ(leadingNumber(answer), 0.5);
  EXPECT_LT(std::chrono::steady_clock::now() - begin, std::chrono::seconds(2));
}

TEST(OpenDataFile, CancelInTheTimeUnitBoxChangesNothing) {
  Session s;
  s.script.inputAnswers = {std::nullopt};
  EXPECT_FALSE(OpenDataFile(s.state, s.platform));
  EXPECT_EQ(s.state.run.TimeUnit, 1);
  EXPECT_TRUE(s.state.report.DataFileName.empty());
}

TEST(OpenDataFile, AnAnswerThatIsNotAPositiveNumberIsAskedAgain) {
  TempDir dir;
  Session s;
  s.openCopyOfExample(dir, {"", "0", "-1", "1e308", "0.5"});
  ASSERT_TRUE(OpenDataFile(s.state, s.platform));
  EXPECT_EQ(s.state.run.TimeUnit, 0.5);
  const auto messages = s.script.messages();
  ASSERT_EQ(messages.size(), 4u);
  EXPECT_EQ(messages[0].text, "The time unit must be a number from 0.001 to 1000, such as 1 or 0.5.");
}

TEST(OpenDataFile, TheTimeUnitLiesFromAThousandthToAThousandDays) {
  // Below a thousandth of a day the daily means divided by the mean stage
  // durations overflow: the report would show infinities.
  struct Answer {
    const char* text;
    bool accepted;
  };
  const Answer answers[] = {{"1e-310", false}, {"1e-300", false}, {"0.000999", false},
                            {"0.001", true},   {"1000", true},    {"1000.001", false}};
  for (const Answer& answer : answers) {
    TempDir dir;
    Session s;
    s.openCopyOfExample(dir, {answer.text, "1"});
    ASSERT_TRUE(OpenDataFile(s.state, s.platform)) << answer.text;
    EXPECT_EQ(s.state.run.TimeUnit, answer.accepted ? *leadingNumber(answer.text) : 1) << answer.text;
    const auto messages = s.script.messages();
    ASSERT_EQ(messages.size(), answer.accepted ? 0u : 1u) << answer.text;
    if (!answer.accepted) {
      EXPECT_EQ(messages[0].title, "Each time unit =?");
      EXPECT_EQ(messages[0].text, "The time unit must be a number from 0.001 to 1000, such as 1 or 0.5.");
    }
  }
}

TEST(OpenDataFile, CancelInTheFileDialogOpensNothing) {
  Session s;
  s.script.inputAnswers = {"0.5"};
  s.script.chosenFiles = {""};
  EXPECT_FALSE(OpenDataFile(s.state, s.platform));
  EXPECT_TRUE(s.state.report.DataFileName.empty());
  EXPECT_FALSE(s.state.files.file3.isOpen());
}

TEST(OpenDataFile, AFaultyFileKeepsTheReportOfAnEarlierRunAndEndsTheProgram) {
  TempDir dir;
  const std::string data = dir.write("cohort.txt", testing::cohortFile({"Egg", "Adult"}, {"2,F,1,1,-1,-1"}));
  const std::string report = dir.write("cohort_0_Basic_Output.txt", "earlier report");
  Session s;
  s.script.inputAnswers = {"1"};
  s.script.chosenFiles = {data};
  const bool finished = runHandler(s.state, s.platform, [&] { OpenDataFile(s.state, s.platform); });
  EXPECT_FALSE(finished);
  EXPECT_EQ(s.script.endProgramCalls, 1);
  EXPECT_EQ(s.script.messages().at(0).title, "Error in data file");
  EXPECT_EQ(testing::readFile(report), "earlier report");
  EXPECT_FALSE(s.state.files.file3.isOpen());
}

TEST(OpenDataFile, AReportThatCannotBeCreatedIsToldAndOpensNothing) {
  TempDir dir;
  std::filesystem::create_directory(dir.path() / "cohort_0_Basic_Output.txt");
  Session s;
  s.openCopyOfExample(dir);
  EXPECT_FALSE(OpenDataFile(s.state, s.platform));
  ASSERT_EQ(s.script.messages().size(), 1u);
  EXPECT_EQ(s.script.messages()[0].title, "Error in output file");
  EXPECT_NE(s.script.messages()[0].text.find("cohort_0_Basic_Output.txt"), std::string::npos);
}

TEST(BasicRun, AFileEditedAfterItWasOpenedIsCheckedAgain) {
  TempDir dir;
  Session s;
  const std::string data = s.openCopyOfExample(dir);
  ASSERT_TRUE(OpenDataFile(s.state, s.platform));
  // A female that dies as a pupa: refused by the check at Open.
  dir.write("cohort.txt", testing::cohortFile({"Egg", "Larva", "Pupa", "Adult"}, {"1,F,1,1,-2,-1,-1,-1"}));
  EXPECT_FALSE(runHandler(s.state, s.platform, [&] { BasicRun(s.state, s.platform); }));
  ASSERT_EQ(s.script.messages().size(), 1u);
  EXPECT_EQ(s.script.messages()[0].title, "Error in data file");
  EXPECT_EQ(s.script.endProgramCalls, 1);
  EXPECT_EQ(s.state.header.NumIndividuals, 0);
  EXPECT_FALSE(s.state.files.file3.isOpen());
}

TEST(BasicRun, AFileEditedAfterItWasOpenedIsReadAsItNowStands) {
  TempDir dir;
  Session s;
  s.openCopyOfExample(dir);
  ASSERT_TRUE(OpenDataFile(s.state, s.platform));
  // Still a sound file, but one daily value differs from what Open read.
  std::string edited = testing::readFile(testing::fixturePath("three_individuals.txt"));
  const std::string before = "1,M,2,3,6,2,-1,2,5,5,-1";
  ASSERT_NE(edited.find(before), std::string::npos);
  edited.replace(edited.find(before), before.size(), "1,M,2,3,6,2,-1,2,9,5,-1");
  dir.write("cohort.txt", edited);

  EXPECT_EQ(BasicRun(s.state, s.platform), BasicRunOutcome::Computed);
  EXPECT_EQ(s.state.cohort.DailyConsumption(1, 3), 9);
  EXPECT_EQ(s.state.cohort.DailyConsumption(1, 4), 5);
  EXPECT_EQ(s.script.messages().size(), 0u);
}

TEST(InputData, TakesNoRecordsFromACheckOfOtherBytes) {
  TempDir dir;
  Session s;
  const std::string data = s.openCopyOfExample(dir);
  s.state.report.DataFileName = data;
  CheckData2005(s.state, s.platform);
  dir.write("cohort.txt", testing::cohortFile({"Egg", "Larva", "Pupa", "Adult"}, {"1,F,1,1,1,3,-1,-1,-1,5,-1"}));
  InputData(s.state, s.platform);
  EXPECT_EQ(s.state.header.NumIndividuals, 1);
  EXPECT_EQ(s.state.cohort.Sex(1), "F");
}

TEST(BasicRun, TheLifeTableIsReadyBeforeTheFilesForStatisticsPackagesAreWritten) {
  TempDir dir;
  Session s;
  s.openCopyOfExample(dir);
  ASSERT_TRUE(OpenDataFile(s.state, s.platform));
  const auto lifelong = dir.path() / "cohort_Lifelong consumption_All sexes.txt";
  int calls = 0;
  EXPECT_EQ(BasicRun(s.state, s.platform,
                     [&] {
                       ++calls;
                       EXPECT_GT(s.state.ageVectors.NetConsumptionRate, 0);
                       EXPECT_FALSE(std::filesystem::exists(lifelong));
                     }),
            BasicRunOutcome::Computed);
  EXPECT_EQ(calls, 1);
  EXPECT_TRUE(std::filesystem::exists(lifelong));
  // A second click computes nothing and draws nothing.
  EXPECT_EQ(BasicRun(s.state, s.platform, [&] { ++calls; }), BasicRunOutcome::AlreadyDone);
  EXPECT_EQ(calls, 1);
}

}  // namespace
}  // namespace vorelan
