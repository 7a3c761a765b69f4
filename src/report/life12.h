#pragma once
// The third table of the basic report: what each individual consumed at every
// age, in pages of age columns, with the statistics of each age.
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

// Prints "Daily consumption rate of each individual" to the basic report
// (file 3): ages 0 to 8 on the first page, 13 ages on every later one, the
// total after the last age.
void life12(AnalysisState& state, Platform& platform);

}  // namespace vorelan
