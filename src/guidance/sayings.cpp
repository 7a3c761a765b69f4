#include "guidance/sayings.h"

#include <algorithm>
#include <cmath>

namespace vorelan {

std::vector<std::string> sayingsFromText(std::string_view text) {
  std::vector<std::string> sayings;
  while (!text.empty()) {
    const std::size_t end = std::min(text.find('\n'), text.size());
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.find_first_not_of(" \t") != std::string_view::npos) sayings.emplace_back(line);
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return sayings;
}

std::vector<std::string> quotationTable(std::vector<std::string> sayings, const std::string& usageHint) {
  sayings.push_back(usageHint);
  return sayings;
}

// Cutting [0, 1) into slotCount equal parts gives every slot the same
// chance; the guard only catches a draw that rounds up to the end.
std::size_t drawSlot(RandomNumbers& random, std::size_t slotCount) {
  if (slotCount == 0) return 0;
  const double draw = std::clamp(static_cast<double>(random.next()), 0.0, 1.0);
  const auto slot = static_cast<std::size_t>(std::floor(draw * static_cast<double>(slotCount)));
  return std::min(slot, slotCount - 1);
}

DrawnSayings drawSayings(const std::vector<std::string>& Quotation, RandomNumbers& random) {
  if (Quotation.empty()) return {};
  const std::size_t hintSlot = Quotation.size() - 1;
  const std::string& hint = Quotation[hintSlot];
  // The large label shows a saying under the hint; with no sayings, the hint alone.
  const std::string saying = hintSlot > 0 ? Quotation[drawSlot(random, hintSlot)] : std::string();
  DrawnSayings drawn;
  drawn.Label14 = saying.empty() ? hint : hint + "\n\n" + saying;
  drawn.Label3 = Quotation[drawSlot(random, Quotation.size())];
  return drawn;
}

}  // namespace vorelan
