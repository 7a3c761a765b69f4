#pragma once
// Jackknife: the standard error of the net consumption rate C0 by leaving
// out each individual in turn. Writes "_0_Jackknife_Output.txt", the
// pseudo-values for a t-test and the frequency file, and leaves the classes
// of the pseudo-values for the histogram.
//
// The run has three steps so that the passes can run off the window's
// thread; the first and the last may show boxes and stay on it:
//   if (auto source = beginJackknife(state, platform)) {
//     runJackknifePasses(state, platform, *source, progress);  // any thread
//     endJackknife(state, platform);
//   }
#include <optional>

#include "datafile/jackknife_reader.h"
#include "model/analysis_state.h"
#include "platform/user_interface.h"
#include "resampling/jackknife_passes.h"

namespace vorelan {

inline constexpr const char* JackknifeReportSuffix = "_0_Jackknife_Output.txt";
inline constexpr const char* JackknifeRefusalTitle = "Jackknife";

// Refuses a cohort of fewer than 2 individuals with a message, changing
// nothing; reads the data file once (a fault ends the program); creates the
// report as file 3 and prints the tables of the stable age-stage
// distribution first when one has been read. Nothing when the run does not
// start: refused, report not created, or a resampling run already done.
std::optional<LeaveOneOutSource> beginJackknife(AnalysisState& state, Platform& platform);

// After the passes: the statistics and table of the pseudo-values, the
// report closed, the t-test and frequency files; the resampling is done.
void endJackknife(AnalysisState& state, Platform& platform);

// The whole run on the calling thread. False when it did not start.
bool cmdJackknife_Click(AnalysisState& state, Platform& platform, const PassDone& passDone = {});

}  // namespace vorelan
