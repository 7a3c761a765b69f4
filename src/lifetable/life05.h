#pragma once
// The net consumption rate C0 from q(x) of the current cohort, recomputing
// q(x) and k(x) against the Basic Run's l(x); in a jackknife pass also C0
// without the omitted individual and its pseudo-value.
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

// l(x) is not recomputed: in a jackknife pass k(x) is the pass's q(x) over
// the whole cohort's l(x). The cumulative q(x) is not updated.
void life05(AnalysisState& state, Platform& platform);

// q(x) = the sum over the stage columns of c(x,j) s(x,j).
double netConsumptionAtAge(const AnalysisState& state, int x);

// k(x) = q(x) / l(x); 0 where nobody is alive.
double consumptionRateAtAge(double q, double l);

}  // namespace vorelan
