#pragma once
// The mean consumption per individual and day spent in each stage column:
// the cohort's total consumption in the stage over its individual-days.
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

// A stage that nobody occupied keeps its earlier value.
void CalculateStageDailyMeanConsumption(AnalysisState& state, Platform& platform);

}  // namespace vorelan
