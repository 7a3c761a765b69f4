#pragma once
// The second table of the basic report: the consumption of each individual in
// every stage, its pre-adult and total consumption, with their statistics.
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

// Forms each individual's pre-adult consumption (stages 1..K-1) and its
// statistics for all individuals and for each sex letter (kept for the basic
// statistics table), then prints "Stage consumption rate of each individual"
// to the basic report (file 3).
void PrintStageConsumption(AnalysisState& state, Platform& platform);

}  // namespace vorelan
