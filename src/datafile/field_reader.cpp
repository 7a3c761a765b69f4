#include "datafile/field_reader.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <utility>

namespace vorelan {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEndChar(char c) { return c == '\n' || c == '\r'; }

// Each skip returns where it ends, never beyond `end`.
const char* skipBlanks(const char* p, const char* end) {
  while (p != end && isBlank(*p)) ++p;
  return p;
}

const char* skipLineEnd(const char* p, const char* end) {
  if (p != end && *p == '\r') ++p;
  if (p != end && *p == '\n') ++p;
  return p;
}

// Also after a quoted text: anything up to the delimiter is not part of the field.
const char* skipToDelimiter(const char* p, const char* end) {
  while (p != end && *p != ',' && !isLineEndChar(*p)) ++p;
  return p;
}

std::string_view withoutByteOrderMark(std::string_view content) {
  if (content.size() >= 3 && static_cast<unsigned char>(content[0]) == 0xEF &&
      static_cast<unsigned char>(content[1]) == 0xBB &&
      static_cast<unsigned char>(content[2]) == 0xBF) {
    content.remove_prefix(3);
  }
  return content;
}

}  // namespace

FieldReader::FieldReader(std::string content)
    : FieldReader(std::make_shared<const std::string>(std::move(content))) {}

FieldReader::FieldReader(std::shared_ptr<const std::string> content)
    : bytes_(std::move(content)), content_(withoutByteOrderMark(*bytes_)) {}

std::optional<Field> FieldReader::next() {
  FieldView view;
  if (!nextView(view)) return std::nullopt;
  return Field{std::string(view.text), view.quoted, view.unterminated, view.tooLong};
}

bool FieldReader::nextView(FieldView& field) {
  // Walked with pointers held in locals, as this runs for every field of a
  // file of a million bytes.
  const char* const begin = content_.data();
  const char* const end = begin + content_.size();
  const char* p = begin + pos_;
  // Blanks and line ends before a field (empty lines included) are skipped.
  for (;;) {
    p = skipBlanks(p, end);
    if (p == end || !isLineEndChar(*p)) break;
    p = skipLineEnd(p, end);
  }
  pos_ = static_cast<std::size_t>(p - begin);
  if (p == end) return false;

  lastFieldStart_ = pos_;
  field = FieldView{};
  const char* start = p;
  const char* stop = p;
  if (*p == '"') {
    field.quoted = true;
    start = p + 1;
    const auto* close = static_cast<const char*>(std::memchr(start, '"', static_cast<std::size_t>(end - start)));
    field.unterminated = close == nullptr;
    stop = field.unterminated ? end : close;
    p = skipToDelimiter(field.unterminated ? end : close + 1, end);
  } else {
    p = skipToDelimiter(p, end);
    stop = p;
    while (stop > start && isBlank(stop[-1])) --stop;
  }
  const auto length = static_cast<std::size_t>(stop - start);
  field.tooLong = length > MaxFieldBytes;
  if (!field.tooLong) field.text = std::string_view(start, length);
  // The delimiter belongs to the field it ends.
  p = (p != end && *p == ',') ? p + 1 : skipLineEnd(p, end);
  pos_ = static_cast<std::size_t>(p - begin);
  return true;
}

std::size_t FieldReader::lineOfLastField() const {
  std::size_t line = 1;
  for (std::size_t i = 0; i < lastFieldStart_; ++i) {
    // "\r\n", "\n" and a lone "\r" each end one line.
    if (content_[i] == '\n' || (content_[i] == '\r' && (i + 1 >= content_.size() || content_[i + 1] != '\n'))) {
      ++line;
    }
  }
  return line;
}

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// A sign and digits with or without a point, no exponent, at most 15 digits,
// as nearly every daily value is, read in one pass. Their whole number and
// the power of ten of the decimals are both exact doubles, so one division
// gives the correctly rounded value, the same double as from_chars, in a
// fraction of its time. False for any other text.
bool shortDecimal(std::string_view text, double& value) {
  static constexpr std::array<double, 16> Powers{1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  const char* p = text.data();
  const char* const end = p + text.size();
  bool negative = false;
  if (p != end && (*p == '+' || *p == '-')) negative = *p++ == '-';
  std::uint64_t whole = 0;  // wraps past 19 digits, but then it is not used
  std::size_t digits = 0;
  std::size_t decimals = 0;
  bool afterPoint = false;
  for (; p != end; ++p) {
    if (isDigit(*p)) {
      whole = whole * 10 + static_cast<std::uint64_t>(*p - '0');
      ++digits;
      if (afterPoint) ++decimals;
    } else if (*p == '.' && !afterPoint) {
      afterPoint = true;
    } else {
      return false;  // an exponent, or no number at all
    }
  }
  if (digits == 0 || digits > 15) return false;
  value = static_cast<double>(whole) / Powers[decimals];
  if (negative) value = -value;
  return true;
}

// The end of the number's grammar from `i` on: a mantissa of digits with an
// optional point, then an optional exponent; npos when the text there is not one.
std::size_t endOfDecimal(std::string_view text, std::size_t i) {
  const std::size_t n = text.size();
  std::size_t digits = 0;
  while (i < n && isDigit(text[i])) ++i, ++digits;
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && isDigit(text[i])) ++i, ++digits;
  }
  if (digits == 0) return std::string_view::npos;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < n && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t expDigitsStart = j;
    while (j < n && isDigit(text[j])) ++j;
    if (j == expDigitsStart) return std::string_view::npos;
    i = j;
  }
  return i;
}

}  // namespace

std::optional<double> parseNumber(std::string_view text) {
  double value = 0;
  if (!parseNumber(text, value)) return std::nullopt;
  return value;
}

bool parseNumber(std::string_view text, double& value) {
  if (shortDecimal(text, value)) return true;
  bool negative = false;
  std::size_t mantissaStart = 0;
  if (!text.empty() && (text[0] == '+' || text[0] == '-')) negative = text[mantissaStart++] == '-';
  if (endOfDecimal(text, mantissaStart) != text.size()) return false;

  // from_chars wants a digit before the point: ".5" is read as "0.5".
  std::string_view body = text.substr(mantissaStart);
  std::string withLeadingZero;
  if (body[0] == '.') {
    withLeadingZero = "0" + std::string(body);
    body = withLeadingZero;
  }
  double read = 0;
  const auto result = std::from_chars(body.data(), body.data() + body.size(), read);
  if (result.ec != std::errc() || !std::isfinite(read)) return false;
  value = negative ? -read : read;
  return true;
}

}  // namespace vorelan
