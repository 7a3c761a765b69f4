#pragma once
// Whether a text shows a number that could not be formed: inf, nan, Infinity
// or NaN as a word of its own, in any case. No output of the program may.
// One pass over the text, so that the fuzz targets can check every file.
#include <cctype>
#include <string>
#include <string_view>

namespace vorelan::testing {

inline bool showsANonNumber(std::string_view text) {
  const auto isLetter = [](char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; };
  std::size_t i = 0;
  while (i < text.size()) {
    if (!isLetter(text[i])) {
      ++i;
      continue;
    }
    std::string word;
    while (i < text.size() && isLetter(text[i]) && word.size() <= 8) {
      word += static_cast<char>(std::tolower(static_cast<unsigned char>(text[i++])));
    }
    while (i < text.size() && isLetter(text[i])) ++i;
    if (word == "inf" || word == "infinity" || word == "nan") return true;
  }
  return false;
}

}  // namespace vorelan::testing
