#pragma once
// What the main window shows once the user has seen the result of the
// resampling run: the closing text in the hint area under the steps, and the
// greeting and the usage hint over the chart only when the chart holds no
// result, so that the figure or the histogram of C0 stays in view (the
// buttons that could draw it again are disabled by then).
#include <string>

#include "model/analysis_state.h"

namespace vorelan {

struct ClosingView {
  bool greetingOverChart = false;  // Label13 and Label14 shown again
  std::string text;                // under the steps
};

ClosingView closingView(const AnalysisState& state);

}  // namespace vorelan
