#pragma once
// Stage statistics of the working cohort: durations and consumption of every
// stage, overall and by sex line, cumulative durations, each individual's
// pre-adult duration and MaxAge, the last age index of the age-stage tables.
#include <cstdint>

#include "lifetable/cohort_view.h"
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

// Where the stage means of a computation go. The cohort's own (Basic Run,
// jackknife pass) go to the shared means with their count copies, and set
// OrigMaxAge. A bootstrap replicate's go to its row b of the per-replicate
// means; the shared means, the count copies and OrigMaxAge keep the data's,
// and the means by sex line of durations and cumulative durations are kept nowhere.
class StageMeanTarget {
 public:
  static StageMeanTarget cohort() { return StageMeanTarget(nullptr, 0); }
  static StageMeanTarget replicate(BootstrapState& bootstrap, std::int32_t b) {
    return StageMeanTarget(&bootstrap, b);
  }

  bool isCohort() const { return bootstrap_ == nullptr; }
  double& stageDurMean(StageStatistics& st, int j) const;
  double& cumDurMean(StageStatistics& st, int j) const;
  double& stageConsMean(StageStatistics& st, int j) const;
  double& sexStageConsMean(StageStatistics& st, int s, int j) const;
  // The means by sex line of durations and cumulative durations.
  double& sexStageDurMean(StageStatistics& st, int s, int j) const;
  double& sexCumDurMean(StageStatistics& st, int s, int j) const;

 private:
  StageMeanTarget(BootstrapState* bootstrap, std::int32_t b) : bootstrap_(bootstrap), b_(b) {}
  BootstrapState* bootstrap_;
  std::int32_t b_;
  mutable double discarded_ = 0;
};

// An individual counts for stage j when its duration there is above 0; for a
// cumulative duration up to j, when every stage 1..j is. Durations are in
// days, cumulative ages and MaxAge in time units. Writes every statistic but
// the means to `st`, the means to `target`.
void life01(const CohortView& cohort, StageStatistics& st, const StageMeanTarget& target);

// The Basic Run's and every jackknife pass's: the working cohort, its own means.
void life01(AnalysisState& state, Platform& platform);

// A bootstrap replicate's: the working cohort, which holds replicate BootNo,
// with its means in that replicate's row.
void Life01Boot(AnalysisState& state);

// The age in time units at which an individual dies: the sum of its absolute
// stage durations up to and including the stage in which it died.
double lifeInTimeUnits(const double* stageDuration, int numStages);
double lifeInTimeUnits(const CohortRecords& cohort, int individual, int numStages);

}  // namespace vorelan
