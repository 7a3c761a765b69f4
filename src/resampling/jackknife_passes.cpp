#include "resampling/jackknife_passes.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "datafile/raw_data_reader.h"
#include "lifetable/cohort_view.h"
#include "lifetable/life01.h"
#include "lifetable/life03.h"
#include "lifetable/life05.h"
#include "resampling/parallel_steps.h"

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

// What the shared state keeps of a pass computed on a worker's own state:
// its n(x,j), whose s(x,j) the shared s(j) goes on adding pass after pass.
struct PassCounts {
  int maxAge = -1;
  std::vector<std::int16_t> nxj;  // ages 0..maxAge by columns 1..K+1
};

PassCounts countsOf(const AnalysisState& state) {
  PassCounts counts;
  counts.maxAge = state.stageStats.MaxAge;
  const int columns = state.header.NumStages + 1;
  counts.nxj.reserve(static_cast<std::size_t>(counts.maxAge + 1) * static_cast<std::size_t>(columns));
  for (int x = 0; x <= counts.maxAge; ++x) {
    for (int j = 1; j <= columns; ++j) counts.nxj.push_back(state.matrices.Nxj(x, j));
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

// A worker's own state, holding what a pass reads besides its cohort.
std::unique_ptr<AnalysisState> workerState(const AnalysisState& shared) {
  auto own = std::make_unique<AnalysisState>();
  own->header = shared.header;
  own->run.TimeUnit = shared.run.TimeUnit;
  own->ageVectors.Lx = shared.ageVectors.Lx;
  own->jackknife.JackFullC0 = shared.jackknife.JackFullC0;
  return own;
}

// Every individual of the data file at its position in the file, so that
// the cohort of a pass is this view less one position.
struct WholeCohort {
  AnalysisState rows;
  CohortView view;

  explicit WholeCohort(const AnalysisState& shared, const LeaveOneOutSource& source) {
    rows.header = shared.header;
    copyHeaderItemsRead(source.header, rows.header);
    rows.run.TimeUnit = shared.run.TimeUnit;
    const int n = static_cast<int>(source.records.size());
    rows.cohort.resizeFor(n);
    for (int i = 1; i <= n; ++i) storeRecordInCohort(source.records[i - 1], rows, i);
    rows.header.NumIndividuals = n;
    view = workingCohortView(rows);
  }

  CohortView without(int k) const {
    CohortView pass = view;
    pass.positions.erase(pass.positions.begin() + (k - 1));
    return pass;
  }
};

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

// Passes 1..count on the workers' own states; each one's C0 and pseudo-value
// go to its own index of the shared arrays, its counts to counts[k].
WorkOutcome computeEarlyPasses(AnalysisState& state, Platform& platform, const LeaveOneOutSource& source,
                               int count, int threads, OfAllPasses& progress, std::vector<PassCounts>& counts) {
  JackknifeState& results = state.jackknife;
  return runStepsInParallel(count, threads, progress, [&]() -> ParallelStep {
    std::shared_ptr<AnalysisState> own = workerState(state);
    return [&, own](std::int32_t k) {
      computePass(*own, platform, source, k);
      results.JackC0(k) = own->jackknife.JackC0(k);
      results.JackPseudoC0(k) = own->jackknife.JackPseudoC0(k);
      counts[static_cast<std::size_t>(k)] = countsOf(*own);
    };
  });
}

// What passes 1..count leave in the shared state beyond their C0, in their
// order: the stage statistics (a statistic that a pass cannot form keeps an
// earlier pass's value) and the sums of s(j). Everything else of theirs the
// last two passes overwrite: only the pass without the longest-lived
// individual has a shorter table, and the one before it then fills the rest.
void replayEarlyPasses(AnalysisState& state, const LeaveOneOutSource& source, int count,
                       const std::vector<PassCounts>& counts) {
  const WholeCohort whole(state, source);
  const int columns = state.header.NumStages + 1;
  const int cohortSize = static_cast<int>(source.records.size()) - 1;
  for (int k = 1; k <= count; ++k) {
    life01(whole.without(k), state.stageStats, StageMeanTarget::cohort());
    addToStageSurvival(state.matrices.Sj, counts[static_cast<std::size_t>(k)], columns, cohortSize);
  }
}

}  // namespace

bool runJackknifePasses(AnalysisState& state, Platform& platform, const LeaveOneOutSource& source,
                        WorkProgress* progress, int threads) {
  const int n = static_cast<int>(source.records.size());
  const int early = n - 2;
  OfAllPasses ofAll(progress, n);
  if (early > 0) {
    std::vector<PassCounts> counts(static_cast<std::size_t>(early) + 1);
    if (computeEarlyPasses(state, platform, source, early, threads, ofAll, counts) == WorkOutcome::Stopped)
      return false;
    replayEarlyPasses(state, source, early, counts);
  }
  for (int k = std::max(early, 0) + 1; k <= n; ++k) {
    if (ofAll.stopRequested()) return false;
    computePass(state, platform, source, k);
    ofAll.report(k, n);
  }
  return true;
}

}  // namespace vorelan
