// The matrix part of the basic report for a small fixture cohort, checked
// byte for byte against an expected report worked out by hand:
//   1 F: egg 2, larva 2 (eats 1, 2), adult 3 (eats 4, 5, 6)
//   2 M: egg 2, larva 3 (eats 3, 3, 3), adult 2 (eats 10, then nothing)
//   3 N: egg 2, dies after 1 time unit as a larva (eats 2.5)
//   4 N: dies in its first time unit as an egg
// which gives MaxAge 6, C0 = 39.5 / 4 = 9.875, Nc = 3 and Cbar = 39.5 / 3.
#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "runs/basic_run.h"
#include "datafile/field_reader.h"
#include "lifetable/life01.h"
#include "lifetable/life02.h"
#include "lifetable/life03.h"
#include "lifetable/life04.h"
#include "lifetable/life10.h"
#include "runs/open_data_file.h"
#include "datafile/raw_data_reader.h"
#include "report/matrix_tables.h"
#include "support/fixture_path.h"
#include "support/report_on_file.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

const std::string ExpectedMatrixPart =
    testing::readFile(std::string(VORELAN_REPORT_GOLDEN_DIR) + "/matrix_part_cohort_matrix_part.txt");
const std::string FixtureText = testing::readFile(testing::fixturePath("matrix_part_cohort.txt"));

// Lines of text, to show the first line that differs.
std::vector<std::string> linesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

void expectSameLines(const std::string& actual, const std::string& expected) {
  const auto a = linesOf(actual);
  const auto e = linesOf(expected);
  for (std::size_t i = 0; i < std::min(a.size(), e.size()); ++i) {
    ASSERT_EQ(a[i], e[i]) << "line " << i + 1;
  }
  EXPECT_EQ(a.size(), e.size());
  EXPECT_EQ(actual, expected);  // line ends included
}

class MatrixPartGolden : public testing::ReportOnFile {};

TEST_F(MatrixPartGolden, FixtureCohortThroughTheLifeTableSteps) {
  ASSERT_FALSE(ExpectedMatrixPart.empty());
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  state.run.TimeUnit = 1;
  FieldReader reader(FixtureText);
  InputDataA(state, reader, platform);
  life01(state, platform);
  life02(state, platform);
  life10(state, platform);
  life03(state, platform);
  life04(state, platform);
  PrintLife04MatrixTables(state, platform);

  expectSameLines(printed(), ExpectedMatrixPart);
  EXPECT_EQ(state.ageVectors.TotalNetConsumptionRate, 9.875);
  EXPECT_TRUE(script.messages().empty());
}

// Page and table numbers depend on the tables printed before the matrix part.
std::string withoutCounters(const std::string& text) {
  static const std::regex pageLine("Page [0-9]+ ");
  static const std::regex tableLine("Table [0-9]+\\.");
  return std::regex_replace(std::regex_replace(text, pageLine, "Page # "), tableLine, "Table #.");
}

TEST(BasicRunReport, PrintsTheMatrixPartRightAfterLife04) {
  const auto steps = basicRunOrder();
  const auto life04Step = std::find_if(
      steps.begin(), steps.end(), [](const NamedStep& step) { return std::string(step.name) == "life04"; });
  ASSERT_NE(life04Step, steps.end());
  ASSERT_NE(life04Step + 1, steps.end());
  EXPECT_STREQ((life04Step + 1)->name, "PrintLife04MatrixTables");
  EXPECT_EQ((life04Step + 1)->run, &PrintLife04MatrixTables);
}

TEST(BasicRunReport, HoldsTheMatrixPart) {
  testing::TempDir dir;
  const std::string data = dir.write("cohort.txt", FixtureText);
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  AnalysisState state;
  script.inputAnswers = {"1"};
  script.chosenFiles = {data};
  ASSERT_TRUE(OpenDataFile(state, platform));
  ASSERT_EQ(BasicRun(state, platform), BasicRunOutcome::Computed);

  const std::string report = testing::readFile(state.report.ReportFileName);
  EXPECT_NE(withoutCounters(report).find(withoutCounters(ExpectedMatrixPart)), std::string::npos);
  EXPECT_EQ(state.run.BasicRunC0, 9.875);
  EXPECT_TRUE(script.messages().empty());
}

}  // namespace
}  // namespace vorelan
