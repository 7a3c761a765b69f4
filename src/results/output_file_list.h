#pragma once
// What the output files window doneform lists: the report of the last run,
// then the data files the program wrote beside the data file, each with a
// caption that says what it holds. Only files that exist are listed.
#include <string>
#include <vector>

#include "model/analysis_state.h"

namespace vorelan {

struct OutputFileEntry {
  std::string caption;
  std::string fileName;
  bool operator==(const OutputFileEntry&) const = default;
};

struct OutputFileList {
  std::string reportFileName;
  std::vector<OutputFileEntry> files;
};

OutputFileList doneformFiles(const AnalysisState& state);

}  // namespace vorelan
