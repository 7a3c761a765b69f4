#pragma once
// Independent steps of a resampling run (bootstrap replicates, jackknife
// passes) computed on several threads. Each worker thread makes its own
// step function once, with the working arrays it reuses for every step it
// takes; steps are handed out one at a time, so a slow step holds up no
// other. What a step writes must be its own (row b, pass k): the results
// are then the same for any number of threads.
#include <cstdint>
#include <functional>

#include "platform/background_work.h"

namespace vorelan {

using ParallelStep = std::function<void(std::int32_t step)>;

// Steps 1..count on `threads` threads (0: one per processor, never more than
// there are steps; with one, the steps run in order on the calling thread
// and each is reported). Progress is reported from the calling thread as steps
// done of count. When a stop is asked for, no further step starts and
// Stopped is returned once the workers have ended. The first exception of a
// worker stops the others and is thrown again here.
WorkOutcome runStepsInParallel(std::int32_t count, int threads, WorkProgress& progress,
                               const std::function<ParallelStep()>& makeWorkerStep);

}  // namespace vorelan
