#include "results/resampling_result.h"

#include "results/cell_text.h"

namespace vorelan {

bool resamplingFinished(const AnalysisState& state) { return state.run.ResamplingDone == "yes"; }

ResamplingResultLabels JackBootResult(const AnalysisState& state) {
  // The resampling readers read the header of the data file again while
  // their passes run on a worker thread; the Basic Run's copy stays as it is.
  const std::string& project = state.basicRun.kept ? state.basicRun.ProjectName : state.header.ProjectName;
  ResamplingResultLabels labels{project, NoValue, NoValue};
  if (!resamplingFinished(state)) return labels;
  if (state.run.ResampleMethod == "j") {
    labels.mean = roundedText(state.jackknife.JackMean, 2);
    labels.se = roundedText(state.jackknife.JackSE, 2);
  } else if (state.run.ResampleMethod == "b") {
    labels.mean = roundedText(state.bootstrap.BootC0Mean, 2);
    labels.se = roundedText(state.bootstrap.BootC0SE, 2);
  }
  return labels;
}

}  // namespace vorelan
