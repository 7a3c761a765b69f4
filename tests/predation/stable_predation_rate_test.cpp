#include "predation/stable_predation_rate.h"

#include <gtest/gtest.h>

#include "support/life_table_run.h"

namespace vorelan {
namespace {

using testing::LifeTable;

TEST(StablePredationRate, SumsEveryAgeFromZeroAndEveryStageColumnWithinTheRanges) {
  Array2<double> a(4, 5);
  Array2<double> c(4, 5);
  a(0, 1) = 0.5;  // age 0 counts: a first stage that feeds from its first day
  c(0, 1) = 2;
  a(1, 2) = 0.25;
  c(1, 2) = 4;
  a(2, 3) = 0.25;  // the last stage column within the range
  c(2, 3) = 8;
  // Outside the ranges: stage column 0, the column after the last, the age after maxAge.
  a(1, 0) = c(1, 0) = 100;
  a(1, 4) = c(1, 4) = 100;
  a(3, 1) = c(3, 1) = 100;
  EXPECT_EQ(StablePredationRate(a, c, 2, 3), 0.5 * 2 + 0.25 * 4 + 0.25 * 8);
}

TEST(StablePredationRate, OfTheCohortsOwnDistributionIsItsConsumptionPerIndividualAtAnAgeStageUnit) {
  // With a(x,j) = n(x,j) / (sum of n), each a(x,j) c(x,j) is T(x,j) / (sum of n):
  // psi is the cohort's whole consumption over the number of its age-stage units.
  const LifeTable table(testing::ThreeStages, {"1,F,2,3,4,3,4,-1,1,2,3,-1,5,-1",
                                               "2,M,2,2,2,1,-1,2,2,-1,2,2,-1",
                                               "3,N,-2,1,1,-1"});
  const AnalysisState& s = table.state;
  const int columns = s.header.NumStages + 1;
  double units = 0;
  double consumption = 0;
  for (int x = 0; x <= s.stageStats.MaxAge; ++x) {
    for (int j = 1; j <= columns; ++j) {
      units += s.matrices.Nxj(x, j);
      consumption += s.cohort.Txj(x, j);
    }
  }
  ASSERT_GT(s.cohort.Txj(0, 1), 0);  // the first stage feeds at age 0
  Array2<double> a(PredationState::Ages, PredationState::Stages);
  for (int x = 0; x <= s.stageStats.MaxAge; ++x) {
    for (int j = 1; j <= columns; ++j) a(x, j) = s.matrices.Nxj(x, j) / units;
  }
  EXPECT_NEAR(StablePredationRate(a, s.matrices.Cxj, s.stageStats.MaxAge, columns), consumption / units,
              1e-12);
}

}  // namespace
}  // namespace vorelan
