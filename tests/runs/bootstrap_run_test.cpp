// The bootstrap run from the button: questions first, then the replicates,
// the report, the result files, the frequency file and the density curves.
#include <gtest/gtest.h>

#include "bootstrap_run_fixture.h"
#include "platform/program_termination.h"
#include "predation/five_predators.h"
#include "support/non_number_text.h"

namespace vorelan {
namespace {

int lineCount(const std::string& text) {
  int lines = 0;
  for (std::size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += 2) ++lines;
  return lines;
}

using BootstrapRunTest = testing::BootstrapRunFixture;

// A Cancel or a refusal at any question leaves everything as it was: no
// file, the page counters, the run flags and the buttons' phase unchanged.
TEST_F(BootstrapRunTest, ACancelLeavesEverythingAsItWas) {
  state.report.PageNo = 17;
  const std::deque<std::optional<std::string>> answers[] = {
      {"1"},                // same samples, then the file dialog is cancelled
      {"2", std::nullopt},  // new samples, the number of replicates cancelled
      {std::nullopt, "40", std::nullopt},  // Cancel means new samples; then n cancelled
      {"Yes", std::nullopt},               // any answer but 1 means new samples
      {"", std::nullopt},
      {"2", "0", std::nullopt},            // B = 0 refused, asked again, cancelled
  };
  for (const auto& scripted : answers) {
    script.inputAnswers = scripted;
    script.chosenFiles = {""};
    EXPECT_EQ(run(), BootstrapOutcome::NotStarted);
    EXPECT_TRUE(script.inputAnswers.empty());  // each question was asked
    EXPECT_EQ(newFiles(), std::set<std::string>{});
    EXPECT_EQ(state.report.PageNo, 17);
    EXPECT_EQ(state.run.ResampleMethod, "j");
    EXPECT_FALSE(state.run.ResamplingRunning);
    EXPECT_EQ(state.run.ResamplingDone, "");
    EXPECT_EQ(background.runs, 0);
  }
}

// A samples file that cannot be used is refused with a message naming the
// fault, before anything changes.
TEST_F(BootstrapRunTest, ARefusedSamplesFileLeavesEverythingAsItWas) {
  const std::string samples = dir.write("samples.txt",
                                        "a,b,c\nB,2\nn,3\nSample 1,1,2,9\nRo,1\nlambda,1\n");
  before = files();
  script.inputAnswers = {"1"};
  script.chosenFiles = {samples};
  EXPECT_EQ(run(), BootstrapOutcome::NotStarted);
  ASSERT_EQ(script.messages().size(), 1u);
  EXPECT_NE(script.messages()[0].text.find("9"), std::string::npos) << script.messages()[0].text;
  EXPECT_EQ(newFiles(), std::set<std::string>{});
  EXPECT_EQ(state.run.ResampleMethod, "j");
  EXPECT_EQ(state.run.ResamplingDone, "");
  EXPECT_EQ(state.bootstrap.NumBootstrap, 0);
  EXPECT_EQ(background.runs, 0);
}

// A sample with Ro = 0 in the sibling's file: its message names the sample,
// and the program ends before any report is written.
TEST_F(BootstrapRunTest, ASampleWithRoZeroEndsTheProgramBeforeAnyReport) {
  const std::string samples = dir.write("samples.txt",
                                        "a,b,c\nB,3\nn,3\n"
                                        "Sample 1,1,2,3\nRo,5\nlambda,1.1\n"
                                        "Sample 2,3,2,1\nRo,4\nlambda,1.2\n"
                                        "Sample 3,2,2,1\nRo,0\nlambda,1.3\n"
                                        "m,4\nv,1\ns,1\no,4\nm,1.2\nv,.01\ns,.1\no,1.2\n");
  before = files();
  script.inputAnswers = {"1"};
  script.chosenFiles = {samples};
  EXPECT_THROW(run(), ProgramTermination);
  ASSERT_EQ(script.messages().size(), 1u);
  EXPECT_EQ(script.messages()[0].title, "Bootstrap Ro = 0");
  EXPECT_EQ(script.messages()[0].text.rfind("Bootstrap no. 3.  Ro = 0.", 0), 0u) << script.messages()[0].text;
  EXPECT_EQ(newFiles(), std::set<std::string>{});
}

TEST_F(BootstrapRunTest, NewSamplesRunWritesTheReportAndItsFiles) {
  script.inputAnswers = {"2", "7", "3"};
  script.messageAnswers = {MessageAnswer::Yes};
  ASSERT_EQ(run(), BootstrapOutcome::Done);

  // The replicates ran as background work and reported their progress, to
  // the last one.
  ASSERT_EQ(background.runs, 1);
  ASSERT_FALSE(background.reports.empty());
  EXPECT_EQ(background.reports.back(), (std::pair<std::int64_t, std::int64_t>{7, 7}));

  EXPECT_EQ(newFiles(), (std::set<std::string>{
                            "_0_Bootstrap_Output.txt",
                            "_0_Bootstrap_samples.txt",
                            "_4_Bootstrap_C0-in Row.txt",
                            "_4_Bootstrap_C0_in column.txt",
                            "_9_Bootstrap-Co frequency.txt",
                            "_22_Bootstrap-C0-Normal density.txt",
                            "_24_Bootstrap_Stage consume-1-in Row.txt",
                            "_24_Bootstrap_Stage consume-2-in Row.txt",
                            "_24_Bootstrap_Stage consume-3-in Row.txt",
                            "_24_Bootstrap_Stage consume-4-in Row.txt",
                            "_24_Bootstrap_Stage consume-5-in Row.txt",
                            "_Effective Boots-W_Stage mean_1_Egg_in column.txt",
                            "_Effective Boots-W_Stage mean_1_Egg_in row.txt",
                            "_Effective Boots-W_Stage mean_2_Larva_in column.txt",
                            "_Effective Boots-W_Stage mean_2_Larva_in row.txt",
                            "_Effective Boots-W_Stage mean_3_Pupa_in column.txt",
                            "_Effective Boots-W_Stage mean_3_Pupa_in row.txt",
                            "_Effective Boots-W_Stage mean_4_Adult_in column.txt",
                            "_Effective Boots-W_Stage mean_4_Adult_in row.txt",
                            "_Effective Boots-Y_Mean consumption_2_Larva_in column.txt",
                            "_Effective Boots-Y_Mean consumption_2_Larva_in row.txt",
                            "_Effective Boots-Y_Mean consumption_4_Adult_in column.txt",
                            "_Effective Boots-Y_Mean consumption_4_Adult_in row.txt",
                            "_Effective Boots-Y_Mean consumption_F_2_Larva_in column.txt",
                            "_Effective Boots-Y_Mean consumption_F_2_Larva_in row.txt",
                            "_Effective Boots-Y_Mean consumption_F_4_Adult_in column.txt",
                            "_Effective Boots-Y_Mean consumption_F_4_Adult_in row.txt",
                            "_Effective Boots-Y_Mean consumption_M_2_Larva_in column.txt",
                            "_Effective Boots-Y_Mean consumption_M_2_Larva_in row.txt",
                            "_Effective Boots-Y_Mean consumption_M_4_Adult_in column.txt",
                            "_Effective Boots-Y_Mean consumption_M_4_Adult_in row.txt",
                            "_Effective Boots-Y_Mean consumption_N_2_Larva_in column.txt",
                            "_Effective Boots-Y_Mean consumption_N_2_Larva_in row.txt",
                            "_Effective Boots-X_Egg-to-Larva_in column.txt",
                            "_Effective Boots-X_Egg-to-Larva_in row.txt",
                            "_Effective Boots-W_PreAdult_in column.txt",
                            "_Effective Boots-W_PreAdult_in row.txt",
                            "_Effective Boots-X_Egg-to-Adult_in column.txt",
                            "_Effective Boots-X_Egg-to-Adult_in row.txt",
                        }));
  EXPECT_EQ(file("_0_Bootstrap_samples.txt"), "");
  // Nothing that could not be formed (Qp without Ro, the predation rates
  // without replicates) shows up as inf or nan.
  for (const std::string& name : newFiles()) EXPECT_FALSE(testing::showsANonNumber(file(name))) << name;
  // The report: page head 7 lines, the table 15 lines and one a replicate.
  const std::string report = file("_0_Bootstrap_Output.txt");
  EXPECT_EQ(lineCount(report), 7 + 15 + 7);
  EXPECT_EQ(report.rfind("\b", 0), 0u);
  EXPECT_NE(report.find("    Table 1. Table of bootstrap samples\r\n"), std::string::npos);
  EXPECT_NE(report.find("    Original" + std::string(13, ' ') + " 17.3333 \r\n"), std::string::npos);
  // Every result file: six head lines, then the 7 values one a line, or five
  // a line with -1 after the last (5 + 2: two lines).
  for (const std::string& name : newFiles()) {
    const int lines = lineCount(file(name));
    const bool inColumn = name.find("in column") != std::string::npos;
    const bool inRow = name.find("in row") != std::string::npos || name.find("in Row") != std::string::npos;
    if (inColumn) {
      EXPECT_EQ(lines, 6 + 7) << name;
    } else if (inRow) {
      EXPECT_EQ(lines, 6 + 2) << name;
    }
  }
  EXPECT_EQ(lineCount(file("_9_Bootstrap-Co frequency.txt")), 33);
  EXPECT_EQ(lineCount(file("_22_Bootstrap-C0-Normal density.txt")), 209);

  // Every replicate is the mean lifetime consumption of three of 19, 25, 8.
  for (int b = 1; b <= 7; ++b) {
    const double c0 = state.bootstrap.BootC0(b) * 3;
    bool madeOfThree = false;
    for (double x : {19, 25, 8}) for (double y : {19, 25, 8}) for (double z : {19, 25, 8}) madeOfThree |= std::abs(c0 - (x + y + z)) < 1e-9;
    EXPECT_TRUE(madeOfThree) << b;
  }

  EXPECT_EQ(state.run.ResamplingDone, "yes");
  EXPECT_EQ(state.run.ResampleMethod, "b");
  EXPECT_FALSE(state.run.ResamplingRunning);
  EXPECT_EQ(state.bootSummary.BootBeginText, "Bootstrap begins at:\n10/12/2026 13:00:00");
  EXPECT_EQ(state.bootSummary.BootEndText, "Bootstrap ended at:\n10/12/2026 13:00:00");
  const auto boxes = script.messages();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].title, "Normal density curve.");
  EXPECT_EQ(boxes[1].text, "Congratulation!");
}

TEST_F(BootstrapRunTest, NoDensityCurvesOnNo) {
  script.inputAnswers = {"2", "3", "3"};
  script.messageAnswers = {MessageAnswer::No};
  ASSERT_EQ(run(), BootstrapOutcome::Done);
  for (const std::string& name : newFiles()) EXPECT_EQ(name.find("Normal density"), std::string::npos) << name;
  EXPECT_EQ(script.messages().size(), 1u);
}

// The main window is closed while the replicates run: the run stops, and
// no report is left that could pass for a finished one.
TEST_F(BootstrapRunTest, AStoppedRunLeavesNoReport) {
  script.inputAnswers = {"2", "50", "3"};
  background.stopAfter = 2;
  EXPECT_EQ(run(), BootstrapOutcome::Stopped);
  EXPECT_FALSE(files().count("_0_Bootstrap_Output.txt"));
  EXPECT_FALSE(files().count("_4_Bootstrap_C0_in column.txt"));
  EXPECT_FALSE(state.files.file3.isOpen());
  EXPECT_FALSE(state.run.ResamplingRunning);
  EXPECT_EQ(state.run.ResamplingDone, "");
}

// The turning points of the window come in order.
TEST_F(BootstrapRunTest, TheWindowIsToldWhenTheReplicatesBeginAndTheRunEnds) {
  std::vector<std::string> told;
  window.replicatesBegin = [&] { told.push_back(state.run.ResamplingRunning ? "begin running" : "begin"); };
  window.runEnded = [&] { told.push_back(state.run.ResamplingDone == "yes" ? "ended done" : "ended"); };
  script.inputAnswers = {"2", "2", "3"};
  script.messageAnswers = {MessageAnswer::No};
  ASSERT_EQ(run(), BootstrapOutcome::Done);
  EXPECT_EQ(told, (std::vector<std::string>{"begin running", "ended done"}));
}

// Once a stable age-stage distribution has been read, the report begins
// with it and its product with c(x,j) (psi = 70 / 32 for this cohort), and
// the bootstrap table follows as table 3 on page 3.
TEST(BootstrapRunAfterReadSASD, TheReportBeginsWithTheDistribution) {
  testing::FivePredators predators;
  predators.readRates(testing::SasdFileText{});
  predators.script.inputAnswers = {"2", "4", "5"};
  predators.script.messageAnswers = {MessageAnswer::No};
  testing::InlineBackgroundWork background;
  ASSERT_EQ(cmdBootstrap_Click(predators.state, predators.platform, background), BootstrapOutcome::Done);
  const auto lines = testing::reportLines(testing::readFile(predators.state.report.ReportFileName));
  const std::string page = std::string(69, ' ') + "Page ";
  const std::vector<std::string> heads = {
      "\b", page + "1 ", "    Table 1. Stable age-stage distribution (Total population = 1)",
  };
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 3), heads);
  const std::size_t product =
      testing::findLine(lines, "    Table 2. Product of SASD*Cxj (Total population = 1)");
  ASSERT_LT(product, lines.size());
  EXPECT_EQ(lines[product - 1], page + "2 ");
  EXPECT_LT(testing::findLine(lines, "    Stable predation rate (psi): 2.1875 "), lines.size());
  const std::size_t boot = testing::findLine(lines, "    Table 3. Table of bootstrap samples");
  ASSERT_LT(boot, lines.size());
  EXPECT_GT(boot, product);
  EXPECT_EQ(lines[boot - 6], "\b" + std::string(68, ' ') + "Page 3 ");
}

}  // namespace
}  // namespace vorelan
