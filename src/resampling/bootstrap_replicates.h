#pragma once
// The replicate loop of a bootstrap run. Before it, the run has its samples
// (drawBootstrapSamples or takeBootstrapSamples), the source cohort
// (InputDataForBootstrap) and the Basic Run's l(x). Replicate b's results go
// to row b of the per-replicate arrays: C0, the stage means, the stage daily
// means and, with the sibling program's samples, psi and the finite
// predation rate.
#include "model/analysis_state.h"
#include "platform/background_work.h"

namespace vorelan {

// Replicate BootNo the straightforward way, on the shared state: its cohort
// built into the working arrays (Bootstrap or BootstrapSameAsLifeTable),
// then Life01Boot, life03boot, CalculateStageDailyMeanConsumpBoot,
// Life05Boot and, with the sibling's samples, CalculateSASD2.
void computeReplicateLiterally(AnalysisState& state);

// Every replicate, computed by the fast path on `threads` threads (0: one per
// processor); the results are the same for any number. Progress is reported
// from the calling thread as replicates done of B. When a stop is asked for,
// the loop returns Stopped soon, with the results incomplete. Otherwise the
// last replicate is computed once more the straightforward way, so that the
// shared state then holds what a replicate leaves behind: the last
// replicate's working cohort, matrices, counts and MaxAge, with the Basic
// Run's means; BootNo is B.
WorkOutcome runBootstrapReplicates(AnalysisState& state, WorkProgress& progress, int threads = 0);

// Every replicate the straightforward way, one after another: the reference
// of the fast path, and its measure.
WorkOutcome runBootstrapReplicatesLiterally(AnalysisState& state, WorkProgress& progress);

}  // namespace vorelan
