#pragma once
// Read SASD: the user chooses the stable age-stage distribution file that the
// sibling life-table program wrote for the cohort of the Basic Run. A file
// that passes its checks replaces the predation state and yields psi, omega,
// ln(omega) and the periods of the reproductive females, the result file
// beside the data file and a message box with the rates. A cancelled dialog
// changes nothing; a refused file is named in a message box and changes nothing.
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

inline constexpr const char* SasdFileErrorTitle = "Error in SASD file";

// True when a file was read (SASDRead is then "Yes").
bool ReadDataFileForSASD2(AnalysisState& state, Platform& platform);

}  // namespace vorelan
