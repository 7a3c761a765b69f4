// The table of the stage means window: one row per stage.
#include <gtest/gtest.h>

#include "early_males_cohort.h"
#include "hand_built_results.h"
#include "results/stage_means.h"

namespace vorelan {
namespace {

// The files of a run of the program that wrote the report of these results.
OpenFiles reportWritten(const BasicRunResults& r) {
  OpenFiles files;
  files.written.push_back(r.ReportFileName);
  return files;
}

TEST(StageMeans, OneRowPerStageWithTheAdultLast) {
  const BasicRunResults r = testing::earlyMalesResults();
  const StageMeans table = StageMeanTable(r, reportWritten(r));
  EXPECT_EQ(table.projectLine, "Test project (detailed results see /data/cohort_0_Basic_Output.txt).");
  const std::vector<StageMeanRow> rows = {
      {"Egg", "1.67", "0.33"}, {"Larv", "1.5", "0.5"}, {"Pupa", "1.5", "0.5"}, {"Adult", "3", "0"}};
  EXPECT_EQ(table.rows, rows);
}

TEST(StageMeans, ElevenStagesGiveElevenRows) {
  BasicRunResults r = testing::handBuiltResults(11, 5);
  for (std::size_t j = 1; j <= 11; ++j) {
    r.StageDurN(j) = 4;
    r.StageDurMean(j) = static_cast<double>(j);
    r.StageDurSD(j) = 2;
  }
  const StageMeans table = StageMeanTable(r, reportWritten(r));
  ASSERT_EQ(table.rows.size(), 11u);
  EXPECT_EQ(table.rows[0], (StageMeanRow{"S1", "1", "1"}));
  EXPECT_EQ(table.rows[9], (StageMeanRow{"S10", "10", "1"}));
  EXPECT_EQ(table.rows[10], (StageMeanRow{"Adult", "11", "1"}));
}

// Means 2.125 and 2.375 go to the even hundredth; a stage nobody completed
// shows no mean, one completed by a single individual no standard error.
TEST(StageMeans, RoundingAndStagesWithoutAStatistic) {
  BasicRunResults r = testing::handBuiltResults(4, 5);
  const struct {
    std::int32_t n;
    double mean, sd;
  } stages[] = {{3, 2.125, 0.5}, {2, 2.375, 1}, {0, 9, 9}, {1, 3, 9}};
  for (std::size_t j = 1; j <= 4; ++j) {
    r.StageDurN(j) = stages[j - 1].n;
    r.StageDurMean(j) = stages[j - 1].mean;
    r.StageDurSD(j) = stages[j - 1].sd;
  }
  const std::vector<StageMeanRow> rows = {
      {"S1", "2.12", "0.29"}, {"S2", "2.38", "0.71"}, {"S3", "-", "-"}, {"Adult", "3", "-"}};
  EXPECT_EQ(StageMeanTable(r, reportWritten(r)).rows, rows);
}

// A report of the name that an earlier run of the program left, kept because
// this run's could not be written, is not named.
TEST(StageMeans, TheProjectLineNamesOnlyAReportThisRunWrote) {
  const BasicRunResults r = testing::earlyMalesResults();
  const StageMeans table = StageMeanTable(r, OpenFiles{});
  EXPECT_EQ(table.projectLine, "Test project (no report was written by this run of the program).");
  EXPECT_EQ(table.rows.size(), 4u);
}

}  // namespace
}  // namespace vorelan
