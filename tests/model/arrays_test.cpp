#include "model/arrays.h"

#include <gtest/gtest.h>

namespace vorelan {

TEST(Arrays, IndexOutsideTheSizeThrowsInsteadOfTouchingMemory) {
  Array2<double> table(3, 2);
  table(2, 1) = 4.5;
  EXPECT_EQ(table(2, 1), 4.5);
  EXPECT_THROW(table(3, 0), std::out_of_range);
  EXPECT_THROW(table(0, 2), std::out_of_range);
  Array1<int> row(2);
  EXPECT_THROW(row(2), std::out_of_range);
  Array3<double> cube(2, 2, 2);
  EXPECT_THROW(cube(0, 0, 2), std::out_of_range);
}

TEST(Arrays, ResetSizesAndClears) {
  Array2<double> table(2, 2);
  table(1, 1) = 7;
  table.reset(4, 3);
  EXPECT_EQ(table.rows(), 4u);
  EXPECT_EQ(table.cols(), 3u);
  EXPECT_EQ(table(1, 1), 0);
}

}  // namespace vorelan
