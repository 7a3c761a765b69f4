#include "runs/compare_two_bootstraps_run.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/report_on_file.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

using testing::atColumns;
using testing::crlfLines;

struct Comparison {
  testing::TempDir dir;
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  AnalysisState state;

  Comparison() {
    state.header.ProjectName = "Prey A";
    state.report.BaseFileName = (dir.path() / "cohort").string();
    state.bootstrap.BootC0Mean = 5;
    state.bootstrap.BootC0Var = 8;
    state.bootstrap.BootC0SE = 2.5;
  }
  std::string output() const { return testing::readFile(state.report.BaseFileName + "_6-Compare2Bs-output.txt"); }
};

TEST(CompareTwoBootstraps, WritesBothTreatmentsAndShowsTheTValue) {
  Comparison c;
  c.script.chosenFiles = {c.dir.write("b.txt", "Prey B,u,d\r\nn,10\r\nB,3\r\n1,1\r\n2,2\r\n3,3\r\n")};
  ASSERT_TRUE(cmdCompare2boots_Click(c.state, c.platform));
  // t = |2 - 5| / sqrt(8 + 1) = 1.
  EXPECT_EQ(c.output(), crlfLines({"Treatment 1: Prey A", "Treatment 2: Prey B", std::string(60, '='),
                                   atColumns({{17, "Treatment 1"}, {42, "Treatment 2"}}), std::string(60, '-'),
                                   atColumns({{1, "Mean ="}, {15, " 5 "}, {40, " 2 "}}),
                                   atColumns({{1, "Variance ="}, {15, " 8 "}, {40, " 1 "}}),
                                   atColumns({{1, "SE ="}, {15, " 2.5 "}, {40, " 1 "}}), std::string(60, '-'),
                                   "t-value = 1 ", " ", ""}));
  ASSERT_EQ(c.script.messages().size(), 1u);
  EXPECT_EQ(c.script.messages()[0].title, "t-test");
  EXPECT_EQ(c.script.messages()[0].text, "The t-value = 1");
  EXPECT_TRUE(c.state.comparison.ComparisonDone);
}

TEST(CompareTwoBootstraps, CancelAndRefusalsChangeNothing) {
  Comparison c;
  c.script.chosenFiles = {"", c.dir.write("bad.txt", "Prey B,u,d,n,10,B,1,1,1"),
                          c.dir.write("flat.txt", "Prey B,u,d,n,10,B,2,1,4,2,4")};
  c.state.bootstrap.BootC0Var = 0;
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(cmdCompare2boots_Click(c.state, c.platform));
  EXPECT_EQ(c.script.messages().size(), 2u);
  EXPECT_FALSE(std::filesystem::exists(c.state.report.BaseFileName + "_6-Compare2Bs-output.txt"));
  EXPECT_FALSE(c.state.comparison.ComparisonDone);
  EXPECT_TRUE(c.state.comparison.CompareValue.empty());
}

}  // namespace
}  // namespace vorelan
