#pragma once
// The table of the stage means window stagmean: the mean duration of each
// stage and its standard error, one row per stage, from the Basic Run.
#include <string>
#include <vector>

#include "model/basic_run_results.h"
#include "model/open_files.h"

namespace vorelan {

struct StageMeanRow {
  std::string stage;  // the stage's name; "Adult" for the last stage
  std::string mean;
  std::string se;
  bool operator==(const StageMeanRow&) const = default;
};

struct StageMeans {
  // The project and the report that holds the detailed results, named only
  // when this run of the program wrote it.
  std::string projectLine;
  std::vector<StageMeanRow> rows;
};

StageMeans StageMeanTable(const BasicRunResults& results, const OpenFiles& files);

}  // namespace vorelan
