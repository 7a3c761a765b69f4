#pragma once
// Runs Open data file and Basic Run on a data file in a fresh folder and
// returns the lines of the basic report, for the tests of its tables.
#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "runs/basic_run.h"
#include "runs/open_data_file.h"
#include "support/fixture_path.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan::testing {

struct BasicReportSession {
  AnalysisState state;
  ScriptedPlatform script;
  Platform platform = script.platform();
  TempDir dir;
  std::string report;

  // The report of the data `content` read with the given time unit answer.
  BasicReportSession(const std::string& content, const std::string& timeUnit) {
    const std::string data = dir.write("cohort.txt", content);
    script.inputAnswers = {timeUnit};
    script.chosenFiles = {data};
    if (!OpenDataFile(state, platform)) return;
    BasicRun(state, platform);
    report = readFile(state.report.ReportFileName);
  }
};

// The report split at its CR LF line ends.
inline std::vector<std::string> reportLines(const std::string& report) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = report.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(report.substr(start, end - start));
  }
  if (start < report.size()) lines.push_back(report.substr(start));
  return lines;
}

// Index of the first line equal to `line`, or the number of lines.
inline std::size_t findLine(const std::vector<std::string>& lines, const std::string& line,
                            std::size_t from = 0) {
  for (std::size_t i = from; i < lines.size(); ++i) {
    if (lines[i] == line) return i;
  }
  return lines.size();
}

// Compares a table with its expected lines. The table is found by the first
// expected line that opens with "    Table " (its title line).
inline void expectTable(const std::vector<std::string>& report,
                        const std::vector<std::string>& expected) {
  std::size_t titleIndex = 0;
  while (titleIndex < expected.size() && expected[titleIndex].rfind("    Table ", 0) != 0)
    ++titleIndex;
  ASSERT_LT(titleIndex, expected.size()) << "expected table without a title line";
  const std::size_t title = findLine(report, expected[titleIndex]);
  ASSERT_LT(title, report.size()) << "table not in the report: " << expected[titleIndex];
  ASSERT_GE(title, titleIndex);
  const std::size_t start = title - titleIndex;
  ASSERT_LE(start + expected.size(), report.size())
      << "report ends inside " << expected[titleIndex];
  for (std::size_t k = 0; k < expected.size(); ++k) {
    EXPECT_EQ(report[start + k], expected[k]) << "line " << k << " of " << expected[titleIndex];
  }
}

// The fixture cohorts whose whole basic report is worked out by hand.
struct MiteCohort {
  static constexpr const char* file = "mite_cohort.txt";
  static constexpr const char* timeUnit = "1";
};
struct HalfUnitCohort {
  static constexpr const char* file = "three_individuals.txt";
  static constexpr const char* timeUnit = "0.5";
};

// A test suite that shares one Basic Run of a fixture cohort and its report lines.
template <class Cohort>
class FixtureReport : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    session = std::make_unique<BasicReportSession>(readFile(fixturePath(Cohort::file)), Cohort::timeUnit);
    lines = reportLines(session->report);
  }
  static void TearDownTestSuite() { session.reset(); }
  static inline std::unique_ptr<BasicReportSession> session;
  static inline std::vector<std::string> lines;
};

}  // namespace vorelan::testing
