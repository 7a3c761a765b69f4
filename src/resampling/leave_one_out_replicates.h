#pragma once
// The passes of the jackknife as bootstrap replicates: the data file's
// individuals are the source cohort, and the sample of pass k is every
// individual but k in the order of the file, which is the cohort the
// leave-one-out reader builds. The replicates' fast path (ReplicateEngine)
// then gives each pass's C0 to the last bit.
#include "datafile/jackknife_reader.h"
#include "lifetable/cohort_view.h"
#include "model/analysis_state.h"

namespace vorelan {

struct LeaveOneOutReplicates {
  // Passes 1..passes of the cohort read once, in a state of their own;
  // the header and time unit are the shared state's, the header items as read.
  LeaveOneOutReplicates(const AnalysisState& shared, const LeaveOneOutSource& source, int passes);

  // The cohort of pass k, for the stage statistics.
  CohortView without(int k) const;

  AnalysisState scratch;  // the source cohort, the samples and the replicates' results
};

}  // namespace vorelan
