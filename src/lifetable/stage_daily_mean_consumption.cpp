#include "lifetable/stage_daily_mean_consumption.h"

namespace vorelan {
namespace {

// Each stage column's sums into the shared work sums, and its daily mean,
// where it was occupied, into meanOf(j).
template <class MeanOf>
void stageDailyMeans(AnalysisState& state, MeanOf meanOf) {
  AgeVectors& av = state.ageVectors;
  for (int j = 1; j <= state.header.NumStages + 1; ++j) {
    const StageDays sums = stageDays(state.matrices, state.cohort.Txj, j, state.stageStats.MaxAge);
    av.StageDaySum(j) = sums.days;
    av.StageTxjSum(j) = sums.total;
    if (sums.occupied()) meanOf(j) = sums.dailyMean();
  }
}

}  // namespace

StageDays stageDays(const AgeStageMatrices& mx, const Array2<double>& txj, int j, int maxAge) {
  StageDays sums;
  for (int x = 0; x <= maxAge; ++x) {
    sums.days += mx.Nxj(x, j);
    sums.total += txj(x, j);
  }
  return sums;
}

void CalculateStageDailyMeanConsumption(AnalysisState& state, Platform& /*platform*/) {
  stageDailyMeans(state, [&](int j) -> double& { return state.ageVectors.StageDailyMeanConsumption(j); });
}

void CalculateStageDailyMeanConsumpBoot(AnalysisState& state) {
  BootstrapState& boot = state.bootstrap;
  stageDailyMeans(state, [&](int j) -> double& { return boot.BootStageDailyMeanConsumption(j, boot.BootNo); });
}

}  // namespace vorelan
