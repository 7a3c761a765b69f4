#pragma once
// One individual's day-by-day walk through its stages, the rules of the
// age-stage matrices. What an individual does on an age step depends on its
// own durations and sex alone, so the walk of a cohort is every individual's
// walk, age by age; the matrices count what the walks report.
#include <array>

#include "model/limits.h"

namespace vorelan {

// What an individual did on one age step x >= 1.
struct WalkDay {
  // The stage column it is counted in at age x; 0 when it is not counted (dead).
  int column = 0;
  // The cell of age x-1 that records how it came there: g(x-1, transitionColumn)
  // when it stayed in its stage, d(x-1, transitionColumn) when it moved on.
  int transitionColumn = 0;
  bool moved = false;
  // The column it was counted in at age x-1, whose n(x-1, fromColumn) divides
  // the transition it records.
  int fromColumn = 0;
};

// Columns 1..m-1 are the pre-adult stages, m the female adult, m+1 the male
// adult. A female's move into the adult column is recorded in d(x-1, m-1), a
// male's in d(x-1, m). Durations count down in whole time units: a stage of
// positive duration d is occupied on d ages, a death stage -d on d ages.
class IndividualWalk {
 public:
  // Spends age 0, the first day in stage 1. `stageDuration` is indexed by
  // stage 1..m.
  IndividualWalk(const double* stageDuration, bool female, int numStages);

  bool alive() const { return stage_ <= m_; }
  // The next age step; only while alive().
  WalkDay nextDay();

 private:
  WalkDay preAdultDay(int next, int moveColumn);
  WalkDay adultDay();

  std::array<double, limits::StageColumns> remain_{};
  int stage_ = 1;  // the stage it is in; m+1 once dead (the male adult is in stage m too)
  bool female_;
  int m_;
};

}  // namespace vorelan
