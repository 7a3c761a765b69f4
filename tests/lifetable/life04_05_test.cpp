#include <gtest/gtest.h>

#include <cmath>

#include "lifetable/life04.h"
#include "lifetable/life05.h"
#include "lifetable/stage_daily_mean_consumption.h"
#include "support/life_table_run.h"

namespace vorelan {
namespace {

using testing::LifeTable;
using testing::ScriptedPlatform;
using testing::ThreeStages;

TEST(Life04, OneFemaleEatingAsAnAdult) {
  LifeTable table(ThreeStages, {"1,F,2,3,4,-1,-1,2,2,2,2,-1"});
  const AgeVectors& av = table.state.ageVectors;
  ASSERT_EQ(table.state.stageStats.MaxAge, 8);
  for (int x = 0; x <= 8; ++x) {
    const double q = x < 5 ? 0 : 2;
    EXPECT_EQ(av.Lx(x), 1) << "age " << x;
    EXPECT_EQ(av.Qx(x), q) << "age " << x;
    EXPECT_EQ(av.Kx(x), q) << "age " << x;
    EXPECT_EQ(av.AgeValue(x), x);
  }
  EXPECT_EQ(av.CumQx(4), 0);
  EXPECT_EQ(av.CumQx(8), 8);
  EXPECT_EQ(av.NetConsumptionRate, 8);
  EXPECT_EQ(table.state.jackknife.JackFullC0, 8);
}

TEST(Life04, TwoIndividualsOneDyingAtAgeZero) {
  LifeTable table({"Egg", "Adult"}, {"1,N,-1,-1", "2,F,1,3,-1,4,2,6,-1"});
  const AgeVectors& av = table.state.ageVectors;
  EXPECT_EQ(av.Lx(0), 1);
  const double eaten[] = {0, 4, 2, 6};
  for (int x = 1; x <= 3; ++x) {
    EXPECT_EQ(av.Lx(x), 0.5) << "age " << x;
    EXPECT_EQ(av.Qx(x), eaten[x] / 2) << "age " << x;
    EXPECT_EQ(av.Kx(x), eaten[x]) << "age " << x;
  }
  EXPECT_EQ(av.NetConsumptionRate, 6);
}

struct NameCase {
  const char* name;
  std::vector<std::string> stages;
  std::vector<std::string> row1;  // columns 1..K+1 afterwards
};

void PrintTo(const NameCase& c, std::ostream* out) { *out << c.name; }

class Life04StageNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(Life04StageNames, AdultColumnsAreNamedAndEveryNameCut) {
  const NameCase& c = GetParam();
  LifeTable table(c.stages, {"1,N,-1,-1"});
  const CohortHeader& header = table.state.header;
  for (std::size_t j = 1; j <= c.row1.size(); ++j)
    EXPECT_EQ(header.StageName(1, j), c.row1[j - 1]) << "column " << j;
  // The names as read stay for the per-individual tables, and other rows are untouched.
  EXPECT_EQ(header.StageNameAsRead(1, 2), c.stages[1]);
  EXPECT_EQ(header.StageName(2, 2), c.stages[1]);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Life04StageNames,
    ::testing::Values(
        NameCase{"mite", {"Egg", "Larva", "Protonymph", "Adult"}, {"Egg", "Larv", "Prot", "Fema", "Male"}},
        NameCase{"two_stages", {"Nymph", "Imago"}, {"Nymp", "Fema", "Male"}},
        NameCase{"accented", {"Œuf", "Ñandú", "Adulte"}, {"Œuf", "Ñand", "Fema", "Male"}},
        // Bytes that are no UTF-8 count one character each, so that a damaged
        // name is still cut short (it names the output files).
        NameCase{"stray_continuation_bytes", {std::string(250, '\x80'), "Adult"},
                 {std::string(4, '\x80'), "Fema", "Male"}},
        NameCase{"lead_bytes_without_continuation",
                 {"\xC3Larva", "\xE2\x82\xAC\xE2\x82xyz", "Adult"},
                 {"\xC3Lar", "\xE2\x82\xAC\xE2\x82x", "Fema", "Male"}}),
    [](const auto& info) { return std::string(info.param.name); });

// A state filled by hand: one stage column and one age with c(0,1) s(0,1) = c0.
AnalysisState oneCellState(double c0, double lx) {
  AnalysisState state;
  state.header.NumStages = 1;
  state.stageStats.MaxAge = 0;
  state.matrices.Sxj(0, 1) = 1;
  state.matrices.Cxj(0, 1) = c0;
  state.ageVectors.Lx(0) = lx;
  return state;
}

TEST(Life05, PseudoValueOfAJackknifePass) {
  AnalysisState state = oneCellState(4.8, 1);
  state.header.NumIndividualsInFile = 10;
  state.jackknife.JackFullC0 = 5;
  state.jackknife.JackOmitted = 3;
  ScriptedPlatform script;
  Platform platform = script.platform();
  life05(state, platform);
  EXPECT_DOUBLE_EQ(state.ageVectors.NetConsumptionRate, 4.8);
  EXPECT_DOUBLE_EQ(state.jackknife.JackC0(3), 4.8);
  EXPECT_NEAR(state.jackknife.JackPseudoC0(3), 6.8, 1e-12);  // 10 x 5 - 9 x 4.8
  EXPECT_EQ(state.jackknife.JackFullC0, 5);
}

TEST(Life05, DividesByTheBasicRunsSurvivalAndKeepsIt) {
  AnalysisState state = oneCellState(3, 0.5);
  state.ageVectors.CumQx(0) = 9;
  ScriptedPlatform script;
  Platform platform = script.platform();
  life05(state, platform);
  EXPECT_EQ(state.ageVectors.Kx(0), 6);
  EXPECT_EQ(state.ageVectors.Lx(0), 0.5);
  EXPECT_EQ(state.ageVectors.CumQx(0), 9);
}

TEST(Life05, NoSurvivalGivesAConsumptionRateOfZero) {
  AnalysisState state = oneCellState(0, 0);
  state.matrices.Sxj(0, 1) = 0;
  ScriptedPlatform script;
  Platform platform = script.platform();
  life05(state, platform);
  EXPECT_EQ(state.ageVectors.Kx(0), 0);
  life04(state, platform);
  EXPECT_EQ(state.ageVectors.Kx(0), 0);
}

TEST(StageDailyMeanConsumption, OneFemaleEatingMoreInEachStage) {
  LifeTable table(ThreeStages, {"1,F,2,3,4,0,0,-1,1,1,1,-1,2,2,2,2,-1"});
  AgeVectors& av = table.state.ageVectors;
  EXPECT_EQ(av.StageDailyMeanConsumption(1), 0);
  EXPECT_EQ(av.StageDailyMeanConsumption(2), 1);
  EXPECT_EQ(av.StageDailyMeanConsumption(3), 2);
  EXPECT_EQ(av.StageDaySum(3), 4);
  EXPECT_EQ(av.StageTxjSum(3), 8);
  // The male column nobody occupied keeps its value.
  av.StageDailyMeanConsumption(4) = 7;
  Platform platform = table.script.platform();
  CalculateStageDailyMeanConsumption(table.state, platform);
  EXPECT_EQ(av.StageDailyMeanConsumption(4), 7);
  EXPECT_EQ(av.StageDaySum(4), 0);
}

TEST(StageDailyMeanConsumption, WeightsEachDayOfEveryIndividual) {
  // In the larval stage: 3 days at 1, and 1 day at 5 before dying.
  LifeTable table(ThreeStages, {"1,F,1,3,1,-1,1,1,1,-1,-1", "2,N,1,-1,-1,5,-1"});
  EXPECT_EQ(table.state.ageVectors.StageDailyMeanConsumption(2), 2);
}

}  // namespace
}  // namespace vorelan
