#pragma once
// The fast path of the bootstrap replicates. A replicate's numbers are those
// of the Basic Run's steps on the replicate's cohort, to the last bit; what
// costs time is done once per run instead of once per replicate:
// - each source individual's day-by-day walk is taken once, as runs of ages
//   in which it stays in a stage and the ages at which it moves on; a
//   replicate counts n(x,j) and the stays and moves of each cell from them;
// - g(x,j) and d(x,j) add the same 1 / n(x-1,j) once per individual that
//   stays or moves, so each is that sum for the cell's count, looked up;
// - each source individual's daily values are kept as runs of (age, column,
//   values), added to T(x,j) position by position as the working cohort's are.
// The stage statistics, c(x,j), s(x,j), the daily means, C0 and the stable
// distribution are the life-table steps themselves.
#include <cstdint>
#include <memory>
#include <vector>

#include "lifetable/cohort_view.h"
#include "model/analysis_state.h"

namespace vorelan {

class ReplicateEngine {
 public:
  // Prepares the source cohort that InputDataForBootstrap read, for samples
  // of BootSampleSize positions.
  explicit ReplicateEngine(const AnalysisState& state);
  ~ReplicateEngine();

  // The work arrays of one thread, allocated once and reused for every replicate.
  class Workspace;
  struct WorkspaceDeleter {
    void operator()(Workspace* work) const;
  };
  std::unique_ptr<Workspace, WorkspaceDeleter> workspace() const;

  // Computes replicate b of the run's samples into row b of the
  // per-replicate results, which no other replicate writes.
  void computeReplicate(std::int32_t b, Workspace& work, BootstrapState& results) const;

  // The n(x,j), s(x,j), ... and the last age index of the replicate last
  // computed in `work` (ages beyond it may hold an earlier replicate's).
  static const AgeStageMatrices& matricesOf(const Workspace& work);
  static int maxAgeOf(const Workspace& work);

 private:
  struct StayRun;
  struct Move;
  struct ValueRun;
  struct SourceIndividual;

  void prepareIndividual(const AnalysisState& state, int k);
  void countMatrices(std::int32_t b, int maxAge, Workspace& work) const;
  void storeMatrices(int maxAge, Workspace& work) const;

  const BootstrapState& bootstrap_;
  int numSexes_;
  int numStages_;
  double timeUnit_;
  int sampleSize_;
  int lastAge_;  // the largest MaxAge a replicate can have
  bool sameSamples_;
  std::vector<SourceIndividual> sources_;  // source individual k at index k
  // repeatedSum_[n * (sampleSize + 1) + k]: 1 / n added k times from 0.
  std::vector<double> repeatedSum_;
};

}  // namespace vorelan
