#include "lifetable/life01.h"

#include <array>
#include <cmath>

#include "model/statistics.h"

namespace vorelan {
namespace {

using statistics::Accumulator;

// Accumulators by line and stage: line 0 is the whole cohort, lines 1..S the
// sex lines. Each one receives its values in the order of the positions, as
// a pass over the individuals of that line alone would add them.
using StageAccumulators =
    std::array<std::array<Accumulator, limits::StageColumns>, limits::MaxSexLines + 1>;

constexpr int WholeCohort = 0;

void addToLines(StageAccumulators& acc, std::uint8_t sexLines, int j, double v) {
  acc[WholeCohort][j].add(v);
  for (int s = 1; s <= limits::MaxSexLines; ++s) {
    if (sexLines & (1u << s)) acc[s][j].add(v);
  }
}

// Stage durations in days and stage consumption of the individuals that
// completed each stage.
void accumulateStages(const CohortView& cohort, StageAccumulators& days, StageAccumulators& consumption) {
  for (const IndividualView& ind : cohort.positions) {
    for (int j = 1; j <= cohort.numStages; ++j) {
      if (!(ind.stageDuration[j] > 0)) continue;
      addToLines(days, ind.sexLines, j, cohort.timeUnit * ind.stageDuration[j]);
      addToLines(consumption, ind.sexLines, j, ind.stageConsumption[j]);
    }
  }
}

// The age at the end of each stage (CumDuration, time units, the partial sum
// once a stage was not completed) and, over the individuals that completed
// stages 1..j, its statistics: in days for the whole cohort, and by sex line
// as the sum of the stages' days. The pre-adult duration is that sum up to
// stage K-1, for the members of a sex line that completed those stages.
void accumulateCumulative(const CohortView& cohort, StageStatistics& st, StageAccumulators& ages,
                          StageAccumulators& sexDays) {
  const int k = cohort.numStages;
  for (int i = 1; i <= cohort.size(); ++i) {
    const IndividualView& ind = cohort(i);
    double age = 0;
    double days = 0;
    bool counted = true;
    for (int j = 1; j <= k; ++j) {
      const double d = ind.stageDuration[j];
      counted = counted && d > 0;
      if (counted) {
        age += d;
        days += cohort.timeUnit * d;
      }
      if (counted && j == k - 1 && ind.sexLines != 0) st.PreadultDuration(i) = days;
      if (j < 2) continue;
      st.CumDuration(i, j) = age;
      if (!counted) continue;
      ages[WholeCohort][j].add(cohort.timeUnit * age);
      for (int s = 1; s <= limits::MaxSexLines; ++s) {
        if (ind.sexLines & (1u << s)) sexDays[s][j].add(days);
      }
    }
  }
}

// Count, sums and the statistics that can be formed; a mean or standard
// deviation that cannot keeps its value.
template <class Count>
void store(const Accumulator& acc, Count& n, double& sum, double& sumSq, double& mean, double& sd) {
  acc.store(n, sum, sumSq, mean, sd);
}

// Each sex line's stages firstStage..K in order. A stage that no member of
// the line counts for ends that line's stages: the later ones keep their values.
template <class Store>
void bySexLine(const CohortView& cohort, const StageAccumulators& acc, int firstStage, Store storeStage) {
  for (int s = 1; s <= cohort.numSexes; ++s) {
    for (int j = firstStage; j <= cohort.numStages; ++j) {
      storeStage(s, j, acc[s][j]);
      if (!acc[s][j].hasMean()) break;
    }
  }
}

// Steps 1 and 2: stage durations, all individuals and by sex line.
void storeStageDurations(const CohortView& cohort, const StageAccumulators& days, StageStatistics& st,
                         const StageMeanTarget& target) {
  for (int j = 1; j <= cohort.numStages; ++j) {
    store(days[WholeCohort][j], st.StageDurN(j), st.StageDurSum(j), st.StageDurSumSq(j),
          target.stageDurMean(st, j), st.StageDurSD(j));
    if (target.isCohort()) st.StageDurSampleSize(j) = st.StageDurN(j);
  }
  bySexLine(cohort, days, 1, [&](int s, int j, const Accumulator& acc) {
    store(acc, st.SexStageDurN(s, j), st.SexStageDurSum(s, j), st.SexStageDurSumSq(s, j),
          target.sexStageDurMean(st, s, j), st.SexStageDurSD(s, j));
  });
}

// Step 3: cumulative durations of the whole cohort.
void storeCumulativeDurations(const CohortView& cohort, const StageAccumulators& ages, StageStatistics& st,
                              const StageMeanTarget& target) {
  for (int j = 2; j <= cohort.numStages; ++j) {
    const Accumulator& acc = ages[WholeCohort][j];
    store(acc, st.CumDurN(j), st.CumDurSum(j), st.CumDurSumSq(j), target.cumDurMean(st, j), st.CumDurSD(j));
    if (acc.hasSpread()) {
      st.CumDurVar(j) = acc.variance();
      st.CumDurSE(j) = acc.se();
    }
  }
}

// The last age index of the tables: the longest life of any individual in
// time units, less 1. Taking every life (not only the adults') keeps the last
// days of a pre-adult that outlived every adult in the tables.
void lastAgeIndex(const CohortView& cohort, StageStatistics& st, const StageMeanTarget& target) {
  double longest = 0;
  for (const IndividualView& ind : cohort.positions) {
    const double life = std::nearbyint(lifeInTimeUnits(ind.stageDuration, cohort.numStages));
    if (life > longest) longest = life;
  }
  st.MaxAge = static_cast<std::int16_t>(longest - 1);
  if (target.isCohort()) st.OrigMaxAge = st.MaxAge;
}

// Step 4: cumulative durations by sex line.
void storeSexCumulativeDurations(const CohortView& cohort, const StageAccumulators& sexDays,
                                 StageStatistics& st, const StageMeanTarget& target) {
  bySexLine(cohort, sexDays, 2, [&](int s, int j, const Accumulator& acc) {
    store(acc, st.SexCumDurN(s, j), st.SexCumDurSum(s, j), st.SexCumDurSumSq(s, j),
          target.sexCumDurMean(st, s, j), st.SexCumDurSD(s, j));
  });
}

// Steps 5 and 6: stage consumption with its extremes (a stage nobody
// completed keeps them), all individuals and by sex line.
void storeStageConsumption(const CohortView& cohort, const StageAccumulators& consumption, StageStatistics& st,
                           const StageMeanTarget& target) {
  for (int j = 1; j <= cohort.numStages; ++j) {
    const Accumulator& acc = consumption[WholeCohort][j];
    store(acc, st.StageConsN(j), st.StageConsSum(j), st.StageConsSumSq(j), target.stageConsMean(st, j),
          st.StageConsSD(j));
    if (target.isCohort()) st.StageConsSampleSize(j) = st.StageConsN(j);
    if (acc.n > 0) {
      st.StageConsMin(j) = acc.min;
      st.StageConsMax(j) = acc.max;
    }
  }
  bySexLine(cohort, consumption, 1, [&](int s, int j, const Accumulator& acc) {
    store(acc, st.SexStageConsN(s, j), st.SexStageConsSum(s, j), st.SexStageConsSumSq(s, j),
          target.sexStageConsMean(st, s, j), st.SexStageConsSD(s, j));
    if (target.isCohort()) st.SexStageConsSampleSize(s, j) = st.SexStageConsN(s, j);
  });
}

// The per-individual arrays hold individuals 0..n; values of individuals
// that a call does not set are kept.
void sizePerIndividualArrays(StageStatistics& st, int n) {
  const auto rows = static_cast<std::size_t>(n) + 1;
  if (st.CumDuration.rows() < rows) st.CumDuration.reset(rows, StageStatistics::Stages);
  st.PreadultDuration.ensure(rows - 1);
}

}  // namespace

double& StageMeanTarget::stageDurMean(StageStatistics& st, int j) const {
  return isCohort() ? st.StageDurMean(j) : bootstrap_->BootStageDurMean(b_, j);
}
double& StageMeanTarget::cumDurMean(StageStatistics& st, int j) const {
  return isCohort() ? st.CumDurMean(j) : bootstrap_->BootCumDurMean(b_, j);
}
double& StageMeanTarget::stageConsMean(StageStatistics& st, int j) const {
  return isCohort() ? st.StageConsMean(j) : bootstrap_->BootStageConsMean(b_, j);
}
double& StageMeanTarget::sexStageConsMean(StageStatistics& st, int s, int j) const {
  return isCohort() ? st.SexStageConsMean(s, j) : bootstrap_->BootSexStageConsMean(b_, s, j);
}
double& StageMeanTarget::sexStageDurMean(StageStatistics& st, int s, int j) const {
  return isCohort() ? st.SexStageDurMean(s, j) : discarded_;
}
double& StageMeanTarget::sexCumDurMean(StageStatistics& st, int s, int j) const {
  return isCohort() ? st.SexCumDurMean(s, j) : discarded_;
}

double lifeInTimeUnits(const double* stageDuration, int numStages) {
  double life = 0;
  for (int j = 1; j <= numStages; ++j) {
    const double d = stageDuration[j];
    life += std::fabs(d);
    if (d < 0) break;
  }
  return life;
}

double lifeInTimeUnits(const CohortRecords& cohort, int individual, int numStages) {
  return lifeInTimeUnits(&cohort.StageDuration(individual, 0), numStages);
}

void life01(const CohortView& cohort, StageStatistics& st, const StageMeanTarget& target) {
  sizePerIndividualArrays(st, cohort.size());
  StageAccumulators days{}, consumption{}, ages{}, sexDays{};
  accumulateStages(cohort, days, consumption);
  accumulateCumulative(cohort, st, ages, sexDays);
  storeStageDurations(cohort, days, st, target);
  storeCumulativeDurations(cohort, ages, st, target);
  lastAgeIndex(cohort, st, target);
  storeSexCumulativeDurations(cohort, sexDays, st, target);
  storeStageConsumption(cohort, consumption, st, target);
}

void life01(AnalysisState& state, Platform& /*platform*/) {
  life01(workingCohortView(state), state.stageStats, StageMeanTarget::cohort());
}

void Life01Boot(AnalysisState& state) {
  life01(workingCohortView(state), state.stageStats,
         StageMeanTarget::replicate(state.bootstrap, state.bootstrap.BootNo));
}

}  // namespace vorelan
