#pragma once
// The reader of a jackknife pass: the working cohort without the individual
// named by JackOmitted.
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

inline constexpr const char* JackknifeErrorTitle = "Error in data file!";
inline constexpr const char* JackknifeErrorText = "Error in data file, please correct it!";

// Reads the data file named by DataFileName into the header and an empty
// working cohort, leaving out record JackOmitted: records before it keep
// their index, records after it move down by one. NumIndividuals becomes
// N-1; NumIndividualsInFile stays N.
void InputDataForJackknife(AnalysisState& state, Platform& platform);

}  // namespace vorelan
