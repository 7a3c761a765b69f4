#pragma once
// Jackknife: the standard error of the net consumption rate C0 by leaving
// out each individual in turn. Writes "_0_Jackknife_Output.txt", the
// pseudo-values for a t-test and the frequency file, and leaves the classes
// of the pseudo-values for the histogram.
//
// The run has three steps so that the passes can run off the window's
// thread; the first and the last may show boxes and stay on it:
//   beginJackknife        the window's thread: refusals, reading, the report
//   runJackknifePasses    a worker thread, through BackgroundWork
//   endJackknife          the window's thread: the table and the files
#include <optional>

#include "datafile/jackknife_reader.h"
#include "model/analysis_state.h"
#include "platform/background_work.h"
#include "platform/user_interface.h"

namespace vorelan {

inline constexpr const char* JackknifeReportSuffix = "_0_Jackknife_Output.txt";
inline constexpr const char* JackknifeRefusalTitle = "Jackknife";

// Refuses, with a message and changing nothing, a data file that is no
// longer the one the Basic Run analysed and a cohort of fewer than 2
// individuals; reads the bytes the Basic Run analysed once (a fault ends the
// program); creates the report as file 3 and prints the tables of the stable
// age-stage distribution first when one has been read. Nothing when the run
// does not start: refused, report not created, or a resampling run already done.
std::optional<LeaveOneOutSource> beginJackknife(AnalysisState& state, Platform& platform);

// After the passes: the statistics and table of the pseudo-values, the
// report closed, the t-test and frequency files; the resampling is done.
// False when its report could not be written.
bool endJackknife(AnalysisState& state, Platform& platform);

// The whole run, its passes through `background` while ResamplingRunning is
// set. A run stopped before its end (the program is being closed) leaves
// no report: the one begun is closed and removed. A run that does not
// finish leaves the analysis as it found it. False when the run did not
// start, was stopped or its report could not be written.
bool cmdJackknife_Click(AnalysisState& state, Platform& platform, BackgroundWork& background);

}  // namespace vorelan
