// The table cells' short path (round, then form the text from the rounded
// whole number's digits) against the plain one: the rounding written out
// with floor and the parity of the whole part, then the general number text.
#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

#include "report/number_text.h"

namespace vorelan {
namespace {

double plainRoundHalfEven(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  const double product = value * scale;
  if (!std::isfinite(product)) return value;
  double whole = std::floor(product);
  const double fraction = product - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0)) whole += 1;
  return whole / scale;
}

std::string plainCell(double value, int decimals) {
  return NumberText(plainRoundHalfEven(value, decimals));
}

std::string shortCell(double value, int decimals) {
  return std::string(formRoundedNumberText(value, decimals).view());
}

// Same double, bit for bit: a zero keeps its sign, a NaN stays a NaN.
void expectSameRounding(double value, int decimals) {
  const double expected = plainRoundHalfEven(value, decimals);
  const double got = roundHalfEven(value, decimals);
  if (std::isnan(expected)) {
    EXPECT_TRUE(std::isnan(got)) << value << " to " << decimals;
  } else {
    EXPECT_EQ(std::bit_cast<std::uint64_t>(got), std::bit_cast<std::uint64_t>(expected))
        << value << " to " << decimals << ": " << got << " instead of " << expected;
  }
}

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double TwoPower52 = 4503599627370496.0;

const double AwkwardValues[] = {
    // Ties and values just beside them.
    0.125, 0.375, 2.675, 9.995, 0.005, 0.015, 0.025, 1.005, 2.5, 3.5, 0.5, 1.5, -0.5, -1.5, -2.5,
    -0.125, -2.675, -9.995, -0.005, 0.1249999999999999, 0.1250000000000001, 99.995, 999999.995,
    // Zeros of either sign and values rounding to a zero of either side.
    0.0, -0.0, 0.004, -0.004, -0.4, 0.4, -1e-300, 1e-300, 5e-324, -5e-324,
    // Fifteen and seventeen significant digits.
    0.1 + 0.2, 2.0 / 3, -2.0 / 3, 1234567.891234567, 123456789012345.0, 0.30000000000000004,
    99999.99999999999, 1.0000000000000002, 12345678901234.56,
    // Around the end of the positional range and of the whole doubles.
    1e15, -1e15, 999999999999999.5, 1e13 - 0.005, 1e13 + 0.005, 9999999999999.995, 1e-15,
    -1e-15, TwoPower52 - 0.5, TwoPower52 + 1, -TwoPower52 - 2, 9007199254740993.0, 1e17,
    // Around the largest scaled value of 32 bits, 4294967295, at 0 to 4 decimals.
    4294967295.0, 4294967295.5, 4294967296.0, 429496729.55, 42949672.95, 42949672.96, 4294967.295,
    4294967.2955, 429496.7295, 429496.72955, 42949.67296, -42949672.95,
    // Huge values, whose product overflows, and values that are no number.
    1e300, -1e300, 1.7976931348623157e308, Inf, -Inf, NaN};

TEST(RoundedCells, EveryAwkwardValueRoundsAndReadsAsThePlainPath) {
  for (const double value : AwkwardValues) {
    for (const int decimals : {0, 1, 2, 3, 4, 6, 15}) {
      expectSameRounding(value, decimals);
      EXPECT_EQ(shortCell(value, decimals), plainCell(value, decimals)) << value << " to " << decimals;
    }
  }
}

TEST(RoundedCells, TiesGoToTheEvenNeighbour) {
  // The tie is taken on the double's product: 2.675 * 100 is exactly 267.5
  // and goes up to 268, 0.125 * 100 is 12.5 and goes down to 12, while
  // 9.995 * 100 falls just below the tie.
  EXPECT_EQ(shortCell(0.125, 2), " .12 ");
  EXPECT_EQ(shortCell(0.375, 2), " .38 ");
  EXPECT_EQ(shortCell(2.675, 2), " 2.68 ");
  EXPECT_EQ(shortCell(-2.5, 0), "-2 ");
  EXPECT_EQ(shortCell(-0.004, 2), " 0 ");
  EXPECT_EQ(shortCell(9.995, 2), " 9.99 ");
  EXPECT_EQ(shortCell(1.05, 3), " 1.05 ");
  EXPECT_EQ(shortCell(0.0625, 4), " .0625 ");
  EXPECT_EQ(shortCell(1e15, 2), " 1E+15 ");
}

// Daily consumption and rates as the tables hold them, over many magnitudes:
// random values, and hundredths and their halves that land on ties.
TEST(RoundedCells, RandomValuesOfEveryMagnitudeAgreeBitForBit) {
  std::mt19937_64 rng(12);
  std::uniform_real_distribution<double> mantissa(-10, 10);
  std::uniform_int_distribution<int> exponent(-18, 16);
  std::uniform_int_distribution<int> decimalsOf(0, 6);
  std::uniform_int_distribution<std::int64_t> hundredths(-2000000, 2000000);
  for (int i = 0; i < 300000; ++i) {
    const int decimals = decimalsOf(rng);
    const double values[] = {mantissa(rng) * std::pow(10.0, exponent(rng)),
                             static_cast<double>(hundredths(rng)) / 100,
                             (static_cast<double>(hundredths(rng)) + 0.5) / 1000};
    for (const double value : values) {
      const double expected = plainRoundHalfEven(value, decimals);
      ASSERT_EQ(std::bit_cast<std::uint64_t>(roundHalfEven(value, decimals)),
                std::bit_cast<std::uint64_t>(expected))
          << value << " to " << decimals;
      ASSERT_EQ(shortCell(value, decimals), NumberText(expected)) << value << " to " << decimals;
    }
  }
}

}  // namespace
}  // namespace vorelan
