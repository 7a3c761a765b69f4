#include "report/matrix_tables.h"
#include "report/stage_name_header.h"

#include <gtest/gtest.h>

#include "report/stage_tables.h"
#include "support/report_on_file.h"
#include "support/scripted_platform.h"

namespace vorelan {
namespace {

using testing::crlfLines;
using testing::sp;

const std::string PageMark = "\b";

// Two stages: egg (ages 0..1) and the female adult (ages 1..3); no male.
class MatrixTables : public testing::ReportOnFile {
 protected:
  void SetUp() override {
    ReportOnFile::SetUp();
    state.header.NumStages = 2;
    state.header.NumIndividuals = 4;
    state.header.StageName(1, 1) = "Egg";
    state.header.StageName(1, 2) = "Fema";
    state.header.StageName(1, 3) = "Male";
    state.stageStats.MaxAge = 3;
    state.run.TimeUnit = 0.5;
    auto& range = state.matrices.StageAgeRange;
    range(1, 1) = 0, range(1, 2) = 1;
    range(2, 1) = 1, range(2, 2) = 3;
    range(3, 1) = 0, range(3, 2) = -1;  // no individual reached it
  }
};

TEST_F(MatrixTables, MatrixTableLayout) {
  auto& buffer = state.ageVectors.TableBuffer;
  buffer(0, 1) = 4;
  buffer(1, 1) = 1234.5678;  // 11 characters: the next cell starts a new line
  buffer(1, 2) = 2.34567;
  buffer(2, 1) = 9;  // outside the egg's ages: a dash whatever the cell
  buffer(2, 2) = 0;  // a zero inside the stage's ages
  buffer(3, 2) = 123456.789;
  state.report.TableTitle = " Test matrix";
  state.report.TableSubtitle = " (sub)";
  state.report.TableNote = " (note)";

  Life04Gosub870(state);

  EXPECT_EQ(printed(), crlfLines({
                           PageMark,
                           sp(69) + "Page 1 ",
                           " Table 1. Test matrix",
                           sp(10) + "(sub)",
                           " " + std::string(40, '='),
                           " Age     Egg       Fema      Male ",
                           " " + std::string(40, '-'),
                           " 0 " + sp(6) + " 4 " + sp(8) + "-" + sp(9) + "- ",
                           " .5 " + sp(5) + " 1234.5678 ",
                           sp(19) + " 2.3457 " + sp(3) + "- ",
                           " 1 " + sp(7) + "-" + sp(9) + "0" + sp(9) + "- ",
                           " 1.5 " + sp(5) + "-" + sp(8) + " 123456.79 " + "- ",
                           " " + std::string(40, '-'),
                           " (note)",
                       }));
  // The buffer keeps the rounded cells.
  EXPECT_EQ(buffer(1, 2), 2.3457);
  EXPECT_EQ(buffer(3, 2), 123456.79);
  EXPECT_EQ(state.report.PageNo, 1);
  EXPECT_EQ(state.report.TableNo, 1);
}

TEST_F(MatrixTables, StageNameHeadingRulesGrowWithTheStages) {
  state.header.NumStages = 3;
  state.header.StageName(1, 3) = "Fema";
  state.header.StageName(1, 4) = "Male";
  state.header.StageName(1, 2) = "Larv";
  PrintStageName(state);
  const std::string rule = " " + std::string(46, '-');
  EXPECT_EQ(printed(),
            crlfLines({rule, sp(7) + "Egg" + sp(8) + "Larv" + sp(7) + "Fema" + sp(7) + "Male ", rule}));
}

TEST_F(MatrixTables, StageTablesOfZjSjAndCj) {
  auto& v = state.ageVectors;
  v.Zj(1) = 0;  // a stage that does not feed
  v.Zj(2) = 12.34567;
  v.Zj(3) = 0;
  v.TotalNetConsumptionRate = 12.34567;
  state.matrices.Sj(1) = 2;
  state.matrices.Sj(2) = 1.5;
  state.matrices.Sj(3) = 0;  // nobody occupied the male column
  v.CjFromMatrices(3) = 0;
  state.report.PageNo = 3;
  state.report.TableNo = 3;

  state.report.TableTitle = " Stage-specific net consumption rate z(j)";
  PrintStageNetConsumptionRate(state);
  state.report.TableTitle = " s(j): Sum of s(x,j) of each stage";
  PrintSumOfStageSxj(state);
  state.report.TableTitle = " Daily mean consumption rate based on z(j) and s(j)";
  PrintStageWeightingCoef(state);

  const std::string rule = " " + std::string(35, '-');
  const std::string names = sp(7) + "Egg" + sp(8) + "Fema" + sp(7) + "Male ";
  EXPECT_EQ(printed(), crlfLines({
                           PageMark,
                           sp(69) + "Page 4 ",
                           " Table 4. Stage-specific net consumption rate z(j)",
                           rule,
                           names,
                           rule,
                           sp(4) + "   0" + sp(9) + " 12.3457 " + "   0 ",
                           rule,
                           " Total net consumption rate = 12.34567 ",
                           PageMark,
                           sp(69) + "Page 5 ",
                           " Table 5. s(j): Sum of s(x,j) of each stage",
                           rule,
                           names,
                           rule,
                           sp(6) + " 2 " + sp(8) + " 1.5 " + sp(4) + "   0 ",
                           rule,
                           PageMark,
                           sp(69) + "Page 6 ",
                           " Table 6. Daily mean consumption rate based on z(j) and s(j)",
                           rule,
                           names,
                           rule,
                           // c(1) = 0/2 is the number 0; c(2) = 12.34567/1.5 to six decimals
                           // is 10 characters wide, so the Tab of the zero after it starts
                           // a new line.
                           sp(6) + " 0 " + sp(8) + " 8.230447 ",
                           sp(26) + "   0 ",
                           rule,
                       }));
  EXPECT_DOUBLE_EQ(v.CjFromMatrices(2), 12.34567 / 1.5);  // kept unrounded
  EXPECT_EQ(v.CjFromMatrices(1), 0);
  EXPECT_EQ(v.CjFromMatrices(3), 0);
}

TEST_F(MatrixTables, CjOfAStageNobodyOccupiedKeepsItsValue) {
  state.matrices.Sj(1) = 1;
  state.matrices.Sj(2) = 1;
  state.matrices.Sj(3) = 0;
  state.ageVectors.Zj(3) = 5;
  state.ageVectors.CjFromMatrices(3) = 0.25;
  PrintStageWeightingCoef(state);
  EXPECT_EQ(state.ageVectors.CjFromMatrices(3), 0.25);
}

// Two individuals: one dies as an egg at age 0, the other is a female adult
// at age 1 that eats 300000.5 there. Values this large overflowed the old
// 32-bit rounding (k(x) and c(j) to 4 and 6 decimals).
class WholeMatrixPart : public testing::ReportOnFile {
 protected:
  void SetUp() override {
    ReportOnFile::SetUp();
    state.header.NumStages = 2;
    state.header.NumIndividuals = 2;
    state.header.StageName(1, 1) = "Egg";
    state.header.StageName(1, 2) = "Fema";
    state.header.StageName(1, 3) = "Male";
    state.stageStats.MaxAge = 1;
    state.run.TimeUnit = 1;
    auto& range = state.matrices.StageAgeRange;
    range(1, 1) = 0, range(1, 2) = 0;
    range(2, 1) = 1, range(2, 2) = 1;
    range(3, 1) = 0, range(3, 2) = -1;
    auto& m = state.matrices;
    m.Nxj(0, 1) = 2, m.Nxj(1, 2) = 1;
    m.Sxj(0, 1) = 1, m.Sxj(1, 2) = 0.5;
    m.Cxj(1, 2) = 300000.5;
    m.Sj(1) = 1, m.Sj(2) = 0.5;
    state.cohort.Txj(1, 2) = 300000.5;
    auto& v = state.ageVectors;
    v.Lx(0) = 1, v.Lx(1) = 0.5;
    v.Qx(1) = 150000.25;
    v.Kx(1) = 300000.5;
    state.longevity.Nc = 1;
    state.longevity.Cbar = 300000.5;
  }
};

const std::string Rule40 = " " + std::string(40, '=');
const std::string Dash40 = " " + std::string(40, '-');
const std::string Dash35 = " " + std::string(35, '-');
const std::string Heading = " Age     Egg       Fema      Male ";
const std::string Names = sp(7) + "Egg" + sp(8) + "Fema" + sp(7) + "Male ";
const std::string Stars = sp(4) + std::string(79, '*');

std::string summaryTail(const std::string& report) {
  return report.substr(report.find("    The net consumption rate (Co) is"));
}

TEST_F(WholeMatrixPart, PrintsEveryTableInOrder) {
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  PrintLife04MatrixTables(state, platform);

  const std::string rowZero = " 0 " + sp(7) + "0" + sp(9) + "-" + sp(9) + "- ";
  const std::string rowOneLarge = " 1 " + sp(7) + "-" + sp(8) + " 300000.5 " + sp(1) + "- ";
  EXPECT_EQ(printed(),
            crlfLines({
                PageMark,
                sp(69) + "Page 1 ",
                " Table 1. Age-stage-specific survival - Actual number (matrix N)",
                sp(9) + " (The survival number n(x,j) at each age-stage unit)",
                Rule40,
                Heading,
                Dash40,
                " 0 " + sp(6) + " 2 " + sp(8) + "-" + sp(9) + "- ",
                " 1 " + sp(7) + "-" + sp(8) + " 1 " + sp(8) + "- ",
                Dash40,
                " Attention!  This matrix N should be exactly the same as Halvek output.",

                PageMark,
                sp(69) + "Page 2 ",
                " Table 2. Age-stage-specific consumption rate (Matrix C)",
                sp(9) + " (Mean consumption rate at each age-stage unit)",
                Rule40,
                Heading,
                Dash40,
                rowZero,
                rowOneLarge,
                Dash40,
                " C(x,j) = T(x,j)/N(x,j)",

                PageMark,
                sp(69) + "Page 3 ",
                " Table 3. Age-stage-specific net consumption rate (Matrix B)",
                sp(9) + " B(x,j) = S(x,j)*C(x,j)",
                Rule40,
                Heading,
                Dash40,
                rowZero,
                " 1 " + sp(7) + "-" + sp(8) + " 150000.25 " + "- ",
                Dash40,
                " ",
                " Sum of matrix B = 150000.25  (It is the net predation rate or net consumption rate.)",

                PageMark,
                sp(69) + "Page 4 ",
                " Table 4. Stage-specific net consumption rate z(j)",
                Dash35,
                Names,
                Dash35,
                sp(4) + "   0" + sp(9) + " 150000.25 ",
                sp(26) + "   0 ",
                Dash35,
                " Total net consumption rate = 150000.25 ",

                PageMark,
                sp(69) + "Page 5 ",
                " Table 5. s(j): Sum of s(x,j) of each stage",
                Dash35,
                Names,
                Dash35,
                sp(6) + " 1 " + sp(8) + " .5 " + sp(5) + "   0 ",
                Dash35,

                PageMark,
                sp(69) + "Page 6 ",
                " Table 6. Daily mean consumption rate based on z(j) and s(j)",
                Dash35,
                Names,
                Dash35,
                sp(6) + " 0 " + sp(8) + " 300000.5 ",
                sp(26) + "   0 ",
                Dash35,

                PageMark,
                sp(69) + "Page 7 ",
                " Table 7. Age-stage-specific total consumption (Matrix T)",
                sp(9) + " T(x,j) is the total consumption of all individuals at age unit [=n(x,j)*c(x,j)]",
                Rule40,
                Heading,
                Dash40,
                rowZero,
                rowOneLarge,
                Dash40,
                "",
                Dash35,
                Names,
                Dash35,
                " Sum" + sp(2) + " 0 " + sp(8) + " 300000.5 " + sp(1) + " 0  ",
                Rule40,
                " Total cohort consumption = 300000.5 ",
                Rule40,
                "",

                PageMark,
                sp(69) + "Page 8 ",
                " Table 8. Age-stage-survival rate (Matrix S)",
                sp(9) + " S(x,j) = N(x,j)/ 2",
                Rule40,
                Heading,
                Dash40,
                " 0 " + sp(6) + " 1 " + sp(8) + "-" + sp(9) + "- ",
                " 1 " + sp(7) + "-" + sp(8) + " .5 " + sp(7) + "- ",
                Dash40,
                "",

                PageMark,
                sp(69) + "Page 9 ",
                "    Table 9. Age-specific survival rate l(X) and consumption rate ",
                sp(4) + std::string(63, '='),
                "     Age    l(x)     k(x)         q(x)     Total cohort consumption",
                sp(4) + std::string(63, '-'),
                sp(4) + " 0 " + sp(4) + " 1 " + sp(7) + "0" + sp(12) + "0" + sp(14) + " 0 ",
                sp(4) + " 1 " + sp(4) + " .5 " + sp(5) + " 300000.5 " + sp(3) + " 150000.25 " + sp(5) +
                    " 300000.5 ",
                sp(4) + std::string(63, '-'),
                "    The net consumption rate (Co) is 150000.25 .",
                "    The total number of individuals used in this study: N = 2 ",
                "    The total consumption of the cohort Co * N = 300000.5 ",
                "    The total number of effective predator (Nc or Np) = 1 ",
                "    The mean predation rate of effective predator (Cbar or Pbar) = 300000.5 ",
                "    The total consumption of the cohort is Nc*Cbar or Np*Pbar = 300000.5 ",
                "    Nc/N or Np/N = .5 ",
                "    Co/(Cbar) or Po/(Pbar) = .5 ",
                "    Nc or Np: the number of individuals with predation rate > 0.",
                Stars,
                "    The consistent relationships Co*N = Nc * Cbar and Nc/N = Co/Cbar demonstrate",
                "    the correctness of predation theory based on the age-stage, two-sex life table.",
                Stars,
            }));
  const auto& v = state.ageVectors;
  EXPECT_EQ(v.TotalNetConsumptionRate, 150000.25);
  EXPECT_EQ(v.Zj(2), 150000.25);
  EXPECT_EQ(v.MatrixTColumnSum(2), 300000.5);
  EXPECT_EQ(v.Tx(1), 300000.5);
  EXPECT_EQ(v.TotalCohortConsumption, 300000.5);
  EXPECT_EQ(v.PrintedC0, 150000.25);
  EXPECT_EQ(v.CjFromMatrices(2), 300000.5);
  // The buffer is left holding matrix S.
  EXPECT_EQ(v.TableBuffer(1, 2), 0.5);
  EXPECT_EQ(state.report.PageNo, 9);
  EXPECT_EQ(state.report.TableNo, 9);
}

TEST_F(WholeMatrixPart, WithoutEffectiveConsumersCbarAndWhatIsFormedFromItPrintDashes) {
  state.longevity.Nc = 0;
  state.longevity.Cbar = 0;
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  PrintLife04MatrixTables(state, platform);

  EXPECT_EQ(summaryTail(printed()),
            crlfLines({
                "    The net consumption rate (Co) is 150000.25 .",
                "    The total number of individuals used in this study: N = 2 ",
                "    The total consumption of the cohort Co * N = 300000.5 ",
                "    The total number of effective predator (Nc or Np) = 0 ",
                "    The mean predation rate of effective predator (Cbar or Pbar) = -",
                "    The total consumption of the cohort is Nc*Cbar or Np*Pbar = -",
                "    Nc/N or Np/N = 0 ",
                "    Co/(Cbar) or Po/(Pbar) = -",
                "    Nc or Np: the number of individuals with predation rate > 0.",
                Stars,
                "    The consistent relationships Co*N = Nc * Cbar and Nc/N = Co/Cbar demonstrate",
                "    the correctness of predation theory based on the age-stage, two-sex life table.",
                Stars,
            }));
}

TEST_F(WholeMatrixPart, AgesOfHalfTimeUnitsInTheLxTable) {
  state.run.TimeUnit = 0.5;
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  PrintLife04MatrixTables(state, platform);
  const std::string report = printed();
  EXPECT_NE(report.find("\r\n" + sp(4) + " .5 " + sp(3) + " .5 "), std::string::npos);
  EXPECT_NE(report.find("\r\n .5 " + sp(6) + "-"), std::string::npos);
}

}  // namespace
}  // namespace vorelan
