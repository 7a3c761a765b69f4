#include "resampling/second_treatment_file.h"

#include <cmath>
#include <cstdint>
#include <limits>

#include "datafile/data_file_error.h"
#include "datafile/field_reader.h"

namespace vorelan {
namespace {

// A fault found while reading; the message names the field.
struct Refusal {
  std::string text;
};

class Fields {
 public:
  explicit Fields(const std::string& content) : reader_(content) {}

  std::string text(const std::string& item) { return next(item).text; }

  double number(const std::string& item) {
    const Field f = next(item);
    const auto value = parseNumber(f.text);
    if (!value || !std::isfinite(*value)) refuse(item, f.text, "is not a number");
    return *value;
  }

  long whole(const std::string& item, long min, long max) {
    const Field f = next(item);
    const auto value = parseNumber(f.text);
    if (!value || *value != std::floor(*value)) refuse(item, f.text, "is not a whole number");
    if (*value < min || *value > max) {
      refuse(item, f.text,
             "is out of range: it must be " + messageNumber(min) + " to " + messageNumber(max));
    }
    return static_cast<long>(*value);
  }

 private:
  Field next(const std::string& item) {
    ++count_;
    const auto f = reader_.next();
    if (!f) throw Refusal{"it ends before " + item + " (field " + messageNumber(count_) + ")"};
    if (f->unterminated) throw Refusal{"it ends inside the quoted text of " + item + " (field " + messageNumber(count_) + ")"};
    return *f;
  }
  [[noreturn]] void refuse(const std::string& item, const std::string& text, const std::string& what) {
    throw Refusal{item + " (field " + messageNumber(count_) + ") is \"" + shownInMessage(text) + "\", which " + what};
  }

  FieldReader reader_;
  long count_ = 0;
};

SecondTreatment readFields(Fields& fields) {
  SecondTreatment t;
  t.CompareTitle1 = fields.text("the name of the treatment");
  t.CompareTitle2 = fields.text("the second title");
  t.CompareTitle3 = fields.text("the third title");
  fields.text("the label of the sample size");
  t.CompareSampleSize = static_cast<int>(
      fields.whole("the sample size", 1, std::numeric_limits<std::int16_t>::max()));
  fields.text("the label of the number of values");
  const long count = fields.whole("the number of values", MinCompareCount, MaxCompareCount);
  t.CompareValue.reserve(static_cast<std::size_t>(count));
  for (long b = 1; b <= count; ++b) {
    fields.number("the index of value " + messageNumber(b));
    t.CompareValue.push_back(fields.number("value " + messageNumber(b)));
  }
  // The variance needs the sum of the squares: values so large that it
  // overflows cannot be compared.
  double sumOfSquares = 0;
  for (double v : t.CompareValue) sumOfSquares += v * v;
  if (!std::isfinite(sumOfSquares)) throw Refusal{"its values are too large for their variance to be formed"};
  return t;
}

}  // namespace

SecondTreatmentRead readSecondTreatment(const std::string& content) {
  Fields fields(content);
  try {
    return {readFields(fields), ""};
  } catch (const Refusal& refusal) {
    return {std::nullopt, refusal.text};
  }
}

}  // namespace vorelan
