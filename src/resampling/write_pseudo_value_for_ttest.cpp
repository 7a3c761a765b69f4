#include "resampling/write_pseudo_value_for_ttest.h"

#include "report/report_writer.h"
#include "report/single_output_file.h"

namespace vorelan {

void WritePseudoValueForTtest(AnalysisState& state, Platform& /*platform*/) {
  state.report.OutputFileName = state.report.BaseFileName + PseudoValueFileSuffix;
  writeSingleFile(state.files.file3, state.report.OutputFileName, state.files, [&](TextOutputFile& out) {
    writeRecord(out, {state.header.ProjectName});
    writeRecord(out, {state.header.ExperimentDate});
    writeRecord(out, {state.header.ResearcherName});
    for (int k = 1; k <= state.header.NumIndividualsInFile; ++k) {
      writeRecord(out, {k, state.jackknife.JackPseudoC0(k)});
    }
  });
}

}  // namespace vorelan
