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

// A bootstrap replicate's: q(x), k(x) and C0 of the working cohort, which
// holds replicate BootNo, with C0 kept as that replicate's.
void Life05Boot(AnalysisState& state);

// C0 = the sum of q(x) over ages 0..maxAge. With `vectors`, each age's x,
// q(x) and k(x) against its l(x) are stored there on the way.
double netConsumptionRate(const AgeStageMatrices& mx, int numStages, int maxAge, AgeVectors* vectors);

// q(x) = the sum over the stage columns of c(x,j) s(x,j).
double netConsumptionAtAge(const AgeStageMatrices& mx, int numStages, int x);
double netConsumptionAtAge(const AnalysisState& state, int x);

// The pseudo-value of an omitted individual: n C0 - (n - 1) C0 without it,
// n being the data file's number of individuals.
double jackknifePseudoValue(double fullC0, double c0Without, int n);

// k(x) = q(x) / l(x); 0 where nobody is alive.
double consumptionRateAtAge(double q, double l);

}  // namespace vorelan
