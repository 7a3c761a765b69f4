#pragma once
// The mean consumption per individual and day spent in each stage column:
// the cohort's total consumption in the stage over its individual-days.
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

// A stage that nobody occupied keeps its earlier value.
void CalculateStageDailyMeanConsumption(AnalysisState& state, Platform& platform);

// A bootstrap replicate's: the daily means of the working cohort, which holds
// replicate BootNo, kept as that replicate's; an unoccupied stage leaves its cell.
void CalculateStageDailyMeanConsumpBoot(AnalysisState& state);

// One stage column's individual-days and total consumption over ages 0..maxAge.
struct StageDays {
  double days = 0;
  double total = 0;
  bool occupied() const { return days != 0; }
  double dailyMean() const { return total / days; }
};
StageDays stageDays(const AgeStageMatrices& mx, const Array2<double>& txj, int j, int maxAge);

}  // namespace vorelan
