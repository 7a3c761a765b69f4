// The per-individual tables that open the basic report, checked line by line
// against expectations worked out by hand for two small cohorts.
#include <gtest/gtest.h>

#include "report/basic_report_session.h"
#include "report/half_unit_cohort_expected.h"
#include "report/mite_cohort_expected.h"
#include "support/fixture_path.h"

namespace vorelan {
namespace {

using testing::BasicReportSession;
using testing::expectTable;
using testing::fixturePath;
using testing::readFile;
using testing::reportLines;

class MiteCohortReport : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    session = new BasicReportSession(readFile(fixturePath("mite_cohort.txt")), "1");
    lines = reportLines(session->report);
  }
  static void TearDownTestSuite() { delete session; }
  static BasicReportSession* session;
  static std::vector<std::string> lines;
};
BasicReportSession* MiteCohortReport::session = nullptr;
std::vector<std::string> MiteCohortReport::lines;

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

class HalfUnitReport : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    session = new BasicReportSession(readFile(fixturePath("three_individuals.txt")), "0.5");
    lines = reportLines(session->report);
  }
  static void TearDownTestSuite() { delete session; }
  static BasicReportSession* session;
  static std::vector<std::string> lines;
};
BasicReportSession* HalfUnitReport::session = nullptr;
std::vector<std::string> HalfUnitReport::lines;

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
