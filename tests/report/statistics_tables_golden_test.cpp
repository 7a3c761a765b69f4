// The basic statistics and the two tables of weighting coefficients that close
// the basic report, checked line by line against expectations worked out by
// hand for two small cohorts.
#include <gtest/gtest.h>

#include "report/basic_report_session.h"
#include "report/half_unit_cohort_expected.h"
#include "report/mite_cohort_expected.h"

namespace vorelan {
namespace {

using testing::expectTable;

class MiteCohortStatistics : public testing::FixtureReport<testing::MiteCohort> {};

TEST_F(MiteCohortStatistics, BasicStatisticsOfLifeHistoryData) {
  expectTable(lines, expected::kBasicStatisticsTable);
}

TEST_F(MiteCohortStatistics, WeightingCoefficientsBasedOnMeans) {
  expectTable(lines, expected::kMeansTable);
}

// The report ends with the table based on the matrices.
TEST_F(MiteCohortStatistics, EndsWithWeightingCoefficientsBasedOnMatrices) {
  expectTable(lines, expected::kMatricesTable);
  ASSERT_GE(lines.size(), expected::kMatricesTable.size());
  EXPECT_EQ(lines.back(), expected::kMatricesTable.back());
  EXPECT_TRUE(session->report.ends_with("\r\n"));
}

// The check sum over every age from 0 equals C0: the larva feeds on its first day.
TEST_F(MiteCohortStatistics, MatrixCheckSumEqualsTheNetConsumptionRate) {
  EXPECT_NEAR(session->state.ageVectors.CjCheckSumFromMatrices,
              session->state.ageVectors.TotalNetConsumptionRate, 1e-12);
  EXPECT_NEAR(session->state.ageVectors.CjCheckSumFromMatrices, 12.4, 1e-12);
}

class HalfUnitStatistics : public testing::FixtureReport<testing::HalfUnitCohort> {};

TEST_F(HalfUnitStatistics, BasicStatisticsInDays) {
  expectTable(lines, expected::kHalfUnitBasicStatisticsTable);
}

// c(j) per day times the time unit: the check sum comes out at C0, not twice it.
TEST_F(HalfUnitStatistics, WeightingCoefficientsBasedOnMeans) {
  expectTable(lines, expected::kHalfUnitMeansTable);
  EXPECT_NEAR(session->state.ageVectors.CjCheckSumFromMeans, 52.0 / 3, 1e-9);
}

TEST_F(HalfUnitStatistics, WeightingCoefficientsBasedOnMatrices) {
  expectTable(lines, expected::kHalfUnitMatricesTable);
  EXPECT_EQ(lines.back(), expected::kHalfUnitMatricesTable.back());
}

}  // namespace
}  // namespace vorelan
