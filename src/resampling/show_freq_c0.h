#pragma once
// What the histogram of C0 shows after a resampling run, from the classes of
// the run: the jackknife's pseudo-values ("j") or the bootstrap's
// replicates ("b").
#include <optional>

#include "charts/c0_histogram.h"
#include "model/analysis_state.h"

namespace vorelan {

// The histogram of the run named by ResampleMethod; nothing for any other.
std::optional<C0Histogram> ShowFreqC0(const AnalysisState& state);

}  // namespace vorelan
