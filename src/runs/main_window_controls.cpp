#include "runs/main_window_controls.h"

namespace vorelan {
namespace {

MainWindowControls afterBasicRun() {
  MainWindowControls c;
  c.cmdOpenDataFile = false;
  // Basic Run stays enabled: a later click only closes the report.
  c.cmdBasicRun = true;
  c.cmdBootstrap = true;
  c.cmdJackknife = true;
  c.cmdCompare2bootsVisible = true;
  c.Command6 = true;
  c.Command4 = c.Command23 = c.Command27 = c.Command28 = true;
  return c;
}

// While a resampling run goes, nothing that starts other work can be used,
// nor the result windows, which would read the state the run is changing
// (and leaving the resampling result, which has nothing to show yet, would
// close the analysis before its result is there).
MainWindowControls whileResampling(const AnalysisState& state) {
  MainWindowControls c = afterBasicRun();
  c.cmdOpenDataFile = c.cmdBasicRun = c.cmdBootstrap = c.cmdJackknife = false;
  c.Command6 = c.Command4 = false;
  c.Command2 = c.Command23 = c.Command27 = c.Command28 = false;
  c.Frame1 = c.figureButtons = false;
  c.bootstrapTimesShown = state.run.ResampleMethod == "b";
  c.replicateProgressShown = true;
  return c;
}

// One analysis per run of the program: after its resampling run only the
// result windows and, after a bootstrap, the comparison of two bootstrap
// results remain. Another data file is analysed by starting the program
// again, as the closing text says: a file opened now could only lead to a
// Basic Run that computes nothing.
MainWindowControls afterResampling(const AnalysisState& state) {
  MainWindowControls c = whileResampling(state);
  c.Command2 = c.Command23 = c.Command27 = c.Command28 = true;
  c.replicateProgressShown = false;
  c.histogramShown = true;
  c.cmdCompare2boots = state.run.ResampleMethod == "b" && !state.comparison.ComparisonDone;
  return c;
}

}  // namespace

std::string runProgressCaption(const AnalysisState& state) {
  return state.run.ResampleMethod == "b" ? "Bootstrap replicates" : "Jackknife passes";
}

MainWindowPhase mainWindowPhase(const AnalysisState& state) {
  if (state.run.ResamplingRunning) return MainWindowPhase::Resampling;
  if (state.run.DataFileAwaitingRun) return MainWindowPhase::FileOpened;
  if (state.run.ResamplingDone == "yes") return MainWindowPhase::ResamplingDone;
  if (state.run.BasicRunDone == "yes") return MainWindowPhase::BasicRunDone;
  return MainWindowPhase::Start;
}

MainWindowControls mainWindowControls(const AnalysisState& state) {
  MainWindowControls c;
  switch (mainWindowPhase(state)) {
    case MainWindowPhase::Start: break;
    case MainWindowPhase::FileOpened:
      c.cmdOpenDataFile = false;
      c.cmdBasicRun = true;
      c.cmdJackknife = false;
      break;
    case MainWindowPhase::BasicRunDone: c = afterBasicRun(); break;
    case MainWindowPhase::Resampling: c = whileResampling(state); break;
    case MainWindowPhase::ResamplingDone: c = afterResampling(state); break;
  }
  // After the user closed the analysis from the result window, no other data
  // file can be opened in this run of the program.
  if (state.run.AnalysisClosed) c.cmdOpenDataFile = false;
  return c;
}

}  // namespace vorelan
