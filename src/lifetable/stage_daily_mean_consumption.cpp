#include "lifetable/stage_daily_mean_consumption.h"

namespace vorelan {

void CalculateStageDailyMeanConsumption(AnalysisState& state, Platform& /*platform*/) {
  AgeVectors& av = state.ageVectors;
  for (int j = 1; j <= state.header.NumStages + 1; ++j) {
    double days = 0;
    double total = 0;
    for (int x = 0; x <= state.stageStats.MaxAge; ++x) {
      days += state.matrices.Nxj(x, j);
      total += state.cohort.Txj(x, j);
    }
    av.StageDaySum(j) = days;
    av.StageTxjSum(j) = total;
    if (days != 0) av.StageDailyMeanConsumption(j) = total / days;
  }
}

}  // namespace vorelan
