// The copy of the analysis that a resampling run keeps before it changes
// anything, and puts back when it does not finish, on a cohort at the
// limits (400 individuals, 11 stages, ages to 405) after its Basic Run, as
// a run finds it.
#include <benchmark/benchmark.h>

#include "analysed_cohort.h"
#include "runs/basic_run.h"
#include "runs/state_before_run.h"

namespace vorelan {
namespace {

using bench::AnalysedCohort;

// The copy taken and put back, as by a run that does not finish.
void CopyAfterTheBasicRun(benchmark::State& bench) {
  AnalysedCohort cohort;
  for (auto _ : bench) {
    const StateBeforeRun before(cohort.state);
    benchmark::DoNotOptimize(cohort.state.matrices.Cxj(1, 1));
  }
}
BENCHMARK(CopyAfterTheBasicRun)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vorelan
