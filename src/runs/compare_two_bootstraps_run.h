#pragma once
// C2B: compares the present bootstrap's C0 with a second treatment's
// bootstrap results chosen in the file dialog, by a t-test.
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

inline constexpr const char* CompareTitle = "t-test";

// A cancelled dialog does nothing. A file that cannot be read, or whose
// values leave no spread to test against, is refused with a message and
// nothing changes. Otherwise the comparison is written to
// "_6-Compare2Bs-output.txt", kept and its t-value shown; when its file
// cannot be written, a message says so and nothing changes. True when it
// was made.
bool cmdCompare2boots_Click(AnalysisState& state, Platform& platform);

}  // namespace vorelan
