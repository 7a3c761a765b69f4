#include "report/number_text.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>
#include <string>
#include <cstring>
#include <algorithm>

#include "support/test_name.h"

namespace vorelan {
namespace {

struct TextCase {
  double value;
  const char* printed;  // number item of a print record
  const char* written;  // number item of a write record
};

void PrintTo(const TextCase& c, std::ostream* out) { *out << testing::shortestDigitsOf(c.value); }

class NumberTextCases : public ::testing::TestWithParam<TextCase> {};

TEST_P(NumberTextCases, PrintAndWriteForms) {
  const TextCase& c = GetParam();
  EXPECT_EQ(NumberText(c.value), c.printed) << c.value;
  EXPECT_EQ(writeNumberText(c.value), c.written) << c.value;
}

INSTANTIATE_TEST_SUITE_P(
    Values, NumberTextCases,
    ::testing::Values(TextCase{0.25, " .25 ", "0.25"}, TextCase{3, " 3 ", "3"},
                      TextCase{-1.5, "-1.5 ", "-1.5"}, TextCase{-0.5, "-.5 ", "-0.5"},
                      TextCase{0, " 0 ", "0"}, TextCase{-0.0, " 0 ", "0"}, TextCase{100, " 100 ", "100"},
                      TextCase{1234.5678, " 1234.5678 ", "1234.5678"},
                      // Small magnitudes stay positional.
                      TextCase{0.0001, " .0001 ", "0.0001"}, TextCase{-0.00002, "-.00002 ", "-0.00002"},
                      TextCase{1e-15, " .000000000000001 ", "0.000000000000001"},
                      // 15 significant digits, the last rounded, trailing zeros dropped.
                      TextCase{0.1 + 0.2, " .3 ", "0.3"},
                      TextCase{2.0 / 3, " .666666666666667 ", "0.666666666666667"},
                      TextCase{1234567.891234567, " 1234567.89123457 ", "1234567.89123457"},
                      TextCase{123456789012345.0, " 123456789012345 ", "123456789012345"},
                      TextCase{99999.99999999999, " 100000 ", "100000"},
                      // Beyond the positional range: the exponent form.
                      TextCase{1e15, " 1E+15 ", "1E+15"}, TextCase{-2.5e-16, "-2.5E-16 ", "-2.5E-16"},
                      TextCase{1.5e120, " 1.5E+120 ", "1.5E+120"},
                      // A value that cannot be formed prints "-", whatever its sign.
                      TextCase{std::numeric_limits<double>::quiet_NaN(), " - ", "-"},
                      TextCase{-std::numeric_limits<double>::quiet_NaN(), " - ", "-"},
                      TextCase{std::numeric_limits<double>::infinity(), " - ", "-"},
                      TextCase{-std::numeric_limits<double>::infinity(), " - ", "-"}),
    [](const auto& info) { return "Value_" + testing::testNameOfNumber(info.param.value); });

TEST(SignedText, SignPositionWithoutTrailingBlank) {
  EXPECT_EQ(signedText(7), " 7");
  EXPECT_EQ(signedText(-2), "-2");
  EXPECT_EQ(signedText(20), " 20");
  EXPECT_EQ(numberDigits(0.5), ".5");
  EXPECT_EQ(numberDigits(-1.5), "-1.5");
  EXPECT_EQ(signedText(-std::numeric_limits<double>::infinity()), " -");
  EXPECT_EQ(numberDigits(std::numeric_limits<double>::quiet_NaN()), "-");
}

// The digits are the value correctly rounded to 15 significant digits, as
// printf's "%.14e" gives them, over magnitudes from tiny to huge: the text
// read back is the value of those 15 digits (two different 15-digit numbers
// never read back as the same double).
TEST(NumberDigits, FifteenSignificantDigitsCorrectlyRounded) {
  std::mt19937_64 rng(2026);
  std::uniform_real_distribution<double> mantissa(-10, 10);
  std::uniform_int_distribution<int> exponent(-20, 20);
  for (int i = 0; i < 200000; ++i) {
    const double v = mantissa(rng) * std::pow(10.0, exponent(rng));
    std::array<char, 40> reference{};
    std::snprintf(reference.data(), reference.size(), "%.14e", v);
    ASSERT_EQ(std::strtod(writeNumberText(v).c_str(), nullptr), std::strtod(reference.data(), nullptr)) << v;
    ASSERT_EQ(std::strtod(numberDigits(v).c_str(), nullptr), std::strtod(reference.data(), nullptr)) << v;
  }
}

// Values of few digits, as data and rounded table values are (whole numbers,
// halves, hundredths, tenths of a power of ten), in every decimal position
// of the positional range: the digits and the form are exactly those of
// printf's correctly rounded 15 significant digits, written positionally
// with trailing zeros and a bare point removed.
std::string positionalReference(double v) {
  std::array<char, 40> scientific{};
  std::snprintf(scientific.data(), scientific.size(), "%.14e", v);
  const int exponent = std::atoi(std::strchr(scientific.data(), 'e') + 1);
  std::array<char, 64> fixed{};
  std::snprintf(fixed.data(), fixed.size(), "%.*f", std::max(0, 14 - exponent), v);
  std::string text = fixed.data();
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0') text.pop_back();
    if (text.back() == '.') text.pop_back();
  }
  return text;
}

TEST(NumberDigits, ShortValuesInEveryPositionAreThoseOfFifteenDigitPrintf) {
  std::mt19937_64 rng(7);
  std::uniform_int_distribution<int> whole(1, 99999);
  const std::array<double, 7> steps{1, 0.5, 0.25, 0.125, 0.1, 0.01, 0.001};
  for (int e = -15; e <= 10; ++e) {
    for (const double step : steps) {
      for (int i = 0; i < 200; ++i) {
        const double v = whole(rng) * step * std::pow(10.0, e);
        const std::string want = positionalReference(v);
        if (want.find('e') != std::string::npos || std::fabs(v) >= 1e15 || std::fabs(v) < 1e-15) continue;
        ASSERT_EQ(writeNumberText(v), want) << v;
        ASSERT_EQ(writeNumberText(-v), "-" + want) << -v;
        const std::string printed = want.rfind("0.", 0) == 0 ? want.substr(1) : want;
        ASSERT_EQ(NumberText(v), " " + printed + " ") << v;
        ASSERT_EQ(NumberText(-v), "-" + printed + " ") << -v;
      }
    }
  }
}

struct RoundCase {
  double value;
  int decimals;
  const char* printed;
};

void PrintTo(const RoundCase& c, std::ostream* out) {
  *out << testing::shortestDigitsOf(c.value) << " to " << c.decimals << " decimals";
}

class RoundingCases : public ::testing::TestWithParam<RoundCase> {};

TEST_P(RoundingCases, HalfToEven) {
  const RoundCase& c = GetParam();
  EXPECT_EQ(NumberText(roundHalfEven(c.value, c.decimals)), c.printed) << c.value << " to " << c.decimals;
}

INSTANTIATE_TEST_SUITE_P(
    Values, RoundingCases,
    ::testing::Values(
        RoundCase{0.125, 2, " .12 "}, RoundCase{0.375, 2, " .38 "}, RoundCase{2.5, 0, " 2 "},
        RoundCase{3.5, 0, " 4 "}, RoundCase{-0.5, 0, " 0 "}, RoundCase{-2.5, 0, "-2 "},
        RoundCase{-1.5, 0, "-2 "}, RoundCase{-0.375, 2, "-.38 "}, RoundCase{2.34567, 4, " 2.3457 "},
        RoundCase{0.5, 4, " .5 "}, RoundCase{1.0 / 3, 3, " .333 "}, RoundCase{7, 6, " 7 "},
        // Products beyond the 32-bit range keep their digits.
        RoundCase{300000.12346, 4, " 300000.1235 "}, RoundCase{5000.25, 6, " 5000.25 "},
        RoundCase{-5000.1234567, 6, "-5000.123457 "}, RoundCase{2147483648.5, 0, " 2147483648 "},
        RoundCase{4294967297.5, 0, " 4294967298 "}, RoundCase{25000000.125, 2, " 25000000.12 "},
        // Within the 32-bit range the result is unchanged.
        RoundCase{214748.3647, 4, " 214748.3647 "}, RoundCase{2147.483647, 6, " 2147.483647 "}),
    [](const auto& info) {
      return testing::testNameOfNumber(info.param.value) + "_to_" + std::to_string(info.param.decimals) +
             "_decimals";
    });

TEST(RoundFractionHalfEven, WholePartPlusRoundedThousandths) {
  EXPECT_EQ(NumberText(roundFractionHalfEven(2.34567, 3)), " 2.346 ");
  EXPECT_EQ(NumberText(roundFractionHalfEven(2.0625, 3)), " 2.062 ");
  EXPECT_EQ(NumberText(roundFractionHalfEven(2.1875, 3)), " 2.188 ");
  // Int is the floor: -1.25 is -2 plus .75, rounded to one decimal .8.
  EXPECT_EQ(NumberText(roundFractionHalfEven(-1.25, 1)), "-1.2 ");
  EXPECT_EQ(NumberText(roundFractionHalfEven(3000000.0004, 3)), " 3000000 ");
}

}  // namespace
}  // namespace vorelan
