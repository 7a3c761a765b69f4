#pragma once
// The two tables "Mean daily consumption rate and weighting coefficient" that
// close the basic statistics: c(j) of every stage and of each adult sex, and
// w(j) = c(j) / the largest c(j), for the simulation program Brusko.
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

// c(j) from the stage means: mean stage consumption / mean stage duration
// (per day), the adults by sex. Fills CjFromMeans and CjCheckSumFromMeans.
void PrintDailyMeanConsumptionBasedonMeans(AnalysisState& state, Platform& platform);

// c(j) = z(j) / s(j) from the age-stage matrices. Fills CjCheckSumFromMatrices.
void PrintWeightingCoefBasedOnMatricesZandS(AnalysisState& state, Platform& platform);

}  // namespace vorelan
