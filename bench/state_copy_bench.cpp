// The copy of the analysis that a resampling run keeps before it changes
// anything, and puts back when it does not finish, on a cohort at the
// limits (400 individuals, 11 stages, ages to 405) after its Basic Run, as
// a run finds it.
#include <benchmark/benchmark.h>

#include "runs/basic_run.h"
#include "runs/open_data_file.h"
#include "runs/state_before_run.h"
#include "support/cohort_generator.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

struct AnalysedCohort {
  testing::TempDir dir;
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  AnalysisState state;

  AnalysedCohort() {
    script.inputAnswers = {"1"};
    script.chosenFiles = {dir.write("cohort.txt", testing::cohortAtTheLimits().fileText())};
    OpenDataFile(state, platform);
    BasicRun(state, platform);
  }
};

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
