#pragma once
// Span and lifetime consumption statistics of the whole cohort: the duration
// of the span of stages named in the header, overall and by sex line, and
// every individual's consumption over its life, by sex line and for all.
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

// Runs once, in the Basic Run. Writes "Error!!!!" on the main window when
// the sex lines do not account for every individual exactly once, and goes on.
void life02(AnalysisState& state, Platform& platform);

}  // namespace vorelan
