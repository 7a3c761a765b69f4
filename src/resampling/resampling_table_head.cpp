#include "resampling/resampling_table_head.h"

#include "report/report_writer.h"

namespace vorelan {

void printResamplingTableHead(TextOutputFile& out, AnalysisState& state, const std::string& title) {
  const CohortHeader& header = state.header;
  printTo(out).text(std::string(1, PageMarkCharacter));
  printPageLine(out, state.report, 70);
  for (const std::string& line : {header.ProjectName, header.ResearcherName, header.ExperimentDate,
                                  "Analyzed on : " + header.ExperimentDate}) {
    printTo(out).tab(5).text(line).endLine();
  }
  printTo(out).text(" ").endLine();
  printTableLine(out, nextCount(state.report.TableNo), TableLineForm::A, title);
}

}  // namespace vorelan
