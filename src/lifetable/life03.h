#pragma once
// The age-stage matrices of the two-sex life table: n(x,j), g(x,j), d(x,j),
// s(x,j), c(x,j), the stage sums s(j) and the first and last age of every
// stage, built by walking every individual day by day through its stages.
#include "lifetable/cohort_view.h"
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

// Columns 1..K-1 are the pre-adult stages, K the female adult, K+1 the male
// adult. A male's maturation is counted in column K of d(x,j), a female's in
// column K-1. s(j) is added to, never cleared. Builds ages 0..maxAge from the
// cohort's walks and its total consumption T(x,j).
void life03(const CohortView& cohort, const Array2<double>& txj, int maxAge, AgeStageMatrices& mx);

// The Basic Run's and every jackknife pass's, on the working cohort.
void life03(AnalysisState& state, Platform& platform);

// A bootstrap replicate's: the same on the working cohort, which holds the replicate.
void life03boot(AnalysisState& state);

// The steps of life03 that follow the walk, for a caller that has counted
// n(x,j), g(x,j) and d(x,j) of ages 0..maxAge another way.
// Sets g, d, n, s and c of ages 0..maxAge, columns 1..m+1, to 0.
void clearAgeStageMatrices(AgeStageMatrices& mx, int maxAge, int numStages);
// c(x,j) = T(x,j) / n(x,j) where the cell is occupied.
void consumptionRates(AgeStageMatrices& mx, const Array2<double>& txj, int maxAge, int numStages);
// s(x,j) = n(x,j) / N, the stage sums s(j) and each stage's first and last
// occupied age; a stage nobody reached gets the empty range 0..-1.
void survivalAndAgeRanges(AgeStageMatrices& mx, int numIndividuals, int maxAge, int numStages);

}  // namespace vorelan
