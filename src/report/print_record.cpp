#include "report/print_record.h"

#include <string>
#include <string_view>

#include "report/number_text.h"

namespace vorelan {

PrintRecord& PrintRecord::text(std::string_view item) {
  file_.write(item);
  return *this;
}

PrintRecord& PrintRecord::number(double item) {
  file_.writeAscii(formNumberText(item).view());
  return *this;
}

PrintRecord& PrintRecord::rounded(double item, int decimals) {
  file_.writeAscii(formRoundedNumberText(item, decimals).view());
  return *this;
}

PrintRecord& PrintRecord::tab(int column) {
  const auto target = static_cast<std::size_t>(column < 1 ? 1 : column);
  std::size_t position = file_.lineLength() + 1;
  if (position > target) {
    endLine();
    position = 1;
  }
  file_.writeBlanks(target - position);
  return *this;
}

void PrintRecord::endLine() { file_.writeLineEnd(); }

}  // namespace vorelan
