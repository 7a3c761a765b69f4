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

TEST(Arrays, FillSetsTheBlockAloneAndRefusesABlockBeyondTheSize) {
  Array2<int> table(4, 5);
  for (std::size_t r = 0; r < 4; ++r) {
    for (std::size_t c = 0; c < 5; ++c) table(r, c) = 1;
  }
  table.fill(1, 2, 1, 3, 7);
  for (std::size_t r = 0; r < 4; ++r) {
    for (std::size_t c = 0; c < 5; ++c) {
      const bool inBlock = r >= 1 && r <= 2 && c >= 1 && c <= 3;
      EXPECT_EQ(table(r, c), inBlock ? 7 : 1) << r << "," << c;
    }
  }
  EXPECT_THROW(table.fill(0, 4, 0, 0, 9), std::out_of_range);
  EXPECT_THROW(table.fill(0, 0, 0, 5, 9), std::out_of_range);
  EXPECT_EQ(table(0, 0), 1);
}

}  // namespace vorelan
