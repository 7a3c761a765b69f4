#include "report/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>

namespace vorelan {
namespace {

constexpr int SignificantDigits = 15;
// Decimal exponents written in positional form: 1E-15 <= |v| < 1E+15.
constexpr int LowestPositionalExponent = -15;
constexpr int HighestPositionalExponent = 14;

struct DecimalForm {
  bool negative = false;
  std::string digits;  // significant digits, no trailing zeros, at least one
  int exponent = 0;    // decimal exponent of the first digit
};

DecimalForm decimalFormOf(double value) {
  // Rounded correctly to 15 significant digits, d.dddddddddddddde±XX, as
  // "%.14e" would, without the cost of printf (result files hold millions).
  std::array<char, 40> buffer{};
  const char* const begin = buffer.data();
  const char* const end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                        std::chars_format::scientific, SignificantDigits - 1)
                              .ptr;
  const char* const e = std::find(begin, end, 'e');
  DecimalForm form;
  form.negative = value < 0;
  form.digits.reserve(SignificantDigits);
  form.digits.push_back(buffer[0]);
  if (e - begin > 2) form.digits.append(begin + 2, e);
  const char* exponent = e + 1;
  if (*exponent == '+') ++exponent;
  std::from_chars(exponent, end, form.exponent);
  while (form.digits.size() > 1 && form.digits.back() == '0') form.digits.pop_back();
  return form;
}

std::string positional(const DecimalForm& form, bool zeroBeforePoint) {
  const std::string& d = form.digits;
  const int length = static_cast<int>(d.size());
  std::string text;
  if (form.exponent < 0) {
    text = zeroBeforePoint ? "0." : ".";
    text += std::string(static_cast<std::size_t>(-form.exponent - 1), '0') + d;
  } else if (length <= form.exponent + 1) {
    text = d + std::string(static_cast<std::size_t>(form.exponent + 1 - length), '0');
  } else {
    const auto whole = static_cast<std::size_t>(form.exponent + 1);
    text = d.substr(0, whole) + "." + d.substr(whole);
  }
  return text;
}

std::string exponential(const DecimalForm& form) {
  std::string text = form.digits.substr(0, 1);
  if (form.digits.size() > 1) text += "." + form.digits.substr(1);
  const int magnitude = std::abs(form.exponent);
  text += form.exponent < 0 ? "E-" : "E+";
  if (magnitude < 10) text += "0";
  return text + std::to_string(magnitude);
}

std::string digitsOf(double value, bool zeroBeforePoint) {
  // A value that could not be formed (an overflow, 0/0) is shown as the
  // statistics show what needs more individuals, never as inf or NaN.
  if (!std::isfinite(value)) return NotFormedText;
  if (value == 0) return "0";  // also -0: no sign for a zero
  const DecimalForm form = decimalFormOf(value);
  const bool inRange =
      form.exponent >= LowestPositionalExponent && form.exponent <= HighestPositionalExponent;
  const std::string text = inRange ? positional(form, zeroBeforePoint) : exponential(form);
  return form.negative ? "-" + text : text;
}

double powerOfTen(int decimals) {
  static constexpr std::array<double, 16> powers{1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  if (decimals < 0 || decimals >= static_cast<int>(powers.size())) {
    throw std::invalid_argument("decimals outside 0..15");
  }
  return powers[static_cast<std::size_t>(decimals)];
}

// Nearest whole number, halfway to the even neighbour, in double precision.
double roundWholeHalfEven(double product) {
  double whole = std::floor(product);
  const double fraction = product - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0)) whole += 1;
  return whole;
}

}  // namespace

std::string numberDigits(double value) { return digitsOf(value, false); }

std::string signedText(double value) {
  return (value < 0 && std::isfinite(value) ? "" : " ") + numberDigits(value);
}

std::string NumberText(double value) { return signedText(value) + " "; }

std::string wholeNumberText(double wholeValue) {
  constexpr double Beyond64Bits = 9223372036854775808.0;  // 2^63
  if (!(std::fabs(wholeValue) < Beyond64Bits)) return NumberText(wholeValue);
  const auto whole = static_cast<std::int64_t>(wholeValue);
  return (whole < 0 ? "" : " ") + std::to_string(whole) + " ";
}

std::string writeNumberText(double value) { return digitsOf(value, true); }

double roundHalfEven(double value, int decimals) {
  const double scale = powerOfTen(decimals);
  const double product = value * scale;
  if (!std::isfinite(product)) return value;
  return roundWholeHalfEven(product) / scale;
}

double roundFractionHalfEven(double value, int decimals) {
  if (!std::isfinite(value)) return value;
  const double whole = std::floor(value);
  const double scale = powerOfTen(decimals);
  return whole + roundWholeHalfEven((value - whole) * scale) / scale;
}

}  // namespace vorelan
