#include "lifetable/life10.h"

#include <cmath>

#include "lifetable/life01.h"
#include "model/statistics.h"

namespace vorelan {
namespace {

using statistics::Accumulator;

void sizePerIndividualArrays(AnalysisState& state) {
  const auto rows = static_cast<std::size_t>(state.header.NumIndividuals) + 1;
  LongevityStatistics& lg = state.longevity;
  lg.TotalConsumption.reset(rows);
  lg.Longevity.reset(rows);
  lg.LastAge.reset(rows);
}

// Steps 1 and 2: age at death of each individual and its statistics.
void longevity(AnalysisState& state) {
  LongevityStatistics& lg = state.longevity;
  Accumulator acc;
  for (int i = 1; i <= state.header.NumIndividuals; ++i) {
    const double life = lifeInTimeUnits(state.cohort, i, state.header.NumStages);
    lg.LastAge(i) = static_cast<std::int16_t>(std::nearbyint(life));
    lg.Longevity(i) = state.run.TimeUnit * life;
    const double days = lg.Longevity(i);
    if (days > lg.MaxLongevity) lg.MaxLongevity = days;
    if (lg.MinLongevity <= 0) lg.MinLongevity = days;
    if (lg.MinLongevity > days) lg.MinLongevity = days;
    acc.add(days);
  }
  if (acc.hasMean()) lg.MeanLongevity = acc.mean();
  if (acc.hasSpread()) {
    lg.SDLongevity = acc.sd();
    lg.SELongevity = acc.se();
  }
}

// Step 3: shortest and longest duration of each stage among the individuals
// that completed it, and the longest adult life of a female and of a male.
void stageExtremes(AnalysisState& state) {
  LongevityStatistics& lg = state.longevity;
  const int numStages = state.header.NumStages;
  for (int j = 1; j <= numStages; ++j) {
    Accumulator days;
    for (int i = 1; i <= state.header.NumIndividuals; ++i) {
      const double duration = state.cohort.StageDuration(i, j);
      if (!(duration > 0)) continue;
      const double d = state.run.TimeUnit * duration;
      days.add(d);
      if (j == numStages) {
        if (state.cohort.Sex(i) == "F" && d > lg.MaxFemaleLongevity) lg.MaxFemaleLongevity = d;
        if (state.cohort.Sex(i) == "M" && d > lg.MaxMaleLongevity) lg.MaxMaleLongevity = d;
      }
    }
    if (days.n > 0) {  // a stage nobody completed keeps its extremes
      lg.StageDurMin(j) = days.min;
      lg.StageDurMax(j) = days.max;
    }
  }
}

// Step 4: individuals alive at each age and their daily consumption. Only
// positive values enter the sums; every living individual enters the count.
void dailyConsumptionByAge(AnalysisState& state) {
  LongevityStatistics& lg = state.longevity;
  for (int x = 0; x <= state.stageStats.MaxAge; ++x) {
    std::int64_t alive = 0;
    double sum = 0;
    double sumSq = 0;
    for (int i = 1; i <= state.header.NumIndividuals; ++i) {
      if (!(x < lg.LastAge(i))) continue;
      ++alive;
      const double v = state.cohort.DailyConsumption(i, x);
      if (v > 0) {
        if (v > lg.MaxDailyConsumption) lg.MaxDailyConsumption = v;
        sum += v;
        sumSq += v * v;
      }
    }
    lg.AgeN(x) = static_cast<std::int16_t>(alive);
    if (statistics::hasMean(alive)) lg.AgeMeanDailyConsumption(x) = statistics::mean(sum, alive);
    if (statistics::hasSpread(alive)) {
      lg.AgeDailyConsumptionSD(x) = statistics::standardDeviation(sum, sumSq, alive);
      lg.AgeDailyConsumptionSE(x) = statistics::standardError(lg.AgeDailyConsumptionSD(x), alive);
    }
  }
}

// Steps 5 and 6: each individual's total over its life (up to the end mark),
// and the effective consumers.
void totalConsumption(AnalysisState& state) {
  LongevityStatistics& lg = state.longevity;
  lg.Nc = 0;
  lg.NcConsumptionSum = 0;
  for (int i = 1; i <= state.header.NumIndividuals; ++i) {
    double total = 0;
    for (int x = 0; x < lg.LastAge(i); ++x) {
      const double v = state.cohort.DailyConsumption(i, x);
      if (v == -1) break;
      total += v;
    }
    lg.TotalConsumption(i) = total;
    if (total > lg.MaxLifetimeConsumption) lg.MaxLifetimeConsumption = total;
    if (total > 0) {
      ++lg.Nc;
      lg.NcConsumptionSum += total;
    }
  }
  // With no effective consumer Cbar cannot be formed; Nc = 0 tells the report.
  lg.Cbar = lg.Nc > 0 ? lg.NcConsumptionSum / lg.Nc : 0;
}

}  // namespace

void life10(AnalysisState& state, Platform& /*platform*/) {
  sizePerIndividualArrays(state);
  longevity(state);
  stageExtremes(state);
  dailyConsumptionByAge(state);
  totalConsumption(state);
}

}  // namespace vorelan
