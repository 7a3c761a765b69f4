#pragma once
// Stage statistics of the working cohort: durations and consumption of every
// stage, overall and by sex line, cumulative durations, each individual's
// pre-adult duration and MaxAge, the last age index of the age-stage tables.
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

// An individual counts for stage j when its duration there is above 0; for a
// cumulative duration up to j, when every stage 1..j is. Durations are in
// days, cumulative ages and MaxAge in time units. Runs in the Basic Run and
// in every jackknife pass.
void life01(AnalysisState& state, Platform& platform);

// The age in time units at which individual i dies: the sum of its absolute
// stage durations up to and including the stage in which it died.
double lifeInTimeUnits(const CohortRecords& cohort, int individual, int numStages);

}  // namespace vorelan
