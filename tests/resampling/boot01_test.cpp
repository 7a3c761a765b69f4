// The bootstrap summary table, worked out by hand from replicate values.
#include "resampling/boot01.h"

#include <gtest/gtest.h>

#include "resampling/bootstrap_fixture.h"
#include "support/report_on_file.h"

namespace vorelan {
namespace {

using testing::atColumns;
using testing::crlfLines;
using testing::setReplicates;
using testing::sp;

// The head of the first table of the report: page mark and page line, the
// cohort's lines, "Analyzed on : " and the experiment date, one blank line.
std::string firstTableHead() {
  return "\b" + sp(68) + "Page 1 \r\n" +
         crlfLines({"    Mites", "    Ana", "    2026-01-02", "    Analyzed on : 2026-01-02", " ",
                    "    Table 1. Table of bootstrap samples"});
}

class Boot01Test : public testing::ReportOnFile {};

TEST_F(Boot01Test, NewSamplesTableOfTwoReplicates) {
  testing::setUpBootstrapState(state, 2);
  setReplicates(state.bootstrap.BootC0, {1, 3});
  state.run.BasicRunC0 = 2.25;
  Boot01(state);

  // Mean 2, variance ((1 + 9) - 16 / 2) / 1 = 2, S.E. the square root of 2.
  EXPECT_EQ(state.bootstrap.BootC0Mean, 2);
  EXPECT_EQ(state.bootstrap.BootC0Var, 2);
  EXPECT_DOUBLE_EQ(state.bootstrap.BootC0SE, std::sqrt(2.0));
  const std::string dashes = "    " + std::string(37, '-');
  const std::string equals67 = "    " + std::string(67, '=');
  EXPECT_EQ(printed(),
            firstTableHead() +
                crlfLines({"    " + std::string(37, '='), "    Bootstrap no.    Net consumption rate", dashes,
                           atColumns({{5, " 1 "}, {26, " 1 "}}), atColumns({{5, " 2 "}, {26, " 3 "}}), dashes,
                           atColumns({{5, "Mean"}, {26, " 2 "}}), atColumns({{5, "Variance"}, {26, " 2 "}}),
                           atColumns({{5, "S.E."}, {26, " 1.4142 "}}), dashes,
                           atColumns({{5, "Original"}, {26, " 2.25 "}}), dashes,
                           "    Original is the parameter calculated using all individuals.", equals67,
                           "    If you don't use the same bootstrap samples of life table analysis,",
                           "    you cannot estimate the standard errors of Qp.", equals67}));
  EXPECT_EQ(state.report.PageNo, 1);
  EXPECT_EQ(state.report.TableNo, 1);
}

// The value 1 in class 0, the value 3 (the largest) in class 20.
TEST_F(Boot01Test, ClassesOfTwoReplicates) {
  testing::setUpBootstrapState(state, 2);
  setReplicates(state.bootstrap.BootC0, {1, 3});
  Boot01(state);
  const C0FrequencyClasses& classes = state.bootstrap.BootClasses;
  EXPECT_DOUBLE_EQ(classes.ClassWidth, 0.1);
  EXPECT_EQ(classes.Frequency(0), 1);
  EXPECT_EQ(classes.Frequency(20), 1);
}

// The variance of C0 is printed to 2 decimals only above 10000. Two values
// 0 and d have the variance d^2 / 2.
TEST(Boot01Variance, DecimalsByItsSize) {
  const std::pair<double, std::string> cases[] = {
      {141.5, " 10011.12 "},     // 10011.125: 2 decimals, the half to the even neighbour
      {141.25, " 9975.7812 "},   // 9975.78125: 4 decimals, the half to the even neighbour
  };
  for (const auto& [d, expected] : cases) {
    testing::TempDir dir;
    const std::string path = (dir.path() / "report.txt").string();
    AnalysisState s;
    testing::setUpBootstrapState(s, 2);
    setReplicates(s.bootstrap.BootC0, {0, d});
    ASSERT_TRUE(s.files.file3.open(path));
    Boot01(s);
    s.files.file3.close();
    EXPECT_NE(testing::readFile(path).find(atColumns({{5, "Variance"}, {26, expected}}) + "\r\n"), std::string::npos)
        << expected;
  }
}

// Three samples of the sibling program, worked out by hand:
//   C0 10, 12, 14: mean 12, variance (440 - 432) / 2 = 4, S.E. 2;
//   Ro 5, 4, 7, so Qp 2, 3, 2: mean 2.3333, variance (17 - 49/3) / 2 = .3333, S.E. .5774;
//   Psi 1, 2, 3: mean 2, variance 1, S.E. 1;
//   FP 1.5, 2, 4.5: mean 2.6667, variance (26.5 - 64/3) / 2 = 2.5833, S.E. 1.6073.
// Ro and lambda of the Mean, Variance and S.E. rows are the samples file's.
class Boot01SameTest : public testing::ReportOnFile {
 protected:
  void SetUp() override {
    ReportOnFile::SetUp();
    testing::setUpBootstrapState(state, 3);
    BootstrapState& boot = state.bootstrap;
    setReplicates(boot.BootC0, {10, 12, 14});
    setReplicates(boot.BootR0, {5, 4, 7});
    setReplicates(boot.BootPsi, {1, 2, 3});
    setReplicates(boot.BootOmega, {1.5, 2, 4.5});
    setReplicates(boot.BootLambda, {1.1, 1.2, 1.3});
    boot.OrigR0 = 5;
    boot.OrigLambda = 1.1234567;
    boot.SamplesR0Mean = 5.3333333;
    boot.SamplesR0Var = 2.3333333;
    boot.SamplesR0SE = 1.5275252;
    boot.SamplesLambdaMean = 1.2;
    boot.SamplesLambdaVar = 0.01;
    boot.SamplesLambdaSE = 0.1;
    state.run.BasicRunC0 = 11;
    state.bootSummary.HasQp = true;
    // The run's Qp, from C0 as the sum of q(x): the "Original" row shows the
    // Basic Run's C0 over Ro of all individuals, 11 / 5, instead.
    state.bootSummary.Qp = 2.2001;
    state.predation.Psi = 2.5;
    state.predation.Omega = 2.75;
    state.run.SASDRead = "Yes";
  }

  static std::string row(const std::string& first, std::initializer_list<std::string> cells) {
    const int columns[] = {15, 27, 37, 50, 60, 70};
    std::string line = atColumns({{5, first}});
    int k = 0;
    for (const std::string& cell : cells) {
      line.resize(static_cast<std::size_t>(columns[k++] - 1), ' ');
      line += cell;
    }
    return line;
  }
};

TEST_F(Boot01SameTest, TableOfThreeSamples) {
  Boot01Same(state);
  const std::string equals = "    " + std::string(75, '=');
  const std::string dashes = "    " + std::string(75, '-');
  const std::string heads =
      atColumns({{18, "Co"}, {30, "Ro"}, {40, "Qp"}, {50, " Psi"}, {60, " FP (FC)"}, {73, "lambda"}});
  EXPECT_EQ(printed(),
            firstTableHead() +
                crlfLines({equals, heads, dashes,
                           row("Original", {" 11 ", " 5 ", " 2.2 ", " 2.5 ", " 2.75 ", " 1.123457 "}), dashes,
                           row("Mean", {" 12 ", " 5.3333 ", " 2.3333 ", " 2 ", " 2.6667 ", " 1.2 "}),
                           row("Variance", {" 4 ", " 2.333 ", " .3333 ", " 1 ", " 2.5833 ", " .01 "}),
                           row("S.E.", {" 2 ", " 1.5275 ", " .5774 ", " 1 ", " 1.6073 ", " .1 "}), dashes,
                           row(" 1 ", {" 10 ", " 5 ", " 2 ", " 1 ", " 1.5 ", " 1.1 "}),
                           row(" 2 ", {" 12 ", " 4 ", " 3 ", " 2 ", " 2 ", " 1.2 "}),
                           row(" 3 ", {" 14 ", " 7 ", " 2 ", " 3 ", " 4.5 ", " 1.3 "}), dashes, heads, dashes,
                           "    Original parameters are calculated using all individuals.",
                           "    Co: Net predation rate; Ro: Net reproductive rate.",
                           "    FP: Finite predation rate; FC: Finite consumption rate.",
                           "    Psi: Stable predation rate; lambda: Finate rate."}));
  EXPECT_EQ(state.bootSummary.BootQp(2), 3);
  EXPECT_DOUBLE_EQ(state.bootSummary.BootOmegaStats.SE, std::sqrt(31.0 / 12));
}

// Without Ro of all individuals the Qp of the whole cohort cannot be formed:
// "-" stands in its place, never inf or nan.
TEST_F(Boot01SameTest, NoRoOfAllIndividualsGivesNoQp) {
  state.bootstrap.OrigR0 = 0;
  state.bootSummary.HasQp = false;
  Boot01Same(state);
  const std::string text = printed();
  EXPECT_NE(text.find(row("Original", {" 11 ", " 0 "}) + sp(37 - 27 - 3) + " -"), std::string::npos);
  EXPECT_EQ(text.find("inf"), std::string::npos);
  EXPECT_EQ(text.find("nan"), std::string::npos);
}

// Without a distribution read, Psi and FP of the whole cohort were never
// formed: "-" in the Original row, not 0; the replicates' own values stay.
TEST_F(Boot01SameTest, NoDistributionReadGivesNoPsiAndNoFPOfTheWholeCohort) {
  state.run.SASDRead = "";
  state.predation.Psi = 0;
  state.predation.Omega = 0;
  Boot01Same(state);
  const std::string text = printed();
  EXPECT_NE(text.find(row("Original", {" 11 ", " 5 ", " 2.2 ", " - ", " - ", " 1.123457 "}) + "\r\n"),
            std::string::npos)
      << text;
  EXPECT_NE(text.find(row(" 3 ", {" 14 ", " 7 ", " 2 ", " 3 ", " 4.5 ", " 1.3 "}) + "\r\n"), std::string::npos);
}

// The replicates' stage mean consumption, stage by stage, of all individuals
// and of every sex line; equal values have variance 0, never below.
TEST_F(Boot01SameTest, StageConsumptionStatistics) {
  state.header.NumSexes = 3;
  BootstrapState& boot = state.bootstrap;
  for (int b = 1; b <= 3; ++b) {
    boot.BootStageConsMean(b, 1) = 2.0 * b;       // 2, 4, 6
    boot.BootSexStageConsMean(b, 1, 3) = 1.7;     // one-pass variance slightly below 0
    boot.BootSexStageConsMean(b, 2, 3) = b;       // 1, 2, 3
    boot.BootSexStageConsMean(b, 3, 3) = 3.0 * b; // 3, 6, 9
  }
  Boot01Same(state);
  const BootstrapSummary& sum = state.bootSummary;
  EXPECT_EQ(sum.BootStageCons[1].Mean, 4);
  EXPECT_EQ(sum.BootStageCons[1].Var, 4);
  EXPECT_EQ(sum.BootStageCons[1].SE, 2);
  EXPECT_EQ(sum.BootSexStageCons[1][3].Var, 0);
  EXPECT_EQ(sum.BootSexStageCons[1][3].SE, 0);
  EXPECT_EQ(sum.BootSexStageCons[2][3].SE, 1);
  EXPECT_EQ(sum.BootSexStageCons[3][3].Mean, 6);
  EXPECT_EQ(sum.BootSexStageCons[3][3].SE, 3);
  EXPECT_EQ(sum.BootStageCons[2].SE, 0);  // no consumption in stage 2
}

// Equal C0 in every replicate: variance and S.E. 0, every replicate in class 0.
TEST_F(Boot01SameTest, EqualReplicatesHaveNoSpread) {
  setReplicates(state.bootstrap.BootC0, {1.7, 1.7, 1.7});
  Boot01Same(state);
  EXPECT_EQ(state.bootstrap.BootC0Var, 0);
  EXPECT_EQ(state.bootstrap.BootC0SE, 0);
  EXPECT_EQ(state.bootstrap.BootClasses.Frequency(0), 3);
}

}  // namespace
}  // namespace vorelan
