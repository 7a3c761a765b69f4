#include "datafile/data_fields.h"

#include <cmath>
#include <limits>
#include <string>

#include "datafile/data_file_error.h"

namespace vorelan {

std::string_view DataFields::field(const std::string& item) {
  FieldView next;
  const bool read = reader_.nextView(next);
  if (!read || next.unterminated || next.tooLong) refuseField(item, read, next);
  return next.text;
}

void DataFields::refuseField(const std::string& item, bool read, const FieldView& field) {
  if (!read) failDataFile(platform_, "The data file ends before " + item + ".");
  // Taking the rest of the file as one text would shift every later field.
  if (field.unterminated) {
    failDataFile(platform_, "The data file ends inside the quoted text of " + item + ".");
  }
  failDataFile(platform_, "In " + item + ", a field on line " + std::to_string(reader_.lineOfLastField()) +
                              " of the file is longer than " + std::to_string(MaxFieldBytes) +
                              " bytes; no name or number is that long.");
}

std::string DataFields::text(const std::string& item) { return std::string(field(item)); }

double DataFields::number(const std::string& item) {
  return number(item, std::numeric_limits<double>::infinity(), "");
}

double DataFields::number(const std::string& item, double maxSize, const std::string& limitText) {
  const std::string_view text = field(item);
  double value = 0;
  if (!parseNumber(text, value)) {
    failDataFile(platform_, "In " + item + ", \"" + shownInMessage(text) + "\" is not a number.");
  }
  if (std::fabs(value) > maxSize) refuseOutOfRange(item, text, limitText);
  return value;
}

long DataFields::whole(const std::string& item, long min, long max, const std::string& limitText) {
  const std::string_view text = field(item);
  double value = 0;
  if (!parseNumber(text, value) || value != std::floor(value)) {
    failDataFile(platform_, "In " + item + ", \"" + shownInMessage(text) + "\" is not a whole number.");
  }
  if (value < min || value > max) refuseOutOfRange(item, text, limitText);
  return static_cast<long>(value);
}

void DataFields::refuseOutOfRange(const std::string& item, std::string_view text,
                                  const std::string& limitText) {
  failDataFile(platform_, "In " + item + ", " + shownInMessage(text) + " is out of range: " + limitText + ".");
}

}  // namespace vorelan
