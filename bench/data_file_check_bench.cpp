// The check of the data file at Open on a cohort at the limits: 400
// individuals, 11 stages, about 160,000 daily values in about 1 MB.
#include <benchmark/benchmark.h>

#include <string>

#include "datafile/data_file_checks.h"
#include "support/cohort_generator.h"
#include "support/scripted_platform.h"
#include "support/temp_dir.h"

namespace vorelan {
namespace {

void OpenCheck(benchmark::State& bench) {
  const testing::TempDir folder;
  const std::string dataFile = folder.write("limits.txt", testing::cohortAtTheLimits().fileText());
  testing::ScriptedPlatform script;
  Platform platform = script.platform();
  for (auto _ : bench) {
    // A fresh state each time: nothing checked before, the file read from disk.
    AnalysisState state;
    state.report.DataFileName = dataFile;
    CheckData2005(state, platform);
    benchmark::DoNotOptimize(state.files.checkedDataFile);
  }
  if (!script.messages().empty()) bench.SkipWithError(script.messages().front().text.c_str());
}
BENCHMARK(OpenCheck)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vorelan
