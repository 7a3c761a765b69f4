#include "report/write_record.h"

#include <algorithm>

#include "report/number_text.h"

namespace vorelan {

std::string WriteItem::text() const {
  if (const auto* number = std::get_if<double>(&value_)) return writeNumberText(*number);
  // A double quote inside the text would end the quoted field early and
  // break the record for the program that reads it; it becomes a single quote.
  std::string quoted = std::get<std::string>(value_);
  std::replace(quoted.begin(), quoted.end(), '"', '\'');
  return "\"" + quoted + "\"";
}

void WriteItem::writeTo(TextOutputFile& file) const {
  if (const auto* number = std::get_if<double>(&value_)) {
    file.writeFormedAscii(MaxNumberTextLength, [number](char* at) { return putWriteNumberText(*number, at); });
  } else {
    file.write(text());
  }
}

void writeRecord(TextOutputFile& file, std::initializer_list<WriteItem> items) {
  bool first = true;
  for (const WriteItem& item : items) {
    if (!first) file.write(",");
    first = false;
    item.writeTo(file);
  }
  file.writeLineEnd();
}

}  // namespace vorelan
