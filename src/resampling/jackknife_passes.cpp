#include "resampling/jackknife_passes.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <memory>
#include <stop_token>
#include <thread>
#include <vector>

#include "lifetable/life01.h"
#include "lifetable/life03.h"
#include "lifetable/life05.h"
#include "resampling/leave_one_out_replicates.h"
#include "resampling/parallel_steps.h"
#include "resampling/replicate_engine.h"

namespace vorelan {
namespace {

// Nothing of the Basic Run or of an earlier pass stays in c(x,j) or k(x)
// past the ages this pass recomputes (lives reach 404 time units).
void clearBeforePass(AnalysisState& state) {
  state.matrices.Cxj.clear();
  state.ageVectors.Kx.clear();
}

// Pass k on `state`: the cohort without k and its life table as far as C0.
void computePass(AnalysisState& state, Platform& platform, const LeaveOneOutSource& source, int k) {
  state.jackknife.JackOmitted = k;
  clearBeforePass(state);
  storeLeaveOneOutCohort(state, source, k);
  life01(state, platform);
  life03(state, platform);
  life05(state, platform);
}

// What the shared state keeps of a pass computed off it: its n(x,j), whose
// s(x,j) the shared s(j) goes on adding pass after pass.
struct PassCounts {
  int maxAge = -1;
  std::vector<std::int16_t> nxj;  // ages 0..maxAge by columns 1..K+1
};

PassCounts countsOf(const AgeStageMatrices& mx, int maxAge, int columns) {
  PassCounts counts;
  counts.maxAge = maxAge;
  counts.nxj.reserve(static_cast<std::size_t>(maxAge + 1) * static_cast<std::size_t>(columns));
  for (int x = 0; x <= maxAge; ++x) {
    for (int j = 1; j <= columns; ++j) counts.nxj.push_back(mx.Nxj(x, j));
  }
  return counts;
}

// s(j) as life03 adds to it for a pass: s(x,j) = n(x,j) / (N - 1), age by age.
void addToStageSurvival(Array1<double>& sj, const PassCounts& counts, int columns, int cohortSize) {
  const double n = cohortSize;
  std::size_t at = 0;
  for (int x = 0; x <= counts.maxAge; ++x) {
    for (int j = 1; j <= columns; ++j, ++at) {
      if (counts.nxj[at] != 0) sj(j) += counts.nxj[at] / n;
    }
  }
}

// Progress of the passes computed in parallel, told as passes of all N.
class OfAllPasses : public WorkProgress {
 public:
  OfAllPasses(WorkProgress* progress, int total) : progress_(progress), total_(total) {}
  void report(std::int64_t done, std::int64_t /*total*/) override {
    if (progress_) progress_->report(done, total_);
  }
  bool stopRequested() const override { return progress_ && progress_->stopRequested(); }

 private:
  WorkProgress* progress_;
  std::int64_t total_;
};

// Passes 1..count as replicates on the workers; each one's C0 and
// pseudo-value go to its own index of the shared arrays, its counts to
// counts[k].
WorkOutcome computeEarlyPasses(AnalysisState& state, LeaveOneOutReplicates& passes, int count, int threads,
                               OfAllPasses& progress, std::vector<PassCounts>& counts) {
  JackknifeState& results = state.jackknife;
  const int n = passes.scratch.header.NumIndividualsInFile;
  const int columns = passes.scratch.header.NumStages + 1;
  BootstrapState& replicates = passes.scratch.bootstrap;
  const ReplicateEngine engine(passes.scratch);
  return runStepsInParallel(count, threads, progress, [&]() -> ParallelStep {
    std::shared_ptr<ReplicateEngine::Workspace> work = engine.workspace();
    return [&, work](std::int32_t k) {
      engine.computeReplicate(k, *work, replicates);
      const double c0 = replicates.BootC0(k);
      results.JackC0(k) = c0;
      results.JackPseudoC0(k) = jackknifePseudoValue(results.JackFullC0, c0, n);
      counts[static_cast<std::size_t>(k)] =
          countsOf(ReplicateEngine::matricesOf(*work), ReplicateEngine::maxAgeOf(*work), columns);
    };
  });
}

// What passes 1..count leave in the shared state beyond their C0, in their
// order: the stage statistics (a statistic that a pass cannot form keeps an
// earlier pass's value) and the sums of s(j). Everything else of theirs the
// last two passes overwrite: only the pass without the longest-lived
// individual has a shorter table, and the one before it then fills the rest.
//
// The statistics need nothing the workers compute, so they follow one
// another on a thread of their own meanwhile.
class EarlyPassStatistics {
 public:
  EarlyPassStatistics(StageStatistics& stats, const LeaveOneOutReplicates& passes, int count)
      : thread_([this, &stats, &passes, count](std::stop_token stop) {
          try {
            for (int k = 1; k <= count && !stop.stop_requested(); ++k)
              life01(passes.without(k), stats, StageMeanTarget::cohort());
          } catch (...) {
            fault_ = std::current_exception();
          }
        }) {}

  // Waits for the statistics of every early pass.
  void finish() {
    thread_.join();
    if (fault_) std::rethrow_exception(fault_);
  }

 private:
  std::exception_ptr fault_;
  std::jthread thread_;  // last: it starts once the rest is in place
};

void addStageSurvivalOfEarlyPasses(AnalysisState& state, const LeaveOneOutReplicates& passes, int count,
                                   const std::vector<PassCounts>& counts) {
  const int columns = passes.scratch.header.NumStages + 1;
  const int cohortSize = passes.scratch.header.NumIndividualsInFile - 1;
  for (int k = 1; k <= count; ++k)
    addToStageSurvival(state.matrices.Sj, counts[static_cast<std::size_t>(k)], columns, cohortSize);
}

}  // namespace

bool runJackknifePasses(AnalysisState& state, Platform& platform, const LeaveOneOutSource& source,
                        WorkProgress* progress, int threads) {
  const int n = static_cast<int>(source.records.size());
  const int early = n - 2;
  OfAllPasses ofAll(progress, n);
  if (early > 0) {
    std::vector<PassCounts> counts(static_cast<std::size_t>(early) + 1);
    LeaveOneOutReplicates passes(state, source, early);
    EarlyPassStatistics statistics(state.stageStats, passes, early);
    if (computeEarlyPasses(state, passes, early, threads, ofAll, counts) == WorkOutcome::Stopped) return false;
    statistics.finish();
    addStageSurvivalOfEarlyPasses(state, passes, early, counts);
  }
  for (int k = std::max(early, 0) + 1; k <= n; ++k) {
    if (ofAll.stopRequested()) return false;
    computePass(state, platform, source, k);
    ofAll.report(k, n);
  }
  return true;
}

}  // namespace vorelan
