#include "resampling/jack01.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "resampling/write_pseudo_value_for_ttest.h"
#include "support/report_on_file.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

using testing::atColumns;
using testing::crlfLines;
using testing::sp;

class Jack01 : public testing::ReportOnFile {
 protected:
  void setPseudoValues(const std::vector<double>& values, double fullC0) {
    state.header.ProjectName = "Mites";
    state.header.ResearcherName = "Observer";
    state.header.ExperimentDate = "2015-06-01";
    state.header.NumIndividualsInFile = static_cast<std::int16_t>(values.size());
    state.jackknife.JackFullC0 = fullC0;
    for (std::size_t k = 1; k <= values.size(); ++k) state.jackknife.JackPseudoC0(k) = values[k - 1];
  }
  // The table's lines from the first rule below the column heads on.
  std::string rowsOf(const std::string& report) {
    const std::string heads = "Pseudo-net predation rate\r\n";
    return report.substr(report.find(heads) + heads.size());
  }

  testing::ScriptedPlatform script;
  Platform platform = script.platform();
};

TEST_F(Jack01, TableOfThreePseudoValuesContinuesTheNumberingOfTheBasicReport) {
  setPseudoValues({4.125, 6, 8.5}, 6.2);
  state.report.PageNo = 7;
  state.report.TableNo = 12;
  jack01(state, platform);

  // Mean 18.625 / 3; variance (125.265625 - 18.625^2 / 3) / 2 = 4.8177...;
  // S.D. 2.1949...; S.E. 1.2672...
  const std::string rule = sp(4) + std::string(42, '-');
  EXPECT_EQ(printed(), crlfLines({
                           "\b" + sp(68) + "Page 8 ",
                           sp(4) + "Mites",
                           sp(4) + "Observer",
                           sp(4) + "2015-06-01",
                           sp(4) + "Analyzed on : 2015-06-01",
                           " ",
                           sp(4) + "Table 13. Table of Jackknife pseudo-values",
                           sp(4) + std::string(42, '='),
                           atColumns({{5, "Omitted no."}, {20, "Pseudo-net predation rate"}}),
                           rule,
                           atColumns({{5, " 1 "}, {30, " 4.12 "}}),
                           atColumns({{5, " 2 "}, {30, " 6 "}}),
                           atColumns({{5, " 3 "}, {30, " 8.5 "}}),
                           rule,
                           atColumns({{5, "Mean"}, {30, " 6.21 "}}),
                           atColumns({{5, "Variance"}, {30, " 4.82 "}}),
                           atColumns({{5, "S.D."}, {30, " 2.19 "}}),
                           atColumns({{5, "S.E."}, {30, " 1.27 "}}),
                           rule,
                           atColumns({{5, "Original"}, {30, " 6.2 "}}),
                           rule,
                           "    Original are the parameters calculated using all individuals.",
                       }));
  EXPECT_EQ(state.report.PageNo, 8);
  EXPECT_EQ(state.report.TableNo, 13);
}

TEST_F(Jack01, VarianceAboveOneMillionIsPrintedWholeInSixtyFourBits) {
  struct Case {
    std::vector<double> values;
    std::string printed;
  };
  const Case cases[] = {
      {{0, 999.5, 1999}, " 999000.25 "},                  // at most 1,000,000: 2 decimals
      {{0, 1000, 2000}, " 1000000 "},                     // exactly 1,000,000
      {{0, 1000.5, 2001}, " 1001000 "},                   // 1001000.25 to a whole number
      {{0, 1e5, 2e5}, " 10000000000 "},                   // beyond 32 bits
      {{0, 1e8, 2e8}, " 10000000000000000 "},             // every digit, no exponent
  };
  for (const Case& c : cases) {
    testing::TempDir dir;
    const std::string path = (dir.path() / "r.txt").string();
    ASSERT_TRUE(state.files.file3.open(path));
    setPseudoValues(c.values, 1);
    jack01(state, platform);
    state.files.file3.close();
    const std::string rows = rowsOf(testing::readFile(path));
    EXPECT_NE(rows.find(atColumns({{5, "Variance"}, {30, c.printed}}) + "\r\n"), std::string::npos)
        << c.printed << "\n"
        << rows;
  }
}

TEST_F(Jack01, AOnePassVarianceBelowZeroCountsAsZero) {
  // Equal values whose one-pass variance rounds below 0.
  double v = 0.1;
  for (; v < 10; v += 0.013) {
    const double sum = 3 * v, sumSq = v * v + v * v + v * v;
    if ((sumSq - sum * sum / 3) / 2 < 0) break;
  }
  ASSERT_LT(v, 10) << "no value found";
  setPseudoValues({v, v, v}, v);
  jack01(state, platform);
  EXPECT_EQ(state.jackknife.JackVar, 0);
  EXPECT_EQ(state.jackknife.JackSD, 0);
  EXPECT_EQ(state.jackknife.JackSE, 0);
}

TEST_F(Jack01, TheClassesOfTheTwentyOnePseudoValuesTenToTwoHundredTen) {
  std::vector<double> values;
  for (int k = 1; k <= 21; ++k) values.push_back(10.0 * k);
  setPseudoValues(values, 110);
  jack01(state, platform);
  for (int i = 0; i <= 20; ++i) EXPECT_EQ(state.jackknife.JackClasses.Frequency(i), 1) << i;
  EXPECT_EQ(state.jackknife.JackClasses.Frequency(21), 0);
  EXPECT_EQ(state.jackknife.JackMean, 110);
}

TEST_F(Jack01, TheTtestFileHoldsTheProjectDateUserThenEachPseudoValueUnrounded) {
  setPseudoValues({4.125, 6, -8.5}, 6.2);
  testing::TempDir dir;
  state.report.BaseFileName = (dir.path() / "cohort").string();
  WritePseudoValueForTtest(state, platform);
  EXPECT_EQ(state.report.OutputFileName, state.report.BaseFileName + "_5_Pseudo_Consumption_Rate_For_t-test.txt");
  EXPECT_EQ(testing::readFile(state.report.OutputFileName),
            crlfLines({"\"Mites\"", "\"2015-06-01\"", "\"Observer\"", "1,4.125", "2,6", "3,-8.5"}));
  EXPECT_FALSE(state.files.file3.isOpen());
}

}  // namespace
}  // namespace vorelan
