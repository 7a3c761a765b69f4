#include "model/statistics.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace vorelan {
namespace {

using statistics::Accumulator;

Accumulator of(const std::vector<double>& values) {
  Accumulator acc;
  for (double v : values) acc.add(v);
  return acc;
}

TEST(Statistics, MeanStandardDeviationAndStandardError) {
  const Accumulator acc = of({2, 4, 6, 8});
  EXPECT_EQ(acc.n, 4);
  EXPECT_DOUBLE_EQ(acc.mean(), 5);
  EXPECT_DOUBLE_EQ(acc.variance(), 20.0 / 3);
  EXPECT_DOUBLE_EQ(acc.sd(), std::sqrt(20.0 / 3));
  EXPECT_DOUBLE_EQ(acc.se(), std::sqrt(20.0 / 3) / 2);
}

TEST(Statistics, EqualValuesHaveNoSpreadEvenWhenRoundingMakesTheVarianceNegative) {
  // For three values of 0.1 the raw formula gives about -1.7e-18.
  for (const auto& values : {std::vector<double>{0.1, 0.1, 0.1}, std::vector<double>(7, 2.3)}) {
    const Accumulator acc = of(values);
    EXPECT_EQ(acc.variance(), 0);
    EXPECT_EQ(acc.sd(), 0);
    EXPECT_EQ(acc.se(), 0);
  }
}

TEST(Statistics, WhichStatisticsCanBeFormed) {
  EXPECT_FALSE(of({}).hasMean());
  EXPECT_TRUE(of({3}).hasMean());
  EXPECT_FALSE(of({3}).hasSpread());
  EXPECT_TRUE(of({3, 4}).hasSpread());
}

}  // namespace
}  // namespace vorelan
