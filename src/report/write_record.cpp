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

void writeRecord(TextOutputFile& file, std::initializer_list<WriteItem> items) {
  std::string record;
  for (const WriteItem& item : items) {
    if (!record.empty()) record += ",";
    record += item.text();
  }
  record += "\r\n";
  file.write(record);
}

}  // namespace vorelan
