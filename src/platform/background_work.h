#pragma once
// Long work (the bootstrap's replicates, the jackknife's passes) runs away
// from the user interface, so that the windows stay painted and answer while
// it goes. The core hands the work to this interface; the windows run it on a
// worker thread, the tests run it in place.
#include <cstdint>
#include <functional>

namespace vorelan {

// What the work sees of its run, from its own thread.
class WorkProgress {
 public:
  virtual ~WorkProgress() = default;
  // `done` of `total` steps are finished. Cheap enough to call at every step.
  virtual void report(std::int64_t done, std::int64_t total) = 0;
  // True once the run is asked to stop (the main window is being closed): the
  // work should return soon, leaving its results incomplete.
  virtual bool stopRequested() const = 0;
};

enum class WorkOutcome { Finished, Stopped };

class BackgroundWork {
 public:
  virtual ~BackgroundWork() = default;
  // Runs `work` and returns when it has ended: Stopped when a stop was asked
  // for meanwhile (its results are then incomplete and must not be used).
  // The work must show no box and touch no window; an exception that ends it
  // is thrown again here, on the caller's thread.
  virtual WorkOutcome run(const std::function<void(WorkProgress&)>& work) = 0;
};

}  // namespace vorelan
