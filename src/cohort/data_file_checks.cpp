#include "cohort/data_file_checks.h"

#include "cohort/raw_data_reader.h"

namespace vorelan {

void CheckData2005(AnalysisState& state, Platform& platform) {
  AnalysisState scratch;
  FieldReader reader = openDataFile(state.report.DataFileName, platform);
  InputDataA(scratch, reader, platform);
}

void CheckDatafile(AnalysisState& state, Platform& platform) {
  CheckData2005(state, platform);
  platform.message.show("It looks OK.", "Check data file");
}

}  // namespace vorelan
