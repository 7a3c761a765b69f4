#pragma once
// The result files of a bootstrap run: the value of every replicate of each
// estimate, for statistics packages, under a head of six records (the
// project, n, B, and a tag line with the whole cohort's value). "In column":
// one value a line; "in row": five values a line, closed by -1.
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

void WriteBootstrapNetConsumptionInRow(AnalysisState& state, Platform& platform);
void WriteBootstrapNetConsumptionInColumn(AnalysisState& state, Platform& platform);
void WriteBootstrapStablePredationRateInColumn(AnalysisState& state, Platform& platform);
void WriteBootstrapStablePredationRateInRow(AnalysisState& state, Platform& platform);
void WriteBootstrapFinitePredationRateInColumn(AnalysisState& state, Platform& platform);
void WriteBootstrapFinitePredationRateInRow(AnalysisState& state, Platform& platform);
void WriteBootstrapQpInColumn(AnalysisState& state, Platform& platform);
void WriteBootstrapQpInRow(AnalysisState& state, Platform& platform);

// The replicates' stage means: durations (W), consumption (Y), consumption
// by sex line, and cumulative durations (X), of every stage that has them in
// the whole cohort.
void WriteBootstageMeaninColumn(AnalysisState& state, Platform& platform);
void WriteBootstageMeaninRow(AnalysisState& state, Platform& platform);

// The stage daily mean consumption of every stage column 1..m+1.
void WriteBootDailyMeanConsumeInRow(AnalysisState& state, Platform& platform);

// All of them in the order of the run. The Psi, Omega and Qp files only
// after the sibling program's samples: without them no replicate has those
// values, and files of zeros would pass for results.
void WriteBootstrapResultFiles(AnalysisState& state, Platform& platform);

}  // namespace vorelan
