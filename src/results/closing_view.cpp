#include "results/closing_view.h"

#include "guidance/program_texts.h"
#include "results/resampling_result.h"

namespace vorelan {

ClosingView closingView(const AnalysisState& state) {
  // The Basic Run leaves a figure on the chart, a resampling run the histogram.
  const bool chartHoldsResult = state.run.BasicRunDone == "yes" || resamplingFinished(state);
  return {!chartHoldsResult, closingText()};
}

}  // namespace vorelan
