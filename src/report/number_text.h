#pragma once
// The text forms of numbers in the output files, and the rounding rule that
// every table applies before printing. Nothing else formats numbers for files.
//
// Digits: the value rounded to 15 significant digits, trailing zeros dropped,
// no decimal point for whole values. Magnitudes from 1E-15 up to below 1E+15
// are written in positional form (0.0001 gives .0001); beyond that range the
// exponent form is used, mantissa then "E", the sign and at least two exponent
// digits (1E+15, -2.5E-16). Report texts have no zero before the decimal point
// (.25, -.5); write records, which other programs read, have it (0.25, -0.5).
#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "model/not_formed_text.h"

namespace vorelan {

// Puts text one character after another from where the caller says: into a
// buffer of its own, or straight into a file's pending text.
class TextCursor {
 public:
  explicit TextCursor(char* at) : at_(at) {}
  void put(char c) { *at_++ = c; }
  void put(std::string_view part) { at_ = std::copy(part.begin(), part.end(), at_); }
  void zeros(int count) {
    for (int i = 0; i < count; ++i) put('0');
  }
  char* end() const { return at_; }
  void moveTo(char* end) { at_ = end; }

 private:
  char* at_;
};

// The longest number text, with room to spare: sign, 15 zeros after the
// point, 15 digits, a blank.
inline constexpr std::size_t MaxNumberTextLength = 48;

// A number text formed in a buffer of its own, where no file's buffer takes
// it (writers form their numbers straight into the file: see put* below).
class FormedText {
 public:
  template <class Put>
  static FormedText of(Put&& put) {
    FormedText text;
    TextCursor out(text.text_.data());
    put(out);
    text.length_ = static_cast<std::size_t>(out.end() - text.text_.data());
    return text;
  }
  std::string_view view() const { return {text_.data(), length_}; }

 private:
  std::array<char, MaxNumberTextLength> text_;  // only the first length_ are written and read
  std::size_t length_ = 0;
};

// The general number text without sign position: "3", ".25", "-1.5".
std::string numberDigits(double value);

// A number item of a print record: the sign position (a blank, or the minus
// sign), the digits and one trailing blank: " .25 ", " 3 ", "-1.5 ".
std::string NumberText(double value);

// NumberText(roundHalfEven(value, decimals)), formed from the digits of the
// rounded whole number instead of searching the double's digits again.
FormedText formRoundedNumberText(double value, int decimals);

// The same texts put from `at` (room for MaxNumberTextLength characters), for
// a writer that forms them in its file's buffer; each returns their end.
char* putNumberText(double value, char* at);
char* putRoundedNumberText(double value, int decimals, char* at);
char* putWriteNumberText(double value, char* at);

// A whole number printed as a Long in 64 bits: every digit, never the
// exponent form: " 12345678901 ". A value beyond the 64-bit range keeps the
// form of NumberText.
std::string wholeNumberText(double wholeValue);

// A number turned into text before printing (a table number, the N of a
// subtitle): the sign position and the digits, no trailing blank: " 7", "-2".
std::string signedText(double value);

// A number item of a write record: no blanks, a zero before the point of a
// magnitude below 1: "0.25", "-0.5", "3".
std::string writeNumberText(double value);

// The report's rounding rule: value·10^decimals rounded to the nearest whole
// number, a value exactly halfway going to the even neighbour, then divided by
// 10^decimals. Works in double precision, so large values do not overflow;
// within the 32-bit range the result is that of 32-bit whole numbers.
double roundHalfEven(double value, int decimals);

// Whole part plus the fraction rounded half to even: Int(v) + R(frac·10^d)/10^d,
// Int being the largest whole number not above v (figure data of c(x,j), T(x,j)).
double roundFractionHalfEven(double value, int decimals);

}  // namespace vorelan
