// The field reader and the number grammar on fuzzed bytes: every field is
// read, within the longest field, and every number read is finite.
#include <cmath>
#include <cstdint>
#include <string>

#include "datafile/field_reader.h"
#include "fuzz_session.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace vorelan;
  FieldReader reader(std::string(reinterpret_cast<const char*>(data), size));
  std::size_t fields = 0;
  while (const auto field = reader.next()) {
    if (++fields > size) fuzzing::brokenRule("more fields than bytes");
    if (field->text.size() > MaxFieldBytes) fuzzing::brokenRule("a field beyond the longest kept");
    if (const auto value = parseNumber(field->text); value && !std::isfinite(*value)) {
      fuzzing::brokenRule("a number read as inf or nan: " + field->text);
    }
  }
  if (reader.lineOfLastField() > size + 1) fuzzing::brokenRule("a line beyond the file");
  return 0;
}
