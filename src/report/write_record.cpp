#include "report/write_record.h"

#include "report/number_text.h"

namespace vorelan {

std::string WriteItem::text() const {
  if (const auto* number = std::get_if<double>(&value_)) return writeNumberText(*number);
  return "\"" + std::get<std::string>(value_) + "\"";
}

void writeRecord(TextOutputFile& file, std::initializer_list<WriteItem> items) {
  std::string record;
  for (const WriteItem& item : items) {
    if (!record.empty()) record += ",";
    record += item.text();
  }
  file.write(record + "\r\n");
}

}  // namespace vorelan
