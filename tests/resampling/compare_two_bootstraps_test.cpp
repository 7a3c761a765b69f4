#include "resampling/compare_two_bootstraps.h"

#include <gtest/gtest.h>

#include <cmath>

#include "resampling/second_treatment_file.h"

namespace vorelan {
namespace {

TEST(SecondTreatmentFile, ValuesAreKeptInTheOrderReadWhateverTheIndices) {
  const SecondTreatmentRead read =
      readSecondTreatment("\"Prey B\",\"User\",\"2026\"\r\nn,5\r\nB,3\r\n7,1\r\n7,2\r\n-40,3\r\n");
  ASSERT_TRUE(read.treatment) << read.fault;
  EXPECT_EQ(read.treatment->CompareTitle1, "Prey B");
  EXPECT_EQ(read.treatment->CompareSampleSize, 5);
  EXPECT_EQ(read.treatment->CompareValue, (std::vector<double>{1, 2, 3}));
}

TEST(SecondTreatmentFile, RefusalsNameTheField) {
  struct Case {
    const char* text;
    const char* fault;
  };
  const Case cases[] = {
      {"a,b,c,n,5,B,1,1,1", "the number of values (field 7) is \"1\", which is out of range: it must be 2 to 200010"},
      {"a,b,c,n,5,B,200011", "the number of values (field 7) is \"200011\", which is out of range"},
      {"a,b,c,n,0,B,2,1,1,2,2", "the sample size (field 5) is \"0\", which is out of range"},
      {"a,b,c,n,-3,B,2,1,1,2,2", "the sample size (field 5) is \"-3\""},
      {"a,b,c,n,x,B,2", "the sample size (field 5) is \"x\", which is not a whole number"},
      {"a,b,c,n,5,B,3,1,1,2,2", "it ends before the index of value 3 (field 12)"},
      {"a,b,c,n,5,B,2,1,1,2", "it ends before value 2 (field 11)"},
      {"a,b,c,n,5,B,2,1,1,2,abc", "value 2 (field 11) is \"abc\", which is not a number"},
      {"a,b", "it ends before the third title (field 3)"},
      // Their variance would overflow: 1e200^2 is beyond any double, and so
      // is the sum 1e308 + 1.7e308 of which the mean is formed.
      {"a,b,c,n,5,B,2,1,1e200,2,2e200", "its values are too large for their variance to be formed"},
      {"a,b,c,n,5,B,2,1,1e308,2,1.7e308", "its values are too large for their variance to be formed"},
  };
  for (const Case& c : cases) {
    const SecondTreatmentRead read = readSecondTreatment(c.text);
    EXPECT_FALSE(read.treatment) << c.text;
    EXPECT_NE(read.fault.find(c.fault), std::string::npos) << c.text << "\n" << read.fault;
  }
}

TEST(CompareBootstraps, ValuesOneTwoThreeGiveMeanTwoVarianceOneSeOne) {
  SecondTreatment second;
  second.CompareSampleSize = 10;
  second.CompareValue = {1, 2, 3};
  const auto c = compareBootstraps(5, 8, second);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->CompareMean, 2);
  EXPECT_EQ(c->CompareVar, 1);
  EXPECT_EQ(c->CompareSE, 1);
  // Both variances are squared standard errors of the means: |2 - 5| / sqrt(8 + 1).
  EXPECT_EQ(c->CompareT, 1);
}

TEST(CompareBootstraps, EqualMeansGiveZeroAndNoSpreadGivesNoTValue) {
  SecondTreatment second;
  second.CompareValue = {1, 2, 3};
  EXPECT_EQ(compareBootstraps(2, 4, second)->CompareT, 0);
  second.CompareValue = {4, 4};
  EXPECT_FALSE(compareBootstraps(7, 0, second));
}

}  // namespace
}  // namespace vorelan
