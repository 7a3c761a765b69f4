#include "lifetable/life03.h"

namespace vorelan {
namespace {

// Clears the cells of ages 0..MaxAge and sizes the work arrays of the walk.
void clearMatrices(AnalysisState& state) {
  AgeStageMatrices& mx = state.matrices;
  const int m = state.header.NumStages;
  for (int x = 0; x <= state.stageStats.MaxAge; ++x) {
    for (int j = 1; j <= m + 1; ++j) {
      mx.Gxj(x, j) = 0;
      mx.Dxj(x, j) = 0;
      mx.Nxj(x, j) = 0;
      mx.Sxj(x, j) = 0;
      mx.Cxj(x, j) = 0;
    }
  }
  const auto rows = static_cast<std::size_t>(state.header.NumIndividuals) + 1;
  if (mx.RemainDuration.rows() < rows) mx.RemainDuration.reset(rows, AgeStageMatrices::Stages);
  if (mx.CurrentStage.size() < rows) mx.CurrentStage.reset(rows);
}

class DayByDayWalk {
 public:
  explicit DayByDayWalk(AnalysisState& state)
      : mx_(state.matrices),
        cohort_(state.cohort),
        n_(state.header.NumIndividuals),
        m_(state.header.NumStages),
        dead_(m_ + 1) {}

  void run(int maxAge) {
    mx_.Nxj(0, 1) = static_cast<std::int16_t>(n_);
    for (int i = 1; i <= n_; ++i) {
      for (int j = 1; j <= m_; ++j) mx_.RemainDuration(i, j) = cohort_.StageDuration(i, j);
    }
    for (int i = 1; i <= n_; ++i) firstDay(i);
    for (int x = 1; x <= maxAge; ++x) {
      for (int k = 1; k <= n_; ++k) {
        const int j = static_cast<int>(mx_.CurrentStage(k));
        if (j > m_) continue;
        if (j < m_ - 1) {
          preAdultDay(k, x, j, j + 1, j);
        } else if (j == m_) {
          adultDay(k, x);
        } else if (isFemale(k)) {  // the last pre-adult stage
          preAdultDay(k, x, j, m_, m_ - 1);
        } else {
          preAdultDay(k, x, j, m_ + 1, m_);
        }
      }
    }
  }

 private:
  bool isFemale(int k) const { return cohort_.Sex(k) == "F"; }

  // Age 0: every individual spends its first day in stage 1.
  void firstDay(int i) {
    double& remain = mx_.RemainDuration(i, 1);
    if (remain > 0) {
      remain -= 1;
      mx_.CurrentStage(i) = 1;
    } else {
      remain += 1;
      mx_.CurrentStage(i) = remain >= 0 ? dead_ : 1;
    }
  }

  // Individual k in pre-adult stage j at age x: it either moves on to column
  // `next` (its move counted in d(x-1, moveColumn)) or stays in j.
  void preAdultDay(int k, int x, int j, int next, int moveColumn) {
    double& remain = mx_.RemainDuration(k, j);
    const double previous = mx_.Nxj(x - 1, j);
    if (remain == 0) {
      mx_.CurrentStage(k) += 1;
      mx_.Dxj(x - 1, moveColumn) += 1 / previous;
      mx_.Nxj(x, next) += 1;
      // The first day in the new stage; the male adult's duration is in column m.
      double& entered = mx_.RemainDuration(k, j + 1);
      if (entered > 0) {
        entered -= 1;
      } else {
        entered += 1;
        if (entered == 0) mx_.CurrentStage(k) = dead_;
      }
      return;
    }
    mx_.Nxj(x, j) += 1;
    mx_.Gxj(x - 1, j) += 1 / previous;
    if (remain <= 0) {  // the stage in which it dies
      remain += 1;
      if (remain == 0) mx_.CurrentStage(k) = dead_;
    } else {
      remain -= 1;
    }
  }

  // Adult k at age x, in the female or the male adult column.
  void adultDay(int k, int x) {
    double& remain = mx_.RemainDuration(k, m_);
    if (remain == 0) {
      mx_.CurrentStage(k) = dead_;
      return;
    }
    const int column = isFemale(k) ? m_ : m_ + 1;
    mx_.Nxj(x, column) += 1;
    mx_.Gxj(x - 1, column) += 1 / static_cast<double>(mx_.Nxj(x - 1, column));
    remain -= 1;
    if (remain == 0) mx_.CurrentStage(k) = dead_;
  }

  AgeStageMatrices& mx_;
  const CohortRecords& cohort_;
  const int n_;
  const int m_;
  const int dead_;
};

// c(x,j) = T(x,j) / n(x,j) where the cell is occupied.
void consumptionRates(AnalysisState& state) {
  AgeStageMatrices& mx = state.matrices;
  for (int x = 0; x <= state.stageStats.MaxAge; ++x) {
    for (int j = 1; j <= state.header.NumStages + 1; ++j) {
      if (mx.Nxj(x, j) != 0) mx.Cxj(x, j) = state.cohort.Txj(x, j) / mx.Nxj(x, j);
    }
  }
}

// s(x,j), the stage sums s(j) and the first and last occupied age of every
// stage; a stage nobody reached gets the empty range 0..-1.
void survivalAndAgeRanges(AnalysisState& state) {
  AgeStageMatrices& mx = state.matrices;
  const int columns = state.header.NumStages + 1;
  const double n = state.header.NumIndividuals;
  for (int j = 1; j <= columns; ++j) {
    mx.StageAgeRange(j, 1) = -1;
    mx.StageAgeRange(j, 2) = -1;
  }
  for (int x = 0; x <= state.stageStats.MaxAge; ++x) {
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

}  // namespace

void life03(AnalysisState& state, Platform& /*platform*/) {
  clearMatrices(state);
  DayByDayWalk(state).run(state.stageStats.MaxAge);
  consumptionRates(state);
  survivalAndAgeRanges(state);
}

}  // namespace vorelan
