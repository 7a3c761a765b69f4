#pragma once
// Basic statistics of the life history data: duration of every stage, the
// cumulative development time, the stage span of the header, and the
// consumption in each stage, before the adult stage and over the whole life,
// for all individuals and for each sex line. Then the two tables of mean
// daily consumption and weighting coefficients.
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

// Prints the table "Basic Statistics of Life History Data" to the basic
// report (file 3), section by section, then PrintDailyMeanConsumptionBasedonMeans
// and PrintWeightingCoefBasedOnMatricesZandS. Stage labels are the names as
// the matrix tables left them (cut to four characters).
void life06(AnalysisState& state, Platform& platform);

// The sections, in the order life06 calls them.
void Life06Gosub160(AnalysisState& state);   // page head and column header
void Life06Gosub290(AnalysisState& state);   // stage durations, all individuals
void Life06Gosub690(AnalysisState& state);   // stage durations by sex line
void Life06Gosub480(AnalysisState& state);   // cumulative durations, all individuals
void Life06Gosub910(AnalysisState& state);   // cumulative durations by sex line
void Life06Gosub1140(AnalysisState& state);  // stage span, all individuals
void Life06Gosub1320(AnalysisState& state);  // stage span by sex line; consumption heading
void Life06Gosub1800(AnalysisState& state);  // stage consumption, all individuals
void Life06Gosub1990(AnalysisState& state);  // stage consumption by sex line
void Life06Gosub1995(AnalysisState& state);  // pre-adult consumption by sex letter
void Life06Gosub1550(AnalysisState& state);  // lifetime consumption

}  // namespace vorelan
