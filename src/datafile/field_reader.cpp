#include "datafile/field_reader.h"

#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace vorelan {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isLineEndChar(char c) { return c == '\n' || c == '\r'; }

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

std::optional<std::string> readFileBytes(const std::string& path) {
  // A folder opens as a stream that reads as empty; it is no data file.
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return std::move(text).str();
}

std::optional<FieldReader> FieldReader::fromFile(const std::string& path) {
  auto bytes = readFileBytes(path);
  if (!bytes) return std::nullopt;
  return FieldReader(std::move(*bytes));
}

bool FieldReader::atLineEnd() const { return pos_ < content_.size() && isLineEndChar(content_[pos_]); }

void FieldReader::skipBlanks() {
  while (pos_ < content_.size() && isBlank(content_[pos_])) ++pos_;
}

void FieldReader::skipLineEnd() {
  if (pos_ < content_.size() && content_[pos_] == '\r') ++pos_;
  if (pos_ < content_.size() && content_[pos_] == '\n') ++pos_;
}

// After a quoted text: anything up to the delimiter is not part of the field.
void FieldReader::skipToDelimiter() {
  while (pos_ < content_.size() && content_[pos_] != ',' && !isLineEndChar(content_[pos_])) ++pos_;
}

std::optional<Field> FieldReader::next() {
  // Blanks and line ends before a field (empty lines included) are skipped.
  for (;;) {
    skipBlanks();
    if (!atLineEnd()) break;
    skipLineEnd();
  }
  if (pos_ >= content_.size()) return std::nullopt;

  lastFieldStart_ = pos_;
  Field field;
  std::size_t start = pos_;
  std::size_t end = pos_;
  if (content_[pos_] == '"') {
    field.quoted = true;
    const std::size_t close = content_.find('"', pos_ + 1);
    field.unterminated = close == std::string::npos;
    start = pos_ + 1;
    end = field.unterminated ? content_.size() : close;
    pos_ = field.unterminated ? content_.size() : close + 1;
    skipToDelimiter();
  } else {
    skipToDelimiter();
    end = pos_;
    while (end > start && isBlank(content_[end - 1])) --end;
  }
  field.tooLong = end - start > MaxFieldBytes;
  if (!field.tooLong) field.text = content_.substr(start, end - start);
  // The delimiter belongs to the field it ends.
  if (pos_ < content_.size() && content_[pos_] == ',') {
    ++pos_;
  } else {
    skipLineEnd();
  }
  return field;
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

// Digits with or without a point, no exponent, at most 15 digits, as nearly
// every daily value is: their whole number and the power of ten of the
// decimals are both exact doubles, so one division gives the correctly
// rounded value, the same double as from_chars, in a fraction of its time.
std::optional<double> shortDecimal(std::string_view body, std::size_t digits) {
  static constexpr std::array<double, 16> Powers{1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                 1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
  if (digits > 15) return std::nullopt;
  std::uint64_t whole = 0;
  std::size_t decimals = 0;
  bool afterPoint = false;
  for (const char c : body) {
    if (c == '.') {
      afterPoint = true;
    } else if (c >= '0' && c <= '9') {
      whole = whole * 10 + static_cast<std::uint64_t>(c - '0');
      if (afterPoint) ++decimals;
    } else {
      return std::nullopt;  // an exponent: left to from_chars
    }
  }
  return static_cast<double>(whole) / Powers[decimals];
}

}  // namespace

std::optional<double> parseNumber(std::string_view text) {
  std::size_t i = 0;
  const std::size_t n = text.size();
  bool negative = false;
  if (i < n && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  const std::size_t mantissaStart = i;
  std::size_t digits = 0;
  while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  if (i < n && text[i] == '.') {
    ++i;
    while (i < n && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (i < n && (text[i] == 'e' || text[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < n && (text[j] == '+' || text[j] == '-')) ++j;
    const std::size_t expDigitsStart = j;
    while (j < n && std::isdigit(static_cast<unsigned char>(text[j]))) ++j;
    if (j == expDigitsStart) return std::nullopt;
    i = j;
  }
  if (i != n) return std::nullopt;
  if (const auto value = shortDecimal(text.substr(mantissaStart), digits)) return negative ? -*value : *value;

  // from_chars wants a digit before the point: ".5" is read as "0.5".
  std::string_view body = text.substr(mantissaStart);
  std::string withLeadingZero;
  if (!body.empty() && body[0] == '.') {
    withLeadingZero = "0" + std::string(body);
    body = withLeadingZero;
  }
  double value = 0;
  const auto result = std::from_chars(body.data(), body.data() + body.size(), value);
  if (result.ec != std::errc() || !std::isfinite(value)) return std::nullopt;
  return negative ? -value : value;
}

}  // namespace vorelan
