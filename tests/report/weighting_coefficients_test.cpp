// The weighting coefficients at the edges: the adult rows follow the sex
// letters, and the coefficients stay sound without males, without any
// consumption, or when nobody completed the first stage.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "report/basic_report_session.h"
#include "report/mean_daily_consumption_tables.h"
#include "support/report_on_file.h"
#include "support/scripted_platform.h"
#include "support/cohort_text.h"
#include "support/fixture_path.h"

namespace vorelan {
namespace {

using testing::BasicReportSession;
using testing::cohortFile;
using testing::reportLines;

bool hasLine(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The lines of the table whose title line is `title`, up to the next page mark.
std::vector<std::string> tableLines(const std::vector<std::string>& lines,
                                    const std::string& title) {
  auto begin = std::find(lines.begin(), lines.end(), title);
  auto end = std::find(begin, lines.end(), std::string("\b"));
  return {begin, end};
}

std::vector<std::string> meansTable(const std::vector<std::string>& lines) {
  return tableLines(lines, "    Table 14. Mean daily consumption rate and weighting coefficient");
}
std::vector<std::string> matricesTable(const std::vector<std::string>& lines) {
  return tableLines(lines, "    Table 15. Mean daily consumption rate and weighting coefficient");
}

const std::vector<std::string> kStages = {"Larva", "Nymph", "Adult"};

TEST(WeightingCoefficients, ACohortWithoutMalesKeepsTheFemaleValueInTheMaximum) {
  BasicReportSession s(
      cohortFile(kStages, {"1,F,2,2,2,1,1,-1,2,2,-1,3,3,-1", "2,F,2,2,2,1,1,-1,2,2,-1,5,5,-1",
                           "3,N,2,-1,1,1,-1,-1"}),
      "1");
  const auto table = meansTable(reportLines(s.report));
  ASSERT_FALSE(table.empty());
  EXPECT_TRUE(hasLine(table, "              Max. daily consumption rate: Female"));
  EXPECT_TRUE(hasLine(table, "    Larv          All      3      1              .25         "));
  EXPECT_TRUE(hasLine(table, "    Nymp          All      2      2              .5          "));
  EXPECT_TRUE(hasLine(table, "    Adult         Female   2      4              1           "));
  EXPECT_TRUE(hasLine(table, "    Adult         Male    0       0              0           "));
  // 1 x 2 + 2 x 5/3 + 4 x 4/3: the female adults count in the check sum.
  EXPECT_TRUE(hasLine(table, "    Sum[Sum[c(j)*s(x,j)]] = 10.67 "));
}

TEST(WeightingCoefficients, FemaleAndMaleRowsFollowTheSexLetters) {
  // The mite cohort with its sex lines in the order M, F, N.
  std::string text = testing::readFile(testing::fixturePath("mite_cohort.txt"));
  const std::string f = "F,Larva,Nymph,Female\r\n";
  const std::string m = "M,Larva,Nymph,Male\r\n";
  text.replace(text.find(f), f.size() + m.size(), m + f);
  text.replace(text.find("Nymph,Female\r\n1,"), 14, "Larva,Nymph\r\n");
  BasicReportSession s(text, "1");
  const auto lines = reportLines(s.report);
  for (const auto& table : {meansTable(lines), matricesTable(lines)}) {
    ASSERT_FALSE(table.empty());
    EXPECT_TRUE(hasLine(table, "              Max. daily consumption rate: Female"));
    EXPECT_TRUE(hasLine(table, "    Adult         Female   2      4.8333         1           "));
    EXPECT_TRUE(hasLine(table, "    Adult         Male     2      1              .2069       "));
  }
}

TEST(WeightingCoefficients, WithoutAnyConsumptionEveryCoefficientIsZero) {
  BasicReportSession s(
      cohortFile(kStages, {"1,F,2,2,2,-1,-1,-1", "2,M,2,2,2,-1,-1,-1", "3,N,2,-1,-1,-1"}), "1");
  const auto lines = reportLines(s.report);
  for (const auto& table : {meansTable(lines), matricesTable(lines)}) {
    ASSERT_FALSE(table.empty());
    EXPECT_TRUE(hasLine(table, "              Max. daily consumption rate: Larv"));
    EXPECT_TRUE(hasLine(table, "    Larv          All      3      0              0           "));
    EXPECT_TRUE(hasLine(table, "    Adult         Female   1      0              0           "));
  }
  // No effective consumer: Cbar cannot be formed.
  const std::string cbar =
      "    The mean consumption (predation) rate (Cbar or Pbar) of effective consumer (predator) = "
      "-";
  EXPECT_EQ(std::count(lines.begin(), lines.end(), cbar), 2);
  EXPECT_EQ(std::count(lines.begin(), lines.end(),
                       std::string("    The effective consumer (predator) (Nc or Np) = 0 ")),
            2);
}

TEST(WeightingCoefficients, AFirstStageNobodyCompletedHasNoDailyMean) {
  BasicReportSession s(cohortFile(kStages, {"1,N,-2,1,-1", "2,N,-3,-1"}), "1");
  const auto table = meansTable(reportLines(s.report));
  ASSERT_FALSE(table.empty());
  EXPECT_TRUE(hasLine(table, "              Max. daily consumption rate: Larv"));
  EXPECT_TRUE(hasLine(table, "    Larv          All     0       0              0           "));
  EXPECT_TRUE(hasLine(table, "    Sum[Sum[c(j)*s(x,j)]] = 0 "));
}


// Three stages whose daily means tie, set by hand: the larva, the nymph and
// the female adult all have c(j) = 2, the male 1 (means) or .5 (matrices).
class TiedDailyMeans : public testing::ReportOnFile {
 protected:
  void SetUp() override {
    ReportOnFile::SetUp();
    auto& h = state.header;
    h.NumStages = 3;
    h.NumSexes = 2;
    h.SexName(1) = "F", h.SexName(2) = "M";
    h.StageName(1, 1) = "Larv", h.StageName(1, 2) = "Nymp";
    auto& st = state.stageStats;
    st.MaxAge = 1;
    st.StageDurN(1) = 3, st.StageDurN(2) = 2;
    st.StageDurMean(1) = 2, st.StageConsMean(1) = 4;
    st.StageDurMean(2) = 3, st.StageConsMean(2) = 6;
    st.SexStageConsN(1, 3) = 1, st.SexStageConsN(2, 3) = 1;
    st.SexStageDurMean(1, 3) = 1, st.SexStageConsMean(1, 3) = 2;
    st.SexStageDurMean(2, 3) = 1, st.SexStageConsMean(2, 3) = 1;
    auto& v = state.ageVectors;
    v.CjFromMatrices(1) = 2, v.CjFromMatrices(2) = 2, v.CjFromMatrices(3) = 2, v.CjFromMatrices(4) = 0.5;
    // s(x,j) at age 0 and age 1: both ages count in the check sums.
    state.matrices.Sxj(0, 1) = 1, state.matrices.Sxj(1, 4) = 0.5;
    state.run.TimeUnit = 1;
  }

  static std::string row(const std::string& stage, const std::string& sex, const std::string& n,
                         const std::string& cj, const std::string& wj) {
    return testing::atColumns({{5, stage}, {19, sex}, {27, n}, {34, cj}, {49, wj}, {61, " "}});
  }

  std::vector<std::string> printedLines() { return reportLines(printed()); }

  testing::ScriptedPlatform script;
  Platform platform = script.platform();
};

// Ties keep the earlier stage, so the larva names the maximum.
TEST_F(TiedDailyMeans, TheEarlierStageNamesTheMaximumBasedOnMeans) {
  PrintDailyMeanConsumptionBasedonMeans(state, platform);
  const auto lines = printedLines();
  ASSERT_GE(lines.size(), 17u);
  EXPECT_EQ(lines[6], "              Max. daily consumption rate: Larv");
  EXPECT_EQ(lines[11], row("Larv", "All", " 3 ", " 2 ", " 1 "));
  EXPECT_EQ(lines[12], row("Nymp", "All", " 2 ", " 2 ", " 1 "));
  EXPECT_EQ(lines[13], row("Adult", "Female", " 1 ", " 2 ", " 1 "));
  EXPECT_EQ(lines[14], row("Adult", "Male", " 1 ", " 1 ", " .5 "));
  // 2 x 1 at age 0 plus 1 x .5 at age 1.
  EXPECT_EQ(lines[16], "    Sum[Sum[c(j)*s(x,j)]] = 2.5 ");
  EXPECT_EQ(state.ageVectors.MaxCj, 2);
}

TEST_F(TiedDailyMeans, TheEarlierStageNamesTheMaximumBasedOnMatrices) {
  PrintWeightingCoefBasedOnMatricesZandS(state, platform);
  const auto lines = printedLines();
  ASSERT_EQ(lines.size(), 17u);
  EXPECT_EQ(lines[6], "              Max. daily consumption rate: Larv");
  EXPECT_EQ(lines[11], row("Larv", "All", " 3 ", " 2 ", " 1 "));
  EXPECT_EQ(lines[12], row("Nymp", "All", " 2 ", " 2 ", " 1 "));
  EXPECT_EQ(lines[13], row("Adult", "Female", " 1 ", " 2 ", " 1 "));
  EXPECT_EQ(lines[14], row("Adult", "Male", " 1 ", " .5 ", " .25 "));
  // 2 x 1 at age 0 plus .5 x .5 at age 1.
  EXPECT_EQ(lines[16], "    Sum[Sum[c(j)*s(x,j)]] = 2.25 ");
}

}  // namespace
}  // namespace vorelan
