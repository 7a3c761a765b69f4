#include "resampling/leave_one_out_replicates.h"

#include <cstdint>

#include "datafile/bootstrap_reader.h"
#include "datafile/raw_data_reader.h"

namespace vorelan {

LeaveOneOutReplicates::LeaveOneOutReplicates(const AnalysisState& shared, const LeaveOneOutSource& source,
                                             int passes) {
  const int n = static_cast<int>(source.records.size());
  scratch.header = shared.header;
  copyHeaderItemsRead(source.header, scratch.header);
  scratch.run.TimeUnit = shared.run.TimeUnit;
  SourceCohort& whole = scratch.source;
  whole.NumSourceIndividuals = static_cast<std::int16_t>(n);
  whole.resizeFor(n);
  for (int i = 1; i <= n; ++i) storeRecordInSource(source.records[i - 1], whole, i, source.header.NumStages);
  BootstrapState& boot = scratch.bootstrap;
  boot.SameBootSamples = "No";
  boot.NumBootstrap = passes;
  boot.BootSampleSize = static_cast<std::int16_t>(n - 1);
  boot.BootSample.reset(static_cast<std::size_t>(passes) + 1, static_cast<std::size_t>(n));
  for (int k = 1; k <= passes; ++k) {
    for (int i = 1; i < n; ++i) boot.BootSample(k, i) = static_cast<std::int16_t>(i < k ? i : i + 1);
  }
  boot.sizeResultsFor(passes);
}

CohortView LeaveOneOutReplicates::without(int k) const {
  CohortView pass;
  pass.numSexes = scratch.header.NumSexes;
  pass.numStages = scratch.header.NumStages;
  pass.timeUnit = scratch.run.TimeUnit;
  const SourceCohort& whole = scratch.source;
  for (int i = 1; i <= whole.NumSourceIndividuals; ++i) {
    if (i != k)
      pass.positions.push_back(individualView(scratch.header, whole.SourceSex, whole.SourceStageDuration,
                                              whole.SourceStageConsumption, i));
  }
  return pass;
}

}  // namespace vorelan
