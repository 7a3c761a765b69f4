#pragma once
// The heading of the stage tables: the stage names of row 1 in 11-character
// columns between two rules.
#include "model/analysis_state.h"

namespace vorelan {

void PrintStageName(AnalysisState& state);

}  // namespace vorelan
