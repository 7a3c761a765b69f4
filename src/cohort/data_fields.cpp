#include "cohort/data_fields.h"

#include <cmath>

#include "cohort/data_file_error.h"

namespace vorelan {

Field DataFields::field(const std::string& item) {
  auto next = reader_.next();
  if (!next) failDataFile(platform_, "The data file ends before " + item + ".");
  return *next;
}

std::string DataFields::text(const std::string& item) { return field(item).text; }

double DataFields::number(const std::string& item) {
  const Field f = field(item);
  const auto value = parseNumber(f.text);
  if (!value) {
    failDataFile(platform_, "In " + item + ", \"" + f.text + "\" is not a number.");
  }
  return *value;
}

long DataFields::whole(const std::string& item, long min, long max, const std::string& limitText) {
  const Field f = field(item);
  const auto value = parseNumber(f.text);
  if (!value || *value != std::floor(*value)) {
    failDataFile(platform_, "In " + item + ", \"" + f.text + "\" is not a whole number.");
  }
  if (*value < min || *value > max) {
    failDataFile(platform_, "In " + item + ", " + f.text + " is out of range: " + limitText + ".");
  }
  return static_cast<long>(*value);
}

}  // namespace vorelan
