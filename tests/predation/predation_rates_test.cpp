#include "predation/predation_rates.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "predation/five_predators.h"

namespace vorelan {
namespace {

using testing::FivePredators;
using testing::FivePredatorsPsi;
using testing::SasdFileText;

TEST(PredationRates, TheFixtureCohortIsTheOneTheExpectedValuesAreWorkedOutFor) {
  FivePredators cohort;
  const AnalysisState& s = cohort.state;
  ASSERT_EQ(s.stageStats.MaxAge, 7);
  EXPECT_EQ(s.matrices.Cxj(0, 1), 3);
  EXPECT_DOUBLE_EQ(s.matrices.Cxj(1, 1), 2.8);
  EXPECT_EQ(s.matrices.Cxj(2, 1), 1.5);
  EXPECT_DOUBLE_EQ(s.matrices.Cxj(4, 3), 13.0 / 3);
  EXPECT_EQ(s.matrices.Cxj(7, 3), 1);
  EXPECT_EQ(s.matrices.Cxj(5, 4), 1);
  const std::array<std::array<int, 2>, 4> ranges = {{{0, 2}, {2, 3}, {3, 7}, {3, 5}}};
  for (int j = 1; j <= 4; ++j) {
    EXPECT_EQ(s.matrices.StageAgeRange(j, 1), ranges[j - 1][0]) << j;
    EXPECT_EQ(s.matrices.StageAgeRange(j, 2), ranges[j - 1][1]) << j;
  }
}

TEST(PredationRates, PsiOmegaAndTheIntrinsicRateOfTheCohortsOwnDistribution) {
  FivePredators cohort;
  cohort.readRates(SasdFileText{});
  const PredationState& p = cohort.state.predation;
  EXPECT_NEAR(p.Psi, FivePredatorsPsi, 1e-14);
  EXPECT_EQ(p.Omega, 1.5 * p.Psi);
  EXPECT_TRUE(p.HasIntrinsicPredationRate);
  EXPECT_EQ(p.IntrinsicPredationRate, std::log(p.Omega));
}

TEST(PredationRates, PsiCountsAge0WhereTheLarvaeAlreadyEat) {
  FivePredators cohort;
  cohort.readRates(SasdFileText{});
  const PredationState& p = cohort.state.predation;
  double fromAge1 = 0;
  for (int x = 1; x <= 7; ++x) {
    for (int j = 1; j <= 4; ++j) fromAge1 += p.SASDxCxj(x, j);
  }
  EXPECT_EQ(p.SASDxCxj(0, 1), 0.15625 * 3);
  EXPECT_NEAR(p.Psi - fromAge1, 15.0 / 32, 1e-14);
}

TEST(PredationRates, BothLayoutsGiveTheSameRates) {
  FivePredators byAge;
  byAge.readRates(SasdFileText{});
  FivePredators byStage;
  SasdFileText inRow;
  inRow.layout = "In Row";
  inRow.values = testing::FivePredatorsInRow;
  byStage.readRates(inRow);
  EXPECT_EQ(byStage.state.predation.Psi, byAge.state.predation.Psi);
  EXPECT_EQ(byStage.state.predation.Omega, byAge.state.predation.Omega);
  EXPECT_EQ(byStage.state.predation.IntrinsicPredationRate, byAge.state.predation.IntrinsicPredationRate);
}

// The six quantities of each reproductive female, worked out from her daily
// values and her record: TPOP, TPOPCon, OviP, OviCon, PostP, PostCon.
struct FemalePeriods {
  int k;
  std::array<double, FemalePeriodCount> expected;
  double consumptionFromAge1;  // her consumption over ages 1..longevity
};

TEST(PredationRates, PeriodsAndConsumptionOfEachReproductiveFemale) {
  FivePredators cohort;
  cohort.readRates(SasdFileText{});
  const PredationState& p = cohort.state.predation;
  EXPECT_EQ(p.ReproFemaleCount, 3);
  // Female 1 eats 3, 4, 0, 2, 6, 5, 1, 0 at ages 0..7; first and last
  // oviposition at 4 and 6, death at 8. Her record's post-oviposition 99 is replaced.
  const FemalePeriods females[] = {{1, {4, 6, 3, 12, 1, 0}, 18},
                                   {2, {5, 7, 2, 6, 1, 2}, 15},
                                   {3, {4, 4, 1, 3, 2, 6}, 13}};
  for (const FemalePeriods& f : females) {
    const std::array<double, FemalePeriodCount> got = {p.TPOP(f.k),   p.TPOPCon(f.k), p.OviP(f.k),
                                                       p.OviCon(f.k), p.PostP(f.k),   p.PostCon(f.k)};
    EXPECT_EQ(got, f.expected) << "female " << f.k;
    EXPECT_EQ(p.TPOPCon(f.k) + p.OviCon(f.k) + p.PostCon(f.k), f.consumptionFromAge1) << "female " << f.k;
  }
  // The male and the unsexed individual take no part.
  EXPECT_EQ(p.OviP(4), 0);
  EXPECT_EQ(p.TPOPCon(5), 0);
}

TEST(PredationRates, StatisticsOfTheSixQuantities) {
  FivePredators cohort;
  cohort.readRates(SasdFileText{});
  const PredationState& p = cohort.state.predation;
  const std::array<std::array<double, 3>, FemalePeriodCount> values = {
      {{4, 5, 4}, {6, 7, 4}, {3, 2, 1}, {12, 6, 3}, {1, 1, 2}, {0, 2, 6}}};
  for (int q = 0; q < FemalePeriodCount; ++q) {
    const auto& v = values[static_cast<std::size_t>(q)];
    const double mean = (v[0] + v[1] + v[2]) / 3;
    const double variance =
        ((v[0] - mean) * (v[0] - mean) + (v[1] - mean) * (v[1] - mean) + (v[2] - mean) * (v[2] - mean)) / 2;
    const FemalePeriodStatistics& s = p.PeriodStatistics[static_cast<std::size_t>(q)];
    EXPECT_EQ(s.Sum, v[0] + v[1] + v[2]) << q;
    EXPECT_EQ(s.SumSq, v[0] * v[0] + v[1] * v[1] + v[2] * v[2]) << q;
    EXPECT_NEAR(s.Mean, mean, 1e-12) << q;
    EXPECT_NEAR(s.Variance, variance, 1e-12) << q;
    EXPECT_NEAR(s.SD, std::sqrt(variance), 1e-12) << q;
    EXPECT_NEAR(s.SE, std::sqrt(variance / 3), 1e-12) << q;
  }
}

TEST(PredationRates, AFemaleWithoutFecundityTakesNoPartAndStatisticsThatCannotBeFormedStay0) {
  FivePredators cohort;
  SasdFileText file;
  file.records[1] = "2,\"F\",8,0,5,6,0";
  file.records[2] = "3,\"F\",7,0,4,4,1";
  cohort.readRates(file);
  const PredationState& p = cohort.state.predation;
  EXPECT_EQ(p.ReproFemaleCount, 1);
  EXPECT_EQ(p.OviCon(2), 0);
  EXPECT_EQ(p.PostP(3), 1);  // as the record gives it: not a reproductive female
  const FemalePeriodStatistics& tpop = p.PeriodStatistics[0];
  EXPECT_EQ(tpop.Mean, 4);
  EXPECT_EQ(tpop.SD, 0);
  EXPECT_EQ(tpop.SE, 0);
}

TEST(PredationRates, AFemaleWhoseFirstOvipositionIsAtAge1ConsumesNothingBeforeIt) {
  FivePredators cohort;
  SasdFileText file;
  file.records[0] = "1,\"F\",8,20,1,6,0";
  cohort.readRates(file);
  EXPECT_EQ(cohort.state.predation.TPOPCon(1), 0);
  EXPECT_EQ(cohort.state.predation.OviCon(1), 4 + 0 + 2 + 6 + 5 + 1);
}

TEST(PredationRates, WithoutAPositiveOmegaThereIsNoIntrinsicRate) {
  FivePredators cohort;
  SasdFileText file;
  file.values.clear();  // a(x,j) = 0 throughout
  for (int x = 0; x <= 7; ++x) file.values += "0,0,0,0\r\n";
  cohort.readRates(file);
  const PredationState& p = cohort.state.predation;
  EXPECT_EQ(p.Psi, 0);
  EXPECT_EQ(p.Omega, 0);
  EXPECT_FALSE(p.HasIntrinsicPredationRate);
  EXPECT_TRUE(std::isfinite(p.IntrinsicPredationRate));
}

TEST(PredationRates, ASecondFileReplacesTheRecordsOfTheFirst) {
  FivePredators cohort;
  cohort.readRates(SasdFileText{});
  SasdFileText second;
  second.records = {"1,\"F\",8,20,4,6,99"};
  cohort.readRates(second);
  const PredationState& p = cohort.state.predation;
  EXPECT_EQ(p.ReproFemaleCount, 1);
  EXPECT_EQ(p.SASDSex(2), "");
  EXPECT_EQ(p.Fecundity(2), 0);
  EXPECT_EQ(p.OviCon(2), 0);
  EXPECT_EQ(p.PeriodStatistics[0].Sum, 4);
}

TEST(PredationRates, ConsumptionOverAgesNeverSumsTheEndMark) {
  CohortRecords cohort;
  cohort.resizeFor(1);
  const double days[] = {3, 4, 0, 2};  // ages 0..3; age 4 unwritten, end mark at age 5
  for (int x = 0; x < 4; ++x) cohort.DailyConsumption(1, x) = days[x];
  cohort.DailyConsumption(1, 5) = -1;
  EXPECT_EQ(consumptionOverAges(cohort, 1, 1, 3), 6);
  EXPECT_EQ(consumptionOverAges(cohort, 1, 2, 9), 2);  // past the end of the life
  EXPECT_EQ(consumptionOverAges(cohort, 1, 1, 0), 0);  // an empty range
  EXPECT_EQ(consumptionOverAges(cohort, 1, -2, 500), 9);
}

}  // namespace
}  // namespace vorelan
