#pragma once
// What the output files window doneform lists: the report of the last run,
// then the files the program wrote beside the data file, in groups under a
// heading that says what they hold (the Basic Run's report, the figure
// data, the predation rates, the resampling results), each with a caption
// that says what it holds. Only files that this run of the program wrote,
// and that are still there, are listed; the report box names the report
// only when this run of the program wrote it.
#include <string>
#include <vector>

#include "model/analysis_state.h"

namespace vorelan {

struct OutputFileEntry {
  std::string caption;
  std::string fileName;
  bool operator==(const OutputFileEntry&) const = default;
};

struct OutputFileGroup {
  std::string heading;
  std::vector<OutputFileEntry> files;
};

inline constexpr const char* NoReportWrittenText = "No report was written by this run of the program.";

struct OutputFileList {
  std::string reportFileName;  // empty when this run of the program wrote none
  std::vector<OutputFileGroup> groups;  // none empty
  // Every listed file, group after group.
  std::vector<OutputFileEntry> files() const;
  // What the report box shows: the report's name, or that none was written.
  std::string reportBoxText() const;
};

OutputFileList doneformFiles(const AnalysisState& state);

}  // namespace vorelan
