#pragma once
// The jackknife pseudo-values of C0 for a t-test in a statistics package.
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

inline constexpr const char* PseudoValueFileSuffix = "_5_Pseudo_Consumption_Rate_For_t-test.txt";

// "_5_Pseudo_Consumption_Rate_For_t-test.txt" as file 3: the project, date
// and user as quoted strings, then one record k, pseudo-value (unrounded)
// per individual of the data file.
void WritePseudoValueForTtest(AnalysisState& state, Platform& platform);

}  // namespace vorelan
