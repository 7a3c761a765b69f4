#include "resampling/c0_frequency_classes.h"

#include <gtest/gtest.h>

#include <numeric>
#include <vector>

namespace vorelan {
namespace {

std::vector<int> frequencies(const C0FrequencyClasses& classes, int last = 23) {
  std::vector<int> out;
  for (int i = 0; i <= last; ++i) out.push_back(classes.Frequency(i));
  return out;
}

int total(const C0FrequencyClasses& classes) {
  const auto f = frequencies(classes, 30);
  return std::accumulate(f.begin(), f.end(), 0);
}

TEST(C0FrequencyClasses, TwentyOneEvenlySpreadValuesFillClassesZeroToTwentyOneEach) {
  std::vector<double> values;
  for (int k = 1; k <= 21; ++k) values.push_back(10.0 * k);
  C0FrequencyClasses classes;
  classifyC0(classes, values, C0ClassRule::Jackknife);
  EXPECT_EQ(classes.Min, 10);
  EXPECT_EQ(classes.Max, 210);
  EXPECT_EQ(classes.ClassWidth, 10);
  for (int i = 0; i <= 22; ++i) {
    EXPECT_EQ(classes.ClassBegin(i), 10 + 10.0 * i) << i;
    EXPECT_EQ(classes.ClassCenter(i), 15 + 10.0 * i) << i;
  }
  std::vector<int> expected(24, 0);
  for (int i = 0; i <= 20; ++i) expected[i] = 1;
  EXPECT_EQ(frequencies(classes), expected);
}

TEST(C0FrequencyClasses, JackknifeLeavesOutZerosOnlyWhenTheSmallestValueIsZero) {
  C0FrequencyClasses fromZero;
  classifyC0(fromZero, std::vector<double>{0, 0, 10, 20}, C0ClassRule::Jackknife);
  EXPECT_EQ(total(fromZero), 2);  // N minus the two zeros
  EXPECT_EQ(fromZero.Frequency(10), 1);
  EXPECT_EQ(fromZero.Frequency(20), 1);
  // Only classes 0..21 get begins then; class 22 keeps what it held.
  EXPECT_EQ(fromZero.ClassBegin(21), 21);
  EXPECT_EQ(fromZero.ClassBegin(22), 0);
  EXPECT_EQ(fromZero.ClassCenter(22), 0);

  C0FrequencyClasses belowZero;
  classifyC0(belowZero, std::vector<double>{-20, 0, 20}, C0ClassRule::Jackknife);
  EXPECT_EQ(total(belowZero), 3);
  EXPECT_EQ(belowZero.Frequency(0), 1);
  EXPECT_EQ(belowZero.Frequency(10), 1);
  EXPECT_EQ(belowZero.Frequency(20), 1);
  EXPECT_EQ(belowZero.ClassBegin(22), 24);
}

TEST(C0FrequencyClasses, BootstrapNeverCountsAReplicateOfZero) {
  C0FrequencyClasses classes;
  classifyC0(classes, std::vector<double>{-20, 0, 20}, C0ClassRule::Bootstrap);
  EXPECT_EQ(total(classes), 2);
  EXPECT_EQ(classes.Frequency(10), 0);
  EXPECT_EQ(classes.ClassBegin(23), 26);
  EXPECT_EQ(classes.ClassCenter(23), 27);
}

TEST(C0FrequencyClasses, TwoReplicatesOneAndThreeLandInTheFirstAndTheLastClass) {
  C0FrequencyClasses classes;
  classifyC0(classes, std::vector<double>{1, 3}, C0ClassRule::Bootstrap);
  EXPECT_DOUBLE_EQ(classes.ClassWidth, 0.1);
  EXPECT_EQ(classes.Frequency(0), 1);
  EXPECT_EQ(classes.Frequency(20), 1);
  EXPECT_EQ(total(classes), 2);
}

TEST(C0FrequencyClasses, AllValuesEqualAreCountedInClassZero) {
  struct Case {
    std::vector<double> values;
    C0ClassRule rule;
    int inClassZero;
  };
  const Case cases[] = {
      {{6.5, 6.5, 6.5}, C0ClassRule::Jackknife, 3},
      {{-2, -2}, C0ClassRule::Jackknife, 2},
      {{0, 0, 0}, C0ClassRule::Jackknife, 0},  // zeros with Min = 0 are never counted
      {{4, 4, 4, 4}, C0ClassRule::Bootstrap, 4},
      {{0, 0}, C0ClassRule::Bootstrap, 0},
  };
  for (const Case& c : cases) {
    C0FrequencyClasses classes;
    classifyC0(classes, c.values, c.rule);
    EXPECT_EQ(classes.ClassWidth, 0);
    EXPECT_EQ(classes.Frequency(0), c.inClassZero) << c.values.front();
    EXPECT_EQ(total(classes), c.inClassZero) << c.values.front();
  }
}

TEST(C0FrequencyClasses, ARunStartsFromEmptyFrequencies) {
  C0FrequencyClasses classes;
  classifyC0(classes, std::vector<double>{1, 2, 3}, C0ClassRule::Jackknife);
  classifyC0(classes, std::vector<double>{1, 2, 3}, C0ClassRule::Jackknife);
  EXPECT_EQ(total(classes), 3);
}

TEST(C0FrequencyClasses, EveryValueOfAWideSpreadIsCountedOnce) {
  // Values whose begins do not fall on whole numbers.
  std::vector<double> values;
  for (int k = 0; k < 97; ++k) values.push_back(0.37 + k * 1.013 + (k % 7) * 0.0031);
  for (C0ClassRule rule : {C0ClassRule::Jackknife, C0ClassRule::Bootstrap}) {
    C0FrequencyClasses classes;
    classifyC0(classes, values, rule);
    EXPECT_EQ(total(classes), 97);
    EXPECT_EQ(classes.Frequency(21), 0);
    EXPECT_GE(classes.Frequency(20) + classes.Frequency(19), 1);
  }
}

}  // namespace
}  // namespace vorelan
