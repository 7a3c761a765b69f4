#include "resampling/parallel_steps.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace vorelan {
namespace {

int threadCount(int asked, std::int32_t steps) {
  int threads = asked > 0 ? asked : static_cast<int>(std::thread::hardware_concurrency());
  return std::clamp(threads, 1, static_cast<int>(std::clamp<std::int32_t>(steps, 1, 64)));
}

// Steps handed out one at a time to the worker threads, which count the
// finished ones; the first fault of a worker stops them all.
class StepQueue {
 public:
  explicit StepQueue(std::int32_t steps) : steps_(steps) {}

  // The next step to compute, or 0 when none is left.
  std::int32_t take() {
    if (stop_) return 0;
    const std::int32_t step = next_.fetch_add(1) + 1;
    return step <= steps_ ? step : 0;
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
  std::exception_ptr fault() {
    std::lock_guard lock(mutex_);
    return fault_;
  }

 private:
  const std::int32_t steps_;
  std::atomic<std::int32_t> next_{0};
  std::atomic<std::int64_t> done_{0};
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::condition_variable ended_signal_;
  int ended_ = 0;
  std::exception_ptr fault_;
};

void work(const std::function<ParallelStep()>& makeWorkerStep, StepQueue& queue) {
  try {
    const ParallelStep step = makeWorkerStep();
    while (const std::int32_t s = queue.take()) {
      step(s);
      queue.finished();
    }
  } catch (...) {
    queue.fail(std::current_exception());
  }
  queue.workerEnded();
}

// Reports progress and passes a stop request on until every worker has ended.
bool superviseWorkers(StepQueue& queue, int workers, WorkProgress& progress, std::int64_t total) {
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

// One thread: the steps in order on the calling thread, each reported.
WorkOutcome runInPlace(std::int32_t count, WorkProgress& progress, const std::function<ParallelStep()>& makeWorkerStep) {
  const ParallelStep step = makeWorkerStep();
  for (std::int32_t s = 1; s <= count; ++s) {
    if (progress.stopRequested()) return WorkOutcome::Stopped;
    step(s);
    progress.report(s, count);
  }
  return WorkOutcome::Finished;
}

}  // namespace

WorkOutcome runStepsInParallel(std::int32_t count, int threads, WorkProgress& progress,
                               const std::function<ParallelStep()>& makeWorkerStep) {
  const int workers = threadCount(threads, count);
  if (workers == 1) return runInPlace(count, progress, makeWorkerStep);
  StepQueue queue(count);
  std::vector<std::jthread> pool;
  for (int t = 0; t < workers; ++t) pool.emplace_back(work, std::cref(makeWorkerStep), std::ref(queue));
  const bool stopped = superviseWorkers(queue, workers, progress, count);
  pool.clear();
  if (queue.fault()) std::rethrow_exception(queue.fault());
  return stopped ? WorkOutcome::Stopped : WorkOutcome::Finished;
}

}  // namespace vorelan
