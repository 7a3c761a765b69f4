// The per-individual tables of cohorts too small for a spread: what cannot
// be formed prints "-".
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "report/basic_report_session.h"
#include "support/cohort_text.h"

namespace vorelan {
namespace {

using testing::BasicReportSession;
using testing::cohortFile;
using testing::reportLines;

bool hasLine(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

const std::vector<std::string> kStages = {"Larva", "Nymph", "Adult"};

TEST(IndividualTables, ASingleIndividualHasNoSpread) {
  BasicReportSession s(cohortFile(kStages, {"1,F,2,2,2,1,1,-1,2,2,-1,3,3,-1"}), "1");
  const auto lines = reportLines(s.report);
  // Stage duration: stages, pre-adult period and longevity.
  EXPECT_TRUE(hasLine(lines, "    S.D.           -        -        -           -             - "));
  EXPECT_TRUE(hasLine(lines, "    S.E.           -        -        -           -             - "));
  // Stage consumption: stages, pre-adult and total.
  EXPECT_TRUE(hasLine(lines, "    S.D.            -         -         -           -          - "));
  // Daily consumption: every age and the total.
  EXPECT_TRUE(
      hasLine(lines, "    S.D.     -        -        -        -        -        -        - "));
  // Basic statistics: the lifetime consumption of all individuals.
  EXPECT_TRUE(hasLine(lines, "    All stage        All    1       12        -             -"));
}

TEST(IndividualTables, TwoStagesWithOneLarvaGivePreadultStandardErrorAsDash) {
  BasicReportSession s(cohortFile({"Larva", "Adult"}, {"1,F,2,3,1,1,-1,2,2,2,-1", "2,N,-2,1,-1"}),
                       "1");
  EXPECT_TRUE(hasLine(reportLines(s.report),
                      "    S.E.           -        -           -             1.5  "));
}

}  // namespace
}  // namespace vorelan
