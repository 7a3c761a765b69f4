#pragma once
// The frequency files of the resampled C0: the class begins, centres and
// frequencies under a few lines naming the cohort and the run. Each is
// written as file 1, beside the data file.
#include "model/analysis_state.h"
#include "platform/user_interface.h"

namespace vorelan {

inline constexpr const char* JackknifeFrequencySuffix = "_9_Fig_Jackknife-Co frequency.txt";
inline constexpr const char* BootstrapFrequencySuffix = "_9_Bootstrap-Co frequency.txt";

// "_9_Fig_Jackknife-Co frequency.txt" from the jackknife classes. A class
// begin below 0.000001 is set to 0 in the classes themselves and written so.
// "Total individual =" gives the cohort's N, one pseudo-value each (not the
// working count, which the last pass leaves at N - 1).
void WriteJackknifeFrequency(AnalysisState& state, Platform& platform);

// "_9_Bootstrap-Co frequency.txt" from the bootstrap classes, B and n.
void WriteBootstrapFrequency(AnalysisState& state, Platform& platform);

}  // namespace vorelan
