#pragma once
// Keeps what the result windows show of the Basic Run, at its end, so that a
// later resampling run cannot change what they show.
#include "model/analysis_state.h"

namespace vorelan {

void KeepBasicRunResults(AnalysisState& state);

}  // namespace vorelan
