#pragma once
// The raw consumption of every individual, by stage and sex, in files that a
// statistics package reads: two columns (individual, consumption), or one
// column closed by -1 for a Tukey-Kramer comparison of means.
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

void WriteStageConsumptionRawDataInColumnForStatistics(AnalysisState& state, Platform& platform);

void WriteStageConsumptionForTukeyKramer(AnalysisState& state, Platform& platform);

}  // namespace vorelan
