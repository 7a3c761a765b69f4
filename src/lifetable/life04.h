#pragma once
// The age-specific vectors of the Basic Run's life table: l(x), q(x), the
// cumulative q(x), k(x) and C0; then the adult stage names of the tables.
// The matrix tables are printed by a step of their own right after this one.
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

// l(x) = sum over j of s(x,j); q(x) = sum over j of c(x,j) s(x,j);
// k(x) = q(x) / l(x) (0 where l(x) is 0); C0 = the sum of q(x). Then row 1
// of the stage names reads "Female" and "Male" in the adult columns, every
// name of that row cut to its first 4 characters.
void life04(AnalysisState& state, Platform& platform);

}  // namespace vorelan
