#pragma once
// Typed fields of the data file. A field that is missing or cannot be read as
// its type is refused with a message naming the item and what is wrong.
#include <string>
#include <string_view>

#include "datafile/field_reader.h"
#include "platform/user_interface.h"

namespace vorelan {

class DataFields {
 public:
  DataFields(FieldReader& reader, Platform& platform) : reader_(reader), platform_(platform) {}

  // `item` names what is read, for the message: "the project", "individual no.3".
  std::string text(const std::string& item);
  double number(const std::string& item);
  // A number of at most `maxSize` in size; `limitText` says what the limit is.
  double number(const std::string& item, double maxSize, const std::string& limitText);
  // A whole number within [min, max]; `limitText` says what the limits are.
  long whole(const std::string& item, long min, long max, const std::string& limitText);

  Platform& platform() { return platform_; }

 private:
  // The text of the next field, refused when missing, unterminated or too
  // long: a view into the reader's bytes.
  std::string_view field(const std::string& item);
  // The refusal of a field that is missing (not `read`), unterminated or too long.
  [[noreturn]] void refuseField(const std::string& item, bool read, const FieldView& field);
  [[noreturn]] void refuseOutOfRange(const std::string& item, std::string_view text,
                                     const std::string& limitText);

  FieldReader& reader_;
  Platform& platform_;
};

}  // namespace vorelan
