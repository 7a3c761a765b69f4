#include "report/number_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <stdexcept>
#include <utility>

namespace vorelan {
namespace {

constexpr int SignificantDigits = 15;
// Decimal exponents written in positional form: 1E-15 <= |v| < 1E+15.
constexpr int LowestPositionalExponent = -15;
constexpr int HighestPositionalExponent = 14;

// The significant digits of |value| and the decimal exponent of the first.
struct DecimalForm {
  bool negative = false;
  std::array<char, 24> digits{};  // no trailing zeros, at least one
  int length = 0;
  int exponent = 0;

  std::string_view digitView() const { return {digits.data(), static_cast<std::size_t>(length)}; }
};

// Scientific text of to_chars, d[.ddd]e±XX, into the digits and the exponent.
void takeScientific(const char* begin, const char* end, DecimalForm& form) {
  form.length = 0;
  const char* c = begin;
  for (; *c != 'e'; ++c) {
    if (*c != '.') form.digits[static_cast<std::size_t>(form.length++)] = *c;
  }
  const bool negativeExponent = *++c == '-';
  int exponent = 0;
  for (++c; c != end; ++c) exponent = exponent * 10 + (*c - '0');
  form.exponent = negativeExponent ? -exponent : exponent;
  while (form.length > 1 && form.digits[static_cast<std::size_t>(form.length - 1)] == '0') --form.length;
}

// A value of at most 4 decimals and 15 digits, as counts, data and rounded
// table values are: m / 10^k giving the value back proves that the decimal
// m·10^-k is nearer to it than to any other double, so, being of at most 15
// digits, it is the value's 15-digit rounding (see decimalFormOf).
bool takeFewDecimals(double magnitude, DecimalForm& form) {
  static constexpr std::array<double, 5> Scales{1, 10, 100, 1000, 10000};
  for (std::size_t k = 0; k < Scales.size(); ++k) {
    const double m = magnitude * Scales[k];
    if (!(m < 1e15)) return false;
    if (m != std::floor(m) || m / Scales[k] != magnitude) continue;
    const char* end = std::to_chars(form.digits.data(), form.digits.data() + form.digits.size(),
                                    static_cast<std::uint64_t>(m))
                          .ptr;
    form.length = static_cast<int>(end - form.digits.data());
    form.exponent = form.length - 1 - static_cast<int>(k);
    while (form.length > 1 && form.digits[static_cast<std::size_t>(form.length - 1)] == '0') --form.length;
    return true;
  }
  return false;
}

DecimalForm decimalFormOf(double value) {
  // Rounded correctly to 15 significant digits, as "%.14e" would, without the
  // cost of printf (result files hold millions of numbers). The shortest
  // digits that read back as the value are those digits whenever there are
  // at most 15 of them: they lie within half a unit of the value's last bit,
  // far nearer than half a step of the 15th digit, so no other 15-digit
  // number is as near. Only longer ones are rounded to 15 digits.
  std::array<char, 40> buffer{};
  char* const begin = buffer.data();
  const double magnitude = std::fabs(value);
  DecimalForm form;
  form.negative = value < 0;
  if (takeFewDecimals(magnitude, form)) return form;
  const char* end = std::to_chars(begin, begin + buffer.size(), magnitude, std::chars_format::scientific).ptr;
  takeScientific(begin, end, form);
  if (form.length > SignificantDigits) {
    end = std::to_chars(begin, begin + buffer.size(), magnitude, std::chars_format::scientific,
                        SignificantDigits - 1)
              .ptr;
    takeScientific(begin, end, form);
  }
  return form;
}

void putPositional(const DecimalForm& form, bool zeroBeforePoint, TextCursor& out) {
  const std::string_view d = form.digitView();
  if (form.exponent < 0) {
    if (zeroBeforePoint) out.put('0');
    out.put('.');
    out.zeros(-form.exponent - 1);
    out.put(d);
  } else if (form.length <= form.exponent + 1) {
    out.put(d);
    out.zeros(form.exponent + 1 - form.length);
  } else {
    const auto whole = static_cast<std::size_t>(form.exponent + 1);
    out.put(d.substr(0, whole));
    out.put('.');
    out.put(d.substr(whole));
  }
}

void putExponential(const DecimalForm& form, TextCursor& out) {
  const std::string_view d = form.digitView();
  out.put(d[0]);
  if (d.size() > 1) {
    out.put('.');
    out.put(d.substr(1));
  }
  const int magnitude = std::abs(form.exponent);
  out.put(form.exponent < 0 ? "E-" : "E+");
  if (magnitude < 10) out.put('0');
  std::array<char, 8> exponent{};
  const char* end = std::to_chars(exponent.data(), exponent.data() + exponent.size(), magnitude).ptr;
  out.put(std::string_view(exponent.data(), static_cast<std::size_t>(end - exponent.data())));
}

void putDigits(double value, bool zeroBeforePoint, TextCursor& out) {
  // A value that could not be formed (an overflow, 0/0) is shown as the
  // statistics show what needs more individuals, never as inf or NaN.
  if (!std::isfinite(value)) return out.put(NotFormedText);
  if (value == 0) return out.put('0');  // also -0: no sign for a zero
  const DecimalForm form = decimalFormOf(value);
  if (form.negative) out.put('-');
  const bool inRange =
      form.exponent >= LowestPositionalExponent && form.exponent <= HighestPositionalExponent;
  if (inRange) {
    putPositional(form, zeroBeforePoint, out);
  } else {
    putExponential(form, out);
  }
}

// The sign position (a blank unless the minus sign stands there) and the digits.
void putSigned(double value, TextCursor& out) {
  if (!(value < 0 && std::isfinite(value))) out.put(' ');
  putDigits(value, false, out);
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
// Below 2^52 adding 2^52 leaves no bits for a fraction, so the addition itself
// rounds, half to even as every IEEE sum does; from 2^52 up doubles are whole.
// A negative product that rounds to zero gives +0, as floor(p) + 1 did.
double roundWholeHalfEven(double product) {
  constexpr double TwoPower52 = 4503599627370496.0;
  const double magnitude = std::fabs(product);
  if (!(magnitude < TwoPower52)) return product;
  const double whole = (magnitude + TwoPower52) - TwoPower52;
  if (whole == 0) return product == 0 ? product : 0.0;
  return std::copysign(whole, product);
}

// Positional digits of scaled / 10^decimals, scaled being 1 to 10^15 - 1:
// the whole part without a leading zero, the fraction without trailing zeros.
void putScaledDigits(std::uint64_t scaled, int decimals, TextCursor& out) {
  std::array<char, 24> buffer;  // NOLINT: to_chars writes what is read
  const char* end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), scaled).ptr;
  const std::string_view digits(buffer.data(), static_cast<std::size_t>(end - buffer.data()));
  const auto places = static_cast<std::size_t>(decimals);
  const std::size_t wholeLength = digits.size() > places ? digits.size() - places : 0;
  out.put(digits.substr(0, wholeLength));
  std::string_view fraction = digits.substr(wholeLength);
  while (!fraction.empty() && fraction.back() == '0') fraction.remove_suffix(1);
  if (fraction.empty()) return;
  out.put('.');
  out.zeros(static_cast<int>(places - (digits.size() - wholeLength)));
  out.put(fraction);
}

// The same for the few decimals of the tables and a value within 32 bits,
// with the divisions by a constant the compiler turns into multiplications.
template <std::uint32_t Decimals>
void putFewScaledDigits(std::uint32_t scaled, TextCursor& out) {
  std::uint32_t scale = 1;
  for (std::uint32_t k = 0; k < Decimals; ++k) scale *= 10;
  char* at = out.end();
  if (const std::uint32_t whole = scaled / scale; whole != 0) at = std::to_chars(at, at + 10, whole).ptr;
  if (std::uint32_t fraction = scaled % scale; fraction != 0) {
    *at++ = '.';
    for (std::uint32_t k = Decimals; k-- > 0; fraction /= 10) at[k] = static_cast<char>('0' + fraction % 10);
    at += Decimals;
    while (at[-1] == '0') --at;
  }
  out.moveTo(at);
}

void putScaled(std::uint64_t scaled, int decimals, TextCursor& out) {
  if (scaled <= UINT32_MAX) {
    const auto few = static_cast<std::uint32_t>(scaled);
    switch (decimals) {
      case 0: return putFewScaledDigits<0>(few, out);
      case 1: return putFewScaledDigits<1>(few, out);
      case 2: return putFewScaledDigits<2>(few, out);
      case 3: return putFewScaledDigits<3>(few, out);
      case 4: return putFewScaledDigits<4>(few, out);
      default: break;
    }
  }
  putScaledDigits(scaled, decimals, out);
}

// The text `put` forms, as a string: for the few numbers of titles and messages.
template <class Put>
std::string textOf(Put&& put) {
  return std::string(FormedText::of(std::forward<Put>(put)).view());
}

}  // namespace

std::string numberDigits(double value) {
  return textOf([value](TextCursor& out) { putDigits(value, false, out); });
}

std::string signedText(double value) {
  return textOf([value](TextCursor& out) { putSigned(value, out); });
}

std::string NumberText(double value) {
  return textOf([value](TextCursor& out) { out.moveTo(putNumberText(value, out.end())); });
}

char* putNumberText(double value, char* at) {
  TextCursor out(at);
  putSigned(value, out);
  out.put(' ');
  return out.end();
}

char* putRoundedNumberText(double value, int decimals, char* at) {
  const double product = value * powerOfTen(decimals);
  if (!std::isfinite(product)) return putNumberText(value, at);
  const double scaled = roundWholeHalfEven(product);
  // The rounded value lies within half a unit of its last bit of the decimal
  // scaled / 10^decimals; of at most 15 digits, that decimal is the value's
  // 15-digit rounding, which is what putNumberText would find again.
  if (!(std::fabs(scaled) < 1e15)) return putNumberText(scaled / powerOfTen(decimals), at);
  TextCursor out(at);
  if (scaled == 0) {
    out.put(" 0 ");
    return out.end();
  }
  out.put(scaled < 0 ? '-' : ' ');
  putScaled(static_cast<std::uint64_t>(std::fabs(scaled)), decimals, out);
  out.put(' ');
  return out.end();
}

FormedText formRoundedNumberText(double value, int decimals) {
  return FormedText::of(
      [=](TextCursor& out) { out.moveTo(putRoundedNumberText(value, decimals, out.end())); });
}

char* putWriteNumberText(double value, char* at) {
  TextCursor out(at);
  putDigits(value, true, out);
  return out.end();
}

std::string wholeNumberText(double wholeValue) {
  constexpr double Beyond64Bits = 9223372036854775808.0;  // 2^63
  if (!(std::fabs(wholeValue) < Beyond64Bits)) return NumberText(wholeValue);
  const auto whole = static_cast<std::int64_t>(wholeValue);
  return (whole < 0 ? "" : " ") + std::to_string(whole) + " ";
}

std::string writeNumberText(double value) {
  return textOf([value](TextCursor& out) { putDigits(value, true, out); });
}

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
