#pragma once
// What the resampling result window JackBootform shows: the mean and the
// standard error of the net consumption rate C0 from the jackknife or the
// bootstrap, once such a run has finished; "-" before.
#include <string>

#include "model/analysis_state.h"

namespace vorelan {

struct ResamplingResultLabels {
  std::string project;
  std::string mean;
  std::string se;
  bool operator==(const ResamplingResultLabels&) const = default;
};

bool resamplingFinished(const AnalysisState& state);

ResamplingResultLabels JackBootResult(const AnalysisState& state);

}  // namespace vorelan
