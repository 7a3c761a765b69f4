#pragma once
// A small cohort for the result tables: egg, larva, pupa and adult; a male
// that matures at age 3, before the female pupates; a female adult from age
// 6; an unsexed larva that dies at age 2. Worked out by hand:
//   egg   (column 1) ages 0..1   n(0) = 3, n(1) = 2
//   larva (column 2) ages 1..3   n(1) = 1, n(2) = 2, n(3) = 1
//   pupa  (column 3) ages 2..5   n(2) = 1, n(3) = 0, n(4) = n(5) = 1
//   female adult (column 4) ages 6..8, male adult (column 5) ages 3..5
//   MaxAge = 8 (the female lives 9 time units)
// d(x,j): the male's move from the pupa is d(2,4) = 1, the female's d(5,3) = 1.
#include <string>
#include <vector>

#include "results/keep_basic_run_results.h"
#include "support/life_table_run.h"

namespace vorelan::testing {

inline const std::vector<std::string> EarlyMalesRecords = {
    "1,M,1,1,1,3,0,-1,2,-1,0,-1,4,3,3,-1",
    "2,F,2,2,2,3,0,0,-1,1,3,-1,0,0,-1,5,5,4,-1",
    "3,N,2,-1,0,0,-1,1,-1",
};

// The Basic Run's results of that cohort, as the Basic Run keeps them.
inline BasicRunResults earlyMalesResults() {
  LifeTable table(FourStages, EarlyMalesRecords);
  table.state.report.ReportFileName = "/data/cohort_0_Basic_Output.txt";
  KeepBasicRunResults(table.state);
  return table.state.basicRun;
}

}  // namespace vorelan::testing
