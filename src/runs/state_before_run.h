#pragma once
// The analysis as it was before a resampling run began to change it. A run
// recomputes the shared cohort, matrices, vectors and report counters pass by
// pass; one that does not finish (stopped, or its report not written) puts
// them back, so that every control shows and computes what the Basic Run
// left and the run can be started again as if for the first time. The files
// held open are not part of it: the run ends those itself.
#include <optional>

#include "model/analysis_state.h"

namespace vorelan {

class StateBeforeRun {
 public:
  // Keeps a copy of everything but the open files.
  explicit StateBeforeRun(AnalysisState& state);
  // Puts the copy back unless the run finished.
  ~StateBeforeRun();
  StateBeforeRun(const StateBeforeRun&) = delete;
  StateBeforeRun& operator=(const StateBeforeRun&) = delete;

  // The run has finished: what it left stays.
  void runFinished() { before_.reset(); }

 private:
  AnalysisState& state_;
  std::optional<AnalysisData> before_;
};

}  // namespace vorelan
