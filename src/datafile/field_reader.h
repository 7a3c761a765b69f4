#pragma once
// The field reader of every text file the program reads. A file is a sequence
// of fields: a field ends at a comma or a line end, blanks before it are
// skipped, a text field may be enclosed in double quotes (and then hold
// commas), and lines carry no meaning of their own.
#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "datafile/file_bytes.h"

namespace vorelan {

// No name or number of a real file is longer. A longer field is refused at
// once, so that a damaged file costs no more than reading it.
inline constexpr std::size_t MaxFieldBytes = 4096;

struct Field {
  std::string text;  // without the enclosing quotes; unquoted text trimmed of blanks
  bool quoted = false;
  // A quoted text whose closing quote never came: the file ended inside it.
  bool unterminated = false;
  // Longer than MaxFieldBytes; its text is not kept.
  bool tooLong = false;
};

// A field as it stands in the reader's bytes, copied nowhere: valid while
// the reader (or another holder of its bytes) lives.
struct FieldView {
  std::string_view text;  // as in Field; empty when tooLong
  bool quoted = false;
  bool unterminated = false;
  bool tooLong = false;
};

class FieldReader {
 public:
  explicit FieldReader(std::string content);
  // Reads bytes held elsewhere, shared rather than copied.
  explicit FieldReader(std::shared_ptr<const std::string> content);

  // The next field, or nothing at the end of the file. Empty lines between
  // fields are skipped; a comma followed by a line end ends the line's last field.
  std::optional<Field> next();
  // Reads into `field` the same field as next() gives, without copying its
  // text; false at the end of the file.
  bool nextView(FieldView& field);
  // The line (from 1) on which the field last returned begins.
  std::size_t lineOfLastField() const;

 private:
  std::shared_ptr<const std::string> bytes_;
  std::string_view content_;  // the bytes after a byte order mark
  std::size_t pos_ = 0;
  std::size_t lastFieldStart_ = 0;
};

// A decimal number with optional sign, decimal point with fraction and
// exponent, as the whole of the text. Nothing when the text is not one.
std::optional<double> parseNumber(std::string_view text);
// The same into `value`, false when the text is not one: the form for reading
// many numbers, as it returns in registers.
bool parseNumber(std::string_view text, double& value);

}  // namespace vorelan
