#pragma once
// Names of parameterised test cases, made from the text or the number a case
// is about. GoogleTest takes only letters, digits and underscores.
#include <cctype>
#include <charconv>
#include <string>
#include <string_view>

namespace vorelan::testing {

// Letters and digits kept, each run of anything else one underscore:
// "letter outside ASCII, then a number" gives "letter_outside_ASCII_then_a_number".
inline std::string testNameOfText(std::string_view text) {
  std::string name;
  for (const char c : text) {
    if (std::isalnum(static_cast<unsigned char>(c))) {
      name += c;
    } else if (!name.empty() && name.back() != '_') {
      name += '_';
    }
  }
  if (!name.empty() && name.back() == '_') name.pop_back();
  return name;
}

// The fewest digits that read back as the value, as C++ writes them:
// 0.1 + 0.2 gives "0.30000000000000004", -0.0 gives "-0".
inline std::string shortestDigitsOf(double value) {
  char digits[32];
  const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  return std::string(digits, end);
}

// The value's shortest digits with each sign spelt out and the point an
// underscore: -2.5e-16 gives "minus_2_5e_minus_16", 1e+15 gives "1e_15".
inline std::string testNameOfNumber(double value) {
  std::string name;
  for (const char c : shortestDigitsOf(value)) {
    if (c == '-') {
      name += name.empty() ? "minus_" : "_minus_";
    } else if (c == '+') {
      name += '_';
    } else if (c == '.') {
      name += '_';
    } else {
      name += c;
    }
  }
  return name;
}

}  // namespace vorelan::testing
