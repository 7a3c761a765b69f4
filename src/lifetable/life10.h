#pragma once
// Longevity, per-age consumption and effective consumers of the whole
// cohort: each individual's age at death and total consumption, the extremes
// of every stage, the individuals alive and their daily consumption at every
// age, Nc (individuals that consumed anything) and Cbar (their mean total).
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

// Runs once, in the Basic Run, after the stage statistics have set MaxAge.
// An individual counts as alive at the age indices 0..LastAge - 1.
void life10(AnalysisState& state, Platform& platform);

}  // namespace vorelan
