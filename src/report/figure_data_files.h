#pragma once
// The figure data files of the Basic Run: l(x), k(x), q(x) by age, c(x,j) and
// T(x,j) by age and stage for plotting, c(x,j) by stage for a predation
// program, and the total consumption T(x) by age.
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

inline constexpr const char* AgeSurvivalConsumptionSuffix = "_2_Fig_Age_lx_Kx_qx.txt";
inline constexpr const char* AgeStageConsumptionRateSuffix = "_1_Fig_Cxj.txt";
inline constexpr const char* CxjForPredationSuffix = "_17_Cxj_For_Predation_Prog.txt";
inline constexpr const char* AgeTotalConsumptionSuffix = "_Age_Total_Consumption.txt";
inline constexpr const char* AgeStageTotalConsumptionSuffix =
    "_3_Fig_Total_age-stage consumption.txt";

// Writes the five files in their order, each as file 1, beside the data file.
void life07(AnalysisState& state, Platform& platform);

// T(x) by age, with the title lines of the cohort.
void WriteAgeTotalConsumption(AnalysisState& state, Platform& platform);

}  // namespace vorelan
