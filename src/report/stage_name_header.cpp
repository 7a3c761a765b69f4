#include "report/stage_name_header.h"

#include <string>

#include "report/report_writer.h"

namespace vorelan {

void PrintStageName(AnalysisState& state) {
  TextOutputFile& out = state.files.file3;
  const int columns = state.header.NumStages + 1;
  const std::string rule = " " + repeated('-', columns * 11 + 2);
  printTo(out).text(rule).endLine();
  PrintRecord names = printTo(out);
  for (int j = 1; j <= columns; ++j) names.tab(11 * (j - 1) + 8).text(state.header.StageName(1, j));
  names.text(" ").endLine();
  printTo(out).text(rule).endLine();
}

}  // namespace vorelan
