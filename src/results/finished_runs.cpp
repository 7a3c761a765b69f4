#include "results/finished_runs.h"

#include "results/resampling_result.h"

namespace vorelan {

FinishedRuns finishedRuns(const AnalysisState& state) {
  return {state.run.BasicRunDone == "yes", state.run.SASDRead == "Yes",
          resamplingFinished(state) ? state.run.ResampleMethod : std::string()};
}

}  // namespace vorelan
