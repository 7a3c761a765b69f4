#pragma once
// Statistics, frequency classes and report table of the jackknife
// pseudo-values of C0.
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

inline constexpr const char* JackknifeTableTitle = ". Table of Jackknife pseudo-values";

// Over the pseudo-values of k = 1..NumIndividualsInFile (at least 2): mean,
// variance (0 when rounding makes it negative), S.D., S.E. = S.D. / sqrt(N),
// the frequency classes, then the table of the pseudo-values on the report
// (file 3). A variance above 1,000,000 is printed as a whole number.
void jack01(AnalysisState& state, Platform& platform);

}  // namespace vorelan
