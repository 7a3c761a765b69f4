#pragma once
// The age-stage matrices of the two-sex life table: n(x,j), g(x,j), d(x,j),
// s(x,j), c(x,j), the stage sums s(j) and the first and last age of every
// stage, built by walking every individual day by day through its stages.
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

// Columns 1..K-1 are the pre-adult stages, K the female adult, K+1 the male
// adult. A male's maturation is counted in column K of d(x,j), a female's in
// column K-1. s(j) is added to, never cleared. Runs in the Basic Run and in
// every jackknife pass, for the ages 0..MaxAge.
void life03(AnalysisState& state, Platform& platform);

}  // namespace vorelan
