#pragma once
// The checks of the raw data file: the strict one run when a file is opened,
// and the one the user asks for from the main window.
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

// Walks the file named by DataFileName; returns only when it passed. Works
// on scratch: nothing that the analysis reads is changed.
void CheckData2005(AnalysisState& state, Platform& platform);

// The check of the "Step 1." label: reports "It looks OK." on success.
void CheckDatafile(AnalysisState& state, Platform& platform);

}  // namespace vorelan
