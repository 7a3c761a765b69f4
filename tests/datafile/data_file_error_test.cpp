#include "datafile/data_file_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vorelan {
namespace {

TEST(MessageNumber, JoinsTheShortestFormAndShowsWhatCannotBeFormedAsTheFilesDo) {
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double value;
    const char* text;
  } cases[] = {
      {12, "12"},       {0.5, "0.5"},   {-3, "-3"},          {0, "0"},
      {1e20, "1e+20"},  {inf, "-"},     {-inf, "-"},         {std::nan(""), "-"},
      {1.0 / 3, "0.333333333333333"},
  };
  for (const auto& c : cases) EXPECT_EQ(messageNumber(c.value), c.text) << c.value;
}

}  // namespace
}  // namespace vorelan
