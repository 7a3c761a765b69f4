#pragma once
// Counting characters of a text read from a file. A well-formed UTF-8
// sequence is one character; every other byte (a stray continuation byte, a
// lead byte without its continuation) is one character on its own. So a
// damaged name is still cut and counted by a bounded number of bytes: four
// characters are never more than sixteen bytes, whatever the file held.
#include <cstddef>
#include <string_view>

namespace vorelan {

// Bytes of the character that starts at `pos` (1 to 4; 0 at the end).
inline std::size_t characterLength(std::string_view text, std::size_t pos) {
  if (pos >= text.size()) return 0;
  const auto lead = static_cast<unsigned char>(text[pos]);
  std::size_t length = 1;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
  }
  if (pos + length > text.size()) return 1;
  for (std::size_t k = 1; k < length; ++k) {
    if ((static_cast<unsigned char>(text[pos + k]) & 0xC0) != 0x80) return 1;
  }
  return length;
}

inline std::size_t characterCount(std::string_view text) {
  // Nearly every text written is ASCII: a character a byte.
  bool ascii = true;
  for (const char c : text) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
  if (ascii) return text.size();
  std::size_t count = 0;
  for (std::size_t pos = 0; pos < text.size(); pos += characterLength(text, pos)) ++count;
  return count;
}

// The first `count` characters of the text (all of it when it is shorter).
inline std::string_view firstCharacters(std::string_view text, std::size_t count) {
  std::size_t end = 0;
  for (std::size_t taken = 0; taken < count && end < text.size(); ++taken) {
    end += characterLength(text, end);
  }
  return text.substr(0, end);
}

}  // namespace vorelan
