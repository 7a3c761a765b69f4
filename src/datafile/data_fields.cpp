#include "datafile/data_fields.h"

#include <cmath>
#include <limits>
#include <string>

#include "datafile/data_file_error.h"

namespace vorelan {

Field DataFields::field(const std::string& item) {
  auto next = reader_.next();
  if (!next) failDataFile(platform_, "The data file ends before " + item + ".");
  // Taking the rest of the file as one text would shift every later field.
  if (next->unterminated) {
    failDataFile(platform_, "The data file ends inside the quoted text of " + item + ".");
  }
  if (next->tooLong) {
    failDataFile(platform_, "In " + item + ", a field on line " + std::to_string(reader_.lineOfLastField()) +
                                " of the file is longer than " + std::to_string(MaxFieldBytes) +
                                " bytes; no name or number is that long.");
  }
  return *next;
}

std::string DataFields::text(const std::string& item) { return field(item).text; }

double DataFields::number(const std::string& item) {
  return number(item, std::numeric_limits<double>::infinity(), "");
}

double DataFields::number(const std::string& item, double maxSize, const std::string& limitText) {
  const Field f = field(item);
  const auto value = parseNumber(f.text);
  if (!value) {
    failDataFile(platform_, "In " + item + ", \"" + shownInMessage(f.text) + "\" is not a number.");
  }
  if (std::fabs(*value) > maxSize) refuseOutOfRange(item, f.text, limitText);
  return *value;
}

long DataFields::whole(const std::string& item, long min, long max, const std::string& limitText) {
  const Field f = field(item);
  const auto value = parseNumber(f.text);
  if (!value || *value != std::floor(*value)) {
    failDataFile(platform_, "In " + item + ", \"" + shownInMessage(f.text) + "\" is not a whole number.");
  }
  if (*value < min || *value > max) refuseOutOfRange(item, f.text, limitText);
  return static_cast<long>(*value);
}

void DataFields::refuseOutOfRange(const std::string& item, const std::string& text,
                                  const std::string& limitText) {
  failDataFile(platform_, "In " + item + ", " + shownInMessage(text) + " is out of range: " + limitText + ".");
}

}  // namespace vorelan
