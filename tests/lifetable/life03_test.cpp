#include "lifetable/life03.h"

#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "lifetable/life01.h"
#include "support/life_table_run.h"

namespace vorelan {
namespace {

using testing::cohortFile;
using testing::readInto;
using testing::ScriptedPlatform;
using testing::ThreeStages;

using Cells = std::map<std::pair<int, int>, double>;  // (age, column) -> value; all others 0

AnalysisState matricesOf(const std::vector<std::string>& records) {
  ScriptedPlatform script;
  AnalysisState state;
  readInto(state, cohortFile(ThreeStages, records), 1, script);
  Platform platform = script.platform();
  life01(state, platform);
  life03(state, platform);
  return state;
}

template <class T>
void expectCells(const Array2<T>& matrix, const Cells& expected, int maxAge, int columns, const char* name) {
  for (int x = 0; x <= maxAge; ++x) {
    for (int j = 1; j <= columns; ++j) {
      const auto found = expected.find({x, j});
      const double want = found == expected.end() ? 0 : found->second;
      EXPECT_DOUBLE_EQ(static_cast<double>(matrix(x, j)), want) << name << "(" << x << "," << j << ")";
    }
  }
}

void expectRange(const AnalysisState& state, int column, int first, int last) {
  EXPECT_EQ(state.matrices.StageAgeRange(column, 1), first) << "first age of column " << column;
  EXPECT_EQ(state.matrices.StageAgeRange(column, 2), last) << "last age of column " << column;
}

TEST(Life03, AFemaleWalksThroughHerStages) {
  // Egg 2, larva 3, adult 4 eating 2 a day.
  const auto state = matricesOf({"1,F,2,3,4,-1,-1,2,2,2,2,-1"});
  ASSERT_EQ(state.stageStats.MaxAge, 8);
  const AgeStageMatrices& mx = state.matrices;
  expectCells(mx.Nxj,
              {{{0, 1}, 1},
               {{1, 1}, 1},
               {{2, 2}, 1},
               {{3, 2}, 1},
               {{4, 2}, 1},
               {{5, 3}, 1},
               {{6, 3}, 1},
               {{7, 3}, 1},
               {{8, 3}, 1}},
              8, 4, "n");
  expectCells(mx.Gxj, {{{0, 1}, 1}, {{2, 2}, 1}, {{3, 2}, 1}, {{5, 3}, 1}, {{6, 3}, 1}, {{7, 3}, 1}}, 8, 4,
              "g");
  expectCells(mx.Dxj, {{{1, 1}, 1}, {{4, 2}, 1}}, 8, 4, "d");
  expectCells(mx.Cxj, {{{5, 3}, 2}, {{6, 3}, 2}, {{7, 3}, 2}, {{8, 3}, 2}}, 8, 4, "c");
  expectRange(state, 1, 0, 1);
  expectRange(state, 2, 2, 4);
  expectRange(state, 3, 5, 8);
  expectRange(state, 4, 0, -1);  // nobody reached the male adult column
  EXPECT_EQ(mx.Sj(1), 2);
  EXPECT_EQ(mx.Sj(2), 3);
  EXPECT_EQ(mx.Sj(3), 4);
  EXPECT_EQ(mx.Sj(4), 0);
}

TEST(Life03, AMalesMaturationStandsInTheFemaleAdultColumnOfD) {
  const auto state = matricesOf({"1,M,2,3,4,-1,-1,-1"});
  const AgeStageMatrices& mx = state.matrices;
  expectCells(mx.Nxj,
              {{{0, 1}, 1},
               {{1, 1}, 1},
               {{2, 2}, 1},
               {{3, 2}, 1},
               {{4, 2}, 1},
               {{5, 4}, 1},
               {{6, 4}, 1},
               {{7, 4}, 1},
               {{8, 4}, 1}},
              8, 4, "n");
  expectCells(mx.Gxj, {{{0, 1}, 1}, {{2, 2}, 1}, {{3, 2}, 1}, {{5, 4}, 1}, {{6, 4}, 1}, {{7, 4}, 1}}, 8, 4,
              "g");
  expectCells(mx.Dxj, {{{1, 1}, 1}, {{4, 3}, 1}}, 8, 4, "d");
  expectRange(state, 3, 0, -1);
  expectRange(state, 4, 5, 8);
}

TEST(Life03, AnIndividualDyingInTheLarvalStageGivesNothingToGOnItsLastDay) {
  const auto state = matricesOf({"1,F,2,3,4,-1,-1,-1", "2,N,2,-2,-1,-1"});
  const AgeStageMatrices& mx = state.matrices;
  expectCells(mx.Nxj,
              {{{0, 1}, 2},
               {{1, 1}, 2},
               {{2, 2}, 2},
               {{3, 2}, 2},
               {{4, 2}, 1},
               {{5, 3}, 1},
               {{6, 3}, 1},
               {{7, 3}, 1},
               {{8, 3}, 1}},
              8, 4, "n");
  expectCells(mx.Gxj, {{{0, 1}, 1}, {{2, 2}, 1}, {{3, 2}, 0.5}, {{5, 3}, 1}, {{6, 3}, 1}, {{7, 3}, 1}}, 8, 4,
              "g");
  expectCells(mx.Dxj, {{{1, 1}, 1}, {{4, 2}, 1}}, 8, 4, "d");
  expectCells(mx.Sxj,
              {{{0, 1}, 1},
               {{1, 1}, 1},
               {{2, 2}, 1},
               {{3, 2}, 1},
               {{4, 2}, 0.5},
               {{5, 3}, 0.5},
               {{6, 3}, 0.5},
               {{7, 3}, 0.5},
               {{8, 3}, 0.5}},
              8, 4, "s");
}

TEST(Life03, DyingInTheEggStageAfterOneUnit) {
  const auto state = matricesOf({"1,F,2,1,1,-1,-1,-1", "2,N,-1,-1"});
  const AgeStageMatrices& mx = state.matrices;
  expectCells(mx.Nxj, {{{0, 1}, 2}, {{1, 1}, 1}, {{2, 2}, 1}, {{3, 3}, 1}}, 3, 4, "n");
  EXPECT_DOUBLE_EQ(mx.Gxj(0, 1), 0.5);
  EXPECT_DOUBLE_EQ(mx.Dxj(1, 1), 1);
}

TEST(Life03, AStageOneDurationOfZeroCountsTheIndividualAtAgeZeroOnly) {
  const auto state = matricesOf({"1,F,1,1,2,-1,-1,-1", "2,N,0,-1,-1,-1"});
  const AgeStageMatrices& mx = state.matrices;
  expectCells(mx.Nxj, {{{0, 1}, 2}, {{1, 2}, 1}, {{2, 3}, 1}, {{3, 3}, 1}}, 3, 4, "n");
  EXPECT_DOUBLE_EQ(mx.Dxj(0, 1), 0.5);
}

TEST(Life03, AnAdultOfOneUnitIsCountedOnItsFirstAdultAgeOnly) {
  const auto state = matricesOf({"1,F,1,1,1,-1,-1,-1", "2,M,1,1,5,-1,-1,-1"});
  const AgeStageMatrices& mx = state.matrices;
  ASSERT_EQ(state.stageStats.MaxAge, 6);
  EXPECT_EQ(mx.Nxj(2, 3), 1);
  EXPECT_EQ(mx.Nxj(3, 3), 0);
  EXPECT_EQ(mx.Gxj(2, 3), 0);
  expectRange(state, 3, 2, 2);
  expectRange(state, 4, 2, 6);
  EXPECT_DOUBLE_EQ(mx.Dxj(1, 2), 0.5);  // the female's maturation
  EXPECT_DOUBLE_EQ(mx.Dxj(1, 3), 0.5);  // the male's
}

TEST(Life03, APreadultOutlivingEveryAdultKeepsItsLastDays) {
  // The unsexed larva lives 8 time units, the female 4.
  const auto state = matricesOf({"1,F,1,1,2,-1,-1,-1", "2,N,2,-6,-1,1,1,1,1,1,1,-1"});
  ASSERT_EQ(state.stageStats.MaxAge, 7);
  for (int x = 2; x <= 7; ++x) EXPECT_EQ(state.matrices.Nxj(x, 2), 1) << "age " << x;
  EXPECT_DOUBLE_EQ(state.matrices.Cxj(7, 2), 1);
  expectRange(state, 2, 1, 7);
}

TEST(Life03, StageSumsAreAddedToAcrossCalls) {
  ScriptedPlatform script;
  AnalysisState state;
  readInto(state, cohortFile(ThreeStages, {"1,F,2,3,4,-1,-1,-1"}), 1, script);
  Platform platform = script.platform();
  life01(state, platform);
  life03(state, platform);
  life03(state, platform);
  EXPECT_EQ(state.matrices.Sj(2), 6);
  EXPECT_EQ(state.matrices.Nxj(3, 2), 1);  // the matrices themselves are rebuilt
}

}  // namespace
}  // namespace vorelan
