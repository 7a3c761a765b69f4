#pragma once
// The first table of the basic report: the duration of every stage of each
// individual, its pre-adult duration and longevity, with their statistics.
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

// Prints "Stage duration of each individual" to the basic report (file 3).
// Durations are printed in days; the stage names are those read from the file.
void life11(AnalysisState& state, Platform& platform);

}  // namespace vorelan
