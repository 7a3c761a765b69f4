#include "runs/basic_run.h"

#include <array>
#include <memory>

#include "datafile/data_file_checks.h"
#include "datafile/field_reader.h"
#include "lifetable/life01.h"
#include "lifetable/life02.h"
#include "lifetable/life03.h"
#include "lifetable/life04.h"
#include "lifetable/life05.h"
#include "lifetable/life10.h"
#include "datafile/raw_data_reader.h"
#include "lifetable/stage_daily_mean_consumption.h"
#include "report/figure_data_files.h"
#include "report/file_failure.h"
#include "report/life06.h"
#include "report/life11.h"
#include "report/life12.h"
#include "report/matrix_tables.h"
#include "report/output_file.h"
#include "report/print_stage_consumption.h"
#include "report/statistics_files.h"
#include "results/keep_basic_run_results.h"

namespace vorelan {
namespace {

constexpr auto BasicRunOrder = std::to_array<NamedStep>({
    // The file may have been edited since it was opened: check it again, so
    // that the life table is only computed from a file that passed.
    {"CheckData2005", &CheckData2005, StepRole::Checks},
    {"InputData", &InputData, StepRole::Reads},
    {"life01", &life01, StepRole::Computes},
    {"life02", &life02, StepRole::Computes},
    {"life10", &life10, StepRole::Computes},
    {"life11", &life11, StepRole::Prints},
    {"PrintStageConsumption", &PrintStageConsumption, StepRole::Prints},
    {"life12", &life12, StepRole::Prints},
    {"life03", &life03, StepRole::Computes},
    {"life04", &life04, StepRole::Computes},
    {"PrintLife04MatrixTables", &PrintLife04MatrixTables, StepRole::Prints},
    {"life05", &life05, StepRole::Computes},
    {"CalculateStageDailyMeanConsumption", &CalculateStageDailyMeanConsumption, StepRole::Computes},
    {"life06", &life06, StepRole::Prints},
    {"life07", &life07, StepRole::Prints},
});

constexpr auto BasicRunClosingWrites = std::to_array<NamedStep>({
    {"WriteStageConsumptionRawDataInColumnForStatistics",
     &WriteStageConsumptionRawDataInColumnForStatistics, StepRole::Prints},
    {"WriteStageConsumptionForTukeyKramer", &WriteStageConsumptionForTukeyKramer, StepRole::Prints},
});

void runSteps(std::span<const NamedStep> steps, AnalysisState& state, Platform& platform) {
  for (const NamedStep& step : steps) step.run(state, platform);
}

// The check and the reader read the file's bytes as they are now, once: a file
// edited after it was opened is checked again, and what is read is what passed.
// A file that cannot be read is left to the check, which says so.
void holdDataFile(AnalysisState& state) {
  const std::string& path = state.report.DataFileName;
  if (auto bytes = readFileBytes(path)) {
    state.files.file2.open(path, std::make_shared<const std::string>(std::move(*bytes)));
  }
}

// The report replaces an earlier one only when the life table was computed
// into it.
void closeReport(AnalysisState& state, BasicRunOutcome outcome) {
  if (outcome == BasicRunOutcome::Computed) {
    closeOutputFile(state.files.file3, state.files);
  } else {
    state.files.file3.discard();
  }
}

}  // namespace

std::span<const NamedStep> basicRunOrder() { return BasicRunOrder; }
std::span<const NamedStep> basicRunClosingWrites() { return BasicRunClosingWrites; }

BasicRunOutcome BasicRun(AnalysisState& state, Platform& platform,
                         const std::function<void()>& lifeTableReady) {
  BasicRunOutcome outcome = BasicRunOutcome::AlreadyDone;
  if (state.run.BasicRunDone != "yes") {
    state.run.ResampleMethod = "j";
    // The run's files take their places together at its end.
    gatherRunFiles(state.files);
    holdDataFile(state);
    runSteps(basicRunOrder(), state, platform);
    // The resampling runs compute on these very bytes, one copy of them.
    state.analysedDataFile = {state.report.DataFileName, state.files.file2.bytes()};
    state.files.file2.close();
    state.files.forgetCheckedDataFile();
    KeepBasicRunResults(state);
    if (lifeTableReady) lifeTableReady();
    runSteps(basicRunClosingWrites(), state, platform);
    state.run.BasicRunC0 = state.ageVectors.TotalNetConsumptionRate;
    outcome = BasicRunOutcome::Computed;
  }
  state.run.BasicRunDone = "yes";
  state.run.DataFileAwaitingRun = false;
  closeReport(state, outcome);
  tellUnwrittenFiles(state, platform);
  return outcome;
}

}  // namespace vorelan
