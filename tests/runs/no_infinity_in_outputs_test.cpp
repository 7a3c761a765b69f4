// No file, table, window or message of a run shows inf, nan, Infinity or NaN:
// a value that cannot be formed prints "-". Each case opens a hostile cohort
// in a folder of its own, runs the Basic Run and then reads every file the
// run wrote there, every box it showed and every result window's text.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "charts/life_table_figures.h"
#include "results/result_tables.h"
#include "results/stage_means.h"
#include "runs/basic_run.h"
#include "runs/handler_boundary.h"
#include "runs/open_data_file.h"
#include "support/cohort_text.h"
#include "support/fixture_path.h"
#include "support/non_number_text.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

using testing::ScriptedPlatform;
using testing::showsANonNumber;
using testing::TempDir;

struct HostileCase {
  const char* name;
  std::string data;
  const char* timeUnit;
  // Set after Open, as no answer in the box can: a time unit so small that
  // the daily means divided by the stage durations overflow.
  double forcedTimeUnit = 0;
};

void PrintTo(const HostileCase& c, std::ostream* out) { *out << c.name; }

const std::vector<std::string> FourStages = {"Egg", "Larva", "Pupa", "Adult"};

// One female eating the largest value accepted on every day of a life of 404.
std::string gluttonRecord() {
  std::string record = "1,F,101,101,101,101";
  for (int j = 0; j < 4; ++j) {
    for (int k = 0; k < 101; ++k) record += ",1e12";
    record += ",-1";
  }
  return record;
}

std::string mite() { return testing::readFile(testing::fixturePath("mite_cohort.txt")); }

const std::vector<HostileCase> HostileCases = {
    {"smallest_time_unit", mite(), "0.001"},
    {"largest_time_unit", mite(), "1000"},
    {"time_unit_below_every_bound", mite(), "1", 1e-310},
    {"time_unit_a_daily_value_overflows_at", testing::cohortFile(FourStages, {gluttonRecord()}), "1", 1e-300},
    {"largest_daily_values_over_the_longest_life", testing::cohortFile(FourStages, {gluttonRecord()}), "0.001"},
    {"no_individual_reaches_the_adult_stage",
     testing::cohortFile(FourStages, {"1,N,-1,-1", "2,N,2,-3,4,-1,-1", "3,N,1,1,-1,-1,-1,-1"}), "1"},
    {"nobody_eats", testing::cohortFile(FourStages, {"1,F,1,1,1,1,-1,-1,-1,-1", "2,M,2,1,1,3,-1,-1,-1,-1"}),
     "0.5"},
    {"one_unsexed_individual_dying_at_once", testing::cohortFile(FourStages, {"1,N,-1,-1"}), "1"},
    // Names of bytes that are no UTF-8 name the output files: cut to four
    // characters, they keep the names short enough to be written.
    {"stage_names_of_stray_bytes",
     testing::cohortFile({std::string(250, '\x80'), std::string(250, '\xFF'), "\xC3" + std::string(200, 'n'), "Adult"},
                         {"1,F,1,1,1,2,5,-1,-1,-1,3,3,-1", "2,M,1,2,1,1,-1,4,-1,-1,2,-1"}),
     "1"},
};

class NoInfinityInOutputs : public ::testing::TestWithParam<HostileCase> {};

TEST_P(NoInfinityInOutputs, EveryOutputOfTheBasicRun) {
  const HostileCase& c = GetParam();
  TempDir dir;
  AnalysisState state;
  ScriptedPlatform script;
  Platform platform = script.platform();
  script.inputAnswers = {c.timeUnit};
  script.chosenFiles = {dir.write("cohort.txt", c.data)};
  ASSERT_TRUE(runHandler(state, platform, [&] {
    ASSERT_TRUE(OpenDataFile(state, platform));
    if (c.forcedTimeUnit != 0) state.run.TimeUnit = c.forcedTimeUnit;
    ASSERT_EQ(BasicRun(state, platform), BasicRunOutcome::Computed);
  }));

  for (const auto& box : script.boxes) {
    EXPECT_FALSE(showsANonNumber(box.text)) << box.text;
    EXPECT_NE(box.title, "Error in output file") << box.text;
  }
  for (const auto& line : script.windowLines) EXPECT_FALSE(showsANonNumber(line)) << line;

  int files = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.path())) {
    if (!entry.is_regular_file() || entry.path().filename() == "cohort.txt") continue;
    ++files;
    EXPECT_FALSE(showsANonNumber(testing::readFile(entry.path().string()))) << entry.path().filename();
    // Every name stays within what a file system takes.
    EXPECT_LE(entry.path().filename().string().size(), 255u);
  }
  EXPECT_GE(files, 6) << "the report, the figure data and the files for statistics packages";

  for (const ResultTab& tab : ResultTables(state.basicRun)) {
    for (int row = 0; row < tab.grid.rows(); ++row) {
      for (int column = 0; column < tab.grid.columns(); ++column) {
        EXPECT_FALSE(showsANonNumber(tab.grid.text(row, column))) << tab.caption << " " << row << "," << column;
      }
    }
  }
  const StageMeans means = StageMeanTable(state.basicRun, state.files);
  EXPECT_FALSE(showsANonNumber(means.projectLine));
  for (const StageMeanRow& row : means.rows) EXPECT_FALSE(showsANonNumber(row.mean + " " + row.se)) << row.stage;

  // The charts draw only values that can be formed.
  for (LifeTableFigure figure : {LifeTableFigure::Sxj, LifeTableFigure::Gij, LifeTableFigure::Dij,
                                 LifeTableFigure::Cij, LifeTableFigure::Lx, LifeTableFigure::LxCx,
                                 LifeTableFigure::Cx}) {
    ChartData chart;
    fillLifeTableFigure(chart, state, figure, FigureWindow::Large);
    for (int row = 1; row <= chart.grid.rowCount(); ++row) {
      for (int column = 1; column <= chart.grid.columnCount(); ++column) {
        EXPECT_TRUE(std::isfinite(chart.grid.data(row, column))) << chart.title << " " << row << "," << column;
      }
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Cohorts, NoInfinityInOutputs, ::testing::ValuesIn(HostileCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NoInfinityInOutputs, AnOverflowedValuePrintsADash) {
  // The time unit that no box accepts any longer: c(j) and w(j) of the
  // weighting table overflow, and stand as "-" in the report.
  TempDir dir;
  AnalysisState state;
  ScriptedPlatform script;
  Platform platform = script.platform();
  script.inputAnswers = {"1"};
  script.chosenFiles = {dir.write("cohort.txt", mite())};
  ASSERT_TRUE(OpenDataFile(state, platform));
  state.run.TimeUnit = 1e-310;
  ASSERT_EQ(BasicRun(state, platform), BasicRunOutcome::Computed);
  const std::string report = testing::readFile(state.report.ReportFileName);
  EXPECT_NE(report.find("Sum[Sum[c(j)*s(x,j)]] = - \r\n"), std::string::npos);
  EXPECT_NE(report.find("    Larv          All      5      -              -"), std::string::npos);
}

}  // namespace
}  // namespace vorelan
