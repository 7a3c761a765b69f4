#include "cohort/basic_run.h"

#include <array>

#include "cohort/raw_data_reader.h"
#include "report/file_failure.h"

namespace vorelan {
namespace {

constexpr auto BasicRunOrder = std::to_array<NamedStep>({
    {"InputData", &InputData},
});

constexpr std::array<NamedStep, 0> BasicRunClosingWrites{};

void runSteps(std::span<const NamedStep> steps, AnalysisState& state, Platform& platform) {
  for (const NamedStep& step : steps) step.run(state, platform);
}

void closeReport(AnalysisState& state, Platform& platform) {
  TextOutputFile& report = state.files.file3;
  const bool wasOpen = report.isOpen();
  if (!report.close() && wasOpen) reportUnwritableFile(platform, report.path());
}

}  // namespace

std::span<const NamedStep> basicRunOrder() { return BasicRunOrder; }
std::span<const NamedStep> basicRunClosingWrites() { return BasicRunClosingWrites; }

BasicRunOutcome BasicRun(AnalysisState& state, Platform& platform) {
  BasicRunOutcome outcome = BasicRunOutcome::AlreadyDone;
  if (state.run.BasicRunDone != "yes") {
    state.run.ResampleMethod = "j";
    runSteps(basicRunOrder(), state, platform);
    runSteps(basicRunClosingWrites(), state, platform);
    state.run.BasicRunC0 = state.ageVectors.TotalNetConsumptionRate;
    outcome = BasicRunOutcome::Computed;
  }
  state.run.BasicRunDone = "yes";
  closeReport(state, platform);
  return outcome;
}

}  // namespace vorelan
