#include "results/stage_means.h"

#include "results/cell_text.h"

namespace vorelan {

StageMeans StageMeanTable(const BasicRunResults& r, const OpenFiles& files) {
  StageMeans table;
  // A report that could not be written leaves an earlier run's file of its
  // name, which holds another analysis.
  table.projectLine = files.wasWritten(r.ReportFileName)
                          ? r.ProjectName + " (detailed results see " + r.ReportFileName + ")."
                          : r.ProjectName + " (no report was written by this run of the program).";
  if (!r.kept) return table;
  for (int j = 1; j <= r.NumStages; ++j) {
    const auto at = static_cast<std::size_t>(j);
    const std::int32_t n = r.StageDurN(at);
    table.rows.push_back({j == r.NumStages ? "Adult" : r.StageName(at), meanText(r.StageDurMean(at), n, 2),
                          standardErrorText(r.StageDurSD(at), n, 2)});
  }
  return table;
}

}  // namespace vorelan
