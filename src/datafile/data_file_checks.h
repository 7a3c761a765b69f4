#pragma once
// The checks of the raw data file: the strict one run when a file is opened,
// and the one the user asks for from the main window. Both walk the file with
// the reader's grammar, stop at the first fault with its message and end the
// program. They work on scratch: nothing that the analysis reads is changed.
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

inline constexpr const char* CheckDataFileTitle = "Check data file";

// Walks the file named by DataFileName; returns only when it passed, so that
// the life table is only computed from a file whose days line up with its
// durations.
void CheckData2005(AnalysisState& state, Platform& platform);

// The check of the "Step 1." label: serial numbers, sex letters and the
// unsexed records only; reports "It looks OK." on success.
void CheckDatafile(AnalysisState& state, Platform& platform);

}  // namespace vorelan
