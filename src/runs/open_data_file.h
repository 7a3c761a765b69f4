#pragma once
// Open data file: asks the time unit, lets the user choose the raw data file,
// derives the output file names, checks the file and creates the basic report.
#include <optional>
#include <string>

#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

inline constexpr const char* BasicReportSuffix = "_0_Basic_Output.txt";

// True when a data file was chosen, passed its check and its report was
// created; false when the user cancelled or the report could not be begun
// (nothing but the time unit changed then).
bool OpenDataFile(AnalysisState& state, Platform& platform);

// The leading number of an answer ("0.5 days" gives 0.5), nothing if none.
std::optional<double> leadingNumber(const std::string& answer);

// The prefix of every result's name: the data file's path less the last
// four characters of its name, or the whole path when the name has no more
// than four.
std::string baseFileNameOf(const std::string& dataFileName);

}  // namespace vorelan
