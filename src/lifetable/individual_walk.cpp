#include "lifetable/individual_walk.h"

namespace vorelan {

IndividualWalk::IndividualWalk(const double* stageDuration, bool female, int numStages)
    : female_(female), m_(numStages) {
  for (int j = 1; j <= m_; ++j) remain_[j] = stageDuration[j];
  double& first = remain_[1];
  if (first > 0) {
    first -= 1;
  } else {
    first += 1;
    if (first >= 0) stage_ = m_ + 1;
  }
}

WalkDay IndividualWalk::nextDay() {
  const int j = stage_;
  if (j < m_ - 1) return preAdultDay(j + 1, j);
  if (j == m_) return adultDay();
  // The last pre-adult stage: the sex decides the adult column.
  return female_ ? preAdultDay(m_, m_ - 1) : preAdultDay(m_ + 1, m_);
}

// In pre-adult stage j: it either moves on to column `next` (its move
// recorded in d(x-1, moveColumn)) or stays in j.
WalkDay IndividualWalk::preAdultDay(int next, int moveColumn) {
  const int j = stage_;
  double& remain = remain_[j];
  if (remain == 0) {
    stage_ += 1;
    // The first day in the new stage; the male adult's duration is in column m.
    double& entered = remain_[j + 1];
    if (entered > 0) {
      entered -= 1;
    } else {
      entered += 1;
      if (entered == 0) stage_ = m_ + 1;
    }
    return {next, moveColumn, true, j};
  }
  if (remain <= 0) {  // the stage in which it dies
    remain += 1;
    if (remain == 0) stage_ = m_ + 1;
  } else {
    remain -= 1;
  }
  return {j, j, false, j};
}

// An adult, in the female or the male adult column.
WalkDay IndividualWalk::adultDay() {
  double& remain = remain_[m_];
  if (remain == 0) {
    stage_ = m_ + 1;
    return {};
  }
  const int column = female_ ? m_ : m_ + 1;
  remain -= 1;
  if (remain == 0) stage_ = m_ + 1;
  return {column, column, false, column};
}

}  // namespace vorelan
