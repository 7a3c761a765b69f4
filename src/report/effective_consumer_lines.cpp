#include "report/effective_consumer_lines.h"

#include "report/report_writer.h"

namespace vorelan {

void printEffectiveConsumers(TextOutputFile& out, const LongevityStatistics& lg) {
  printTo(out)
      .tab(5)
      .text("The effective consumer (predator) (Nc or Np) =")
      .number(lg.Nc)
      .endLine();
  PrintRecord line = printTo(out);
  line.tab(5).text(
      "The mean consumption (predation) rate (Cbar or Pbar) of effective consumer (predator) =");
  // Cbar is the mean of the effective consumers: there is none when nobody ate.
  lg.Nc > 0 ? line.rounded(lg.Cbar, 2) : line.text(" -");
  line.endLine();
}

}  // namespace vorelan
