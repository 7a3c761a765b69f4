#pragma once
// The one-row stage tables of the basic report, printed between matrix B and
// matrix T: z(j), s(j), and the daily consumption rate c(j) = z(j)/s(j).
// Each prints the table title the caller left in TableTitle.
#include "model/analysis_state.h"

namespace vorelan {

// z(j), the column sums of matrix B, and the total net consumption rate.
void PrintStageNetConsumptionRate(AnalysisState& state);

// s(j), the sum over ages of s(x,j).
void PrintSumOfStageSxj(AnalysisState& state);

// c(j) = z(j)/s(j), kept unrounded in CjFromMatrices for the weighting
// coefficients; a stage nobody occupied (s(j) = 0) keeps its c(j).
void PrintStageWeightingCoef(AnalysisState& state);

}  // namespace vorelan
