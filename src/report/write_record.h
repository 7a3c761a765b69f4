#pragma once
// Write records: the comma-separated data lines that other programs read.
// One call is one record: the items separated by commas, strings in double
// quotes (a double quote inside one is written as a single quote), numbers
// without blanks (0.25, -0.5, 3), then the line end.
//
//   writeRecord(out, {"Age", "l(x)"});
//   writeRecord(out, {x * timeUnit, lx});
// A record written while a print line is still open continues that line.
#include <concepts>
#include <initializer_list>
#include <string>
#include <utility>
#include <variant>

#include "model/open_files.h"

namespace vorelan {

class WriteItem {
 public:
  WriteItem(const char* text) : value_(std::string(text)) {}
  WriteItem(std::string text) : value_(std::move(text)) {}
  template <class Number>
  requires(std::integral<Number> || std::floating_point<Number>) WriteItem(Number number)
      : value_(static_cast<double>(number)) {}

  // The item as it stands in the record.
  std::string text() const;
  // Writes text() to the file; a number without building a string.
  void writeTo(TextOutputFile& file) const;

 private:
  std::variant<std::string, double> value_;
};

void writeRecord(TextOutputFile& file, std::initializer_list<WriteItem> items);

}  // namespace vorelan
