#include "lifetable/life02.h"

#include <algorithm>

#include "model/statistics.h"

namespace vorelan {
namespace {

using statistics::Accumulator;

// Stage numbers of the two span names among the first sex line's stage
// names; a later match wins, a name without a match keeps its number.
void findSpanStages(AnalysisState& state) {
  SpanStatistics& span = state.span;
  for (int name = 1; name <= 2; ++name) {
    for (int j = 1; j <= state.header.NumStages; ++j) {
      if (state.header.StageName(1, j) == state.header.SpanStageName(name)) span.SpanStageNo(name) = j;
    }
  }
  // The order of the two names in the file does not matter.
  span.SpanFirstStage = std::min(span.SpanStageNo(1), span.SpanStageNo(2));
  span.SpanLastStage = std::max(span.SpanStageNo(1), span.SpanStageNo(2));
}

// Adds the span duration in days of individual i, when it completed every
// stage of the span.
void addSpan(const AnalysisState& state, int i, Accumulator& acc) {
  double days = 0;
  for (int k = static_cast<int>(state.span.SpanFirstStage); k <= static_cast<int>(state.span.SpanLastStage);
       ++k) {
    const double d = state.cohort.StageDuration(i, k);
    if (!(d > 0)) return;
    days += state.run.TimeUnit * d;
  }
  acc.add(days);
}

void spanStatistics(AnalysisState& state) {
  SpanStatistics& span = state.span;
  Accumulator all;
  for (int i = 1; i <= state.header.NumIndividuals; ++i) addSpan(state, i, all);
  all.store(span.SpanN, span.SpanSum, span.SpanSumSq, span.SpanMean, span.SpanSD);

  for (int s = 1; s <= state.header.NumSexes; ++s) {
    Accumulator acc;
    for (int i = 1; i <= state.header.NumIndividuals; ++i) {
      if (state.cohort.Sex(i) == state.header.SexName(s)) addSpan(state, i, acc);
    }
    acc.store(span.SexSpanN(s), span.SexSpanSum(s), span.SexSpanSumSq(s), span.SexSpanMean(s),
              span.SexSpanSD(s));
  }
}

double lifetimeConsumption(const AnalysisState& state, int i) {
  double total = 0;
  for (int j = 1; j <= state.header.NumStages; ++j) total += state.cohort.StageConsumption(i, j);
  return total;
}

void lifetimeStatistics(AnalysisState& state, Platform& platform) {
  SpanStatistics& span = state.span;
  for (int s = 1; s <= state.header.NumSexes; ++s) {
    Accumulator acc;
    for (int i = 1; i <= state.header.NumIndividuals; ++i) {
      if (state.cohort.Sex(i) == state.header.SexName(s)) acc.add(lifetimeConsumption(state, i));
    }
    acc.store(span.SexLifetimeConsN(s), span.SexLifetimeConsSum(s), span.SexLifetimeConsSumSq(s),
              span.SexLifetimeConsMean(s), span.SexLifetimeConsSD(s));
  }

  // Lines beyond NumSexes hold 0.
  Accumulator cohort;
  for (int s = 1; s <= 3; ++s) {
    cohort.n += span.SexLifetimeConsN(s);
    cohort.sum += span.SexLifetimeConsSum(s);
    cohort.sumSq += span.SexLifetimeConsSumSq(s);
  }
  if (cohort.n != state.header.NumIndividuals) platform.windowText.writeLine("Error!!!!");

  // The divisor is the whole cohort, also when some individual is in no sex line.
  cohort.n = state.header.NumIndividuals;
  if (cohort.hasMean()) span.LifetimeConsMean = cohort.mean();
  if (cohort.hasSpread()) {
    span.LifetimeConsSD = cohort.sd();
    span.LifetimeConsSE = cohort.se();
  }
}

}  // namespace

void life02(AnalysisState& state, Platform& platform) {
  findSpanStages(state);
  spanStatistics(state);
  lifetimeStatistics(state, platform);
}

}  // namespace vorelan
