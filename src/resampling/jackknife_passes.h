#pragma once
// The passes of the jackknife: for each individual k of the data file in
// turn, the life table of the cohort without k as far as C0, whose
// pseudo-value life05 stores.
#include "datafile/jackknife_reader.h"
#include "model/analysis_state.h"
#include "platform/background_work.h"
#include "platform/user_interface.h"

namespace vorelan {

// Passes k = 1..N over the cohort read once: before each, c(x,j) and k(x)
// are cleared at every age; then the cohort without k is built in memory
// (exactly as the leave-one-out reader would read it), and life01, life03
// and life05 run on it.
//
// Passes 1..N-2 are computed off the shared state, on `threads` threads (0:
// one per processor), as bootstrap replicates whose sample is every
// individual but one, by the replicates' fast path; meanwhile their stage
// statistics follow one another on one more thread. The shared state then
// takes what they would have left in it beyond their C0 (the stage
// statistics, the sums of s(j)), and the last two passes run on it. So the
// state ends exactly as N passes made one after another on it leave it:
// JackOmitted is N and the working cohort, matrices and vectors are those of
// the last pass, whatever the number of threads.
//
// Passes done are reported to `progress`; when it asks for a stop, no
// further pass starts and false is returned. Uses no box or dialog, so that
// it may run off the window's thread.
bool runJackknifePasses(AnalysisState& state, Platform& platform, const LeaveOneOutSource& source,
                        WorkProgress* progress = nullptr, int threads = 0);

}  // namespace vorelan
