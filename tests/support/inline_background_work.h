#pragma once
// Background work for tests of the core: the work runs in place, on the
// test's thread. Every progress report is kept, and a stop can be asked for
// once a given number of steps is done, to test what a stopped run leaves.
#include <cstdint>
#include <utility>
#include <vector>

#include "platform/background_work.h"

namespace vorelan::testing {

class InlineBackgroundWork : public BackgroundWork, private WorkProgress {
 public:
  std::vector<std::pair<std::int64_t, std::int64_t>> reports;  // (done, total)
  std::int64_t stopAfter = -1;  // ask for a stop once this many steps are done
  int runs = 0;

  WorkOutcome run(const std::function<void(WorkProgress&)>& work) override {
    ++runs;
    stopped_ = false;
    work(*this);
    return stopped_ ? WorkOutcome::Stopped : WorkOutcome::Finished;
  }

 private:
  void report(std::int64_t done, std::int64_t total) override {
    reports.emplace_back(done, total);
    if (stopAfter >= 0 && done >= stopAfter) stopped_ = true;
  }
  bool stopRequested() const override { return stopped_; }

  bool stopped_ = false;
};

}  // namespace vorelan::testing
