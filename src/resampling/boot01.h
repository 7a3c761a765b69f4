#pragma once
// The summary of a bootstrap run, after its last replicate: mean, variance
// and S.E. of C0 over the replicates, its 20 frequency classes, and the table
// ". Table of bootstrap samples" printed into the bootstrap report (file 3,
// open). The S.E. of a bootstrap estimate is the S.D. of its replicate values.
#include "model/analysis_state.h"

namespace vorelan {

// After new samples: C0 alone.
void Boot01(AnalysisState& state);

// After the sibling program's samples: also Ro (as the samples file states
// it), Qp = C0 / Ro, Psi, FP and lambda, and the statistics of the
// replicates' stage mean consumption that the density curves use.
void Boot01Same(AnalysisState& state);

// Qp of the table's "Original" row: the Basic Run's C0 over Ro of all
// individuals, or NaN (shown "-") without that Ro. The Qp density curve is
// centred on this very value; the Qp result files keep Qp of the run.
double originalRowQp(const AnalysisState& state);

}  // namespace vorelan
