// The ten tables of the result window, from the Basic Run's results.
#include <gtest/gtest.h>

#include "early_males_cohort.h"
#include "hand_built_results.h"
#include "results/result_tables.h"

namespace vorelan {
namespace {

enum Tab { MatrixS, MatrixG, MatrixD, MatrixC, Consumption, StageMean, Survival, AgeConsumption, NetConsumption, Lifetime };

std::vector<std::string> column(const TextGrid& grid, int j) {
  std::vector<std::string> texts;
  for (int row = 1; row < grid.rows(); ++row) texts.push_back(grid.text(row, j));
  return texts;
}

std::vector<std::string> headings(const TextGrid& grid) {
  std::vector<std::string> texts;
  for (int j = 0; j < grid.columns(); ++j) texts.push_back(grid.text(0, j));
  return texts;
}

using Texts = std::vector<std::string>;

TEST(ResultTables, TenTabsWithTheirCaptionsOpeningOnTheLast) {
  const auto tabs = ResultTables(testing::earlyMalesResults());
  const Texts captions = {"Matrix S",   "Matrix G",           "Matrix D",             "Matrix C",
                          "Consumption", "Stage mean",        "&l(x): survival rate", "&c(x): age-specific ",
                          "k(x)=c(x)*l(x)", " Mean consumption"};
  ASSERT_EQ(tabs.size(), captions.size());
  for (std::size_t k = 0; k < tabs.size(); ++k) EXPECT_EQ(tabs[k].caption, captions[k]);
  EXPECT_EQ(ResultFmOpeningTab, 9);
}

// Each stage column shows values over the ages of the stage, zeros inside
// that range included, and "-" outside it.
TEST(ResultTables, MatrixColumnsAreMaskedByTheAgesOfTheirStage) {
  const auto tabs = ResultTables(testing::earlyMalesResults());
  const TextGrid& s = tabs[MatrixS].grid;
  ASSERT_EQ(s.rows(), 10);    // heading and ages 0..8
  ASSERT_EQ(s.columns(), 6);  // age and stage columns 1..5
  EXPECT_EQ(headings(s), (Texts{"Age", "Egg", "Larv", "Pupa", "Fema", "Male"}));
  EXPECT_EQ(column(s, 0), (Texts{"0", "1", "2", "3", "4", "5", "6", "7", "8"}));
  EXPECT_EQ(column(s, 1), (Texts{"1", "0.6667", "-", "-", "-", "-", "-", "-", "-"}));
  EXPECT_EQ(column(s, 2), (Texts{"-", "0.3333", "0.6667", "0.3333", "-", "-", "-", "-", "-"}));
  EXPECT_EQ(column(s, 3), (Texts{"-", "-", "0.3333", "0", "0.3333", "0.3333", "-", "-", "-"}));
  EXPECT_EQ(column(s, 4), (Texts{"-", "-", "-", "-", "-", "-", "0.3333", "0.3333", "0.3333"}));
  EXPECT_EQ(column(s, 5), (Texts{"-", "-", "-", "0.3333", "0.3333", "0.3333", "-", "-", "-"}));

  const TextGrid& g = tabs[MatrixG].grid;
  EXPECT_EQ(column(g, 1), (Texts{"0.6667", "0", "-", "-", "-", "-", "-", "-", "-"}));
  EXPECT_EQ(column(g, 2), (Texts{"-", "0", "0.5", "0", "-", "-", "-", "-", "-"}));

  const TextGrid& c = tabs[MatrixC].grid;
  EXPECT_EQ(column(c, 2), (Texts{"-", "2", "1", "3", "-", "-", "-", "-", "-"}));
  EXPECT_EQ(column(c, 4), (Texts{"-", "-", "-", "-", "-", "-", "5", "5", "4"}));
  EXPECT_EQ(column(c, 5), (Texts{"-", "-", "-", "4", "3", "3", "-", "-", "-"}));
  for (int row = 0; row < c.rows(); ++row) {
    for (int j = 0; j < c.columns(); ++j) EXPECT_TRUE(c.cell(row, j).centred);
  }
}

// d(x,j): column K-1 holds the females' move into the female adult column,
// column K the males' move into the male adult column, both at ages of the
// last pre-adult stage. The male matures at age 2, long before any female
// adult lives, and still shows.
TEST(ResultTables, MatrixDHeadsAndMasksTheMovesIntoTheAdultColumns) {
  const TextGrid d = ResultTables(testing::earlyMalesResults())[MatrixD].grid;
  EXPECT_EQ(headings(d), (Texts{"Age", "Egg", "Larv", "P->F", "P->M", "Male"}));
  EXPECT_EQ(column(d, 1), (Texts{"0.3333", "1", "-", "-", "-", "-", "-", "-", "-"}));
  EXPECT_EQ(column(d, 2), (Texts{"-", "1", "0", "1", "-", "-", "-", "-", "-"}));
  EXPECT_EQ(column(d, 3), (Texts{"-", "-", "0", "0", "0", "1", "-", "-", "-"}));
  EXPECT_EQ(column(d, 4), (Texts{"-", "-", "1", "0", "0", "0", "-", "-", "-"}));
  EXPECT_EQ(column(d, 5), (Texts{"-", "-", "-", "0", "0", "0", "-", "-", "-"}));
}

// Durations egg 1, 2, 2; larva and pupa 1, 2; adult 3, 3. Consumption in the
// larva 2 and 4, in the adult 10 and 14.
TEST(ResultTables, StageStatisticsOfTheCohort) {
  const auto tabs = ResultTables(testing::earlyMalesResults());
  const TextGrid& means = tabs[StageMean].grid;
  ASSERT_EQ(means.rows(), 5);
  EXPECT_EQ(headings(means), (Texts{"Age", "Egg", "Larv", "Pupa", "Adult"}));
  EXPECT_EQ(column(means, 0), (Texts{"N", "Mean", "SD", "SE"}));
  EXPECT_EQ(column(means, 1), (Texts{"3", "1.67", "0.58", "0.33"}));
  EXPECT_EQ(column(means, 2), (Texts{"2", "1.5", "0.71", "0.5"}));
  EXPECT_EQ(column(means, 4), (Texts{"2", "3", "0", "0"}));

  // The adult column holds the consumption of all adults, both sexes.
  const TextGrid& consumption = tabs[Consumption].grid;
  EXPECT_EQ(headings(consumption), (Texts{"Age", "Egg", "Larv", "Pupa", "Adult"}));
  EXPECT_EQ(column(consumption, 2), (Texts{"2", "3", "1.41", "1"}));
  EXPECT_EQ(column(consumption, 4), (Texts{"2", "12", "2.83", "2"}));
}

// l(x); c(x), the consumption per living individual; k(x) = l(x) c(x).
// At age 3 the male eats 4 and the larva 3, two of the three alive.
TEST(ResultTables, AgeSpecificTables) {
  const auto tabs = ResultTables(testing::earlyMalesResults());
  const struct {
    Tab tab;
    const char* heading;
    Texts values;
  } cases[] = {
      {Survival, "l(x)", {"1", "1", "1", "0.6667", "0.6667", "0.6667", "0.3333", "0.3333", "0.3333"}},
      {AgeConsumption, "c(x)", {"0", "0.6667", "0.6667", "3.5", "1.5", "1.5", "5", "5", "4"}},
      {NetConsumption, "k(x)", {"0", "0.6667", "0.6667", "2.3333", "1", "1", "1.6667", "1.6667", "1.3333"}},
  };
  for (const auto& c : cases) {
    const TextGrid& grid = tabs[c.tab].grid;
    EXPECT_EQ(headings(grid), (Texts{"Age", c.heading})) << c.heading;
    EXPECT_EQ(column(grid, 1), c.values) << c.heading;
    EXPECT_EQ(column(grid, 0).back(), "8");
  }
}

// Lifetime consumption 12, 18 and 1: mean 31/3, variance 446/6.
TEST(ResultTables, MeanLifetimeConsumptionIsShownAsComputed) {
  const TextGrid lifetime = ResultTables(testing::earlyMalesResults())[Lifetime].grid;
  ASSERT_EQ(lifetime.rows(), 4);
  EXPECT_EQ(headings(lifetime), (Texts{"", "Total consumption"}));
  EXPECT_EQ(column(lifetime, 0), (Texts{"Mean", "SD", "SE"}));
  EXPECT_EQ(lifetime.text(1, 1), "10.3333333333333");
  EXPECT_EQ(lifetime.text(2, 1).substr(0, 8), "8.621678");
  EXPECT_EQ(lifetime.text(3, 1).substr(0, 8), "4.977728");
}

TEST(ResultTables, RoundingGoesHalfToEven) {
  BasicRunResults r = testing::handBuiltResults(3, 3);
  r.Cxj(0, 1) = 0.125;
  r.Cxj(1, 1) = 0.375;
  r.Cxj(2, 1) = 12.5;
  r.Cxj(3, 1) = 3;
  r.Sxj(0, 2) = 0.123456;
  const auto tabs = ResultTables(r);
  EXPECT_EQ(column(tabs[MatrixC].grid, 1), (Texts{"0.12", "0.38", "12.5", "3"}));
  EXPECT_EQ(tabs[MatrixS].grid.text(1, 2), "0.1235");
}

// A mean needs a count above 0, a standard deviation and a standard error a
// count above 1; "-" stands where one cannot be formed.
TEST(ResultTables, StatisticsThatCannotBeFormedShowADash) {
  BasicRunResults r = testing::handBuiltResults(3, 3);
  const struct {
    std::int32_t n;
    double mean, sd;
    Texts shown;
  } cases[] = {
      {0, 7, 7, {"0", "-", "-", "-"}},
      {1, 2.125, 9, {"1", "2.12", "-", "-"}},
      {4, 2.375, 1, {"4", "2.38", "1", "0.5"}},
  };
  for (std::size_t k = 0; k < std::size(cases); ++k) {
    const std::size_t j = k + 1;
    r.StageDurN(j) = r.StageConsN(j) = cases[k].n;
    r.StageDurMean(j) = r.StageConsMean(j) = cases[k].mean;
    r.StageDurSD(j) = r.StageConsSD(j) = cases[k].sd;
  }
  const auto tabs = ResultTables(r);
  for (Tab tab : {Consumption, StageMean}) {
    for (std::size_t k = 0; k < std::size(cases); ++k) {
      EXPECT_EQ(column(tabs[tab].grid, static_cast<int>(k) + 1), cases[k].shown) << tab << " n=" << cases[k].n;
    }
  }

  r.NumIndividuals = 1;
  r.LifetimeConsMean = 5;
  r.LifetimeConsSD = 3;  // left from no computation
  EXPECT_EQ(column(ResultTables(r)[Lifetime].grid, 1), (Texts{"5", "-", "-"}));
}

TEST(ResultTables, ElevenStagesGiveTwelveStageColumns) {
  const auto tabs = ResultTables(testing::handBuiltResults(11, 0));
  EXPECT_EQ(tabs[MatrixS].grid.columns(), 13);
  EXPECT_EQ(tabs[MatrixS].grid.text(0, 12), "Male");
  EXPECT_EQ(tabs[MatrixD].grid.text(0, 10), "P->F");
  EXPECT_EQ(tabs[MatrixD].grid.text(0, 11), "P->M");
  EXPECT_EQ(tabs[StageMean].grid.columns(), 12);
  EXPECT_EQ(tabs[StageMean].grid.text(0, 11), "Adult");
}

TEST(ResultTables, BeforeABasicRunTheTabsHoldNothing) {
  const auto tabs = ResultTables(BasicRunResults{});
  ASSERT_EQ(tabs.size(), 10u);
  for (const auto& tab : tabs) EXPECT_EQ(tab.grid.rows(), 0);
}

}  // namespace
}  // namespace vorelan
