// The weighting coefficients at the edges: the adult rows follow the sex
// letters, and the coefficients stay sound without males, without any
// consumption, or when nobody completed the first stage.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "report/basic_report_session.h"
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

}  // namespace
}  // namespace vorelan
