#include "results/resampling_result.h"

#include "results/cell_text.h"

namespace vorelan {

bool resamplingFinished(const AnalysisState& state) { return state.run.ResamplingDone == "yes"; }

ResamplingResultLabels JackBootResult(const AnalysisState& state) {
  ResamplingResultLabels labels{state.header.ProjectName, NoValue, NoValue};
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
