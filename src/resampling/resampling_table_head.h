#pragma once
// The head of the tables of the resampling reports (the jackknife's
// pseudo-values, the bootstrap samples): the page mark with the page line
// beside it, the project, user and date lines, "Analyzed on : " and the date,
// a line holding one blank, then the table line.
#include <string>

#include "model/analysis_state.h"

namespace vorelan {

// `title` follows "Table" and the table number; it begins with ". ".
void printResamplingTableHead(TextOutputFile& out, AnalysisState& state, const std::string& title);

}  // namespace vorelan
