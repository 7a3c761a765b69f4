// The Basic Run's life-table computations on a cohort at the limits: 400
// individuals, 11 stages, lives near 404 time units.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "runs/basic_run.h"
#include "runs/open_data_file.h"
#include "lifetable/life01.h"
#include "lifetable/life03.h"
#include "report/life12.h"
#include "support/life_table_run.h"
#include "support/cohort_generator.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

void BasicRunComputations(benchmark::State& bench) {
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  AnalysisState state;
  testing::cohortAtTheLimits().loadInto(state, platform);
  for (auto _ : bench) {
    testing::runLifeTableSteps(state, script);
    benchmark::DoNotOptimize(state.ageVectors.NetConsumptionRate);
  }
  bench.counters["MaxAge"] = state.stageStats.MaxAge;
}
BENCHMARK(BasicRunComputations)->Unit(benchmark::kMillisecond);

void DayByDayWalk(benchmark::State& bench) {
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  AnalysisState state;
  testing::cohortAtTheLimits().loadInto(state, platform);
  life01(state, platform);
  for (auto _ : bench) {
    life03(state, platform);
    benchmark::DoNotOptimize(state.matrices.Nxj(0, 1));
  }
}
BENCHMARK(DayByDayWalk)->Unit(benchmark::kMillisecond);

void ReadingAndComputations(benchmark::State& bench) {
  const testing::GeneratedCohort cohort = testing::cohortAtTheLimits();
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  for (auto _ : bench) {
    AnalysisState state;
    cohort.loadInto(state, platform);
    testing::runLifeTableSteps(state, script);
    benchmark::DoNotOptimize(state.ageVectors.NetConsumptionRate);
  }
}
BENCHMARK(ReadingAndComputations)->Unit(benchmark::kMillisecond);

// The whole Open data file and Basic Run, every report and file written to a
// temporary folder, as the user runs them. Each run after the first replaces
// the files of the one before, as a user's second run does. The files are
// flushed to the disk before they take their places, so the time that
// counts is the wall clock's.
void openAndBasicRun(benchmark::State& bench, const std::string& dataFile) {
  testing::ScriptedPlatform script;
  script.inputAnswers.push_back("1");
  script.chosenFiles.push_back(dataFile);
  Platform platform = script.platform();
  AnalysisState state;
  if (!OpenDataFile(state, platform)) bench.SkipWithError("the data file was not opened");
  BasicRun(state, platform);
  if (!script.messages().empty()) bench.SkipWithError(script.messages().front().text.c_str());
  benchmark::DoNotOptimize(state.ageVectors.NetConsumptionRate);
}

void OpenAndBasicRun(benchmark::State& bench) {
  const testing::TempDir folder;
  const std::string dataFile = folder.write("limits.txt", testing::cohortAtTheLimits().fileText());
  for (auto _ : bench) openAndBasicRun(bench, dataFile);
}
BENCHMARK(OpenAndBasicRun)->Unit(benchmark::kMillisecond)->UseRealTime();

// The same into a folder that holds nothing but the data file, as a user's
// first run of a file.
void OpenAndBasicRunIntoEmptyFolder(benchmark::State& bench) {
  const testing::TempDir folder;
  const std::string dataFile = folder.write("limits.txt", testing::cohortAtTheLimits().fileText());
  for (auto _ : bench) {
    bench.PauseTiming();
    for (const auto& entry : std::filesystem::directory_iterator(folder.path())) {
      if (entry.path() != dataFile) std::filesystem::remove(entry.path());
    }
    bench.ResumeTiming();
    openAndBasicRun(bench, dataFile);
  }
}
BENCHMARK(OpenAndBasicRunIntoEmptyFolder)->Unit(benchmark::kMillisecond)->UseRealTime();

// The Basic Run's report tables alone, printed from a computed cohort at the
// limits into a temporary report file: the cost of forming and writing cells.
class ComputedCohortReport {
 public:
  ComputedCohortReport() : platform_(script_.platform()) {
    testing::cohortAtTheLimits().loadInto(state_, platform_);
    // The figure files of the print steps go beside the report, not into
    // the folder the benchmark is started from.
    state_.report.BaseFileName = (folder_.path() / "limits").string();
    testing::runLifeTableSteps(state_, script_);
  }
  AnalysisState& state() { return state_; }
  Platform& platform() { return platform_; }
  void openReport() { state_.files.file3.open((folder_.path() / "report.txt").string()); }
  void closeReport(benchmark::State& bench) {
    if (!state_.files.file3.close()) bench.SkipWithError("the report was not written");
  }

 private:
  testing::TempDir folder_;
  testing::ScriptedPlatform script_;
  Platform platform_;
  AnalysisState state_;
};

void ReportTables(benchmark::State& bench) {
  ComputedCohortReport report;
  for (auto _ : bench) {
    report.openReport();
    for (const NamedStep& step : basicRunOrder())
      if (step.role == StepRole::Prints) step.run(report.state(), report.platform());
    report.closeReport(bench);
  }
}
BENCHMARK(ReportTables)->Unit(benchmark::kMillisecond);

// The largest table: the daily consumption of every individual at every age.
void ReportTableLife12(benchmark::State& bench) {
  ComputedCohortReport report;
  for (auto _ : bench) {
    report.openReport();
    life12(report.state(), report.platform());
    report.closeReport(bench);
  }
}
BENCHMARK(ReportTableLife12)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorelan
