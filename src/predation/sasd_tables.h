#pragma once
// The two tables with which the jackknife and bootstrap reports begin once a
// stable age-stage distribution file has been read: a(x,j) itself, and
// a(x,j) * c(x,j) with psi and omega under it. Both print into the report
// open as file 3, with the page head and table numbers of every report, over
// the ages and stage ranges of the cohort of the Basic Run.
#include "model/analysis_state.h"

namespace vorelan {

// " Stable age-stage distribution (Total population = 1)", each value
// rounded to 4 decimals. Prints nothing unless SASDRead is "Yes".
void PrintSASD(AnalysisState& state);

// " Product of SASD*Cxj (Total population = 1)", each value rounded by its
// size, then psi (kept in TablePsi) and psi * lambda. Prints whenever
// called: call it only when SASDRead is "Yes".
void PrintProductOfSASDandCxj(AnalysisState& state);

// The rounding of a cell of the product table: below 1 to 4 decimals, below
// 100 to 2, below 10000 to a whole number, larger values as they are.
double roundProductCell(double value);

}  // namespace vorelan
