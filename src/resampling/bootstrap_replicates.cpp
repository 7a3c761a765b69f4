#include "resampling/bootstrap_replicates.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#include "lifetable/life01.h"
#include "lifetable/life03.h"
#include "lifetable/life05.h"
#include "lifetable/stage_daily_mean_consumption.h"
#include "resampling/bootstrap_samples.h"
#include "resampling/calculate_sasd2.h"
#include "resampling/replicate_engine.h"

namespace vorelan {
namespace {

bool sameSamples(const AnalysisState& state) { return state.bootstrap.SameBootSamples == "Yes"; }

void prepareResults(AnalysisState& state) {
  state.bootstrap.sizeResultsFor(state.bootstrap.NumBootstrap);
  state.header.NumIndividuals = state.bootstrap.BootSampleSize;
}

int threadCount(int asked, std::int32_t replicates) {
  int threads = asked > 0 ? asked : static_cast<int>(std::thread::hardware_concurrency());
  return std::clamp(threads, 1, static_cast<int>(std::min<std::int32_t>(replicates, 64)));
}

// Replicates handed out one at a time to the worker threads, which count
// the finished ones; the first fault of a worker stops them all.
class ReplicateQueue {
 public:
  explicit ReplicateQueue(std::int32_t replicates) : replicates_(replicates) {}

  // The next replicate to compute, or 0 when none is left.
  std::int32_t take() {
    if (stop_) return 0;
    const std::int32_t b = next_.fetch_add(1) + 1;
    return b <= replicates_ ? b : 0;
  }
  void finished() { done_.fetch_add(1); }
  void stop() { stop_ = true; }
  void fail(std::exception_ptr fault) {
    std::lock_guard lock(mutex_);
    if (!fault_) fault_ = fault;
    stop_ = true;
  }
  void workerEnded() {
    std::lock_guard lock(mutex_);
    ++ended_;
    ended_signal_.notify_all();
  }
  // Waits a little for the workers; true once all of them have ended.
  bool waitForWorkers(int workers) {
    std::unique_lock lock(mutex_);
    return ended_signal_.wait_for(lock, std::chrono::milliseconds(20), [&] { return ended_ == workers; });
  }
  std::int64_t done() const { return done_.load(); }
  std::exception_ptr fault() const { return fault_; }

 private:
  const std::int32_t replicates_;
  std::atomic<std::int32_t> next_{0};
  std::atomic<std::int64_t> done_{0};
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::condition_variable ended_signal_;
  int ended_ = 0;
  std::exception_ptr fault_;
};

void computeReplicates(const ReplicateEngine& engine, BootstrapState& results, ReplicateQueue& queue) {
  try {
    const auto work = engine.workspace();
    while (const std::int32_t b = queue.take()) {
      engine.computeReplicate(b, *work, results);
      queue.finished();
    }
  } catch (...) {
    queue.fail(std::current_exception());
  }
  queue.workerEnded();
}

// Reports progress and passes a stop request on until every worker has ended.
bool superviseWorkers(ReplicateQueue& queue, int workers, WorkProgress& progress, std::int64_t total) {
  bool stopped = false;
  std::int64_t reported = -1;
  for (;;) {
    const bool ended = queue.waitForWorkers(workers);
    if (!stopped && progress.stopRequested()) {
      stopped = true;
      queue.stop();
    }
    const std::int64_t done = queue.done();
    if (done != reported) progress.report(done, total);
    reported = done;
    if (ended) return stopped;
  }
}

}  // namespace

void computeReplicateLiterally(AnalysisState& state) {
  if (sameSamples(state)) {
    BootstrapSameAsLifeTable(state);
  } else {
    Bootstrap(state);
  }
  Life01Boot(state);
  life03boot(state);
  CalculateStageDailyMeanConsumpBoot(state);
  Life05Boot(state);
  if (sameSamples(state)) CalculateSASD2(state);
}

WorkOutcome runBootstrapReplicates(AnalysisState& state, WorkProgress& progress, int threads) {
  prepareResults(state);
  const std::int32_t replicates = state.bootstrap.NumBootstrap;
  const ReplicateEngine engine(state);
  ReplicateQueue queue(replicates);
  const int workers = threadCount(threads, replicates);
  std::vector<std::jthread> pool;
  for (int t = 0; t < workers; ++t)
    pool.emplace_back(computeReplicates, std::cref(engine), std::ref(state.bootstrap), std::ref(queue));
  const bool stopped = superviseWorkers(queue, workers, progress, replicates);
  pool.clear();
  if (queue.fault()) std::rethrow_exception(queue.fault());
  if (stopped) return WorkOutcome::Stopped;
  state.bootstrap.BootNo = replicates;
  computeReplicateLiterally(state);
  return WorkOutcome::Finished;
}

WorkOutcome runBootstrapReplicatesLiterally(AnalysisState& state, WorkProgress& progress) {
  prepareResults(state);
  const std::int32_t replicates = state.bootstrap.NumBootstrap;
  for (std::int32_t b = 1; b <= replicates; ++b) {
    if (progress.stopRequested()) return WorkOutcome::Stopped;
    state.bootstrap.BootNo = b;
    computeReplicateLiterally(state);
    progress.report(b, replicates);
  }
  return WorkOutcome::Finished;
}

}  // namespace vorelan
