// The per-individual tables of a two-stage cohort in half-day time units
// without males, worked out by hand: the pre-adult column is the larva's,
// its S.D. and S.E. print to 3 decimals, and the male maxima print 0.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/basic_report_session.h"
#include "support/cohort_text.h"

namespace vorelan {
namespace {

using testing::BasicReportSession;
using testing::cohortFile;
using testing::reportLines;

// Two females (larva 2 and 4 time units, adult 3 and 2) and an immature
// dead after 3 time units as a larva.
const std::vector<std::string> kRecords = {"1,F,2,3,1,2,-1,1,1,1,-1", "2,F,4,2,2,2,2,2,-1,3,3,-1",
                                           "3,N,-3,1,1,1,-1"};

const std::vector<std::string> kExpected = {
    "                                                                     Page 1 ",
    " ",
    " ",
    " ",
    "    Project: Test project",
    "    Name   : Tester",
    "    Date   : 2026-01-01",
    " ",
    "    Table 1. Stage duration of each individual",
    "    ==================================================",
    "    Indiv. Sex    Larva  Adult  Preadult    Longevity ",
    "    --------------------------------------------------",
    "     1      F      1        1.5         1             2.5  ",
    "     2      F      2        1           2             3  ",
    "     3      N      1.5 d    -           -             1.5  ",
    "    --------------------------------------------------",
    "    N              2        2           2             3  ",
    "    --------------------------------------------------",
    "    Mean           1.5      1.25        1.5           2.33  ",
    "    --------------------------------------------------",
    "    Maximum        2        1.5         2             3  ",
    "    --------------------------------------------------",
    "    Minimum        1        1           1             1.5  ",
    "    --------------------------------------------------",
    "    S.D.           .707     .354        .707          .764  ",
    "    --------------------------------------------------",
    "    S.E.           .5       .25         .5            .441  ",
    "    --------------------------------------------------",
    "    d - dead.",
    "    Max. longevity of male adult = 0 ",
    "    Max. longevity of female adult = 1.5 ",
    "\b",
    "                                                                     Page 2 ",
    " ",
    "    Table 2. Stage consumption rate of each individual",
    "    =========================================================",
    "    Indiv.  Sex     Larva     Adult      Preadult    Total ",
    "    ---------------------------------------------------------",
    "     1       F      3         3           3          6  ",
    "     2       F      8         6           8          14  ",
    "     3       N      3 d       -           3          3  ",
    "    ---------------------------------------------------------",
    "    N               2         2           3          3  ",
    "    ---------------------------------------------------------",
    "    Mean            5.5       4.5         4.67       7.67  ",
    "    ---------------------------------------------------------",
    "    Maximum         8         6           8          14  ",
    "    ---------------------------------------------------------",
    "    Minimum         3         3           3          3  ",
    "    ---------------------------------------------------------",
    "    S.D.            3.536     2.121       2.887      5.686  ",
    "    ---------------------------------------------------------",
    "    S.E.            2.5       1.5         1.67       3.283  ",
    "    ---------------------------------------------------------",
    "    d - dead.",
    "    Max. predation rate of male adult = 0 ",
    "    Max. predation rate of female adult = 14 ",
    "    The effective consumer (predator) (Nc or Np) = 3 ",
    "    The mean consumption (predation) rate (Cbar or Pbar) of effective consumer (predator) = 7.67 ",
    "\b",
    "                                                                     Page 3 ",
    " ",
    " ",
    " ",
    " ",
    "    Project: Test project",
    "    Name   : Tester",
    "    Date   : 2026-01-01",
    " ",
    "    Table 3. Daily consumption rate of each individual",
    "    =======================================================================",
    "    Indiv.                            Age interval",
    "     no.     0-<.5    .5-<1    1-<1.5   1.5-<2   2-<2.5   2.5-<3    Total ",
    "    -----------------------------------------------------------------------",
    "     1        1        2        1        1        1        0 d      6  ",
    "     2        2        2        2        2        3        3        14  ",
    "     3        1        1        1        0 d      -        -        3  ",
    "    -----------------------------------------------------------------------",
    "    N         3        3        3        2        2        1        3  ",
    "    -----------------------------------------------------------------------",
    "    Mean      1.33     1.67     1.33     1.5      2        3        7.67  ",
    "    -----------------------------------------------------------------------",
    "    S.D.      .577     .577     .577     .707     1.414   -         5.686  ",
    "    -----------------------------------------------------------------------",
    "    S.E.      .333     .333     .333     .5       1       -         3.283  ",
    "    -----------------------------------------------------------------------",
    "    d - dead.",
    "    Maximum consumption rate = 14 ",
    "    Maximum daily consumption rate = 3 ",
    "    The effective consumer (predator) (Nc or Np) = 3 ",
    "    The mean consumption (predation) rate (Cbar or Pbar) of effective consumer (predator) = 7.67 ",
};

TEST(TwoStageHalfUnitCohort, TablesOfEachIndividual) {
  BasicReportSession s(cohortFile({"Larva", "Adult"}, kRecords), "0.5");
  ASSERT_TRUE(s.script.messages().empty()) << s.script.messages().front().text;
  const auto lines = reportLines(s.report);
  ASSERT_GE(lines.size(), kExpected.size());
  for (std::size_t k = 0; k < kExpected.size(); ++k) {
    EXPECT_EQ(lines[k], kExpected[k]) << "line " << k;
  }
}

}  // namespace
}  // namespace vorelan
