#include "cohort/life01.h"

#include <cmath>

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

// Step 1: duration of each stage over every individual that completed it.
void stageDurations(AnalysisState& state) {
  StageStatistics& st = state.stageStats;
  const CohortRecords& cohort = state.cohort;
  for (int j = 1; j <= state.header.NumStages; ++j) {
    Accumulator acc;
    for (int i = 1; i <= state.header.NumIndividuals; ++i) {
      if (completedStage(cohort, i, j)) acc.add(state.run.TimeUnit * cohort.StageDuration(i, j));
    }
    st.StageDurN(j) = static_cast<std::int32_t>(acc.n);
    st.StageDurSum(j) = acc.sum;
    st.StageDurSumSq(j) = acc.sumSq;
    st.StageDurSampleSize(j) = st.StageDurN(j);
    if (acc.hasMean()) st.StageDurMean(j) = acc.mean();
    if (acc.hasSpread()) st.StageDurSD(j) = acc.sd();
  }
}

// Step 2: stage durations by sex line. A stage that no member of the line
// completed ends that line's stages: the later ones keep their values.
void sexStageDurations(AnalysisState& state) {
  StageStatistics& st = state.stageStats;
  const CohortRecords& cohort = state.cohort;
  for (int s = 1; s <= state.header.NumSexes; ++s) {
    for (int j = 1; j <= state.header.NumStages; ++j) {
      Accumulator acc;
      for (int i = 1; i <= state.header.NumIndividuals; ++i) {
        if (inSexLine(state, i, s) && completedStage(cohort, i, j)) {
          acc.add(state.run.TimeUnit * cohort.StageDuration(i, j));
        }
      }
      st.SexStageDurN(s, j) = static_cast<std::int32_t>(acc.n);
      st.SexStageDurSum(s, j) = acc.sum;
      st.SexStageDurSumSq(s, j) = acc.sumSq;
      if (!acc.hasMean()) break;
      st.SexStageDurMean(s, j) = acc.mean();
      if (acc.hasSpread()) st.SexStageDurSD(s, j) = acc.sd();
    }
  }
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
    st.CumDurN(j) = static_cast<std::int32_t>(acc.n);
    st.CumDurSum(j) = acc.sum;
    st.CumDurSumSq(j) = acc.sumSq;
    if (acc.hasMean()) st.CumDurMean(j) = acc.mean();
    if (acc.hasSpread()) {
      st.CumDurVar(j) = acc.variance();
      st.CumDurSD(j) = acc.sd();
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

// Step 4: cumulative durations by sex line, ended like the stages of step 2.
void sexCumulativeDurations(AnalysisState& state) {
  StageStatistics& st = state.stageStats;
  const CohortRecords& cohort = state.cohort;
  for (int s = 1; s <= state.header.NumSexes; ++s) {
    for (int j = 2; j <= state.header.NumStages; ++j) {
      Accumulator acc;
      for (int i = 1; i <= state.header.NumIndividuals; ++i) {
        if (inSexLine(state, i, s) && completedStages(cohort, i, j)) {
          acc.add(cumulativeDays(cohort, i, j, state.run.TimeUnit));
        }
      }
      st.SexCumDurN(s, j) = static_cast<std::int32_t>(acc.n);
      st.SexCumDurSum(s, j) = acc.sum;
      st.SexCumDurSumSq(s, j) = acc.sumSq;
      if (!acc.hasMean()) break;
      st.SexCumDurMean(s, j) = acc.mean();
      if (acc.hasSpread()) st.SexCumDurSD(s, j) = acc.sd();
    }
  }
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
// with its extremes.
void stageConsumption(AnalysisState& state) {
  StageStatistics& st = state.stageStats;
  const CohortRecords& cohort = state.cohort;
  for (int j = 1; j <= state.header.NumStages; ++j) {
    Accumulator acc;
    for (int i = 1; i <= state.header.NumIndividuals; ++i) {
      if (!completedStage(cohort, i, j)) continue;
      const double v = cohort.StageConsumption(i, j);
      if (acc.n == 0) {
        st.StageConsMin(j) = v;
        st.StageConsMax(j) = v;
      } else if (v > st.StageConsMax(j)) {
        st.StageConsMax(j) = v;
      } else if (v < st.StageConsMin(j)) {
        st.StageConsMin(j) = v;
      }
      acc.add(v);
    }
    st.StageConsN(j) = static_cast<std::int32_t>(acc.n);
    st.StageConsSum(j) = acc.sum;
    st.StageConsSumSq(j) = acc.sumSq;
    st.StageConsSampleSize(j) = st.StageConsN(j);
    if (acc.hasMean()) st.StageConsMean(j) = acc.mean();
    if (acc.hasSpread()) st.StageConsSD(j) = acc.sd();
  }
}

// Step 6: stage consumption by sex line, ended like the stages of step 2.
void sexStageConsumption(AnalysisState& state) {
  StageStatistics& st = state.stageStats;
  const CohortRecords& cohort = state.cohort;
  for (int s = 1; s <= state.header.NumSexes; ++s) {
    for (int j = 1; j <= state.header.NumStages; ++j) {
      Accumulator acc;
      for (int i = 1; i <= state.header.NumIndividuals; ++i) {
        if (inSexLine(state, i, s) && completedStage(cohort, i, j)) acc.add(cohort.StageConsumption(i, j));
      }
      st.SexStageConsN(s, j) = static_cast<std::int32_t>(acc.n);
      st.SexStageConsSum(s, j) = acc.sum;
      st.SexStageConsSumSq(s, j) = acc.sumSq;
      st.SexStageConsSampleSize(s, j) = st.SexStageConsN(s, j);
      if (!acc.hasMean()) break;
      st.SexStageConsMean(s, j) = acc.mean();
      if (acc.hasSpread()) st.SexStageConsSD(s, j) = acc.sd();
    }
  }
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
