// The whole basic report of the five-mite cohort and of the example cohort at
// half-day time units, table after table in the order of the report, against
// the expectations worked out by hand.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "report/basic_report_session.h"
#include "report/half_unit_cohort_expected.h"
#include "report/mite_cohort_expected.h"
#include "support/fixture_path.h"

namespace vorelan {
namespace {

using Table = std::vector<std::string>;

void expectWholeReport(const std::string& fixture, const std::string& timeUnit,
                       std::initializer_list<const Table*> tables) {
  testing::BasicReportSession s(testing::readFile(testing::fixturePath(fixture)), timeUnit);
  const auto lines = testing::reportLines(s.report);
  Table expected;
  for (const Table* table : tables) expected.insert(expected.end(), table->begin(), table->end());
  for (std::size_t k = 0; k < expected.size() && k < lines.size(); ++k) {
    EXPECT_EQ(lines[k], expected[k]) << "line " << k + 1;
  }
  EXPECT_EQ(lines.size(), expected.size());
  EXPECT_TRUE(s.report.ends_with("\r\n"));
}

TEST(WholeBasicReport, MiteCohortTableAfterTable) {
  using namespace expected;
  expectWholeReport("mite_cohort.txt", "1",
                    {&kStageDurationTable, &kStageConsumptionTable, &kDailyConsumptionTable,
                     &kMatrixPart, &kBasicStatisticsTable, &kMeansTable, &kMatricesTable});
}

TEST(WholeBasicReport, HalfUnitCohortTableAfterTable) {
  using namespace expected;
  expectWholeReport(
      "three_individuals.txt", "0.5",
      {&kHalfUnitStageDurationTable, &kHalfUnitStageConsumptionTable,
       &kHalfUnitDailyConsumptionTable, &kHalfUnitMatrixPart, &kHalfUnitBasicStatisticsTable,
       &kHalfUnitMeansTable, &kHalfUnitMatricesTable});
}

}  // namespace
}  // namespace vorelan
