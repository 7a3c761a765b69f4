#include "results/keep_basic_run_results.h"

namespace vorelan {
namespace {

// Row 1 of the stage names, columns 0..K+1.
Array1<std::string> firstLineStageNames(const CohortHeader& header) {
  const auto columns = static_cast<std::size_t>(header.NumStages) + 2;
  Array1<std::string> names(columns);
  for (std::size_t j = 0; j < columns; ++j) names(j) = header.StageName(1, j);
  return names;
}

}  // namespace

void KeepBasicRunResults(AnalysisState& state) {
  BasicRunResults& kept = state.basicRun;
  kept.kept = true;
  kept.ProjectName = state.header.ProjectName;
  kept.ReportFileName = state.report.ReportFileName;
  kept.NumIndividuals = state.header.NumIndividuals;
  kept.NumStages = state.header.NumStages;
  kept.MaxAge = state.stageStats.MaxAge;
  kept.StageName = firstLineStageNames(state.header);

  const AgeStageMatrices& matrices = state.matrices;
  kept.StageAgeRange = matrices.StageAgeRange;
  kept.Sxj = matrices.Sxj;
  kept.Gxj = matrices.Gxj;
  kept.Dxj = matrices.Dxj;
  kept.Cxj = matrices.Cxj;
  kept.Lx = state.ageVectors.Lx;
  kept.Kx = state.ageVectors.Kx;

  const StageStatistics& stats = state.stageStats;
  kept.StageConsN = stats.StageConsN;
  kept.StageConsMean = stats.StageConsMean;
  kept.StageConsSD = stats.StageConsSD;
  kept.StageDurN = stats.StageDurN;
  kept.StageDurMean = stats.StageDurMean;
  kept.StageDurSD = stats.StageDurSD;

  kept.LifetimeConsMean = state.span.LifetimeConsMean;
  kept.LifetimeConsSD = state.span.LifetimeConsSD;
  kept.LifetimeConsSE = state.span.LifetimeConsSE;
}

}  // namespace vorelan
