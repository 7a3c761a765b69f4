#include "lifetable/life03.h"

#include <vector>

#include "lifetable/individual_walk.h"

namespace vorelan {
namespace {

// Counts what each individual's walk did on each age step: where it is,
// and the 1 / n(x-1, j) of the transition that brought it there.
void walkEveryIndividual(const CohortView& cohort, int maxAge, AgeStageMatrices& mx) {
  mx.Nxj(0, 1) = static_cast<std::int16_t>(cohort.size());
  std::vector<IndividualWalk> walks;
  walks.reserve(static_cast<std::size_t>(cohort.size()));
  for (const IndividualView& ind : cohort.positions)
    walks.emplace_back(ind.stageDuration, ind.female, cohort.numStages);
  for (int x = 1; x <= maxAge; ++x) {
    for (IndividualWalk& walk : walks) {
      if (!walk.alive()) continue;
      const WalkDay day = walk.nextDay();
      if (day.column == 0) continue;
      mx.Nxj(x, day.column) += 1;
      Array2<double>& transitions = day.moved ? mx.Dxj : mx.Gxj;
      transitions(x - 1, day.transitionColumn) += 1 / static_cast<double>(mx.Nxj(x - 1, day.fromColumn));
    }
  }
}

}  // namespace

void clearAgeStageMatrices(AgeStageMatrices& mx, int maxAge, int numStages) {
  if (maxAge < 0) return;
  const auto lastAge = static_cast<std::size_t>(maxAge);
  const auto lastColumn = static_cast<std::size_t>(numStages) + 1;
  mx.Gxj.fill(0, lastAge, 1, lastColumn, 0);
  mx.Dxj.fill(0, lastAge, 1, lastColumn, 0);
  mx.Nxj.fill(0, lastAge, 1, lastColumn, 0);
  mx.Sxj.fill(0, lastAge, 1, lastColumn, 0);
  mx.Cxj.fill(0, lastAge, 1, lastColumn, 0);
}

void consumptionRates(AgeStageMatrices& mx, const Array2<double>& txj, int maxAge, int numStages) {
  for (int x = 0; x <= maxAge; ++x) {
    for (int j = 1; j <= numStages + 1; ++j) {
      if (mx.Nxj(x, j) != 0) mx.Cxj(x, j) = txj(x, j) / mx.Nxj(x, j);
    }
  }
}

void survivalAndAgeRanges(AgeStageMatrices& mx, int numIndividuals, int maxAge, int numStages) {
  const int columns = numStages + 1;
  const double n = numIndividuals;
  for (int j = 1; j <= columns; ++j) {
    mx.StageAgeRange(j, 1) = -1;
    mx.StageAgeRange(j, 2) = -1;
  }
  for (int x = 0; x <= maxAge; ++x) {
    for (int j = 1; j <= columns; ++j) {
      if (mx.Nxj(x, j) == 0) continue;
      mx.Sxj(x, j) = mx.Nxj(x, j) / n;
      mx.Sj(j) += mx.Sxj(x, j);
      if (mx.StageAgeRange(j, 1) < 0) mx.StageAgeRange(j, 1) = x;
      mx.StageAgeRange(j, 2) = x;
    }
  }
  for (int j = 1; j <= columns; ++j) {
    if (mx.StageAgeRange(j, 1) < 0) mx.StageAgeRange(j, 1) = 0;
  }
}

void life03(const CohortView& cohort, const Array2<double>& txj, int maxAge, AgeStageMatrices& mx) {
  clearAgeStageMatrices(mx, maxAge, cohort.numStages);
  walkEveryIndividual(cohort, maxAge, mx);
  consumptionRates(mx, txj, maxAge, cohort.numStages);
  survivalAndAgeRanges(mx, cohort.size(), maxAge, cohort.numStages);
}

void life03boot(AnalysisState& state) {
  life03(workingCohortView(state), state.cohort.Txj, state.stageStats.MaxAge, state.matrices);
}

void life03(AnalysisState& state, Platform& /*platform*/) { life03boot(state); }

}  // namespace vorelan
