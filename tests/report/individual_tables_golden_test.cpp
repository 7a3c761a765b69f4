// The per-individual tables that open the basic report, checked line by line
// against expectations worked out by hand for two small cohorts.
#include <gtest/gtest.h>

#include "report/basic_report_session.h"
#include "report/half_unit_cohort_expected.h"
#include "report/mite_cohort_expected.h"

namespace vorelan {
namespace {

using testing::expectTable;

class MiteCohortReport : public testing::FixtureReport<testing::MiteCohort> {};

TEST_F(MiteCohortReport, StartsWithTheStageDurationOfEachIndividual) {
  ASSERT_GE(lines.size(), expected::kStageDurationTable.size());
  for (std::size_t k = 0; k < expected::kStageDurationTable.size(); ++k) {
    EXPECT_EQ(lines[k], expected::kStageDurationTable[k]) << "line " << k;
  }
}

TEST_F(MiteCohortReport, StageConsumptionOfEachIndividual) {
  expectTable(lines, expected::kStageConsumptionTable);
}

TEST_F(MiteCohortReport, DailyConsumptionOfEachIndividual) {
  expectTable(lines, expected::kDailyConsumptionTable);
}

class HalfUnitReport : public testing::FixtureReport<testing::HalfUnitCohort> {};

TEST_F(HalfUnitReport, StartsWithTheStageDurationOfEachIndividualInDays) {
  ASSERT_GE(lines.size(), expected::kHalfUnitStageDurationTable.size());
  for (std::size_t k = 0; k < expected::kHalfUnitStageDurationTable.size(); ++k) {
    EXPECT_EQ(lines[k], expected::kHalfUnitStageDurationTable[k]) << "line " << k;
  }
}

TEST_F(HalfUnitReport, StageConsumptionOfEachIndividual) {
  expectTable(lines, expected::kHalfUnitStageConsumptionTable);
}

TEST_F(HalfUnitReport, DailyConsumptionInTwoPagesOfHalfDayIntervals) {
  expectTable(lines, expected::kHalfUnitDailyConsumptionTable);
}

}  // namespace
}  // namespace vorelan
