// The bootstrap's replicate loop on a cohort at the limits: 400 individuals,
// 11 stages, lives near 400 time units; B = 40,000 samples of n = 400. The
// fast path with new samples and with the sibling program's samples (the
// stable distribution of every replicate too), and the straightforward path
// on fewer replicates (its time grows with B alone). Each figure comes with
// the peak memory of the process; run one benchmark per process
// (--benchmark_filter) to read that of one path alone.
#include <benchmark/benchmark.h>

#include <random>

#include "peak_memory.h"
#include "resampling/bootstrap_replicates.h"
#include "support/bootstrap_cohort.h"
#include "support/cohort_generator.h"

namespace vorelan {
namespace {

// The sibling's samples: B samples of the whole cohort, lambda near 1.1.
void takeSiblingSamples(testing::BootstrapCohort& run, std::int32_t replicates) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int> individual(1, run.size());
  std::uniform_real_distribution<double> rate(1.05, 1.15);
  BootstrapSamples samples;
  samples.replicates = replicates;
  samples.sampleSize = run.size();
  const auto rows = static_cast<std::size_t>(replicates) + 1;
  samples.individuals.reset(rows, static_cast<std::size_t>(run.size()) + 1);
  samples.r0.reset(rows);
  samples.lambda.reset(rows);
  for (std::int32_t b = 1; b <= replicates; ++b) {
    for (int i = 1; i <= run.size(); ++i) samples.individuals(b, i) = static_cast<std::int16_t>(individual(rng));
    samples.r0(b) = 1;
    samples.lambda(b) = rate(rng);
  }
  takeBootstrapSamples(run.state, std::move(samples));
}

void report(benchmark::State& bench, const testing::BootstrapCohort& run) {
  bench.counters["replicates"] = run.state.bootstrap.NumBootstrap;
  bench.counters["peak_MB"] = peakMegabytes();
}

// From the samples on: the engine's preparation, every replicate, and the
// last one again on the shared state.
void NewSamplesFast(benchmark::State& bench) {
  testing::BootstrapCohort run(testing::cohortAtTheLimits());
  testing::CountedProgress progress;
  for (auto _ : bench) {
    run.drawSamples(40000, 400);
    runBootstrapReplicates(run.state, progress);
  }
  report(bench, run);
}
BENCHMARK(NewSamplesFast)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void SameSamplesFast(benchmark::State& bench) {
  testing::BootstrapCohort run(testing::cohortAtTheLimits());
  takeSiblingSamples(run, 40000);
  testing::CountedProgress progress;
  for (auto _ : bench) runBootstrapReplicates(run.state, progress);
  report(bench, run);
}
BENCHMARK(SameSamplesFast)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// The straightforward path on 1,000 replicates; 40,000 take 40 times as long.
void NewSamplesStraightforward(benchmark::State& bench) {
  testing::BootstrapCohort run(testing::cohortAtTheLimits());
  testing::CountedProgress progress;
  for (auto _ : bench) {
    run.drawSamples(1000, 400);
    runBootstrapReplicatesLiterally(run.state, progress);
  }
  report(bench, run);
}
BENCHMARK(NewSamplesStraightforward)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

void SameSamplesStraightforward(benchmark::State& bench) {
  testing::BootstrapCohort run(testing::cohortAtTheLimits());
  takeSiblingSamples(run, 1000);
  testing::CountedProgress progress;
  for (auto _ : bench) runBootstrapReplicatesLiterally(run.state, progress);
  report(bench, run);
}
BENCHMARK(SameSamplesStraightforward)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

}  // namespace
}  // namespace vorelan
