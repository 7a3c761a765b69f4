#include "report/print_record.h"

#include <string>

#include "report/number_text.h"

namespace vorelan {

PrintRecord& PrintRecord::text(std::string_view item) {
  file_.write(item);
  return *this;
}

PrintRecord& PrintRecord::number(double item) { return text(NumberText(item)); }

PrintRecord& PrintRecord::rounded(double item, int decimals) { return number(roundHalfEven(item, decimals)); }

PrintRecord& PrintRecord::tab(int column) {
  const auto target = static_cast<std::size_t>(column < 1 ? 1 : column);
  std::size_t position = file_.lineLength() + 1;
  if (position > target) {
    endLine();
    position = 1;
  }
  return text(std::string(target - position, ' '));
}

void PrintRecord::endLine() { file_.write("\r\n"); }

}  // namespace vorelan
