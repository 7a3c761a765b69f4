// The whole bootstrap run from the click to the last file, on a cohort at
// the limits (400 individuals, 11 stages, lives near 400 time units), new
// samples, B = 40,000 of n = 400: the questions, the reading of the data
// file, the replicates, the report, every result file, the frequency file
// and the density curves. Peak memory of the process is given with it.
#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>

#include "peak_memory.h"
#include "report/output_file.h"
#include "resampling/boot01.h"
#include "resampling/bootstrap_result_files.h"
#include "resampling/frequency_files.h"
#include "resampling/normal_density_curves.h"
#include "runs/basic_run.h"
#include "runs/bootstrap_run.h"
#include "runs/open_data_file.h"
#include "support/cohort_generator.h"
#include "support/inline_background_work.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

// Runs the work in place and keeps how long it took: the replicate loop,
// apart from what comes before and after it.
class TimedBackgroundWork : public BackgroundWork {
 public:
  WorkOutcome run(const std::function<void(WorkProgress&)>& work) override {
    const auto start = std::chrono::steady_clock::now();
    const WorkOutcome outcome = inPlace_.run(work);
    seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return outcome;
  }
  double seconds = 0;

 private:
  testing::InlineBackgroundWork inPlace_;
};

// The cohort at the limits after its Basic Run, with the answers of a
// new-samples run of B = 40,000 and n = 400 waiting.
struct ReadyForBootstrap {
  explicit ReadyForBootstrap(const std::string& data, MessageAnswer densityCurves) {
    script.inputAnswers = {"1"};
    script.chosenFiles = {data};
    OpenDataFile(state, platform);
    BasicRun(state, platform);
    script.inputAnswers = {"2", "40000", "400"};
    script.messageAnswers = {densityCurves};
  }
  // The run, with the time from the click to the first replicate (the
  // questions, reading the data and the samples) kept.
  BootstrapOutcome run() {
    const auto click = std::chrono::steady_clock::now();
    BootstrapRunWindow window;
    window.replicatesBegin = [&] {
      beforeSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - click).count();
    };
    return cmdBootstrap_Click(state, platform, background, window);
  }
  double beforeSeconds = 0;

  AnalysisState state;
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  TimedBackgroundWork background;
};

// Per run: the time before the first replicate and that of the replicate
// loop (the rest is the report and the files), and the peak memory.
struct RunShares {
  double before = 0, replicates = 0;
  void add(const ReadyForBootstrap& ready) {
    before += ready.beforeSeconds;
    replicates += ready.background.seconds;
  }
  void report(benchmark::State& bench) const {
    bench.counters["peak_MB"] = peakMegabytes();
    bench.counters["before_s"] = benchmark::Counter(before, benchmark::Counter::kAvgIterations);
    bench.counters["replicates_s"] = benchmark::Counter(replicates, benchmark::Counter::kAvgIterations);
  }
};

void WholeBootstrapRunNewSamples(benchmark::State& bench) {
  const testing::TempDir dir;
  const std::string data = dir.write("cohort.txt", testing::cohortAtTheLimits().fileText());
  RunShares shares;
  for (auto _ : bench) {
    bench.PauseTiming();
    auto ready = std::make_unique<ReadyForBootstrap>(data, MessageAnswer::Yes);
    bench.ResumeTiming();
    if (ready->run() != BootstrapOutcome::Done) bench.SkipWithError("not done");
    shares.add(*ready);
  }
  shares.report(bench);
}
BENCHMARK(WholeBootstrapRunNewSamples)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

// Writes the sibling program's samples file of B = 40,000 samples of the
// whole cohort (n = N = 400), lambda near 1.1, line by line: the peak memory
// reported is then the run's, not that of the file's text held whole.
std::string writeSiblingSamplesFile(const std::filesystem::path& path, int cohortSize) {
  std::mt19937 rng(11);
  std::uniform_int_distribution<int> individual(1, cohortSize);
  std::uniform_real_distribution<double> rate(1.05, 1.15);
  std::ofstream out(path, std::ios::binary);
  out << "Halvek,Bootstrap samples,Limits\nB,40000\nn," << cohortSize << "\n";
  for (int b = 1; b <= 40000; ++b) {
    std::string line = "Sample " + std::to_string(b);
    for (int i = 0; i < cohortSize; ++i) line += "," + std::to_string(individual(rng));
    out << line << "\nRo,12.5\nlambda," << std::to_string(rate(rng)) << "\n";
  }
  out << "a,12\nb,4\nc,2\nd,12\ne,1.1\nf,0.001\ng,0.03\nh,1.1\n";
  return path.string();
}

void WholeBootstrapRunSameSamples(benchmark::State& bench) {
  const testing::TempDir dir;
  const testing::GeneratedCohort cohort = testing::cohortAtTheLimits();
  const std::string data = dir.write("cohort.txt", cohort.fileText());
  const std::string samples = writeSiblingSamplesFile(dir.path() / "samples.txt", 400);
  RunShares shares;
  for (auto _ : bench) {
    bench.PauseTiming();
    auto ready = std::make_unique<ReadyForBootstrap>(data, MessageAnswer::Yes);
    ready->script.inputAnswers = {"1"};
    ready->script.chosenFiles = {samples};
    bench.ResumeTiming();
    if (ready->run() != BootstrapOutcome::Done) bench.SkipWithError("not done");
    shares.add(*ready);
  }
  shares.report(bench);
}
BENCHMARK(WholeBootstrapRunSameSamples)->Unit(benchmark::kMillisecond)->Iterations(2)->UseRealTime();

// What follows the replicates alone: the summary table, the result files,
// the frequency file and the density curves of the same run.
void WritingTheResults(benchmark::State& bench) {
  const testing::TempDir dir;
  const std::string data = dir.write("cohort.txt", testing::cohortAtTheLimits().fileText());
  ReadyForBootstrap ready(data, MessageAnswer::No);
  ready.run();
  AnalysisState& state = ready.state;
  for (auto _ : bench) {
    // As the run writes them: gathered, then flushed and put in place together.
    gatherRunFiles(state.files);
    state.files.file3.open(state.report.ReportFileName);
    Boot01(state);
    closeOutputFile(state.files.file3, state.files);
    WriteBootstrapResultFiles(state, ready.platform);
    WriteBootstrapFrequency(state, ready.platform);
    placeWrittenFiles(state.files);
    WriteNormalDensityCurveBegin(state, ready.platform);
  }
  double files = 0, bytes = 0;
  for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
    files += 1;
    bytes += static_cast<double>(entry.file_size());
  }
  bench.counters["files"] = files;
  bench.counters["MB"] = bytes / 1e6;
}
BENCHMARK(WritingTheResults)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

}  // namespace
}  // namespace vorelan
