#pragma once
// The ten tables of the result window ResultFm, one per tab, from the Basic
// Run's results: the matrices s(x,j), g(x,j), d(x,j) and c(x,j) by age and
// stage column, the stage consumption and stage duration statistics, l(x),
// c(x) (the age-specific consumption rate), k(x) = l(x) c(x), and the mean
// lifetime consumption.
#include <string>
#include <vector>

#include "model/basic_run_results.h"
#include "results/text_grid.h"

namespace vorelan {

struct ResultTab {
  std::string caption;  // "&" marks the next letter as the tab's access key
  TextGrid grid;
};

// The window opens on the last tab, " Mean consumption".
inline constexpr int ResultFmOpeningTab = 9;

std::vector<ResultTab> ResultTables(const BasicRunResults& results);

}  // namespace vorelan
