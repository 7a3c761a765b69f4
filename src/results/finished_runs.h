#pragma once
// Which runs have finished: the Basic Run, the reading of a stable age-stage
// distribution and the one resampling run. A result window compares it with
// what it was when the window was loaded, and loads its content afresh when
// a run has finished since.
#include <string>

#include "model/analysis_state.h"

namespace vorelan {

struct FinishedRuns {
  bool basicRun = false;
  bool distributionRead = false;
  std::string resampling;  // "j" or "b" once a resampling run has finished
  bool operator==(const FinishedRuns&) const = default;
};

FinishedRuns finishedRuns(const AnalysisState& state);

}  // namespace vorelan
