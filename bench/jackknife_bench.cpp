// The jackknife on a cohort at the limits (400 individuals, 11 stages, lives
// near 404 time units): the whole run from the click to the last file, and
// its passes alone (on every processor, then on one thread), against passes
// that read the data file again each time. The parallel ones are timed by
// the clock on the wall, which is what the user waits for.
#include <benchmark/benchmark.h>

#include "analysed_cohort.h"
#include "datafile/jackknife_reader.h"
#include "lifetable/life01.h"
#include "lifetable/life03.h"
#include "lifetable/life05.h"
#include "resampling/jackknife_passes.h"
#include "runs/basic_run.h"
#include "runs/jackknife_run.h"
#include "support/inline_background_work.h"

namespace vorelan {
namespace {

using bench::AnalysedCohort;

void WholeJackknifeRun(benchmark::State& bench) {
  AnalysedCohort cohort;
  testing::InlineBackgroundWork background;
  for (auto _ : bench) {
    cohort.state.run.ResamplingDone.clear();
    cmdJackknife_Click(cohort.state, cohort.platform, background);
    benchmark::DoNotOptimize(cohort.state.jackknife.JackSE);
  }
}
BENCHMARK(WholeJackknifeRun)->Unit(benchmark::kMillisecond)->UseRealTime();

void PassesFromOneReading(benchmark::State& bench) {
  AnalysedCohort cohort;
  for (auto _ : bench) {
    const LeaveOneOutSource source = readLeaveOneOutSource(cohort.state, cohort.platform);
    runJackknifePasses(cohort.state, cohort.platform, source);
    benchmark::DoNotOptimize(cohort.state.jackknife.JackC0(400));
  }
}
BENCHMARK(PassesFromOneReading)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same passes on the calling thread alone.
void PassesOnOneThread(benchmark::State& bench) {
  AnalysedCohort cohort;
  for (auto _ : bench) {
    const LeaveOneOutSource source = readLeaveOneOutSource(cohort.state, cohort.platform);
    runJackknifePasses(cohort.state, cohort.platform, source, nullptr, 1);
    benchmark::DoNotOptimize(cohort.state.jackknife.JackC0(400));
  }
}
BENCHMARK(PassesOnOneThread)->Unit(benchmark::kMillisecond);

// Every pass reads the whole data file again.
void PassesReadingTheFileEachTime(benchmark::State& bench) {
  AnalysedCohort cohort;
  AnalysisState& state = cohort.state;
  for (auto _ : bench) {
    for (int k = 1; k <= state.header.NumIndividualsInFile; ++k) {
      state.jackknife.JackOmitted = k;
      state.matrices.Cxj.clear();
      state.ageVectors.Kx.clear();
      InputDataForJackknife(state, cohort.platform);
      life01(state, cohort.platform);
      life03(state, cohort.platform);
      life05(state, cohort.platform);
    }
    benchmark::DoNotOptimize(state.jackknife.JackC0(400));
  }
}
BENCHMARK(PassesReadingTheFileEachTime)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorelan
