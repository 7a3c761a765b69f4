#include "report/print_record.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "report/number_text.h"

namespace vorelan {

PrintRecord& PrintRecord::text(std::string_view item) {
  file_.write(item);
  return *this;
}

PrintRecord& PrintRecord::number(double item) { return text(formNumberText(item).view()); }

PrintRecord& PrintRecord::rounded(double item, int decimals) { return number(roundHalfEven(item, decimals)); }

PrintRecord& PrintRecord::tab(int column) {
  const auto target = static_cast<std::size_t>(column < 1 ? 1 : column);
  std::size_t position = file_.lineLength() + 1;
  if (position > target) {
    endLine();
    position = 1;
  }
  static constexpr std::string_view Blanks =
      "                                                                ";
  for (std::size_t left = target - position; left > 0;) {
    const std::size_t piece = std::min(left, Blanks.size());
    text(Blanks.substr(0, piece));
    left -= piece;
  }
  return *this;
}

void PrintRecord::endLine() { file_.write("\r\n"); }

}  // namespace vorelan
