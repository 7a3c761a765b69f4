#include "lifetable/life01.h"

#include <cmath>
#include <optional>

#include "model/statistics.h"

namespace vorelan {
namespace {

using statistics::Accumulator;

bool completedStage(const CohortRecords& cohort, int i, int j) { return cohort.StageDuration(i, j) > 0; }

// Whether individual i completed every stage 1..lastStage.
bool completedStages(const CohortRecords& cohort, int i, int lastStage) {
  for (int k = 1; k <= lastStage; ++k) {
    if (!completedStage(cohort, i, k)) return false;
  }
  return true;
}

// Duration of stages 1..lastStage in days, for an individual that completed them.
double cumulativeDays(const CohortRecords& cohort, int i, int lastStage, double timeUnit) {
  double days = 0;
  for (int k = 1; k <= lastStage; ++k) days += timeUnit * cohort.StageDuration(i, k);
  return days;
}

bool inSexLine(const AnalysisState& state, int i, int s) {
  return state.cohort.Sex(i) == state.header.SexName(s);
}

// The value of individual i in stage j, when it counts there.
using StageValue = std::optional<double>;

StageValue stageDays(const AnalysisState& state, int i, int j) {
  if (!completedStage(state.cohort, i, j)) return std::nullopt;
  return state.run.TimeUnit * state.cohort.StageDuration(i, j);
}

StageValue daysUpToStage(const AnalysisState& state, int i, int j) {
  if (!completedStages(state.cohort, i, j)) return std::nullopt;
  return cumulativeDays(state.cohort, i, j, state.run.TimeUnit);
}

StageValue consumptionInStage(const AnalysisState& state, int i, int j) {
  if (!completedStage(state.cohort, i, j)) return std::nullopt;
  return state.cohort.StageConsumption(i, j);
}

constexpr int WholeCohort = 0;

// The values of stage j of the individuals that count there, of the whole
// cohort or of sex line s.
template <class ValueOf>
Accumulator accumulateStage(const AnalysisState& state, int s, int j, ValueOf valueOf) {
  Accumulator acc;
  for (int i = 1; i <= state.header.NumIndividuals; ++i) {
    if (s != WholeCohort && !inSexLine(state, i, s)) continue;
    if (const StageValue v = valueOf(state, i, j)) acc.add(*v);
  }
  return acc;
}

// Each sex line's stages firstStage..K in order. A stage that no member of
// the line counts for ends that line's stages: the later ones keep their values.
template <class ValueOf, class Store>
void bySexLine(const AnalysisState& state, int firstStage, ValueOf valueOf, Store store) {
  for (int s = 1; s <= state.header.NumSexes; ++s) {
    for (int j = firstStage; j <= state.header.NumStages; ++j) {
      const Accumulator acc = accumulateStage(state, s, j, valueOf);
      store(s, j, acc);
      if (!acc.hasMean()) break;
    }
  }
}

// Step 1: duration of each stage over every individual that completed it.
void stageDurations(AnalysisState& state) {
  StageStatistics& st = state.stageStats;
  for (int j = 1; j <= state.header.NumStages; ++j) {
    accumulateStage(state, WholeCohort, j, stageDays)
        .store(st.StageDurN(j), st.StageDurSum(j), st.StageDurSumSq(j), st.StageDurMean(j), st.StageDurSD(j));
    st.StageDurSampleSize(j) = st.StageDurN(j);
  }
}

// Step 2: stage durations by sex line.
void sexStageDurations(AnalysisState& state) {
  StageStatistics& st = state.stageStats;
  bySexLine(state, 1, stageDays, [&st](int s, int j, const Accumulator& acc) {
    acc.store(st.SexStageDurN(s, j), st.SexStageDurSum(s, j), st.SexStageDurSumSq(s, j),
              st.SexStageDurMean(s, j), st.SexStageDurSD(s, j));
  });
}

// Step 3: the age at the end of each stage and its statistics over the
// individuals that completed stages 1..j.
void cumulativeDurations(AnalysisState& state) {
  StageStatistics& st = state.stageStats;
  const CohortRecords& cohort = state.cohort;
  for (int j = 2; j <= state.header.NumStages; ++j) {
    Accumulator acc;
    for (int i = 1; i <= state.header.NumIndividuals; ++i) {
      double age = 0;
      bool counted = true;
      for (int k = 1; k <= j; ++k) {
        if (!completedStage(cohort, i, k)) {
          counted = false;
          break;
        }
        age += cohort.StageDuration(i, k);
      }
      st.CumDuration(i, j) = age;  // the partial sum when a stage was not completed
      if (counted) acc.add(state.run.TimeUnit * age);
    }
    acc.store(st.CumDurN(j), st.CumDurSum(j), st.CumDurSumSq(j), st.CumDurMean(j), st.CumDurSD(j));
    if (acc.hasSpread()) {
      st.CumDurVar(j) = acc.variance();
      st.CumDurSE(j) = acc.se();
    }
  }
}

// The last age index of the tables: the longest life of any individual in
// time units, less 1. Taking every life (not only the adults') keeps the last
// days of a pre-adult that outlived every adult in the tables.
void lastAgeIndex(AnalysisState& state) {
  double longest = 0;
  for (int i = 1; i <= state.header.NumIndividuals; ++i) {
    const double life = std::nearbyint(lifeInTimeUnits(state.cohort, i, state.header.NumStages));
    if (life > longest) longest = life;
  }
  state.stageStats.MaxAge = static_cast<std::int16_t>(longest - 1);
  state.stageStats.OrigMaxAge = state.stageStats.MaxAge;
}

// Step 4: cumulative durations by sex line.
void sexCumulativeDurations(AnalysisState& state) {
  StageStatistics& st = state.stageStats;
  bySexLine(state, 2, daysUpToStage, [&st](int s, int j, const Accumulator& acc) {
    acc.store(st.SexCumDurN(s, j), st.SexCumDurSum(s, j), st.SexCumDurSumSq(s, j), st.SexCumDurMean(s, j),
              st.SexCumDurSD(s, j));
  });
}

// The pre-adult duration in days of every individual of a sex line that
// completed stages 1..K-1; the others keep theirs. The same rule holds for
// two stages, where the pre-adult period is stage 1 alone.
void preadultDurations(AnalysisState& state) {
  const int preadultStages = state.header.NumStages - 1;
  for (int i = 1; i <= state.header.NumIndividuals; ++i) {
    bool inAnyLine = false;
    for (int s = 1; s <= state.header.NumSexes; ++s) inAnyLine = inAnyLine || inSexLine(state, i, s);
    if (inAnyLine && completedStages(state.cohort, i, preadultStages)) {
      state.stageStats.PreadultDuration(i) =
          cumulativeDays(state.cohort, i, preadultStages, state.run.TimeUnit);
    }
  }
}

// Step 5: consumption in each stage over the individuals that completed it,
// with its extremes; a stage nobody completed keeps its extremes.
void stageConsumption(AnalysisState& state) {
  StageStatistics& st = state.stageStats;
  for (int j = 1; j <= state.header.NumStages; ++j) {
    const Accumulator acc = accumulateStage(state, WholeCohort, j, consumptionInStage);
    acc.store(st.StageConsN(j), st.StageConsSum(j), st.StageConsSumSq(j), st.StageConsMean(j),
              st.StageConsSD(j));
    st.StageConsSampleSize(j) = st.StageConsN(j);
    if (acc.n > 0) {
      st.StageConsMin(j) = acc.min;
      st.StageConsMax(j) = acc.max;
    }
  }
}

// Step 6: stage consumption by sex line.
void sexStageConsumption(AnalysisState& state) {
  StageStatistics& st = state.stageStats;
  bySexLine(state, 1, consumptionInStage, [&st](int s, int j, const Accumulator& acc) {
    acc.store(st.SexStageConsN(s, j), st.SexStageConsSum(s, j), st.SexStageConsSumSq(s, j),
              st.SexStageConsMean(s, j), st.SexStageConsSD(s, j));
    st.SexStageConsSampleSize(s, j) = st.SexStageConsN(s, j);
  });
}

// The per-individual arrays hold individuals 0..N; values of individuals
// that a call does not set are kept.
void sizePerIndividualArrays(AnalysisState& state) {
  const auto rows = static_cast<std::size_t>(state.header.NumIndividuals) + 1;
  StageStatistics& st = state.stageStats;
  if (st.CumDuration.rows() < rows) st.CumDuration.reset(rows, StageStatistics::Stages);
  if (rows > 0) st.PreadultDuration.ensure(rows - 1);
}

}  // namespace

double lifeInTimeUnits(const CohortRecords& cohort, int individual, int numStages) {
  double life = 0;
  for (int j = 1; j <= numStages; ++j) {
    const double d = cohort.StageDuration(individual, j);
    life += std::fabs(d);
    if (d < 0) break;
  }
  return life;
}

void life01(AnalysisState& state, Platform& /*platform*/) {
  sizePerIndividualArrays(state);
  stageDurations(state);
  sexStageDurations(state);
  cumulativeDurations(state);
  lastAgeIndex(state);
  sexCumulativeDurations(state);
  preadultDurations(state);
  stageConsumption(state);
  sexStageConsumption(state);
}

}  // namespace vorelan
