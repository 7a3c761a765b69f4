#include "report/effective_consumer_lines.h"

#include "report/report_writer.h"

namespace vorelan {

void printValueLine(TextOutputFile& out, const std::string& text, bool defined, double value,
                    int decimals) {
  PrintRecord line = printTo(out);
  line.tab(5).text(text);
  if (!defined) {
    line.text(" -");
  } else if (decimals < 0) {
    line.number(value);
  } else {
    line.rounded(value, decimals);
  }
  line.endLine();
}

void printEffectiveConsumers(TextOutputFile& out, const LongevityStatistics& lg) {
  printValueLine(out, "The effective consumer (predator) (Nc or Np) =", true, lg.Nc);
  // Cbar is the mean of the effective consumers: there is none when nobody ate.
  printValueLine(
      out, "The mean consumption (predation) rate (Cbar or Pbar) of effective consumer (predator) =",
      lg.Nc > 0, lg.Cbar, 2);
}

}  // namespace vorelan
